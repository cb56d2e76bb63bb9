#include "seal/ellipsewalk.h"

#include "seal/sealtypes.h"

#include <array>
#include <cmath>
#include <mutex>

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

struct SinCosTable
{
    std::array<std::once_flag, ChunkCount> filled;
    std::array<SinCos, ChunkCount * ChunkSize> values;
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

EllipseWalk::EllipseWalk(long double a, long double b, int start, int middle, int n) : m_a(a), m_b(b)
{
    long double half = 0;
    for (int t = start; t <= middle; ++t)
        half += f(t);
    m_pitch = n > 0 ? 2 * half / n : 0;
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
