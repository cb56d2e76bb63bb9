#include "picture/picturedecoders.h"

#include <cstdio>
#include <csetjmp>
#include <cstring>

#include <gif_lib.h>
#include <jerror.h>
#include <jpeglib.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

bool sizeAcceptable(qint64 w, qint64 h)
{
    return w > 0 && h > 0 && w <= MaxPictureSide && h <= MaxPictureSide
           && w * h <= MaxPicturePixels;
}

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool dataEnded; // the source ran out and libjpeg went on with a made-up end marker
};

void jpegErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JpegError *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void jpegSilence(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<JpegError *>(cinfo->err)->dataEnded = true;
}

// Kept free of objects with destructors between setjmp and longjmp.
bool jpegDecodeInto(const unsigned char *data, unsigned long size, QImage *out, char *message)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.emit_message = jpegSilence;
    err.message[0] = 0;
    err.dataEnded = false;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // Missing scan data decodes as grey, but a file cut inside its headers is no picture.
    if (err.dataEnded) {
        std::strncpy(message, "the data ends inside the headers", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    if (!sizeAcceptable(cinfo.image_width, cinfo.image_height)) {
        std::strncpy(message, "picture too large", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    *out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    if (out->isNull() || cinfo.output_components != 3) {
        std::strncpy(message, "unsupported JPEG layout", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct GifSource {
    const QByteArray *bytes;
    qsizetype pos;
};

int gifRead(GifFileType *gif, GifByteType *buffer, int length)
{
    auto *src = static_cast<GifSource *>(gif->UserData);
    const qsizetype left = src->bytes->size() - src->pos;
    const int n = int(std::min<qsizetype>(left, length));
    if (n > 0)
        std::memcpy(buffer, src->bytes->constData() + src->pos, size_t(n));
    src->pos += n;
    return n;
}

} // namespace

QImage decodeJpeg(const QByteArray &bytes, QString *error)
{
    QImage image;
    char message[JMSG_LENGTH_MAX] = {0};
    if (bytes.isEmpty()
        || !jpegDecodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()),
                           static_cast<unsigned long>(bytes.size()), &image, message)) {
        if (error)
            *error = u"JPEG: "_s + QString::fromLocal8Bit(message);
        return {};
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage decodeGif(const QByteArray &bytes, QString *error)
{
    GifSource src{&bytes, 0};
    int code = 0;
    GifFileType *gif = DGifOpen(&src, gifRead, &code);
    auto fail = [&](const QString &why) {
        if (error)
            *error = u"GIF: "_s + why;
        if (gif)
            DGifCloseFile(gif, &code);
        return QImage();
    };
    if (!gif)
        return fail(QString::fromLatin1(GifErrorString(code)));
    if (!sizeAcceptable(gif->SWidth, gif->SHeight))
        return fail(u"picture too large"_s);
    if (DGifSlurp(gif) != GIF_OK && gif->ImageCount < 1)
        return fail(QString::fromLatin1(GifErrorString(gif->Error)));
    if (gif->ImageCount < 1)
        return fail(u"no image"_s);

    const SavedImage &frame = gif->SavedImages[0];
    const ColorMapObject *map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    if (!map || !frame.RasterBits)
        return fail(u"no colour table"_s);
    int transparent = -1;
    GraphicsControlBlock gcb;
    if (DGifSavedExtensionToGCB(gif, 0, &gcb) == GIF_OK)
        transparent = gcb.TransparentColor;

    // The first frame on the logical screen; uncovered and transparent pixels show white,
    // the ground that emblem pictures are drawn on.
    QImage image(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const GifImageDesc &d = frame.ImageDesc;
    for (int y = 0; y < d.Height; ++y) {
        const int sy = d.Top + y;
        if (sy < 0 || sy >= image.height())
            continue;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(sy));
        for (int x = 0; x < d.Width; ++x) {
            const int sx = d.Left + x;
            if (sx < 0 || sx >= image.width())
                continue;
            const int index = frame.RasterBits[qint64(y) * d.Width + x];
            if (index == transparent || index >= map->ColorCount)
                continue;
            const GifColorType &c = map->Colors[index];
            line[sx] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    DGifCloseFile(gif, &code);
    return image;
}

} // namespace qm
