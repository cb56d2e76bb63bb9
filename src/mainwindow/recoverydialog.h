#pragma once

#include "mainwindow/autosave.h"

#include <QDialog>

class QTreeWidget;

namespace qm {

// Lists the documents a crashed session left (name, time, seals), each with a tick: the ticked
// ones are opened or discarded, the others kept for the next start; closing keeps them all.
class RecoveryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit RecoveryDialog(const std::vector<RecoverableCopy> &copies, QWidget *parent = nullptr);

    // One per copy, as the dialog was left.
    std::vector<RecoveryChoice> choices() const { return m_choices; }
    QTreeWidget *copyList() const { return m_list; }

    // Shows the dialog and returns its choices.
    static std::vector<RecoveryChoice> ask(QWidget *parent, const std::vector<RecoverableCopy> &copies);

private:
    void finish(RecoveryChoice ticked);

    QTreeWidget *m_list = nullptr;
    std::vector<RecoveryChoice> m_choices;
};

} // namespace qm
