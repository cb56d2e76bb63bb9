#include "seal/textlayouts.h"

#include "picture/surface.h"
#include "seal/ellipsewalk.h"
#include "seal/gbk.h"
#include "seal/glyph.h"

#include <QHash>

#include <cmath>
#include <numbers>

namespace qm {
namespace {

void drawCharacter(Surface &surface, long double x, long double y, QChar ch, bool doubleByte, int tw, int th,
                   int escapement, const GlyphStyle &style)
{
    surface.setFont(createGlyphFont(th, tw, doubleByte, escapement, style.weight, style.italic, style.face));
    drawGlyph(surface, roundHalfEven(x), roundHalfEven(y), ch, false, style.brushStyle, style.penColor, style.blank,
              style.pen);
}

struct GlyphRun {
    GlyphRun(Surface &s, qreal spacing) : surface(s) { surface.beginGlyphRun(spacing); }
    ~GlyphRun() { surface.endGlyphRun(); }
    GlyphRun(const GlyphRun &) = delete;
    GlyphRun &operator=(const GlyphRun &) = delete;
    Surface &surface;
};

// Spans beyond a full turn wrap; computed directly so that a hostile value costs no loop.
int reducedSpan(int span)
{
    return span > 3600 ? (span - 1) % 3600 + 1 : span;
}

} // namespace

void drawTextBlock(Surface &surface, int ox, int oy, const TextBlock &block)
{
    const int lines = block.lineCount;
    if (lines <= 0)
        return;
    const FontKeeper keeper(surface);

    const QString text = Gbk::toUnicode(block.text);
    const qsizetype N = text.size();
    const qsizetype n = N / lines + (N % lines != 0 ? 1 : 0);
    if (n == 0)
        return;

    const long double tw = block.tw, th = block.th;
    const long double bw = block.blockW, bh = block.blockH;
    // The block sits one pixel up and left of its centred place, as seals were designed.
    const long double D = ox + block.boxW / 2.0L + block.cx - bw / 2 - 1;
    const long double E = oy + block.boxH / 2.0L + block.cy - bh / 2 - 1;

    for (qsizetype j = 0; j < N; ++j) {
        const long double g = j / n + 1; // line
        const long double k = j % n + 1; // place within the line
        long double x = 0, y = 0;
        if (block.rowCol) {
            const long double slot = (k - 0.5L) * bw / n;
            x = block.leftRight ? D + slot - tw / 2 : D + bw - slot - tw / 2;
            y = E + (g - 0.5L) * bh / lines - th / 2;
        } else {
            x = block.leftRight ? D + (g - 0.5L) * bw / lines - tw / 2 : D + (lines - g + 0.5L) * bw / lines - tw / 2;
            y = E + (k - 0.5L) * bh / n - th / 2;
        }
        drawCharacter(surface, x, y, text[j], isDoubleByte(text[j]), block.tw, block.th, 0, block.style);
    }
}

void drawEllipseText(Surface &surface, int ox, int oy, const EllipseText &ring)
{
    const QString text = Gbk::toUnicode(ring.text);
    const int N = int(text.size());
    const int ew = ring.ellipseW, eh = ring.ellipseH;
    if (N == 0 || std::min(ew, eh) <= 0)
        return;

    const int span = reducedSpan(ring.span);
    const int middle = ring.topOrDown ? 900 : 2700;
    const int start = roundHalfEven(middle - span / 2.0L);
    const int end = roundHalfEven(middle + span / 2.0L);

    const long double a = ew / 2.0L, b = eh / 2.0L;
    const long double Cx = ox + ring.boxW / 2.0L + ring.cx - 1;
    const long double Cy = oy + ring.boxH / 2.0L + ring.cy - 1;
    const EllipseWalk walk(a, b, start, middle, N);

    const long double tw = ring.tw, th = ring.th;
    const long double ew2 = static_cast<long double>(ew) * ew;
    const long double eh2 = static_cast<long double>(eh) * eh;
    const long double pi = std::numbers::pi_v<long double>;

    surface.setBrushStyle(SurfaceBrush::Clear);
    const FontKeeper keeper(surface);
    // Long rings repeat their characters at the same place and angle. The walk's pitch is in
    // steps of a tenth of a degree of f, so times the step it is the arc between characters.
    const GlyphRun run(surface, qreal(walk.pitch() * TenthToRad));

    // A long ring repeats a few characters; each is looked up in the code page once.
    QHash<char16_t, bool> doubleBytes;
    auto isWide = [&doubleBytes](QChar c) {
        auto it = doubleBytes.constFind(c.unicode());
        if (it == doubleBytes.constEnd())
            it = doubleBytes.insert(c.unicode(), isDoubleByte(c));
        return *it;
    };

    const QList<int> stops = walk.walkStops(end, N);
    for (int i = 0; i < N; ++i) {
        const int theta = stops[i] - 1;
        const auto [sn, cs] = sinCosOfTenths(theta);
        const long double px = Cx + a * cs;
        const long double py = Cy - b * sn;
        // The clockwise tangent at P: the direction the text reads in.
        const long double phi = std::atan2(-eh2 * a * cs, ew2 * b * sn);

        long double r = std::acos(std::clamp(ew * sn / std::sqrt(ew2 * sn * sn + eh2 * cs * cs), -1.0L, 1.0L));
        if (!(theta >= 900 && theta < 2700))
            r = -r;

        long double x = 0, y = 0;
        int escapement = 0;
        QChar ch;
        if (ring.topOrDown) {
            x = px - tw / 2 * std::cos(phi);
            y = py + tw / 2 * std::sin(phi);
            escapement = roundHalfEven(r / TenthToRad);
            ch = text[i];
        } else {
            // Lower text stands with its tops towards the centre and is walked from its end.
            x = px + tw / 2 * std::cos(phi) - th * cs;
            y = py - tw / 2 * std::sin(phi) + th * sn;
            escapement = roundHalfEven((r + pi) / TenthToRad);
            ch = text[N - 1 - i];
        }
        drawCharacter(surface, x, y, ch, isWide(ch), ring.tw, ring.th, escapement, ring.style);
    }
}

} // namespace qm
