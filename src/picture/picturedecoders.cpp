#include "picture/picturedecoders.h"

#include <QtGlobal>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <gif_lib.h>
#include <jerror.h>
#include <jpeglib.h>

using namespace Qt::StringLiterals;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "JPEG rows are decoded straight into RGB32 pixels");

namespace qm {

namespace {

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

// Every scan of a progressive picture passes over all of it: a few hundred bytes of empty
// scans would otherwise keep the decoder busy for seconds.
void jpegProgress(j_common_ptr cinfo)
{
    if (!cinfo->is_decompressor || reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= MaxJpegScans)
        return;
    auto *err = reinterpret_cast<JpegError *>(cinfo->err);
    std::snprintf(err->message, JMSG_LENGTH_MAX, "more than %d scans", MaxJpegScans);
    std::longjmp(err->jump, 1);
}

// Kept free of objects with destructors between setjmp and longjmp. Rows are decoded as
// blue, green, red, opaque alpha: RGB32 pixels in memory, without an intermediate copy.
bool jpegDecodeInto(const unsigned char *data, unsigned long size, QImage *out, char *message, DecodeBudget *budget)
{
    jpeg_decompress_struct cinfo;
    JpegError err;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegErrorExit;
    err.mgr.emit_message = jpegSilence;
    err.message[0] = 0;
    err.dataEnded = false;
    progress.progress_monitor = jpegProgress;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // Missing scan data decodes as grey, but a file cut inside its headers is no picture.
    if (err.dataEnded) {
        std::strncpy(message, "the data ends inside the headers", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_EXT_BGRA;
    if (!budget->takePixels(cinfo.image_width, cinfo.image_height)) {
        std::strncpy(message, "picture too large", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    *out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (out->isNull() || cinfo.output_components != 4) {
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

// Closes the giflib handle on every way out.
struct GifHandle {
    GifFileType *gif = nullptr;
    ~GifHandle()
    {
        if (gif) {
            int code = 0;
            DGifCloseFile(gif, &code);
        }
    }
};

} // namespace

QImage decodeJpeg(const QByteArray &bytes, QString *error, DecodeBudget *budget)
{
    DecodeBudget single;
    QImage image;
    char message[JMSG_LENGTH_MAX] = {0};
    if (bytes.isEmpty() ||
        !jpegDecodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()),
                        static_cast<unsigned long>(bytes.size()), &image, message, budget ? budget : &single)) {
        if (error)
            *error = u"JPEG: "_s + QString::fromLocal8Bit(message);
        return {};
    }
    return image;
}

QImage decodeGif(const QByteArray &bytes, QString *error, DecodeBudget *budget)
{
    DecodeBudget single;
    if (!budget)
        budget = &single;
    auto fail = [&](const QString &why) {
        if (error)
            *error = u"GIF: "_s + why;
        return QImage();
    };
    GifSource src{&bytes, 0};
    int code = 0;
    GifHandle handle{DGifOpen(&src, gifRead, &code)};
    GifFileType *gif = handle.gif;
    if (!gif)
        return fail(QString::fromLatin1(GifErrorString(code)));
    if (!pictureSizeAcceptable(gif->SWidth, gif->SHeight))
        return fail(u"picture too large"_s);

    // The records up to the first image: extensions (of which only the transparent colour
    // matters here), then the image descriptor. Later frames are never read.
    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK)
            return fail(QString::fromLatin1(GifErrorString(gif->Error)));
        if (type == IMAGE_DESC_RECORD_TYPE)
            break;
        if (type == TERMINATE_RECORD_TYPE)
            return fail(u"no image"_s);
        if (type != EXTENSION_RECORD_TYPE)
            return fail(u"unknown record"_s);
        int function = 0;
        GifByteType *block = nullptr;
        if (DGifGetExtension(gif, &function, &block) != GIF_OK)
            return fail(QString::fromLatin1(GifErrorString(gif->Error)));
        if (function == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4)
            transparent = (block[1] & 0x01) ? int(block[4]) : -1;
        while (block) {
            if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                return fail(QString::fromLatin1(GifErrorString(gif->Error)));
        }
    }
    if (DGifGetImageDesc(gif) != GIF_OK)
        return fail(QString::fromLatin1(GifErrorString(gif->Error)));

    // The frame is decoded row by row whatever part of it lies on the screen, so its own size
    // counts when it is the larger; it is checked before anything is allocated for it.
    const GifImageDesc d = gif->Image;
    const qint64 screenPixels = qint64(gif->SWidth) * gif->SHeight;
    const qint64 framePixels = qint64(d.Width) * d.Height;
    if (!pictureSizeAcceptable(d.Width, d.Height))
        return fail(u"frame too large"_s);
    if (framePixels > screenPixels ? !budget->takePixels(d.Width, d.Height)
                                   : !budget->takePixels(gif->SWidth, gif->SHeight))
        return fail(u"picture too large"_s);
    const ColorMapObject *map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map)
        return fail(u"no colour table"_s);

    // Uncovered and transparent pixels show white, the ground emblem pictures are drawn on.
    QImage image(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
    if (image.isNull())
        return fail(u"picture too large"_s);
    image.fill(Qt::white);
    // Only the columns on the screen are copied.
    const int firstX = std::max(0, -d.Left), lastX = std::min(d.Width, image.width() - d.Left);
    QByteArray row(d.Width, '\0');
    auto *pixels = reinterpret_cast<GifPixelType *>(row.data());
    // Interlaced rows arrive in four passes: every 8th from 0, every 8th from 4, every 4th
    // from 2, every 2nd from 1.
    const int passes = d.Interlace ? 4 : 1;
    static constexpr int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = d.Interlace ? start[pass] : 0; y < d.Height; y += d.Interlace ? step[pass] : 1) {
            if (DGifGetLine(gif, pixels, d.Width) != GIF_OK)
                return fail(QString::fromLatin1(GifErrorString(gif->Error)));
            const int sy = d.Top + y;
            if (sy < 0 || sy >= image.height())
                continue;
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(sy));
            for (int x = firstX; x < lastX; ++x) {
                const int index = pixels[x];
                if (index == transparent || index >= map->ColorCount)
                    continue;
                const GifColorType &c = map->Colors[index];
                line[d.Left + x] = qRgb(c.Red, c.Green, c.Blue);
            }
        }
    }
    return image;
}

} // namespace qm
