#include "mainwindow/editorkeys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace qm {

EditorKeyGuard::EditorKeyGuard(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

EditorKeyGuard::~EditorKeyGuard()
{
    qApp->removeEventFilter(this);
}

void EditorKeyGuard::guard(QAction *action)
{
    m_actions.append(action);
}

bool EditorKeyGuard::editsText(const QWidget *widget)
{
    // A spin box's or a list's own line edit has the box as its focus proxy: look at the box too.
    for (const QWidget *w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
            qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w))
            return true;
        if (const auto *box = qobject_cast<const QComboBox *>(w); box && box->isEditable())
            return true;
    }
    return false;
}

bool EditorKeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (!editsText(QApplication::focusWidget()))
        return false;
    const QKeySequence pressed(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (const QPointer<QAction> &action : std::as_const(m_actions)) {
        if (action && action->shortcut() == pressed) {
            // An accepted override hands the key to the focus widget as a plain key press.
            key->accept();
            return true;
        }
    }
    return false;
}

} // namespace qm
