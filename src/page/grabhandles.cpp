#include "page/grabhandles.h"

#include "seal/seal.h"

#include <QPainter>

#include <utility>

namespace qm {

QColor toColour(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

static QRect sealBox(const Seal *seal)
{
    return QRect(seal->left(), seal->top(), seal->width(), seal->height());
}

GrabHandles::GrabHandles(Seal *target, int pixelsPerInch)
    : m_target(target), m_halfSize(pixelsPerInch / 24), m_box(sealBox(target))
{
}

void GrabHandles::hideHandles()
{
    if (m_shown) {
        m_shown = false;
        m_hovered = -1;
    }
}

void GrabHandles::showHandles()
{
    if (!m_shown) {
        m_shown = true;
        m_box = sealBox(m_target);
    }
}

void GrabHandles::placeHandles()
{
    if (m_shown)
        m_box = sealBox(m_target);
}

QPoint GrabHandles::anchorOf(int position, const QRect &box)
{
    const int l = box.left();
    const int t = box.top();
    const int w = box.width();
    const int h = box.height();
    switch (position) {
    case 0:
        return {l, t + h};
    case 1:
        return {l, t + h / 2};
    case 2:
        return {l, t};
    case 3:
        return {l + w / 2, t};
    case 4:
        return {l + w, t};
    case 5:
        return {l + w, t + h / 2};
    case 6:
        return {l + w, t + h};
    default:
        return {l + w / 2, t + h};
    }
}

QRect GrabHandles::bounds(int position) const
{
    const QPoint a = anchor(position);
    return QRect(a.x() - m_halfSize, a.y() - m_halfSize, 2 * m_halfSize, 2 * m_halfSize);
}

QRect GrabHandles::area() const
{
    QRect r;
    for (int i = 0; i < Count; ++i)
        r |= bounds(i);
    return r;
}

int GrabHandles::handleAt(QPoint point) const
{
    if (!m_shown)
        return -1;
    for (int i = Count - 1; i >= 0; --i)
        if (bounds(i).contains(point))
            return i;
    return -1;
}

bool GrabHandles::setHovered(int position)
{
    if (m_hovered == position)
        return false;
    m_hovered = position;
    return true;
}

Qt::CursorShape GrabHandles::cursor(int position)
{
    switch (position) {
    case 0:
    case 4:
        return Qt::SizeBDiagCursor;
    case 2:
    case 6:
        return Qt::SizeFDiagCursor;
    case 1:
    case 5:
        return Qt::SizeHorCursor;
    default:
        return Qt::SizeVerCursor;
    }
}

QRect GrabHandles::resizedBox(int position, const QRect &box, QPoint anchor)
{
    int left = box.left();
    int top = box.top();
    int right = box.left() + box.width();
    int bottom = box.top() + box.height();
    if (movesLeft(position))
        left = anchor.x();
    if (movesRight(position))
        right = anchor.x();
    if (movesTop(position))
        top = anchor.y();
    if (movesBottom(position))
        bottom = anchor.y();
    if (bottom < top)
        std::swap(top, bottom);
    if (right < left)
        std::swap(left, right);
    return QRect(left, top, right - left, bottom - top);
}

void GrabHandles::paint(QPainter &painter) const
{
    if (!m_shown)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::white);
    for (int i = 0; i < Count; ++i) {
        const QRect b = bounds(i);
        painter.setPen(QPen(toColour(colour(i)), 0));
        painter.drawRect(b.x(), b.y(), b.width() - 1, b.height() - 1);
    }
    painter.restore();
}

} // namespace qm
