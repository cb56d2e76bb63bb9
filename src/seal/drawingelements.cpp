#include "seal/drawingelements.h"

#include "picture/surface.h"
#include "seal/gbk.h"
#include "seal/glyph.h"

#include <cmath>

namespace qm {
namespace {

long double ld(int v)
{
    return v;
}

// Where a line of width pen starts so that it lies inside the box instead of on its edge.
int inset(int origin, int pen)
{
    return roundHalfEven(origin + pen / 2.0L);
}

// An angle in tenths of a degree brought into 0 ... 3599.
int normalisedAngle(int angle)
{
    const int r = angle % 3600;
    return r < 0 ? r + 3600 : r;
}

// No device shows this many dividers of one table; a damaged document may ask for a billion
// over a box a billion pixels wide, which would stall painting for minutes.
constexpr int MaxDividers = 100000;

// Calls line(roundHalfEven(base + k * step)) for k = 1 ... count - 1, at most MaxDividers times.
// Dividers closer than a pixel would repeat positions, and a hostile count would stall
// painting, so then every pixel position between the first and the last divider is visited
// once, in the same order.
template <typename Line> void forEachDivider(long double base, long double step, int count, Line line)
{
    if (std::abs(step) >= 1) {
        for (int k = 1; k < count && k <= MaxDividers; ++k)
            line(roundHalfEven(base + k * step));
        return;
    }
    const int first = roundHalfEven(base + step);
    const int last = roundHalfEven(base + (count - 1) * step);
    const int dir = last >= first ? 1 : -1;
    for (int x = first, visited = 1;; x += dir, ++visited) {
        line(x);
        if (x == last || visited == MaxDividers)
            break;
    }
}

} // namespace

void drawHorizontalLine(Surface &surface, int ox, int oy, int pen, int W, Colour penColor)
{
    surface.setPenColor(penColor);
    surface.setPenWidth(pen);
    const int x0 = inset(ox, pen), y0 = inset(oy, pen);
    surface.moveTo(x0, y0);
    surface.lineTo(roundHalfEven(x0 + ld(W) - pen), y0);
}

void drawVerticalLine(Surface &surface, int ox, int oy, int pen, int H, Colour penColor)
{
    surface.setPenColor(penColor);
    surface.setPenWidth(pen);
    const int x0 = inset(ox, pen), y0 = inset(oy, pen);
    surface.moveTo(x0, y0);
    surface.lineTo(x0, roundHalfEven(y0 + ld(H) - pen));
}

void drawAnyAngleLine(Surface &surface, int ox, int oy, BrushStyle brushStyle, Colour brushColor, Colour penColor,
                      int pen, int angle, int /*length: the box already holds it*/, int H, int W)
{
    setStrokeStyle(surface, pen, brushStyle, brushColor, penColor);
    const int x0 = inset(ox, pen), y0 = inset(oy, pen);
    const int x1 = roundHalfEven(x0 + ld(W) - pen), y1 = roundHalfEven(y0 + ld(H) - pen);
    // The remainder keeps the sign of the angle; documents rely on negative angles falling.
    const int r = angle % 3600;
    const bool rises = (r >= 0 && r < 900) || (r >= 1800 && r < 2700);
    if (rises) {
        surface.moveTo(x0, y1);
        surface.lineTo(x1, y0);
    } else {
        surface.moveTo(x0, y0);
        surface.lineTo(x1, y1);
    }
}

void drawArc(Surface &surface, int ox, int oy, int pen, int startAngle, int endAngle, int H, int W, bool pie,
             BrushStyle brushStyle, Colour brushColor, Colour penColor)
{
    setStrokeStyle(surface, pen, brushStyle, brushColor, penColor);
    const int x0 = inset(ox, pen), y0 = inset(oy, pen);
    const long double w = ld(W) - pen, h = ld(H) - pen;
    const long double cx = x0 + w / 2, cy = y0 + h / 2;

    auto pointAt = [&](int angle) {
        const long double t = angle * TenthToRad;
        const long double s = std::sin(t), c = std::cos(t);
        const long double d = std::sqrt(w * w * s * s + h * h * c * c);
        // A box shrunk to nothing by its pen has its ends at the centre.
        const long double rho = d > 0 ? w * h / d / 2 : 0;
        return QPoint(roundHalfEven(cx + rho * c), roundHalfEven(cy - rho * s));
    };
    const QPoint from = pointAt(startAngle);
    const QPoint to = pointAt(endAngle);
    const int x1 = roundHalfEven(x0 + w), y1 = roundHalfEven(y0 + h);
    if (pie)
        surface.pie(x0, y0, x1, y1, from.x(), from.y(), to.x(), to.y());
    else
        surface.arc(x0, y0, x1, y1, from.x(), from.y(), to.x(), to.y());
}

void drawAnyAngleText(Surface &surface, int ox, int oy, const AnyAngleText &t)
{
    const QString text = Gbk::toUnicode(t.text);
    const qsizetype N = text.size();
    if (N == 0)
        return;
    const FontKeeper keeper(surface);

    const int a = normalisedAngle(t.angle);
    const long double rad = a * TenthToRad;
    const long double cs = std::cos(rad), sn = std::sin(rad);
    const long double W = t.boxW, H = t.boxH, n = static_cast<long double>(N);
    const long double tw = t.tw, th = t.th;

    for (qsizetype i = 0; i < N; ++i) {
        // Middle of part k counted from the start corner, and of part N - k + 1 from the other.
        // Multiplied before dividing, so that a middle on a half pixel stays exactly there.
        const long double fromStart = i + 0.5L;
        const long double fromEnd = N - i - 0.5L;
        long double x = 0, y = 0;
        if (a < 900) { // bottom left to top right
            x = fromStart * W / n;
            y = fromEnd * H / n;
        } else if (a < 1800) { // bottom right to top left
            x = fromEnd * W / n;
            y = fromEnd * H / n;
        } else if (a < 2700) { // top right to bottom left
            x = fromEnd * W / n;
            y = fromStart * H / n;
        } else { // top left to bottom right
            x = fromStart * W / n;
            y = fromStart * H / n;
        }
        // The cell turns about its top-left corner: move that corner so the turned cell is centred.
        x = ox + x - tw / 2 * cs - th / 2 * sn;
        y = oy + y + tw / 2 * sn - th / 2 * cs;

        const QChar ch = text[i];
        surface.setFont(createGlyphFont(t.th, t.tw, isDoubleByte(ch), a, t.style.weight, t.style.italic, t.style.face));
        drawGlyph(surface, roundHalfEven(x), roundHalfEven(y), ch, false, t.style.brushStyle, t.style.penColor,
                  t.style.blank, t.style.pen);
    }
}

void drawCells(Surface &surface, int ox, int oy, int linePen, int framePen, int rows, int columns, int H, int W,
               BrushStyle brushStyle, Colour brushColor, Colour penColor)
{
    if (brushStyle == BrushStyle::bsSolid) {
        // White lines on a ground filled with ink.
        surface.setPenColor(clWhite);
        surface.setBrushColor(brushColor);
    } else {
        surface.setPenColor(penColor);
        surface.setBrushStyle(toSurfaceBrush(brushStyle));
    }
    surface.setPenWidth(framePen);
    const int m = roundHalfEven(framePen / 2.0L);
    const int left = roundHalfEven(ld(ox) + m), top = roundHalfEven(ld(oy) + m);
    surface.rectangle(left, top, roundHalfEven(ld(left) + W - framePen), roundHalfEven(ld(top) + H - framePen));

    if (std::min(rows, columns) < 2)
        return;
    surface.setPenWidth(linePen);
    const long double e = ld(framePen) - roundHalfEven(linePen / 2.0L);
    const long double cw = (ld(W) - 2 * ld(framePen) + linePen) / columns;
    const long double rh = (ld(H) - 2 * ld(framePen) + linePen) / rows;
    const int yTop = roundHalfEven(oy + e), yBottom = roundHalfEven(oy + ld(H) - e);
    const int xLeft = roundHalfEven(ox + e), xRight = roundHalfEven(ox + ld(W) - e);
    forEachDivider(ox + e, cw, columns, [&](int x) {
        surface.moveTo(x, yTop);
        surface.lineTo(x, yBottom);
    });
    forEachDivider(oy + e, rh, rows, [&](int y) {
        surface.moveTo(xLeft, y);
        surface.lineTo(xRight, y);
    });
}

} // namespace qm
