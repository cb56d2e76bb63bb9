#include "seal/ellipsewalk.h"

#include "seal/sealtypes.h"

#include <QHashFunctions>

#include <array>
#include <cmath>
#include <mutex>
#include <unordered_map>

namespace qm {

namespace {

constexpr int TableReach = 36000; // tenths either side of zero
constexpr int ChunkSize = 1024;
constexpr int ChunkCount = (2 * TableReach + ChunkSize) / ChunkSize;

SinCos computeSinCos(int tenths)
{
    const long double t = tenths * TenthToRad;
    return {std::sin(t), std::cos(t)};
}

struct SinCosTable {
    std::array<std::once_flag, ChunkCount> filled;
    std::array<SinCos, ChunkCount * ChunkSize> values;
};

// Pages repaint the same seals at every zoom and a document repeats its seal sizes: the walks are
// remembered per thread, and forgotten wholesale when too many.
struct WalkKey {
    long double a;
    long double b;
    int start;
    int middle;
    int n;
    int end; // walkStops only
    int count;
    bool operator==(const WalkKey &) const = default;
};

struct WalkKeyHash {
    size_t operator()(const WalkKey &k) const noexcept
    {
        return qHashMulti(0, double(k.a), double(k.b), k.start, k.middle, k.n, k.end, k.count);
    }
};

constexpr size_t MaxRememberedWalks = 512;

template <typename Value> struct RememberedWalks {
    std::unordered_map<WalkKey, Value, WalkKeyHash> values;

    template <typename Make> const Value &get(const WalkKey &key, Make make)
    {
        if (const auto it = values.find(key); it != values.end())
            return it->second;
        if (values.size() >= MaxRememberedWalks)
            values.clear();
        return values.emplace(key, make()).first->second;
    }
};

} // namespace

SinCos sinCosOfTenths(int tenths)
{
    if (tenths < -TableReach || tenths > TableReach)
        return computeSinCos(tenths);
    static SinCosTable table;
    const int index = tenths + TableReach;
    const int chunk = index / ChunkSize;
    std::call_once(table.filled[chunk], [chunk] {
        for (int i = 0; i < ChunkSize; ++i)
            table.values[chunk * ChunkSize + i] = computeSinCos(chunk * ChunkSize + i - TableReach);
    });
    return table.values[index];
}

EllipseWalk::EllipseWalk(long double a, long double b, int start, int middle, int n)
    : m_a(a), m_b(b), m_start(start), m_middle(middle), m_n(n)
{
    thread_local RememberedWalks<long double> pitches;
    m_pitch = pitches.get({a, b, start, middle, n, 0, 0}, [&] {
        long double half = 0;
        for (int t = start; t <= middle; ++t)
            half += f(t);
        return n > 0 ? 2 * half / n : 0;
    });
}

long double EllipseWalk::f(int tenths) const
{
    const auto [s, c] = sinCosOfTenths(tenths);
    return std::sqrt(m_a * m_a * s * s + m_b * m_b * c * c);
}

int EllipseWalk::walkFrom(int end, int i) const
{
    const long double target = (i + 0.5L) * m_pitch;
    long double sum = 0;
    int t = end;
    // Bounded: a degenerate ellipse (f = 0 everywhere) must not loop for ever.
    for (int guard = 0; sum < target && guard < 36000; ++guard) {
        sum += f(t);
        --t;
    }
    return t;
}

QList<int> EllipseWalk::walkStops(int end, int count) const
{
    thread_local RememberedWalks<QList<int>> walks;
    // Long rings are not worth remembering: their walk is cheap beside their glyphs.
    if (count > 256)
        return walkStopsNow(end, count);
    return walks.get({m_a, m_b, m_start, m_middle, m_n, end, count}, [&] { return walkStopsNow(end, count); });
}

QList<int> EllipseWalk::walkStopsNow(int end, int count) const
{
    QList<int> stops;
    stops.reserve(qMax(count, 0));
    long double sum = 0;
    int t = end;
    int guard = 0;
    for (int i = 0; i < count; ++i) {
        const long double target = (i + 0.5L) * m_pitch;
        for (; sum < target && guard < 36000; ++guard) {
            sum += f(t);
            --t;
        }
        stops.append(t);
    }
    return stops;
}

} // namespace qm
