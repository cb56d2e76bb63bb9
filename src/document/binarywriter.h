#pragma once

#include <QByteArray>

#include <cstdint>

namespace qm {

// Appends the little-endian primitives of the seal formats to a byte array.
class BinaryWriter
{
public:
    explicit BinaryWriter(QByteArray *out) : m_out(out) {}

    void byte(std::uint8_t v) { m_out->append(char(v)); }
    void boolean(bool v) { byte(v ? 1 : 0); }
    void int32(std::int32_t v) { uint32(static_cast<std::uint32_t>(v)); }
    void uint32(std::uint32_t v);
    void int64(std::int64_t v);
    void single(float v);
    void extended(long double v);
    void bytes(const char *data, qsizetype n) { m_out->append(data, n); }
    void bytes(const QByteArray &b) { m_out->append(b); }
    // Int32 byte count, then the bytes.
    void countedText(const QByteArray &text);

private:
    QByteArray *m_out;
};

} // namespace qm
