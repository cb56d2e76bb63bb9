#include "testing/testhelpers.h"

#include "picture/decodebudget.h"
#include "picture/metafile.h"
#include "picture/metafilecanvas.h"
#include "picture/metafiledib.h"
#include "seal/recordingsurface.h"
#include "seal/sealpicture.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstddef>
#include <cstdlib>

#include <uemf.h>
#include <uwmf.h>

using namespace Qt::StringLiterals;
using namespace qm;
using namespace qm::testing;

namespace {

// Records come from libUEMF's constructors, which hand out malloc'ed buffers.
QByteArray take(char *record)
{
    const auto size = qFromLittleEndian<quint32>(record + 4);
    QByteArray out(record, qsizetype(size));
    std::free(record);
    return out;
}

QByteArray takeWmf(char *record)
{
    const auto words = qFromLittleEndian<quint32>(record);
    QByteArray out(record, qsizetype(2 * words));
    std::free(record);
    return out;
}

U_RECTL rectl(int l, int t, int r, int b)
{
    return U_RECTL{l, t, r, b};
}

U_POINTL pointl(int x, int y)
{
    return U_POINTL{x, y};
}

U_RECT16 rect16(int l, int t, int r, int b)
{
    return U_RECT16{qint16(l), qint16(t), qint16(r), qint16(b)};
}

QByteArray polygon(const QList<QPoint> &points, bool small = false)
{
    if (small) {
        QList<U_POINT16> p;
        for (const QPoint &q : points)
            p.append(U_POINT16{qint16(q.x()), qint16(q.y())});
        return take(U_EMRPOLYGON16_set(rectl(0, 0, 0, 0), uint32_t(p.size()), p.constData()));
    }
    QList<U_POINTL> p;
    for (const QPoint &q : points)
        p.append(pointl(q.x(), q.y()));
    return take(U_EMRPOLYGON_set(rectl(0, 0, 0, 0), uint32_t(p.size()), p.constData()));
}

QByteArray pen(uint32_t handle, uint32_t style, int width, U_COLORREF colour)
{
    return take(U_EMRCREATEPEN_set(handle, logpen_set(style, pointl(width, width), colour)));
}

QByteArray brush(uint32_t handle, uint32_t style, U_COLORREF colour)
{
    return take(U_EMRCREATEBRUSHINDIRECT_set(handle, logbrush_set(style, colour, U_HS_CROSS)));
}

QByteArray select(uint32_t handle)
{
    return take(U_EMRSELECTOBJECT_set(handle));
}

QByteArray rectangle(int l, int t, int r, int b)
{
    return take(U_EMRRECTANGLE_set(rectl(l, t, r, b)));
}

// A 2 x 2 bitmap, stored bottom-up: red, green on top; blue, black below.
QByteArray stretchDibits(int x, int y, int w, int h)
{
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 0, 0, 0, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    char rows[16] = {'\xFF', 0, 0, 0, 0, 0, 0, 0, 0, 0, '\xFF', 0, '\xFF', 0, 0, 0}; // B G R per pixel
    QByteArray out = take(U_EMRSTRETCHDIBITS_set(rectl(0, 0, 0, 0), pointl(x, y), pointl(w, h), pointl(0, 0),
                                                 pointl(2, 2), U_DIB_RGB_COLORS, U_SRCCOPY, info, 16, rows));
    std::free(info);
    return out;
}

// A BITMAPINFOHEADER, then the colour table (or masks) given as 32-bit values.
QByteArray dibInfo(int width, int height, int bits, quint32 compression, quint32 used, const QList<quint32> &table)
{
    QByteArray info(40, '\0');
    putInt32(info, 0, 40);
    putInt32(info, 4, quint32(width));
    putInt32(info, 8, quint32(height));
    putInt16(info, 12, 1);
    putInt16(info, 14, quint16(bits));
    putInt32(info, 16, compression);
    putInt32(info, 32, used);
    for (quint32 v : table) {
        info.resize(info.size() + 4);
        putInt32(info, info.size() - 4, v);
    }
    return info;
}

// "Op arg arg ... x,y x,y" for every recorded operation.
QStringList trace(const RecordingSurface &surface)
{
    QStringList out;
    for (const TraceOp &op : surface.ops()) {
        QStringList parts{op.op};
        for (int a : op.args)
            parts << QString::number(a);
        for (const QPoint &p : op.points)
            parts << u"%1,%2"_s.arg(p.x()).arg(p.y());
        out << parts.join(u' ');
    }
    return out;
}

} // namespace

class TestMetafile : public QObject
{
    Q_OBJECT

    // Two geometries. "Scaled": a 20 mm frame on a 10 px/mm reference device, 200 device
    // pixels, played into 400 x 400, so every device pixel becomes 2 target pixels.
    // "Pixel": a 25.4 mm frame on a 960 px / 254 mm device, 96 device pixels, which is also
    // its natural size at 96 pixels per inch, so rendering maps device pixels 1:1.
    QByteArray scaledEmf(const QByteArrayList &records)
    {
        return emf(records, rectl(0, 0, 199, 199), rectl(0, 0, 2000, 2000), {1000, 1000}, {100, 100});
    }
    QByteArray pixelEmf(const QByteArrayList &records)
    {
        return emf(records, rectl(0, 0, 95, 95), rectl(0, 0, 2540, 2540), {960, 960}, {254, 254});
    }
    QByteArray emf(const QByteArrayList &records, U_RECTL bounds, U_RECTL frame, U_SIZEL device, U_SIZEL mm)
    {
        const QByteArray path = QFile::encodeName(m_dir.filePath(u"f%1.emf"_s.arg(++m_files)));
        EMFTRACK *et = nullptr;
        EMFHANDLES *eht = nullptr;
        if (emf_start(path.constData(), 4096, 4096, &et) != 0 || htable_create(64, 64, &eht) != 0)
            return {};
        emf_append(
            reinterpret_cast<PU_ENHMETARECORD>(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, mm, 0)), et,
            U_REC_FREE);
        for (const QByteArray &r : records)
            emf_append(reinterpret_cast<PU_ENHMETARECORD>(const_cast<char *>(r.constData())), et, U_REC_KEEP);
        emf_append(reinterpret_cast<PU_ENHMETARECORD>(U_EMREOF_set(0, nullptr, et)), et, U_REC_FREE);
        emf_finish(et, eht);
        QByteArray out(et->buf, qsizetype(et->used));
        emf_free(&et);
        htable_free(&eht);
        return out;
    }
    // A placeable metafile of one inch at 96 units per inch: a 96-unit box, 96 pixels.
    // libUEMF counts only objects made through its handle table; these tests make them
    // directly, so the header gets room for four.
    QByteArray wmf(const QByteArrayList &records, float inches = 1, unsigned dpi = 96)
    {
        const QByteArray path = QFile::encodeName(m_dir.filePath(u"f%1.wmf"_s.arg(++m_files)));
        WMFTRACK *wt = nullptr;
        if (wmf_start(path.constData(), 4096, 4096, &wt) != 0)
            return {};
        U_PAIRF *size = U_PAIRF_set(inches, inches);
        wmf_header_append(reinterpret_cast<U_METARECORD *>(U_WMRHEADER_set(size, dpi)), wt, U_REC_FREE);
        std::free(size);
        for (const QByteArray &r : records)
            wmf_append(reinterpret_cast<U_METARECORD *>(const_cast<char *>(r.constData())), wt, U_REC_KEEP);
        wmf_append(reinterpret_cast<U_METARECORD *>(U_WMREOF_set()), wt, U_REC_FREE);
        wmf_finish(wt);
        QByteArray out(wt->buf, qsizetype(wt->used));
        wmf_free(&wt);
        putInt16(out, 32, 4);
        return out;
    }
    QStringList played(const QByteArray &bytes, const QRect &target)
    {
        Metafile m;
        QString error;
        if (!m.load(bytes, &error))
            return {u"refused: "_s + error};
        RecordingSurface surface;
        m.play(surface, target);
        return trace(surface);
    }

    // A zigzag path of ten lines in a pen 3 units wide, widened `widenings` times, then filled.
    QByteArray widenedZigzag(int widenings)
    {
        QByteArrayList records{pen(1, U_PS_SOLID, 3, U_RGB(0, 0, 0)), select(1), take(U_EMRBEGINPATH_set()),
                               take(U_EMRMOVETOEX_set(pointl(0, 0)))};
        for (int i = 1; i <= 10; ++i)
            records << take(U_EMRLINETO_set(pointl(10 * i, 10 * (i % 2))));
        records << take(U_EMRENDPATH_set());
        for (int i = 0; i < widenings; ++i)
            records << take(U_EMRWIDENPATH_set());
        records << take(U_EMRFILLPATH_set(rectl(0, 0, 0, 0)));
        return scaledEmf(records);
    }
    // A path of `records` records of `points` points each, filled.
    QByteArray longPath(int records, int points)
    {
        QList<U_POINT16> zigzag(points);
        for (int i = 0; i < points; ++i)
            zigzag[i] = U_POINT16{qint16(i % 100), qint16(i % 2)};
        QByteArrayList list{take(U_EMRBEGINPATH_set()), take(U_EMRMOVETOEX_set(pointl(0, 0)))};
        for (int i = 0; i < records; ++i)
            list << take(U_EMRPOLYLINETO16_set(rectl(0, 0, 0, 0), uint32_t(points), zigzag.constData()));
        list << take(U_EMRENDPATH_set()) << take(U_EMRFILLPATH_set(rectl(0, 0, 0, 0)));
        return scaledEmf(list);
    }

    QTemporaryDir m_dir;
    int m_files = 0;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void naturalSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("expected");
        const U_SIZEL device{1000, 1000}, mm{100, 100};
        // 20 x 10 mm: roundHalfEven(2000 * 96 / 2540 = 75.59) = 76, roundHalfEven(1000 * 96 / 2540 = 37.80) = 38.
        QTest::newRow("enhanced, from the frame")
            << emf({}, rectl(0, 0, 199, 99), rectl(0, 0, 2000, 1000), device, mm) << QSize(76, 38);
        // Frame empty: the inclusive bounds, 99 - 0 + 1 by 49 - 0 + 1.
        QTest::newRow("enhanced, from the bounds")
            << emf({}, rectl(0, 0, 99, 49), rectl(0, 0, 0, 0), device, mm) << QSize(100, 50);
        // 2540 x 1270 mm is 96000 x 48000 px; shrunk to 4096 x roundHalfEven(48000 * 4096 / 96000) = 2048.
        QTest::newRow("enhanced, beyond the limit")
            << emf({}, rectl(0, 0, 99, 49), rectl(0, 0, 254000, 127000), device, mm) << QSize(4096, 2048);
        // 2 x 1 inch at 1440 units: 2880 * 96 / 1440 = 192 by 1440 * 96 / 1440 = 96.
        QByteArray twoByOne = wmf({}, 2, 1440);
        putInt16(twoByOne, 12, 1440);
        QTest::newRow("placeable, units per inch") << twoByOne << QSize(192, 96);
        // A 5 x 7 unit box at 192 units per inch: roundHalfEven(2.5) = 2 and roundHalfEven(3.5) = 4, halves to even.
        QByteArray halves = wmf({});
        putInt16(halves, 10, 5);
        putInt16(halves, 12, 7);
        putInt16(halves, 14, 192);
        QTest::newRow("placeable, halves to even") << halves << QSize(2, 4);
    }

    void naturalSize()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, expected);
        QCOMPARE(SealPicture::sniff(bytes), SealPicture::Kind::Metafile);
        Metafile m;
        QString error;
        QVERIFY2(m.load(bytes, &error), qPrintable(error));
        QCOMPARE(m.naturalSize(), expected);
    }

    void enhancedDrawing_data()
    {
        QTest::addColumn<QByteArrayList>("records");
        QTest::addColumn<QStringList>("expected");
        // Scaled geometry: every logical unit (= device pixel, MM_TEXT) is 2 target pixels.
        QTest::newRow("rectangle") << QByteArrayList{rectangle(10, 10, 50, 60)}
                                   << QStringList{u"Rectangle 20 20 100 120"_s};
        QTest::newRow("ellipse") << QByteArrayList{take(U_EMRELLIPSE_set(rectl(0, 0, 100, 50)))}
                                 << QStringList{u"Ellipse 0 0 200 100"_s};
        QTest::newRow("rounded rectangle, corner scaled too")
            << QByteArrayList{take(U_EMRROUNDRECT_set(rectl(10, 10, 110, 60), U_SIZEL{20, 10}))}
            << QStringList{u"RoundRect 20 20 220 120 40 20"_s};
        QTest::newRow("polygon") << QByteArrayList{polygon({{10, 10}, {30, 10}, {20, 25}})}
                                 << QStringList{u"Polygon 20,20 60,20 40,50"_s};
        QTest::newRow("16-bit polygon") << QByteArrayList{polygon({{10, 10}, {30, 10}, {20, 25}}, true)}
                                        << QStringList{u"Polygon 20,20 60,20 40,50"_s};
        const U_POINTL curve[] = {{0, 0}, {10, 20}, {30, 20}, {40, 0}};
        QTest::newRow("Bezier curve") << QByteArrayList{take(U_EMRPOLYBEZIER_set(rectl(0, 0, 0, 0), 4, curve))}
                                      << QStringList{u"PolyBezier 0,0 20,40 60,40 80,0"_s};
        const U_POINTL line[] = {{5, 5}, {15, 5}, {15, 25}};
        QTest::newRow("polyline") << QByteArrayList{take(U_EMRPOLYLINE_set(rectl(0, 0, 0, 0), 3, line))}
                                  << QStringList{u"MoveTo 10 10"_s, u"LineTo 30 10"_s, u"LineTo 30 50"_s};
        QTest::newRow("move and lines") << QByteArrayList{take(U_EMRMOVETOEX_set(pointl(5, 5))),
                                                          take(U_EMRLINETO_set(pointl(25, 5))),
                                                          take(U_EMRLINETO_set(pointl(25, 15)))}
                                        << QStringList{u"MoveTo 10 10"_s, u"LineTo 50 10"_s, u"LineTo 50 30"_s};
        // The rays through the start and end points pass through unchanged; only scaled.
        QTest::newRow("arc") << QByteArrayList{take(
                                    U_EMRARC_set(rectl(0, 0, 100, 100), pointl(100, 50), pointl(50, 0)))}
                             << QStringList{u"Arc 0 0 200 200 200 100 100 0"_s};
        QTest::newRow("clockwise arc runs from the end point")
            << QByteArrayList{take(U_EMRSETARCDIRECTION_set(U_AD_CLOCKWISE)),
                              take(U_EMRARC_set(rectl(0, 0, 100, 100), pointl(100, 50), pointl(50, 0)))}
            << QStringList{u"Arc 0 0 200 200 100 0 200 100"_s};
        QTest::newRow("pie") << QByteArrayList{take(
                                    U_EMRPIE_set(rectl(0, 0, 100, 100), pointl(100, 50), pointl(50, 0)))}
                             << QStringList{u"Pie 0 0 200 200 200 100 100 0"_s};
        // A null pen leaves only the fill: the shape goes through a path filled without outline.
        QTest::newRow("rectangle with a null pen")
            << QByteArrayList{select(U_NULL_PEN), rectangle(10, 10, 50, 60)}
            << QStringList{u"BeginPath"_s,      u"MoveTo 20 20"_s,  u"LineTo 100 20"_s,
                           u"LineTo 100 120"_s, u"LineTo 20 120"_s, u"LineTo 20 20"_s,
                           u"CloseFigure"_s,    u"EndPath"_s,       u"FillPath"_s};
        QTest::newRow("null pen and null brush draw nothing")
            << QByteArrayList{select(U_NULL_PEN), select(U_NULL_BRUSH), rectangle(10, 10, 50, 60)} << QStringList{};
        const U_POINT16 bend[] = {{60, 10}, {60, 20}, {50, 20}};
        QTest::newRow("path of a line and a curve, closed")
            << QByteArrayList{take(U_EMRBEGINPATH_set()),
                              take(U_EMRMOVETOEX_set(pointl(10, 10))),
                              take(U_EMRLINETO_set(pointl(50, 10))),
                              take(U_EMRPOLYBEZIERTO16_set(rectl(0, 0, 0, 0), 3, bend)),
                              take(U_EMRCLOSEFIGURE_set()),
                              take(U_EMRENDPATH_set()),
                              take(U_EMRSTROKEANDFILLPATH_set(rectl(0, 0, 0, 0)))}
            << QStringList{u"BeginPath"_s,     u"MoveTo 20 20"_s,
                           u"LineTo 100 20"_s, u"PolyBezier 100,20 120,20 120,40 100,40"_s,
                           u"LineTo 20 20"_s,  u"CloseFigure"_s,
                           u"EndPath"_s,       u"StrokeAndFillPath"_s};
        QTest::newRow("path without a fill or stroke draws nothing")
            << QByteArrayList{take(U_EMRBEGINPATH_set()), rectangle(10, 10, 50, 60), take(U_EMRENDPATH_set()),
                              take(U_EMRSELECTCLIPPATH_set(U_RGN_COPY))}
            << QStringList{};
        const U_POINTL rings[] = {{0, 0}, {40, 0}, {40, 40}, {10, 10}, {20, 10}, {20, 20}};
        const uint32_t counts[] = {3, 3};
        QTest::newRow("polygons with a hole are one path")
            << QByteArrayList{take(U_EMRPOLYPOLYGON_set(rectl(0, 0, 0, 0), 2, counts, 6, rings))}
            << QStringList{u"BeginPath"_s,        u"MoveTo 0 0"_s,   u"LineTo 80 0"_s,  u"LineTo 80 80"_s,
                           u"LineTo 0 0"_s,       u"CloseFigure"_s,  u"MoveTo 20 20"_s, u"LineTo 40 20"_s,
                           u"LineTo 40 40"_s,     u"LineTo 20 20"_s, u"CloseFigure"_s,  u"EndPath"_s,
                           u"StrokeAndFillPath"_s};
        // A block transfer without a bitmap fills with the brush: (10, 10) + (20, 30), times 2.
        const U_XFORM identity = xform_set(1, 0, 0, 1, 0, 0);
        QTest::newRow("pattern fill") << QByteArrayList{take(U_EMRBITBLT_set(
                                             rectl(0, 0, 0, 0), pointl(10, 10), pointl(20, 30), pointl(0, 0), identity,
                                             U_RGB(0, 0, 0), U_DIB_RGB_COLORS, U_PATCOPY, nullptr, 0, nullptr))}
                                      << QStringList{u"FillRect 20 20 60 80"_s};
        QTest::newRow("bitmap stretched into its box")
            << QByteArrayList{stretchDibits(10, 10, 20, 20)} << QStringList{u"StretchDraw 20 20 60 60"_s};
        QTest::newRow("negative width mirrors the bitmap in place")
            << QByteArrayList{stretchDibits(30, 10, -20, 20)} << QStringList{u"StretchDraw 20 20 60 60"_s};
        QTest::newRow("unknown records are skipped")
            << QByteArrayList{take(U_EMRSETTEXTCOLOR_set(U_RGB(1, 2, 3))), take(U_EMRCOMMENT_set(4, "abcd")),
                              rectangle(1, 2, 3, 4)}
            << QStringList{u"Rectangle 2 4 6 8"_s};
    }

    void enhancedDrawing()
    {
        QFETCH(QByteArrayList, records);
        QFETCH(QStringList, expected);
        QCOMPARE(played(scaledEmf(records), QRect(0, 0, 400, 400)), expected);
    }

    void mapping_data()
    {
        QTest::addColumn<QByteArrayList>("records");
        QTest::addColumn<QStringList>("expected");
        const QByteArray square = rectangle(0, 0, 10, 10);
        // (500, 500)-(1500, 1000) minus the window origin, times 100 / 1000, times 2.
        QTest::newRow("anisotropic window and viewport")
            << QByteArrayList{take(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)),
                              take(U_EMRSETWINDOWORGEX_set(pointl(500, 500))),
                              take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{1000, 1000})),
                              take(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{100, 100})), rectangle(500, 500, 1500, 1000)}
            << QStringList{u"Rectangle 0 0 200 100"_s};
        // Viewport origin (10, 20): (10, 20)-(20, 30), times 2.
        QTest::newRow("viewport origin") << QByteArrayList{take(U_EMRSETVIEWPORTORGEX_set(pointl(10, 20))), square}
                                         << QStringList{u"Rectangle 20 40 40 60"_s};
        // 0.1 mm units on a 10 px/mm device are 1 px each, counted upwards: y -300 is 300 px down.
        QTest::newRow("low metric") << QByteArrayList{take(U_EMRSETMAPMODE_set(U_MM_LOMETRIC)),
                                                      rectangle(0, 0, 200, -300)}
                                    << QStringList{u"Rectangle 0 0 400 600"_s};
        // Scales 200 / 100 and 100 / 100; isotropic takes the smaller, 1, on both axes.
        QTest::newRow("isotropic keeps the aspect")
            << QByteArrayList{take(U_EMRSETMAPMODE_set(U_MM_ISOTROPIC)),
                              take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{100, 100})),
                              take(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{200, 100})), rectangle(0, 0, 50, 50)}
            << QStringList{u"Rectangle 0 0 100 100"_s};
        // Half size, moved by (10, 20): (10, 20)-(60, 70), times 2.
        QTest::newRow("world transform") << QByteArrayList{take(U_EMRSETWORLDTRANSFORM_set(
                                                               xform_set(0.5f, 0, 0, 0.5f, 10, 20))),
                                                           rectangle(0, 0, 100, 100)}
                                         << QStringList{u"Rectangle 20 40 120 140"_s};
        // Left: scale first, then the move: (10, 0)-(30, 20). Right: move, then scale: (20, 0)-(40, 20).
        const QByteArray move = take(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 10, 0)));
        QTest::newRow("left multiply") << QByteArrayList{move,
                                                         take(U_EMRMODIFYWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 0, 0),
                                                                                            U_MWT_LEFTMULTIPLY)),
                                                         square}
                                       << QStringList{u"Rectangle 20 0 60 40"_s};
        QTest::newRow("right multiply") << QByteArrayList{move,
                                                          take(U_EMRMODIFYWORLDTRANSFORM_set(
                                                              xform_set(2, 0, 0, 2, 0, 0), U_MWT_RIGHTMULTIPLY)),
                                                          square}
                                        << QStringList{u"Rectangle 40 0 80 40"_s};
        QTest::newRow("restored state") << QByteArrayList{take(U_EMRSAVEDC_set()),
                                                          take(U_EMRSETWINDOWORGEX_set(pointl(50, 50))),
                                                          take(U_EMRRESTOREDC_set(-1)), square}
                                        << QStringList{u"Rectangle 0 0 20 20"_s};
        QTest::newRow("restoring more than was saved changes nothing")
            << QByteArrayList{take(U_EMRSETWINDOWORGEX_set(pointl(5, 5))), take(U_EMRRESTOREDC_set(-3)), square}
            << QStringList{u"Rectangle -10 -10 10 10"_s};
        // Turned a quarter: x' = 100 - y, y' = x. The corners (0,0) (10,0) (10,20) (0,20) land on
        // (100,0) (100,10) (80,10) (80,0), times 2; a turned rectangle is drawn as a path.
        QTest::newRow("turned rectangle")
            << QByteArrayList{take(U_EMRSETWORLDTRANSFORM_set(xform_set(0, 1, -1, 0, 100, 0))), rectangle(0, 0, 10, 20)}
            << QStringList{u"BeginPath"_s,     u"MoveTo 200 0"_s, u"LineTo 200 20"_s,
                           u"LineTo 160 20"_s, u"LineTo 160 0"_s, u"LineTo 200 0"_s,
                           u"CloseFigure"_s,   u"EndPath"_s,      u"StrokeAndFillPath"_s};
        // Text mode ignores the extent 10; anisotropic starts from text mode's 1 : 1, then the
        // viewport extent 20 makes 20 device pixels of a unit: (0, 0)-(1, 1) becomes 0..20, times 2.
        QTest::newRow("extents are ignored in text mode")
            << QByteArrayList{take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{10, 10})),
                              take(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)),
                              take(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{20, 20})), rectangle(0, 0, 1, 1)}
            << QStringList{u"Rectangle 0 0 40 40"_s};
        QTest::newRow("zero window extent is ignored")
            << QByteArrayList{take(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)),
                              take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{0, 10})), square}
            << QStringList{u"Rectangle 0 0 20 20"_s};
    }

    void mapping()
    {
        QFETCH(QByteArrayList, records);
        QFETCH(QStringList, expected);
        QCOMPARE(played(scaledEmf(records), QRect(0, 0, 400, 400)), expected);
    }

    void pensAndBrushes_data()
    {
        QTest::addColumn<QByteArrayList>("records");
        QTest::addColumn<uint>("penColor");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<bool>("brushSolid");
        QTest::addColumn<uint>("brushColor");
        const U_COLORREF red = U_RGB(255, 0, 0), blue = U_RGB(0, 0, 255), green = U_RGB(0, 128, 0);
        QTest::newRow("default black pen, white brush") << QByteArrayList{} << 0u << 1 << true << 0xFFFFFFu;
        // Width 3 logical units, 2 target pixels each.
        QTest::newRow("geometric pen scales")
            << QByteArrayList{pen(1, U_PS_SOLID, 3, red), select(1)} << 0x0000FFu << 6 << true << 0xFFFFFFu;
        QTest::newRow("zero width is the thinnest")
            << QByteArrayList{pen(1, U_PS_SOLID, 0, red), select(1)} << 0x0000FFu << 1 << true << 0xFFFFFFu;
        PU_EXTLOGPEN cosmetic = extlogpen_set(U_PS_COSMETIC | U_PS_SOLID, 5, U_BS_SOLID, blue, 0, 0, nullptr);
        PU_EXTLOGPEN geometric = extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID, 5, U_BS_SOLID, blue, 0, 0, nullptr);
        QTest::newRow("cosmetic pen stays one pixel")
            << QByteArrayList{take(U_EMREXTCREATEPEN_set(1, nullptr, 0, nullptr, cosmetic)), select(1)} << 0xFF0000u
            << 1 << true << 0xFFFFFFu;
        QTest::newRow("geometric extended pen scales")
            << QByteArrayList{take(U_EMREXTCREATEPEN_set(1, nullptr, 0, nullptr, geometric)), select(1)} << 0xFF0000u
            << 10 << true << 0xFFFFFFu;
        std::free(cosmetic);
        std::free(geometric);
        // Window 100, viewport 200: 2 device pixels per unit, then 2 target pixels each: 3 * 2 * 2.
        QTest::newRow("pen width follows the mapping")
            << QByteArrayList{take(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)),
                              take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{100, 100})),
                              take(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{200, 200})), pen(1, U_PS_SOLID, 3, red), select(1)}
            << 0x0000FFu << 12 << true << 0xFFFFFFu;
        QTest::newRow("solid brush") << QByteArrayList{brush(2, U_BS_SOLID, blue), select(2)} << 0u << 1 << true
                                     << 0xFF0000u;
        QTest::newRow("hatched brush fills in its colour")
            << QByteArrayList{brush(2, U_BS_HATCHED, green), select(2)} << 0u << 1 << true << 0x008000u;
        QTest::newRow("null brush") << QByteArrayList{select(U_NULL_BRUSH)} << 0u << 1 << false << 0xFFFFFFu;
        QTest::newRow("stock black brush") << QByteArrayList{select(U_BLACK_BRUSH)} << 0u << 1 << true << 0u;
        QTest::newRow("deleted pen stays selected")
            << QByteArrayList{pen(1, U_PS_SOLID, 0, red), select(1), take(U_EMRDELETEOBJECT_set(1))} << 0x0000FFu << 1
            << true << 0xFFFFFFu;
        QTest::newRow("unknown handle keeps the pen") << QByteArrayList{select(7)} << 0u << 1 << true << 0xFFFFFFu;
    }

    void pensAndBrushes()
    {
        QFETCH(QByteArrayList, records);
        QFETCH(uint, penColor);
        QFETCH(int, penWidth);
        QFETCH(bool, brushSolid);
        QFETCH(uint, brushColor);
        Metafile m;
        QVERIFY(m.load(scaledEmf(records << rectangle(10, 10, 50, 60))));
        RecordingSurface surface;
        m.play(surface, QRect(0, 0, 400, 400));
        const QList<TraceOp> ops = surface.ops(u"Rectangle"_s);
        QCOMPARE(ops.size(), 1);
        QCOMPARE(ops[0].penColor, Colour(penColor));
        QCOMPARE(ops[0].penWidth, penWidth);
        QCOMPARE(ops[0].brushStyle == SurfaceBrush::Solid, brushSolid);
        if (brushSolid)
            QCOMPARE(ops[0].brushColor, Colour(brushColor));
    }

    void playingKeepsTheSurfaceState()
    {
        RecordingSurface surface;
        surface.setPenColor(0x123456);
        surface.setPenWidth(7);
        surface.setBrushStyle(SurfaceBrush::Clear);
        Metafile m;
        QVERIFY(m.load(scaledEmf(
            {pen(1, U_PS_SOLID, 3, U_RGB(255, 0, 0)), select(1), select(U_BLACK_BRUSH), rectangle(0, 0, 5, 5)})));
        m.play(surface, QRect(0, 0, 400, 400));
        QCOMPARE(surface.ops().size(), 1);
        QCOMPARE(surface.penColor(), Colour(0x123456));
        QCOMPARE(surface.penWidth(), 7);
        QCOMPARE(surface.brushStyle(), SurfaceBrush::Clear);
    }

    void placeableDrawing_data()
    {
        QTest::addColumn<QByteArrayList>("records");
        QTest::addColumn<QStringList>("expected");
        // A 96-unit box played into 192 x 192: 2 target pixels per unit.
        const QByteArray square = takeWmf(U_WMRRECTANGLE_set(rect16(10, 10, 30, 30)));
        QTest::newRow("rectangle") << QByteArrayList{square} << QStringList{u"Rectangle 20 20 60 60"_s};
        // Window (10, 10) + 48 onto the 96-unit box: (10..30 - 10) * 96 / 48 = 0..40, times 2.
        const QByteArray org = takeWmf(U_WMRSETWINDOWORG_set(U_POINT16{10, 10}));
        const QByteArray ext = takeWmf(U_WMRSETWINDOWEXT_set(U_POINT16{48, 48}));
        QTest::newRow("window onto the box")
            << QByteArrayList{org, ext, square} << QStringList{u"Rectangle 0 0 80 80"_s};
        // libUEMF gives the viewport-extent record the window extent's function number (0x020C).
        QByteArray viewportExt = takeWmf(U_WMRSETVIEWPORTEXT_set(U_POINT16{5, 5}));
        putInt16(viewportExt, 4, 0x020E);
        QTest::newRow("viewport records do not move the picture")
            << QByteArrayList{org, ext, takeWmf(U_WMRSETVIEWPORTORG_set(U_POINT16{30, 30})), viewportExt, square}
            << QStringList{u"Rectangle 0 0 80 80"_s};
        const U_POINT16 tri[] = {{10, 10}, {30, 10}, {20, 25}};
        QTest::newRow("polygon") << QByteArrayList{takeWmf(U_WMRPOLYGON_set(3, tri))}
                                 << QStringList{u"Polygon 20,20 60,20 40,50"_s};
        QTest::newRow("polyline") << QByteArrayList{takeWmf(U_WMRPOLYLINE_set(3, tri))}
                                  << QStringList{u"MoveTo 20 20"_s, u"LineTo 60 20"_s, u"LineTo 40 50"_s};
        QTest::newRow("pie") << QByteArrayList{takeWmf(
                                    U_WMRPIE_set(U_POINT16{40, 20}, U_POINT16{20, 0}, rect16(0, 0, 40, 40)))}
                             << QStringList{u"Pie 0 0 80 80 80 40 40 0"_s};
    }

    void placeableDrawing()
    {
        QFETCH(QByteArrayList, records);
        QFETCH(QStringList, expected);
        QCOMPARE(played(wmf(records), QRect(0, 0, 192, 192)), expected);
    }

    void placeableObjectSlots()
    {
        // A takes slot 0, B slot 1; deleting A frees 0, so C takes 0 and selecting 0 picks C.
        auto solid = [](U_COLORREF c) {
            return takeWmf(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, c, 0)));
        };
        Metafile m;
        QVERIFY(m.load(wmf({solid(U_RGB(255, 0, 0)), solid(U_RGB(0, 255, 0)), takeWmf(U_WMRDELETEOBJECT_set(0)),
                            solid(U_RGB(0, 0, 255)), takeWmf(U_WMRSELECTOBJECT_set(1)),
                            takeWmf(U_WMRSELECTOBJECT_set(0)), takeWmf(U_WMRRECTANGLE_set(rect16(10, 10, 30, 30)))})));
        RecordingSurface surface;
        m.play(surface, QRect(0, 0, 192, 192));
        const QList<TraceOp> ops = surface.ops(u"Rectangle"_s);
        QCOMPARE(ops.size(), 1);
        QCOMPARE(ops[0].brushStyle, SurfaceBrush::Solid);
        QCOMPARE(ops[0].brushColor, Colour(0xFF0000));
    }

    void renderedPixels_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<QRgb>>("colours");
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        const QByteArray inkBrush = select(U_BLACK_BRUSH);
        QTest::newRow("filled rectangle")
            << pixelEmf({inkBrush, rectangle(10, 10, 30, 30)}) << QList<QPoint>{{20, 20}, {5, 5}, {40, 40}}
            << QList<QRgb>{black, white, white};
        // Two rings turning the same way: alternate leaves the inner one empty, winding fills it.
        const U_POINTL rings[] = {{10, 10}, {80, 10}, {80, 80}, {10, 80}, {30, 30}, {60, 30}, {60, 60}, {30, 60}};
        const uint32_t counts[] = {4, 4};
        const QByteArray twoRings = take(U_EMRPOLYPOLYGON_set(rectl(0, 0, 0, 0), 2, counts, 8, rings));
        QTest::newRow("alternate fill leaves a hole") << pixelEmf({inkBrush, select(U_NULL_PEN), twoRings})
                                                      << QList<QPoint>{{20, 20}, {45, 45}} << QList<QRgb>{black, white};
        QTest::newRow("winding fill covers it")
            << pixelEmf({inkBrush, select(U_NULL_PEN), take(U_EMRSETPOLYFILLMODE_set(U_WINDING)), twoRings})
            << QList<QPoint>{{20, 20}, {45, 45}} << QList<QRgb>{black, black};
        const U_POINT16 tri[] = {{60, 10}, {60, 60}};
        QTest::newRow("filled path without outline")
            << pixelEmf({inkBrush, select(U_NULL_PEN), take(U_EMRBEGINPATH_set()),
                         take(U_EMRMOVETOEX_set(pointl(10, 10))),
                         take(U_EMRPOLYLINETO16_set(rectl(0, 0, 0, 0), 2, tri)), take(U_EMRENDPATH_set()),
                         take(U_EMRFILLPATH_set(rectl(0, 0, 0, 0)))})
            << QList<QPoint>{{50, 30}, {20, 40}} << QList<QRgb>{black, white};
        QTest::newRow("stroked path") << pixelEmf({take(U_EMRBEGINPATH_set()), take(U_EMRMOVETOEX_set(pointl(10, 50))),
                                                   take(U_EMRLINETO_set(pointl(80, 50))), take(U_EMRENDPATH_set()),
                                                   take(U_EMRSTROKEPATH_set(rectl(0, 0, 0, 0)))})
                                      << QList<QPoint>{{40, 50}, {40, 45}} << QList<QRgb>{black, white};
        // From the ray to the right round to the ray to the left: counter-clockwise is the upper
        // half of the circle, clockwise the lower half; the chord closes it along y = 20.
        const QByteArray chord = take(U_EMRCHORD_set(rectl(0, 0, 40, 40), pointl(40, 20), pointl(0, 20)));
        QTest::newRow("chord") << pixelEmf({inkBrush, chord}) << QList<QPoint>{{20, 10}, {20, 30}}
                               << QList<QRgb>{black, white};
        QTest::newRow("clockwise chord") << pixelEmf({inkBrush, take(U_EMRSETARCDIRECTION_set(U_AD_CLOCKWISE)), chord})
                                         << QList<QPoint>{{20, 10}, {20, 30}} << QList<QRgb>{white, black};
        // Each of the 2 x 2 pixels covers 10 x 10: red, green on top, blue, black below.
        QTest::newRow("bitmap the right way up")
            << pixelEmf({stretchDibits(10, 10, 20, 20)})
            << QList<QPoint>{{15, 15}, {25, 15}, {15, 25}, {25, 25}, {35, 35}}
            << QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), black, white};
        QTest::newRow("placeable metafile")
            << wmf({takeWmf(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, U_RGB(0, 0, 0), 0))),
                    takeWmf(U_WMRSELECTOBJECT_set(0)), takeWmf(U_WMRSETWINDOWEXT_set(U_POINT16{48, 48})),
                    takeWmf(U_WMRRECTANGLE_set(rect16(5, 5, 15, 15)))})
            << QList<QPoint>{{20, 20}, {35, 20}} << QList<QRgb>{black, white};
    }

    void renderedPixels()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QRgb>, colours);
        QString error;
        const SealPicture picture = SealPicture::fromData(bytes, &error);
        QVERIFY2(picture.hasGraphic(), qPrintable(error));
        QCOMPARE(picture.kind(), SealPicture::Kind::Metafile);
        QCOMPARE(picture.bytes(), bytes); // kept for saving, byte for byte
        QCOMPARE(picture.image().size(), QSize(96, 96));
        for (qsizetype i = 0; i < points.size(); ++i)
            QCOMPARE(picture.image().pixel(points[i]), colours[i]);
    }

    void dibDecoding_data()
    {
        QTest::addColumn<QByteArray>("info");
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<QRgb>>("pixels"); // top row first; empty when refused
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        // Colour table entries are 0x00RRGGBB read little-endian (blue byte first).
        const QList<quint32> rgbw{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
        // The leftmost pixel is the byte's top bit: 1 0 1.
        QTest::newRow("1 bit") << dibInfo(3, 1, 1, 0, 2, {0x000000, 0xFFFFFF}) << QByteArray("\xA0\0\0\0", 4) << 3
                               << QList<QRgb>{white, black, white};
        // The leftmost pixel is the high nibble: 1, 2, then 0.
        QTest::newRow("4 bits") << dibInfo(3, 1, 4, 0, 3, {0xFF0000, 0x00FF00, 0x0000FF}) << QByteArray("\x12\0\0\0", 4)
                                << 3 << QList<QRgb>{green, blue, red};
        // Bottom-up: the first stored row (2, 3) is the bottom one.
        QTest::newRow("8 bits, bottom-up") << dibInfo(2, 2, 8, 0, 4, rgbw) << QByteArray("\2\3\0\0\0\1\0\0", 8) << 2
                                           << QList<QRgb>{red, green, blue, white};
        QTest::newRow("8 bits, top-down") << dibInfo(2, -2, 8, 0, 4, rgbw) << QByteArray("\0\1\0\0\2\3\0\0", 8) << 2
                                          << QList<QRgb>{red, green, blue, white};
        // 5-5-5: 0x7C00 is full red, 0x001F full blue; 31 * 255 / 31 = 255.
        QTest::newRow("16 bits") << dibInfo(2, 1, 16, 0, 0, {}) << QByteArray("\x00\x7C\x1F\x00", 4) << 2
                                 << QList<QRgb>{red, blue};
        QTest::newRow("32 bits") << dibInfo(1, 1, 32, 0, 0, {}) << QByteArray("\x10\x20\x30\xFF", 4) << 1
                                 << QList<QRgb>{qRgb(0x30, 0x20, 0x10)};
        // Masks red 0xFF, green 0xFF00, blue 0xFF0000: the bytes 11 22 33 read as R, G, B.
        QTest::newRow("32 bits with masks")
            << dibInfo(1, 1, 32, 3, 0, {0x0000FF, 0x00FF00, 0xFF0000}) << QByteArray("\x11\x22\x33\x00", 4) << 1
            << QList<QRgb>{qRgb(0x11, 0x22, 0x33)};
        QTest::newRow("rows missing") << dibInfo(2, 2, 8, 0, 4, rgbw) << QByteArray("\0\1\0\0", 4) << 2
                                      << QList<QRgb>{};
        QTest::newRow("colour table cut short")
            << dibInfo(2, 1, 8, 0, 4, {0, 0}) << QByteArray(4, '\0') << 2 << QList<QRgb>{};
        QTest::newRow("run-length compression")
            << dibInfo(2, 1, 8, 1, 4, rgbw) << QByteArray(4, '\0') << 2 << QList<QRgb>{};
        QTest::newRow("wider than a picture may be")
            << dibInfo(40000, 1, 1, 0, 2, {0, 0xFFFFFF}) << QByteArray(5000, '\0') << 40000 << QList<QRgb>{};
        QTest::newRow("no rows") << dibInfo(2, 0, 8, 0, 4, rgbw) << QByteArray(4, '\0') << 2 << QList<QRgb>{};
    }

    void dibDecoding()
    {
        QFETCH(QByteArray, info);
        QFETCH(QByteArray, bits);
        QFETCH(int, width);
        QFETCH(QList<QRgb>, pixels);
        const QImage image =
            MetafileDib::decode(info.constData(), std::size_t(info.size()), bits.constData(), std::size_t(bits.size()));
        if (pixels.isEmpty()) {
            QVERIFY(image.isNull());
            return;
        }
        QCOMPARE(image.width(), width);
        QCOMPARE(image.height(), int(pixels.size()) / width);
        for (qsizetype i = 0; i < pixels.size(); ++i)
            QCOMPARE(image.pixel(int(i % width), int(i / width)), pixels[i]);
    }

    void truncatedRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const U_POINTL line[] = {{5, 5}, {15, 5}, {15, 25}};
        QTest::newRow("enhanced") << scaledEmf({pen(1, U_PS_SOLID, 2, U_RGB(9, 9, 9)), select(1), rectangle(1, 2, 3, 4),
                                                take(U_EMRPOLYLINE_set(rectl(0, 0, 0, 0), 3, line)),
                                                stretchDibits(0, 0, 4, 4)});
        const U_POINT16 tri[] = {{10, 10}, {30, 10}, {20, 25}};
        QTest::newRow("placeable") << wmf(
            {takeWmf(U_WMRRECTANGLE_set(rect16(10, 10, 30, 30))), takeWmf(U_WMRPOLYGON_set(3, tri))});
    }

    void truncatedRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(Metafile().load(bytes));
        for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
            const QByteArray part = bytes.left(cut);
            Metafile m;
            QString error;
            QVERIFY2(!m.load(part, &error), qPrintable(u"cut at %1"_s.arg(cut)));
            QVERIFY(!error.isEmpty());
            error.clear();
            QVERIFY(!SealPicture::fromData(part, &error).hasGraphic());
            QVERIFY(!error.isEmpty());
        }
    }

    void corruptRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const qsizetype first = 108; // the header libUEMF writes without a description
        const QByteArray ok = scaledEmf({polygon({{1, 1}, {5, 1}, {3, 4}})});
        QByteArray b;
        b = ok;
        putInt32(b, first + 4, 46);
        QTest::newRow("record size not a multiple of four") << b;
        // A record that is not drawn, 10 bytes long, with the end record right after it: only its
        // size is wrong.
        QByteArray odd(10, '\0');
        putInt32(odd, 0, U_EMR_SETTEXTCOLOR);
        putInt32(odd, 4, 10);
        QTest::newRow("record size 10, nothing else wrong") << scaledEmf({odd});
        b = ok;
        putInt32(b, first + 4, 0);
        QTest::newRow("record size zero") << b;
        b = ok;
        putInt32(b, first + 4, 0xFFFFFFF0u);
        QTest::newRow("record past the end") << b;
        b = ok;
        putInt32(b, first + 24, 1000);
        QTest::newRow("more points than the record holds") << b;
        // 0x40000001 points of 8 bytes wrap to 8 bytes in 32-bit arithmetic.
        b = ok;
        putInt32(b, first + 24, 0x40000001u);
        QTest::newRow("point count that wraps around") << b;
        b = ok;
        putInt32(b, 48, quint32(ok.size() + 4));
        QTest::newRow("stated length beyond the data") << b;
        b = ok;
        putInt32(b, 4, quint32(ok.size() + 8));
        QTest::newRow("header larger than the data") << b;
        b = ok;
        putInt32(b, ok.size() - 20, U_EMR_COMMENT); // the end record becomes a comment
        QTest::newRow("no end record") << b;
        b = scaledEmf({stretchDibits(0, 0, 4, 4)});
        putInt32(b, first + offsetof(U_EMRSTRETCHDIBITS, offBitsSrc), 0x7FFFFFF0u);
        QTest::newRow("bitmap outside its record") << b;
        b = ok;
        b[40] = 'X';
        QTest::newRow("no signature") << b;

        const QByteArray placeable = wmf({takeWmf(U_WMRRECTANGLE_set(rect16(10, 10, 30, 30)))});
        const qsizetype record = 40;
        b = placeable;
        putInt16(b, 14, 0);
        QTest::newRow("zero units per inch") << b;
        b = placeable;
        putInt16(b, 10, 0);
        QTest::newRow("empty box") << b;
        b = placeable;
        putInt16(b, 24, 7);
        QTest::newRow("wrong header size") << b;
        b = placeable;
        putInt32(b, record, 0);
        QTest::newRow("placeable record size zero") << b;
        b = placeable;
        putInt32(b, record, 3); // a record head without the rectangle's four parameters
        QTest::newRow("rectangle without its parameters") << b;
        const U_POINT16 tri[] = {{10, 10}, {30, 10}, {20, 25}};
        b = wmf({takeWmf(U_WMRPOLYGON_set(3, tri))});
        putInt16(b, record + 6, 500);
        QTest::newRow("polygon count beyond the record") << b;
        QTest::newRow("not a metafile") << QByteArray("GIF89a and then some bytes of something else");
    }

    void corruptRefused()
    {
        QFETCH(QByteArray, bytes);
        Metafile m;
        QString error;
        QVERIFY(!m.load(bytes, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!SealPicture::fromData(bytes, &error).hasGraphic());
    }

    // Each widening replaces the path by its outline, several times as many elements: a few
    // bytes of repeated widenings are refused once the elements they make would go beyond the
    // budget, and nothing more is drawn.
    void wideningBounded_data()
    {
        QTest::addColumn<int>("widenings");
        QTest::addColumn<bool>("plays");
        QTest::newRow("once, as emblems do") << 1 << true;
        QTest::newRow("three times") << 3 << true;
        QTest::newRow("twelve times") << 12 << false;
        QTest::newRow("forty times") << 40 << false;
    }
    void wideningBounded()
    {
        QFETCH(int, widenings);
        QFETCH(bool, plays);
        const QByteArray bytes = widenedZigzag(widenings);
        QVERIFY(bytes.size() < 400 + 8 * widenings); // a few bytes each
        Metafile m;
        QVERIFY(m.load(bytes));
        DecodeBudget budget;
        RecordingSurface surface;
        QString error;
        QCOMPARE(m.play(surface, QRect(0, 0, 400, 400), &budget, &error), plays);
        QCOMPARE(surface.ops(u"FillPath"_s).size(), plays ? 1 : 0);
        // What was widened was counted, and a refused widening takes nothing.
        QVERIFY(budget.widenedLeft() < MaxWidenedPathElements);
        QVERIFY(budget.widenedLeft() >= 0);
        QCOMPARE(error.isEmpty(), plays);
        error.clear();
        const SealPicture picture = SealPicture::fromData(bytes, &error);
        QCOMPARE(picture.hasGraphic(), plays);
        if (!plays)
            QVERIFY2(error.contains(u"widened"_s), qPrintable(error));
    }

    // The pictures of one document share their widening budget: a picture that alone fits is
    // refused when earlier pictures have spent it.
    void wideningBudgetShared()
    {
        const QByteArray bytes = widenedZigzag(3);
        Metafile m;
        QVERIFY(m.load(bytes));
        DecodeBudget probe;
        RecordingSurface surface;
        QVERIFY(m.play(surface, QRect(0, 0, 400, 400), &probe));
        const qint64 spent = MaxWidenedPathElements - probe.widenedLeft();
        QVERIFY(spent > 0);
        DecodeBudget document(MaxPicturePixels, spent * 3 / 2);
        QVERIFY(m.play(surface, QRect(0, 0, 400, 400), &document));
        QString error;
        QVERIFY(!m.play(surface, QRect(0, 0, 400, 400), &document, &error));
        QVERIFY2(error.contains(u"widened"_s), qPrintable(error));
    }

    // A path that grows beyond the element limit across records is refused; a single record
    // of more points than that is refused when loading.
    void pathElementsBounded()
    {
        const int half = int(MetafileCanvas::MaxPathElements / 2) + 1;
        Metafile m;
        QString error;
        RecordingSurface surface;
        QVERIFY(m.load(longPath(1, half)));
        QVERIFY(m.play(surface, QRect(0, 0, 400, 400), nullptr, &error));
        QCOMPARE(surface.ops(u"FillPath"_s).size(), 1);
        QVERIFY(m.load(longPath(2, half)));
        RecordingSurface refused;
        QVERIFY(!m.play(refused, QRect(0, 0, 400, 400), nullptr, &error));
        QVERIFY2(error.contains(u"path too large"_s), qPrintable(error));
        QCOMPARE(refused.ops(u"FillPath"_s).size(), 0);
        QVERIFY(!m.load(longPath(1, int(MetafileCanvas::MaxPathElements) + 1), &error));
    }

    // A fill is cheap to describe and costs its whole area to paint: fills beyond the painting
    // budget are refused and not drawn. Each ellipse here covers the whole 1024 x 1024 target
    // and costs 1 + 1024² pixels; the budget of 4 × 8192² holds 255 of them, not 256.
    void paintingBounded_data()
    {
        QTest::addColumn<int>("ellipses");
        QTest::addColumn<int>("drawn");
        QTest::newRow("a hundred") << 100 << 100;
        QTest::newRow("as many as the budget holds") << 255 << 255;
        QTest::newRow("one more") << 256 << 255;
        QTest::newRow("three hundred") << 300 << 255;
    }
    void paintingBounded()
    {
        QFETCH(int, ellipses);
        QFETCH(int, drawn);
        QByteArrayList records;
        for (int i = 0; i < ellipses; ++i)
            records << take(U_EMRELLIPSE_set(rectl(-10, -10, 210, 210)));
        Metafile m;
        QVERIFY(m.load(scaledEmf(records)));
        DecodeBudget budget;
        RecordingSurface surface;
        QString error;
        const bool plays = ellipses == drawn;
        QCOMPARE(m.play(surface, QRect(0, 0, 1024, 1024), &budget, &error), plays);
        QCOMPARE(surface.ops(u"Ellipse"_s).size(), drawn);
        QCOMPARE(budget.paintedLeft(), MaxPaintedPixels - drawn * (1 + 1024LL * 1024));
        if (!plays)
            QVERIFY2(error.contains(u"paints beyond"_s), qPrintable(error));
    }

    // The bitmaps that records carry are decoded pixels like any picture's: taken from the
    // budget before they are decoded. The one here is 2 x 2.
    void bitmapsTakePixels_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("pixels");
        QTest::addColumn<bool>("plays");
        const QByteArray enhanced = scaledEmf({stretchDibits(10, 10, 20, 20)});
        // A packed DIB of the same 2 x 2 picture in a placeable metafile's StretchDIB record.
        const U_BITMAPINFOHEADER header = bitmapinfoheader_set(2, 2, 1, 24, U_BI_RGB, 0, 0, 0, 0, 0);
        PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
        const char rows[16] = {};
        const QByteArray placeable =
            wmf({takeWmf(U_WMRSTRETCHDIB_set(U_POINT16{10, 10}, U_POINT16{20, 20}, U_POINT16{0, 0}, U_POINT16{2, 2},
                                             U_DIB_RGB_COLORS, U_SRCCOPY, info, 16, rows))});
        std::free(info);
        QTest::newRow("enhanced, room for four") << enhanced << 4LL << true;
        QTest::newRow("enhanced, room for three") << enhanced << 3LL << false;
        QTest::newRow("placeable, room for four") << placeable << 4LL << true;
        QTest::newRow("placeable, room for three") << placeable << 3LL << false;
    }
    void bitmapsTakePixels()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, pixels);
        QFETCH(bool, plays);
        Metafile m;
        QVERIFY(m.load(bytes));
        DecodeBudget budget(pixels);
        RecordingSurface surface;
        QString error;
        QCOMPARE(m.play(surface, QRect(0, 0, 400, 400), &budget, &error), plays);
        QCOMPARE(surface.ops(u"StretchDraw"_s).size(), plays ? 1 : 0);
        QCOMPARE(budget.pixelsLeft(), plays ? 0 : pixels);
        if (!plays)
            QVERIFY2(error.contains(u"bitmap"_s), qPrintable(error));
    }

    // A picture that several seals of a document carry is rendered once: the second costs no
    // painting, and its pixels count once, for the seals share the decoded picture.
    void repeatedPictureRenderedOnce()
    {
        // A 20 mm frame: roundHalfEven(2000 * 96 / 2540) = 76 pixels a side.
        const QByteArray bytes = scaledEmf({take(U_EMRELLIPSE_set(rectl(20, 20, 180, 180)))});
        DecodeBudget budget;
        QString error;
        const SealPicture first = SealPicture::fromData(bytes, &error, &budget);
        QVERIFY2(first.hasGraphic(), qPrintable(error));
        QCOMPARE(first.image().size(), QSize(76, 76));
        const qint64 painted = budget.paintedLeft();
        QVERIFY(painted < MaxPaintedPixels);
        const SealPicture second = SealPicture::fromData(bytes, &error, &budget);
        QVERIFY(second.hasGraphic());
        QCOMPARE(second.image(), first.image());
        QCOMPARE(budget.paintedLeft(), painted);
        QCOMPARE(budget.pixelsLeft(), MaxDocumentPicturePixels - 76 * 76);
    }

    // The fuzzer's seeds are files of every kind of record; they must stay playable.
    void fuzzSeedsRender()
    {
        const QDir dir(QString::fromUtf8(QM_SOURCE_DIR "/fuzz/corpus/metafile"));
        const QStringList seeds = dir.entryList(QDir::Files);
        QVERIFY(!seeds.isEmpty());
        for (const QString &name : seeds) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QString error;
            QVERIFY2(SealPicture::fromData(file.readAll(), &error).hasGraphic(), qPrintable(name + u": "_s + error));
        }
    }

    // Random damage to files that use every kind of record: refused or played, never a crash,
    // and never a picture beyond the side limit.
    void damagedFilesNeverCrash()
    {
        const U_POINT16 curve[] = {{0, 0}, {10, 20}, {30, 20}, {40, 0}};
        const uint32_t counts[] = {3, 3};
        const U_POINTL rings[] = {{0, 0}, {40, 0}, {40, 40}, {10, 10}, {20, 10}, {20, 20}};
        const QList<QByteArray> samples{
            scaledEmf(
                {pen(1, U_PS_SOLID, 3, U_RGB(1, 2, 3)), select(1), brush(2, U_BS_SOLID, U_RGB(4, 5, 6)), select(2),
                 take(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC)), take(U_EMRSETWINDOWEXTEX_set(U_SIZEL{50, 50})),
                 take(U_EMRSETVIEWPORTEXTEX_set(U_SIZEL{100, 100})), rectangle(1, 2, 30, 40),
                 take(U_EMRPOLYBEZIER16_set(rectl(0, 0, 0, 0), 4, curve)),
                 take(U_EMRPOLYPOLYGON_set(rectl(0, 0, 0, 0), 2, counts, 6, rings)), take(U_EMRBEGINPATH_set()),
                 take(U_EMRARC_set(rectl(0, 0, 10, 10), pointl(10, 5), pointl(5, 0))), take(U_EMRENDPATH_set()),
                 take(U_EMRWIDENPATH_set()), take(U_EMRFILLPATH_set(rectl(0, 0, 0, 0))),
                 take(U_EMRSETWORLDTRANSFORM_set(xform_set(0.7f, 0.7f, -0.7f, 0.7f, 5, 5))),
                 take(U_EMRCHORD_set(rectl(0, 0, 20, 10), pointl(20, 5), pointl(0, 5))), stretchDibits(0, 0, 9, 9)}),
            wmf({takeWmf(U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_SOLID, 2, U_RGB(1, 2, 3)))),
                 takeWmf(U_WMRSELECTOBJECT_set(0)), takeWmf(U_WMRSETWINDOWEXT_set(U_POINT16{48, 48})),
                 takeWmf(U_WMRRECTANGLE_set(rect16(10, 10, 30, 30))),
                 takeWmf(U_WMRARC_set(U_POINT16{1, 2}, U_POINT16{3, 4}, rect16(0, 0, 20, 20))),
                 takeWmf(U_WMRDELETEOBJECT_set(0))})};
        QRandomGenerator random(20240607);
        for (const QByteArray &sample : samples) {
            QVERIFY(Metafile().load(sample));
            for (int round = 0; round < 1500; ++round) {
                QByteArray damaged = sample;
                const int flips = 1 + random.bounded(8);
                for (int i = 0; i < flips; ++i)
                    damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
                Metafile m;
                if (m.load(damaged)) {
                    QVERIFY(m.naturalSize().width() <= Metafile::MaxNaturalSide);
                    QVERIFY(m.naturalSize().height() <= Metafile::MaxNaturalSide);
                    RecordingSurface surface;
                    m.play(surface, QRect(0, 0, 400, 400));
                }
                if (round % 50 == 0)
                    SealPicture::fromData(damaged);
            }
        }
    }
};

QTEST_MAIN(TestMetafile)
#include "tst_metafile.moc"
