#pragma once

#include "picture/logicalfont.h"
#include "picture/surface.h"
#include "seal/sealtypes.h"

#include <QByteArray>
#include <QChar>

namespace qm {

// Surface brush of a seal brush style: only bsClear is clear.
inline SurfaceBrush toSurfaceBrush(BrushStyle s)
{
    return s == BrushStyle::bsClear ? SurfaceBrush::Clear : SurfaceBrush::Solid;
}

// True when the character takes more than one byte in code page 936.
bool isDoubleByte(QChar c);

// The font of one glyph: a double-byte glyph gets roundHalfEven(width / 2) as its font width, so that it
// fills the same cell as a single-byte one of `width`.
LogicalFont createGlyphFont(int height, int width, bool doubleByte, int escapement, int weight, bool italic,
                            const QByteArray &face);

// Draws one character with its cell's top-left corner at (x, y) in the surface's current font:
// plain, thickened by an outline of strokeWidth, or hollow when blank.
void drawGlyph(Surface &surface, int x, int y, QChar character, bool inverse, BrushStyle brushStyle, Colour penColor,
               bool blank, int strokeWidth);

// Pen width, pen colour, brush colour, then brush style (the style set last wins).
void setStrokeStyle(Surface &surface, int penWidth, BrushStyle brushStyle, Colour brushColor, Colour penColor);
// Brush colour, brush style, pen colour, pen width: a negative frame is filled with ink.
void setShapeStyle(Surface &surface, BrushStyle brushStyle, int penWidth, Colour brushColor, Colour penColor);
// Inside a negative seal everything after the main frame is white and unfilled.
void useInnerColours(Surface &surface, BrushStyle brushStyle);

// Saves the surface font and puts it back when the scope ends, also on early return.
class FontKeeper
{
public:
    explicit FontKeeper(Surface &s) : m_surface(s), m_font(s.font()) {}
    ~FontKeeper() { m_surface.setFont(m_font); }
    FontKeeper(const FontKeeper &) = delete;
    FontKeeper &operator=(const FontKeeper &) = delete;

private:
    Surface &m_surface;
    LogicalFont m_font;
};

} // namespace qm
