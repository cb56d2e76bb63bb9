#pragma once

#include <QPainterPath>
#include <QString>

namespace qm {

struct GlyphMetrics;

// The outlines of a glyph at the reference size of its metrics, kept for every glyph painted:
// ring texts repeat a few characters many times, and page, export, print and thumbnails all
// paint through here. Each thread has a cache of its own, so any thread may call these.
struct GlyphOutlines {
    QPainterPath outline; // the glyph as the font gives it, winding fill
    // Only when the metrics embolden: the stroke of the outline by the emboldening width, which
    // together with the outline makes the bold glyph.
    QPainterPath boldStroke;
};

GlyphOutlines glyphOutlines(const GlyphMetrics &g, const QString &text);
// The emboldened glyph as one shape, for text that becomes part of a path; the outline itself
// when the metrics do not embolden.
QPainterPath glyphShape(const GlyphMetrics &g, const QString &text);

// The calling thread's cache.
namespace GlyphOutlineCache {
// Glyphs and path elements (of about 24 bytes each) kept at most; when full the cache starts
// afresh.
constexpr int MaxGlyphs = 4096;
constexpr qsizetype MaxElements = qsizetype(1) << 20;
int size();
void clear();
} // namespace GlyphOutlineCache

} // namespace qm
