#pragma once

#include "picture/surface.h"

#include <QPainterPath>
#include <QSet>
#include <QTransform>

class QPainter;

namespace qm {

struct GlyphMetrics;

// Draws onto a QPainter (widget, image, printer, SVG, PDF) with the platform meaning the
// seals rely on. The painter must be active; its antialiasing is the caller's choice.
class PainterSurface : public Surface
{
public:
    explicit PainterSurface(QPainter *painter);

    void setBackgroundTransparent() override { m_bkTransparent = true; }
    // Plain text drawn as filled glyph outlines instead of font text, for vector output (SVG,
    // PDF) that must look the same whatever fonts its viewer has.
    void setTextAsOutlines(bool on) { m_textAsOutlines = on; }

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void polygon(const QList<QPoint> &points) override;
    void polyBezier(const QList<QPoint> &points) override;
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void textOut(int x, int y, const QString &text) override;
    void beginGlyphRun() override;
    void endGlyphRun() override;
    void beginPath() override;
    void endPath() override;
    void closeFigure() override;
    void strokeAndFillPath() override;
    void fillPath() override;
    void strokePath() override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void draw(int x, int y, const QImage &picture) override;
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage &bitmap, bool transparent,
                     Colour ink = clBlack) override;

    // The outline of `text` as the current font places it with its cell's top-left corner at
    // (x, y), in device pixels. Exposed for tests of the glyph rules.
    QPainterPath textPath(int x, int y, const QString &text) const;

    // A character drawn in a glyph run: drawn again the same it would change no pixel.
    struct DrawnGlyph {
        int x = 0;
        int y = 0;
        LogicalFont font;
        QString text;
        Colour colour = clBlack;
        friend bool operator==(const DrawnGlyph &, const DrawnGlyph &) = default;
    };

private:
    bool repeatsAreInvisible() const;
    // Anything but a character of a glyph run may change what those have drawn.
    void forgetDrawnGlyphs()
    {
        if (!m_drawnGlyphs.isEmpty())
            m_drawnGlyphs.clear();
    }
    QPen currentPen() const;
    QBrush currentBrush() const;
    QPainterPath arcPath(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool pie) const;
    QTransform glyphTransform(int x, int y, const GlyphMetrics &g) const;
    // Raster operations and filled strokes are for raster devices only.
    bool isRaster() const;
    Qt::FillRule polyFillRule() const { return m_polyFillWinding ? Qt::WindingFill : Qt::OddEvenFill; }
    void fillCollectedPath();
    void finishPath();

    QPainter *m_painter;
    QPoint m_position;
    bool m_bkTransparent = false;
    bool m_textAsOutlines = false;
    bool m_inPath = false;
    bool m_pathHasShapes = false; // lines or curves, filled by the poly fill rule
    QPainterPath m_path;
    bool m_inGlyphRun = false;
    QTransform m_glyphRunTransform;
    Colour m_glyphRunColour = clBlack;
    QSet<DrawnGlyph> m_drawnGlyphs;
};

size_t qHash(const PainterSurface::DrawnGlyph &g, size_t seed = 0);

// The picture with every pixel or-ed with ink, as an opaque 32-bit image; the picture itself
// (shared, not copied) when the ink is black and it is opaque already.
QImage preparedPicture(const QImage &picture, Colour ink);
// Pixels of a picture made ready for painting at a time: a large emblem is inked and masked in
// bands of this size rather than copied whole.
constexpr qint64 PictureBandPixels = 1LL << 20;

} // namespace qm
