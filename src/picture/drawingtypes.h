#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace qm {

// 0x00BBGGRR, as stored in documents (255 is pure red).
using Colour = std::uint32_t;

constexpr Colour clRed = 0x0000FF;
constexpr Colour clBlack = 0x000000;
constexpr Colour clWhite = 0xFFFFFF;

// Round half to even, as the floating-point unit does by default. Values beyond the int
// range saturate instead of being undefined, so a hostile size cannot crash painting.
inline int roundHalfEven(long double v)
{
    if (std::isnan(v))
        return 0;
    // rint rounds as nearbyint does (the rounding mode is never changed) without saving and
    // restoring the floating-point environment, which costs thirty times the rounding.
    const long double r = std::rint(v);
    if (r >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Cut toward zero, saturating like Round.
inline int truncToInt(long double v)
{
    if (std::isnan(v))
        return 0;
    const long double r = std::trunc(v);
    if (r >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

} // namespace qm
