#include "seal/nameseals.h"

#include "picture/surface.h"
#include "seal/gbk.h"
#include "seal/glyph.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

// One character cell: its top-left corner (still real) and its size.
struct Cell {
    long double x = 0;
    long double y = 0;
    int w = 0;
    int h = 0;
};

struct CellLayout {
    std::array<Cell, 4> cells;
    int count = 0; // the most characters the kind holds
};

// The cells of a kind in reading order. Xc, Yc are kept real so that an odd box or block size
// does not shift the characters by half a pixel before the final rounding.
CellLayout cellsOf(SealType kind, int ox, int oy, const NameSealText &t)
{
    const long double xc = ox + t.boxW / 2.0L + t.cx;
    const long double yc = oy + t.boxH / 2.0L + t.cy;
    const long double left = xc - t.bw / 2.0L;
    const long double right = xc + t.bw / 2.0L;
    const long double top = yc - t.bh / 2.0L;
    const long double bottom = yc + t.bh / 2.0L;
    const int w = t.w, h = t.h, w1 = t.w1, h1 = t.h1;

    // The four corners of the square kinds, one pixel up and left as they were designed.
    const Cell topRight{right - w - 1, top - 1, w, h};
    const Cell bottomRight{right - w - 1, bottom - h - 1, w, h};
    const Cell topLeft{left - 1, top - 1, w, h};
    const Cell bottomLeft{left - 1, bottom - h - 1, w, h};

    CellLayout l;
    switch (kind) {
    case SealType::stName22:
        l.cells = {topRight, bottomRight, topLeft, bottomLeft};
        l.count = 4;
        break;
    case SealType::stName4: {
        // The first cell touches the left edge of the block and the last the right edge.
        const long double step = (static_cast<long double>(t.bw) - w) / 3;
        for (int k = 0; k < 4; ++k)
            l.cells[size_t(k)] = {left + k * step, yc - h / 2.0L, w, h};
        l.count = 4;
        break;
    }
    case SealType::stName12:
        l.cells = {topRight, bottomRight, Cell{left - 1, yc - h1 / 2.0L - 1, w1, h1}};
        l.count = 3;
        break;
    case SealType::stName12A:
        l.cells = {Cell{xc - w1 / 2.0L - 1, top - 1, w1, h1}, bottomRight, bottomLeft};
        l.count = 3;
        break;
    case SealType::stName21:
        l.cells = {topLeft, bottomLeft, Cell{right - w1 - 1, yc - h1 / 2.0L - 1, w1, h1}};
        l.count = 3;
        break;
    case SealType::stName21A:
        l.cells = {topRight, topLeft, Cell{xc - w1 / 2.0L - 1, bottom - h1 - 1, w1, h1}};
        l.count = 3;
        break;
    case SealType::stName11:
        l.cells = {Cell{left, yc - h / 2.0L, w, h}, Cell{right - w, yc - h / 2.0L, w, h}};
        l.count = 2;
        break;
    case SealType::stName11A:
        l.cells = {Cell{xc - w / 2.0L, top, w, h}, Cell{xc - w / 2.0L, bottom - h, w, h}};
        l.count = 2;
        break;
    case SealType::stName111:
        l.cells = {Cell{left, yc - h / 2.0L, w, h}, Cell{xc - w / 2.0L, yc - h / 2.0L, w, h},
                   Cell{right - w, yc - h / 2.0L, w, h}};
        l.count = 3;
        break;
    default:
        break; // not a name seal: no cells
    }
    return l;
}

} // namespace

void drawNameSeal(SealType kind, Surface &surface, int ox, int oy, const NameSealText &t)
{
    if (t.text.isEmpty())
        return; // the frame alone
    const CellLayout layout = cellsOf(kind, ox, oy, t);
    const FontKeeper keeper(surface);

    // One 16-bit unit per cell: a Chinese character and a Latin letter take a cell each.
    const QString chars = Gbk::toUnicode(t.text);
    const qsizetype n = std::min<qsizetype>(chars.size(), layout.count);
    const GlyphStyle &s = t.style;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = chars.at(i);
        const Cell &cell = layout.cells[size_t(i)];
        // A double-byte glyph is two font widths wide, so it gets half the cell as its width.
        surface.setFont(createGlyphFont(cell.h, cell.w, isDoubleByte(c), 0, s.weight, s.italic, s.face));
        drawGlyph(surface, roundHalfEven(cell.x), roundHalfEven(cell.y), c, false, s.brushStyle, s.penColor, s.blank,
                  s.pen);
    }
}

} // namespace qm
