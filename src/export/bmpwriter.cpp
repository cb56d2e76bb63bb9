#include "export/bmpwriter.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <limits>

namespace qm {
namespace {

void put16(QByteArray &b, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &b, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char *>(&le), 4);
}

} // namespace

ExportError BmpWriter::write(const QImage &picture, QIODevice *device, int pixelsPerMetre)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    const qint64 stride = rowStride(picture.width());
    const qint64 imageSize = stride * picture.height();
    if (HeaderSize + imageSize > std::numeric_limits<quint32>::max())
        return ExportError::TooLargeForKind;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return ExportError::EncoderFailed;

    QByteArray header;
    header.append("BM", 2);
    put32(header, quint32(HeaderSize + imageSize));
    put32(header, 0); // reserved
    put32(header, HeaderSize);
    put32(header, 40);
    put32(header, quint32(picture.width()));
    put32(header, quint32(picture.height())); // positive: rows stored bottom-up
    put16(header, 1);                         // planes
    put16(header, 24);
    put32(header, 0); // no compression
    put32(header, quint32(imageSize));
    const quint32 ppm = quint32(std::max(pixelsPerMetre, 0));
    put32(header, ppm);
    put32(header, ppm);
    put32(header, 0); // colours used
    put32(header, 0); // colours important
    if (device->write(header) != header.size())
        return ExportError::WriteFailed;

    QByteArray row(qsizetype(stride), '\0');
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        char *dst = row.data();
        for (int x = 0; x < rgb.width(); ++x) {
            *dst++ = char(qBlue(src[x]));
            *dst++ = char(qGreen(src[x]));
            *dst++ = char(qRed(src[x]));
        }
        if (device->write(row) != row.size())
            return ExportError::WriteFailed;
    }
    return ExportError::None;
}

} // namespace qm
