#include "testing/testhelpers.h"

#include "seal/drawingelements.h"
#include "seal/gbk.h"
#include "seal/paintersurface.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QPainter>
#include <QTest>

#include <climits>
#include <memory>

using namespace Qt::StringLiterals;
using qm::roundHalfEven;
using qm::testing::newElement;

namespace {

constexpr qm::Colour blue = 0xFF0000;
constexpr qm::Colour green = 0x00FF00;

// The star of a 100 x 100 box with pen 0: centre (50, 50), tips 50 from it, inner vertices
// 100 / 5.3 = 18.868 from it, at 90 + 36k degrees, vertex = (50 - R cos t, 50 - R sin t).
QList<QPoint> star100(int dx = 0, int dy = 0)
{
    const QList<QPoint> v{
        {50, 0},  // 90: the top tip
        {61, 35}, // 126: (50 + 18.868 * 0.5878, 50 - 18.868 * 0.8090) = (61.09, 34.74)
        {98, 35}, // 162: (50 + 50 * 0.9511, 50 - 50 * 0.3090) = (97.55, 34.55)
        {68, 56}, // 198: (50 + 18.868 * 0.9511, 50 + 18.868 * 0.3090) = (67.94, 55.83)
        {79, 90}, // 234: (50 + 50 * 0.5878, 50 + 50 * 0.8090) = (79.39, 90.45)
        {50, 69}, // 270: (50, 50 + 18.868)
        {21, 90}, // 306
        {32, 56}, // 342
        {2, 35},  // 18
        {39, 35}, // 54
    };
    QList<QPoint> out;
    for (const QPoint &p : v)
        out.append(p + QPoint(dx, dy));
    return out;
}

// The star of a 200 x 100 box with pen 0: centre (100, 50), tips 100 across and 50 up and down,
// inner vertices 200 / 5.3 = 37.736 across and 100 / 5.3 = 18.868 up and down.
QList<QPoint> star200x100(int dx = 0, int dy = 0)
{
    const QList<QPoint> v{
        {100, 0},  // 90
        {122, 35}, // 126: (100 + 37.736 * 0.5878, 50 - 18.868 * 0.8090) = (122.18, 34.74)
        {195, 35}, // 162: (100 + 100 * 0.9511, 50 - 50 * 0.3090) = (195.11, 34.55)
        {136, 56}, // 198: (100 + 37.736 * 0.9511, 50 + 18.868 * 0.3090) = (135.89, 55.83)
        {159, 90}, // 234: (100 + 100 * 0.5878, 50 + 50 * 0.8090) = (158.78, 90.45)
        {100, 69}, // 270: (100, 50 + 18.868)
        {41, 90},  // 306: (100 - 58.78, 90.45)
        {64, 56},  // 342: (100 - 35.89, 55.83)
        {5, 35},   // 18: (100 - 95.11, 34.55)
        {78, 35},  // 54: (100 - 22.18, 34.74)
    };
    QList<QPoint> out;
    for (const QPoint &p : v)
        out.append(p + QPoint(dx, dy));
    return out;
}

// MoveTo/LineTo pairs in order.
QList<QLine> lines(const qm::RecordingSurface &s)
{
    QList<QLine> out;
    QPoint at;
    for (const qm::TraceOp &op : s.ops()) {
        if (op.op == u"MoveTo"_s)
            at = QPoint(op.args[0], op.args[1]);
        else if (op.op == u"LineTo"_s)
            out.append(QLine(at, QPoint(op.args[0], op.args[1])));
    }
    return out;
}

qm::GlyphStyle songStyle(int weight, int pen)
{
    return qm::GlyphStyle{weight,    false,    false, pen, qm::Gbk::fromUnicode(u"宋体"_s), qm::BrushStyle::bsClear,
                          qm::clRed, qm::clRed};
}

QImage canvas(int w, int h, QColor ground)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ground);
    return img;
}

} // namespace

class TestDrawingElements : public QObject
{
    Q_OBJECT

private slots:
    void straightLines_data();
    void straightLines();
    void anyAngleLine_data();
    void anyAngleLine();
    void arc_data();
    void arc();
    void anyAngleText_data();
    void anyAngleText();
    void anyAngleTextGlyphs();
    void anyAngleTextMiddlesOnHalfPixels();
    void fiveStar_data();
    void fiveStar();
    void cells_data();
    void cells();
    void cellsColours();
    void denseCellsVisitEachPixelOnce_data();
    void denseCellsVisitEachPixelOnce();
    void hugeTablesStopAtTheDividerCap_data();
    void hugeTablesStopAtTheDividerCap();
    void pictureOrStar_data();
    void pictureOrStar();
    void emblemStar_data();
    void emblemStar();

    void dispatchLines();
    void dispatchArc();
    void dispatchTexts();
    void dispatchStarAndCells();
    void dispatchPictureElement();

    void starPixels();
    void negativeEmblemStarPixels();
    void arcAndPiePixels();
    void transparentPicturePixels_data();
    void transparentPicturePixels();
};

void TestDrawingElements::straightLines_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("pen");
    QTest::addColumn<int>("length");
    QTest::addColumn<QLine>("expected");

    // Origin (10, 20); the line starts at roundHalfEven(origin + pen / 2) and is length - pen long.
    QTest::newRow("horizontal, pen 4") << false << 4 << 100 << QLine(12, 22, 12 + 100 - 4, 22);
    QTest::newRow("horizontal, pen 5: 12.5 and 22.5 round to even")
        << false << 5 << 100 << QLine(12, 22, 12 + 100 - 5, 22);
    QTest::newRow("horizontal, pen 3: 11.5 and 21.5 round to even")
        << false << 3 << 100 << QLine(12, 22, 12 + 100 - 3, 22);
    QTest::newRow("horizontal, thinnest pen") << false << 0 << 100 << QLine(10, 20, 110, 20);
    QTest::newRow("vertical, pen 5") << true << 5 << 80 << QLine(12, 22, 12, 22 + 80 - 5);
    QTest::newRow("vertical, pen 6") << true << 6 << 80 << QLine(13, 23, 13, 23 + 80 - 6);
}

void TestDrawingElements::straightLines()
{
    QFETCH(bool, vertical);
    QFETCH(int, pen);
    QFETCH(int, length);
    QFETCH(QLine, expected);
    qm::RecordingSurface s;
    if (vertical)
        qm::drawVerticalLine(s, 10, 20, pen, length, blue);
    else
        qm::drawHorizontalLine(s, 10, 20, pen, length, blue);
    QCOMPARE(lines(s), QList<QLine>{expected});
    const qm::TraceOp line = s.ops(u"LineTo"_s).first();
    QCOMPARE(line.penWidth, pen);
    QCOMPARE(line.penColor, blue);
}

void TestDrawingElements::anyAngleLine_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("rises");

    QTest::newRow("450") << 450 << true;
    QTest::newRow("1350") << 1350 << false;
    QTest::newRow("2250") << 2250 << true;
    QTest::newRow("3150") << 3150 << false;
    QTest::newRow("-450") << -450 << false;
    QTest::newRow("0") << 0 << true;
    QTest::newRow("900") << 900 << false;
    QTest::newRow("1800") << 1800 << true;
    QTest::newRow("2700") << 2700 << false;
    QTest::newRow("3600 as 0") << 3600 << true;
    QTest::newRow("4050 as 450") << 4050 << true;
    // The remainder keeps the sign of the angle, and every negative remainder falls.
    QTest::newRow("-1350 falls") << -1350 << false;
    QTest::newRow("-3150 falls") << -3150 << false;
    QTest::newRow("-3600 rises, remainder 0") << -3600 << true;
}

void TestDrawingElements::anyAngleLine()
{
    QFETCH(int, angle);
    QFETCH(bool, rises);
    // Box 80 x 60 at (10, 20), pen 4: inset corner (12, 22), far corner (12 + 76, 22 + 56).
    qm::RecordingSurface s;
    qm::drawAnyAngleLine(s, 10, 20, qm::BrushStyle::bsSolid, blue, qm::clRed, 4, angle, 100, 60, 80);
    const QLine expected = rises ? QLine(12, 78, 88, 22) : QLine(12, 22, 88, 78);
    QCOMPARE(lines(s), QList<QLine>{expected});
    const qm::TraceOp line = s.ops(u"LineTo"_s).first();
    QCOMPARE(line.penWidth, 4);
    QCOMPARE(line.penColor, qm::clRed);
    QCOMPARE(line.brushColor, blue);
    QCOMPARE(line.brushStyle, qm::SurfaceBrush::Solid);
}

void TestDrawingElements::arc_data()
{
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<bool>("pie");
    QTest::addColumn<QList<int>>("expected"); // box, start point, end point

    // Box 102 x 62, pen 2: corner (1, 1), w = 100, h = 60, centre (51, 31), rect (1, 1, 101, 61).
    // rho(0) = 100 * 60 / 60 / 2 = 50; rho(900) = 100 * 60 / 100 / 2 = 30.
    QTest::newRow("upper half") << QPoint(0, 0) << 2 << QSize(102, 62) << 0 << 1800 << false
                                << QList<int>{1, 1, 101, 61, 51 + 50, 31, 51 - 50, 31};
    QTest::newRow("upper half pie") << QPoint(0, 0) << 2 << QSize(102, 62) << 0 << 1800 << true
                                    << QList<int>{1, 1, 101, 61, 101, 31, 1, 31};
    QTest::newRow("right half") << QPoint(0, 0) << 2 << QSize(102, 62) << 2700 << 900 << false
                                << QList<int>{1, 1, 101, 61, 51, 31 + 30, 51, 31 - 30};
    // rho(45) = 6000 / sqrt(100^2 / 2 + 60^2 / 2) / 2 = 6000 / 82.462 / 2 = 36.380;
    // 36.380 * 0.70711 = 25.725: (76.725, 5.275) and (25.275, 5.275).
    QTest::newRow("45 to 135 degrees") << QPoint(0, 0) << 2 << QSize(102, 62) << 450 << 1350 << false
                                       << QList<int>{1, 1, 101, 61, 77, 5, 25, 5};
    // Origin (10, 20), pen 3: corner (roundHalfEven(11.5), roundHalfEven(21.5)) = (12, 22), w = 99, h = 59,
    // centre (61.5, 51.5): the ends (111, 51.5) and (12, 51.5) round their y to even 52.
    QTest::newRow("odd pen at an offset")
        << QPoint(10, 20) << 3 << QSize(102, 62) << 0 << 1800 << false << QList<int>{12, 22, 111, 81, 111, 52, 12, 52};
    // The pen eats the whole box: w = h = 0 and both ends at the centre.
    QTest::newRow("no room inside the pen")
        << QPoint(0, 0) << 4 << QSize(4, 4) << 0 << 1800 << false << QList<int>{2, 2, 2, 2, 2, 2, 2, 2};
}

void TestDrawingElements::arc()
{
    QFETCH(QPoint, origin);
    QFETCH(int, pen);
    QFETCH(QSize, box);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(bool, pie);
    QFETCH(QList<int>, expected);
    qm::RecordingSurface s;
    qm::drawArc(s, origin.x(), origin.y(), pen, start, end, box.height(), box.width(), pie, qm::BrushStyle::bsSolid,
                blue, qm::clRed);
    QCOMPARE(s.ops().size(), 1);
    const qm::TraceOp op = s.ops().first();
    QCOMPARE(op.op, pie ? u"Pie"_s : u"Arc"_s);
    QCOMPARE(op.args, expected);
    QCOMPARE(op.penWidth, pen);
    QCOMPARE(op.penColor, qm::clRed);
    QCOMPARE(op.brushColor, blue);
    QCOMPARE(op.brushStyle, qm::SurfaceBrush::Solid);
}

void TestDrawingElements::anyAngleText_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QList<QPoint>>("expected"); // reference corners of "A" and "B"
    QTest::addColumn<int>("escapement");

    // Box 100 x 80, N = 2, cell 20 x 30. Corner = centre - 10 (cos a, -sin a) - 15 (sin a, cos a);
    // at 45-degree angles 10 * 0.70711 = 7.0711 and 15 * 0.70711 = 10.6066.
    // 3150 runs from the top left: centres (25, 20), (75, 60); corner = centre + (3.536, -17.678).
    QTest::newRow("3150") << 3150 << QList<QPoint>{{29, 2}, {79, 42}} << 3150;
    QTest::newRow("-450 as 3150") << -450 << QList<QPoint>{{29, 2}, {79, 42}} << 3150;
    // 450 from the bottom left: centres (25, 60), (75, 20); corner = centre + (-17.678, -3.536).
    QTest::newRow("450") << 450 << QList<QPoint>{{7, 56}, {57, 16}} << 450;
    // 1350 from the bottom right: centres (75, 60), (25, 20); corner = centre + (-3.536, 17.678).
    QTest::newRow("1350") << 1350 << QList<QPoint>{{71, 78}, {21, 38}} << 1350;
    // 2250 from the top right: centres (75, 20), (25, 60); corner = centre + (17.678, 3.536).
    QTest::newRow("2250") << 2250 << QList<QPoint>{{93, 24}, {43, 64}} << 2250;
    // 0: centres (25, 60), (75, 20); corner = centre - (10, 15).
    QTest::newRow("0") << 0 << QList<QPoint>{{15, 45}, {65, 5}} << 0;
}

void TestDrawingElements::anyAngleText()
{
    QFETCH(int, angle);
    QFETCH(QList<QPoint>, expected);
    QFETCH(int, escapement);
    qm::AnyAngleText t;
    t.text = "AB";
    t.angle = angle;
    t.boxW = 100;
    t.boxH = 80;
    t.tw = 20;
    t.th = 30;
    t.style = songStyle(700, 0);
    qm::RecordingSurface s;
    qm::drawAnyAngleText(s, 0, 0, t);
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].text, u"A"_s);
    QCOMPARE(out[1].text, u"B"_s);
    for (qsizetype i = 0; i < 2; ++i) {
        QCOMPARE(QPoint(out[i].args[0], out[i].args[1]), expected[i]);
        QCOMPARE(out[i].font.escapement, escapement);
    }
}

void TestDrawingElements::anyAngleTextGlyphs()
{
    qm::AnyAngleText t;
    t.text = qm::Gbk::fromUnicode(u"印A"_s);
    t.angle = 0;
    t.boxW = t.boxH = 100;
    t.tw = 21;
    t.th = 30;
    t.bold = true;               // carried only
    t.style = songStyle(400, 3); // thickened by 3 pixels
    qm::RecordingSurface s;
    qm::LogicalFont before;
    before.height = 9;
    s.setFont(before);
    qm::drawAnyAngleText(s, 0, 0, t);
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].font.width, roundHalfEven(21 / 2.0)); // 10.5 -> 10
    QCOMPARE(out[1].font.width, 21);
    QCOMPARE(out[0].font.weight, 400);
    QCOMPARE(s.ops(u"StrokeAndFillPath"_s).size(), 2);
    QCOMPARE(s.ops(u"StrokeAndFillPath"_s).first().penWidth, 3);
    QCOMPARE(s.font(), before);

    qm::RecordingSurface empty;
    t.text.clear();
    qm::drawAnyAngleText(empty, 0, 0, t);
    QVERIFY(empty.ops().isEmpty());
}

void TestDrawingElements::anyAngleTextMiddlesOnHalfPixels()
{
    // Seven characters at 0 degrees in a 15 x 14 box, cell 2 x 2: character k is centred on
    // ((k - 1/2) * 15 / 7, (7 - k + 1/2) * 14 / 7) and its corner is that minus (1, 1).
    // Character 4: 3.5 * 15 / 7 = 52.5 / 7 = 7.5 exactly, so x = 6.5, which rounds to even 6.
    qm::AnyAngleText t;
    t.text = "ABCDEFG";
    t.angle = 0;
    t.boxW = 15;
    t.boxH = 14;
    t.tw = t.th = 2;
    t.style = songStyle(400, 0);
    qm::RecordingSurface s;
    qm::drawAnyAngleText(s, 0, 0, t);
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 7);
    // x: 7.5/7 - 1 = 0.07, 22.5/7 - 1 = 2.21, 37.5/7 - 1 = 4.36, 6.5, 67.5/7 - 1 = 8.64,
    // 82.5/7 - 1 = 10.79, 97.5/7 - 1 = 12.93; y: (7.5 - k) * 2 - 1 = 14 - 2k.
    const QList<QPoint> expected{{0, 12}, {2, 10}, {4, 8}, {6, 6}, {9, 4}, {11, 2}, {13, 0}};
    for (qsizetype i = 0; i < 7; ++i)
        QCOMPARE(QPoint(out[i].args[0], out[i].args[1]), expected[i]);
}

void TestDrawingElements::fiveStar_data()
{
    QTest::addColumn<qm::BrushStyle>("brush");
    QTest::addColumn<int>("pen");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QSize>("box"); // inside the pen
    QTest::addColumn<QList<QPoint>>("expected");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<qm::SurfaceBrush>("fill");

    QTest::newRow("hollow 100 x 100") << qm::BrushStyle::bsClear << 0 << QPoint(0, 0) << QSize(100, 100) << star100()
                                      << 0 << qm::SurfaceBrush::Clear;
    // Box 104 x 104 at (10, 20) with pen 4: centre (62, 72), radii (104 - 4) / 2 = 50 and 100 / 5.3.
    QTest::newRow("hollow with a wide pen") << qm::BrushStyle::bsClear << 4 << QPoint(10, 20) << QSize(100, 100)
                                            << star100(12, 22) << 4 << qm::SurfaceBrush::Clear;
    QTest::newRow("solid keeps the thinnest pen") << qm::BrushStyle::bsSolid << 4 << QPoint(10, 20) << QSize(100, 100)
                                                  << star100(12, 22) << 0 << qm::SurfaceBrush::Solid;
    // Wider than high: the outer and the inner radii each follow their own side.
    QTest::newRow("hollow 200 x 100") << qm::BrushStyle::bsClear << 0 << QPoint(0, 0) << QSize(200, 100)
                                      << star200x100() << 0 << qm::SurfaceBrush::Clear;
}

void TestDrawingElements::fiveStar()
{
    QFETCH(qm::BrushStyle, brush);
    QFETCH(int, pen);
    QFETCH(QPoint, origin);
    QFETCH(QSize, box);
    QFETCH(QList<QPoint>, expected);
    QFETCH(int, penWidth);
    QFETCH(qm::SurfaceBrush, fill);
    qm::RecordingSurface s;
    qm::drawFiveStar(s, origin.x(), origin.y(), brush, blue, qm::clRed, pen, box.height() + pen, box.width() + pen);
    QCOMPARE(s.ops().size(), 1);
    const qm::TraceOp op = s.ops().first();
    QCOMPARE(op.op, u"Polygon"_s);
    QCOMPARE(op.points, expected);
    QCOMPARE(op.penWidth, penWidth);
    QCOMPARE(op.penColor, qm::clRed);
    QCOMPARE(op.brushStyle, fill);
    QCOMPARE(op.brushColor, blue);
}

void TestDrawingElements::cells_data()
{
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<int>("framePen");
    QTest::addColumn<int>("linePen");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("frame");
    QTest::addColumn<QList<QLine>>("dividers");

    // Box 100 x 60, frame pen 4: m = 2, frame (2, 2) - (2 + 96, 2 + 56). Line pen 2: e = 4 - 1 = 3,
    // column step (100 - 8 + 2) / 4 = 23.5, row step (60 - 8 + 2) / 3 = 18.
    QTest::newRow("four columns, three rows") << QPoint(0, 0) << 4 << 2 << 4 << 3 << QList<int>{2, 2, 98, 58}
                                              << QList<QLine>{{26, 3, 26, 57},
                                                              {50, 3, 50, 57},
                                                              {74, 3, 74, 57}, // 26.5 -> 26, 73.5 -> 74
                                                              {3, 21, 97, 21},
                                                              {3, 39, 97, 39}};
    QTest::newRow("three by one: only the frame")
        << QPoint(0, 0) << 4 << 2 << 3 << 1 << QList<int>{2, 2, 98, 58} << QList<QLine>{};
    QTest::newRow("no columns: only the frame")
        << QPoint(0, 0) << 4 << 2 << 0 << 5 << QList<int>{2, 2, 98, 58} << QList<QLine>{};
    // Frame pen 5 at (10, 20): m = roundHalfEven(2.5) = 2, frame (12, 22) - (12 + 95, 22 + 55).
    // Line pen 3: e = 5 - roundHalfEven(1.5) = 3; steps (100 - 10 + 3) / 2 = 46.5 and (60 - 10 + 3) / 2 = 26.5:
    // x = roundHalfEven(13 + 46.5) = 60 (59.5 to even), y = roundHalfEven(23 + 26.5) = 50 (49.5 to even).
    QTest::newRow("odd pens at an offset") << QPoint(10, 20) << 5 << 3 << 2 << 2 << QList<int>{12, 22, 107, 77}
                                           << QList<QLine>{{60, 23, 60, 77}, {13, 50, 107, 50}};
}

void TestDrawingElements::cells()
{
    QFETCH(QPoint, origin);
    QFETCH(int, framePen);
    QFETCH(int, linePen);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QList<int>, frame);
    QFETCH(QList<QLine>, dividers);
    qm::RecordingSurface s;
    qm::drawCells(s, origin.x(), origin.y(), linePen, framePen, rows, columns, 60, 100, qm::BrushStyle::bsClear, blue,
                  qm::clRed);
    const QList<qm::TraceOp> rects = s.ops(u"Rectangle"_s);
    QCOMPARE(rects.size(), 1);
    QCOMPARE(rects.first().args, frame);
    QCOMPARE(rects.first().penWidth, framePen);
    QCOMPARE(lines(s), dividers);
    for (const qm::TraceOp &op : s.ops(u"LineTo"_s))
        QCOMPARE(op.penWidth, linePen);
}

void TestDrawingElements::cellsColours()
{
    qm::RecordingSurface negative;
    qm::drawCells(negative, 0, 0, 2, 4, 2, 2, 60, 100, qm::BrushStyle::bsSolid, blue, qm::clRed);
    const qm::TraceOp frame = negative.ops(u"Rectangle"_s).first();
    QCOMPARE(frame.penColor, qm::clWhite);
    QCOMPARE(frame.brushColor, blue);
    QCOMPARE(frame.brushStyle, qm::SurfaceBrush::Solid);
    QCOMPARE(negative.ops(u"LineTo"_s).first().penColor, qm::clWhite);

    qm::RecordingSurface positive;
    qm::drawCells(positive, 0, 0, 2, 4, 2, 2, 60, 100, qm::BrushStyle::bsClear, blue, qm::clRed);
    const qm::TraceOp outline = positive.ops(u"Rectangle"_s).first();
    QCOMPARE(outline.penColor, qm::clRed);
    QCOMPARE(outline.brushStyle, qm::SurfaceBrush::Clear);
}

void TestDrawingElements::denseCellsVisitEachPixelOnce_data()
{
    QTest::addColumn<int>("columns");
    // Box 100 x 60, frame pen 4, line pen 2: e = 3, column step 94 / columns. The first divider
    // is at roundHalfEven(3 + 94 / columns) = 3 and the last at roundHalfEven(3 + 94 (columns - 1) / columns) = 97.
    QTest::newRow("1000 columns") << 1000;
    QTest::newRow("INT_MAX columns") << INT_MAX;
}

void TestDrawingElements::denseCellsVisitEachPixelOnce()
{
    QFETCH(int, columns);
    qm::RecordingSurface s;
    qm::drawCells(s, 0, 0, 2, 4, 2, columns, 60, 100, qm::BrushStyle::bsClear, blue, qm::clRed);
    QList<QLine> expected;
    for (int x = 3; x <= 97; ++x)
        expected.append(QLine(x, 3, x, 57));
    expected.append(QLine(3, 30, 97, 30)); // one row divider at roundHalfEven(3 + 54 / 2)
    QCOMPARE(lines(s), expected);
}

void TestDrawingElements::hugeTablesStopAtTheDividerCap_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    // A box INT_MAX pixels wide, frame pen 4, line pen 2: e = 3, column step
    // (2147483647 - 8 + 2) / columns. At most 100 000 dividers are drawn.
    // A billion columns: step 2.147483641; first roundHalfEven(3 + 2.147483641) = 5, the 100 000th
    // roundHalfEven(3 + 214748.3641) = 214751.
    QTest::newRow("a billion columns") << 1000000000 << 5 << 214751;
    // INT_MAX columns: step just under 1, so every pixel from roundHalfEven(3.9999999972) = 4 on, the
    // 100 000th at 4 + 99 999.
    QTest::newRow("INT_MAX columns") << INT_MAX << 4 << 100003;
}

void TestDrawingElements::hugeTablesStopAtTheDividerCap()
{
    QFETCH(int, columns);
    QFETCH(int, first);
    QFETCH(int, last);
    qm::RecordingSurface s;
    qm::drawCells(s, 0, 0, 2, 4, 2, columns, 60, INT_MAX, qm::BrushStyle::bsClear, blue, qm::clRed);
    const QList<QLine> drawn = lines(s);
    // The vertical dividers, then the one row divider at roundHalfEven(3 + 54 / 2) = 30.
    QCOMPARE(drawn.size(), 100000 + 1);
    QCOMPARE(drawn.first().x1(), first);
    QCOMPARE(drawn[100000 - 1].x1(), last);
    QCOMPARE(drawn.last().y1(), 30);
}

void TestDrawingElements::pictureOrStar_data()
{
    QTest::addColumn<bool>("haveImage");
    QTest::addColumn<bool>("isStar");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<qm::BrushStyle>("brush");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QList<int>>("stretchBox");

    // The picture goes into the image box centred at the box centre plus the offset:
    // box 200 x 100 at (10, 20), offset (5, -7), image 51 x 31:
    // L = 10 + 100 + 5 - 25.5 = 89.5 -> 90, L + 51 = 140.5 -> 140;
    // T = 20 + 50 - 7 - 15.5 = 47.5 -> 48, T + 31 = 78.5 -> 78.
    QTest::newRow("picture") << true << false << true << qm::BrushStyle::bsClear << u"StretchDraw"_s
                             << QList<int>{90, 48, 140, 78};
    QTest::newRow("no image") << false << false << true << qm::BrushStyle::bsClear << QString() << QList<int>{};
    QTest::newRow("no image, star") << false << true << false << qm::BrushStyle::bsClear << QString() << QList<int>{};
    QTest::newRow("image without a picture")
        << true << false << false << qm::BrushStyle::bsClear << QString() << QList<int>{};
    QTest::newRow("star wins over a picture")
        << true << true << true << qm::BrushStyle::bsClear << u"Polygon"_s << QList<int>{};
}

void TestDrawingElements::pictureOrStar()
{
    QFETCH(bool, haveImage);
    QFETCH(bool, isStar);
    QFETCH(bool, withPicture);
    QFETCH(qm::BrushStyle, brush);
    QFETCH(QString, op);
    QFETCH(QList<int>, stretchBox);
    qm::PictureOrStar p;
    p.haveImage = haveImage;
    p.imageIsStar = isStar;
    if (withPicture) {
        p.picBitmap = QImage(8, 8, QImage::Format_RGB32);
        p.picBitmap.fill(Qt::white);
        p.transparent = true;
    }
    p.boxW = 200;
    p.boxH = 100;
    p.icx = 5;
    p.icy = -7;
    p.iw = 51;
    p.ih = 31;
    p.brushStyle = brush;
    qm::RecordingSurface s;
    qm::drawPictureOrStar(s, 10, 20, p);
    if (op.isEmpty()) {
        QVERIFY(s.ops().isEmpty());
        return;
    }
    QCOMPARE(s.ops().size(), 1);
    QCOMPARE(s.ops().first().op, op);
    if (!stretchBox.isEmpty()) {
        QCOMPARE(s.ops().first().args, stretchBox);
        QVERIFY(s.ops().first().transparent);
    }
}

void TestDrawingElements::emblemStar_data()
{
    QTest::addColumn<qm::BrushStyle>("brush");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<qm::Colour>("penColor");
    QTest::addColumn<qm::SurfaceBrush>("fill");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QList<QPoint>>("expected");
    // Solid ink with a one-pixel ink outline on a positive seal; a white outline of the emblem pen
    // on a negative one. Image 104 x 104 with pen 4 at the centre (110, 80): radii 50 and 100 / 5.3,
    // so the star of a 100 box moved by (60, 30).
    QTest::newRow("positive") << qm::BrushStyle::bsClear << 1 << blue << qm::SurfaceBrush::Solid << QSize(104, 104)
                              << star100(60, 30);
    QTest::newRow("negative") << qm::BrushStyle::bsSolid << 4 << qm::clWhite << qm::SurfaceBrush::Clear
                              << QSize(104, 104) << star100(60, 30);
    // Image 204 x 104: the star of a 200 x 100 box, its centre (100, 50) moved to (110, 80).
    QTest::newRow("wide emblem") << qm::BrushStyle::bsClear << 1 << blue << qm::SurfaceBrush::Solid << QSize(204, 104)
                                 << star200x100(10, 30);
}

void TestDrawingElements::emblemStar()
{
    QFETCH(qm::BrushStyle, brush);
    QFETCH(int, penWidth);
    QFETCH(qm::Colour, penColor);
    QFETCH(qm::SurfaceBrush, fill);
    QFETCH(QSize, image);
    QFETCH(QList<QPoint>, expected);
    // Box 200 x 200, offset (10, -20), pen 4: centre (110, 80).
    qm::PictureOrStar p;
    p.haveImage = p.imageIsStar = true;
    p.boxW = p.boxH = 200;
    p.icx = 10;
    p.icy = -20;
    p.iw = image.width();
    p.ih = image.height();
    p.pen = 4;
    p.brushStyle = brush;
    p.brushColor = qm::clRed;
    p.penColor = blue;
    qm::RecordingSurface s;
    qm::drawPictureOrStar(s, 0, 0, p);
    QCOMPARE(s.ops().size(), 1);
    const qm::TraceOp op = s.ops().first();
    QCOMPARE(op.points, expected);
    QCOMPARE(op.penWidth, penWidth);
    QCOMPARE(op.penColor, penColor);
    QCOMPARE(op.brushStyle, fill);
    if (fill == qm::SurfaceBrush::Solid)
        QCOMPARE(op.brushColor, blue);
}

void TestDrawingElements::dispatchLines()
{
    // At 10 px/mm and zoom 100, P(v) = roundHalfEven(10 v): 0.25 mm -> roundHalfEven(2.5) = 2, 0.75 mm -> 8.
    auto horz = newElement(qm::SealType::stHorzLine);
    horz->setRealWidth(30);
    horz->setPenWidth(0.25f);
    qm::RecordingSurface s;
    horz->paintTo(7, 9, s, true);
    // Start roundHalfEven(7 + 1), roundHalfEven(9 + 1); length W - pen = 300 - 2.
    QCOMPARE(lines(s), QList<QLine>{QLine(8, 10, 8 + 298, 10)});
    QCOMPARE(s.ops(u"LineTo"_s).first().penWidth, 2);
    QCOMPARE(s.ops(u"LineTo"_s).first().penColor, qm::clRed);
    s.clear();
    horz->paintTo(7, 9, s, false);
    QCOMPARE(s.ops(u"LineTo"_s).first().penColor, qm::clBlack);

    auto vert = newElement(qm::SealType::stVertLine);
    vert->setRealHeight(20);
    vert->setPenWidth(0.75f);
    s.clear();
    vert->paintTo(7, 9, s, true);
    // Start roundHalfEven(7 + 4), roundHalfEven(9 + 4); length H - pen = 200 - 8.
    QCOMPARE(lines(s), QList<QLine>{QLine(11, 13, 11, 13 + 192)});
    QCOMPARE(s.ops(u"LineTo"_s).first().penWidth, 8);

    // 50 mm at 30 degrees: box 43.30 x 25.00 mm = 433 x 250 px; pen 2; rising.
    auto slant = newElement(qm::SealType::stAnyAngleLine);
    slant->setRealTextLength(50);
    slant->setTextAngle(300);
    slant->setPenWidth(0.2f);
    QCOMPARE(slant->width(), 433);
    QCOMPARE(slant->height(), 250);
    s.clear();
    slant->paintTo(0, 0, s, true);
    QCOMPARE(lines(s), QList<QLine>{QLine(1, 1 + 250 - 2, 1 + 433 - 2, 1)});
}

void TestDrawingElements::dispatchArc()
{
    // 20.2 x 12.2 mm = 202 x 122 px, pen 2: corner (1, 1), w = 200, h = 120, centre (101, 61).
    auto arc = newElement(qm::SealType::stArc);
    arc->setRealWidth(20.2f);
    arc->setRealHeight(12.2f);
    arc->setPenWidth(0.2f);
    arc->setTextAngle(0);
    arc->setCodeAngle(1800);
    arc->setTopOrDown(false);
    qm::RecordingSurface s;
    arc->paintTo(0, 0, s, true);
    QCOMPARE(s.ops().size(), 1);
    QCOMPARE(s.ops().first().op, u"Arc"_s);
    QCOMPARE(s.ops().first().args, (QList<int>{1, 1, 201, 121, 101 + 100, 61, 101 - 100, 61}));

    arc->setTopOrDown(true); // a closed sector
    s.clear();
    arc->paintTo(0, 0, s, true);
    QCOMPARE(s.ops().first().op, u"Pie"_s);
}

void TestDrawingElements::dispatchTexts()
{
    // A single row of "AB": 30 x 7.5 mm = 300 x 75 px, cells 4.5 x 7.5 mm = 45 x 75 px,
    // thickening 0.30 mm = 3 px. D = 7 + 150 - 150 - 1 = 6, E = 9 - 1 = 8;
    // x = 6 + (k - 1/2) * 150 - 22.5: 58.5 -> 58, 208.5 -> 208; y = 8 + 37.5 - 37.5.
    auto flat = newElement(qm::SealType::stHorzText);
    flat->setText("AB");
    flat->setRealWidth(30);
    flat->setRealHeight(7.5f);
    flat->setTextPenWidth(30);
    QCOMPARE(flat->height(), 75);
    qm::RecordingSurface s;
    flat->paintTo(7, 9, s, true);
    QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].args, (QList<int>{58, 8}));
    QCOMPARE(out[1].args, (QList<int>{208, 8}));
    QCOMPARE(out[0].font.width, 45);
    QCOMPARE(out[0].font.height, 75);
    QCOMPARE(s.ops(u"StrokeAndFillPath"_s).first().penWidth, 3);

    // The ring uses the whole box as its ellipse.
    auto ring = newElement(qm::SealType::stEllipseText);
    ring->setText("ABCD");
    ring->setRealWidth(20.2f);
    ring->setRealHeight(20.2f);
    ring->setTextAngle(1800);
    ring->setTextWidth(2);
    ring->setTextHeight(3);
    ring->setTextWeight(400);
    s.clear();
    ring->paintTo(5, 7, s, true);
    qm::EllipseText e;
    e.text = "ABCD";
    e.span = 1800;
    e.topOrDown = true;
    e.ellipseW = e.ellipseH = e.boxW = e.boxH = 202;
    e.tw = 20;
    e.th = 30;
    e.style = songStyle(400, 0);
    qm::RecordingSurface direct;
    qm::drawEllipseText(direct, 5, 7, e);
    out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 4);
    for (qsizetype i = 0; i < 4; ++i) {
        QCOMPARE(out[i].args, direct.ops()[i].args);
        QCOMPARE(out[i].font, direct.ops()[i].font);
    }

    // Any-angle text: 50 mm at 315 degrees is a box of 35.36 x 35.36 mm = 354 x 354 px; Bold is
    // carried but the weight is TextWeight.
    auto slant = newElement(qm::SealType::stAnyAngleText);
    slant->setText("AB");
    slant->setRealTextLength(50);
    slant->setTextAngle(3150);
    slant->setTextWidth(2);
    slant->setTextHeight(3);
    slant->setTextWeight(400);
    slant->setBold(true);
    QCOMPARE(slant->width(), 354);
    s.clear();
    slant->paintTo(0, 0, s, true);
    qm::AnyAngleText a;
    a.text = "AB";
    a.angle = 3150;
    a.boxW = a.boxH = 354;
    a.tw = 20;
    a.th = 30;
    a.style = songStyle(400, 0);
    direct.clear();
    qm::drawAnyAngleText(direct, 0, 0, a);
    out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
        QCOMPARE(out[i].args, direct.ops()[i].args);
        QCOMPARE(out[i].font, direct.ops()[i].font);
    }
    QCOMPARE(out[0].font.weight, 400);
}

void TestDrawingElements::dispatchStarAndCells()
{
    // 10.4 mm = 104 px, star pen 0.4 mm = 4 px: the star of a 100 box moved by (10 + 2, 20 + 2).
    auto star = newElement(qm::SealType::stFiveStar);
    star->setRealWidth(10.4f);
    star->setRealHeight(10.4f);
    star->setPenWidth3(0.4f);
    qm::RecordingSurface s;
    star->paintTo(10, 20, s, true);
    QCOMPARE(s.ops().size(), 1);
    QCOMPARE(s.ops().first().points, star100(12, 22));
    QCOMPARE(s.ops().first().penWidth, 4);

    // 10 x 6 mm, outline 0.4 mm, dividers 0.2 mm, 4 columns (RowColCount) and 3 rows (RowColCount1):
    // the cells of the first row of cells_data.
    auto table = newElement(qm::SealType::stCell);
    table->setRealWidth(10);
    table->setRealHeight(6);
    table->setPenWidth(0.4f);
    table->setPenWidth1(0.2f);
    table->setRowColCount(4);
    table->setRowColCount1(3);
    s.clear();
    table->paintTo(0, 0, s, true);
    QCOMPARE(s.ops(u"Rectangle"_s).first().args, (QList<int>{2, 2, 98, 58}));
    QCOMPARE(lines(s),
             (QList<QLine>{{26, 3, 26, 57}, {50, 3, 50, 57}, {74, 3, 74, 57}, {3, 21, 97, 21}, {3, 39, 97, 39}}));
}

void TestDrawingElements::dispatchPictureElement()
{
    // A picture element stretches its prepared picture over the whole box.
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QByteArray bmp = qm::testing::imageBytes(img, "BMP");
    QVERIFY(!bmp.isEmpty());
    auto picture = newElement(qm::SealType::stAnyImage);
    picture->setRealWidth(10);
    picture->setRealHeight(10);
    picture->setHaveImage(true);
    QVERIFY(picture->loadPictureData(bmp));
    qm::RecordingSurface s;
    picture->paintTo(3, 4, s, true);
    QCOMPARE(s.ops().size(), 1);
    QCOMPARE(s.ops().first().op, u"StretchDraw"_s);
    QCOMPARE(s.ops().first().args, (QList<int>{3, 4, 103, 104}));
    QVERIFY(s.ops().first().transparent);
}

void TestDrawingElements::starPixels()
{
    const QColor red(255, 0, 0);
    for (qm::BrushStyle brush : {qm::BrushStyle::bsClear, qm::BrushStyle::bsSolid}) {
        QImage img = canvas(101, 101, Qt::white);
        {
            QPainter painter(&img);
            qm::PainterSurface s(&painter);
            qm::drawFiveStar(s, 0, 0, brush, qm::clRed, qm::clRed, 1, 101, 101);
        }
        // The top tip is on the outline either way; only a solid star fills its centre.
        QCOMPARE(img.pixelColor(50, 0), red);
        QCOMPARE(img.pixelColor(50, 50), brush == qm::BrushStyle::bsSolid ? red : QColor(Qt::white));
    }
}

// The star element of a negative seal: pen 0 from the dispatch, so a one-pixel white outline.
void TestDrawingElements::negativeEmblemStarPixels()
{
    auto star = newElement(qm::SealType::stAnyImage);
    star->setRealWidth(10);
    star->setRealHeight(10);
    star->setImageIsStar(true);
    star->setBrushStyle(qm::BrushStyle::bsSolid);
    QImage img = canvas(100, 100, Qt::black);
    {
        QPainter painter(&img);
        qm::PainterSurface s(&painter);
        star->paintTo(0, 0, s, true);
    }
    // The upper edges of the left arm run along y = 35 from x = 2 to 39: one white pixel thick.
    QCOMPARE(img.pixelColor(20, 35), QColor(Qt::white));
    QCOMPARE(img.pixelColor(20, 34), QColor(Qt::black));
    QCOMPARE(img.pixelColor(20, 36), QColor(Qt::black));
    QCOMPARE(img.pixelColor(50, 50), QColor(Qt::black)); // not filled
}

void TestDrawingElements::arcAndPiePixels()
{
    // Box 100 x 60 with the thinnest pen: the ellipse spans (0, 0) - (99, 59), centre (50, 30).
    const QColor red(255, 0, 0);
    for (bool pie : {false, true}) {
        QImage img = canvas(100, 60, Qt::white);
        {
            QPainter painter(&img);
            qm::PainterSurface s(&painter);
            qm::drawArc(s, 0, 0, 0, 0, 1800, 60, 100, pie, qm::BrushStyle::bsSolid, qm::clRed, qm::clRed);
        }
        QCOMPARE(img.pixelColor(50, 0), red);                // the top of the upper half
        QCOMPARE(img.pixelColor(50, 59), QColor(Qt::white)); // the lower half is not drawn
        QCOMPARE(img.pixelColor(50, 15), pie ? red : QColor(Qt::white));
        QCOMPARE(img.pixelColor(50, 45), QColor(Qt::white));
    }
}

void TestDrawingElements::transparentPicturePixels_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::newRow("transparent ground") << true;
    QTest::newRow("opaque ground") << false;
}

void TestDrawingElements::transparentPicturePixels()
{
    QFETCH(bool, transparent);
    // A black square on white; recoloured to blue, drawn on green.
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixelColor(1, 1, Qt::black);
    img.setPixelColor(2, 1, Qt::black);
    img.setPixelColor(1, 2, Qt::black);
    img.setPixelColor(2, 2, Qt::black);
    const QByteArray bmp = qm::testing::imageBytes(img, "BMP");
    QVERIFY(!bmp.isEmpty());

    auto picture = newElement(qm::SealType::stAnyImage);
    picture->setRealWidth(4);
    picture->setRealHeight(4);
    picture->setHaveImage(true);
    picture->setPenColor(blue);
    picture->setPicTransParnt(transparent);
    QVERIFY(picture->loadPictureData(bmp));

    QImage out = canvas(40, 40, QColor(0, 255, 0));
    {
        QPainter painter(&out);
        qm::PainterSurface s(&painter);
        picture->paintTo(0, 0, s, true);
    }
    QCOMPARE(out.pixelColor(20, 20), QColor(0, 0, 255));
    QCOMPARE(out.pixelColor(3, 3), transparent ? qm::toQColor(green) : QColor(Qt::white));
}

QTEST_MAIN(TestDrawingElements)
#include "tst_drawingelements.moc"
