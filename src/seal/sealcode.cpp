// The serial code: straight on rectangles and triangles, along the ellipse on oval frames,
// along the upper-left side on rhombs.

#include "seal/officialseals.h"

#include "picture/surface.h"
#include "seal/ellipsewalk.h"
#include "seal/gbk.h"
#include "seal/glyph.h"
#include "seal/seal.h"
#include "seal/sealframes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qm {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// Everything the code's characters share.
struct CodeStyle {
    QString text;
    int cw = 0, ch = 0; // character width and height
    int p = 0;          // main frame width
    int d = 0;          // distance from the frame when written inside it
    int W = 0, H = 0;
    bool onFrame = true;
    bool atTop = false;
    int weight = 700;
    bool italic = false;
    bool blank = false;
    int stroke = 0;
    QByteArray face;
    BrushStyle brushStyle = BrushStyle::bsClear;
    Colour ink = clRed;
};

// A code on the frame band is white on the ink (inverse); inside the frame it takes the inner
// colour. The code is single-byte: its font width is never halved.
void drawCodeChar(Surface &surface, const CodeStyle &c, long double x, long double y, int escapement, QChar character)
{
    surface.setFont(createGlyphFont(c.ch, c.cw, false, escapement, c.weight, c.italic, c.face));
    drawGlyph(surface, roundHalfEven(x), roundHalfEven(y), character, c.onFrame, c.brushStyle, c.ink, c.blank,
              c.stroke);
}

void drawStraightCode(Surface &surface, int x0, int y0, const CodeStyle &c, int length)
{
    long double y;
    if (c.onFrame)
        y = c.atTop ? y0 + c.p / 2.0L - c.ch / 2.0L : static_cast<long double>(y0) + c.H - c.p / 2.0L - c.ch / 2.0L;
    else
        y = c.atTop ? static_cast<long double>(y0) + c.p + c.d : static_cast<long double>(y0) + c.H - c.p - c.d - c.ch;
    // The character centres divide a segment of `length`, centred on the side, into n + 1 parts.
    const qsizetype n = c.text.size();
    const long double step = static_cast<long double>(length) / (n + 1);
    const long double first = step + (x0 + (static_cast<long double>(c.W) - length) / 2) - c.cw / 2.0L;
    for (qsizetype i = 0; i < n; ++i)
        drawCodeChar(surface, c, first + step * i, y, 0, c.text[i]);
}

void drawOvalCode(Surface &surface, int x0, int y0, const CodeStyle &c, int sweepTenths)
{
    long double ew, eh;
    if (!c.onFrame) {
        ew = c.W - 2.0L * (static_cast<long double>(c.p) + c.d);
        eh = c.H - 2.0L * (static_cast<long double>(c.p) + c.d);
    } else {
        // Centred on the band: the cells of a top code hang inwards from the ellipse, those of a
        // bottom code stand on it.
        const long double grow = c.atTop ? c.ch : 7.0L * c.ch / 8;
        ew = static_cast<long double>(c.W) - c.p + grow;
        eh = static_cast<long double>(c.H) - c.p + grow;
    }
    if (std::min(ew, eh) <= 0)
        return;
    // A sweep beyond a full turn wraps; computed directly so that a hostile value costs no loop.
    const int sweep = sweepTenths > 3600 ? (sweepTenths - 1) % 3600 + 1 : sweepTenths;
    const int n = int(c.text.size());
    const int middle = c.atTop ? 900 : 2700;
    const int start = roundHalfEven(middle - sweep / 2.0L);
    const int end = roundHalfEven(middle + sweep / 2.0L);
    const long double a = ew / 2, b = eh / 2;
    const EllipseWalk walk(a, b, start, middle, n);
    // A quarter character width along the ring, so the cell rather than its corner sits on the
    // walked point.
    const long double delta = c.cw / (4 * std::sqrt(a * a + b * b)) / TenthToRad;
    const long double q = 3.0L * c.cw / 4;

    const QList<int> stops = walk.walkStops(end, n);
    for (int i = 0; i < n; ++i) {
        const int walked = stops[i] - 1;
        const long double phiTenths = c.atTop ? walked - delta : walked + delta;
        const long double phi = phiTenths * TenthToRad;
        const long double cp = std::cos(phi), sp = std::sin(phi);
        const long double px = x0 + c.W / 2.0L + a * cp;
        const long double py = y0 + c.H / 2.0L - b * sp;
        const long double tau = std::atan2(-b * cp, a * sp); // the clockwise tangent
        const long double radius = std::sqrt(a * a * sp * sp + b * b * cp * cp);
        long double rho = radius > 0 ? -std::acos(std::clamp(a * sp / radius, -1.0L, 1.0L)) : 0;
        if (phiTenths >= 900 && phiTenths <= 2700)
            rho = -rho;
        if (c.atTop) {
            drawCodeChar(surface, c, px - q * std::cos(tau), py + q * std::sin(tau), roundHalfEven(rho / TenthToRad),
                         c.text[i]);
        } else {
            // From the last character at the right end, so that the bottom code reads left to right.
            drawCodeChar(surface, c, px + q * std::cos(tau) - c.ch * cp, py - q * std::sin(tau) + c.ch * sp,
                         roundHalfEven((rho + Pi) / TenthToRad), c.text[n - 1 - i]);
        }
    }
}

void drawRhombCode(Surface &surface, int x0, int y0, const CodeStyle &c, int length)
{
    if (c.W <= 0 || c.H <= 0)
        return;
    const long double gamma = std::atan(static_cast<long double>(c.H) / c.W);
    const long double sg = std::sin(gamma), cg = std::cos(gamma);
    const long double cy = sg * length, cx = cg * length;
    const long double n = c.text.size();
    long double fy = c.H / 4.0L + cy / 2 - cy / (2 * n) - cg * c.ch / 2 + sg * c.cw / 2;
    long double fx = c.W / 4.0L - cx / 2 + cx / (2 * n) - cg * c.cw / 2 - sg * c.ch / 2 + c.p / (2 * sg);
    if (!c.onFrame) {
        fy += sg * (static_cast<long double>(c.d) + c.ch);
        fx += cg * (static_cast<long double>(c.d) + c.ch);
    }
    const int escapement = roundHalfEven(gamma / TenthToRad);
    for (qsizetype i = 0; i < c.text.size(); ++i)
        drawCodeChar(surface, c, fx + x0 + cx * i / n, fy + y0 - cy * i / n, escapement, c.text[i]);
}

} // namespace

void drawCode(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink)
{
    const FrameShape shape = frameShapeOf(seal);
    CodeStyle c;
    // Decoded like every seal text, so that a stray double-byte character stays one glyph.
    c.text = Gbk::toUnicode(seal.Code());
    if (shape == FrameShape::None || c.text.isEmpty())
        return;
    c.cw = sealPixels(seal, seal.CodeWidth());
    c.ch = sealPixels(seal, seal.CodeHeight());
    c.p = sealPixels(seal, seal.PenWidth());
    c.d = sealPixels(seal, seal.CodeToFrame());
    c.W = seal.width();
    c.H = seal.height();
    c.onFrame = seal.CodeOn();
    c.atTop = seal.CodeTopOrDown();
    c.weight = seal.CodeWeight();
    c.italic = seal.CItalic();
    c.blank = seal.CBlank();
    c.stroke = roundHalfEven(seal.scale() * seal.CodePenWidth() / 100);
    c.face = fontSlotName(seal.CodeFontName());
    c.brushStyle = brushStyle;
    c.ink = ink;
    const int length = sealPixels(seal, seal.CodeLength());

    const FontKeeper keeper(surface);
    switch (shape) {
    case FrameShape::Rectangular:
        drawStraightCode(surface, x0, y0, c, length);
        break;
    case FrameShape::Triangle:
        c.atTop = true; // only the flat side can carry it
        drawStraightCode(surface, x0, y0, c, length);
        break;
    case FrameShape::Oval:
        drawOvalCode(surface, x0, y0, c, seal.CodeAngle());
        break;
    case FrameShape::Rhomb:
        drawRhombCode(surface, x0, y0, c, length);
        break;
    case FrameShape::None:
        break;
    }
}

} // namespace qm
