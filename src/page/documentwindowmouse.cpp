// The document window's mouse presses: the tools, the press on a seal, the frame or a handle,
// the rubber band, and the marks that show the selection.

#include "page/documentwindow.h"

#include "document/picturebudget.h"
#include "document/sealtemplates.h"
#include "page/pagetools.h"
#include "page/picturefile.h"
#include "seal/seal.h"

#include <QContextMenuEvent>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// How deep the point lies in the box: its shortest distance to one of the four edges.
int depthIn(const QRect &box, QPoint p)
{
    const int right = box.left() + box.width();
    const int bottom = box.top() + box.height();
    return std::min({p.x() - box.left(), right - p.x(), p.y() - box.top(), bottom - p.y()});
}

bool strictlyInside(const QRect &box, QPoint p)
{
    return p.x() > box.left() && p.x() < box.left() + box.width() && p.y() > box.top() &&
           p.y() < box.top() + box.height();
}

// Shift or Ctrl with the left button adds to the selection or takes out of it.
bool extendsSelection(const PageMouse &mouse)
{
    return mouse.button == Qt::LeftButton && (mouse.modifiers & (Qt::ShiftModifier | Qt::ControlModifier));
}

} // namespace

void DocumentWindow::pageMousePress(const PageHit &hit, const PageMouse &mouse)
{
    setFocus(Qt::MouseFocusReason);
    // A second button in the middle of a band or drag starts nothing.
    if (busy())
        return;
    if (extendsSelection(mouse) && !m_host.checkedDrawAction()) {
        // The seal under the pointer, also inside the frame or under a handle; on bare page a
        // band whose seals join the selection.
        if (Seal *under = m_page->sealAt(mouse.pos))
            toggleInSelection(deepestSealAt(under, mouse.pos));
        else
            startBand(mouse, true);
        return;
    }
    switch (hit.kind) {
    case PageHit::OnPage:
        onPageMousePress(mouse.button, mouse);
        break;
    case PageHit::OnSeal:
        sealMouseDown(hit.seal, mouse);
        break;
    case PageHit::OnFrame:
        frameMouseDown(mouse);
        break;
    case PageHit::OnHandle:
        handleMouseDown(hit.handle, mouse);
        break;
    }
}

void DocumentWindow::pageMouseMove(const PageHit &, const PageMouse &mouse)
{
    const QPoint point = busy() ? m_page->clampToPage(mouse.pos) : mouse.pos;
    showPosition(point);
    switch (m_gesture) {
    case Gesture::None:
        break;
    case Gesture::Band:
        moveBand(point);
        break;
    case Gesture::Move:
    case Gesture::Hand:
        moveDrag(point, mouse.global);
        break;
    case Gesture::Resize:
        moveResize(point);
        break;
    }
}

void DocumentWindow::pageMouseRelease(const PageHit &, const PageMouse &mouse)
{
    // A gesture ends on the release of the button that began it.
    if (m_gesture == Gesture::None || mouse.button != m_gestureButton)
        return;
    const QPoint point = m_page->clampToPage(mouse.pos);
    switch (m_gesture) {
    case Gesture::None:
        break;
    case Gesture::Band:
        endBand(point);
        break;
    case Gesture::Move:
    case Gesture::Hand:
        endDrag(point, mouse.global);
        break;
    case Gesture::Resize:
        endResize(point);
        break;
    }
}

QMenu *DocumentWindow::pageContextMenu(const PageHit &hit)
{
    if (busy())
        return nullptr;
    return hit.kind == PageHit::OnPage ? m_host.pagePopupMenu() : m_host.sealPopupMenu();
}

void DocumentWindow::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu key reaches this window, not the page: it opens the menu of the selection, or of
    // the page when nothing is selected, in the middle of what it applies to.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        QScrollArea::contextMenuEvent(event);
        return;
    }
    PageHit hit;
    QPoint at = viewport()->mapToGlobal(viewport()->rect().center());
    if (!selection().empty()) {
        hit.seal = currentSeal();
        hit.kind = hit.seal ? PageHit::OnSeal : PageHit::OnFrame;
        const QRect box = selectionRect();
        const QRect shown(m_page->mapTo(viewport(), box.topLeft()), box.size());
        if (const QRect visible = shown & viewport()->rect(); !visible.isEmpty())
            at = viewport()->mapToGlobal(visible.center());
    }
    QMenu *menu = pageContextMenu(hit);
    if (!menu)
        return;
    if (hit.seal)
        m_host.setSealLockCaption(m_document->isSealLocked(hit.seal) ? tr("解锁印章(&U)") : tr("锁定印章位置(&L)"));
    menu->popup(at);
}

void DocumentWindow::onPageMousePress(Qt::MouseButton button, const PageMouse &mouse)
{
    const std::optional<Tool> tool = m_host.checkedDrawAction();
    const ToolInfo *row = tool ? findTool(*tool) : nullptr;
    if (row && row->use.oneShot) {
        m_host.uncheckDrawAction();
        applyToolCursor();
    }
    if (button == Qt::RightButton) {
        // Right on the page ends the hand and zoom tools; the picture tool stays chosen.
        if (row && row->use.rightPressRunsAgain)
            m_host.triggerDrawAction(row->tool);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    switch (pageToolOf(tool)) {
    case PageTool::Select:
        m_document->clearSelection();
        startBand(mouse, false);
        break;
    case PageTool::Place:
        m_document->clearSelection();
        placeNewSeal(*tool, mouse.pos);
        break;
    case PageTool::Hand:
        startDrag(true, mouse);
        break;
    case PageTool::ZoomIn:
        zoomByTool(ZoomToolStep);
        break;
    case PageTool::ZoomOut:
        zoomByTool(-ZoomToolStep);
        break;
    }
}

void DocumentWindow::zoomByTool(int step)
{
    const int zoom = m_document->page().zoom();
    if (step > 0 ? zoom >= MaxToolZoom : zoom <= MinToolZoom)
        return;
    zoomPage(zoom + step);
    m_host.setZoomText(QString::number(m_document->page().zoom()) + u'%');
}

void DocumentWindow::placeNewSeal(Tool tool, QPoint point)
{
    TemplateContext context;
    context.faceGbk = m_host.fontFaceGbk();
    context.penColor = m_host.swatchColor();
    context.pixelsPerMm = screenPixelsPerMm();
    context.zoom = m_document->page().zoom();
    if (tool == Tool::PictureFromFile) {
        const QString path = m_host.askPictureFile();
        if (path.isEmpty())
            return; // cancelled: nothing is placed
        PictureFile file = readPictureFile(path);
        if (!file.ok()) {
            m_host.reportPictureError(file.refusal);
            return;
        }
        context.picture = std::move(file.bytes);
    } else if (tool == Tool::EmblemPicture) {
        context.picture = m_host.emblemPicture();
        if (context.picture.isEmpty())
            return;
    }
    QString error;
    std::unique_ptr<Seal> seal = newSealFromTemplate(tool, point, context, &error);
    if (!seal) {
        if (templateNeedsPicture(tool) && !error.isEmpty())
            m_host.reportPictureError(error);
        return;
    }
    if (const QString refusal = pictureBudgetRefusal(*m_document, {seal.get()}); !refusal.isEmpty()) {
        m_host.reportPictureError(refusal);
        return;
    }
    seal->setListener(m_page);
    Seal *placed = m_document->appendCreatedSeal(std::move(seal));
    m_host.showSealToggles(placed);
    showDocumentStatus();
}

Seal *DocumentWindow::deepestSealAt(Seal *pressed, QPoint point) const
{
    // A small seal lying inside a larger one is picked even where the larger one is on top.
    Seal *candidate = pressed;
    int best = depthIn(sealBox(*pressed), point);
    for (const auto &seal : m_document->seals()) {
        const QRect box = sealBox(*seal);
        if (seal->isVisible() && strictlyInside(box, point) && depthIn(box, point) < best) {
            candidate = seal.get();
            best = depthIn(box, point);
        }
    }
    return candidate;
}

void DocumentWindow::sealMouseDown(Seal *seal, const PageMouse &mouse)
{
    // With a tool chosen a seal is just more page: a new element can stand on an old one.
    if (m_host.checkedDrawAction()) {
        onPageMousePress(Qt::LeftButton, mouse);
        return;
    }
    Seal *candidate = deepestSealAt(seal, mouse.pos);
    if (currentSeal() != candidate) {
        m_document->selectSeal(candidate);
        showSealOptions(candidate);
    }
    const bool locked = m_document->isSealLocked(candidate);
    if (mouse.button == Qt::LeftButton && !locked) {
        if (m_handles) {
            m_handles->hideHandles();
            m_page->updateOverlay();
        }
        startDrag(false, mouse);
    } else if (mouse.button == Qt::RightButton) {
        m_host.setSealLockCaption(locked ? tr("解锁印章(&U)") : tr("锁定印章位置(&L)"));
    }
}

void DocumentWindow::frameMouseDown(const PageMouse &mouse)
{
    if (m_host.checkedDrawAction()) {
        onPageMousePress(Qt::LeftButton, mouse);
        return;
    }
    if (mouse.button == Qt::LeftButton)
        startDrag(false, mouse);
}

void DocumentWindow::handleMouseDown(int position, const PageMouse &mouse)
{
    // As on the frame: with a tool chosen the press belongs to the page.
    if (m_host.checkedDrawAction()) {
        onPageMousePress(Qt::LeftButton, mouse);
        return;
    }
    if (mouse.button == Qt::LeftButton && m_handles)
        startResize(position, mouse);
}

void DocumentWindow::toggleInSelection(Seal *seal)
{
    SealSelection next = selection();
    if (std::erase(next, seal) == 0)
        next.push_back(seal);
    m_document->setSelection(next);
    if (Seal *current = currentSeal())
        showSealOptions(current);
}

void DocumentWindow::startBand(const PageMouse &mouse, bool adding)
{
    startGesture(Gesture::Band, mouse.button);
    m_bandAdds = adding;
    m_bandRect = QRect(mouse.pos, mouse.pos);
    m_page->setBand(m_bandRect);
}

void DocumentWindow::moveBand(QPoint point)
{
    m_bandRect = QRect(m_bandRect.topLeft(), point);
    m_page->setBand(m_bandRect);
}

void DocumentWindow::endBand(QPoint point)
{
    moveBand(point);
    const QRect band = m_bandRect;
    m_page->setBand(std::nullopt);
    endGesture();
    // Compared as drawn, corner to corner: a band drawn up or left holds no seal.
    SealSelection inside = m_bandAdds ? selection() : SealSelection();
    for (const auto &seal : m_document->seals()) {
        const QRect box = sealBox(*seal);
        if (seal->isVisible() && box.left() >= band.left() && box.left() + box.width() <= band.right() &&
            box.top() >= band.top() && box.top() + box.height() <= band.bottom())
            inside.push_back(seal.get());
    }
    m_document->setSelection(inside);
    if (Seal *current = currentSeal())
        showSealOptions(current);
}

void DocumentWindow::showSealOptions(Seal *seal)
{
    m_host.setSwatchColor(seal->PenColor());
    m_host.showSealToggles(seal);
}

QRect DocumentWindow::selectionRect() const
{
    QRect r;
    for (const Seal *seal : selection())
        r |= sealBox(*seal).adjusted(-2, -2, 2, 2);
    return r;
}

bool DocumentWindow::ensureSelectionFrame()
{
    if (m_frame)
        return false;
    m_frame = std::make_unique<SelectionFrame>();
    m_page->setSelectFrame(m_frame.get());
    return true;
}

void DocumentWindow::hookSelectionFrame()
{
    m_frame->setVisible(true);
    m_page->updateOverlay();
}

void DocumentWindow::placeSelectionFrame(const QRect &rect)
{
    m_frame->setBounds(rect);
    m_page->updateOverlay();
}

void DocumentWindow::freeSelectionFrame()
{
    if (!m_frame)
        return;
    m_page->setSelectFrame(nullptr);
    m_frame.reset();
}

void DocumentWindow::removeHandlesAndFrame()
{
    if (m_handles) {
        m_page->setHandles(nullptr);
        m_handles.reset();
    }
    freeSelectionFrame();
}

void DocumentWindow::syncSelectionMarks()
{
    const SealSelection &selection = m_document->selection();
    if (selection.size() == 1) {
        freeSelectionFrame();
        if (!m_handles || m_handles->target() != selection.front()) {
            m_handles = std::make_unique<GrabHandles>(selection.front(), m_pixelsPerInch);
            m_page->setHandles(m_handles.get());
        }
    } else if (selection.size() >= 2) {
        if (m_handles) {
            m_page->setHandles(nullptr);
            m_handles.reset();
        }
        if (ensureSelectionFrame())
            hookSelectionFrame();
    } else {
        removeHandlesAndFrame();
    }
    placeSelectionMarks();
}

void DocumentWindow::placeSelectionMarks()
{
    if (m_handles)
        m_handles->placeHandles();
    if (m_frame)
        m_frame->setBounds(selectionRect());
    m_page->updateOverlay();
}

void DocumentWindow::selectPasted()
{
    syncSelectionMarks();
}

} // namespace qm
