#include "mainwindow/userdialogs.h"

#include "library/libraryeditdialog.h"
#include "library/librarynamedialog.h"
#include "mainwindow/exportfiledialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

const QString &boxTitle()
{
    static const QString title = u"Quillmark"_s;
    return title;
}

} // namespace

QString QtUserDialogs::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.replace(u'\r', u'\n');
    return shown;
}

QMessageBox::StandardButton QtUserDialogs::message(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, boxTitle(), displayText(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(execSteppingAside(box));
}

bool QtUserDialogs::noticeWithCheckBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
                                       const QString &checkBoxText)
{
    QMessageBox box(icon, boxTitle(), displayText(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    auto *tick = new QCheckBox(checkBoxText, &box);
    tick->setAccessibleName(QString(checkBoxText).remove(u'&'));
    box.setCheckBox(tick);
    execSteppingAside(box);
    return tick->isChecked();
}

int QtUserDialogs::execSteppingAside(QDialog &box)
{
    const bool stepAside = m_stepAside && m_stepAside->isVisible();
    if (stepAside)
        m_stepAside->hide();
    const int answer = box.exec();
    if (stepAside && m_stepAside)
        m_stepAside->show();
    return answer;
}

QString QtUserDialogs::openFileName(QWidget *parent, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}

void QtUserDialogs::setUpSaveDialog(QFileDialog &dialog, const QString &folder, const QString &filter,
                                    const QString &proposed, const QString &defaultSuffix)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog adds the suffix to the name it then checks for overwriting; a native one
    // might ask about "abc" and then write "abc.dyz".
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDirectory(folder);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                                    const QString &proposed, const QString &defaultSuffix)
{
    QFileDialog dialog(parent);
    setUpSaveDialog(dialog, folder, filter, proposed, defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtUserDialogs::openUrl(const QUrl &url)
{
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen"_s || platform == u"minimal"_s)
        return false;
    return QDesktopServices::openUrl(url);
}

std::optional<QColor> QtUserDialogs::chooseColour(QWidget *parent, const QColor &initial)
{
    // Any colour, solid only: seals are drawn in opaque ink.
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

// --- Export ---

ExportFileChoice UserDialogs::pictureFileName(QWidget *parent, const QString &folder, ExportKind kind,
                                              const QList<ExportKind> &offered, const QImage &, const QSize &)
{
    const QString chosen =
        saveFileName(parent, folder, ExportFileDialog::nameFilter(kind), QString(), exportKindExtension(kind).mid(1));
    if (chosen.isEmpty())
        return {QString(), kind};
    return exportFileChoice(chosen, kind, offered);
}

ExportFileChoice QtUserDialogs::pictureFileName(QWidget *parent, const QString &folder, ExportKind kind,
                                                const QList<ExportKind> &offered, const QImage &preview,
                                                const QSize &pictureSize)
{
    ExportFileDialog dialog(parent, folder, kind, preview, pictureSize, offered);
    if (dialog.exec() != QDialog::Accepted)
        return {QString(), kind};
    return dialog.choice();
}

std::optional<QString> UserDialogs::libraryEntryName(QWidget *mainWindow, const QString &proposed)
{
    LibraryNameDialog dialog(mainWindow, proposed);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

void UserDialogs::runLibraryEditor(LibraryEditDialog &dialog)
{
    dialog.exec();
}

QMessageBox::StandardButton UnattendedDialogs::message(QWidget *, QMessageBox::Icon, const QString &text,
                                                       QMessageBox::StandardButtons buttons)
{
    std::fprintf(stderr, "%s\n", qPrintable(QtUserDialogs::displayText(text)));
    for (QMessageBox::StandardButton b : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok, QMessageBox::Yes})
        if (buttons.testFlag(b))
            return b;
    return QMessageBox::NoButton;
}

} // namespace qm
