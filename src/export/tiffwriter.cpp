#include "export/tiffwriter.h"

#include <QIODevice>
#include <QtEndian>

#include <limits>

namespace qm {
namespace {

enum : quint16 { Ascii = 2, Short = 3, Long = 4, Rational = 5 };

class LittleEndianBytes
{
public:
    void u16(quint16 v)
    {
        const quint16 le = qToLittleEndian(v);
        m_bytes.append(reinterpret_cast<const char *>(&le), 2);
    }
    void u32(quint32 v)
    {
        const quint32 le = qToLittleEndian(v);
        m_bytes.append(reinterpret_cast<const char *>(&le), 4);
    }
    void raw(const char *data, qsizetype size) { m_bytes.append(data, size); }
    // A SHORT sits in the low two bytes of the value field; a side that does not fit is a LONG.
    void entry(quint16 tag, quint16 type, quint32 count, quint32 value)
    {
        u16(tag);
        u16(type);
        u32(count);
        if (type == Short) {
            u16(quint16(value));
            u16(0);
        } else {
            u32(value);
        }
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

bool writeAll(QIODevice *device, const QByteArray &bytes)
{
    return device->write(bytes) == bytes.size();
}

} // namespace

ExportError TiffWriter::write(const QImage &picture, QIODevice *device)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    const qint64 dirOffset = directoryOffset(w, h);
    // Every offset and the strip's byte count are 32-bit numbers.
    if (dirOffset + 2 + 12 * EntryCount + 4 > std::numeric_limits<quint32>::max())
        return ExportError::TooLargeForKind;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return ExportError::EncoderFailed;

    LittleEndianBytes header;
    header.raw("II", 2);
    header.u16(42);
    header.u32(quint32(dirOffset));
    header.u32(877); // X resolution at 8
    header.u32(10);
    header.u32(877); // Y resolution at 16
    header.u32(10);
    header.u16(8); // bits per sample at 24
    header.u16(8);
    header.u16(8);
    header.raw("Tiffwriter", 10); // software name at 30, no terminating zero
    if (!writeAll(device, header.bytes()))
        return ExportError::WriteFailed;

    QByteArray row(qsizetype(3 * w), Qt::Uninitialized);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        char *dst = row.data();
        for (int x = 0; x < rgb.width(); ++x) {
            *dst++ = char(qRed(src[x]));
            *dst++ = char(qGreen(src[x]));
            *dst++ = char(qBlue(src[x]));
        }
        if (!writeAll(device, row))
            return ExportError::WriteFailed;
    }

    const quint16 sideType = (w > 0xFFFF || h > 0xFFFF) ? Long : Short;
    LittleEndianBytes dir;
    dir.u16(EntryCount);
    dir.entry(254, Long, 1, 0);                  // NewSubfileType
    dir.entry(256, sideType, 1, quint32(w));     // ImageWidth
    dir.entry(257, sideType, 1, quint32(h));     // ImageLength
    dir.entry(258, Short, 3, 24);                // BitsPerSample, at 24
    dir.entry(259, Short, 1, 1);                 // Compression: none
    dir.entry(262, Short, 1, 2);                 // PhotometricInterpretation: RGB
    dir.entry(273, Long, 1, HeaderSize);         // StripOffsets
    dir.entry(277, Short, 1, 3);                 // SamplesPerPixel
    dir.entry(278, Long, 1, quint32(h));         // RowsPerStrip
    dir.entry(279, Long, 1, quint32(3 * w * h)); // StripByteCounts
    dir.entry(282, Rational, 1, 8);              // XResolution
    dir.entry(283, Rational, 1, 16);             // YResolution
    dir.entry(284, Short, 1, 1);                 // PlanarConfiguration: chunky
    dir.entry(296, Short, 1, 2);                 // ResolutionUnit: inch
    dir.entry(305, Ascii, 10, 30);               // Software
    dir.u32(0);                                  // no next directory
    if (!writeAll(device, dir.bytes()))
        return ExportError::WriteFailed;
    return ExportError::None;
}

} // namespace qm
