#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/textlayouts.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using qm::roundHalfEven;

namespace {

constexpr long double c = 0.0017453293L; // radians per tenth of a degree

using AngleMap = QMap<int, int>; // character index in drawing order -> its angle

qm::GlyphStyle plainStyle()
{
    qm::GlyphStyle s;
    s.weight = 700;
    s.face = qm::Gbk::fromUnicode(u"宋体"_s);
    s.brushStyle = qm::BrushStyle::bsClear;
    s.penColor = qm::clRed;
    return s;
}

// A ring of 200 x 200 (a = b = 100) in a 202 x 202 box at (5, 7): centre (5 + 101 - 1, 7 + 101 - 1).
constexpr int ringOx = 5, ringOy = 7, ringTw = 20, ringTh = 30;
constexpr long double ringCx = 105, ringCy = 107, ringA = 100;

qm::EllipseText circleRing(const QString &text, int span, bool upper)
{
    qm::EllipseText e;
    e.text = qm::Gbk::fromUnicode(text);
    e.span = span;
    e.topOrDown = upper;
    e.ellipseW = e.ellipseH = 200;
    e.boxW = e.boxH = 202;
    e.tw = ringTw;
    e.th = ringTh;
    e.style = plainStyle();
    return e;
}

} // namespace

class TestTextLayouts : public QObject
{
    Q_OBJECT

private slots:
    void textBlock_data();
    void textBlock();
    void textBlockDrawsNothing_data();
    void textBlockDrawsNothing();
    void textBlockGlyphs();

    void ringOnCircle_data();
    void ringOnCircle();
    void ringOnEllipse_data();
    void ringOnEllipse();
    void spanBeyondFullTurn_data();
    void spanBeyondFullTurn();
    void ringDrawsNothing_data();
    void ringDrawsNothing();
    void ringKeepsFontAndClearsBrush();
};

void TestTextLayouts::textBlock_data()
{
    QTest::addColumn<bool>("rowCol");
    QTest::addColumn<bool>("leftRight");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("block");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<QList<QPoint>>("expected"); // in text order

    // Block = box: D = E = -1 (the block's corner is one pixel up and left).
    // Five characters on two rows: n = 5 div 2 + 1 = 3, the second row leaves its last slot empty.
    QTest::newRow("five characters on two rows")
        << true << true << 2 << u"ABCDE"_s << QPoint(0, 0) << QSize(100, 60) << QSize(100, 60) << QPoint(0, 0)
        << QSize(20, 20)
        << QList<QPoint>{{roundHalfEven(-1 + 0.5 * 100 / 3 - 10), roundHalfEven(-1 + 0.5 * 60 / 2 - 10)}, // (5.67, 4)
                         {roundHalfEven(-1 + 1.5 * 100 / 3 - 10), 4},                                     // 39
                         {roundHalfEven(-1 + 2.5 * 100 / 3 - 10), 4},                                     // 72.33
                         {6, roundHalfEven(-1 + 1.5 * 60 / 2 - 10)},                                      // 34
                         {39, 34}};
    // One row right to left: D = 10 + 45 - 45 - 1 = 9, x = 9 + 90 - (k - 1/2) * 30 - 10.
    QTest::newRow("single row right to left")
        << true << false << 1 << u"ABC"_s << QPoint(10, 5) << QSize(90, 30) << QSize(90, 30) << QPoint(0, 0)
        << QSize(20, 20) << QList<QPoint>{{89 - 15, 9}, {89 - 45, 9}, {89 - 75, 9}}; // y = 4 + 15 - 10
    // Columns: x = -1 + (g - 1/2) * 40 - 10, y = -1 + (k - 1/2) * 50 - 15.
    QTest::newRow("columns left to right")
        << false << true << 2 << u"ABCD"_s << QPoint(0, 0) << QSize(80, 100) << QSize(80, 100) << QPoint(0, 0)
        << QSize(20, 30) << QList<QPoint>{{9, 9}, {9, 59}, {49, 9}, {49, 59}};
    // Right to left: x = -1 + (L - g + 1/2) * 40 - 10, so the first column is on the right.
    QTest::newRow("columns right to left")
        << false << false << 2 << u"ABCD"_s << QPoint(0, 0) << QSize(80, 100) << QSize(80, 100) << QPoint(0, 0)
        << QSize(20, 30) << QList<QPoint>{{49, 9}, {49, 59}, {9, 9}, {9, 59}};
    // A smaller block moved by (7, -3): D = 100 + 7 - 40 - 1 = 66, E = 50 - 3 - 20 - 1 = 26.
    QTest::newRow("offset block") << true << true << 1 << u"AB"_s << QPoint(0, 0) << QSize(200, 100) << QSize(80, 40)
                                  << QPoint(7, -3) << QSize(20, 20)
                                  << QList<QPoint>{{66 + 20 - 10, 26 + 20 - 10}, {66 + 60 - 10, 36}};
    // n = 2 div 3 + 1 = 1: one character per row, the third row stays empty.
    QTest::newRow("more rows than characters")
        << true << true << 3 << u"AB"_s << QPoint(0, 0) << QSize(60, 90) << QSize(60, 90) << QPoint(0, 0)
        << QSize(20, 20) << QList<QPoint>{{-1 + 30 - 10, -1 + 15 - 10}, {19, -1 + 45 - 10}};
    // -1 + 50 - 10.5 = 38.5 rounds to 38; with the origin at 1, 39.5 rounds to 40.
    QTest::newRow("half rounds down to even")
        << true << true << 1 << u"A"_s << QPoint(0, 0) << QSize(100, 100) << QSize(100, 100) << QPoint(0, 0)
        << QSize(21, 21) << QList<QPoint>{{38, 38}};
    QTest::newRow("half rounds up to even")
        << true << true << 1 << u"A"_s << QPoint(1, 1) << QSize(100, 100) << QSize(100, 100) << QPoint(0, 0)
        << QSize(21, 21) << QList<QPoint>{{40, 40}};
}

void TestTextLayouts::textBlock()
{
    QFETCH(bool, rowCol);
    QFETCH(bool, leftRight);
    QFETCH(int, lines);
    QFETCH(QString, text);
    QFETCH(QPoint, origin);
    QFETCH(QSize, box);
    QFETCH(QSize, block);
    QFETCH(QPoint, centre);
    QFETCH(QSize, cell);
    QFETCH(QList<QPoint>, expected);

    qm::TextBlock b;
    b.text = qm::Gbk::fromUnicode(text);
    b.rowCol = rowCol;
    b.leftRight = leftRight;
    b.lineCount = lines;
    b.boxW = box.width();
    b.boxH = box.height();
    b.blockW = block.width();
    b.blockH = block.height();
    b.cx = centre.x();
    b.cy = centre.y();
    b.tw = cell.width();
    b.th = cell.height();
    b.style = plainStyle();

    qm::RecordingSurface s;
    qm::drawTextBlock(s, origin.x(), origin.y(), b);
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), expected.size());
    for (qsizetype i = 0; i < out.size(); ++i) {
        QCOMPARE(out[i].text, text.mid(i, 1));
        QCOMPARE(QPoint(out[i].args[0], out[i].args[1]), expected[i]);
        QCOMPARE(out[i].font.height, cell.height());
        QCOMPARE(out[i].font.width, cell.width());
        QCOMPARE(out[i].font.escapement, 0);
    }
}

void TestTextLayouts::textBlockDrawsNothing_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("text");
    QTest::newRow("no lines") << 0 << u"AB"_s;
    QTest::newRow("negative lines") << -2 << u"AB"_s;
    QTest::newRow("empty text") << 1 << QString();
}

void TestTextLayouts::textBlockDrawsNothing()
{
    QFETCH(int, lines);
    QFETCH(QString, text);
    qm::TextBlock b;
    b.text = qm::Gbk::fromUnicode(text);
    b.lineCount = lines;
    b.boxW = b.boxH = b.blockW = b.blockH = 100;
    b.tw = b.th = 20;
    qm::RecordingSurface s;
    qm::drawTextBlock(s, 0, 0, b);
    QVERIFY(s.ops().isEmpty());
}

void TestTextLayouts::textBlockGlyphs()
{
    qm::TextBlock b;
    b.text = qm::Gbk::fromUnicode(u"A印"_s);
    b.lineCount = 1;
    b.boxW = b.blockW = 100;
    b.boxH = b.blockH = 40;
    b.tw = 21;
    b.th = 30;
    b.style.weight = 100;
    b.style.italic = true;
    b.style.pen = 3;
    b.style.face = qm::Gbk::fromUnicode(u"黑体"_s);
    b.style.brushStyle = qm::BrushStyle::bsSolid;
    b.style.penColor = qm::clRed;

    qm::RecordingSurface s;
    qm::LogicalFont before;
    before.height = 11;
    before.face = "Before";
    s.setFont(before);
    qm::drawTextBlock(s, 0, 0, b);

    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 2);
    QCOMPARE(out[0].font.width, 21);
    QCOMPARE(out[1].font.width, roundHalfEven(21 / 2.0)); // a Chinese glyph is two font widths wide: 10.5 -> 10
    for (const qm::TraceOp &op : out) {
        QCOMPARE(op.font.height, 30);
        QCOMPARE(op.font.weight, 100);
        QVERIFY(op.font.italic);
        QCOMPARE(op.font.face, qm::Gbk::fromUnicode(u"黑体"_s));
    }
    // A thickening pen outlines each glyph, white inside a negative seal.
    const QList<qm::TraceOp> strokes = s.ops(u"StrokeAndFillPath"_s);
    QCOMPARE(strokes.size(), 2);
    QCOMPARE(strokes[0].penWidth, 3);
    QCOMPARE(strokes[0].penColor, qm::clWhite);
    QCOMPARE(s.font(), before);
}

void TestTextLayouts::ringOnCircle_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("span");
    QTest::addColumn<QString>("text");
    QTest::addColumn<AngleMap>("angles");

    // On a circle f = a at every step, so the half arc of a span A is (A/2 + 1) steps and the pitch
    // is (A + 2) / N steps. Character i needs j = ceil((i + 1/2) * (A + 2) / N) steps from the end
    // angle, and then stands one step further: end - j - 1.

    // A = 1800, N = 4: pitch 450.5 steps; j = 226, 676, 1127, 1577 from end 1800.
    QTest::newRow("upper half, four characters")
        << true << 1800 << u"ABCD"_s << AngleMap{{0, 1800 - 227}, {1, 1800 - 677}, {2, 1800 - 1128}, {3, 1800 - 1578}};
    // A = 1200 lower: end 3300, pitch 601 steps; j = 301, 902. The last character comes first.
    QTest::newRow("lower 120 degrees, two characters")
        << false << 1200 << u"AB"_s << AngleMap{{0, 3300 - 302}, {1, 3300 - 903}};
    // A = 1800, N = 226: pitch 1802 / 226; the first character needs j = ceil(3.99) = 4, just above
    // 9 o'clock; the last j = ceil(225.5 * 1802 / 226) = ceil(1798.01) = 1799, at 3 o'clock.
    const QString many = QString(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"_s).repeated(9).left(226);
    QTest::newRow("upper half, first and last") << true << 1800 << many << AngleMap{{0, 1800 - 5}, {225, 1800 - 1800}};
    // A = 200, N = 34: pitch 202 / 34; character 16 needs ceil(16.5 * 202 / 34) = ceil(98.03) = 99
    // steps and stands at the very top (upper) or bottom (lower).
    const QString thirtyFour = many.left(34);
    QTest::newRow("upper, a character at the top")
        << true << 200 << thirtyFour << AngleMap{{0, 1000 - 4}, {16, 1000 - 100}, {33, 1000 - 201}};
    QTest::newRow("lower, a character at the bottom")
        << false << 200 << thirtyFour << AngleMap{{0, 2800 - 4}, {16, 2800 - 100}, {33, 2800 - 201}};
}

void TestTextLayouts::ringOnCircle()
{
    QFETCH(bool, upper);
    QFETCH(int, span);
    QFETCH(QString, text);
    QFETCH(AngleMap, angles);

    qm::RecordingSurface s;
    qm::drawEllipseText(s, ringOx, ringOy, circleRing(text, span, upper));
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), text.size());

    for (auto it = angles.cbegin(); it != angles.cend(); ++it) {
        const int i = it.key();
        const int theta = it.value();
        const long double sn = std::sin(theta * c), cs = std::cos(theta * c);
        // On a circle the clockwise tangent is (sin t, -cos t) and arccos(sin t) = t - 90 degrees,
        // so the upper escapement is t - 900; the lower one adds 1800 on the left half and wraps
        // to t - 2700 from the bottom on.
        long double x = 0, y = 0;
        int escapement = 0;
        QString ch;
        if (upper) {
            x = ringCx + ringA * cs - ringTw / 2.0L * sn;
            y = ringCy - ringA * sn - ringTw / 2.0L * cs;
            escapement = theta - 900;
            ch = text.mid(i, 1);
        } else {
            x = ringCx + ringA * cs + ringTw / 2.0L * sn - ringTh * cs;
            y = ringCy - ringA * sn + ringTw / 2.0L * cs + ringTh * sn;
            escapement = theta < 2700 ? theta + 900 : theta - 2700;
            ch = text.mid(text.size() - 1 - i, 1);
        }
        QCOMPARE(out[i].text, ch);
        QCOMPARE(out[i].args[0], roundHalfEven(x));
        QCOMPARE(out[i].args[1], roundHalfEven(y));
        QCOMPARE(out[i].font.escapement, escapement);
        QCOMPARE(out[i].font.orientation, escapement);
        QCOMPARE(out[i].font.height, ringTh);
        QCOMPARE(out[i].font.width, ringTw);
    }
}

void TestTextLayouts::ringOnEllipse_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<int>("escapement");

    // Ellipse 300 x 100 (a = 150, b = 50) in a 302 x 102 box at (0, 0): centre (150, 50); cell
    // 200 x 30. A span of 0 gives a half arc of one step f(m); the walk adds exactly that one step
    // and then stands one step further, at m - 2.
    // Upper, t = 898: P = (150 + 150 cos t, 50 - 50 sin t) = (150.5236, 0.0003);
    // phi = atan2(-100^2 * 150 cos t, 300^2 * 50 sin t) = -0.0011635;
    // corner = (P.x - 100 cos phi, P.y + 100 sin phi) = (50.5237, -0.1160);
    // r = -arccos(300 sin t / sqrt(300^2 sin^2 t + 100^2 cos^2 t)) = -0.0011635 -> -0.6667 tenths.
    QTest::newRow("upper") << true << QPoint(51, 0) << -1;
    // Lower, t = 2698: P = (149.4764, 99.9997); phi = pi - 0.0011635;
    // corner = (P.x + 100 cos phi - 30 cos t, P.y - 100 sin phi + 30 sin t) = (49.5812, 69.8835);
    // r = +(pi - 0.0011635) as t lies in 900 ... 2699; (r + pi) / c = 3599.9998 - 0.6667 = 3599.33.
    QTest::newRow("lower") << false << QPoint(50, 70) << 3599;
}

void TestTextLayouts::ringOnEllipse()
{
    QFETCH(bool, upper);
    QFETCH(QPoint, corner);
    QFETCH(int, escapement);

    qm::EllipseText e;
    e.text = "A";
    e.span = 0;
    e.topOrDown = upper;
    e.ellipseW = 300;
    e.ellipseH = 100;
    e.boxW = 302;
    e.boxH = 102;
    e.tw = 200;
    e.th = 30;
    e.style = plainStyle();
    qm::RecordingSurface s;
    qm::drawEllipseText(s, 0, 0, e);
    const QList<qm::TraceOp> out = s.ops(u"TextOut"_s);
    QCOMPARE(out.size(), 1);
    QCOMPARE(QPoint(out[0].args[0], out[0].args[1]), corner);
    QCOMPARE(out[0].font.escapement, escapement);
}

void TestTextLayouts::spanBeyondFullTurn_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("reduced");
    QTest::newRow("4000 as 400") << 4000 << 400;
    QTest::newRow("7200 as 3600") << 7200 << 3600;
    QTest::newRow("3601 as 1") << 3601 << 1;
    QTest::newRow("huge") << 3600 * 500000 + 900 << 900;
}

void TestTextLayouts::spanBeyondFullTurn()
{
    QFETCH(int, span);
    QFETCH(int, reduced);
    for (bool upper : {true, false}) {
        qm::RecordingSurface wide, plain;
        qm::drawEllipseText(wide, ringOx, ringOy, circleRing(u"ABC"_s, span, upper));
        qm::drawEllipseText(plain, ringOx, ringOy, circleRing(u"ABC"_s, reduced, upper));
        QCOMPARE(wide.ops().size(), 3);
        for (qsizetype i = 0; i < 3; ++i) {
            QCOMPARE(wide.ops()[i].args, plain.ops()[i].args);
            QCOMPARE(wide.ops()[i].font, plain.ops()[i].font);
        }
    }
}

void TestTextLayouts::ringDrawsNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ew");
    QTest::addColumn<int>("eh");
    QTest::newRow("empty text") << QString() << 200 << 200;
    QTest::newRow("no width") << u"AB"_s << 0 << 200;
    QTest::newRow("no height") << u"AB"_s << 200 << 0;
    QTest::newRow("negative width") << u"AB"_s << -10 << 200;
}

void TestTextLayouts::ringDrawsNothing()
{
    QFETCH(QString, text);
    QFETCH(int, ew);
    QFETCH(int, eh);
    qm::EllipseText e = circleRing(text, 1800, true);
    e.ellipseW = ew;
    e.ellipseH = eh;
    qm::RecordingSurface s;
    qm::drawEllipseText(s, 0, 0, e);
    QVERIFY(s.ops().isEmpty());
}

void TestTextLayouts::ringKeepsFontAndClearsBrush()
{
    qm::RecordingSurface s;
    s.setBrushColor(qm::clBlack); // solid
    qm::LogicalFont before;
    before.height = 13;
    s.setFont(before);
    qm::drawEllipseText(s, 0, 0, circleRing(u"印章"_s, 1800, true));
    QCOMPARE(s.ops().size(), 2);
    for (const qm::TraceOp &op : s.ops()) {
        QCOMPARE(op.brushStyle, qm::SurfaceBrush::Clear);
        QCOMPARE(op.font.width, roundHalfEven(ringTw / 2.0)); // double-byte: 10
        QCOMPARE(op.fontColor, qm::clRed);
    }
    QCOMPARE(s.font(), before);
    QCOMPARE(s.brushStyle(), qm::SurfaceBrush::Clear);
}

QTEST_GUILESS_MAIN(TestTextLayouts)
#include "tst_textlayouts.moc"
