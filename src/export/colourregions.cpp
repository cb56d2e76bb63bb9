#include "export/colourregions.h"

#include <QHash>

#include <algorithm>

#include <vector>

namespace qm {
namespace {

struct Run {
    int x1; // first column
    int x2; // one past the last column
    QRgb colour;
    friend bool operator==(const Run &a, const Run &b) { return a.x1 == b.x1 && a.x2 == b.x2 && a.colour == b.colour; }
};

size_t qHash(const Run &r, size_t seed = 0)
{
    return ::qHash(quint64(r.x1) << 32 | quint32(r.x2), seed) ^ ::qHash(r.colour, seed);
}

} // namespace

std::optional<QList<ColourRegion>> ColourRegions::split(const QImage &picture, QRgb transparent, qint64 maxRects)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent | 0xFF000000u;
    QList<ColourRegion> regions;
    QHash<QRgb, qsizetype> regionOf;
    qint64 count = 0;

    // Rectangles still growing downwards, by the run that would extend them.
    QHash<Run, QRect> open;
    auto close = [&](const Run &run, const QRect &rect) { regions[regionOf.value(run.colour)].rects.append(rect); };
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        QHash<Run, QRect> next;
        for (int x = 0; x < rgb.width();) {
            const QRgb c = line[x] | 0xFF000000u;
            int end = x + 1;
            while (end < rgb.width() && (line[end] | 0xFF000000u) == c)
                ++end;
            if (c != key) {
                const Run run{x, end, c};
                if (!regionOf.contains(c)) {
                    regionOf.insert(c, regions.size());
                    regions.append(ColourRegion{c, {}});
                }
                auto it = open.find(run);
                if (it != open.end()) {
                    QRect r = *it;
                    r.setBottom(y);
                    next.insert(run, r);
                    open.erase(it);
                } else {
                    if (++count > maxRects)
                        return std::nullopt;
                    next.insert(run, QRect(QPoint(x, y), QPoint(end - 1, y)));
                }
            }
            x = end;
        }
        for (auto it = open.cbegin(); it != open.cend(); ++it)
            close(it.key(), it.value());
        open = std::move(next);
    }
    for (auto it = open.cbegin(); it != open.cend(); ++it)
        close(it.key(), it.value());
    // Hash order is arbitrary; top-left first keeps the file the same from run to run.
    for (ColourRegion &region : regions)
        std::sort(region.rects.begin(), region.rects.end(), [](const QRect &a, const QRect &b) {
            return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
        });
    return regions;
}

} // namespace qm
