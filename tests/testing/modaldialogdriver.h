#pragma once

// Answers the modal dialog a call puts up, as its user would: tests that call into a dialog
// (the dialog component's entries, a command that shows one) run it without blocking.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace qm::testing {

// Waits for the first modal dialog, lets `drive` act on it as the user, then presses its OK or
// Cancel button. Records what it found, since the dialog is gone when the call returns.
struct DialogDriver {
    std::function<void(QDialog &)> drive;
    bool confirm = true;
    QString objectName;
    QWidget *parent = nullptr;
    QStringList unnamed;   // visible controls without an accessible name
    QStringList buddyless; // labels with a mnemonic but no buddy
    QTimer timer;

    DialogDriver(std::function<void(QDialog &)> act, bool ok) : drive(std::move(act)), confirm(ok)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            timer.stop();
            objectName = QString(dialog->objectName().constData(), dialog->objectName().size());
            parent = dialog->parentWidget();
            inspect(*dialog);
            if (drive)
                drive(*dialog);
            const auto role = confirm ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole;
            for (QAbstractButton *b : dialog->findChild<QDialogButtonBox *>()->buttons())
                if (dialog->findChild<QDialogButtonBox *>()->buttonRole(b) == role)
                    b->click();
        });
        timer.start();
    }

    void inspect(QDialog &dialog)
    {
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            if (!w->isVisible())
                continue;
            if (auto *label = qobject_cast<QLabel *>(w); label && label->text().contains(u'&') && !label->buddy())
                buddyless << label->text();
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
            if (!a)
                continue;
            const QAccessible::Role role = a->role();
            const bool needsName = role == QAccessible::ComboBox || role == QAccessible::CheckBox ||
                                   role == QAccessible::RadioButton || role == QAccessible::SpinBox ||
                                   role == QAccessible::PushButton || role == QAccessible::Dialog;
            if (needsName && a->text(QAccessible::Name).isEmpty())
                unnamed << QString::fromLatin1(w->metaObject()->className());
        }
    }
};

} // namespace qm::testing
