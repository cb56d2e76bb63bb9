// Frames and pattern lines of seals: the recorded outlines and bands with their pens and
// brushes, the lines left out under a code on the frame, and what only pixels show.

#include "testing/testhelpers.h"

#include "seal/officialseals.h"
#include "seal/paintersurface.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QPainter>
#include <QTest>

#include <algorithm>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// At 10 px/mm a 40 mm seal is 400 px, the default 1.2 mm frame 12 px.

// Each operation with the pen width it was drawn with.
QStringList withPens(const QList<TraceOp> &ops)
{
    QStringList out;
    for (const TraceOp &op : ops)
        out << describe(op) + u" pen "_s + QString::number(op.penWidth);
    return out;
}

QString point(const QPoint &p)
{
    return u"(%1,%2)"_s.arg(p.x()).arg(p.y());
}

// The corners of a band's polygons, without their order or repeats: how a band is split into
// polygons is free, where its corners lie is not.
QStringList corners(const QList<TraceOp> &polygons)
{
    QStringList out;
    for (const TraceOp &op : polygons)
        for (const QPoint &p : op.points)
            out << point(p);
    out.sort();
    out.removeDuplicates();
    return out;
}

QStringList sorted(QStringList l)
{
    l.sort();
    return l;
}

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Grey = 0xFF808080;

// The seal painted at (10, 10) on an aliased image of the given ground.
QImage paint(Seal &seal, QRgb ground)
{
    QImage image(420, 420, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PainterSurface surface(&painter);
    seal.drawSeal(10, 10, surface, clRed, clRed, seal.BrushStyle());
    painter.end();
    return image;
}

} // namespace

class TestOfficialSeals : public QObject
{
    Q_OBJECT

private slots:
    void outlineFrames_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("shape");
        QTest::addColumn<float>("penWidth");
        QTest::addColumn<float>("penWidth1");
        QTest::addColumn<float>("penWidth2");
        QTest::addColumn<QStringList>("expected");

        const int rect = int(SealType::stRect);
        const int ftRect = int(FrameType::ftRectangle);
        // Main frame: left = roundHalfEven(12 / 2) = 6, right = 6 + 400 - 12 = 394. Lining (4 px, gap 8):
        // left = roundHalfEven(12 + 8 + 4 / 2) = 22, right = 22 + 400 - 2 (12 + 8) - 4 = 378. Inner frame (5 px,
        // gap 80): left = roundHalfEven(12 + 80 + 5 / 2) = roundHalfEven(94.5) = 94, right = 94 + 400 - 2 (12 + 80) - 5
        // = 305.
        QTest::newRow("rectangle, lining, inner frame")
            << rect << ftRect << 1.2f << 0.4f << 0.5f
            << QStringList{u"Rectangle 6 6 394 394 pen 12"_s, u"Rectangle 22 22 378 378 pen 4"_s,
                           u"Rectangle 94 94 305 305 pen 5"_s};
        // A lining and an inner frame of 0.1 mm are 1 px, still drawn: left = roundHalfEven(12 + 8 + 1 / 2) =
        // roundHalfEven(20.5) = 20, right = 20 + 400 - 2 (12 + 8) - 1 = 379; left = roundHalfEven(12 + 80 + 1 / 2) =
        // 92, right = 92 + 400 - 2 (12 + 80) - 1 = 307.
        QTest::newRow("1-pixel lining and inner frame")
            << rect << ftRect << 1.2f << 0.1f << 0.1f
            << QStringList{u"Rectangle 6 6 394 394 pen 12"_s, u"Rectangle 20 20 379 379 pen 1"_s,
                           u"Rectangle 92 92 307 307 pen 1"_s};
        QTest::newRow("zero width still draws the thinnest frame")
            << rect << ftRect << 0.0f << 0.0f << 0.0f << QStringList{u"Rectangle 0 0 400 400 pen 0"_s};
        QTest::newRow("zero lining and inner widths draw neither")
            << rect << ftRect << 1.2f << 0.0f << 0.0f << QStringList{u"Rectangle 6 6 394 394 pen 12"_s};
        // RealSR 3 mm: rounding ellipses of 30 x 30 for every outline.
        QTest::newRow("rounded corners") << int(SealType::stName22) << int(FrameType::ftRoundRect) << 1.2f << 0.4f
                                         << 0.0f
                                         << QStringList{u"RoundRect 6 6 394 394 30 30 pen 12"_s,
                                                        u"RoundRect 22 22 378 378 30 30 pen 4"_s};
        // Corners cut by 30 along each side of the box 6 ... 394.
        QTest::newRow("cut corners") << rect << int(FrameType::ftDiamond) << 1.2f << 0.0f << 0.0f
                                     << QStringList{u"Polygon (36,6) (364,6) (394,36) (394,364) (364,394) (36,394) "
                                                    u"(6,364) (6,36) pen 12"_s};
        QTest::newRow("official oval") << int(SealType::stEllipse) << ftRect << 1.2f << 0.4f << 0.0f
                                       << QStringList{u"Ellipse 6 6 394 394 pen 12"_s,
                                                      u"Ellipse 22 22 378 378 pen 4"_s};
        QTest::newRow("name seal with an oval frame") << int(SealType::stName4) << int(FrameType::ftEllipse) << 1.2f
                                                      << 0.0f << 0.0f << QStringList{u"Ellipse 6 6 394 394 pen 12"_s};
    }
    void outlineFrames()
    {
        QFETCH(int, kind);
        QFETCH(int, shape);
        QFETCH(float, penWidth);
        QFETCH(float, penWidth1);
        QFETCH(float, penWidth2);
        QFETCH(QStringList, expected);

        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind));
        seal.setNameSealFrameType(FrameType(shape));
        seal.setPenWidth(penWidth);
        seal.setPenWidth1(penWidth1);
        seal.setPenWidth2(penWidth2);
        seal.setRealSR(3);
        RecordingSurface rec;
        drawFrame(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
        QCOMPARE(withPens(rec.ops()), expected);
        for (const TraceOp &op : rec.ops()) {
            QCOMPARE(op.penColor, clRed);
            QCOMPARE(op.brushStyle, SurfaceBrush::Clear); // a positive frame is never filled
        }
    }

    void negativeFrameFilledInnerLinesWhite()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        seal.setPenWidth1(0.4f);
        seal.setLineCount(8);
        seal.setLineType(true);
        RecordingSurface rec;
        drawFrame(seal, rec, 0, 0, BrushStyle::bsSolid, clRed);

        const QList<TraceOp> boxes = rec.ops(u"Rectangle"_s);
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes[0].penColor, clRed);
        QCOMPARE(boxes[0].brushStyle, SurfaceBrush::Solid);
        QCOMPARE(boxes[0].brushColor, clRed);
        QCOMPARE(boxes[1].penColor, clWhite);
        QCOMPARE(boxes[1].brushStyle, SurfaceBrush::Clear);
        const QList<TraceOp> lines = rec.ops(u"LineTo"_s);
        QCOMPARE(lines.size(), 8);
        for (const TraceOp &op : lines)
            QCOMPARE(op.penColor, clWhite);
    }

    void bands_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("mainBand");
        QTest::addColumn<QStringList>("inside");
        QTest::addColumn<float>("lining");
        QTest::addColumn<QStringList>("liningBand");

        // Triangle 400 x 300: θ = atan(400 / 600), kx = cot(45° - θ / 2) = 1.86852, ky = 1 / sin θ = 1.80278.
        // Main band 12: I1 = (roundHalfEven(12 kx) - 1, 12 - 1) = (21, 11), I2 = (400 - 22 - 1, 11),
        // I3 = (roundHalfEven(200 - 1), 300 - roundHalfEven(12 ky) - 1). Lining gap 8: roundHalfEven(8 kx) = 15,
        // roundHalfEven(8 ky) = 14; width 4: roundHalfEven(4 kx) = 7, roundHalfEven(4 ky) = 7.
        const QStringList triangleBand{u"(0,0)"_s,   u"(399,0)"_s,  u"(199,299)"_s,
                                       u"(21,11)"_s, u"(377,11)"_s, u"(199,277)"_s};
        const QStringList triangleInside{u"(21,11)"_s, u"(377,11)"_s, u"(199,277)"_s};
        QTest::newRow("triangle") << int(SealType::stTriangle) << triangleBand << triangleInside << 0.4f
                                  << QStringList{u"(36,19)"_s, u"(362,19)"_s, u"(199,263)"_s,
                                                 u"(43,23)"_s, u"(355,23)"_s, u"(199,256)"_s};
        // A 1 px lining moves the corners by roundHalfEven(kx) = 2 and roundHalfEven(ky) = 2.
        QTest::newRow("triangle, 1-pixel lining")
            << int(SealType::stTriangle) << triangleBand << triangleInside << 0.1f
            << QStringList{u"(36,19)"_s, u"(362,19)"_s, u"(199,263)"_s, u"(38,20)"_s, u"(360,20)"_s, u"(199,261)"_s};
        // Rhomb 400 x 300: α = atan(400 / 300), sin α = 0.8, cos α = 0.6. Vertices (199, 0), (0, 149),
        // (199, 299), (399, 149); a band w moves them by roundHalfEven(w / 0.8) and roundHalfEven(w / 0.6): 15 and 20
        // for the main band, 10 and 13 for the gap, 5 and 7 for the lining.
        const QStringList rhombBand{u"(199,0)"_s,  u"(0,149)"_s,  u"(199,299)"_s, u"(399,149)"_s,
                                    u"(199,15)"_s, u"(20,149)"_s, u"(199,284)"_s, u"(379,149)"_s};
        const QStringList rhombInside{u"(199,15)"_s, u"(20,149)"_s, u"(199,284)"_s, u"(379,149)"_s};
        QTest::newRow("rhomb") << int(SealType::stRhomb) << rhombBand << rhombInside << 0.4f
                               << QStringList{u"(199,25)"_s, u"(33,149)"_s, u"(199,274)"_s, u"(366,149)"_s,
                                              u"(199,30)"_s, u"(40,149)"_s, u"(199,269)"_s, u"(359,149)"_s};
        // A 1 px lining: roundHalfEven(1 / 0.8) = 1 vertically, roundHalfEven(1 / 0.6) = 2 sideways.
        QTest::newRow("rhomb, 1-pixel lining")
            << int(SealType::stRhomb) << rhombBand << rhombInside << 0.1f
            << QStringList{u"(199,25)"_s, u"(33,149)"_s, u"(199,274)"_s, u"(366,149)"_s,
                           u"(199,26)"_s, u"(35,149)"_s, u"(199,273)"_s, u"(364,149)"_s};
    }
    // A negative seal: the main band in ink, its inside filled with ink, the lining band in white.
    void bands()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, mainBand);
        QFETCH(QStringList, inside);
        QFETCH(float, lining);
        QFETCH(QStringList, liningBand);
        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind), 40, 30);
        seal.setPenWidth1(lining);
        RecordingSurface rec;
        drawFrame(seal, rec, 0, 0, BrushStyle::bsSolid, clRed);

        const QList<TraceOp> polygons = rec.ops(u"Polygon"_s);
        QCOMPARE(polygons.size(), 5);
        QCOMPARE(corners(polygons.mid(0, 2)), sorted(mainBand));
        QCOMPARE(corners(polygons.mid(2, 1)), sorted(inside));
        QCOMPARE(corners(polygons.mid(3, 2)), sorted(liningBand));
        for (qsizetype i = 0; i < polygons.size(); ++i) {
            const Colour colour = i < 3 ? clRed : clWhite;
            QCOMPARE(polygons[i].penWidth, 1);
            QCOMPARE(polygons[i].penColor, colour);
            QCOMPARE(polygons[i].brushColor, colour);
            QCOMPARE(polygons[i].brushStyle, SurfaceBrush::Solid);
        }

        atTenPixelsPerMm(seal, SealType(kind), 0, 30); // an empty box draws no band at all
        rec.clear();
        drawFrame(seal, rec, 0, 0, BrushStyle::bsSolid, clRed);
        QVERIFY(rec.ops().isEmpty());
    }

    void linesUnderTheCode_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("codeOn");
        QTest::addColumn<bool>("codeAtTop");
        QTest::addColumn<QList<int>>("drawn");

        const int rect = int(SealType::stRect);
        // 8 lines on a square: 0, 2, 4, 6 at the corners, 1, 3, 5, 7 in the middle of the sides.
        // Top code: lines 1 ... 8 div 4 - 1 = 1; bottom code: 8 div 2 + 1 ... 8 - 8 div 4 - 1 = 5.
        QTest::newRow("code on the top band")
            << rect << 40.f << 8 << QByteArray("12345") << true << true << QList<int>{0, 2, 3, 4, 5, 6, 7};
        QTest::newRow("code on the bottom band")
            << rect << 40.f << 8 << QByteArray("12345") << true << false << QList<int>{0, 1, 2, 3, 4, 6, 7};
        QTest::newRow("code inside the frame")
            << rect << 40.f << 8 << QByteArray("12345") << false << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("no code") << rect << 40.f << 8 << QByteArray() << true << true
                                 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        // 400 x 300, 7 lines: (7 · 400) div (400 + 600) + 1 = 3 top lines left out, wherever the code is set.
        QTest::newRow("triangle") << int(SealType::stTriangle) << 30.f << 7 << QByteArray("12345") << true << false
                                  << QList<int>{3, 4, 5, 6};
        // Every fourth line runs across the upper-left side, where the rhomb's code is.
        QTest::newRow("rhomb") << int(SealType::stRhomb) << 30.f << 6 << QByteArray("12345") << true << false
                               << QList<int>{1, 2, 3, 5};
        QTest::newRow("oval: lines already opposite the code")
            << int(SealType::stEllipse) << 40.f << 6 << QByteArray("12345") << true << false
            << QList<int>{0, 1, 2, 3, 4, 5};
    }
    void linesUnderTheCode()
    {
        QFETCH(int, kind);
        QFETCH(float, height);
        QFETCH(int, count);
        QFETCH(QByteArray, code);
        QFETCH(bool, codeOn);
        QFETCH(bool, codeAtTop);
        QFETCH(QList<int>, drawn);

        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind), 40, height);
        seal.setLineCount(count);
        seal.setLineType(true);
        seal.setCode(code);
        seal.setCodeOn(codeOn);
        seal.setCodeTopOrDown(codeAtTop);
        RecordingSurface rec;
        drawPatternLines(seal, rec, 30, 50, BrushStyle::bsClear, clRed);

        QStringList expected;
        for (int i : drawn) {
            const QPoint a = seal.linePoints()[i] + QPoint(30, 50);
            const QPoint b = seal.linePoints()[count + i] + QPoint(30, 50);
            expected << u"MoveTo %1 %2 pen 1"_s.arg(a.x()).arg(a.y()) << u"LineTo %1 %2 pen 1"_s.arg(b.x()).arg(b.y());
        }
        QCOMPARE(withPens(rec.ops()), expected);
    }

    void patternLineStrokes_data()
    {
        QTest::addColumn<bool>("straight");
        QTest::addColumn<QStringList>("expected");
        // 8 lines on a 400 px square, p 12: f = (1600 + 8) / 8 = 201 and fi = (1600 - 96 - 8) / 8 = 187.
        // Line 0 runs from the corner (-1, -1) to (12 + 1, 12 + 1); line 7 from (-1, 401 - 201) to
        // (13, 400 - 12 + 1 - 187) = (13, 202). Drawn at (30, 50).
        QTest::newRow("straight") << true
                                  << QStringList{u"MoveTo 29 49 pen 1"_s, u"LineTo 43 63 pen 1"_s,
                                                 u"MoveTo 29 250 pen 1"_s, u"LineTo 43 252 pen 1"_s};
        // d = 12 div 2 = 6: the first half bends A + (d, d), B - (d, d), the second half A - (d, d), B + (d, d).
        QTest::newRow("curved") << false
                                << QStringList{u"PolyBezier (29,49) (35,55) (37,57) (43,63) pen 1"_s,
                                               u"PolyBezier (29,250) (23,244) (49,258) (43,252) pen 1"_s};
    }
    void patternLineStrokes()
    {
        QFETCH(bool, straight);
        QFETCH(QStringList, expected);
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        seal.setLineCount(8);
        seal.setLineType(straight);
        RecordingSurface rec;
        drawPatternLines(seal, rec, 30, 50, BrushStyle::bsClear, clRed);
        QStringList ops = withPens(rec.ops());
        QCOMPARE(ops.size(), straight ? 16 : 8);
        const qsizetype perLine = straight ? 2 : 1;
        QCOMPARE(ops.mid(0, perLine) + ops.mid(7 * perLine, perLine), expected);
        for (const TraceOp &op : rec.ops()) {
            QCOMPARE(op.penColor, clWhite);
            QCOMPARE(op.brushStyle, SurfaceBrush::Clear);
        }
    }

    // The S-bend of curved lines on the other frames, around the line where the bend turns:
    // C1 = A + (c1x, c1y), C2 = B + (c2x, c2y). The frame is 12 px wide.
    void patternLineBends_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<float>("height");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QList<QList<int>>>("offsets");

        // d = 12 div 3 = 4; lines below 8 div 2 = 4 bend A + (d, -d), B + (-d, d), the others A + (d, -d), B + (d, -d).
        QTest::newRow("oval") << int(SealType::stEllipse) << 40.f << 8 << QList<int>{0, 3, 4, 7}
                              << QList<QList<int>>{{4, -4, -4, 4}, {4, -4, -4, 4}, {4, -4, 4, -4}, {4, -4, 4, -4}};
        // d = 4; lines below (2 · 8) div 3 = 5 bend A + (d, d), B - (d, d), the others A + (-d, d), B + (d, -d).
        QTest::newRow("triangle") << int(SealType::stTriangle) << 30.f << 8 << QList<int>{0, 4, 5, 7}
                                  << QList<QList<int>>{{4, 4, -4, -4}, {4, 4, -4, -4}, {-4, 4, 4, -4}, {-4, 4, 4, -4}};
        // 400 x 300: sin atan(300 / 400) = 0.6, d = roundHalfEven(12 / (4 · 0.6)) = 5; even lines A + (d, d), B - (d,
        // d), odd lines A + (-d, d), B + (d, -d).
        QTest::newRow("rhomb") << int(SealType::stRhomb) << 30.f << 6 << QList<int>{0, 1, 4, 5}
                               << QList<QList<int>>{{5, 5, -5, -5}, {-5, 5, 5, -5}, {5, 5, -5, -5}, {-5, 5, 5, -5}};
    }
    void patternLineBends()
    {
        QFETCH(int, kind);
        QFETCH(float, height);
        QFETCH(int, count);
        QFETCH(QList<int>, lines);
        QFETCH(QList<QList<int>>, offsets);
        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind), 40, height);
        seal.setLineCount(count);
        RecordingSurface rec;
        drawPatternLines(seal, rec, 30, 50, BrushStyle::bsClear, clRed);
        const QList<TraceOp> curves = rec.ops(u"PolyBezier"_s);
        QCOMPARE(curves.size(), count);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const int i = lines[k];
            const QPoint a = seal.linePoints()[i] + QPoint(30, 50);
            const QPoint b = seal.linePoints()[count + i] + QPoint(30, 50);
            const QList<int> &o = offsets[k];
            const QList<QPoint> expected{a, a + QPoint(o[0], o[1]), b + QPoint(o[2], o[3]), b};
            QCOMPARE(curves[i].points, expected);
        }
    }

    // Only pixels show the ink ground of a negative seal with its white lining and lines cut out.
    void negativeSealPixels()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        seal.setBrushStyle(BrushStyle::bsSolid);
        seal.setPenWidth1(0.4f); // the 4 px lining runs over x = 20 ... 23
        seal.setLineCount(8);
        seal.setLineType(true);
        const QImage image = paint(seal, Grey);

        QCOMPARE(image.pixel(5, 150), Grey);            // outside the seal
        QCOMPARE(image.pixel(10 + 3, 150), Red);        // main frame band
        QCOMPARE(image.pixel(10 + 16, 150), Red);       // between frame and lining: the filled ground
        QCOMPARE(image.pixel(10 + 21, 150), White);     // the lining, cut out
        QCOMPARE(image.pixel(210, 210), Red);           // the centre
        QCOMPARE(image.pixel(10 + 200, 10 + 6), White); // line 1 across the top band at x = 200
    }

    // Line 1 crosses the top band at x = 200 whatever the insets: f = (1600 - 8 so) / 8 puts its outer
    // end at 201 - 1 (so = -1) or 197 + 3 (so = 12 / 4), and likewise its inner end. The band covers
    // rows 0 ... 11; row 1 shows whether the outer edge is broken, row 10 the inner edge.
    void patternLinesNotchTheFrame_data()
    {
        QTest::addColumn<bool>("outSide");
        QTest::addColumn<bool>("inSide");
        QTest::addColumn<QRgb>("outerEdge");
        QTest::addColumn<QRgb>("innerEdge");
        QTest::newRow("both edges broken") << true << true << White << White;
        QTest::newRow("outer edge only") << true << false << White << Red;
        QTest::newRow("inner edge only") << false << true << Red << White;
        QTest::newRow("inside the band") << false << false << Red << Red;
    }
    void patternLinesNotchTheFrame()
    {
        QFETCH(bool, outSide);
        QFETCH(bool, inSide);
        QFETCH(QRgb, outerEdge);
        QFETCH(QRgb, innerEdge);
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        seal.setLineCount(8);
        seal.setLineType(true);
        seal.setOutSide(outSide);
        seal.setInSide(inSide);
        const QImage image = paint(seal, White);

        QCOMPARE(image.pixel(10 + 100, 10 + 1), Red); // the band away from any line
        QCOMPARE(image.pixel(10 + 100, 10 + 10), Red);
        QCOMPARE(image.pixel(10 + 200, 10 + 1), outerEdge);
        QCOMPARE(image.pixel(10 + 200, 10 + 10), innerEdge);
        QCOMPARE(image.pixel(10 + 200, 10 - 3), White); // never beyond one pixel out
    }
};

QTEST_MAIN(TestOfficialSeals)
#include "tst_officialseals.moc"
