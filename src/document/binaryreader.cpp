#include "document/binaryreader.h"

#include "document/extendedfloat.h"

#include <cstring>

namespace qm {

const std::uint8_t *BinaryReader::take(qsizetype n)
{
    if (!has(n)) {
        m_ok = false;
        return nullptr;
    }
    const auto *p = reinterpret_cast<const std::uint8_t *>(m_data.data()) + m_pos;
    m_pos += n;
    return p;
}

std::uint8_t BinaryReader::byte()
{
    const std::uint8_t *p = take(1);
    return p ? p[0] : 0;
}

std::uint32_t BinaryReader::uint32()
{
    const std::uint8_t *p = take(4);
    if (!p)
        return 0;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::int32_t BinaryReader::int32()
{
    return static_cast<std::int32_t>(uint32());
}

std::int64_t BinaryReader::int64()
{
    const std::uint8_t *p = take(8);
    if (!p)
        return 0;
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return static_cast<std::int64_t>(v);
}

float BinaryReader::single()
{
    const std::uint32_t bits = uint32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

long double BinaryReader::extended()
{
    const std::uint8_t *p = take(10);
    return p ? decodeExtended(p) : 0.0L;
}

QByteArrayView BinaryReader::bytes(qint64 n)
{
    const std::uint8_t *p = take(qsizetype(has(n) ? n : -1));
    return p ? QByteArrayView(p, qsizetype(n)) : QByteArrayView();
}

bool BinaryReader::skip(qint64 n)
{
    take(qsizetype(has(n) ? n : -1));
    return m_ok;
}

} // namespace qm
