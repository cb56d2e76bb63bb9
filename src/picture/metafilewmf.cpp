#include "picture/metafilewmf.h"

#include "picture/drawingtypes.h"
#include "picture/metafilecanvas.h"
#include "picture/metafiledib.h"
#include "picture/meteredsurface.h"

#include <QtEndian>

#include <functional>
#include <queue>

#include <uemf.h>
#include <uwmf.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableSize = 22;
constexpr std::size_t HeaderSize = 18;
constexpr std::size_t RecordHead = 6; // size in words (32 bits), function (16 bits)
constexpr std::uint16_t PsNull = 5;
constexpr std::uint16_t BsNull = 1;
constexpr std::uint16_t DibRgbColors = 0;
constexpr double PixelsPerInch = 96;

// Function numbers; their low byte tells the records apart.
enum : std::uint8_t {
    WmrEof = 0x00,
    WmrSetMapMode = 0x03,
    WmrSetPolyFillMode = 0x06,
    WmrSetWindowOrg = 0x0B,
    WmrSetWindowExt = 0x0C,
    WmrSetViewportOrg = 0x0D,
    WmrSetViewportExt = 0x0E,
    WmrOffsetWindowOrg = 0x0F,
    WmrScaleWindowExt = 0x10,
    WmrOffsetViewportOrg = 0x11,
    WmrScaleViewportExt = 0x12,
    WmrLineTo = 0x13,
    WmrMoveTo = 0x14,
    WmrArc = 0x17,
    WmrEllipse = 0x18,
    WmrPie = 0x1A,
    WmrRectangle = 0x1B,
    WmrRoundRect = 0x1C,
    WmrPatBlt = 0x1D,
    WmrSaveDc = 0x1E,
    WmrPolygon = 0x24,
    WmrPolyline = 0x25,
    WmrRestoreDc = 0x27,
    WmrSelectObject = 0x2D,
    WmrChord = 0x30,
    WmrPolyPolygon = 0x38,
    WmrDibBitBlt = 0x40,
    WmrDibStretchBlt = 0x41,
    WmrDibCreatePatternBrush = 0x42,
    WmrStretchDib = 0x43,
    WmrDeleteObject = 0xF0,
    WmrCreatePalette = 0xF7,
    WmrCreatePatternBrush = 0xF9,
    WmrCreatePenIndirect = 0xFA,
    WmrCreateFontIndirect = 0xFB,
    WmrCreateBrushIndirect = 0xFC,
    WmrCreateRegion = 0xFF,
};

std::uint16_t u16(const char *p)
{
    return qFromLittleEndian<std::uint16_t>(p);
}

std::int16_t s16(const char *p)
{
    return qFromLittleEndian<std::int16_t>(p);
}

std::uint32_t u32(const char *p)
{
    return qFromLittleEndian<std::uint32_t>(p);
}

QPointF point(U_POINT16 p)
{
    return QPointF(p.x, p.y);
}

QRectF box(U_RECT16 r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

// Bytes of parameters a record needs before its fields can be read.
std::size_t paramBytes(std::uint8_t function)
{
    switch (function) {
    case WmrSetMapMode:
    case WmrSetPolyFillMode:
    case WmrRestoreDc:
    case WmrSelectObject:
    case WmrDeleteObject:
    case WmrPolygon:
    case WmrPolyline:
    case WmrPolyPolygon:
        return 2;
    case WmrSetWindowOrg:
    case WmrSetWindowExt:
    case WmrSetViewportOrg:
    case WmrSetViewportExt:
    case WmrOffsetWindowOrg:
    case WmrOffsetViewportOrg:
    case WmrLineTo:
    case WmrMoveTo:
        return 4;
    case WmrScaleWindowExt:
    case WmrScaleViewportExt:
    case WmrEllipse:
    case WmrRectangle:
    case WmrCreateBrushIndirect:
        return 8;
    case WmrCreatePenIndirect:
        return 10;
    case WmrRoundRect:
    case WmrPatBlt:
        return 12;
    case WmrArc:
    case WmrPie:
    case WmrChord:
    case WmrDibBitBlt:
        return 16;
    case WmrDibStretchBlt:
        return 20;
    case WmrStretchDib:
        return 22;
    default:
        return 0;
    }
}

// The polygon at `at`: a 16-bit count, then that many 16-bit pairs, all inside `end`.
bool readPolygon(const char *at, const char *end, QList<QPointF> *out, const char **next)
{
    if (end - at < 2)
        return false;
    const std::uint16_t n = u16(at);
    at += 2;
    if (std::size_t(end - at) < std::size_t(n) * 4)
        return false;
    out->reserve(n);
    for (std::uint16_t i = 0; i < n; ++i, at += 4)
        out->append(QPointF(s16(at), s16(at + 2)));
    *next = at;
    return true;
}

// The polygons of a PolyPolygon record: a count, the polygons' point counts, their points.
bool readPolyPolygon(const char *params, const char *end, QList<QList<QPointF>> *out)
{
    const std::uint16_t count = u16(params);
    const char *counts = params + 2;
    if (std::size_t(end - counts) < 2 * std::size_t(count))
        return false;
    const char *at = counts + 2 * std::size_t(count);
    std::size_t total = 0;
    for (std::uint16_t i = 0; i < count; ++i)
        total += u16(counts + 2 * i);
    if (std::size_t(end - at) < 4 * total)
        return false;
    if (!out)
        return true;
    out->reserve(count);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint16_t n = u16(counts + 2 * i);
        QList<QPointF> points;
        points.reserve(n);
        for (std::uint16_t k = 0; k < n; ++k, at += 4)
            points.append(QPointF(s16(at), s16(at + 2)));
        out->append(points);
    }
    return true;
}

// Whether the points a record announces are inside it.
bool consistent(std::uint8_t function, const char *record, std::size_t size)
{
    if (size < RecordHead + paramBytes(function))
        return false;
    const char *params = record + RecordHead, *end = record + size;
    QList<QPointF> points;
    const char *next = nullptr;
    switch (function) {
    case WmrPolygon:
    case WmrPolyline:
        return readPolygon(params, end, &points, &next);
    case WmrPolyPolygon:
        return readPolyPolygon(params, end, nullptr);
    default:
        return true;
    }
}

} // namespace

// The object table: a new object takes the lowest free slot, as the format requires.
class MetafileWmf::Objects
{
public:
    explicit Objects(int capacity) : m_capacity(capacity) {}

    int take()
    {
        int slot = -1;
        if (!m_freed.empty()) {
            slot = m_freed.top();
            m_freed.pop();
        } else if (m_next < m_capacity) {
            slot = m_next++;
            m_live.push_back(false);
        }
        if (slot >= 0)
            m_live[std::size_t(slot)] = true;
        return slot;
    }
    bool release(int slot)
    {
        if (slot < 0 || slot >= m_next || !m_live[std::size_t(slot)])
            return false;
        m_live[std::size_t(slot)] = false;
        m_freed.push(slot);
        return true;
    }

private:
    int m_capacity;
    int m_next = 0;
    std::vector<bool> m_live;
    std::priority_queue<int, std::vector<int>, std::greater<int>> m_freed;
};

bool MetafileWmf::load(const QByteArray &bytes, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        m_bytes.clear();
        return false;
    };
    const char *d = bytes.constData();
    const std::size_t size = std::size_t(bytes.size());
    if (size < 4 || u32(d) != PlaceableKey)
        return fail(u"not a placeable Windows metafile"_s);
    if (size < PlaceableSize + HeaderSize)
        return fail(u"Windows metafile: truncated header"_s);
    const int left = s16(d + 6), top = s16(d + 8), right = s16(d + 10), bottom = s16(d + 12);
    const int inch = u16(d + 14);
    const char *header = d + PlaceableSize;
    const std::uint16_t type = u16(header), headerWords = u16(header + 2);
    if ((type != 1 && type != 2) || headerWords != HeaderSize / 2)
        return fail(u"Windows metafile: corrupt header"_s);
    if (inch == 0 || left == right || top == bottom)
        return fail(u"Windows metafile: empty picture"_s);

    const char *limit = d + size;
    std::size_t at = PlaceableSize + HeaderSize;
    bool ended = false;
    while (at < size) {
        if (size - at < RecordHead)
            return fail(u"Windows metafile: truncated record at byte %1"_s.arg(at));
        const std::uint64_t recordSize = 2 * std::uint64_t(u32(d + at));
        if (recordSize < RecordHead || recordSize > size - at || U_WMRRECSAFE_get(d + at, limit) == 0)
            return fail(u"Windows metafile: record at byte %1 runs past the end"_s.arg(at));
        if (!consistent(std::uint8_t(u16(d + at + 4)), d + at, std::size_t(recordSize)))
            return fail(u"Windows metafile: corrupt record at byte %1"_s.arg(at));
        if ((u16(d + at + 4) & 0xFF) == WmrEof) {
            ended = true;
            m_end = at;
            break;
        }
        at += std::size_t(recordSize);
    }
    if (!ended)
        return fail(u"Windows metafile: truncated, no end record"_s);
    m_bytes = bytes;
    m_firstRecord = PlaceableSize + HeaderSize;
    m_box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    m_objectCount = u16(header + 10);
    m_naturalSize = QSize(roundHalfEven(m_box.width() * PixelsPerInch / inch),
                          roundHalfEven(m_box.height() * PixelsPerInch / inch));
    return true;
}

QSize MetafileWmf::naturalSize() const
{
    return m_naturalSize;
}

bool MetafileWmf::play(Surface &surface, const QRectF &target, DecodeBudget &budget, QString *error) const
{
    if (m_bytes.isEmpty() || m_box.isEmpty())
        return true;
    const QTransform boxToTarget =
        QTransform::fromTranslate(-m_box.x(), -m_box.y()) *
        QTransform::fromScale(target.width() / m_box.width(), target.height() / m_box.height()) *
        QTransform::fromTranslate(target.x(), target.y());
    MeteredSurface metered(surface, target.toAlignedRect(), budget);
    MetafileCanvas canvas(metered, boxToTarget, QSizeF(1, 1), budget);
    canvas.fixViewport(m_box);
    Objects objects(m_objectCount);
    const char *d = m_bytes.constData();
    for (std::size_t at = m_firstRecord; at < m_end;) {
        const std::size_t size = 2 * std::size_t(u32(d + at));
        playRecord(canvas, objects, d + at, size);
        if (canvas.refused() || metered.exhausted()) {
            if (error)
                *error = canvas.refused() ? canvas.refusal() : u"metafile paints beyond the limit"_s;
            return false;
        }
        at += size;
    }
    return true;
}

void MetafileWmf::playRecord(MetafileCanvas &c, Objects &objects, const char *p, std::size_t size) const
{
    const auto function = std::uint8_t(u16(p + 4));
    const char *params = p + RecordHead;
    const char *end = p + size;
    U_POINT16 a{}, b{};
    U_RECT16 r{};
    switch (function) {
    case WmrSetMapMode:
        c.setMapMode(u16(params));
        return;
    case WmrSetPolyFillMode:
        c.setPolyFillMode(u16(params));
        return;
    case WmrSetWindowOrg:
        if (U_WMRSETWINDOWORG_get(p, &a))
            c.setWindowOrg(point(a));
        return;
    case WmrSetWindowExt:
        if (U_WMRSETWINDOWEXT_get(p, &a))
            c.setWindowExt(QSizeF(a.x, a.y));
        return;
    case WmrSetViewportOrg:
        if (U_WMRSETVIEWPORTORG_get(p, &a))
            c.setViewportOrg(point(a));
        return;
    case WmrSetViewportExt:
        if (U_WMRSETVIEWPORTEXT_get(p, &a))
            c.setViewportExt(QSizeF(a.x, a.y));
        return;
    case WmrOffsetWindowOrg:
        if (U_WMROFFSETWINDOWORG_get(p, &a))
            c.offsetWindowOrg(point(a));
        return;
    case WmrOffsetViewportOrg:
        if (U_WMROFFSETVIEWPORTORG_get(p, &a))
            c.offsetViewportOrg(point(a));
        return;
    case WmrScaleWindowExt:
        if (U_WMRSCALEWINDOWEXT_get(p, &a, &b)) // a: denominators, b: numerators
            c.scaleWindowExt(b.x, a.x, b.y, a.y);
        return;
    case WmrScaleViewportExt:
        if (U_WMRSCALEVIEWPORTEXT_get(p, &a, &b))
            c.scaleViewportExt(b.x, a.x, b.y, a.y);
        return;
    case WmrLineTo:
        if (U_WMRLINETO_get(p, &a))
            c.lineTo(point(a));
        return;
    case WmrMoveTo:
        if (U_WMRMOVETO_get(p, &a))
            c.moveTo(point(a));
        return;
    case WmrEllipse:
        if (U_WMRELLIPSE_get(p, &r))
            c.ellipse(box(r));
        return;
    case WmrRectangle:
        if (U_WMRRECTANGLE_get(p, &r))
            c.rectangle(box(r));
        return;
    case WmrRoundRect: {
        std::int16_t w = 0, h = 0;
        if (U_WMRROUNDRECT_get(p, &w, &h, &r))
            c.roundRect(box(r), QSizeF(w, h));
        return;
    }
    case WmrArc:
        if (U_WMRARC_get(p, &a, &b, &r))
            c.arc(box(r), point(a), point(b), MetafileCanvas::ArcKind::Arc);
        return;
    case WmrPie:
        if (U_WMRPIE_get(p, &a, &b, &r))
            c.arc(box(r), point(a), point(b), MetafileCanvas::ArcKind::Pie);
        return;
    case WmrChord:
        if (U_WMRCHORD_get(p, &a, &b, &r))
            c.arc(box(r), point(a), point(b), MetafileCanvas::ArcKind::Chord);
        return;
    case WmrPatBlt: {
        std::uint32_t rop = 0;
        if (U_WMRPATBLT_get(p, &a, &b, &rop))
            c.patBlt(QRectF(point(a), QSizeF(b.x, b.y)), rop);
        return;
    }
    case WmrSaveDc:
        c.saveState();
        return;
    case WmrRestoreDc:
        c.restoreState(s16(params));
        return;
    case WmrPolygon:
    case WmrPolyline: {
        QList<QPointF> points;
        const char *next = nullptr;
        if (!readPolygon(params, end, &points, &next))
            return;
        if (function == WmrPolygon)
            c.polygon(points);
        else
            c.polyline(points);
        return;
    }
    case WmrPolyPolygon: {
        QList<QList<QPointF>> polygons;
        if (readPolyPolygon(params, end, &polygons))
            c.polyPolygon(polygons);
        return;
    }
    case WmrSelectObject:
        c.selectObject(u16(params));
        return;
    case WmrDeleteObject:
        if (objects.release(u16(params)))
            c.deleteObject(u16(params));
        return;
    case WmrCreatePenIndirect: {
        const int slot = objects.take();
        const std::uint16_t style = u16(params);
        if (slot >= 0)
            c.createPen(std::uint32_t(slot), {(style & 0x0F) == PsNull, u32(params + 6) & 0xFFFFFF,
                                              double(std::max<int>(s16(params + 2), 0))});
        return;
    }
    case WmrCreateBrushIndirect: {
        const int slot = objects.take();
        if (slot >= 0)
            c.createBrush(std::uint32_t(slot), {u16(params) == BsNull, u32(params + 2) & 0xFFFFFF});
        return;
    }
    case WmrDibCreatePatternBrush:
    case WmrCreatePatternBrush: {
        const int slot = objects.take();
        if (slot >= 0)
            c.createBrush(std::uint32_t(slot), {false, clBlack}); // emblem patterns are ink on white
        return;
    }
    case WmrCreatePalette:
    case WmrCreateFontIndirect:
    case WmrCreateRegion: {
        // Not drawn, but they hold a slot, which decides the numbers of later objects.
        const int slot = objects.take();
        if (slot >= 0)
            c.createOther(std::uint32_t(slot));
        return;
    }
    case WmrDibBitBlt:
    case WmrDibStretchBlt:
    case WmrStretchDib: {
        U_POINT16 dest{}, destSize{}, src{}, srcSize{};
        std::uint32_t rop = 0;
        std::uint16_t usage = DibRgbColors;
        const char *dib = nullptr;
        int ok = 0;
        if (function == WmrDibBitBlt) {
            ok = U_WMRDIBBITBLT_get(p, &dest, &destSize, &src, &rop, &dib);
            srcSize = destSize;
        } else if (function == WmrDibStretchBlt) {
            ok = U_WMRDIBSTRETCHBLT_get(p, &dest, &destSize, &src, &srcSize, &rop, &dib);
        } else {
            ok = U_WMRSTRETCHDIB_get(p, &dest, &destSize, &src, &srcSize, &usage, &rop, &dib);
        }
        if (!ok)
            return;
        const QRectF target(point(dest), QSizeF(destSize.x, destSize.y));
        if (!dib) {
            c.patBlt(target, rop); // the form without a bitmap fills with the brush
            return;
        }
        if (dib < params || dib >= end || usage != DibRgbColors)
            return;
        bool bottomUp = false;
        const QSize size = MetafileDib::size(dib, std::size_t(end - dib));
        if (!size.isValid() || !c.takeBitmap(size))
            return;
        const QImage image = MetafileDib::decodePacked(dib, std::size_t(end - dib), &bottomUp);
        // StretchDIB counts source rows like a DIB; the block transfers count them from the top.
        c.bitmap(
            target,
            MetafileDib::sourceRect(image, src.x, src.y, srcSize.x, srcSize.y, function == WmrStretchDib && bottomUp),
            rop);
        return;
    }
    default:
        return;
    }
}

} // namespace qm
