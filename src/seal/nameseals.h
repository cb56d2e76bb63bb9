#pragma once

#include "seal/sealtypes.h"
#include "seal/textlayouts.h"

#include <QByteArray>

namespace qm {

class Surface;

// The characters of a name seal, in the cells of its kind (stName22 ... stName111).
struct NameSealText {
    QByteArray text; // GBK
    int cx = 0, cy = 0;
    int bw = 0, bh = 0;
    int w = 0, h = 0;
    int w1 = 0, h1 = 0; // the odd cell of the three-character kinds
    int boxW = 0, boxH = 0;
    GlyphStyle style;
};

void drawNameSeal(SealType kind, Surface &surface, int ox, int oy, const NameSealText &t);

} // namespace qm
