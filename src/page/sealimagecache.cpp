#include "page/sealimagecache.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace qm {

void paintSeal(QPainter &painter, Seal &seal, QPoint at)
{
    PainterSurface surface(&painter);
    renderSeals(
        {&seal}, seal.PixelsPerMm(), seal.Zoom(), surface,
        RenderOffset{static_cast<long double>(at.x() - seal.left()), static_cast<long double>(at.y() - seal.top())},
        SealColours::Own);
}

// A seal painted larger than this is not cached but painted on the page directly: a picture of
// a seal zoomed to 600 % on a large page would cost more memory than it saves time.
static constexpr qint64 MaxCachedPixels = 16LL * 1024 * 1024;

const QImage &SealImageCache::image(Seal &seal, qreal devicePixelRatio)
{
    const QRect box(seal.left(), seal.top(), seal.width(), seal.height());
    Entry &e = m_entries[&seal];
    if (e.valid && e.box.size() == box.size() && e.ratio == devicePixelRatio) {
        e.box = box;
        return e.image;
    }
    e.box = box;
    e.ratio = devicePixelRatio;
    e.valid = true;
    const qint64 w = qint64(std::ceil(box.width() * devicePixelRatio));
    const qint64 h = qint64(std::ceil(box.height() * devicePixelRatio));
    if (w <= 0 || h <= 0 || w * h > MaxCachedPixels) {
        e.image = QImage();
        return m_none;
    }
    e.image = QImage(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    e.image.setDevicePixelRatio(devicePixelRatio);
    e.image.fill(Qt::transparent);
    QPainter p(&e.image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(0, 0, box.width(), box.height()));
    paintSeal(p, seal, QPoint(0, 0));
    return e.image;
}

QRect SealImageCache::lastBox(const Seal &seal) const
{
    const auto it = m_entries.find(&seal);
    return it == m_entries.end() ? QRect() : it->second.box;
}

void SealImageCache::invalidate(const Seal &seal)
{
    const auto it = m_entries.find(&seal);
    if (it != m_entries.end()) {
        it->second.valid = false;
        it->second.image = QImage();
    }
}

void SealImageCache::keepOnly(const std::vector<const Seal *> &alive)
{
    const std::unordered_set<const Seal *> keep(alive.begin(), alive.end());
    std::erase_if(m_entries, [&](const auto &entry) { return !keep.contains(entry.first); });
}

} // namespace qm
