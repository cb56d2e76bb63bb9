#include "picture/metafileemf.h"

#include "picture/drawingtypes.h"
#include "picture/metafilecanvas.h"
#include "picture/metafiledib.h"
#include "picture/meteredsurface.h"

#include <QtEndian>

#include <cstddef>
#include <cstring>

#include <uemf.h>
#include <uemf_safe.h>

using namespace Qt::StringLiterals;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "metafile records are read in place");

namespace qm {
namespace {

constexpr std::uint32_t StockBit = 0x80000000u;
constexpr std::uint32_t PsNull = 5;
constexpr std::uint32_t PsStyleMask = 0x0000000F;
constexpr std::uint32_t PsGeometric = 0x00010000;
constexpr std::uint32_t BsNull = 1;
constexpr std::uint32_t DibRgbColors = 0;
constexpr double PixelsPerInch = 96;

// One record, read field by field; every read is inside `size` once the record's fixed part
// has been checked against it.
struct Record {
    const char *p;
    std::uint32_t size;

    std::uint32_t u32(std::size_t at) const { return qFromLittleEndian<std::uint32_t>(p + at); }
    std::int32_t i32(std::size_t at) const { return qFromLittleEndian<std::int32_t>(p + at); }
    double f32(std::size_t at) const
    {
        float f;
        std::memcpy(&f, p + at, sizeof f);
        return f;
    }
    QPointF pointL(std::size_t at) const { return QPointF(i32(at), i32(at + 4)); }
    QPointF point16(std::size_t at) const
    {
        return QPointF(qFromLittleEndian<std::int16_t>(p + at), qFromLittleEndian<std::int16_t>(p + at + 2));
    }
    QRectF rectL(std::size_t at) const { return QRectF(pointL(at), pointL(at + 8)); }
    QSizeF sizeL(std::size_t at) const { return QSizeF(i32(at), i32(at + 4)); }
    QTransform xform(std::size_t at) const
    {
        return QTransform(f32(at), f32(at + 4), f32(at + 8), f32(at + 12), f32(at + 16), f32(at + 20));
    }
    // A block of `length` bytes at `offset`, when it lies inside the record.
    bool holds(std::uint64_t offset, std::uint64_t length) const { return offset + length <= size; }
};

constexpr std::size_t CountAt = offsetof(U_EMRPOLYLINE, cptl);
constexpr std::size_t PolyCountsAt = offsetof(U_EMRPOLYPOLYLINE, nPolys);

// Points of one record; no emblem comes near, and a path cannot hold more.
constexpr std::uint32_t MaxRecordPoints = std::uint32_t(MetafileCanvas::MaxPathElements);

// Whether the `count` points after the count field, 32-bit or 16-bit pairs, are all inside.
// In 64 bits: a count near 2^32 / 8 must not wrap around to a small size.
bool pointsFit(const Record &r, bool small)
{
    return r.u32(CountAt) <= MaxRecordPoints && r.holds(CountAt + 4, std::uint64_t(r.u32(CountAt)) * (small ? 4 : 8));
}

// Whether nPolys counts and the points of all the polygons are inside, the counts adding up.
bool polyPointsFit(const Record &r, bool small)
{
    const std::uint32_t polys = r.u32(PolyCountsAt);
    const std::uint32_t total = r.u32(PolyCountsAt + 4);
    const std::size_t countsAt = PolyCountsAt + 8;
    if (polys > MaxRecordPoints || total > MaxRecordPoints || !r.holds(countsAt, 4 * std::uint64_t(polys)) ||
        !r.holds(countsAt + 4 * std::uint64_t(polys), std::uint64_t(total) * (small ? 4 : 8)))
        return false;
    std::uint64_t sum = 0;
    for (std::uint32_t i = 0; i < polys; ++i)
        sum += r.u32(countsAt + 4 * std::size_t(i));
    return sum == total;
}

// The points that follow the count field.
bool readPoints(const Record &r, bool small, QList<QPointF> *out)
{
    if (!pointsFit(r, small))
        return false;
    const std::uint32_t count = r.u32(CountAt);
    const std::size_t first = CountAt + 4;
    const std::size_t step = small ? 4 : 8;
    out->reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out->append(small ? r.point16(first + i * step) : r.pointL(first + i * step));
    return true;
}

// nPolys counts, then the points of all of them one after the other; the counts must add up.
bool readPolyPoints(const Record &r, bool small, QList<QList<QPointF>> *out)
{
    if (!polyPointsFit(r, small))
        return false;
    const std::uint32_t polys = r.u32(PolyCountsAt);
    const std::size_t countsAt = PolyCountsAt + 8;
    const std::size_t step = small ? 4 : 8;
    std::size_t at = countsAt + 4 * std::size_t(polys);
    out->reserve(polys);
    for (std::uint32_t i = 0; i < polys; ++i) {
        const std::uint32_t n = r.u32(countsAt + 4 * i);
        QList<QPointF> points;
        points.reserve(n);
        for (std::uint32_t k = 0; k < n; ++k, at += step)
            points.append(small ? r.point16(at) : r.pointL(at));
        out->append(points);
    }
    return true;
}

// The bitmap a transfer record carries, or a null image when it has none or it cannot be read.
// Its pixels are taken from the canvas's budget first.
QImage recordBitmap(MetafileCanvas &c, const Record &r, std::uint32_t usage, std::uint32_t offBmi, std::uint32_t cbBmi,
                    std::uint32_t offBits, std::uint32_t cbBits, bool *bottomUp)
{
    if (usage != DibRgbColors || cbBmi == 0 || !r.holds(offBmi, cbBmi) || !r.holds(offBits, cbBits))
        return {};
    const QSize size = MetafileDib::size(r.p + offBmi, cbBmi);
    if (!size.isValid() || !c.takeBitmap(size))
        return {};
    return MetafileDib::decode(r.p + offBmi, cbBmi, r.p + offBits, cbBits, bottomUp);
}

Colour colour(std::uint32_t colorref)
{
    return colorref & 0x00FFFFFF;
}

// The records play() draws; each of them is checked in full by load().
bool played(std::uint32_t type)
{
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTEXTEX:
    case U_EMR_SETVIEWPORTORGEX:
    case U_EMR_EOF:
    case U_EMR_SETMAPMODE:
    case U_EMR_SETPOLYFILLMODE:
    case U_EMR_MOVETOEX:
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX:
    case U_EMR_SAVEDC:
    case U_EMR_RESTOREDC:
    case U_EMR_SETWORLDTRANSFORM:
    case U_EMR_MODIFYWORLDTRANSFORM:
    case U_EMR_SELECTOBJECT:
    case U_EMR_CREATEPEN:
    case U_EMR_CREATEBRUSHINDIRECT:
    case U_EMR_DELETEOBJECT:
    case U_EMR_ANGLEARC:
    case U_EMR_ELLIPSE:
    case U_EMR_RECTANGLE:
    case U_EMR_ROUNDRECT:
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_LINETO:
    case U_EMR_ARCTO:
    case U_EMR_SETARCDIRECTION:
    case U_EMR_BEGINPATH:
    case U_EMR_ENDPATH:
    case U_EMR_CLOSEFIGURE:
    case U_EMR_FILLPATH:
    case U_EMR_STROKEANDFILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_WIDENPATH:
    case U_EMR_SELECTCLIPPATH:
    case U_EMR_ABORTPATH:
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
    case U_EMR_STRETCHDIBITS:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
    case U_EMR_EXTCREATEPEN:
        return true;
    default:
        return false;
    }
}

// Fixed part each played record needs before its fields are read.
std::size_t fixedSize(std::uint32_t type)
{
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
        return U_SIZE_EMRPOLYLINE;
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        return U_SIZE_EMRPOLYLINE16;
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
        return U_SIZE_EMRPOLYPOLYLINE;
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
        return U_SIZE_EMRPOLYPOLYLINE16;
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX:
        return U_SIZE_EMRSETWINDOWEXTEX;
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTORGEX:
    case U_EMR_MOVETOEX:
    case U_EMR_LINETO:
        return U_SIZE_EMRSETWINDOWORGEX;
    case U_EMR_SETMAPMODE:
    case U_EMR_SETPOLYFILLMODE:
    case U_EMR_SETARCDIRECTION:
    case U_EMR_RESTOREDC:
    case U_EMR_SELECTOBJECT:
    case U_EMR_DELETEOBJECT:
        return U_SIZE_EMRSETMAPMODE;
    case U_EMR_SCALEVIEWPORTEXTEX:
    case U_EMR_SCALEWINDOWEXTEX:
        return U_SIZE_EMRSCALEWINDOWEXTEX;
    case U_EMR_SETWORLDTRANSFORM:
        return U_SIZE_EMRSETWORLDTRANSFORM;
    case U_EMR_MODIFYWORLDTRANSFORM:
        return U_SIZE_EMRMODIFYWORLDTRANSFORM;
    case U_EMR_CREATEPEN:
        return U_SIZE_EMRCREATEPEN;
    case U_EMR_CREATEBRUSHINDIRECT:
        return U_SIZE_EMRCREATEBRUSHINDIRECT;
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
        return U_SIZE_EMRCREATEMONOBRUSH;
    case U_EMR_EXTCREATEPEN:
        return U_SIZE_EMREXTCREATEPEN;
    case U_EMR_ANGLEARC:
        return U_SIZE_EMRANGLEARC;
    case U_EMR_ELLIPSE:
    case U_EMR_RECTANGLE:
        return U_SIZE_EMRRECTANGLE;
    case U_EMR_ROUNDRECT:
        return U_SIZE_EMRROUNDRECT;
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_ARCTO:
        return U_SIZE_EMRARC;
    case U_EMR_BITBLT:
        return U_SIZE_EMRBITBLT;
    case U_EMR_STRETCHBLT:
        return U_SIZE_EMRSTRETCHBLT;
    case U_EMR_STRETCHDIBITS:
        return U_SIZE_EMRSTRETCHDIBITS;
    default:
        return sizeof(U_EMR);
    }
}

// Our own check of the counts and offsets play() relies on, beside the library's.
bool consistent(std::uint32_t type, const Record &r)
{
    if (r.size < fixedSize(type))
        return false;
    auto bitmapFits = [&](std::size_t offBmi, std::size_t cbBmi, std::size_t offBits, std::size_t cbBits) {
        return r.u32(cbBmi) == 0 || (r.holds(r.u32(offBmi), r.u32(cbBmi)) && r.holds(r.u32(offBits), r.u32(cbBits)));
    };
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
        return pointsFit(r, false);
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16:
        return pointsFit(r, true);
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
        return polyPointsFit(r, false);
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16:
        return polyPointsFit(r, true);
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT:
        return bitmapFits(offsetof(U_EMRBITBLT, offBmiSrc), offsetof(U_EMRBITBLT, cbBmiSrc),
                          offsetof(U_EMRBITBLT, offBitsSrc), offsetof(U_EMRBITBLT, cbBitsSrc));
    case U_EMR_STRETCHDIBITS:
        return bitmapFits(offsetof(U_EMRSTRETCHDIBITS, offBmiSrc), offsetof(U_EMRSTRETCHDIBITS, cbBmiSrc),
                          offsetof(U_EMRSTRETCHDIBITS, offBitsSrc), offsetof(U_EMRSTRETCHDIBITS, cbBitsSrc));
    default:
        return true;
    }
}

} // namespace

bool MetafileEmf::load(const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        m_words.clear();
        return false;
    };
    const std::size_t size = std::size_t(bytes.size());
    if (size < U_SIZE_EMRHEADER_MIN)
        return fail(u"enhanced metafile: truncated header"_s);
    m_words.assign((size + 3) / 4, 0);
    std::memcpy(m_words.data(), bytes.constData(), size);
    const Record header{data(), std::uint32_t(std::min<std::size_t>(size, 0xFFFFFFFFu))};
    if (header.u32(0) != U_EMR_HEADER || header.u32(offsetof(U_EMRHEADER, dSignature)) != U_ENHMETA_SIGNATURE)
        return fail(u"not an enhanced metafile"_s);
    const std::uint32_t headerSize = header.u32(4);
    if (headerSize < U_SIZE_EMRHEADER_MIN || headerSize % 4 != 0 || headerSize > size || !U_emf_record_safe(data()))
        return fail(u"enhanced metafile: corrupt header"_s);
    // The header states the file's length; a shorter file lost its end.
    const std::uint32_t stated = header.u32(offsetof(U_EMRHEADER, nBytes));
    if (stated > size)
        return fail(u"enhanced metafile: truncated"_s);
    const std::size_t limit = stated >= headerSize ? stated : size;

    std::size_t at = headerSize;
    bool ended = false;
    while (at < limit) {
        if (limit - at < sizeof(U_EMR))
            return fail(u"enhanced metafile: truncated record at byte %1"_s.arg(at));
        const std::uint32_t type = Record{data() + at, 8}.u32(0);
        const std::uint32_t recordSize = Record{data() + at, 8}.u32(4);
        if (recordSize < sizeof(U_EMR) || recordSize % 4 != 0 || recordSize > limit - at)
            return fail(u"enhanced metafile: record at byte %1 runs past the end"_s.arg(at));
        if (played(type) && (!consistent(type, Record{data() + at, recordSize}) || !U_emf_record_safe(data() + at)))
            return fail(u"enhanced metafile: corrupt record at byte %1"_s.arg(at));
        if (type == U_EMR_EOF) {
            ended = true;
            m_end = at;
            break;
        }
        at += recordSize;
    }
    if (!ended)
        return fail(u"enhanced metafile: truncated, no end record"_s);
    m_headerSize = headerSize;

    // Reference device resolution; a header without one is taken at 96 pixels per inch.
    const QSizeF device = header.sizeL(offsetof(U_EMRHEADER, szlDevice));
    const QSizeF millimetres = header.sizeL(offsetof(U_EMRHEADER, szlMillimeters));
    m_devicePerMm = QSizeF(device.width() > 0 && millimetres.width() > 0 ? device.width() / millimetres.width()
                                                                         : PixelsPerInch / 25.4,
                           device.height() > 0 && millimetres.height() > 0 ? device.height() / millimetres.height()
                                                                           : PixelsPerInch / 25.4);
    const std::size_t boundsAt = offsetof(U_EMRHEADER, rclBounds), frameAt = offsetof(U_EMRHEADER, rclFrame);
    const qint64 fl = header.i32(frameAt), ft = header.i32(frameAt + 4);
    const qint64 fw = qint64(header.i32(frameAt + 8)) - fl, fh = qint64(header.i32(frameAt + 12)) - ft;
    const qint64 bl = header.i32(boundsAt), bt = header.i32(boundsAt + 4);
    const qint64 bw = qint64(header.i32(boundsAt + 8)) - bl + 1, bh = qint64(header.i32(boundsAt + 12)) - bt + 1;
    if (fw > 0 && fh > 0) {
        m_deviceFrame = QRectF(fl * m_devicePerMm.width() / 100, ft * m_devicePerMm.height() / 100,
                               fw * m_devicePerMm.width() / 100, fh * m_devicePerMm.height() / 100);
        m_naturalSize = QSize(roundHalfEven(fw * PixelsPerInch / 2540.0L), roundHalfEven(fh * PixelsPerInch / 2540.0L));
    } else if (bw > 0 && bh > 0) {
        m_deviceFrame = QRectF(bl, bt, bw, bh);
        m_naturalSize = QSize(roundHalfEven(bw), roundHalfEven(bh));
    } else {
        return fail(u"enhanced metafile: empty picture"_s);
    }
    return true;
}

QSize MetafileEmf::naturalSize() const
{
    return m_naturalSize;
}

bool MetafileEmf::play(Surface &surface, const QRectF &target, DecodeBudget &budget, QString *error) const
{
    if (m_words.empty() || m_deviceFrame.isEmpty())
        return true;
    const QTransform deviceToTarget =
        QTransform::fromTranslate(-m_deviceFrame.x(), -m_deviceFrame.y()) *
        QTransform::fromScale(target.width() / m_deviceFrame.width(), target.height() / m_deviceFrame.height()) *
        QTransform::fromTranslate(target.x(), target.y());
    MeteredSurface metered(surface, target.toAlignedRect(), budget);
    MetafileCanvas canvas(metered, deviceToTarget, m_devicePerMm, budget);
    for (std::size_t at = m_headerSize; at < m_end;) {
        const Record r{data() + at, 0};
        const std::uint32_t type = r.u32(0), size = r.u32(4);
        if (played(type) && size >= fixedSize(type)) {
            playRecord(canvas, data() + at, type, size);
            canvas.checkPath();
            if (canvas.refused() || metered.exhausted()) {
                if (error)
                    *error = canvas.refused() ? canvas.refusal() : u"metafile paints beyond the limit"_s;
                return false;
            }
        }
        at += size;
    }
    return true;
}

void MetafileEmf::playRecord(MetafileCanvas &c, const char *p, std::uint32_t type, std::uint32_t size) const
{
    const Record r{p, size};
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16: {
        const bool small = type >= U_EMR_POLYBEZIER16;
        QList<QPointF> points;
        if (!readPoints(r, small, &points))
            return;
        switch (small ? type - U_EMR_POLYBEZIER16 + U_EMR_POLYBEZIER : type) {
        case U_EMR_POLYBEZIER:
            c.polyBezier(points);
            break;
        case U_EMR_POLYGON:
            c.polygon(points);
            break;
        case U_EMR_POLYLINE:
            c.polyline(points);
            break;
        case U_EMR_POLYBEZIERTO:
            c.polyBezierTo(points);
            break;
        case U_EMR_POLYLINETO:
            c.polylineTo(points);
            break;
        }
        return;
    }
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE16:
    case U_EMR_POLYPOLYGON16: {
        QList<QList<QPointF>> polys;
        if (!readPolyPoints(r, type >= U_EMR_POLYPOLYLINE16, &polys))
            return;
        if (type == U_EMR_POLYPOLYGON || type == U_EMR_POLYPOLYGON16) {
            c.polyPolygon(polys);
        } else {
            for (const QList<QPointF> &line : std::as_const(polys))
                c.polyline(line);
        }
        return;
    }
    case U_EMR_SETWINDOWEXTEX:
        c.setWindowExt(r.sizeL(8));
        return;
    case U_EMR_SETWINDOWORGEX:
        c.setWindowOrg(r.pointL(8));
        return;
    case U_EMR_SETVIEWPORTEXTEX:
        c.setViewportExt(r.sizeL(8));
        return;
    case U_EMR_SETVIEWPORTORGEX:
        c.setViewportOrg(r.pointL(8));
        return;
    case U_EMR_SETMAPMODE:
        c.setMapMode(r.i32(8));
        return;
    case U_EMR_SETPOLYFILLMODE:
        c.setPolyFillMode(r.i32(8));
        return;
    case U_EMR_SETARCDIRECTION:
        c.setArcDirection(r.i32(8));
        return;
    case U_EMR_MOVETOEX:
        c.moveTo(r.pointL(8));
        return;
    case U_EMR_LINETO:
        c.lineTo(r.pointL(8));
        return;
    case U_EMR_SCALEVIEWPORTEXTEX:
        c.scaleViewportExt(r.i32(8), r.i32(12), r.i32(16), r.i32(20));
        return;
    case U_EMR_SCALEWINDOWEXTEX:
        c.scaleWindowExt(r.i32(8), r.i32(12), r.i32(16), r.i32(20));
        return;
    case U_EMR_SAVEDC:
        c.saveState();
        return;
    case U_EMR_RESTOREDC:
        c.restoreState(std::min(r.i32(8), 0));
        return; // only relative levels here
    case U_EMR_SETWORLDTRANSFORM:
        c.setWorldTransform(r.xform(8));
        return;
    case U_EMR_MODIFYWORLDTRANSFORM:
        c.modifyWorldTransform(r.xform(8), r.i32(offsetof(U_EMRMODIFYWORLDTRANSFORM, iMode)));
        return;
    case U_EMR_SELECTOBJECT:
        c.selectObject(r.u32(8));
        return;
    case U_EMR_DELETEOBJECT:
        c.deleteObject(r.u32(8));
        return;
    case U_EMR_CREATEPEN: {
        const std::uint32_t handle = r.u32(8);
        const std::size_t pen = offsetof(U_EMRCREATEPEN, lopn);
        const std::uint32_t style = r.u32(pen);
        if (handle == 0 || handle & StockBit)
            return;
        c.createPen(handle, {(style & PsStyleMask) == PsNull, colour(r.u32(offsetof(U_EMRCREATEPEN, lopn.lopnColor))),
                             double(std::max(r.i32(offsetof(U_EMRCREATEPEN, lopn.lopnWidth)), 0))});
        return;
    }
    case U_EMR_EXTCREATEPEN: {
        const std::uint32_t handle = r.u32(8);
        const std::uint32_t style = r.u32(offsetof(U_EMREXTCREATEPEN, elp.elpPenStyle));
        const std::uint32_t width = r.u32(offsetof(U_EMREXTCREATEPEN, elp.elpWidth));
        const std::uint32_t brushStyle = r.u32(offsetof(U_EMREXTCREATEPEN, elp.elpBrushStyle));
        if (handle == 0 || handle & StockBit)
            return;
        // A cosmetic pen is one pixel whatever its stated width.
        c.createPen(handle, {(style & PsStyleMask) == PsNull || brushStyle == BsNull,
                             colour(r.u32(offsetof(U_EMREXTCREATEPEN, elp.elpColor))),
                             style & PsGeometric ? double(std::min<std::uint32_t>(width, 1u << 30)) : 0.0});
        return;
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        const std::uint32_t handle = r.u32(8);
        if (handle == 0 || handle & StockBit)
            return;
        // Hatched brushes fill solid in their colour; the surface has no hatching.
        c.createBrush(handle, {r.u32(offsetof(U_EMRCREATEBRUSHINDIRECT, lb.lbStyle)) == BsNull,
                               colour(r.u32(offsetof(U_EMRCREATEBRUSHINDIRECT, lb.lbColor)))});
        return;
    }
    case U_EMR_CREATEMONOBRUSH:
    case U_EMR_CREATEDIBPATTERNBRUSHPT: {
        const std::uint32_t handle = r.u32(8);
        if (handle != 0 && !(handle & StockBit))
            c.createBrush(handle, {false, clBlack}); // emblem patterns are ink on white
        return;
    }
    case U_EMR_ANGLEARC:
        c.angleArc(r.pointL(offsetof(U_EMRANGLEARC, ptlCenter)), r.u32(offsetof(U_EMRANGLEARC, nRadius)),
                   r.f32(offsetof(U_EMRANGLEARC, eStartAngle)), r.f32(offsetof(U_EMRANGLEARC, eSweepAngle)));
        return;
    case U_EMR_ELLIPSE:
        c.ellipse(r.rectL(8));
        return;
    case U_EMR_RECTANGLE:
        c.rectangle(r.rectL(8));
        return;
    case U_EMR_ROUNDRECT:
        c.roundRect(r.rectL(8), r.sizeL(offsetof(U_EMRROUNDRECT, szlCorner)));
        return;
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE:
    case U_EMR_ARCTO: {
        const MetafileCanvas::ArcKind kind = type == U_EMR_ARC     ? MetafileCanvas::ArcKind::Arc
                                             : type == U_EMR_CHORD ? MetafileCanvas::ArcKind::Chord
                                             : type == U_EMR_PIE   ? MetafileCanvas::ArcKind::Pie
                                                                   : MetafileCanvas::ArcKind::ArcTo;
        c.arc(r.rectL(8), r.pointL(offsetof(U_EMRARC, ptlStart)), r.pointL(offsetof(U_EMRARC, ptlEnd)), kind);
        return;
    }
    case U_EMR_BEGINPATH:
        c.beginPath();
        return;
    case U_EMR_ENDPATH:
        c.endPath();
        return;
    case U_EMR_CLOSEFIGURE:
        c.closeFigure();
        return;
    case U_EMR_FILLPATH:
        c.fillPath();
        return;
    case U_EMR_STROKEANDFILLPATH:
        c.strokeAndFillPath();
        return;
    case U_EMR_STROKEPATH:
        c.strokePath();
        return;
    case U_EMR_WIDENPATH:
        c.widenPath();
        return;
    case U_EMR_SELECTCLIPPATH:
        c.discardPath();
        return; // clipping is not drawn; the path is used up
    case U_EMR_ABORTPATH:
        c.abortPath();
        return;
    case U_EMR_BITBLT:
    case U_EMR_STRETCHBLT: {
        const QPointF dest = r.pointL(offsetof(U_EMRBITBLT, Dest));
        const QPointF extent = r.pointL(offsetof(U_EMRBITBLT, cDest));
        const QRectF box(dest, QSizeF(extent.x(), extent.y()));
        const std::uint32_t rop = r.u32(offsetof(U_EMRBITBLT, dwRop));
        const std::uint32_t cbBmi = r.u32(offsetof(U_EMRBITBLT, cbBmiSrc));
        if (cbBmi == 0) {
            c.patBlt(box, rop); // no source: a pattern fill
            return;
        }
        bool bottomUp = false;
        const QImage image =
            recordBitmap(c, r, r.u32(offsetof(U_EMRBITBLT, iUsageSrc)), r.u32(offsetof(U_EMRBITBLT, offBmiSrc)), cbBmi,
                         r.u32(offsetof(U_EMRBITBLT, offBitsSrc)), r.u32(offsetof(U_EMRBITBLT, cbBitsSrc)), &bottomUp);
        const QPointF src = r.pointL(offsetof(U_EMRBITBLT, Src));
        const QPointF srcExtent = type == U_EMR_STRETCHBLT ? r.pointL(offsetof(U_EMRSTRETCHBLT, cSrc)) : extent;
        c.bitmap(box,
                 MetafileDib::sourceRect(image, qint64(src.x()), qint64(src.y()), qint64(srcExtent.x()),
                                         qint64(srcExtent.y()), false),
                 rop);
        return;
    }
    case U_EMR_STRETCHDIBITS: {
        const QPointF dest = r.pointL(offsetof(U_EMRSTRETCHDIBITS, Dest));
        const QPointF extent = r.pointL(offsetof(U_EMRSTRETCHDIBITS, cDest));
        bool bottomUp = false;
        const QImage image = recordBitmap(
            c, r, r.u32(offsetof(U_EMRSTRETCHDIBITS, iUsageSrc)), r.u32(offsetof(U_EMRSTRETCHDIBITS, offBmiSrc)),
            r.u32(offsetof(U_EMRSTRETCHDIBITS, cbBmiSrc)), r.u32(offsetof(U_EMRSTRETCHDIBITS, offBitsSrc)),
            r.u32(offsetof(U_EMRSTRETCHDIBITS, cbBitsSrc)), &bottomUp);
        const QPointF src = r.pointL(offsetof(U_EMRSTRETCHDIBITS, Src));
        const QPointF srcExtent = r.pointL(offsetof(U_EMRSTRETCHDIBITS, cSrc));
        // A bottom-up bitmap's source rectangle counts its rows from the bottom.
        c.bitmap(QRectF(dest, QSizeF(extent.x(), extent.y())),
                 MetafileDib::sourceRect(image, qint64(src.x()), qint64(src.y()), qint64(srcExtent.x()),
                                         qint64(srcExtent.y()), bottomUp),
                 r.u32(offsetof(U_EMRSTRETCHDIBITS, dwRop)));
        return;
    }
    default:
        return;
    }
}

} // namespace qm
