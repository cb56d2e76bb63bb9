// The editing commands of the document window and its keys: undo, redo and nudging. While a
// band, drag or resize lasts the commands wait: a delete or zoom in the middle of a drag would
// free or rescale the seals its release then moves.

#include "page/tfrmchild.h"

#include "document/clipboardstream.h"
#include "page/updatesguard.h"
#include "seal/tseal.h"

#include <QKeyEvent>
#include <QUndoStack>

namespace qm {

void TfrmChild::DeleteSelection()
{
    if (busy())
        return;
    m_document->DeleteSelection();
}

void TfrmChild::ClearPage()
{
    if (busy())
        return;
    m_document->ClearPage();
    SetDocumentStatus();
}

void TfrmChild::BringSealToFront()
{
    if (!busy())
        m_document->BringSealToFront();
}

void TfrmChild::SendSealToBack()
{
    if (!busy())
        m_document->SendSealToBack();
}

void TfrmChild::CentreSelection()
{
    if (busy() || !m_frame)
        return;
    UpdatesGuard guard(window());
    m_document->CentreSelection(m_frame->bounds());
}

void TfrmChild::ToggleSealLock()
{
    if (!busy())
        m_document->ToggleSealLock();
}

void TfrmChild::TogglePageLock()
{
    if (!busy())
        m_document->TogglePageLock();
}

void TfrmChild::CopySelection()
{
    m_document->copySelection(m_host.clipboard());
}

void TfrmChild::CutSelection()
{
    if (!busy())
        m_document->cutSelection(m_host.clipboard());
}

void TfrmChild::Paste()
{
    if (busy() || m_host.clipboard().isEmpty())
        return;
    m_document->paste(m_host.clipboard());
    SelectPasted();
}

void TfrmChild::ClearSelection()
{
    if (!busy())
        m_document->ClearSelection();
}

void TfrmChild::Undo()
{
    if (!busy())
        m_document->undoStack().undo();
}

void TfrmChild::Redo()
{
    if (!busy())
        m_document->undoStack().redo();
}

void TfrmChild::nudge(int dx, int dy, bool coarse)
{
    m_document->nudgeSelection(dx, dy, coarse);
}

static bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

void TfrmChild::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const int key = event->key();
    if (mods == Qt::ControlModifier && key == Qt::Key_Z) {
        Undo();
        return;
    }
    if ((mods == Qt::ControlModifier && key == Qt::Key_Y)
        || (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z)) {
        Redo();
        return;
    }
    if (isArrow(key) && (mods & ~Qt::ShiftModifier) == 0 && !Selection().empty()) {
        if (!busy()) {
            const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
            const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
            nudge(dx, dy, mods & Qt::ShiftModifier);
        }
        return;
    }
    QScrollArea::keyPressEvent(event);
}

void TfrmChild::keyReleaseEvent(QKeyEvent *event)
{
    // Holding an arrow key is one step; the next press starts another.
    if (isArrow(event->key()) && !event->isAutoRepeat())
        m_document->endMerge();
    QScrollArea::keyReleaseEvent(event);
}

} // namespace qm
