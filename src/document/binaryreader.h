#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace qm {

// Reads the little-endian primitives of the seal formats from bytes in memory. It never reads
// past the end: a read that the remaining bytes cannot satisfy fails, returns zero and leaves
// the reader failed for good, so a parser may check ok() once after a group of reads.
class BinaryReader
{
public:
    explicit BinaryReader(QByteArrayView data) : m_data(data) {}

    bool ok() const { return m_ok; }
    void fail() { m_ok = false; }
    qsizetype pos() const { return m_pos; }
    qsizetype remaining() const { return m_ok ? m_data.size() - m_pos : 0; }
    // True when at least n more bytes are there; n may be any 64-bit value, even negative.
    bool has(qint64 n) const { return m_ok && n >= 0 && n <= remaining(); }

    std::uint8_t byte();
    bool boolean() { return byte() != 0; }
    std::int32_t int32();
    std::uint32_t uint32();
    std::int64_t int64();
    float single();
    long double extended();
    // The next n bytes; empty and failed when they are not all there.
    QByteArrayView bytes(qint64 n);
    bool skip(qint64 n);

private:
    const std::uint8_t *take(qsizetype n);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace qm
