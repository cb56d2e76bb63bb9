#pragma once

#include "seal/logicalfont.h"

#include <QFont>

namespace qm {

// How a logical font maps onto an installed face: the face is drawn at a reference pixel size
// and scaled so that its cell (ascent + descent) is `height` pixels and a double-byte glyph is
// twice `width` pixels wide.
struct GlyphMetrics {
    QFont font;          // at the reference size
    qreal ascent = 0;    // reference units
    qreal scaleX = 1;
    qreal scaleY = 1;

    static constexpr int ReferencePixelSize = 256;
    static GlyphMetrics forFont(const LogicalFont &f);
};

} // namespace qm
