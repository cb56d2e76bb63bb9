#include "document/extendedfloat.h"

#include <cmath>
#include <limits>

namespace qm {

namespace {
constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;
} // namespace

ExtendedBytes encodeExtended(long double value)
{
    std::uint64_t significand = 0;
    int exponent = 0;
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        significand = 0xC000000000000000ULL; // quiet NaN
        exponent = MaxExponent;
    } else if (std::isinf(value)) {
        significand = 0x8000000000000000ULL;
        exponent = MaxExponent;
    } else if (value != 0) {
        int e = 0;
        const long double m = std::frexp(std::fabs(value), &e); // |value| = m * 2^e, 0.5 <= m < 1
        significand = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = e - 1 + ExponentBias;
        if (exponent >= MaxExponent) {
            significand = 0x8000000000000000ULL;
            exponent = MaxExponent;
        } else if (exponent <= 0) {
            // Denormal: the integer bit is gone and the exponent field reads as 1 - bias.
            const int shift = 1 - exponent;
            significand = shift >= 64 ? 0 : significand >> shift;
            exponent = 0;
        }
    }
    ExtendedBytes out{};
    for (int i = 0; i < 8; ++i)
        out[size_t(i)] = std::uint8_t(significand >> (8 * i));
    const unsigned top = unsigned(exponent) | (negative ? 0x8000u : 0u);
    out[8] = std::uint8_t(top);
    out[9] = std::uint8_t(top >> 8);
    return out;
}

long double decodeExtended(const std::uint8_t *bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = significand << 8 | bytes[i];
    const unsigned top = unsigned(bytes[8]) | unsigned(bytes[9]) << 8;
    const bool negative = top & 0x8000u;
    const int exponent = int(top & 0x7FFFu);
    long double value;
    if (exponent == MaxExponent) {
        value = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                        : std::numeric_limits<long double>::quiet_NaN();
    } else {
        // Denormals use the smallest normal exponent without the integer bit.
        const int e = (exponent == 0 ? 1 : exponent) - ExponentBias - 63;
        value = std::ldexp(static_cast<long double>(significand), e);
    }
    return negative ? -value : value;
}

} // namespace qm
