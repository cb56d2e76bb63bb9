#pragma once

#include "document/sealdocument.h"
#include "seal/sealpicture.h"

#include <QByteArray>
#include <QUndoCommand>

#include <vector>

namespace qm {

// Everything a seal stores, as its file entry: the record and the counted texts byte for byte,
// and the picture kept by value (shared, not copied) instead of as its block. Setters change
// other properties as they go, so an edit is undone by bringing back all of them.
struct SealSnapshot {
    QByteArray head;
    SealPicture picture;

    friend bool operator==(const SealSnapshot &a, const SealSnapshot &b)
    {
        return a.head == b.head && a.picture == b.picture;
    }
};

SealSnapshot snapshotSeal(const Seal &seal);
// The full file entry of a snapshot; without the picture block's bytes when withPicture is
// false (the seal then keeps the picture it has).
QByteArray snapshotEntry(const SealSnapshot &snapshot, bool withPicture);

// One undo step of a document. Seals are named by their position in the seal list; seals
// taken out of the document live in the command that took them. The selection before and
// after the step comes back with it.
class SealCommand : public QUndoCommand
{
public:
    SealCommand(SealDocument &document, const QString &text, std::vector<int> selectionBefore,
                std::vector<int> selectionAfter, bool alreadyDone);

    void undo() final;
    void redo() final;

protected:
    virtual void undoChange() = 0;
    virtual void redoChange() = 0;

    SealDocument &m_document;
    std::vector<int> m_selectionBefore;
    std::vector<int> m_selectionAfter;

private:
    // The change was made before the push, so the push's redo has nothing to do.
    bool m_skipRedo;
};

// Seals put on top of the stack (created, pasted, inserted from the library).
class InsertSealsCommand final : public SealCommand
{
public:
    InsertSealsCommand(SealDocument &document, const QString &text, SealList seals, std::vector<int> selectionBefore);
    ~InsertSealsCommand() override;

private:
    void undoChange() override;
    void redoChange() override;

    int m_first;
    int m_count;
    SealList m_held;
};

// Seals taken out (delete, cut, clear); undo puts each back at its old position.
class RemoveSealsCommand final : public SealCommand
{
public:
    // indices ascending.
    RemoveSealsCommand(SealDocument &document, const QString &text, std::vector<int> indices,
                       std::vector<int> selectionBefore);
    ~RemoveSealsCommand() override;

private:
    void undoChange() override;
    void redoChange() override;

    std::vector<int> m_indices;
    SealList m_held;
};

// One seal moved within the stack (to the top or the bottom).
class RestackCommand final : public SealCommand
{
public:
    RestackCommand(SealDocument &document, const QString &text, int from, int to);

private:
    void undoChange() override;
    void redoChange() override;

    int m_from;
    int m_to;
};

// Stored values of some seals changed, made before the push.
class EditSealsCommand final : public SealCommand
{
public:
    EditSealsCommand(SealDocument &document, const QString &text, std::vector<int> indices,
                     std::vector<SealSnapshot> before, std::vector<SealSnapshot> after, int mergeKey, int mergeSession);

    int id() const override { return m_mergeKey != 0 ? m_mergeKey : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void undoChange() override;
    void redoChange() override;
    void restore(const std::vector<SealSnapshot> &snapshots);

    std::vector<int> m_indices;
    std::vector<SealSnapshot> m_before;
    std::vector<SealSnapshot> m_after;
    int m_mergeKey;
    int m_mergeSession;
};

} // namespace qm
