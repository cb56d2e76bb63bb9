#include "document/sealdocument.h"

#include "document/binaryreader.h"
#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/picturebudget.h"
#include "document/sealcommands.h"
#include "document/sealentry.h"
#include "seal/seal.h"
#include "seal/seallimits.h"

#include <QUndoStack>
#include <QtDebug>

#include <algorithm>
#include <iterator>
#include <unordered_map>

using namespace Qt::StringLiterals;

namespace qm {

SealDocument::SealDocument(QObject *parent) : QObject(parent), m_undoStack(std::make_unique<QUndoStack>())
{
    connect(m_undoStack.get(), &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

SealDocument::~SealDocument()
{
    // The commands still hold seals and tell this document when they free them; nobody
    // listens any more. The stack announces its clearing as it goes, and windows that follow it
    // may be half destroyed by now: it goes silently.
    disconnect(m_undoStack.get(), nullptr, this, nullptr);
    m_undoStack->blockSignals(true);
    m_undoStack.reset();
}

std::unique_ptr<Seal> SealDocument::createSeal() const
{
    auto seal = std::make_unique<Seal>();
    seal->setListener(m_sealListener);
    seal->setPixelsPerMm(m_screenPixelsPerMm);
    return seal;
}

void SealDocument::appendSeals(SealList &&seals, bool toSelection)
{
    if (seals.empty())
        return;
    const size_t first = m_seals.size();
    m_seals.reserve(first + seals.size());
    for (auto &seal : seals) {
        if (toSelection)
            m_selection.push_back(seal.get());
        m_seals.push_back(std::move(seal));
    }
    seals.clear();
    // Shown only once all are in place, so the page does not repaint seal by seal.
    for (size_t i = first; i < m_seals.size(); ++i)
        m_seals[i]->setVisible(true);
    emit sealsChanged();
    if (toSelection)
        emit selectionChanged();
}

int SealDocument::indexOf(const Seal *seal) const
{
    if (!seal)
        return -1;
    for (size_t i = 0; i < m_seals.size(); ++i)
        if (m_seals[i].get() == seal)
            return int(i);
    return -1;
}

std::vector<int> SealDocument::selectionIndices() const
{
    return positionsOf(m_selection);
}

std::vector<int> SealDocument::positionsOf(const SealSelection &seals) const
{
    std::vector<int> out;
    out.reserve(seals.size());
    // A few seals are looked for one by one; many (all of a large page) through one map, so
    // that an edit of them all takes a pass over the list, not one for each of them.
    constexpr size_t LookedForOneByOne = 16;
    if (seals.size() <= LookedForOneByOne) {
        for (const Seal *seal : seals)
            if (const int i = indexOf(seal); i >= 0 && std::find(out.begin(), out.end(), i) == out.end())
                out.push_back(i);
        return out;
    }
    std::unordered_map<const Seal *, int> positions;
    positions.reserve(m_seals.size());
    for (size_t i = 0; i < m_seals.size(); ++i)
        positions.emplace(m_seals[i].get(), int(i));
    std::vector<bool> taken(m_seals.size());
    for (const Seal *seal : seals) {
        const auto it = positions.find(seal);
        if (it != positions.end() && !taken[size_t(it->second)]) {
            taken[size_t(it->second)] = true;
            out.push_back(it->second);
        }
    }
    return out;
}

bool SealDocument::isModified() const
{
    return !m_undoStack->isClean();
}

DocumentResult SealDocument::save(QIODevice &out, ProgressDisplay &progress)
{
    DocumentResult r = writeDocument(out, *this, progress);
    if (r.ok())
        setSaved();
    return r;
}

DocumentResult SealDocument::save(const QString &fileName, ProgressDisplay &progress)
{
    DocumentResult r = writeDocument(fileName, *this, progress);
    if (r.ok())
        setSaved();
    return r;
}

void SealDocument::setSaved()
{
    m_undoStack->setClean();
}

void SealDocument::clearHistory()
{
    m_undoStack->clear();
}

void SealDocument::clearSelection()
{
    applySelection({});
}

void SealDocument::selectSeal(Seal *seal)
{
    const int i = indexOf(seal);
    applySelection(i >= 0 ? std::vector<int>{i} : std::vector<int>{});
}

void SealDocument::setSelection(const SealSelection &seals)
{
    applySelection(positionsOf(seals));
}

void SealDocument::addToSelection(Seal *seal)
{
    const int i = indexOf(seal);
    if (i < 0)
        return;
    std::vector<int> indices = selectionIndices();
    if (std::find(indices.begin(), indices.end(), i) != indices.end())
        return;
    indices.push_back(i);
    applySelection(indices);
}

void SealDocument::applySelection(const std::vector<int> &indices)
{
    SealSelection next;
    next.reserve(indices.size());
    for (int i : indices)
        if (i >= 0 && i < sealCount())
            next.push_back(m_seals[size_t(i)].get());
    if (next == m_selection && !m_selectionTouched)
        return;
    m_selectionTouched = false;
    m_selection = std::move(next);
    // Nudging other seals is another step.
    endMerge();
    emit selectionChanged();
}

std::unique_ptr<Seal> SealDocument::takeSeal(int index)
{
    auto seal = std::move(m_seals[size_t(index)]);
    m_seals.erase(m_seals.begin() + index);
    // Looked for from the end: seals are taken from the top down, and the selection mostly
    // follows the list.
    if (const auto it = std::find(m_selection.rbegin(), m_selection.rend(), seal.get()); it != m_selection.rend()) {
        m_selection.erase(std::next(it).base());
        m_selectionTouched = true;
    }
    seal->setVisible(false);
    return seal;
}

void SealDocument::insertSeal(int index, std::unique_ptr<Seal> seal)
{
    Seal *raw = seal.get();
    m_seals.insert(m_seals.begin() + index, std::move(seal));
    raw->setVisible(true);
}

void SealDocument::forgetSeal(const Seal *seal)
{
    m_locked.erase(seal);
}

bool SealDocument::restoreSeal(int index, const SealSnapshot &snapshot)
{
    Seal &seal = *m_seals[size_t(index)];
    if (snapshotSeal(seal) == snapshot)
        return false;
    // In place first, keeping the object the views know; the picture is decoded again only
    // when it differs.
    if (!snapshot.picture.hasGraphic() && seal.Picture().hasGraphic())
        seal.setPicture(SealPicture());
    const bool samePicture = snapshot.picture == seal.Picture();
    const QByteArray inPlace = snapshotEntry(snapshot, !samePicture);
    BinaryReader in(inPlace);
    if (readSeal(in, seal, *this) && snapshotSeal(seal) == snapshot)
        return false;

    // Setters that had nothing to do skipped side effects that a read into a new seal has, and
    // a setter's side effect can depend on a field read after it (a text block's height on its
    // row count): a second pass over the new seal sees those fields already in place.
    auto fresh = createSeal();
    const QByteArray entry = snapshotEntry(snapshot, true);
    for (int pass = 0; pass < 2; ++pass) {
        BinaryReader freshIn(entry);
        if (!readSeal(freshIn, *fresh, *this)) {
            qWarning("Quillmark: a seal could not be brought back from its undo snapshot");
            return false;
        }
        if (snapshotSeal(*fresh) == snapshot)
            break;
    }
    Seal *old = &seal;
    Seal *raw = fresh.get();
    if (m_locked.erase(old))
        m_locked.insert(raw);
    if (std::find(m_selection.begin(), m_selection.end(), old) != m_selection.end()) {
        std::replace(m_selection.begin(), m_selection.end(), old, raw);
        m_selectionTouched = true;
    }
    old->setVisible(false);
    m_seals[size_t(index)] = std::move(fresh);
    raw->setVisible(true);
    return true;
}

void SealDocument::pushCommand(SealCommand *command)
{
    m_undoStack->push(command);
}

Seal *SealDocument::appendCreatedSeal(std::unique_ptr<Seal> seal, const QString &text)
{
    if (!seal)
        return nullptr;
    if (!seal->listener())
        seal->setListener(m_sealListener);
    endMerge();
    Seal *raw = seal.get();
    SealList list;
    list.push_back(std::move(seal));
    pushCommand(
        new InsertSealsCommand(*this, text.isEmpty() ? tr("画图形") : text, std::move(list), selectionIndices()));
    return raw;
}

bool SealDocument::deleteSelection()
{
    if (m_selection.empty())
        return false;
    endMerge();
    std::vector<int> indices = selectionIndices();
    std::sort(indices.begin(), indices.end());
    pushCommand(new RemoveSealsCommand(*this, tr("删除"), std::move(indices), selectionIndices()));
    return true;
}

void SealDocument::clearPage()
{
    endMerge();
    if (!m_seals.empty()) {
        std::vector<int> all(m_seals.size());
        for (size_t i = 0; i < all.size(); ++i)
            all[i] = int(i);
        pushCommand(new RemoveSealsCommand(*this, tr("清除"), std::move(all), selectionIndices()));
    }
    m_undoStack->setClean();
}

bool SealDocument::bringSealToFront()
{
    const int from = indexOf(currentSeal());
    if (from < 0 || from == sealCount() - 1)
        return false;
    endMerge();
    pushCommand(new RestackCommand(*this, tr("把元素送到顶层"), from, sealCount() - 1));
    return true;
}

bool SealDocument::sendSealToBack()
{
    const int from = indexOf(currentSeal());
    if (from <= 0)
        return false;
    endMerge();
    pushCommand(new RestackCommand(*this, tr("把元素送到底层"), from, 0));
    return true;
}

bool SealDocument::centreSelection(const QRect &framePixels)
{
    if (m_selection.size() < 2)
        return false;
    const long double factor = 100.0L / ((long double)m_page.zoom() * m_screenPixelsPerMm);
    const float x = float((framePixels.left() + framePixels.width() / 2.0L) * factor);
    const float y = float((framePixels.top() + framePixels.height() / 2.0L) * factor);
    return editSeals(selectionIndices(), tr("对准中心"), [&](const SealSelection &seals) {
        for (Seal *seal : seals) {
            seal->setRealCenterX(x);
            seal->setRealCenterY(y);
        }
    });
}

bool SealDocument::moveSelectedCentres(long double dxMm, long double dyMm, bool skipLocked, const QString &text,
                                       int mergeKey)
{
    std::vector<int> indices;
    for (int i : selectionIndices())
        if (!skipLocked || !isSealLocked(m_seals[size_t(i)].get()))
            indices.push_back(i);
    if (indices.empty())
        return false;
    return editSeals(
        indices, text,
        [&](const SealSelection &seals) {
            for (Seal *seal : seals) {
                seal->setRealCenterX(float(seal->RealCenterX() + dxMm));
                seal->setRealCenterY(float(seal->RealCenterY() + dyMm));
            }
        },
        mergeKey);
}

bool SealDocument::moveSelectionBy(int dxPixels, int dyPixels)
{
    if (dxPixels == 0 && dyPixels == 0)
        return false;
    const long double k = (long double)m_page.zoom() * m_screenPixelsPerMm / 100;
    if (!(k > 0))
        return false;
    return moveSelectedCentres(dxPixels / k, dyPixels / k, false, tr("移动"), 0);
}

bool SealDocument::nudgeSelection(int stepsX, int stepsY, bool coarse)
{
    if (stepsX == 0 && stepsY == 0)
        return false;
    const long double step = coarse ? 1.0L : 0.1L;
    return moveSelectedCentres(stepsX * step, stepsY * step, true, tr("移动"), NudgeMergeKey);
}

void SealDocument::endMerge()
{
    ++m_mergeSession;
}

bool SealDocument::editSeals(const std::vector<int> &indices, const QString &text,
                             const std::function<void(const SealSelection &)> &change, int mergeKey)
{
    std::vector<int> targets;
    std::vector<bool> taken(m_seals.size());
    for (int i : indices)
        if (i >= 0 && i < sealCount() && !taken[size_t(i)]) {
            taken[size_t(i)] = true;
            targets.push_back(i);
        }
    if (targets.empty() || !change)
        return false;
    if (mergeKey == 0)
        endMerge();

    SealSelection seals;
    std::vector<SealSnapshot> before;
    for (int i : targets) {
        seals.push_back(m_seals[size_t(i)].get());
        before.push_back(snapshotSeal(*seals.back()));
    }
    change(seals);

    std::vector<SealSnapshot> after;
    bool withinLimits = true;
    for (Seal *seal : seals) {
        after.push_back(snapshotSeal(*seal));
        withinLimits = withinLimits && sealWithinLimits(*seal);
    }
    if (!withinLimits) {
        // A seal beyond the limits could neither be saved and read back nor undone.
        bool replaced = false;
        for (size_t i = 0; i < targets.size(); ++i)
            replaced = restoreSeal(targets[i], before[i]) || replaced;
        if (replaced)
            emit sealsChanged();
        applySelection(selectionIndices());
        emit sealsEdited(QList<int>(targets.begin(), targets.end()));
        return false;
    }
    if (after == before)
        return false;
    pushCommand(
        new EditSealsCommand(*this, text, targets, std::move(before), std::move(after), mergeKey, m_mergeSession));
    emit sealsEdited(QList<int>(targets.begin(), targets.end()));
    return true;
}

bool SealDocument::copySelection(ClipboardStream &stream) const
{
    if (m_selection.empty())
        return false;
    // Seals that could not be pasted again are not copied, and so not cut either.
    return copySealsToStream(m_selection, stream).ok();
}

bool SealDocument::cutSelection(ClipboardStream &stream)
{
    if (!copySelection(stream))
        return false;
    endMerge();
    std::vector<int> indices = selectionIndices();
    std::sort(indices.begin(), indices.end());
    pushCommand(new RemoveSealsCommand(*this, tr("剪切"), std::move(indices), selectionIndices()));
    return true;
}

DocumentResult SealDocument::paste(const ClipboardStream &stream)
{
    if (stream.isEmpty())
        return {};
    return insertSeals(tr("粘贴"), [&](SealDocument &scratch) { return pasteSealsFromStream(stream, scratch); });
}

DocumentResult SealDocument::insertSeals(const QString &text, const std::function<DocumentResult(SealDocument &)> &load)
{
    const std::vector<int> before = selectionIndices();
    clearSelection();
    SealDocument scratch;
    scratch.setScreenPixelsPerMm(m_screenPixelsPerMm);
    scratch.page().setZoom(m_page.zoom());
    scratch.setPicturePixelBudget(m_picturePixelBudget);
    DocumentResult r = load(scratch);
    // The loader saw only what it added; the limits count what this document holds as well.
    if (r.ok() && !scratch.seals().empty()) {
        r = sealCountAddRefusal(*this, qint64(scratch.seals().size()));
        if (const QString refusal = pictureBudgetRefusal(*this, sealsOf(scratch)); r.ok() && !refusal.isEmpty()) {
            r = documentFailure(DocumentError::TooMuchToAdd);
            r.detail = refusal;
        }
    }
    if (!r.ok()) {
        applySelection(before); // nothing was added
        return r;
    }
    if (scratch.seals().empty())
        return r;
    SealList seals = std::move(scratch.seals());
    scratch.seals().clear();
    // The page hears of them only once they are its own.
    for (const auto &seal : seals)
        seal->setListener(m_sealListener);
    endMerge();
    pushCommand(new InsertSealsCommand(*this, text, std::move(seals), before));
    return r;
}

bool SealDocument::isSealLocked(const Seal *seal) const
{
    return seal && m_locked.contains(seal);
}

bool SealDocument::toggleSealLock()
{
    Seal *seal = currentSeal();
    if (!seal)
        return false;
    const bool locked = !m_locked.erase(seal);
    if (locked)
        m_locked.insert(seal);
    emit sealLockChanged(seal, locked);
    return true;
}

void SealDocument::togglePageLock()
{
    m_pageLocked = !m_pageLocked;
    emit pageLockChanged(m_pageLocked);
}

} // namespace qm
