#pragma once

#include "document/documenterror.h"
#include "document/pagemodel.h"
#include "picture/documentlimits.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

class QIODevice;
class QUndoStack;

namespace qm {

class ClipboardStream;
class ProgressDisplay;
class SealCommand;
class SealListener;
struct SealSnapshot;
class Seal;

using SealList = std::vector<std::unique_ptr<Seal>>;
using SealSelection = std::vector<Seal *>;

// The model half of a document window: the page, the seals in stacking order (bottom first,
// also the file order), the selection and the screen resolution every seal gets. Every edit
// goes through one undo stack; the document is modified exactly when the stack is not at its
// clean index.
//
// Undo and redo keep a seal's object where they can; when a seal cannot be brought back in
// place it is replaced by a new object, so views take pointers afresh on sealsChanged() and
// selectionChanged() rather than keeping them across edits.
class SealDocument : public QObject
{
    Q_OBJECT

public:
    explicit SealDocument(QObject *parent = nullptr);
    ~SealDocument() override;
    SealDocument(const SealDocument &) = delete;
    SealDocument &operator=(const SealDocument &) = delete;

    PageModel &page() { return m_page; }
    const PageModel &page() const { return m_page; }
    // Raw access for loading and tools; changes made here bypass the undo stack, so a document
    // edited this way should have its history cleared (clearHistory).
    SealList &seals() { return m_seals; }
    const SealList &seals() const { return m_seals; }
    // The selected seals, a subset of seals(), in selection order.
    const SealSelection &selection() const { return m_selection; }

    // The horizontal pixels per inch of the window / 25.4: every seal's PixelsPerMm.
    float screenPixelsPerMm() const { return m_screenPixelsPerMm; }
    void setScreenPixelsPerMm(float ppm) { m_screenPixelsPerMm = ppm; }

    // The decoded pixels that the document's pictures may keep together: pictures that would
    // pass it are refused where they enter. Smaller than MaxDocumentPicturePixels only in tests.
    qint64 picturePixelBudget() const { return m_picturePixelBudget; }
    void setPicturePixelBudget(qint64 pixels) { m_picturePixelBudget = pixels; }

    // Given to every seal this document creates, so that the page hears of its changes.
    SealListener *sealListener() const { return m_sealListener; }
    void setSealListener(SealListener *listener) { m_sealListener = listener; }

    // A new hidden seal at the document's resolution and zoom, not yet in the list.
    std::unique_ptr<Seal> createSeal() const;

    // Appends seals read from a file or stream and shows them; with toSelection they are also
    // selected. Not an edit: loaders use it on a document without history.
    void appendSeals(SealList &&seals, bool toSelection);

    // --- State read by views and the status bar ---

    // The one selected seal; none when zero or several are selected.
    Seal *currentSeal() const { return m_selection.size() == 1 ? m_selection.front() : nullptr; }
    int sealCount() const { return int(m_seals.size()); }
    // Position of the seal in seals(); -1 when it is not there.
    int indexOf(const Seal *seal) const;
    // Positions in seals() of the selected seals, in selection order.
    std::vector<int> selectionIndices() const;
    // True when the document differs from its last save (the undo stack is not clean).
    bool isModified() const;
    // The undo stack of this document, for undo/redo actions; push nothing onto it directly.
    QUndoStack &undoStack() const { return *m_undoStack; }

    // --- Saving and history ---

    // Saves as a version 8 document and, when that succeeded, marks the document unmodified.
    DocumentResult save(QIODevice &out, ProgressDisplay &progress);
    DocumentResult save(const QString &fileName, ProgressDisplay &progress);
    // Marks the current state as the saved one.
    void setSaved();
    // Forgets every undo step and marks the document unmodified (after loading).
    void clearHistory();

    // --- Selection: not edits, never on the undo stack ---

    // Empties the selection; CurrentSeal becomes none.
    void clearSelection();
    // Selection := [seal] (seal must be in seals()); a null seal clears the selection.
    void selectSeal(Seal *seal);
    // Selection := the given seals in the given order, skipping duplicates and strangers.
    void setSelection(const SealSelection &seals);
    // Appends a seal of seals() to the selection unless it is already selected.
    void addToSelection(Seal *seal);

    // --- Edits: each is one undo step; each returns false and changes nothing when it has
    // nothing to do ---

    // Appends a newly created seal on top, shows it and makes it the selection and CurrentSeal.
    Seal *appendCreatedSeal(std::unique_ptr<Seal> seal, const QString &text = QString());
    // Removes the selected seals.
    bool deleteSelection();
    // Removes every seal; the document is unmodified afterwards, yet the clearing can be undone.
    void clearPage();
    // Moves CurrentSeal to the top (end of seals()) or to the bottom (start).
    bool bringSealToFront();
    bool sendSealToBack();
    // With several seals selected, centres each of them on the middle of the frame rectangle
    // (page pixels): RealCenter := frame middle * 100 / (Zoom * ScreenPixelsPerMm).
    bool centreSelection(const QRect &framePixels);
    // Moves every selected seal by a page pixel displacement: RealCenterX/Y grow by
    // displacement / (Zoom * ScreenPixelsPerMm / 100). A zero displacement is no edit.
    bool moveSelectionBy(int dxPixels, int dyPixels);
    // Moves the unlocked selected seals by steps of 0.1 mm (1 mm when coarse). Consecutive
    // nudges of the same seals merge into one undo step until endMerge() is called.
    bool nudgeSelection(int stepsX, int stepsY, bool coarse);
    // The next merging edit starts a new undo step (the key was released, the spin box left).
    void endMerge();
    // Snapshots the seals at the given positions, calls change with them and pushes one undo
    // step named text when anything stored changed. A non-zero mergeKey merges the step with
    // the previous one of the same key and seals until endMerge(). An edit that would leave a
    // value beyond the document limits is undone and refused.
    bool editSeals(const std::vector<int> &indices, const QString &text,
                   const std::function<void(const SealSelection &seals)> &change, int mergeKey = 0);

    // --- Clipboard ---

    // Writes the selection into the stream (the main window's); false when nothing is selected
    // or the seals could not be pasted again (the stream then keeps what it had).
    bool copySelection(ClipboardStream &stream) const;
    // Copy followed by removing the selection, as one undo step.
    bool cutSelection(ClipboardStream &stream);
    // Clears the selection, appends the streamed seals 2 mm right of and below their copied
    // places and selects them. Nothing for an empty stream; a damaged stream adds nothing.
    DocumentResult paste(const ClipboardStream &stream);
    // The same for any loader that appends seals to a document (a library item): load runs on a
    // scratch document with this one's resolution, zoom and listener; what it appended is
    // inserted on top as one undo step named text and selected.
    DocumentResult insertSeals(const QString &text, const std::function<DocumentResult(SealDocument &)> &load);

    // --- Locks: kept here only, never stored, never on the undo stack ---

    bool isSealLocked(const Seal *seal) const;
    // Locks or unlocks CurrentSeal's position; false without one.
    bool toggleSealLock();
    bool pageLocked() const { return m_pageLocked; }
    void togglePageLock();

    // The merge key nudgeSelection uses; editSeals callers choose other non-zero keys.
    static constexpr int NudgeMergeKey = 1;

signals:
    // Seals were added, removed, replaced or restacked: the count or order changed.
    void sealsChanged();
    // Stored values of these seals (positions in seals()) changed by an edit, undo or redo.
    void sealsEdited(const QList<int> &indices);
    // Selection, and so CurrentSeal, changed.
    void selectionChanged();
    // Modified state changed (undo stack clean state).
    void modifiedChanged(bool modified);
    // A seal's lock was toggled.
    void sealLockChanged(Seal *seal, bool locked);
    void pageLockChanged(bool locked);

private:
    friend class SealCommand;
    friend class InsertSealsCommand;
    friend class RemoveSealsCommand;
    friend class RestackCommand;
    friend class EditSealsCommand;

    void applySelection(const std::vector<int> &indices);
    // Positions in seals() of the given seals, in their order, without strangers or repeats.
    std::vector<int> positionsOf(const SealSelection &seals) const;
    std::unique_ptr<Seal> takeSeal(int index);
    void insertSeal(int index, std::unique_ptr<Seal> seal);
    void forgetSeal(const Seal *seal);
    // Brings the seal at index back to the snapshot; true when its object had to be replaced.
    bool restoreSeal(int index, const SealSnapshot &snapshot);
    void pushCommand(SealCommand *command);
    bool moveSelectedCentres(long double dxMm, long double dyMm, bool skipLocked, const QString &text, int mergeKey);

    PageModel m_page;
    SealList m_seals;
    SealSelection m_selection;
    float m_screenPixelsPerMm = 96 / 25.4f;
    qint64 m_picturePixelBudget = MaxDocumentPicturePixels;
    SealListener *m_sealListener = nullptr;
    std::unordered_set<const Seal *> m_locked;
    bool m_pageLocked = false;
    // A seal left the selection or was replaced in it outside applySelection.
    bool m_selectionTouched = false;
    int m_mergeSession = 0;
    // Last: its commands hold seals and tell this document when they free them.
    std::unique_ptr<QUndoStack> m_undoStack;
};

} // namespace qm
