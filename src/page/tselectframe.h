#pragma once

#include "seal/sealtypes.h"

#include <QPoint>
#include <QRect>

class QPainter;

namespace qm {

// The dotted frame around a multiple selection, dragged to move the seals together. Drawn over
// the seals without a ground of its own.
class TSelectFrame
{
public:
    static constexpr TColor DefaultColour = 0xFF0000; // blue

    QRect bounds() const { return m_bounds; }
    void setBounds(const QRect &bounds) { m_bounds = bounds; }
    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor colour) { m_penColor = colour; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    bool contains(QPoint point) const { return m_visible && m_bounds.contains(point); }
    void paint(QPainter &painter) const;

private:
    QRect m_bounds;
    TColor m_penColor = DefaultColour;
    bool m_visible = false;
};

} // namespace qm
