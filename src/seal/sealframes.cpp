// The frames of seals: stroked outlines for rectangles, rounded and cut corners and ellipses;
// filled bands for triangles and rhombs.

#include "seal/sealframes.h"

#include "picture/surface.h"
#include "seal/glyph.h"
#include "seal/seal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qm {

FrameShape frameShapeOf(const Seal &seal)
{
    const int kind = int(seal.SealType());
    if (kind > int(SealType::stRhomb))
        return FrameShape::None;
    if (seal.SealType() == SealType::stTriangle)
        return FrameShape::Triangle;
    if (seal.SealType() == SealType::stRhomb)
        return FrameShape::Rhomb;
    if (seal.SealType() == SealType::stEllipse || seal.SealType() == SealType::stEpsCL ||
        seal.NameSealFrameType() == FrameType::ftEllipse)
        return FrameShape::Oval;
    return FrameShape::Rectangular;
}

int sealPixels(const Seal &seal, float mm)
{
    return roundHalfEven(seal.scale() * mm);
}

namespace {

// Integer sums of pixel values that a hostile size could push past the int range.
int add(long double a, long double b = 0, long double c = 0)
{
    return roundHalfEven(a + b + c);
}

void outline(Surface &surface, FrameType shape, int l, int t, int r, int b, int corner)
{
    switch (shape) {
    case FrameType::ftRectangle:
        surface.rectangle(l, t, r, b);
        break;
    case FrameType::ftRoundRect:
        surface.roundRect(l, t, r, b, corner, corner);
        break;
    case FrameType::ftDiamond: {
        const long double s = corner; // negated as a real, so a saturated corner cannot overflow
        surface.polygon({QPoint(add(l, s), t), QPoint(add(r, -s), t), QPoint(r, add(t, s)), QPoint(r, add(b, -s)),
                         QPoint(add(r, -s), b), QPoint(add(l, s), b), QPoint(l, add(b, -s)), QPoint(l, add(t, s))});
        break;
    }
    case FrameType::ftEllipse:
        surface.ellipse(l, t, r, b);
        break;
    }
}

// An outline of pen width w whose outer edge lies `inset` pixels inside the box's edge.
void insetOutline(Surface &surface, FrameType shape, int x0, int y0, int W, int H, int inset, int w, int corner)
{
    const int left = roundHalfEven(static_cast<long double>(x0) + inset + w / 2.0L);
    const int top = roundHalfEven(static_cast<long double>(y0) + inset + w / 2.0L);
    outline(surface, shape, left, top, add(left, W, -2.0L * inset - w), add(top, H, -2.0L * inset - w), corner);
}

// A triangle or rhomb by its corners, in the order the bands are split.
using Corners = QList<QPoint>;

// Fills the band between two triangles (top-left, top-right, apex) as two polygons.
void fillTriangleBand(Surface &surface, const Corners &o, const Corners &i)
{
    surface.polygon({i[0], o[0], o[1], o[2], i[2], i[1]});
    surface.polygon({o[0], o[2], i[2], i[0]});
}

// Fills the band between two rhombs (top, left, bottom, right) as its right and left halves.
void fillRhombBand(Surface &surface, const Corners &o, const Corners &i)
{
    surface.polygon({i[0], o[0], o[3], o[2], i[2], i[3]});
    surface.polygon({o[0], i[0], i[1], i[2], o[2], o[1]});
}

void useBandStyle(Surface &surface, Colour colour)
{
    surface.setPenWidth(1);
    surface.setPenColor(colour);
    surface.setBrushColor(colour);
    surface.setBrushStyle(SurfaceBrush::Solid);
}

// Band widths and gaps of a filled frame: main band, lining band at its gap, inner band at its gap.
struct BandWidths {
    int e, e1, g1, e2, g2;
};

// The main band, the negative fill of its inside, then the lining and inner bands moved inward
// from the main band's inner outline, for triangles and rhombs alike.
template <typename Inward, typename FillBand>
void drawBands(Surface &surface, BrushStyle brushStyle, Colour ink, const BandWidths &b, const Corners &outer,
               const Corners &inner, const Inward &inward, FillBand fillBand)
{
    useBandStyle(surface, ink);
    if (b.e >= 0)
        fillBand(surface, outer, inner);
    if (brushStyle == BrushStyle::bsSolid) {
        surface.polygon(inner);
        useBandStyle(surface, clWhite);
    }
    if (b.e1 > 0) {
        const Corners lining = inward(inner, b.g1);
        fillBand(surface, lining, inward(lining, b.e1));
    }
    if (b.e2 > 0) {
        const Corners inside = inward(inner, b.g2);
        fillBand(surface, inside, inward(inside, b.e2));
    }
}

} // namespace

void drawOutlineFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink, bool oval)
{
    const int W = seal.width();
    const int H = seal.height();
    const int e = sealPixels(seal, seal.PenWidth());
    const int e1 = sealPixels(seal, seal.PenWidth1());
    const int g1 = sealPixels(seal, seal.OutInDelta());
    const int e2 = sealPixels(seal, seal.PenWidth2());
    const int g2 = sealPixels(seal, seal.InDelta());
    const int corner = sealPixels(seal, seal.RealSR());
    const FrameType shape = oval ? FrameType::ftEllipse : seal.NameSealFrameType();

    // A negative seal fills the main frame with ink; a zero width is still the thinnest line.
    setShapeStyle(surface, brushStyle, e, ink, ink);
    if (e >= 0)
        insetOutline(surface, shape, x0, y0, W, H, 0, e, corner);
    useInnerColours(surface, brushStyle);
    // The lining and the inner frame are outlines only, whatever the polarity.
    surface.setBrushStyle(SurfaceBrush::Clear);
    if (e1 >= 1) {
        surface.setPenWidth(e1);
        insetOutline(surface, shape, x0, y0, W, H, add(e, g1), e1, corner);
    }
    if (e2 >= 1) {
        surface.setPenWidth(e2);
        insetOutline(surface, shape, x0, y0, W, H, add(e, g2), e2, corner);
    }
}

void drawTriangleFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const int W = seal.width();
    const int H = seal.height();
    if (std::min(W, H) <= 0)
        return;
    const int e = sealPixels(seal, seal.PenWidth());
    const int e1 = sealPixels(seal, seal.PenWidth1());
    const int g1 = sealPixels(seal, seal.OutInDelta());
    const int e2 = sealPixels(seal, seal.PenWidth2());
    const int g2 = sealPixels(seal, seal.InDelta());

    // Half the apex angle; a band of width w moves a top corner kx·w sideways and the apex
    // ky·w up.
    const long double theta = std::atan(W / (2.0L * H));
    const long double kx = 1 / std::tan(std::numbers::pi_v<long double> / 4 - theta / 2);
    const long double ky = 1 / std::sin(theta);
    const auto inward = [&](const Corners &c, int w) {
        // Negated as reals: a saturated inset must not overflow.
        const long double dx = roundHalfEven(w * kx);
        return Corners{QPoint(add(c[0].x(), dx), add(c[0].y(), w)), QPoint(add(c[1].x(), -dx), add(c[1].y(), w)),
                       QPoint(c[2].x(), add(c[2].y(), -static_cast<long double>(roundHalfEven(w * ky))))};
    };

    const Corners outer{QPoint(x0, y0), QPoint(add(x0, W, -1), y0),
                        QPoint(roundHalfEven(x0 + W / 2.0L - 1), add(y0, H, -1))};
    const int ex = roundHalfEven(e * kx);
    const Corners inner{QPoint(add(x0, ex, -1), add(y0, e, -1)), QPoint(add(x0, W, -1.0L - ex), add(y0, e, -1)),
                        QPoint(outer[2].x(), add(y0, H, -1.0L - roundHalfEven(e * ky)))};

    drawBands(surface, brushStyle, ink, {e, e1, g1, e2, g2}, outer, inner, inward, fillTriangleBand);
}

void drawRhombFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const int W = seal.width();
    const int H = seal.height();
    if (std::min(W, H) <= 0)
        return;
    const int e = sealPixels(seal, seal.PenWidth());
    const int e1 = sealPixels(seal, seal.PenWidth1());
    const int g1 = sealPixels(seal, seal.OutInDelta());
    const int e2 = sealPixels(seal, seal.PenWidth2());
    const int g2 = sealPixels(seal, seal.InDelta());

    const long double alpha = std::atan(static_cast<long double>(W) / H);
    // Top and bottom vertices move vertically, left and right horizontally.
    const auto inward = [&](const Corners &c, int w) {
        const long double dy = roundHalfEven(w / std::sin(alpha));
        const long double dx = roundHalfEven(w / std::cos(alpha));
        return Corners{QPoint(c[0].x(), add(c[0].y(), dy)), QPoint(add(c[1].x(), dx), c[1].y()),
                       QPoint(c[2].x(), add(c[2].y(), -dy)), QPoint(add(c[3].x(), -dx), c[3].y())};
    };

    const int midX = roundHalfEven(x0 + W / 2.0L - 1);
    const int midY = roundHalfEven(y0 + H / 2.0L - 1);
    const Corners outer{QPoint(midX, y0), QPoint(x0, midY), QPoint(midX, add(y0, H, -1)), QPoint(add(x0, W, -1), midY)};
    const Corners inner = inward(outer, e);

    drawBands(surface, brushStyle, ink, {e, e1, g1, e2, g2}, outer, inner, inward, fillRhombBand);
}

} // namespace qm
