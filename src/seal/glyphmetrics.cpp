#include "seal/glyphmetrics.h"

#include "seal/fontsubstitution.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>

#include <mutex>

namespace qm {
namespace {

struct FaceMetrics {
    qreal ascent;
    qreal descent;
    qreal halfEm; // half the advance of an ideograph: the face's average character width
};

// Measured faces and their bold styles; painting may run on several threads.
std::mutex cacheLock;

FaceMetrics faceMetrics(const QFont &font)
{
    // Fonts are measured once per face, weight and slant; painting creates one font per glyph.
    static QHash<QString, FaceMetrics> cache;
    const QString key = font.key();
    {
        std::lock_guard guard(cacheLock);
        auto it = cache.constFind(key);
        if (it != cache.constEnd())
            return it.value();
    }
    const QFontMetricsF fm(font);
    qreal ideograph = fm.horizontalAdvance(QChar(0x56FD)); // 国
    if (ideograph <= 0)
        ideograph = GlyphMetrics::ReferencePixelSize;
    FaceMetrics m{fm.ascent(), fm.descent(), ideograph / 2};
    if (m.ascent + m.descent <= 0)
        m = {GlyphMetrics::ReferencePixelSize * 0.88, GlyphMetrics::ReferencePixelSize * 0.12, m.halfEm};
    std::lock_guard guard(cacheLock);
    cache.insert(key, m);
    return m;
}

bool hasBoldStyle(const QString &family)
{
    static QHash<QString, bool> cache;
    {
        std::lock_guard guard(cacheLock);
        auto it = cache.constFind(family);
        if (it != cache.constEnd())
            return it.value();
    }
    bool bold = false;
    for (const QString &style : QFontDatabase::styles(family))
        bold = bold || QFontDatabase::weight(family, style) >= QFont::DemiBold;
    std::lock_guard guard(cacheLock);
    cache.insert(family, bold);
    return bold;
}

} // namespace

GlyphMetrics GlyphMetrics::forFont(const LogicalFont &f)
{
    GlyphMetrics g;
    g.font = QFont(FontSubstitution::familyFor(f.face));
    g.font.setPixelSize(ReferencePixelSize);
    g.font.setWeight(QFont::Weight(qBound(1, f.weight <= 0 ? 400 : f.weight, 1000)));
    g.font.setItalic(f.italic);
    g.font.setKerning(false);
    g.font.setStyleStrategy(QFont::PreferOutline);
    const FaceMetrics m = faceMetrics(g.font);
    g.ascent = m.ascent;
    const int height = std::abs(f.height);
    g.scaleY = height == 0 ? 0.0 : height / (m.ascent + m.descent);
    g.scaleX = f.width == 0 ? g.scaleY : std::abs(f.width) / m.halfEm;
    // The CJK faces installed here mostly come in one weight; seal texts are bold by default.
    if (f.weight >= QFont::DemiBold && !hasBoldStyle(g.font.family()))
        g.emboldenWidth = ReferencePixelSize / 24.0;
    return g;
}

} // namespace qm
