#pragma once

#include <QImage>
#include <QRect>

#include <unordered_map>
#include <vector>

class QPainter;

namespace qm {

class Seal;

// Paints one seal in its own colours with its box's top-left corner at `at`. The one place the
// page turns a seal into pixels.
void paintSeal(QPainter &painter, Seal &seal, QPoint at);

// Each seal's painting at the current zoom, kept until the seal reports a change, so that a
// repaint of the page only copies pictures. Entries are keyed by the seal and checked against
// its box, so a stale picture is never shown at a wrong size.
class SealImageCache
{
public:
    // The seal's picture, painted now when there is none or it is out of date. Null for a seal
    // with no pixels.
    const QImage &image(Seal &seal, qreal devicePixelRatio);
    // The box the seal was last drawn in, empty when it was never drawn.
    QRect lastBox(const Seal &seal) const;
    void invalidate(const Seal &seal);
    void forget(const Seal *seal) { m_entries.erase(seal); }
    void clear() { m_entries.clear(); }
    // Drops the entries of seals no longer in `alive`.
    void keepOnly(const std::vector<const Seal *> &alive);
    size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        QImage image;
        QRect box;
        qreal ratio = 1;
        bool valid = false;
    };
    std::unordered_map<const Seal *, Entry> m_entries;
    QImage m_none;
};

} // namespace qm
