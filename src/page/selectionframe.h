#pragma once

#include "seal/sealtypes.h"

#include <QPoint>
#include <QRect>

class QPainter;

namespace qm {

// The dotted frame around a multiple selection, dragged to move the seals together. Drawn over
// the seals without a ground of its own.
class SelectionFrame
{
public:
    static constexpr Colour DefaultColour = 0xFF0000; // blue

    QRect bounds() const { return m_bounds; }
    void setBounds(const QRect &bounds) { m_bounds = bounds; }
    Colour PenColor() const { return m_penColor; }
    void setPenColor(Colour colour) { m_penColor = colour; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    bool contains(QPoint point) const { return m_visible && m_bounds.contains(point); }
    void paint(QPainter &painter) const;

private:
    QRect m_bounds;
    Colour m_penColor = DefaultColour;
    bool m_visible = false;
};

} // namespace qm
