#include "document/binarywriter.h"

#include "document/extendedfloat.h"

#include <cstring>

namespace qm {

void BinaryWriter::uint32(std::uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    m_out->append(b, 4);
}

void BinaryWriter::int64(std::int64_t v)
{
    const auto u = static_cast<std::uint64_t>(v);
    char b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = char(u >> (8 * i));
    m_out->append(b, 8);
}

void BinaryWriter::single(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    uint32(bits);
}

void BinaryWriter::extended(long double v)
{
    const ExtendedBytes e = encodeExtended(v);
    m_out->append(reinterpret_cast<const char *>(e.data()), qsizetype(e.size()));
}

void BinaryWriter::countedText(const QByteArray &text)
{
    int32(static_cast<std::int32_t>(text.size()));
    m_out->append(text);
}

} // namespace qm
