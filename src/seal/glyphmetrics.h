#pragma once

#include "picture/logicalfont.h"

#include <QFont>

namespace qm {

// How a logical font maps onto an installed face: the face is drawn at a reference pixel size
// and scaled so that its cell (ascent + descent) is `height` pixels and a double-byte glyph is
// twice `width` pixels wide.
struct GlyphMetrics {
    QFont font;       // at the reference size
    qreal ascent = 0; // reference units
    qreal scaleX = 1;
    qreal scaleY = 1;
    // The face has no bold of its own: bold text is widened by a stroke of this many reference
    // units around its outline (0 when not needed), as the platform's synthetic bold does.
    qreal emboldenWidth = 0;

    static constexpr int ReferencePixelSize = 256;
    static GlyphMetrics forFont(const LogicalFont &f);
};

} // namespace qm
