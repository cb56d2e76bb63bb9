#include "seal/glyphcoverage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <bit>
#include <cmath>

namespace qm {

GlyphMask GlyphMask::fromImage(const QImage &image, int left, int top)
{
    const QImage argb = image.format() == QImage::Format_ARGB32_Premultiplied
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    GlyphMask m;
    m.left = left;
    m.top = top;
    m.width = argb.width();
    m.height = argb.height();
    m.wordsPerRow = (m.width + 63) / 64;
    m.bits.assign(size_t(m.wordsPerRow) * size_t(m.height), 0);
    for (int row = 0; row < m.height; ++row) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(row));
        quint64 *words = m.bits.data() + size_t(row) * size_t(m.wordsPerRow);
        for (int col = 0; col < m.width; ++col) {
            if (qAlpha(line[col]) != 0)
                words[col / 64] |= quint64(1) << (col % 64);
        }
    }
    return m;
}

bool GlyphMask::covers(int x, int y) const
{
    const int col = x - left, row = y - top;
    if (col < 0 || row < 0 || col >= width || row >= height)
        return false;
    return (bits[size_t(row) * size_t(wordsPerRow) + size_t(col / 64)] >> (col % 64)) & 1;
}

namespace {

// Points of `from`..`to` (exclusive) farther than tolerance from the chord, kept recursively.
void keepFarPoints(const QPolygonF &polygon, int from, int to, qreal tolerance, QList<bool> &keep)
{
    while (to - from > 1) {
        const QPointF a = polygon[from], d = polygon[to] - a;
        const qreal length = std::hypot(d.x(), d.y());
        int farthest = -1;
        qreal distance = tolerance;
        for (int i = from + 1; i < to; ++i) {
            const QPointF v = polygon[i] - a;
            const qreal di = length > 0 ? std::abs(d.x() * v.y() - d.y() * v.x()) / length : std::hypot(v.x(), v.y());
            if (di > distance) {
                distance = di;
                farthest = i;
            }
        }
        if (farthest < 0)
            return;
        keep[farthest] = true;
        keepFarPoints(polygon, from, farthest, tolerance, keep);
        from = farthest;
    }
}

// The polygon without the points that change its edge by less than tolerance.
QPolygonF simplified(const QPolygonF &polygon, qreal tolerance)
{
    const int n = int(polygon.size());
    if (n < 4)
        return polygon;
    // Closed: split at the point farthest from the first, and simplify both halves.
    int far = 0;
    qreal best = -1;
    for (int i = 1; i < n; ++i) {
        const QPointF d = polygon[i] - polygon[0];
        const qreal di = d.x() * d.x() + d.y() * d.y();
        if (di > best) {
            best = di;
            far = i;
        }
    }
    QList<bool> keep(n, false);
    keep[0] = keep[far] = keep[n - 1] = true;
    keepFarPoints(polygon, 0, far, tolerance, keep);
    keepFarPoints(polygon, far, n - 1, tolerance, keep);
    QPolygonF out;
    for (int i = 0; i < n; ++i) {
        if (keep[i])
            out.append(polygon[i]);
    }
    return out;
}

// The least whole number not below v, kept within [0, limit] (limit at most MaxSide). Without
// branches: v is first kept within a range where 4096 - v is positive, whose truncation is its
// floor.
inline int ceilWithin(qreal v, int limit)
{
    const qreal within = std::clamp(v, -1.0, 4094.0);
    return std::clamp(4096 - int(4096 - within), 0, limit);
}

} // namespace

FlatGlyph FlatGlyph::fromPaths(const QList<QPainterPath> &paths, const QTransform &placement, qreal tolerance)
{
    // Curves are flattened eight times finer than the painter does, then thinned out again.
    constexpr qreal Fine = 8;
    const QTransform fine = placement * QTransform::fromScale(Fine, Fine);
    FlatGlyph glyph;
    for (const QPainterPath &path : paths) {
        QList<QPolygonF> shape;
        for (QPolygonF polygon : path.toSubpathPolygons(fine)) {
            for (QPointF &point : polygon)
                point /= Fine;
            polygon = simplified(polygon, tolerance);
            if (polygon.size() < 3)
                continue;
            glyph.bounds = glyph.bounds.united(polygon.boundingRect());
            shape.append(polygon);
        }
        if (!shape.isEmpty())
            glyph.shapes.append(shape);
    }
    return glyph;
}

GlyphMask FlatGlyph::rasterize(const QTransform &turn, int maxSide) const
{
    GlyphMask m;
    const QRectF box = turn.mapRect(bounds);
    if (shapes.isEmpty() || shapes.size() > 2 || !(box.width() + 4 <= maxSide && box.height() + 4 <= maxSide))
        return m;
    // A pixel to spare on every side.
    m.left = int(std::floor(box.left())) - 1;
    m.top = int(std::floor(box.top())) - 1;
    m.width = int(std::ceil(box.right())) + 1 - m.left;
    m.height = int(std::ceil(box.bottom())) + 1 - m.top;
    m.wordsPerRow = (m.width + 63) / 64;
    m.bits.assign(size_t(m.wordsPerRow) * size_t(m.height), 0);
    const int stride = m.width + 1;
    // Per pixel of a row and per shape, how the winding number changes at the pixel's centre:
    // an edge crossing the row's centre line at x changes it from the first pixel whose centre
    // is at or right of x on. Kept per thread, as a ring makes thousands of masks.
    thread_local std::vector<int> steps;
    thread_local std::vector<QPointF> turned;
    steps.assign(size_t(stride) * size_t(m.height) * 2, 0);
    // The turn and the move to the mask's corner in one.
    const qreal m11 = turn.m11(), m12 = turn.m12(), m21 = turn.m21(), m22 = turn.m22();
    const qreal dx = turn.dx() - m.left, dy = turn.dy() - m.top;
    for (int s = 0; s < 2 && s < shapes.size(); ++s) {
        for (const QPolygonF &polygon : shapes[s]) {
            turned.resize(size_t(polygon.size()));
            for (size_t i = 0; i < turned.size(); ++i) {
                const QPointF p = polygon[qsizetype(i)];
                turned[i] = QPointF(m11 * p.x() + m21 * p.y() + dx, m12 * p.x() + m22 * p.y() + dy);
            }
            const size_t n = turned.size();
            for (size_t i = 0; i < n; ++i) {
                const QPointF a = turned[i];
                const QPointF b = turned[i + 1 < n ? i + 1 : 0];
                if (a.y() == b.y())
                    continue;
                const int dir = a.y() < b.y() ? 1 : -1;
                const int firstRow = ceilWithin(std::min(a.y(), b.y()) - 0.5, m.height);
                const int endRow = ceilWithin(std::max(a.y(), b.y()) - 0.5, m.height);
                if (firstRow == endRow)
                    continue;
                const qreal slope = (b.x() - a.x()) / (b.y() - a.y());
                int *rowSteps = steps.data() + (size_t(firstRow) * 2 + size_t(s)) * size_t(stride);
                for (int row = firstRow; row < endRow; ++row, rowSteps += 2 * stride) {
                    const int col = ceilWithin(a.x() + (row + 0.5 - a.y()) * slope - 0.5, m.width);
                    rowSteps[col] += dir;
                }
            }
        }
    }
    // Only the columns the turned bounds reach on a row can be inside: a glyph turned part way
    // leaves the corners of its mask empty.
    const QPolygonF corners = turn.map(QPolygonF(bounds)).translated(-m.left, -m.top);
    for (int row = 0; row < m.height; ++row) {
        const qreal centre = row + 0.5;
        qreal lowest = m.width, highest = 0;
        for (int i = 0; i < 4; ++i) {
            const QPointF a = corners[i], b = corners[i + 1];
            if ((a.y() <= centre) != (b.y() <= centre)) {
                const qreal x = a.x() + (centre - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
                lowest = std::min(lowest, x);
                highest = std::max(highest, x);
            }
        }
        if (lowest > highest)
            continue;
        const int from = std::max(0, int(lowest) - 1), to = std::min(m.width, int(highest) + 2);
        const int *first = steps.data() + size_t(row) * 2 * size_t(stride);
        const int *second = first + stride;
        // Every edge lies within the bounds, so nothing winds left of them.
        int windingFirst = 0, windingSecond = 0;
        quint64 *words = m.bits.data() + size_t(row) * size_t(m.wordsPerRow);
        for (int start = from; start < to;) {
            const int end = std::min(to, (start / 64 + 1) * 64);
            quint64 word = 0;
            for (int col = start; col < end; ++col) {
                windingFirst += first[col];
                windingSecond += second[col];
                word |= quint64((windingFirst | windingSecond) != 0) << (col % 64);
            }
            words[start / 64] |= word;
            start = end;
        }
    }
    return m;
}

bool GlyphCoverage::add(const GlyphMask &mask, QPoint at)
{
    if (mask.width > Side || mask.height > Side)
        return false;
    if (isEmpty()) {
        // The window is centred on the mask, its left edge on a whole word of device pixels.
        const int centreX = at.x() + mask.left + mask.width / 2;
        const int centreY = at.y() + mask.top + mask.height / 2;
        m_origin = QPoint((centreX - Side / 2) & ~63, centreY - Side / 2);
    }
    const int x0 = at.x() + mask.left - m_origin.x();
    const int y0 = at.y() + mask.top - m_origin.y();
    if (x0 < 0 || y0 < 0 || x0 + mask.width > Side || y0 + mask.height > Side)
        return false;
    if (m_bits.empty())
        m_bits.assign(size_t(Side) * WordsPerRow, 0);
    const int firstWord = x0 / 64;
    const int shift = x0 % 64;
    const int lastWord = (x0 + mask.width - 1) / 64;
    for (int row = 0; row < mask.height; ++row) {
        const quint64 *from = mask.bits.data() + size_t(row) * size_t(mask.wordsPerRow);
        quint64 *to = m_bits.data() + size_t(y0 + row) * WordsPerRow + firstWord;
        if (shift == 0) {
            for (int w = 0; w < mask.wordsPerRow; ++w)
                to[w] |= from[w];
            continue;
        }
        for (int w = 0; w < mask.wordsPerRow; ++w) {
            to[w] |= from[w] << shift;
            // The high bits spill into the next word, which exists only where the mask reaches it.
            if (firstWord + w + 1 <= lastWord)
                to[w + 1] |= from[w] >> (64 - shift);
        }
    }
    m_firstRow = std::min(m_firstRow, y0);
    m_lastRow = std::max(m_lastRow, y0 + mask.height - 1);
    m_firstWord = std::min(m_firstWord, firstWord);
    m_lastWord = std::max(m_lastWord, lastWord);
    return true;
}

void GlyphCoverage::paint(QPainter &painter)
{
    if (isEmpty())
        return;
    const int words = m_lastWord - m_firstWord + 1;
    const int rows = m_lastRow - m_firstRow + 1;
    // Opaque ink where a bit is set and nothing elsewhere, which blends to exactly the ink.
    QImage picture(words * 64, rows, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const QRgb ink = m_colour.rgba();
    for (int row = 0; row < rows; ++row) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(row));
        quint64 *bits = m_bits.data() + size_t(m_firstRow + row) * WordsPerRow + m_firstWord;
        for (int w = 0; w < words; ++w) {
            for (quint64 word = bits[w]; word != 0; word &= word - 1)
                line[w * 64 + std::countr_zero(word)] = ink;
            bits[w] = 0;
        }
    }
    painter.save();
    // Device pixels, and the plain opaque painting the masks stand for.
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1);
    painter.drawImage(m_origin + QPoint(m_firstWord * 64, m_firstRow), picture);
    painter.restore();
    m_firstRow = Side;
    m_lastRow = -1;
    m_firstWord = WordsPerRow;
    m_lastWord = -1;
}

void GlyphCoverage::release()
{
    std::vector<quint64>().swap(m_bits);
    m_firstRow = Side;
    m_lastRow = -1;
    m_firstWord = WordsPerRow;
    m_lastWord = -1;
}

} // namespace qm
