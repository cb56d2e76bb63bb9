#pragma once

#include "picture/surface.h"
#include "seal/glyphcoverage.h"
#include "seal/glyphmetrics.h"

#include <QHash>
#include <QPainterPath>
#include <QSet>
#include <QTransform>

#include <optional>

class QPainter;

namespace qm {

// Draws onto a QPainter (widget, image, printer, SVG, PDF) with the platform meaning the
// seals rely on. The painter must be active; its antialiasing is the caller's choice.
class PainterSurface : public Surface
{
public:
    explicit PainterSurface(QPainter *painter);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface &) = delete;
    PainterSurface &operator=(const PainterSurface &) = delete;

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
    void beginGlyphRun(qreal spacing) override;
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
    // A glyph of a dense run drawn from a kept mask has its angle rounded to a multiple of this
    // many tenths of a degree: a point r pixels from the glyph's origin moves by at most
    // 2 r sin(step / 4), under r / 100 for whole degrees.
    static constexpr int MaskAngleStep = 10;
    // Glyphs whose mask would be larger on a side are always filled.
    static constexpr int MaxMaskSide = 1024;
    // Masks one run keeps at most, in bytes, and flattened glyphs; when full the run starts afresh.
    static constexpr qsizetype MaxMaskBytes = qsizetype(64) << 20;
    static constexpr qsizetype MaxFlatGlyphs = 256;
    struct MaskKey {
        LogicalFont font; // angle rounded
        QString text;
        friend bool operator==(const MaskKey &, const MaskKey &) = default;
    };

private:
    bool repeatsAreInvisible() const;
    // Anything but a character of a glyph run may change what those have drawn, or be covered by
    // what they are still to draw.
    void settleGlyphs()
    {
        paintCoverage();
        if (!m_drawnGlyphs.isEmpty())
            m_drawnGlyphs.clear();
    }
    void paintCoverage()
    {
        if (!m_coverage.isEmpty())
            m_coverage.paint(*m_painter);
    }
    // Draws a character of a dense run from its mask; false when it must be filled instead.
    bool drawFromMask(int x, int y, const QString &text);
    // Null when the glyph is filled rather than masked.
    const GlyphMask *maskFor(const QString &text);
    // A glyph whose bold stroke the engine draws as thin lines, masked as the engine paints it.
    static GlyphMask paintedMask(const GlyphMetrics &g, const QString &text, const QTransform &t);
    const FlatGlyph &flatGlyphFor(const MaskKey &key, const GlyphMetrics &g);
    QPen currentPen() const;
    QBrush currentBrush() const;
    QPainterPath arcPath(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool pie) const;
    QTransform glyphTransform(int x, int y, const GlyphMetrics &g) const;
    // Whole device pixels of the surface's origin when the painter only moves it by those.
    bool wholePixelOrigin(QPoint *origin) const;
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
    bool m_denseRun = false;
    QHash<MaskKey, GlyphMask> m_masks;      // empty masks: glyphs filled instead
    QHash<MaskKey, FlatGlyph> m_flatGlyphs; // upright
    qsizetype m_maskBytes = 0;
    std::optional<GlyphMetrics> m_maskMetrics; // of m_maskMetricsFont
    LogicalFont m_maskMetricsFont;
    GlyphCoverage m_coverage;
};

size_t qHash(const PainterSurface::DrawnGlyph &g, size_t seed = 0);
size_t qHash(const PainterSurface::MaskKey &k, size_t seed = 0);

// The picture with every pixel or-ed with ink, as an opaque 32-bit image; the picture itself
// (shared, not copied) when the ink is black and it is opaque already.
QImage preparedPicture(const QImage &picture, Colour ink);
// Pixels of a picture made ready for painting at a time: a large emblem is inked and masked in
// bands of this size rather than copied whole.
constexpr qint64 PictureBandPixels = 1LL << 20;

} // namespace qm
