#include "shell/export/pngwriter.h"

#include "shell/export/exportrender.h"

#include <QBuffer>
#include <QIODevice>
#include <QImageWriter>

namespace qm {

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
    QImage out = withAlpha(picture);
    if (out.isNull())
        return ExportError::EncoderFailed;
    if (pixelsPerMetre > 0) {
        out.setDotsPerMeterX(pixelsPerMetre);
        out.setDotsPerMeterY(pixelsPerMetre);
    }
    // Encoded in memory first: the PNG handler does not tell a full disk from a bad picture.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(out))
        return ExportError::EncoderFailed;
    return device->write(bytes) == bytes.size() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
