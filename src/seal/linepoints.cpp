#include "seal/linepoints.h"

#include "seal/ellipsewalk.h"

#include <algorithm>
#include <cmath>

namespace qm::LinePoints {

namespace {

QPoint rounded(long double x, long double y)
{
    return QPoint(roundHalfEven(x), roundHalfEven(y));
}

// A side count from the walk, kept within the lines still to place: a degenerate box (zero or
// negative size, a frame wider than the seal) must never index past the 2n points.
int sideCount(long double v, int remaining)
{
    return std::clamp(truncToInt(v), 0, std::max(remaining, 0));
}

} // namespace

PointArray rectangle(int width, int height, bool outSide, bool inSide, int n, int pen)
{
    if (n < 1 || n > MaxLines)
        return {};
    // Real numbers throughout: a hostile size must not overflow integer sums.
    const long double W = width, H = height, p = pen;
    // -1 breaks through the edge by one pixel; p/4 keeps the end a quarter band inside it.
    const long double so = outSide ? -1.0L : p / 4.0L;
    const long double si = inSide ? -1.0L : p / 4.0L;
    const long double f = (2 * W + 2 * H - 8 * so) / n;
    if (!(f > 0) || !std::isfinite(f))
        return {};
    const long double fi = (2 * W + 2 * H - 8 * p + 8 * si) / n;

    // Outer walk clockwise from the top-left corner; each side's leftover carries on.
    const int g = std::clamp(truncToInt((W - 2 * so) / f), -1, n - 1) + 1;
    const long double rT = W - 2 * so - (g - 1) * f;
    const int t = sideCount((H - 2 * so + rT) / f, n - g);
    const long double rR = H - 2 * so + rT - t * f;
    const int u = sideCount((W - 2 * so + rR) / f, n - g - t);
    const long double rB = W - 2 * so + rR - u * f;
    const int l = n - g - t - u;

    // The inner walk uses the same counts with its own step and leftovers.
    const long double rTi = W - 2 * p + 2 * si - (g - 1) * fi;
    const long double rRi = H - 2 * p + 2 * si + rTi - t * fi;
    const long double rBi = W - 2 * p + 2 * si + rRi - u * fi;

    PointArray pts(2 * n);
    int i = 0;
    for (int k = 0; k < g; ++k, ++i) {
        pts[i] = rounded(k * f + so, so);
        pts[n + i] = rounded(k * fi + p - si, p - si);
    }
    for (int k = 0; k < t; ++k, ++i) {
        pts[i] = rounded(W - so, so + f - rT + k * f);
        pts[n + i] = rounded(W - p + si, p + si + fi - rTi + k * fi);
    }
    for (int k = 0; k < u; ++k, ++i) {
        pts[i] = rounded(W - so - f + rR - k * f, H - so);
        pts[n + i] = rounded(W - p + si - fi + rRi - k * fi, H - p + si);
    }
    for (int k = 0; k < l; ++k, ++i) {
        pts[i] = rounded(so, H - so - f + rB - k * f);
        pts[n + i] = rounded(p - si, H - p - si - fi + rBi - k * fi);
    }
    return pts;
}

PointArray oval(int W, int H, bool outSide, bool inSide, bool atTop, int lineAngle, int n, int p)
{
    if (n < 1 || n > MaxLines)
        return {};
    const int lo = outSide ? -1 : p / 3;
    const int li = inSide ? -1 : p / 3;
    const long double ao = (W - static_cast<long double>(lo)) / 2, bo = (H - static_cast<long double>(lo)) / 2;
    const long double ai = (W - 2.0L * p + li) / 2, bi = (H - 2.0L * p + li) / 2;

    // A sweep beyond a full turn wraps; computed directly so that a hostile value costs no loop.
    const int sweep = lineAngle > 3600 ? (lineAngle - 1) % 3600 + 1 : lineAngle;
    // Opposite the code: over the top when the code is at the bottom.
    const int middle = atTop ? 900 : 2700;
    const int start = roundHalfEven(middle - sweep / 2.0L);
    const int end = roundHalfEven(middle + sweep / 2.0L);
    const EllipseWalk walk(ao, bo, start, middle, n);

    const QList<int> stops = walk.walkStops(end, n / 2 + 1);
    PointArray pts(2 * n);
    for (int i = 0; i <= n / 2; ++i) {
        const long double phi = (stops[i] - 1) * TenthToRad;
        const long double c = std::cos(phi), s = std::sin(phi);
        const QPoint outer = rounded(W / 2.0L + ao * c, H / 2.0L - bo * s);
        const QPoint inner = rounded(W / 2.0L + ai * c, H / 2.0L - bi * s);
        pts[i] = outer;
        pts[n + i] = inner;
        // The mirror image about the vertical axis is the line counted from the other end.
        const int j = n - 1 - i;
        pts[j] = QPoint(roundHalfEven(static_cast<long double>(W) - outer.x()), outer.y());
        pts[n + j] = QPoint(roundHalfEven(static_cast<long double>(W) - inner.x()), inner.y());
    }
    return pts;
}

PointArray triangle(int W, int H, bool outSide, bool inSide, int n, int p)
{
    if (n < 1 || n > MaxLines || W <= 0 || H <= 0)
        return {};
    const long double so = outSide ? -1.0L : p / 4.0L;
    const long double si = inSide ? -1.0L : p / 4.0L;

    // Lines on the flat top side in proportion to its share of the perimeter, and an even
    // number left so that both slanted sides get the same count.
    const int m = truncToInt(W / ((W + 2.0L * H) / n));
    int t = m + 1;
    if ((n - m - 1) % 2 != 0)
        ++t;
    t = std::clamp(t, 0, n);
    const int k = (n - t) / 2;

    const long double beta = std::atan(2.0L * H / W);
    const long double band = p / std::sin(beta); // the band's width measured horizontally

    PointArray pts(2 * n);
    int i = 0;
    for (int j = 0; j < t; ++j, ++i) {
        const int x = roundHalfEven(so + W / static_cast<long double>(t) * (j + 0.5L));
        pts[i] = QPoint(x, roundHalfEven(so));
        pts[n + i] = QPoint(x, roundHalfEven(p - si));
    }
    for (int j = 0; j < k; ++j, ++i) {
        const long double u = W / (2.0L * k + 2) * (j + 1);
        const int y = roundHalfEven(H / (k + 1.0L) * (j + 1));
        pts[i] = QPoint(roundHalfEven(so + u), y);
        pts[n + i] = QPoint(roundHalfEven(band - si + u), y);
    }
    for (int j = 0; j < k; ++j, ++i) {
        const long double u = W / (2.0L * k + 2) * (j + 1);
        const int y = roundHalfEven(H / (k + 1.0L) * (j + 1));
        pts[i] = QPoint(roundHalfEven(W - so - u), y);
        pts[n + i] = QPoint(roundHalfEven(W - band + si - u), y);
    }
    return pts;
}

PointArray rhomb(int W, int H, bool outSide, bool inSide, int n, int p)
{
    if (n < 1 || n > MaxLines || W <= 0 || H <= 0)
        return {};
    // -2: the slanted edge needs two pixels to be broken through cleanly.
    const long double so = outSide ? -2.0L : p / 3.0L;
    const long double si = inSide ? -2.0L : p / 3.0L;
    const long double beta = std::atan(static_cast<long double>(H) / W);
    const long double band = p / std::sin(beta);
    const long double dy = 2.0L * H / (n + 2);
    const long double dx = 2.0L * W / (n + 2);

    PointArray pts(2 * n);
    int i = 0;
    // Rows from the left and right vertices towards the top and bottom: upper left, upper right,
    // lower left, lower right.
    for (int r = 1; i < n; ++r) {
        const int upper = roundHalfEven(r * dy);
        const int lower = roundHalfEven(H - r * dy);
        const QPoint leftOuter(roundHalfEven(W / 2.0L + so - r * dx), 0);
        const QPoint leftInner(roundHalfEven(W / 2.0L + band - si - r * dx), 0);
        const QPoint rightOuter(roundHalfEven(W / 2.0L - so + r * dx), 0);
        const QPoint rightInner(roundHalfEven(W / 2.0L - band + si + r * dx), 0);
        const struct {
            QPoint outer, inner;
            int y;
        } row[4] = {{leftOuter, leftInner, upper},
                    {rightOuter, rightInner, upper},
                    {leftOuter, leftInner, lower},
                    {rightOuter, rightInner, lower}};
        for (int q = 0; q < 4 && i < n; ++q, ++i) {
            pts[i] = QPoint(row[q].outer.x(), row[q].y);
            pts[n + i] = QPoint(row[q].inner.x(), row[q].y);
        }
    }
    return pts;
}

} // namespace qm::LinePoints
