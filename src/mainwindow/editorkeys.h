#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace qm {

// Keys that edit text stay with the text: while a line edit, spin box, text edit or editable
// list has the keyboard focus — in any window, the property window included — a command whose
// shortcut is such a key (Del, Ctrl+Del, copy, cut, paste, Page Up/Down, End) lets the key go
// to the box instead of acting on the page.
class EditorKeyGuard : public QObject
{
public:
    explicit EditorKeyGuard(QObject *parent = nullptr);
    ~EditorKeyGuard() override;

    void guard(QAction *action);
    // The widget, or one it belongs to, edits text from the keyboard.
    static bool editsText(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QAction>> m_actions;
};

} // namespace qm
