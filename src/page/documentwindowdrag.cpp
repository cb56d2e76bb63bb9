// The document window's drags: moving seals, scrolling by hand and resizing with a handle.
// During a drag only the dotted outline follows the mouse; the seals change on release.

#include "page/documentwindow.h"

#include "page/overridecursor.h"
#include "seal/seal.h"

#include <QGuiApplication>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Headless platforms have no pointer to keep.
bool canGrabMouse()
{
    const QString platform = QGuiApplication::platformName();
    return platform != u"offscreen"_s && platform != u"minimal"_s;
}

} // namespace

void DocumentWindow::startGesture(Gesture gesture, Qt::MouseButton button)
{
    m_gesture = gesture;
    m_gestureButton = button;
    // Wayland cannot confine the pointer: the page keeps the mouse and points are clamped to it.
    m_grabRect = QRect(m_page->mapToGlobal(QPoint(0, 0)), m_page->size());
    if (canGrabMouse())
        m_page->grabMouse();
}

void DocumentWindow::endGesture()
{
    m_gesture = Gesture::None;
    m_gestureButton = Qt::NoButton;
    m_dragCursor.reset();
    releasePage();
}

void DocumentWindow::releasePage()
{
    if (QWidget::mouseGrabber() == m_page)
        m_page->releaseMouse();
}

QPoint DocumentWindow::clampGlobal(QPoint global) const
{
    if (m_grabRect.isEmpty())
        return global;
    return QPoint(std::clamp(global.x(), m_grabRect.left(), m_grabRect.right()),
                  std::clamp(global.y(), m_grabRect.top(), m_grabRect.bottom()));
}

QRect DocumentWindow::movedObjectRect() const
{
    if (const Seal *seal = currentSeal())
        return sealBox(*seal);
    return m_frame ? m_frame->bounds() : QRect();
}

void DocumentWindow::startDrag(bool hand, const PageMouse &mouse)
{
    startGesture(hand ? Gesture::Hand : Gesture::Move, mouse.button);
    if (hand) {
        m_lastPoint = clampGlobal(mouse.global);
        return;
    }
    m_lastPoint = m_page->clampToPage(mouse.pos);
    m_dragCursor = std::make_unique<OverrideCursorGuard>(selection().size() == 1 ? dragCursor() : multiDragCursor());
    m_outlineRect = movedObjectRect();
    m_page->setOutline(m_outlineRect);
}

void DocumentWindow::moveDrag(QPoint point, QPoint global)
{
    if (m_gesture == Gesture::Hand) {
        const QPoint p = clampGlobal(global);
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + m_lastPoint.x() - p.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() + m_lastPoint.y() - p.y());
        m_lastPoint = p;
        return;
    }
    m_outlineRect.moveTopLeft(m_outlineRect.topLeft() + point - m_lastPoint);
    m_page->setOutline(m_outlineRect);
    m_lastPoint = point;
}

void DocumentWindow::endDrag(QPoint point, QPoint global)
{
    moveDrag(point, global);
    if (m_gesture == Gesture::Move) {
        m_page->setOutline(std::nullopt);
        const QPoint displacement = m_outlineRect.topLeft() - movedObjectRect().topLeft();
        if (!currentSeal() && m_frame)
            placeSelectionFrame(m_outlineRect);
        // Not suspended: the moved seals repaint their own boxes, and resuming repaints would
        // repaint the whole window.
        m_document->moveSelectionBy(displacement.x(), displacement.y());
        // Shown again also after a press without motion, which moved nothing.
        if (m_handles) {
            m_handles->showHandles();
            m_handles->placeHandles();
            m_page->updateOverlay();
        }
    }
    endGesture();
}

void DocumentWindow::startResize(int position, const PageMouse &mouse)
{
    const Seal *seal = m_handles->target();
    startGesture(Gesture::Resize, mouse.button);
    m_resizePosition = position;
    m_grabOffset = mouse.pos - m_handles->anchor(position);
    m_handles->hideHandles();
    m_page->updateOverlay();
    m_resizeRect = sealBox(*seal);
    m_outlineRect = m_resizeRect;
    m_page->setOutline(m_outlineRect);
}

void DocumentWindow::moveResize(QPoint point)
{
    const QPoint anchor = point - m_grabOffset;
    QRect box = GrabHandles::resizedBox(m_resizePosition, sealBox(*m_handles->target()), anchor);
    // A seal keeps at least one pixel each way.
    box.setWidth(std::max(1, box.width()));
    box.setHeight(std::max(1, box.height()));
    m_resizeRect = box;
    m_outlineRect = box;
    m_page->setOutline(m_outlineRect);
}

void DocumentWindow::endResize(QPoint point)
{
    moveResize(point);
    m_page->setOutline(std::nullopt);
    endGesture();
    applyResize(m_handles->target(), m_resizeRect);
    m_handles->showHandles();
    m_handles->placeHandles();
    m_page->updateOverlay();
}

bool DocumentWindow::applyResize(Seal *target, const QRect &box)
{
    const QRect old = sealBox(*target);
    if (box == old)
        return false;
    // Only a dimension whose edges moved is written: the other keeps its exact millimetres,
    // which a round trip through pixels would change.
    const bool widthMoved = box.left() != old.left() || box.width() != old.width();
    const bool heightMoved = box.top() != old.top() || box.height() != old.height();
    return m_document->editSeals({m_document->indexOf(target)}, tr("改变大小"), [&](const SealSelection &seals) {
        Seal &seal = *seals.front();
        const long double k = seal.scale();
        if (!(k > 0))
            return;
        const float f = 100.0f / (float(seal.Zoom()) * seal.PixelsPerMm());
        const float oldWidth = seal.RealWidth();
        const float oldHeight = seal.RealHeight();
        seal.setBounds(box.left(), box.top(), box.width(), box.height());
        if (widthMoved) {
            if (box.width() != old.width())
                seal.setRealWidth(float(box.width()) * f);
            seal.setRealCenterX(float(box.left() / k + seal.RealWidth() / 2.0L));
        }
        if (heightMoved) {
            if (box.height() != old.height())
                seal.setRealHeight(float(box.height()) * f);
            seal.setRealCenterY(float(box.top() / k + seal.RealHeight() / 2.0L));
        }
        // Ring texts grow and shrink with the seal, never below nothing.
        const float dW = seal.RealWidth() - oldWidth;
        const float dH = seal.RealHeight() - oldHeight;
        auto grow = [](float value, float by) { return std::max(0.0f, value + by); };
        if (seal.IsEllipse()) {
            seal.setTextsWidth(grow(seal.TextsWidth(), dW));
            seal.setTextsHeight(grow(seal.TextsHeight(), dH));
        }
        if (seal.IsEllipse1()) {
            seal.setTextsWidth1(grow(seal.TextsWidth1(), dW));
            seal.setTextsHeight1(grow(seal.TextsHeight1(), dH));
        }
        if (seal.IsEllipse2()) {
            seal.setTextsWidth2(grow(seal.TextsWidth2(), dW));
            seal.setTextsHeight2(grow(seal.TextsHeight2(), dH));
        }
        if (seal.IsEllipse3()) {
            seal.setTextsWidth3(grow(seal.TextsWidth3(), dW));
            seal.setTextsHeight3(grow(seal.TextsHeight3(), dH));
        }
    });
}

} // namespace qm
