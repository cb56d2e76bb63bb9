#include "seal/glyphoutlines.h"

#include "seal/glyphmetrics.h"

#include <QHash>
#include <QPainterPathStroker>

#include <utility>

namespace qm {
namespace {

// Everything that decides the outline: the face as resolved, its size, weight and slant, the
// emboldening, and the characters.
struct GlyphKey {
    QString family;
    int pixelSize = 0;
    int weight = 0;
    bool italic = false;
    qreal emboldenWidth = 0;
    QString text;

    friend bool operator==(const GlyphKey &a, const GlyphKey &b) = default;
};

size_t qHash(const GlyphKey &k, size_t seed = 0)
{
    return qHashMulti(seed, k.family, k.pixelSize, k.weight, k.italic, k.emboldenWidth, k.text);
}

struct Entry {
    GlyphOutlines outlines;
    QPainterPath shape;
    bool hasShape = false;
};

// One cache per thread: a painter writes lazily computed state into the paths it draws, even
// into copies that share their data, so a path must never be painted by two threads.
struct Cache {
    QHash<GlyphKey, Entry> entries;
    qsizetype elements = 0; // path elements held, the measure of its memory
};

Cache &cache()
{
    thread_local Cache c;
    return c;
}

GlyphKey keyFor(const GlyphMetrics &g, const QString &text)
{
    return {g.font.family(), g.font.pixelSize(), g.font.weight(), g.font.italic(), g.emboldenWidth, text};
}

GlyphOutlines makeOutlines(const GlyphMetrics &g, const QString &text)
{
    GlyphOutlines o;
    o.outline.addText(QPointF(0, 0), g.font, text);
    o.outline.setFillRule(Qt::WindingFill);
    if (g.emboldenWidth > 0) {
        // The stroke a painter makes of the outline with a round pen of this width.
        QPainterPathStroker stroker;
        stroker.setWidth(g.emboldenWidth);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        o.boldStroke = stroker.createStroke(o.outline);
    }
    return o;
}

qsizetype elementsOf(const Entry &e)
{
    return e.outlines.outline.elementCount() + e.outlines.boldStroke.elementCount() + e.shape.elementCount();
}

Entry &store(Cache &c, const GlyphKey &key, Entry entry)
{
    const qsizetype added = elementsOf(entry);
    if (c.entries.size() >= GlyphOutlineCache::MaxGlyphs || c.elements + added > GlyphOutlineCache::MaxElements) {
        c.entries.clear();
        c.elements = 0;
    }
    c.elements += added;
    return *c.entries.insert(key, std::move(entry));
}

} // namespace

GlyphOutlines glyphOutlines(const GlyphMetrics &g, const QString &text)
{
    Cache &c = cache();
    const GlyphKey key = keyFor(g, text);
    auto it = c.entries.constFind(key);
    if (it != c.entries.constEnd())
        return it->outlines;
    Entry entry;
    entry.outlines = makeOutlines(g, text);
    return store(c, key, std::move(entry)).outlines;
}

QPainterPath glyphShape(const GlyphMetrics &g, const QString &text)
{
    Cache &c = cache();
    const GlyphKey key = keyFor(g, text);
    Entry entry;
    auto it = c.entries.find(key);
    if (it != c.entries.end()) {
        if (it->hasShape)
            return it->shape;
        entry = *it;
        c.elements -= elementsOf(entry);
        c.entries.erase(it);
    } else {
        entry.outlines = makeOutlines(g, text);
    }
    if (g.emboldenWidth > 0) {
        // The outline of a synthetic bold glyph is the widened one, as plain text shows it;
        // otherwise a thickening stroke would draw bold text thinner than no thickening.
        entry.shape = entry.outlines.outline.united(entry.outlines.boldStroke);
        entry.shape.setFillRule(Qt::WindingFill);
    } else {
        entry.shape = entry.outlines.outline;
    }
    entry.hasShape = true;
    return store(c, key, std::move(entry)).shape;
}

namespace GlyphOutlineCache {

int size()
{
    return int(cache().entries.size());
}

void clear()
{
    cache().entries.clear();
    cache().elements = 0;
}

} // namespace GlyphOutlineCache
} // namespace qm
