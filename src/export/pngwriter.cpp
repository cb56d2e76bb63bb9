#include "export/pngwriter.h"

#include "export/exportrender.h"

#include <QIODevice>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <vector>

namespace qm {
namespace {

constexpr uchar FilterUp = 2;
// The deflate stream is cut into IDAT chunks of this size.
constexpr qsizetype IdatSize = 1 << 16;

void appendChunk(QByteArray &out, const char type[4], const uchar *data, qsizetype size)
{
    uchar length[4];
    qToBigEndian(quint32(size), length);
    out.append(reinterpret_cast<const char *>(length), 4);
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    if (size > 0)
        out.append(reinterpret_cast<const char *>(data), size);
    uLong crc = crc32(0, reinterpret_cast<const Bytef *>(out.constData() + typeAt), uInt(4 + size));
    uchar crcBytes[4];
    qToBigEndian(quint32(crc), crcBytes);
    out.append(reinterpret_cast<const char *>(crcBytes), 4);
}

// One row as RGBA bytes: the transparent colour fully transparent, every other pixel opaque.
void rgbaRow(const QRgb *line, int width, QRgb key, uchar *row)
{
    for (int x = 0; x < width; ++x, row += 4) {
        const QRgb c = line[x] | 0xFF000000u;
        if (c == key) {
            row[0] = row[1] = row[2] = row[3] = 0;
        } else {
            row[0] = uchar(qRed(c));
            row[1] = uchar(qGreen(c));
            row[2] = uchar(qBlue(c));
            row[3] = 0xFF;
        }
    }
}

// Owns a deflate stream so that every way out frees it.
class Deflater
{
public:
    Deflater()
    {
        // An exported seal is flat ink on a transparent ground: after the Up filter nearly
        // every byte is a zero in a long run, which run-length matching finds at a fraction of
        // the cost of a full match search and nearly the same size.
        m_ok = deflateInit2(&m_z, 1, Z_DEFLATED, 15, 8, Z_RLE) == Z_OK;
    }
    ~Deflater()
    {
        if (m_ok)
            deflateEnd(&m_z);
    }
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    bool ok() const { return m_ok; }

    // Compresses `size` bytes, appending full IDAT chunks to `out` as the stream grows.
    bool add(const uchar *data, qsizetype size, bool last, QByteArray &out)
    {
        m_z.next_in = const_cast<Bytef *>(data);
        m_z.avail_in = uInt(size);
        for (;;) {
            m_z.next_out = m_pending.data() + m_used;
            m_z.avail_out = uInt(m_pending.size() - size_t(m_used));
            const int r = deflate(&m_z, last ? Z_FINISH : Z_NO_FLUSH);
            if (r != Z_OK && r != Z_STREAM_END && r != Z_BUF_ERROR)
                return false;
            m_used = qsizetype(m_pending.size()) - qsizetype(m_z.avail_out);
            const bool full = m_z.avail_out == 0;
            if (full) {
                appendChunk(out, "IDAT", m_pending.data(), m_used);
                m_used = 0;
            }
            if (last ? r == Z_STREAM_END : m_z.avail_in == 0)
                break;
            if (!full)
                return false; // room left, yet the stream stopped short
        }
        if (last && m_used > 0) {
            appendChunk(out, "IDAT", m_pending.data(), m_used);
            m_used = 0;
        }
        return true;
    }

private:
    z_stream m_z{};
    bool m_ok = false;
    std::vector<uchar> m_pending = std::vector<uchar>(size_t(IdatSize));
    qsizetype m_used = 0;
};

// RGBA, 8 bits a channel, every row with the Up filter.
QByteArray encodePng(const QImage &argb, QRgb key, int pixelsPerMetre)
{
    const int w = argb.width(), h = argb.height();
    QByteArray out("\x89PNG\r\n\x1A\n", 8);
    uchar header[13];
    qToBigEndian(quint32(w), header);
    qToBigEndian(quint32(h), header + 4);
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGB with alpha
    header[10] = 0; // deflate
    header[11] = 0; // adaptive filtering, one filter type per row
    header[12] = 0; // not interlaced
    appendChunk(out, "IHDR", header, sizeof header);
    if (pixelsPerMetre > 0) {
        uchar phys[9];
        qToBigEndian(quint32(pixelsPerMetre), phys);
        qToBigEndian(quint32(pixelsPerMetre), phys + 4);
        phys[8] = 1; // the unit is the metre
        appendChunk(out, "pHYs", phys, sizeof phys);
    }

    Deflater deflater;
    if (!deflater.ok())
        return {};
    const size_t stride = size_t(w) * 4;
    std::vector<uchar> above(stride, 0), current(stride), filtered(stride + 1);
    filtered[0] = FilterUp;
    for (int y = 0; y < h; ++y) {
        rgbaRow(reinterpret_cast<const QRgb *>(argb.constScanLine(y)), w, key, current.data());
        for (size_t i = 0; i < stride; ++i)
            filtered[i + 1] = uchar(current[i] - above[i]);
        if (!deflater.add(filtered.data(), qsizetype(filtered.size()), y == h - 1, out))
            return {};
        std::swap(above, current);
    }
    appendChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace

QImage PngWriter::withAlpha(const QImage &picture)
{
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return out;
    const QRgb key = transparentColour(picture) | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            line[x] = (line[x] | 0xFF000000u) == key ? 0u : (line[x] | 0xFF000000u);
    }
    return out;
}

ExportError PngWriter::write(const QImage &picture, QIODevice *device, int pixelsPerMetre)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    if (argb.isNull())
        return ExportError::EncoderFailed;
    // Encoded in memory first, so that a full disk is told apart from a picture that cannot be encoded.
    const QByteArray bytes = encodePng(argb, transparentColour(picture) | 0xFF000000u, pixelsPerMetre);
    if (bytes.isEmpty())
        return ExportError::EncoderFailed;
    return device->write(bytes) == bytes.size() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
