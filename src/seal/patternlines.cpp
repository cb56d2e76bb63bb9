// Pattern lines: short white strokes across the frame band, read from the seal's LinePoints.

#include "seal/officialseals.h"

#include "picture/surface.h"
#include "seal/seal.h"
#include "seal/sealframes.h"

#include <cmath>

namespace qm {

namespace {

QPoint shifted(const QPoint &p, long double dx, long double dy)
{
    return QPoint(roundHalfEven(p.x() + dx), roundHalfEven(p.y() + dy));
}

// Lines that would cross a code written on the frame band. Oval frames place their lines
// opposite the code already.
bool underCode(FrameShape shape, int i, int n, int W, int H, bool codeAtTop)
{
    switch (shape) {
    case FrameShape::Rectangular:
        if (codeAtTop)
            return i >= 1 && i <= n / 4 - 1;
        return i >= n / 2 + 1 && i <= n - n / 4 - 1;
    case FrameShape::Triangle: {
        // The code of a triangle is always on its top side.
        const long long perimeter = W + 2LL * H;
        if (perimeter <= 0)
            return false;
        return i < (static_cast<long long>(n) * W) / perimeter + 1;
    }
    case FrameShape::Rhomb:
        return i % 4 == 0; // the upper-left side, where the rhomb's code runs
    case FrameShape::Oval:
    case FrameShape::None:
        break;
    }
    return false;
}

// Offset of the Bézier control points: a small S-bend whose turn depends on the frame and on
// which half of the lines the line belongs to.
struct Bend {
    QPoint c1, c2;
};

Bend bendOf(FrameShape shape, int i, int n, int p, int W, int H, const QPoint &a, const QPoint &b)
{
    switch (shape) {
    case FrameShape::Rectangular: {
        const int d = p / 2;
        if (i < n / 2)
            return {shifted(a, d, d), shifted(b, -d, -d)};
        return {shifted(a, -d, -d), shifted(b, d, d)};
    }
    case FrameShape::Oval: {
        const int d = p / 3;
        if (i < n / 2)
            return {shifted(a, d, -d), shifted(b, -d, d)};
        return {shifted(a, d, -d), shifted(b, d, -d)};
    }
    case FrameShape::Triangle: {
        const int d = p / 3;
        if (i < 2 * n / 3)
            return {shifted(a, d, d), shifted(b, -d, -d)};
        return {shifted(a, -d, d), shifted(b, d, -d)};
    }
    case FrameShape::Rhomb: {
        const long double beta = std::atan2(static_cast<long double>(H), static_cast<long double>(W));
        const long double d = roundHalfEven(p / (4 * std::sin(beta))); // a real, so a saturated d negates safely
        if (i % 2 == 0)
            return {shifted(a, d, d), shifted(b, -d, -d)};
        return {shifted(a, -d, d), shifted(b, d, -d)};
    }
    case FrameShape::None:
        break;
    }
    return {a, b};
}

} // namespace

void drawPatternLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle, Colour)
{
    const FrameShape shape = frameShapeOf(seal);
    const int n = seal.LineCount();
    const PointArray &points = seal.linePoints();
    // Points left over from another count (never rebuilt since) are not drawn.
    if (shape == FrameShape::None || n < 1 || points.size() != 2 * qsizetype(n))
        return;
    const int W = seal.width();
    const int H = seal.height();
    const int p = sealPixels(seal, seal.PenWidth());
    const bool codeOnFrame = seal.CodeOn() && !seal.Code().isEmpty();
    const bool codeAtTop = seal.CodeTopOrDown();

    surface.setPenColor(clWhite);
    surface.setPenWidth(sealPixels(seal, seal.LineWidth()));
    surface.setBrushStyle(SurfaceBrush::Clear);
    for (int i = 0; i < n; ++i) {
        if (codeOnFrame && underCode(shape, i, n, W, H, codeAtTop))
            continue;
        const QPoint a = shifted(points[i], x0, y0);
        const QPoint b = shifted(points[n + i], x0, y0);
        if (seal.LineType()) {
            surface.moveTo(a.x(), a.y());
            surface.lineTo(b.x(), b.y());
        } else {
            const Bend bend = bendOf(shape, i, n, p, W, H, a, b);
            surface.polyBezier({a, bend.c1, bend.c2, b});
        }
    }
}

} // namespace qm
