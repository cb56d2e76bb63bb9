#include "seal/glyph.h"

#include "seal/gbk.h"

namespace qm {

bool isDoubleByte(QChar c)
{
    return Gbk::isDoubleByte(c);
}

LogicalFont createGlyphFont(int height, int width, bool doubleByte, int escapement, int weight, bool italic,
                            const QByteArray &face)
{
    LogicalFont f;
    f.height = height;
    f.width = doubleByte ? roundHalfEven(width / 2.0L) : width;
    f.escapement = escapement;
    f.orientation = escapement;
    f.weight = weight;
    f.italic = italic;
    f.face = face.left(31);
    return f;
}

void drawGlyph(Surface &surface, int x, int y, QChar character, bool inverse, BrushStyle brushStyle, Colour penColor,
               bool blank, int strokeWidth)
{
    const Colour colour = (brushStyle == BrushStyle::bsClear && !inverse) ? penColor : clWhite;
    const QString text(character);
    if (!blank && strokeWidth <= 0) {
        surface.setFontColor(colour);
        surface.setBrushStyle(SurfaceBrush::Clear);
        surface.textOut(x, y, text);
        return;
    }
    surface.setBackgroundTransparent();
    surface.setPenColor(colour);
    surface.setPenWidth(strokeWidth);
    surface.beginPath();
    surface.setBrushStyle(SurfaceBrush::Clear);
    surface.textOut(x, y, text);
    surface.setBrushStyle(toSurfaceBrush(brushStyle));
    surface.setBrushColor(colour); // a colour makes the brush solid
    if (blank)
        surface.setBrushStyle(SurfaceBrush::Clear);
    else if (inverse)
        surface.setBrushStyle(SurfaceBrush::Solid);
    surface.endPath();
    surface.strokeAndFillPath();
}

void setStrokeStyle(Surface &surface, int penWidth, BrushStyle brushStyle, Colour brushColor, Colour penColor)
{
    surface.setPenWidth(penWidth);
    surface.setPenColor(penColor);
    surface.setBrushColor(brushColor);
    surface.setBrushStyle(toSurfaceBrush(brushStyle));
}

void setShapeStyle(Surface &surface, BrushStyle brushStyle, int penWidth, Colour brushColor, Colour penColor)
{
    surface.setBrushColor(brushColor);
    surface.setBrushStyle(toSurfaceBrush(brushStyle));
    surface.setPenColor(penColor);
    surface.setPenWidth(penWidth);
}

void useInnerColours(Surface &surface, BrushStyle brushStyle)
{
    if (brushStyle == BrushStyle::bsSolid) {
        surface.setPenColor(clWhite);
        surface.setBrushStyle(SurfaceBrush::Clear);
    }
}

} // namespace qm
