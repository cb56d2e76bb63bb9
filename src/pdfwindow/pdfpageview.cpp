#include "pdfwindow/pdfpageview.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qm {

PdfPageView::PdfPageView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QCoreApplication::translate("qm::PdfStampWindow", "PDF页面"));
}

void PdfPageView::setScale(float screenPixelsPerMm, int zoom)
{
    m_screenPixelsPerMm = screenPixelsPerMm;
    m_zoom = zoom;
    update();
}

long double PdfPageView::pixelsPerMm() const
{
    return static_cast<long double>(m_zoom) * m_screenPixelsPerMm / 100;
}

void PdfPageView::setPageImage(const QImage &image, QSize pageSize)
{
    m_page = image;
    setFixedSize(pageSize);
    update();
}

void PdfPageView::setPlacement(QPointF centreMm, double degrees)
{
    m_centre = centreMm;
    m_degrees = degrees;
    update();
}

void PdfPageView::setBlend(double opacity, bool multiply)
{
    m_opacity = opacity;
    m_multiply = multiply;
    update();
}

QPointF PdfPageView::toMm(QPointF pixels) const
{
    const qreal k = qreal(pixelsPerMm());
    return pixels / k;
}

QPointF PdfPageView::shownCentre() const
{
    return m_dragging ? m_centre + toMm(m_dragNow - m_dragStart) : m_centre;
}

QPointF PdfPageView::centrePixels() const
{
    return shownCentre() * qreal(pixelsPerMm());
}

void PdfPageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (m_page.size() == size())
        painter.drawImage(0, 0, m_page);
    else
        painter.drawImage(rect(), m_page);
    if (!m_group || m_group->isEmpty())
        return;

    const long double k = pixelsPerMm();
    const QPointF anchor = m_group->anchorMm();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(centrePixels());
    painter.rotate(-m_degrees);
    painter.setOpacity(m_opacity);
    if (m_multiply)
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    PainterSurface surface(&painter);
    renderSeals(m_group->seals(), m_screenPixelsPerMm, m_zoom, surface, RenderOffset{-k * anchor.x(), -k * anchor.y()},
                SealColours::Own);
    painter.restore();

    // The group's outline shows what the mouse and the keys move; dotted while it has the keyboard.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(QColor(0, 90, 200), 1, hasFocus() ? Qt::DashLine : Qt::DotLine);
    painter.setPen(pen);
    painter.translate(centrePixels());
    painter.rotate(-m_degrees);
    const QRectF box = m_group->boxMm();
    const qreal kk = qreal(k);
    painter.drawRect(QRectF(box.topLeft() * kk, box.size() * kk));
}

void PdfPageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_group)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    if (!m_group->contains(toMm(event->position()), m_centre, m_degrees))
        return;
    m_dragging = true;
    m_dragStart = m_dragNow = event->position();
    setCursor(Qt::ClosedHandCursor);
}

void PdfPageView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        m_dragNow = event->position();
        update();
        return;
    }
    const bool over = m_group && m_group->contains(toMm(event->position()), m_centre, m_degrees);
    setCursor(over ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PdfPageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_dragNow = event->position();
    const QPointF delta = toMm(m_dragNow - m_dragStart);
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
    update();
    if (!delta.isNull())
        emit movedBy(delta);
}

void PdfPageView::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool coarse = mods & Qt::ShiftModifier;
    const bool turn = mods & Qt::ControlModifier;
    if ((mods & ~(Qt::ShiftModifier | Qt::ControlModifier)) || m_dragging)
        return QWidget::keyPressEvent(event);
    const double step = coarse ? CoarseStepMm : FineStepMm;
    const double angle = coarse ? CoarseTurnDegrees : FineTurnDegrees;
    switch (event->key()) {
    case Qt::Key_Left:
        turn ? emit turnedBy(angle) : emit movedBy({-step, 0});
        break;
    case Qt::Key_Right:
        turn ? emit turnedBy(-angle) : emit movedBy({step, 0});
        break;
    case Qt::Key_Up:
        if (turn)
            return QWidget::keyPressEvent(event);
        emit movedBy({0, -step});
        break;
    case Qt::Key_Down:
        if (turn)
            return QWidget::keyPressEvent(event);
        emit movedBy({0, step});
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void PdfPageView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PdfPageView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace qm
