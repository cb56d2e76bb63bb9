#include "picture/colourquantizer.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <vector>

namespace qm {
namespace {

constexpr int HistBits = 5;
constexpr int HistSide = 1 << HistBits;

int distance2(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

struct Bin {
    quint64 count = 0;
    quint64 r = 0, g = 0, b = 0;
};

// A box of histogram cells, bounds inclusive, always shrunk to the cells that hold pixels.
struct Box {
    std::array<int, 3> lo{};
    std::array<int, 3> hi{};
    quint64 count = 0;
    int longestAxis() const
    {
        int axis = 1; // green first: the eye is most sensitive to it
        for (int a : {0, 2})
            if (hi[size_t(a)] - lo[size_t(a)] > hi[size_t(axis)] - lo[size_t(axis)])
                axis = a;
        return axis;
    }
    int longestSide() const { return hi[size_t(longestAxis())] - lo[size_t(longestAxis())]; }
};

class Histogram
{
public:
    explicit Histogram(const QImage &rgb) : m_bins(size_t(HistSide * HistSide * HistSide))
    {
        for (int y = 0; y < rgb.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x) {
                const QRgb c = line[x];
                Bin &bin = m_bins[size_t(cell(qRed(c) >> 3, qGreen(c) >> 3, qBlue(c) >> 3))];
                ++bin.count;
                bin.r += quint64(qRed(c));
                bin.g += quint64(qGreen(c));
                bin.b += quint64(qBlue(c));
            }
        }
    }

    static int cell(int r, int g, int b) { return (r << (2 * HistBits)) | (g << HistBits) | b; }
    const Bin &at(int r, int g, int b) const { return m_bins[size_t(cell(r, g, b))]; }

    template <typename F> void forEach(const Box &box, F f) const
    {
        for (int r = box.lo[0]; r <= box.hi[0]; ++r)
            for (int g = box.lo[1]; g <= box.hi[1]; ++g)
                for (int b = box.lo[2]; b <= box.hi[2]; ++b)
                    if (const Bin &bin = at(r, g, b); bin.count)
                        f(std::array<int, 3>{r, g, b}, bin);
    }

    // Shrinks the box to its occupied cells and counts them; false when it holds no pixel.
    bool shrink(Box &box) const
    {
        Box s;
        s.lo = {HistSide, HistSide, HistSide};
        s.hi = {-1, -1, -1};
        forEach(box, [&](const std::array<int, 3> &c, const Bin &bin) {
            for (size_t a = 0; a < 3; ++a) {
                s.lo[a] = std::min(s.lo[a], c[a]);
                s.hi[a] = std::max(s.hi[a], c[a]);
            }
            s.count += bin.count;
        });
        if (!s.count)
            return false;
        box = s;
        return true;
    }

    // Cuts at the median of the box's pixels along its longest axis; both halves keep pixels.
    std::pair<Box, Box> split(const Box &box) const
    {
        const int axis = box.longestAxis();
        const size_t a = size_t(axis);
        std::vector<quint64> slice(size_t(HistSide), 0);
        forEach(box, [&](const std::array<int, 3> &c, const Bin &bin) { slice[size_t(c[a])] += bin.count; });
        int cut = box.lo[a];
        quint64 below = slice[size_t(cut)];
        while (cut + 1 < box.hi[a] && below * 2 < box.count)
            below += slice[size_t(++cut)];
        Box low = box, high = box;
        low.hi[a] = cut;
        high.lo[a] = cut + 1;
        shrink(low);
        shrink(high);
        return {low, high};
    }

    QRgb mean(const Box &box) const
    {
        quint64 r = 0, g = 0, b = 0;
        forEach(box, [&](const std::array<int, 3> &, const Bin &bin) {
            r += bin.r;
            g += bin.g;
            b += bin.b;
        });
        const quint64 n = box.count;
        return qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }

private:
    std::vector<Bin> m_bins;
};

QList<QRgb> medianCut(const QImage &rgb, int maxColours)
{
    const Histogram hist(rgb);
    std::vector<Box> boxes(1);
    boxes[0].lo = {0, 0, 0};
    boxes[0].hi = {HistSide - 1, HistSide - 1, HistSide - 1};
    hist.shrink(boxes[0]);
    while (int(boxes.size()) < maxColours) {
        // Populous and wide boxes first, so that large areas and strong contrasts both get colours.
        size_t best = boxes.size();
        quint64 bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            const quint64 score = boxes[i].count * quint64(boxes[i].longestSide());
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best == boxes.size())
            break; // every box is a single cell
        auto [low, high] = hist.split(boxes[best]);
        boxes[best] = low;
        boxes.push_back(high);
    }
    QList<QRgb> palette;
    for (const Box &b : boxes)
        palette.append(hist.mean(b));
    return palette;
}

// Nearest palette colour by a search outward from the query's green value in a palette sorted
// by green, stopping once the green difference alone is farther than the best found.
class NearestFinder
{
public:
    explicit NearestFinder(const QList<QRgb> &palette)
    {
        for (int i = 0; i < palette.size(); ++i)
            m_entries.push_back({palette[i], i});
        std::sort(m_entries.begin(), m_entries.end(),
                  [](const Entry &a, const Entry &b) { return qGreen(a.colour) < qGreen(b.colour); });
    }

    int find(QRgb colour)
    {
        CacheSlot &slot = m_cache[size_t((colour ^ (colour >> 11)) & (CacheSize - 1))];
        if (slot.valid && slot.colour == colour)
            return slot.index;
        const int g = qGreen(colour);
        const auto start = std::lower_bound(m_entries.begin(), m_entries.end(), g,
                                            [](const Entry &e, int v) { return qGreen(e.colour) < v; });
        int bestIndex = -1;
        int bestDist = 0;
        auto consider = [&](const Entry &e) {
            const int d = distance2(e.colour, colour);
            if (bestIndex < 0 || d < bestDist || (d == bestDist && e.index < bestIndex)) {
                bestDist = d;
                bestIndex = e.index;
            }
        };
        auto far = [&](const Entry &e) {
            const int dg = qGreen(e.colour) - g;
            return bestIndex >= 0 && dg * dg > bestDist;
        };
        for (auto it = start; it != m_entries.end() && !far(*it); ++it)
            consider(*it);
        for (auto it = start; it != m_entries.begin();) {
            --it;
            if (far(*it))
                break;
            consider(*it);
        }
        slot = CacheSlot{colour, bestIndex, true};
        return bestIndex;
    }

private:
    struct Entry {
        QRgb colour;
        int index;
    };
    struct CacheSlot {
        QRgb colour = 0;
        int index = 0;
        bool valid = false;
    };
    static constexpr size_t CacheSize = 4096;
    std::vector<Entry> m_entries;
    std::vector<CacheSlot> m_cache = std::vector<CacheSlot>(CacheSize);
};

} // namespace

int ColourQuantizer::nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = -1;
    int bestDist = 0;
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance2(palette[i], colour);
        if (best < 0 || d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

QuantizedImage ColourQuantizer::quantize(const QImage &image, int maxColours)
{
    QuantizedImage out;
    if (image.isNull())
        return out;
    maxColours = std::clamp(maxColours, 1, 256);
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    out.width = rgb.width();
    out.height = rgb.height();

    // Few colours: the palette is exactly the picture's colours.
    QHash<QRgb, int> exact;
    bool fits = true;
    for (int y = 0; y < rgb.height() && fits; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (exact.contains(c))
                continue;
            if (exact.size() == maxColours) {
                fits = false;
                break;
            }
            exact.insert(c, 0);
        }
    }
    if (fits) {
        out.palette = exact.keys();
        std::sort(out.palette.begin(), out.palette.end());
        for (int i = 0; i < out.palette.size(); ++i)
            exact[out.palette[i]] = i;
    } else {
        out.palette = medianCut(rgb, maxColours);
    }

    NearestFinder finder(out.palette);
    out.indices.resize(qsizetype(out.width) * out.height);
    auto *dst = reinterpret_cast<uchar *>(out.indices.data());
    QRgb last = 0;
    uchar lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < out.height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (!haveLast || c != last) { // runs of one colour are the common case
                lastIndex = uchar(fits ? exact.value(c) : finder.find(c));
                last = c;
                haveLast = true;
            }
            *dst++ = lastIndex;
        }
    }
    return out;
}

} // namespace qm
