#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QPolygonF>
#include <QRectF>
#include <QtGlobal>

#include <vector>

class QImage;
class QPainter;
class QPainterPath;
class QTransform;

namespace qm {

// The pixels a glyph inks, one bit each, relative to the glyph's origin (the top-left corner of
// its cell). Rows are whole 64-bit words, the leftmost pixel in the lowest bit.
struct GlyphMask {
    int left = 0; // of the mask's first column and row, from the origin
    int top = 0;
    int width = 0;
    int height = 0;
    int wordsPerRow = 0;
    std::vector<quint64> bits;

    // The pixels of `image` whose alpha is not zero, the image's top-left pixel at (left, top).
    static GlyphMask fromImage(const QImage &image, int left, int top);
    bool covers(int x, int y) const; // relative to the origin
    qsizetype bytes() const { return qsizetype(bits.size() * sizeof(quint64)); }
};

// A glyph's outlines as closed polygons, unrotated, for rasterising at many angles: the outline
// and the bold stroke. Each shape fills by winding on its own, and a pixel is inked when its
// centre is inside either, as filling them one after the other inks it.
struct FlatGlyph {
    QList<QList<QPolygonF>> shapes;
    QRectF bounds;

    // At most two paths after `placement`, flattened and simplified to within `tolerance`.
    static FlatGlyph fromPaths(const QList<QPainterPath> &paths, const QTransform &placement, qreal tolerance);
    // The pixels whose centres lie inside after `turn`, the glyph's origin at (0, 0); an empty
    // mask when it would be wider or taller than maxSide.
    GlyphMask rasterize(const QTransform &turn, int maxSide) const;
};

// The union of many glyph masks of one colour, painted at once. Opaque ink set without
// blending leaves the same pixels whatever the order and however often each is set, so a
// dense ring of text costs one picture instead of a fill per glyph. The masks land in a square
// window of device pixels placed where the first of them lies.
class GlyphCoverage
{
public:
    static constexpr int Side = 2048; // a multiple of 64
    static constexpr int WordsPerRow = Side / 64;

    // Adds the mask with its glyph's origin at device pixel `at`; false, with nothing added, when
    // it reaches beyond the window (paint and add again: an empty window moves to the mask).
    bool add(const GlyphMask &mask, QPoint at);
    bool isEmpty() const { return m_firstRow > m_lastRow; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor &colour) { m_colour = colour; }
    // Paints what was added in its colour at device pixels, then empties the window.
    void paint(QPainter &painter);
    // Forgets what was added and gives the window's memory back.
    void release();

private:
    std::vector<quint64> m_bits; // Side rows of WordsPerRow words, made on first use
    QPoint m_origin;             // device pixel of the window's top-left corner
    int m_firstRow = Side;       // rows and words that hold set bits
    int m_lastRow = -1;
    int m_firstWord = WordsPerRow;
    int m_lastWord = -1;
    QColor m_colour;
};

} // namespace qm
