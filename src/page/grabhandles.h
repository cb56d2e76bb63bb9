#pragma once

#include "seal/sealtypes.h"

#include <QPoint>
#include <QRect>

#include <array>

class QColor;
class QPainter;

namespace qm {

class Seal;

// The eight handles around the one selected seal, counted from the bottom-left corner
// clockwise: 0 bottom-left, 1 middle-left, 2 top-left, 3 top-middle, 4 top-right,
// 5 middle-right, 6 bottom-right, 7 bottom-middle. They are no widgets: the page paints them
// above everything and routes the mouse to them first.
class GrabHandles
{
public:
    static constexpr int Count = 8;
    static constexpr Colour NormalColour = 0xFF0000; // blue
    static constexpr Colour HoverColour = clBlack;

    // Eight shown handles around the target's box; a handle is a square of twice
    // pixelsPerInch div 24.
    GrabHandles(Seal *target, int pixelsPerInch);

    Seal *target() const { return m_target; }
    int halfSize() const { return m_halfSize; }
    bool shown() const { return m_shown; }

    void hideHandles();
    // Shown again around the target's current box.
    void showHandles();
    // Moved to the target's current box when shown.
    void placeHandles();

    // The box the handles stand around, as last placed.
    QRect placedBox() const { return m_box; }
    QPoint anchor(int position) const { return anchorOf(position, m_box); }
    QRect bounds(int position) const;
    // Everything the handles cover, for repainting.
    QRect area() const;
    // The shown handle under the point, -1 for none; later handles lie above earlier ones.
    int handleAt(QPoint point) const;

    int hovered() const { return m_hovered; }
    // True when the hovered handle changed.
    bool setHovered(int position);
    Colour colour(int position) const { return position == m_hovered ? HoverColour : NormalColour; }

    void paint(QPainter &painter) const;

    static QPoint anchorOf(int position, const QRect &box);
    static Qt::CursorShape cursor(int position);
    // The box a drag of the handle to `anchor` leaves: the handle's edges moved there, the
    // others kept, flipped where an edge crossed its opposite.
    static QRect resizedBox(int position, const QRect &box, QPoint anchor);
    // Which edges a handle moves.
    static bool movesLeft(int position) { return position <= 2; }
    static bool movesRight(int position) { return position >= 4 && position <= 6; }
    static bool movesTop(int position) { return position >= 2 && position <= 4; }
    static bool movesBottom(int position) { return position == 0 || position == 6 || position == 7; }

private:
    Seal *m_target;
    int m_halfSize;
    bool m_shown = true;
    int m_hovered = -1;
    QRect m_box;
};

// A colour 0x00BBGGRR as Qt's.
QColor toColour(Colour colour);

} // namespace qm
