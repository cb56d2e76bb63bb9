#include "export/jpegwriter.h"

#include <QByteArray>
#include <QIODevice>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace qm {
namespace {

// Error handling by longjmp, as libjpeg expects: its default handler would end the process.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

void silentMessage(j_common_ptr)
{
}

// Streams the compressed bytes to the device in chunks; a failed write is remembered and the
// rest discarded, so libjpeg never has to unwind through our callback.
struct DeviceDestination {
    jpeg_destination_mgr pub;
    QIODevice *device;
    QByteArray buffer;
    bool failed;
};

void initDestination(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<DeviceDestination *>(cinfo->dest);
    d->pub.next_output_byte = reinterpret_cast<JOCTET *>(d->buffer.data());
    d->pub.free_in_buffer = size_t(d->buffer.size());
}

void flush(DeviceDestination *d, qint64 size)
{
    if (!d->failed && d->device->write(d->buffer.constData(), size) != size)
        d->failed = true;
}

boolean emptyOutputBuffer(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<DeviceDestination *>(cinfo->dest);
    flush(d, d->buffer.size());
    initDestination(cinfo);
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto *d = reinterpret_cast<DeviceDestination *>(cinfo->dest);
    flush(d, d->buffer.size() - qint64(d->pub.free_in_buffer));
}

} // namespace

ExportError JpegWriter::write(const QImage &picture, QIODevice *device, int dotsPerInch)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    if (picture.width() > MaxSide || picture.height() > MaxSide)
        return ExportError::TooLargeForKind;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return ExportError::EncoderFailed;

    // Everything with a destructor lives before setjmp, so a longjmp skips none of them.
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    DeviceDestination dest{};
    dest.device = device;
    dest.buffer = QByteArray(64 * 1024, Qt::Uninitialized);
    dest.failed = false;

    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.output_message = silentMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return ExportError::EncoderFailed;
    }
    jpeg_create_compress(&cinfo);
    dest.pub.init_destination = initDestination;
    dest.pub.empty_output_buffer = emptyOutputBuffer;
    dest.pub.term_destination = termDestination;
    cinfo.dest = &dest.pub;

    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    if (dotsPerInch > 0 && dotsPerInch <= 0xFFFF) {
        cinfo.density_unit = 1;
        cinfo.X_density = UINT16(dotsPerInch);
        cinfo.Y_density = UINT16(dotsPerInch);
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return dest.failed ? ExportError::WriteFailed : ExportError::None;
}

} // namespace qm
