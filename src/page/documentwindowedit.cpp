// The editing commands of the document window and its keys: nudging, choosing seals with Tab
// and placing with Enter. Undo and redo are keys of the main window, heard in every window.
// While a band, drag or resize lasts the commands wait: a delete or zoom in the middle of a
// drag would free or rescale the seals its release then moves.

#include "page/documentwindow.h"

#include "document/clipboardstream.h"
#include "page/pagetools.h"
#include "seal/seal.h"

#include <QKeyEvent>
#include <QUndoStack>

#include <algorithm>

namespace qm {

void DocumentWindow::deleteSelection()
{
    if (busy())
        return;
    m_document->deleteSelection();
}

void DocumentWindow::clearPage()
{
    if (busy())
        return;
    m_document->clearPage();
    showDocumentStatus();
}

void DocumentWindow::bringSealToFront()
{
    if (!busy())
        m_document->bringSealToFront();
}

void DocumentWindow::sendSealToBack()
{
    if (!busy())
        m_document->sendSealToBack();
}

void DocumentWindow::centreSelection()
{
    if (busy() || !m_frame)
        return;
    m_document->centreSelection(m_frame->bounds());
}

void DocumentWindow::toggleSealLock()
{
    if (!busy())
        m_document->toggleSealLock();
}

void DocumentWindow::togglePageLock()
{
    if (!busy())
        m_document->togglePageLock();
}

void DocumentWindow::copySelection()
{
    m_document->copySelection(m_host.clipboard());
}

void DocumentWindow::cutSelection()
{
    if (!busy())
        m_document->cutSelection(m_host.clipboard());
}

void DocumentWindow::paste()
{
    if (busy() || m_host.clipboard().isEmpty())
        return;
    const DocumentResult result = m_document->paste(m_host.clipboard());
    if (!result.ok()) {
        // Nothing was added: too many seals, or pictures beyond what a document may keep.
        m_host.reportPictureError(result.message());
        return;
    }
    selectPasted();
}

void DocumentWindow::clearSelection()
{
    if (!busy())
        m_document->clearSelection();
}

void DocumentWindow::undo()
{
    if (!busy())
        m_document->undoStack().undo();
}

void DocumentWindow::redo()
{
    if (!busy())
        m_document->undoStack().redo();
}

void DocumentWindow::nudge(int dx, int dy, bool coarse)
{
    m_document->nudgeSelection(dx, dy, coarse);
}

static bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

void DocumentWindow::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && mods == 0 && !busy() &&
        pageToolOf(m_host.checkedDrawAction()) == PageTool::Place && !m_document->pageLocked()) {
        // Without a mouse the chosen element goes in the middle of the part of the page in view.
        const QPoint middle = m_page->mapFrom(viewport(), viewport()->rect().center());
        PageMouse mouse;
        mouse.pos = QPoint(std::clamp(middle.x(), 0, std::max(0, m_page->width() - 1)),
                           std::clamp(middle.y(), 0, std::max(0, m_page->height() - 1)));
        mouse.global = m_page->mapToGlobal(mouse.pos);
        mouse.button = Qt::LeftButton;
        mouse.buttons = Qt::LeftButton;
        onPageMousePress(Qt::LeftButton, mouse);
        return;
    }
    // A locked page keeps its seals and its selection from the keys as from the mouse; the
    // arrows then scroll the view.
    if (key == Qt::Key_Escape && mods == 0 && !selection().empty() && !m_document->pageLocked()) {
        clearSelection();
        return;
    }
    if (isArrow(key) && (mods & ~Qt::ShiftModifier) == 0 && !selection().empty() && !m_document->pageLocked()) {
        if (!busy()) {
            const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
            const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
            nudge(dx, dy, mods & Qt::ShiftModifier);
        }
        return;
    }
    QScrollArea::keyPressEvent(event);
}

bool DocumentWindow::focusNextPrevChild(bool next)
{
    // Tab walks the selection through the seals in stacking order and Shift+Tab back, so a seal
    // can be chosen, edited and shown in the property window without the mouse.
    const SealList &seals = sealList();
    if (seals.empty() || busy() || m_document->pageLocked())
        return QScrollArea::focusNextPrevChild(next);
    const auto count = std::ptrdiff_t(seals.size());
    const auto found = std::find_if(seals.begin(), seals.end(),
                                    [current = currentSeal()](const auto &s) { return s.get() == current; });
    std::ptrdiff_t to = next ? 0 : count - 1;
    if (found != seals.end())
        to = (std::distance(seals.begin(), found) + (next ? 1 : count - 1)) % count;
    chooseSeal(seals.at(size_t(to)).get());
    return true;
}

void DocumentWindow::chooseSeal(Seal *seal)
{
    m_document->selectSeal(seal);
    showSealOptions(seal);
    const QPoint centre =
        m_page->mapTo(widget(), QRect(seal->left(), seal->top(), seal->width(), seal->height()).center());
    ensureVisible(centre.x(), centre.y(), seal->width() / 2 + 4, seal->height() / 2 + 4);
}

void DocumentWindow::keyReleaseEvent(QKeyEvent *event)
{
    // Holding an arrow key is one step; the next press starts another.
    if (isArrow(event->key()) && !event->isAutoRepeat())
        m_document->endMerge();
    QScrollArea::keyReleaseEvent(event);
}

} // namespace qm
