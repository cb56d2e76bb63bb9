#include "page/sealimagecache.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"

#include <QPainter>
#include <QtConcurrentMap>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace qm {

void paintSeal(QPainter &painter, const Seal &seal, QPoint at)
{
    PainterSurface surface(&painter);
    renderSeals(
        {&seal}, seal.PixelsPerMm(), seal.Zoom(), surface,
        RenderOffset{static_cast<long double>(at.x() - seal.left()), static_cast<long double>(at.y() - seal.top())},
        SealColours::Own);
}

QRect sealBox(const Seal &seal)
{
    return QRect(seal.left(), seal.top(), seal.width(), seal.height());
}

void paintSealInBox(QPainter &painter, const Seal &seal, const QRect &dirty, Qt::ClipOperation clip)
{
    const QRect box = sealBox(seal);
    painter.save();
    painter.setClipRect(box.intersected(dirty), clip);
    painter.setRenderHint(QPainter::Antialiasing);
    // At the box's own origin, as its picture is painted: rounding half to even gives the same
    // pixels at any place on the page only then.
    painter.translate(box.topLeft());
    paintSeal(painter, seal, QPoint(0, 0));
    painter.restore();
}

// A seal painted larger than this is not cached but painted on the page directly: a picture of
// a seal zoomed to 600 % on a large page would cost more memory than it saves time.
static constexpr qint64 MaxCachedPixels = 16LL * 1024 * 1024;

SealPicturePool &SealPicturePool::shared()
{
    static SealPicturePool pool(32LL * 1024 * 1024);
    return pool;
}

bool SealImageCache::isCurrent(const Entry &entry, const Seal &seal, qreal devicePixelRatio)
{
    return entry.valid && entry.ratio == devicePixelRatio && entry.box.width() == seal.width() &&
           entry.box.height() == seal.height() && entry.realWidth == seal.RealWidth() &&
           entry.realHeight == seal.RealHeight() && entry.pixelsPerMm == seal.PixelsPerMm() &&
           entry.zoom == seal.Zoom();
}

const QImage *SealImageCache::ready(const Seal &seal, qreal devicePixelRatio)
{
    const auto it = m_entries.find(&seal);
    if (it == m_entries.end() || !isCurrent(it->second, seal, devicePixelRatio))
        return nullptr;
    Entry &e = it->second;
    e.box = sealBox(seal);
    if (e.pooled) // now the most recently used
        m_pool->m_uses.splice(m_pool->m_uses.end(), m_pool->m_uses, e.use);
    return &e.image;
}

bool SealImageCache::isReady(const Seal &seal, qreal devicePixelRatio) const
{
    const auto it = m_entries.find(&seal);
    return it != m_entries.end() && isCurrent(it->second, seal, devicePixelRatio);
}

const QImage *SealImageCache::standIn(const Seal &seal) const
{
    const auto it = m_entries.find(&seal);
    if (it == m_entries.end() || !it->second.pooled || isCurrent(it->second, seal, it->second.ratio))
        return nullptr;
    return &it->second.image;
}

qint64 SealImageCache::picturePixels(QSize box, qreal devicePixelRatio)
{
    const qint64 w = qint64(std::ceil(box.width() * devicePixelRatio));
    const qint64 h = qint64(std::ceil(box.height() * devicePixelRatio));
    return w <= 0 || h <= 0 || w * h > MaxCachedPixels ? 0 : w * h;
}

QImage *SealImageCache::preparePicture(const Seal &seal, qreal devicePixelRatio)
{
    const QRect box(seal.left(), seal.top(), seal.width(), seal.height());
    Entry &e = m_entries[&seal];
    release(e);
    e.box = box;
    e.ratio = devicePixelRatio;
    e.realWidth = seal.RealWidth();
    e.realHeight = seal.RealHeight();
    e.pixelsPerMm = seal.PixelsPerMm();
    e.zoom = seal.Zoom();
    e.valid = true;
    const qint64 pixels = picturePixels(box.size(), devicePixelRatio);
    if (pixels == 0 || pixels > m_pool->m_maxPixels)
        return nullptr;
    const qint64 w = qint64(std::ceil(box.width() * devicePixelRatio));
    const qint64 h = qint64(std::ceil(box.height() * devicePixelRatio));
    makeRoom(pixels);
    e.image = QImage(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    if (e.image.isNull())
        return nullptr;
    e.image.setDevicePixelRatio(devicePixelRatio);
    e.image.fill(Qt::transparent);
    e.use = m_pool->m_uses.insert(m_pool->m_uses.end(), {this, &seal, pixels});
    e.pooled = true;
    m_pool->m_pixels += pixels;
    return &e.image;
}

static void paintPicture(QImage &picture, const Seal &seal)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(0, 0, seal.width(), seal.height()));
    paintSeal(p, seal, QPoint(0, 0));
}

const QImage &SealImageCache::image(const Seal &seal, qreal devicePixelRatio)
{
    if (const QImage *kept = ready(seal, devicePixelRatio))
        return *kept;
    QImage *picture = preparePicture(seal, devicePixelRatio);
    if (!picture)
        return m_none;
    paintPicture(*picture, seal);
    return *picture;
}

void SealImageCache::makePictures(const std::vector<const Seal *> &seals, qreal devicePixelRatio)
{
    struct Job {
        const Seal *seal;
        QImage picture;
    };
    std::vector<Job> jobs;
    // Half the pool at most, so that what is made now is not dropped again to make room.
    qint64 budget = m_pool->m_maxPixels / 2;
    for (const Seal *seal : seals) {
        if (ready(*seal, devicePixelRatio))
            continue;
        QImage *picture = preparePicture(*seal, devicePixelRatio);
        if (!picture)
            continue;
        budget -= qint64(picture->width()) * picture->height();
        if (budget < 0) {
            invalidate(*seal);
            break;
        }
        // Painted apart and put back after: the pool may still drop entries meanwhile.
        jobs.push_back({seal, std::move(*picture)});
    }
    if (jobs.empty())
        return;
    const auto paintJob = [](Job &job) { paintPicture(job.picture, *job.seal); };
    if (jobs.size() == 1)
        paintJob(jobs.front());
    else
        QtConcurrent::blockingMap(jobs, paintJob);
    for (Job &job : jobs) {
        const auto it = m_entries.find(job.seal);
        if (it != m_entries.end() && it->second.pooled && it->second.valid)
            it->second.image = std::move(job.picture);
    }
}

void SealImageCache::release(Entry &entry)
{
    if (entry.pooled) {
        m_pool->m_pixels -= entry.use->pixels;
        m_pool->m_uses.erase(entry.use);
        entry.pooled = false;
    }
    entry.image = QImage();
    entry.valid = false;
}

void SealImageCache::makeRoom(qint64 pixels)
{
    SealPicturePool &pool = *m_pool;
    while (!pool.m_uses.empty() && pool.m_pixels + pixels > pool.m_maxPixels) {
        const SealPicturePool::Use oldest = pool.m_uses.front();
        // The entry keeps its box: the seal's old place is still repainted when it moves.
        oldest.cache->release(oldest.cache->m_entries.at(oldest.seal));
    }
}

QRect SealImageCache::lastBox(const Seal *seal) const
{
    const auto it = m_entries.find(seal);
    return it == m_entries.end() ? QRect() : it->second.box;
}

void SealImageCache::invalidate(const Seal &seal, bool keepStandIn)
{
    const auto it = m_entries.find(&seal);
    if (it == m_entries.end())
        return;
    if (keepStandIn)
        it->second.valid = false;
    else
        release(it->second);
}

void SealImageCache::forget(const Seal *seal)
{
    const auto it = m_entries.find(seal);
    if (it != m_entries.end()) {
        release(it->second);
        m_entries.erase(it);
    }
}

void SealImageCache::clear()
{
    for (auto &entry : m_entries)
        release(entry.second);
    m_entries.clear();
}

void SealImageCache::keepOnly(const std::vector<const Seal *> &alive)
{
    const std::unordered_set<const Seal *> keep(alive.begin(), alive.end());
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (keep.contains(it->first)) {
            ++it;
        } else {
            release(it->second);
            it = m_entries.erase(it);
        }
    }
}

size_t SealImageCache::pictureCount() const
{
    return size_t(std::count_if(m_entries.begin(), m_entries.end(), [](const auto &e) { return e.second.pooled; }));
}

void SealImageCache::setPool(SealPicturePool &pool)
{
    clear();
    m_pool = &pool;
}

} // namespace qm
