#pragma once

#include "picture/drawingtypes.h"
#include "picture/logicalfont.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

namespace qm {

enum class SurfaceBrush : std::uint8_t { Solid, Clear };

// The drawing surface every seal paints onto. It keeps the meaning of the platform the
// seals were designed on: boxes are [x1, x2) x [y1, y2), a pen of width 0 or 1 is the thinnest
// line, setting a brush colour turns a clear brush solid, text is placed by the top-left
// corner of its cell and rotated about it.
class Surface
{
public:
    virtual ~Surface() = default;

    // State. The base class keeps it; backends read it when they draw.
    virtual void setPenColor(Colour c) { m_penColor = c; }
    virtual void setPenWidth(int w) { m_penWidth = w; }
    virtual void setBrushColor(Colour c)
    {
        m_brushColor = c;
        m_brushStyle = SurfaceBrush::Solid; // a colour makes a clear brush solid
    }
    virtual void setBrushStyle(SurfaceBrush s) { m_brushStyle = s; }
    virtual void setFontColor(Colour c) { m_fontColor = c; }
    virtual void setFont(const LogicalFont &f) { m_font = f; }
    virtual void setBackgroundTransparent() {}
    // Next Draw combines picture and surface by bitwise OR when true.
    virtual void setCopyModeOr(bool on) { m_copyOr = on; }
    // Fill rule of polygons and of paths made of lines and curves: alternate (even-odd) by
    // default, winding when set. Text outlines always fill by winding.
    virtual void setPolyFillWinding(bool on) { m_polyFillWinding = on; }

    Colour penColor() const { return m_penColor; }
    int penWidth() const { return m_penWidth; }
    Colour brushColor() const { return m_brushColor; }
    SurfaceBrush brushStyle() const { return m_brushStyle; }
    Colour fontColor() const { return m_fontColor; }
    const LogicalFont &font() const { return m_font; }
    bool copyModeOr() const { return m_copyOr; }
    bool polyFillWinding() const { return m_polyFillWinding; }

    // Drawing.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0; // end point excluded
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void roundRect(int x1, int y1, int x2, int y2, int w, int h) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void polygon(const QList<QPoint> &points) = 0;
    virtual void polyBezier(const QList<QPoint> &points) = 0;
    virtual void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void textOut(int x, int y, const QString &text) = 0;
    // Between these only characters are drawn, one after another (a ring of text): a surface may
    // leave out a character it has drawn identically since the run began. `spacing` is how far
    // apart successive characters are placed, in surface units (0 when unknown); where it is
    // under a pixel the characters overlap so closely that a surface may draw each from the
    // picture of its glyph at a nearby angle.
    virtual void beginGlyphRun(qreal spacing) { Q_UNUSED(spacing); }
    virtual void endGlyphRun() {}
    // While a path is open, text, lines, polygons and Bezier curves go into it instead of
    // onto the surface; closeFigure closes the figure being built.
    virtual void beginPath() = 0;
    virtual void endPath() = 0;
    virtual void closeFigure() {}
    virtual void strokeAndFillPath() = 0;
    // Fill the path with the brush and no outline, or outline it with the pen and no fill.
    // A backend without its own versions approximates them with strokeAndFillPath.
    virtual void fillPath() { strokeAndFillPath(); }
    virtual void strokePath()
    {
        const SurfaceBrush brush = m_brushStyle;
        m_brushStyle = SurfaceBrush::Clear;
        strokeAndFillPath();
        m_brushStyle = brush;
    }
    virtual void fillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void draw(int x, int y, const QImage &picture) = 0;
    // Scales the bitmap, each pixel or-ed with ink, into [x1, x2) x [y1, y2); when transparent,
    // pixels of the colour of its bottom-left pixel (after the ink) are skipped.
    virtual void stretchDraw(int x1, int y1, int x2, int y2, const QImage &bitmap, bool transparent,
                             Colour ink = clBlack) = 0;

protected:
    Colour m_penColor = clBlack;
    int m_penWidth = 1;
    Colour m_brushColor = clWhite;
    SurfaceBrush m_brushStyle = SurfaceBrush::Solid;
    Colour m_fontColor = clBlack;
    LogicalFont m_font;
    bool m_copyOr = false;
    bool m_polyFillWinding = false;
};

// Qt colour from a 0x00BBGGRR value.
inline QColor toQColor(Colour c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

} // namespace qm
