#include "shell/export/emfwriter.h"

#include "seal/sealtypes.h"
#include "shell/export/exportrender.h"

#include <QIODevice>
#include <QtEndian>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <uemf.h>

namespace qm {
namespace {

// The reference device is stated as 1000 mm at the export's resolution, so that a viewer maps
// picture pixels to millimetres exactly as the export meant.
constexpr int ReferenceMm = 1000;

// Collects libUEMF's records (malloc'd, each knowing its own size) into the file's bytes.
class RecordStream
{
public:
    bool add(char *record)
    {
        if (!record)
            return false;
        const auto *emr = reinterpret_cast<const U_EMR *>(record);
        m_bytes.append(record, qsizetype(emr->nSize));
        std::free(record);
        ++m_records;
        return true;
    }
    QByteArray &bytes() { return m_bytes; }
    quint32 records() const { return m_records; }

private:
    QByteArray m_bytes;
    quint32 m_records = 0;
};

void patch32(QByteArray &bytes, size_t offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void patch16(QByteArray &bytes, size_t offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

ExportError EmfWriter::write(const QImage &picture, QIODevice *device, long double pixelsPerMm)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    if (!(pixelsPerMm > 0) || !std::isfinite(pixelsPerMm))
        return ExportError::BadResolution;
    const int w = picture.width();
    const int h = picture.height();
    const qint64 pixelBytes = 4LL * w * h;
    if (pixelBytes + 4096 > std::numeric_limits<quint32>::max())
        return ExportError::TooLargeForKind;
    const qint64 frameW = qint64(Round(w * 100 / pixelsPerMm));
    const qint64 frameH = qint64(Round(h * 100 / pixelsPerMm));
    const qint64 deviceSide = qint64(Round(ReferenceMm * pixelsPerMm));
    if (frameW > std::numeric_limits<int32_t>::max() || frameH > std::numeric_limits<int32_t>::max()
        || deviceSide >= std::numeric_limits<int32_t>::max())
        return ExportError::TooLargeForKind;

    // Premultiplied blue-green-red-alpha rows, bottom-up: the transparent colour becomes
    // (0, 0, 0, 0), everything else is opaque.
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparentColour(rgb) | 0xFF000000u;
    QByteArray pixels(qsizetype(pixelBytes), Qt::Uninitialized);
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        auto *dst = reinterpret_cast<uchar *>(pixels.data()) + qsizetype(h - 1 - y) * w * 4;
        for (int x = 0; x < w; ++x, dst += 4) {
            const QRgb c = src[x] | 0xFF000000u;
            const bool clear = c == key;
            dst[0] = clear ? 0 : uchar(qBlue(c));
            dst[1] = clear ? 0 : uchar(qGreen(c));
            dst[2] = clear ? 0 : uchar(qRed(c));
            dst[3] = clear ? 0 : 255;
        }
    }

    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(w - 1, h - 1));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(int32_t(frameW) - 1, int32_t(frameH) - 1));
    RecordStream out;
    bool ok = out.add(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr,
                                      sizel_set(int32_t(deviceSide), int32_t(deviceSide)),
                                      sizel_set(ReferenceMm, ReferenceMm), 0));
    ok = ok && out.add(U_EMRSETMAPMODE_set(U_MM_TEXT));

    const U_BITMAPINFOHEADER bih =
        bitmapinfoheader_set(w, h, 1, 32, U_BI_RGB, uint32_t(pixelBytes), 0, 0, 0, 0);
    PU_BITMAPINFO bmi = bitmapinfo_set(bih, nullptr);
    U_BLEND blend{};
    blend.Operation = 0; // source over
    blend.Flags = 0;
    blend.Global = 255;
    blend.Op = U_AC_SRC_ALPHA;
    const U_XFORM identity = xform_set(1, 0, 0, 1, 0, 0);
    ok = ok && bmi
         && out.add(U_EMRALPHABLEND_set(bounds, point32_set(0, 0), point32_set(w, h), point32_set(0, 0),
                                        point32_set(w, h), identity, colorref3_set(0, 0, 0), U_DIB_RGB_COLORS,
                                        blend, bmi, uint32_t(pixelBytes), pixels.data()));
    std::free(bmi);
    EMFTRACK track{}; // the end record notes its palette count in a tracker; nothing else is kept
    ok = ok && out.add(U_EMREOF_set(0, nullptr, &track));
    if (!ok)
        return ExportError::EncoderFailed;

    // The totals a player checks, known only now.
    QByteArray &bytes = out.bytes();
    patch32(bytes, offsetof(U_EMRHEADER, nBytes), quint32(bytes.size()));
    patch32(bytes, offsetof(U_EMRHEADER, nRecords), out.records());
    patch16(bytes, offsetof(U_EMRHEADER, nHandles), 1); // slot 0 only: no objects are created
    return device->write(bytes) == bytes.size() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
