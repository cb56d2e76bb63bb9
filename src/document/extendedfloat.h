#pragma once

#include <array>
#include <cstdint>

namespace qm {

// The 10-byte extended float of page values: bytes 0-7 the 64-bit significand with its explicit
// integer bit, bytes 8-9 the sign (bit 15) and the exponent biased by 16383, little-endian.
// Built from the value's parts, so it does not depend on how the compiler lays out long double.
using ExtendedBytes = std::array<std::uint8_t, 10>;

ExtendedBytes encodeExtended(long double value);
long double decodeExtended(const std::uint8_t *bytes);

} // namespace qm
