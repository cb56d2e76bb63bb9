// Centre lines of official seals: the transfer-wheel box, its bracket form, the open lines
// across the seal, the oval form ending on the frame's ellipse and the single line.

#include "seal/officialseals.h"

#include "picture/surface.h"
#include "seal/seal.h"
#include "seal/sealframes.h"

#include <cmath>

namespace qm {

namespace {

// The box of the centre lines in real pixels; every coordinate is rounded where it is used.
struct CentreBox {
    int W = 0, H = 0;
    int c4 = 0;        // line width
    long double t = 0; // half the main frame width
    long double A = 0, Ym = 0;
    long double xl = 0, xr = 0, yt = 0, yb = 0;
    long double gapLeft = 0, gapRight = 0; // ends of the lines either side of the gap
    int gp = 0;
    int cw0 = 0, chh = 0, cx = 0, cy = 0;
};

CentreBox centreBox(const Seal &seal, int x0, int y0)
{
    CentreBox b;
    b.W = seal.width();
    b.H = seal.height();
    b.c4 = sealPixels(seal, seal.PenWidth4());
    b.t = sealPixels(seal, seal.PenWidth()) / 2.0L;
    b.cw0 = sealPixels(seal, seal.CLWidth());
    b.chh = sealPixels(seal, seal.CLHeight());
    b.cx = sealPixels(seal, seal.CLineCenterX());
    b.cy = sealPixels(seal, seal.CLineCenterY());
    b.gp = sealPixels(seal, seal.LineABW());
    b.A = x0 + b.W / 2.0L + b.cx;
    b.Ym = y0 + b.H / 2.0L + b.cy;
    b.xl = b.A - b.cw0 / 2.0L + b.t;
    b.xr = b.A + b.cw0 / 2.0L - b.t;
    b.yt = b.Ym - b.chh / 2.0L + b.t;
    b.yb = b.Ym + b.chh / 2.0L - b.t;
    b.gapLeft = b.A - b.gp / 2.0L + b.t;
    b.gapRight = b.A + b.gp / 2.0L - b.t;
    return b;
}

void useCentreLinePen(Surface &surface, int width, BrushStyle brushStyle, Colour ink)
{
    surface.setPenWidth(width);
    surface.setPenColor(brushStyle == BrushStyle::bsClear ? ink : clWhite);
    surface.setBrushStyle(SurfaceBrush::Clear);
}

void line(Surface &surface, long double x1, long double y1, long double x2, long double y2)
{
    surface.moveTo(roundHalfEven(x1), roundHalfEven(y1));
    surface.lineTo(roundHalfEven(x2), roundHalfEven(y2));
}

// A horizontal line from `from` to `to` at y, left open around the centre when there is a gap.
void horizontal(Surface &surface, const CentreBox &b, long double from, long double to, long double y)
{
    if (b.gp == 0) {
        line(surface, from, y, to, y);
        return;
    }
    line(surface, from, y, b.gapLeft, y);
    line(surface, b.gapRight, y, to, y);
}

void boxSides(Surface &surface, const CentreBox &b, long double yt, long double yb)
{
    line(surface, b.xl, yt, b.xl, yb);
    line(surface, b.xr, yt, b.xr, yb);
}

} // namespace

void drawRectCentreLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink,
                         bool closed)
{
    const CentreBox b = centreBox(seal, x0, y0);
    if (b.c4 < 1)
        return;
    useCentreLinePen(surface, b.c4, brushStyle, ink);
    if (closed && b.gp == 0) {
        surface.rectangle(roundHalfEven(b.xl), roundHalfEven(b.yt), roundHalfEven(b.xr), roundHalfEven(b.yb));
    } else if (closed) {
        // Two brackets facing each other across the gap.
        surface.moveTo(roundHalfEven(b.gapLeft), roundHalfEven(b.yt));
        surface.lineTo(roundHalfEven(b.xl), roundHalfEven(b.yt));
        surface.lineTo(roundHalfEven(b.xl), roundHalfEven(b.yb));
        surface.lineTo(roundHalfEven(b.gapLeft), roundHalfEven(b.yb));
        surface.moveTo(roundHalfEven(b.gapRight), roundHalfEven(b.yt));
        surface.lineTo(roundHalfEven(b.xr), roundHalfEven(b.yt));
        surface.lineTo(roundHalfEven(b.xr), roundHalfEven(b.yb));
        surface.lineTo(roundHalfEven(b.gapRight), roundHalfEven(b.yb));
    } else {
        // Open: the horizontal lines run across the seal from frame to frame.
        const long double xL = x0 + b.t;
        const long double xR = static_cast<long double>(x0) + b.W - b.t;
        horizontal(surface, b, xL, xR, b.yt);
        horizontal(surface, b, xL, xR, b.yb);
        boxSides(surface, b, b.yt, b.yb);
    }
}

void drawOvalCentreLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const CentreBox b = centreBox(seal, x0, y0);
    if (b.c4 < 1)
        return;
    const int p = sealPixels(seal, seal.PenWidth());
    // The lines end on the frame's centre-line ellipse; a box taller than it has no ends.
    const long double D = static_cast<long double>(b.H) - p;
    if (D == 0)
        return;
    const long double top = (b.chh - 2.0L * b.cy) / D;
    const long double bottom = (b.chh + 2.0L * b.cy) / D;
    if (top < -1 || top > 1 || bottom < -1 || bottom > 1)
        return;
    const long double semi = (static_cast<long double>(b.W) - p) / 2;
    const long double hxTop = semi * std::sqrt(1 - top * top);
    const long double hxBottom = semi * std::sqrt(1 - bottom * bottom);
    const long double mid = x0 + b.W / 2.0L;
    const int yt = roundHalfEven(b.yt);
    const int yb = roundHalfEven(b.yb);

    useCentreLinePen(surface, b.c4, brushStyle, ink);
    horizontal(surface, b, mid - hxTop, mid + hxTop, yt);
    horizontal(surface, b, mid - hxBottom, mid + hxBottom, yb);
    boxSides(surface, b, yt, yb);
}

void drawSingleCentreLine(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const CentreBox b = centreBox(seal, x0, y0);
    if (b.c4 <= 0)
        return;
    useCentreLinePen(surface, b.c4, brushStyle, ink);
    const int y = roundHalfEven(y0 + b.H / 2.0L + b.cy);
    const long double piece = (static_cast<long double>(b.cw0) - b.gp) / 2;
    const int left = roundHalfEven(b.A - b.gp / 2.0L - b.c4 / 2.0L);
    const int right = roundHalfEven(b.c4 / 2.0L + b.gp / 2.0L + b.A);
    line(surface, left, y, left - piece, y);
    line(surface, right, y, right + piece, y);
}

} // namespace qm
