#include "export/emfwriter.h"

#include "export/colourregions.h"
#include "export/exportrender.h"
#include "seal/sealtypes.h"

#include <QIODevice>
#include <QtEndian>

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <vector>

#include <uemf.h>

namespace qm {
namespace {

// The reference device is stated as 1000 mm at the export's resolution, so that a viewer maps
// picture pixels to millimetres exactly as the export meant.
constexpr int ReferenceMm = 1000;
constexpr uint32_t BrushSlot = 1;
constexpr qsizetype RectsPerRecord = 8192;

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

U_RECTL boundsOf(const QRect *rects, qsizetype n)
{
    QRect all;
    for (qsizetype i = 0; i < n; ++i)
        all |= rects[i];
    return rectl_set(point32_set(all.left(), all.top()), point32_set(all.right(), all.bottom()));
}

// Rectangles as four-corner polygons; the far corners are one past the last pixel, which a
// filled polygon without outline leaves out, so each fills exactly its pixels.
bool addRectangles(RecordStream &out, const QList<QRect> &rects, bool small)
{
    for (qsizetype first = 0; first < rects.size(); first += RectsPerRecord) {
        const qsizetype n = std::min(RectsPerRecord, rects.size() - first);
        const QRect *chunk = rects.constData() + first;
        std::vector<uint32_t> counts(size_t(n), 4);
        bool ok;
        if (small) {
            std::vector<U_POINT16> pts;
            pts.reserve(size_t(n) * 4);
            for (qsizetype i = 0; i < n; ++i) {
                const QRect &r = chunk[i];
                const auto x1 = int16_t(r.left()), y1 = int16_t(r.top());
                const auto x2 = int16_t(r.right() + 1), y2 = int16_t(r.bottom() + 1);
                pts.insert(pts.end(),
                           {point16_set(x1, y1), point16_set(x2, y1), point16_set(x2, y2), point16_set(x1, y2)});
            }
            ok = out.add(U_EMRPOLYPOLYGON16_set(boundsOf(chunk, n), uint32_t(n), counts.data(), uint32_t(pts.size()),
                                                pts.data()));
        } else {
            std::vector<U_POINTL> pts;
            pts.reserve(size_t(n) * 4);
            for (qsizetype i = 0; i < n; ++i) {
                const QRect &r = chunk[i];
                const int x1 = r.left(), y1 = r.top(), x2 = r.right() + 1, y2 = r.bottom() + 1;
                pts.insert(pts.end(),
                           {point32_set(x1, y1), point32_set(x2, y1), point32_set(x2, y2), point32_set(x1, y2)});
            }
            ok = out.add(
                U_EMRPOLYPOLYGON_set(boundsOf(chunk, n), uint32_t(n), counts.data(), uint32_t(pts.size()), pts.data()));
        }
        if (!ok)
            return false;
    }
    return true;
}

bool addRegions(RecordStream &out, const QList<ColourRegion> &regions, bool small)
{
    bool ok = out.add(U_EMRSETPOLYFILLMODE_set(U_WINDING)) && out.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    for (const ColourRegion &region : regions) {
        const U_LOGBRUSH brush = logbrush_set(
            U_BS_SOLID,
            colorref3_set(uint8_t(qRed(region.colour)), uint8_t(qGreen(region.colour)), uint8_t(qBlue(region.colour))),
            0);
        ok = ok && out.add(U_EMRCREATEBRUSHINDIRECT_set(BrushSlot, brush)) &&
             out.add(U_EMRSELECTOBJECT_set(BrushSlot)) &&
             addRectangles(out, region.rects, small)
             // A selected object must not be deleted: the stock null brush takes its place first.
             && out.add(U_EMRSELECTOBJECT_set(U_NULL_BRUSH)) && out.add(U_EMRDELETEOBJECT_set(BrushSlot));
    }
    return ok;
}

// The whole picture as one opaque 24-bit bitmap, rows bottom-up and padded to 4 bytes.
bool addBitmap(RecordStream &out, const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const qsizetype stride = (3 * qsizetype(w) + 3) / 4 * 4;
    QByteArray pixels(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        char *dst = pixels.data() + qsizetype(h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            *dst++ = char(qBlue(src[x]));
            *dst++ = char(qGreen(src[x]));
            *dst++ = char(qRed(src[x]));
        }
    }
    const U_BITMAPINFOHEADER bih = bitmapinfoheader_set(w, h, 1, 24, U_BI_RGB, uint32_t(pixels.size()), 0, 0, 0, 0);
    PU_BITMAPINFO bmi = bitmapinfo_set(bih, nullptr);
    if (!bmi)
        return false;
    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(w - 1, h - 1));
    const bool ok = out.add(U_EMRSTRETCHDIBITS_set(bounds, point32_set(0, 0), point32_set(w, h), point32_set(0, 0),
                                                   point32_set(w, h), U_DIB_RGB_COLORS, U_SRCCOPY, bmi,
                                                   uint32_t(pixels.size()), pixels.data()));
    std::free(bmi);
    return ok;
}

} // namespace

ExportError EmfWriter::write(const QImage &picture, QIODevice *device, long double pixelsPerMm)
{
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0)
        return ExportError::EncoderFailed;
    if (!(pixelsPerMm > 0) || !std::isfinite(pixelsPerMm))
        return ExportError::BadResolution;
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    const qint64 frameW = qint64(roundHalfEven(w * 100 / pixelsPerMm));
    const qint64 frameH = qint64(roundHalfEven(h * 100 / pixelsPerMm));
    const qint64 deviceSide = qint64(roundHalfEven(ReferenceMm * pixelsPerMm));
    constexpr qint64 Max32 = std::numeric_limits<int32_t>::max();
    // A metafile's size and every record size are 32-bit numbers.
    if (4 * w * h + 4096 > std::numeric_limits<quint32>::max() || frameW >= Max32 || frameH >= Max32 ||
        deviceSide >= Max32)
        return ExportError::TooLargeForKind;

    const U_RECTL bounds = rectl_set(point32_set(0, 0), point32_set(int32_t(w - 1), int32_t(h - 1)));
    const U_RECTL frame = rectl_set(point32_set(0, 0), point32_set(int32_t(frameW - 1), int32_t(frameH - 1)));
    RecordStream out;
    bool ok =
        out.add(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, sizel_set(int32_t(deviceSide), int32_t(deviceSide)),
                                sizel_set(ReferenceMm, ReferenceMm), 0)) &&
        out.add(U_EMRSETMAPMODE_set(U_MM_TEXT));

    const auto regions = ColourRegions::split(picture, transparentColour(picture), maxRectangles(w, h));
    if (regions)
        ok = ok && addRegions(out, *regions, w < 0x7FFF && h < 0x7FFF);
    else
        ok = ok && addBitmap(out, picture);
    EMFTRACK track{}; // the end record notes its palette count in a tracker; nothing else is kept
    ok = ok && out.add(U_EMREOF_set(0, nullptr, &track));
    if (!ok)
        return ExportError::EncoderFailed;
    QByteArray &bytes = out.bytes();
    if (bytes.size() > qsizetype(std::numeric_limits<quint32>::max()))
        return ExportError::TooLargeForKind;

    // The totals a player checks, known only now.
    qToLittleEndian(quint32(bytes.size()), bytes.data() + offsetof(U_EMRHEADER, nBytes));
    qToLittleEndian(out.records(), bytes.data() + offsetof(U_EMRHEADER, nRecords));
    qToLittleEndian(quint16(BrushSlot + 1), bytes.data() + offsetof(U_EMRHEADER, nHandles));
    return device->write(bytes) == bytes.size() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
