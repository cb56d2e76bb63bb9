#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qm {

// The questions of the editing dialog (text -> true for Yes) and the note naming the files it
// could not delete; tests answer them.
struct LibraryEditPrompts {
    std::function<bool(const QString &)> ask;
    std::function<void(const QString &)> tell;
};

// "编辑印章库": the library's entries in name order, to delete some or all of them.
class LibraryEditDialog : public QDialog
{
    Q_OBJECT

public:
    LibraryEditDialog(const QString &libraryFolder, LibraryEditPrompts prompts, QWidget *parent = nullptr);

    // The entries still on disk, as listed paths, however the dialog closed.
    QStringList remainingPaths() const { return m_paths; }
    QListWidget *entryList() const { return m_list; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QPushButton *deleteAllButton() const { return m_deleteAllButton; }
    QPushButton *closeButton() const { return m_closeButton; }

private:
    void onDelete();
    void onDeleteAll();
    void updateButtons();
    // Deletes the entries of the given rows, last first; the rows whose file is gone leave the
    // list and the paths, the others are named once.
    void deleteRows(QList<int> rows);

    LibraryEditPrompts m_prompts;
    QStringList m_paths; // in the list's order
    QLabel *m_label;
    QListWidget *m_list;
    QPushButton *m_deleteButton;
    QPushButton *m_deleteAllButton;
    QPushButton *m_closeButton;
};

} // namespace qm
