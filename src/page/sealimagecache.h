#pragma once

#include <QImage>
#include <QRect>

#include <list>
#include <unordered_map>
#include <vector>

class QPainter;

namespace qm {

class Seal;
class SealImageCache;

// Paints one seal in its own colours with its box's top-left corner at `at`. The one place the
// page turns a seal into pixels.
void paintSeal(QPainter &painter, const Seal &seal, QPoint at);
// The seal's box on the page, in pixels.
QRect sealBox(const Seal &seal);
// Paints the seal straight onto the page at its box, antialiased, clipped to its box within
// `dirty` (the clip replacing or narrowing the painter's own).
void paintSealInBox(QPainter &painter, const Seal &seal, const QRect &dirty, Qt::ClipOperation clip);

// The pixels that the kept seal pictures of every page may hold together. When a new picture
// would pass the bound, the pictures used least recently are dropped first: a document of
// thousands of seals scrolled at a high zoom keeps what is on screen, not everything it showed.
class SealPicturePool
{
public:
    // It outlives the caches that take from it.
    explicit SealPicturePool(qint64 maxPixels) : m_maxPixels(maxPixels) {}
    SealPicturePool(const SealPicturePool &) = delete;
    SealPicturePool &operator=(const SealPicturePool &) = delete;

    qint64 maxPixels() const { return m_maxPixels; }
    qint64 pixels() const { return m_pixels; }
    size_t pictureCount() const { return m_uses.size(); }

    // The one pool of the program's pages: 32 megapixels, 128 MiB of pictures in all.
    static SealPicturePool &shared();

private:
    friend class SealImageCache;
    struct Use {
        SealImageCache *cache;
        const Seal *seal;
        qint64 pixels;
    };
    using Uses = std::list<Use>; // least recently used first

    qint64 m_maxPixels;
    qint64 m_pixels = 0;
    Uses m_uses;
};

// Each seal's painting at the current zoom, kept until the seal reports a change, so that a
// repaint of the page only copies pictures. Entries are keyed by the seal and checked against
// its box, so a stale picture is never shown at a wrong size. The pictures are taken from a
// pool that bounds them all; a seal whose picture the pool dropped is painted again when shown.
class SealImageCache
{
public:
    explicit SealImageCache(SealPicturePool &pool = SealPicturePool::shared()) : m_pool(&pool) {}
    ~SealImageCache() { clear(); }
    SealImageCache(const SealImageCache &) = delete;
    SealImageCache &operator=(const SealImageCache &) = delete;

    // The seal's picture, painted now when there is none or it is out of date. Null for a seal
    // with no pixels. Valid until the next call.
    const QImage &image(const Seal &seal, qreal devicePixelRatio);
    // Paints the pictures these seals lack on the processor's cores at once, as far as the pool
    // holds them; image() then finds them ready. The seals must not change meanwhile: the caller
    // waits here on the thread that owns them.
    void makePictures(const std::vector<const Seal *> &seals, qreal devicePixelRatio);
    // The pixels of a kept picture of a box of that size; 0 for one painted straight instead.
    static qint64 picturePixels(QSize box, qreal devicePixelRatio);
    // The pool holds pictures of that many pixels at once.
    bool canHold(qint64 pixels) const { return pixels <= m_pool->maxPixels(); }
    // The seal's picture when it is up to date (null for a seal that is painted straight onto
    // the page), without painting; none when it must be painted first.
    const QImage *ready(const Seal &seal, qreal devicePixelRatio);
    // The same question without counting as a use of the picture.
    bool isReady(const Seal &seal, qreal devicePixelRatio) const;
    // The picture the seal had before its size or scale last changed, still in the pool, to be
    // shown scaled until the new one is painted; none when there is no such picture.
    const QImage *standIn(const Seal &seal) const;
    // The box the seal was last drawn in, empty when it was never drawn.
    QRect lastBox(const Seal &seal) const { return lastBox(&seal); }
    // The same for a seal that may be gone already: only its address is used.
    QRect lastBox(const Seal *seal) const;
    // The seal's picture is out of date. After a change of size only (keepStandIn), the old
    // picture stays as its stand-in until the new one is painted or the pool needs the room. A
    // change of size or scale is noticed without this; a move keeps the picture.
    void invalidate(const Seal &seal, bool keepStandIn = false);
    void forget(const Seal *seal);
    void clear();
    // Drops the entries of seals no longer in `alive`.
    void keepOnly(const std::vector<const Seal *> &alive);
    // Seals with an entry (a box, perhaps no picture).
    size_t size() const { return m_entries.size(); }
    // Seals whose picture (up to date or stand-in) is kept.
    size_t pictureCount() const;
    // Takes the pictures from another pool; the kept ones are dropped.
    void setPool(SealPicturePool &pool);

private:
    friend class SealPicturePool;
    struct Entry {
        QImage image;
        QRect box;
        qreal ratio = 1;
        // What the painting depends on besides the seal's properties: moving the seal keeps it.
        float realWidth = 0;
        float realHeight = 0;
        float pixelsPerMm = 0;
        int zoom = 0;
        bool valid = false;
        bool pooled = false;
        SealPicturePool::Uses::iterator use;
    };
    // The entry's picture shows the seal as it is now, wherever it stands.
    static bool isCurrent(const Entry &entry, const Seal &seal, qreal devicePixelRatio);
    // Makes the seal's entry current with a cleared picture of the right size, room made for it in
    // the pool, to be painted by the caller; null when the seal has no picture to keep.
    QImage *preparePicture(const Seal &seal, qreal devicePixelRatio);
    // Gives the entry's picture back to the pool.
    void release(Entry &entry);
    // Drops pictures, least recently used first, until `pixels` more fit in the pool.
    void makeRoom(qint64 pixels);

    SealPicturePool *m_pool;
    std::unordered_map<const Seal *, Entry> m_entries;
    QImage m_none;
};

} // namespace qm
