#pragma once

#include <QList>

namespace qm {

struct SinCos {
    long double sin;
    long double cos;
};

// std::sin and std::cos of tenths * TenthToRad, bit for bit, from a table filled on first use:
// long double sine and cosine cost a range reduction each, and the walks below take thousands.
// Safe to call from several threads.
SinCos sinCosOfTenths(int tenths);

// Spreads n marks evenly by arc length over a span of an ellipse with semi-axes a and b, as the
// ring texts, the oval code and the oval pattern lines do. Angles are tenths of a degree.
// The arc is measured in 0.1-degree steps with f(t) = sqrt(a^2 sin^2 t + b^2 cos^2 t): the half
// arc from `start` to `middle` (both included) is summed and doubled, then divided by n.
class EllipseWalk
{
public:
    EllipseWalk(long double a, long double b, int start, int middle, int n);

    long double pitch() const { return m_pitch; }

    // Walking down from `end`, adding f(t) and stepping t down by one while the sum is below
    // (i + 1/2) pitches: the angle the loop stops at (callers step further as their layout says).
    int walkFrom(int end, int i) const;
    // walkFrom(end, i) for i = 0 ... count - 1 in one pass: each walk goes on where the one before
    // stopped, adding the same terms in the same order, so the angles are the same and a long
    // row of marks costs one walk instead of one per mark.
    QList<int> walkStops(int end, int count) const;

    long double f(int tenths) const;

private:
    QList<int> walkStopsNow(int end, int count) const;

    long double m_a;
    long double m_b;
    int m_start;
    int m_middle;
    int m_n;
    long double m_pitch = 0;
};

} // namespace qm
