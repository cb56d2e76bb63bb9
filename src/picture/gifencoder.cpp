#include "picture/gifencoder.h"

#include "picture/colourquantizer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>

#include <gif_lib.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

int writeToDevice(GifFileType *gif, const GifByteType *data, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    return device->write(reinterpret_cast<const char *>(data), length) == length ? length : 0;
}

} // namespace

GifStatus writeGif(const QImage &image, QIODevice *device)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return GifStatus::EmptyPicture;
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        return GifStatus::TooLarge;

    QuantizedImage q = ColourQuantizer::quantize(image, 256);
    int mapSize = 2; // a GIF colour table has a power-of-two size, two entries at least
    while (mapSize < q.palette.size())
        mapSize *= 2;
    GifColorType colours[256] = {};
    for (int i = 0; i < q.palette.size(); ++i)
        colours[i] = GifColorType{GifByteType(qRed(q.palette[i])), GifByteType(qGreen(q.palette[i])),
                                  GifByteType(qBlue(q.palette[i]))};
    ColorMapObject *map = GifMakeMapObject(mapSize, colours);
    if (!map)
        return GifStatus::EncoderFailed;

    int error = 0;
    GifFileType *gif = EGifOpen(device, writeToDevice, &error);
    if (!gif) {
        GifFreeMapObject(map);
        return GifStatus::EncoderFailed;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, q.width, q.height, 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, q.width, q.height, false, nullptr) == GIF_OK;
    GifFreeMapObject(map); // the screen descriptor keeps its own copy
    auto *pixels = reinterpret_cast<GifPixelType *>(q.indices.data());
    for (int y = 0; ok && y < q.height; ++y)
        ok = EGifPutLine(gif, pixels + qsizetype(y) * q.width, q.width) == GIF_OK;
    const int lastError = gif->Error;
    // Closing writes the trailer and frees the encoder, also after a failure.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    if (!ok)
        return lastError == E_GIF_ERR_WRITE_FAILED ? GifStatus::WriteFailed : GifStatus::EncoderFailed;
    if (!closed)
        return error == E_GIF_ERR_WRITE_FAILED ? GifStatus::WriteFailed : GifStatus::EncoderFailed;
    return GifStatus::Ok;
}

QByteArray encodeGif(const QImage &image, QString *error)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const GifStatus status = writeGif(image, &buffer);
    if (status == GifStatus::Ok)
        return bytes;
    if (error)
        *error = gifStatusText(status);
    return {};
}

QString gifStatusText(GifStatus status)
{
    switch (status) {
    case GifStatus::Ok:
        return {};
    case GifStatus::EmptyPicture:
        return QCoreApplication::translate("Picture", "图象为空，无法保存为GIF。");
    case GifStatus::TooLarge:
        return QCoreApplication::translate("Picture", "图象的宽或高超过65535像素，无法保存为GIF。");
    case GifStatus::EncoderFailed:
        return QCoreApplication::translate("Picture", "GIF编码失败。");
    case GifStatus::WriteFailed:
        return QCoreApplication::translate("Picture", "GIF文件写入失败。");
    }
    return {};
}

} // namespace qm
