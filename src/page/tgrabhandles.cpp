#include "page/tgrabhandles.h"

#include "seal/tseal.h"

#include <QPainter>

#include <utility>

namespace qm {

QColor toColour(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

static QRect sealBox(const TSeal *seal)
{
    return QRect(seal->Left(), seal->Top(), seal->Width(), seal->Height());
}

TGrabHandles::TGrabHandles(TSeal *target, int pixelsPerInch)
    : m_target(target), m_halfSize(pixelsPerInch / 24), m_box(sealBox(target))
{
}

void TGrabHandles::HideHandles()
{
    if (m_shown) {
        m_shown = false;
        m_hovered = -1;
    }
}

void TGrabHandles::ShowHandles()
{
    if (!m_shown) {
        m_shown = true;
        m_box = sealBox(m_target);
    }
}

void TGrabHandles::PlaceHandles()
{
    if (m_shown)
        m_box = sealBox(m_target);
}

QPoint TGrabHandles::anchorOf(int position, const QRect &box)
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

QRect TGrabHandles::bounds(int position) const
{
    const QPoint a = anchor(position);
    return QRect(a.x() - m_halfSize, a.y() - m_halfSize, 2 * m_halfSize, 2 * m_halfSize);
}

QRect TGrabHandles::area() const
{
    QRect r;
    for (int i = 0; i < Count; ++i)
        r |= bounds(i);
    return r;
}

int TGrabHandles::handleAt(QPoint point) const
{
    if (!m_shown)
        return -1;
    for (int i = Count - 1; i >= 0; --i)
        if (bounds(i).contains(point))
            return i;
    return -1;
}

bool TGrabHandles::setHovered(int position)
{
    if (m_hovered == position)
        return false;
    m_hovered = position;
    return true;
}

Qt::CursorShape TGrabHandles::cursor(int position)
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

QRect TGrabHandles::resizedBox(int position, const QRect &box, QPoint anchor)
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

void TGrabHandles::paint(QPainter &painter) const
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
