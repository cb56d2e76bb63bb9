#pragma once

#include "seal/sealtypes.h"

#include <QByteArray>

namespace qm {

class Surface;

// Character style shared by the text layouts: passed on to CreateGlyphFont and DrawGlyph.
struct GlyphStyle {
    int weight = 700;
    bool italic = false;
    bool blank = false;
    int pen = 0;     // outline pen in pixels
    QByteArray face; // GBK face name
    BrushStyle brushStyle = BrushStyle::bsClear;
    Colour brushColor = clRed;
    Colour penColor = clRed;
};

// Text in rows or columns filling a block of bw x bh centred (cx, cy) from the centre of the
// W x H box at (ox, oy).
struct TextBlock {
    QByteArray text; // GBK
    bool leftRight = true;
    bool rowCol = true;
    int lineCount = 1;
    int boxW = 0, boxH = 0;
    int blockW = 0, blockH = 0;
    int tw = 0, th = 0;
    int cx = 0, cy = 0;
    GlyphStyle style;
};

// Text along the upper or lower part of an ellipse ew x eh centred (cx, cy) from the centre of
// the W x H box at (ox, oy), over a span of `span` tenths of a degree.
struct EllipseText {
    QByteArray text; // GBK
    int span = 0;
    bool topOrDown = true;
    int ellipseW = 0, ellipseH = 0;
    int boxW = 0, boxH = 0;
    int tw = 0, th = 0;
    int cx = 0, cy = 0;
    GlyphStyle style;
};

void drawTextBlock(Surface &surface, int ox, int oy, const TextBlock &block);
void drawEllipseText(Surface &surface, int ox, int oy, const EllipseText &text);

} // namespace qm
