#include "document/sealcommands.h"

#include "document/binarywriter.h"
#include "document/sealentry.h"
#include "seal/seal.h"

namespace qm {

namespace {

qsizetype pictureBlockSize(const SealPicture &picture)
{
    return picture.hasGraphic() ? 1 + 1 + 8 + picture.bytes().size() : 1;
}

QList<int> toList(const std::vector<int> &v)
{
    return QList<int>(v.begin(), v.end());
}

} // namespace

SealSnapshot snapshotSeal(const Seal &seal)
{
    SealSnapshot s;
    writeSeal(s.head, seal, SealFlavour::File);
    s.picture = seal.Picture();
    s.head.truncate(s.head.size() - pictureBlockSize(s.picture));
    s.head.squeeze();
    return s;
}

QByteArray snapshotEntry(const SealSnapshot &snapshot, bool withPicture)
{
    QByteArray entry = snapshot.head;
    BinaryWriter w(&entry);
    const bool picture = withPicture && snapshot.picture.hasGraphic();
    w.boolean(picture);
    if (picture) {
        w.byte(pictureKindCode(snapshot.picture));
        w.int64(snapshot.picture.bytes().size());
        w.bytes(snapshot.picture.bytes());
    }
    return entry;
}

SealCommand::SealCommand(SealDocument &document, const QString &text, std::vector<int> selectionBefore,
                         std::vector<int> selectionAfter, bool alreadyDone)
    : QUndoCommand(text), m_document(document), m_selectionBefore(std::move(selectionBefore)),
      m_selectionAfter(std::move(selectionAfter)), m_skipRedo(alreadyDone)
{
}

void SealCommand::undo()
{
    // Whatever comes after an undo is a new step.
    m_document.endMerge();
    undoChange();
    m_document.applySelection(m_selectionBefore);
}

void SealCommand::redo()
{
    if (m_skipRedo)
        m_skipRedo = false;
    else
        redoChange();
    m_document.applySelection(m_selectionAfter);
}

InsertSealsCommand::InsertSealsCommand(SealDocument &document, const QString &text, SealList seals,
                                       std::vector<int> selectionBefore)
    : SealCommand(document, text, std::move(selectionBefore), {}, false), m_first(document.sealCount()),
      m_count(int(seals.size())), m_held(std::move(seals))
{
    for (size_t i = 0; i < m_held.size(); ++i)
        m_selectionAfter.push_back(m_first + int(i));
}

InsertSealsCommand::~InsertSealsCommand()
{
    for (const auto &seal : m_held)
        if (seal)
            m_document.forgetSeal(seal.get());
}

void InsertSealsCommand::redoChange()
{
    for (size_t i = 0; i < m_held.size(); ++i)
        m_document.insertSeal(m_first + int(i), std::move(m_held[i]));
    m_held.clear();
    emit m_document.sealsChanged();
}

void InsertSealsCommand::undoChange()
{
    m_held.resize(size_t(m_count));
    for (int i = m_count - 1; i >= 0; --i)
        m_held[size_t(i)] = m_document.takeSeal(m_first + i);
    emit m_document.sealsChanged();
}

RemoveSealsCommand::RemoveSealsCommand(SealDocument &document, const QString &text, std::vector<int> indices,
                                       std::vector<int> selectionBefore)
    : SealCommand(document, text, std::move(selectionBefore), {}, false), m_indices(std::move(indices))
{
}

RemoveSealsCommand::~RemoveSealsCommand()
{
    for (const auto &seal : m_held)
        if (seal)
            m_document.forgetSeal(seal.get());
}

void RemoveSealsCommand::redoChange()
{
    m_held.resize(m_indices.size());
    // From the top down, so that the positions below stay valid.
    for (size_t i = m_indices.size(); i-- > 0;)
        m_held[i] = m_document.takeSeal(m_indices[i]);
    emit m_document.sealsChanged();
}

void RemoveSealsCommand::undoChange()
{
    for (size_t i = 0; i < m_indices.size(); ++i)
        m_document.insertSeal(m_indices[i], std::move(m_held[i]));
    m_held.clear();
    emit m_document.sealsChanged();
}

RestackCommand::RestackCommand(SealDocument &document, const QString &text, int from, int to)
    : SealCommand(document, text, {from}, {to}, false), m_from(from), m_to(to)
{
}

void RestackCommand::redoChange()
{
    m_document.insertSeal(m_to, m_document.takeSeal(m_from));
    emit m_document.sealsChanged();
}

void RestackCommand::undoChange()
{
    m_document.insertSeal(m_from, m_document.takeSeal(m_to));
    emit m_document.sealsChanged();
}

EditSealsCommand::EditSealsCommand(SealDocument &document, const QString &text, std::vector<int> indices,
                                   std::vector<SealSnapshot> before, std::vector<SealSnapshot> after, int mergeKey,
                                   int mergeSession)
    : SealCommand(document, text, document.selectionIndices(), document.selectionIndices(), true),
      m_indices(std::move(indices)), m_before(std::move(before)), m_after(std::move(after)), m_mergeKey(mergeKey),
      m_mergeSession(mergeSession)
{
}

bool EditSealsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = dynamic_cast<const EditSealsCommand *>(other);
    if (!next || next->m_mergeKey != m_mergeKey || next->m_mergeSession != m_mergeSession ||
        next->m_indices != m_indices)
        return false;
    m_after = next->m_after;
    m_selectionAfter = next->m_selectionAfter;
    // Back where it began: the step disappears from the stack.
    setObsolete(m_after == m_before);
    return true;
}

void EditSealsCommand::redoChange()
{
    restore(m_after);
}

void EditSealsCommand::undoChange()
{
    restore(m_before);
}

void EditSealsCommand::restore(const std::vector<SealSnapshot> &snapshots)
{
    bool replaced = false;
    for (size_t i = 0; i < m_indices.size(); ++i)
        replaced = m_document.restoreSeal(m_indices[i], snapshots[i]) || replaced;
    if (replaced)
        emit m_document.sealsChanged();
    emit m_document.sealsEdited(toList(m_indices));
}

} // namespace qm
