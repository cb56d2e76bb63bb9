#include "testing/testhelpers.h"

#include "seal/gbk.h"
#include "seal/nameseals.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QTest>

using namespace Qt::StringLiterals;
using qm::SealType;

namespace {

// A drawn character as the test compares it: cell corner, font cell and the character.
struct Glyph {
    int x, y, height, width;
    QString text;
    friend bool operator==(const Glyph &, const Glyph &) = default;
};

QList<Glyph> glyphs(const qm::RecordingSurface &s)
{
    QList<Glyph> out;
    for (const qm::TraceOp &op : s.ops(u"TextOut"_s))
        out.append({op.args[0], op.args[1], op.font.height, op.font.width, op.text});
    return out;
}

QList<qm::TraceOp> nonTextOps(const qm::RecordingSurface &s)
{
    QList<qm::TraceOp> out;
    for (const qm::TraceOp &op : s.ops())
        if (!op.isText())
            out.append(op);
    return out;
}

// Box, block and cells in pixels; the origin is always (10, 20).
struct Geometry {
    int W, H, bw, bh, w, h, w1, h1, cx, cy;
};

constexpr int OX = 10;
constexpr int OY = 20;

qm::NameSealText nameText(const QString &text, const Geometry &g)
{
    qm::NameSealText t;
    t.text = qm::Gbk::fromUnicode(text);
    t.boxW = g.W;
    t.boxH = g.H;
    t.bw = g.bw;
    t.bh = g.bh;
    t.w = g.w;
    t.h = g.h;
    t.w1 = g.w1;
    t.h1 = g.h1;
    t.cx = g.cx;
    t.cy = g.cy;
    t.style.face = qm::Gbk::fromUnicode(u"宋体"_s);
    return t;
}

// A 20 mm square name seal at 10 px/mm with the usual 15.5 mm block of 8 mm cells:
// Xc = 10 + 200/2 = 110, Yc = 20 + 200/2 = 120, block edges 110 -+ 77.5 and 120 -+ 77.5.
constexpr Geometry Square{200, 200, 155, 155, 80, 80, 0, 0, 0, 0};
// The oblong 13 x 6 mm seal: Xc = 10 + 130/2 = 75, Yc = 20 + 60/2 = 50.
constexpr Geometry Oblong{130, 60, 110, 50, 30, 42, 0, 0, 0, 0};

// Square-kind corners that recur below (the -1 pixel included):
//   right column x = roundHalfEven(110 + 77.5 - 80 - 1) = roundHalfEven(106.5) = 106
//   left column  x = roundHalfEven(110 - 77.5 - 1)      = roundHalfEven(31.5)  = 32
//   top row      y = roundHalfEven(120 - 77.5 - 1)      = roundHalfEven(41.5)  = 42
//   bottom row   y = roundHalfEven(120 + 77.5 - 80 - 1) = roundHalfEven(116.5) = 116
// A Chinese character in an 80-pixel cell gets the font width roundHalfEven(80 / 2) = 40.

} // namespace

Q_DECLARE_METATYPE(Geometry)

class TestNameSeals : public QObject
{
    Q_OBJECT

private slots:
    void cells_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Geometry>("g");
        QTest::addColumn<QList<Glyph>>("expected");

        QTest::newRow("22: right column, then left") << int(SealType::stName22) << u"甲乙丙印"_s << Square
                                                     << QList<Glyph>{{106, 42, 80, 40, u"甲"_s},
                                                                     {106, 116, 80, 40, u"乙"_s},
                                                                     {32, 42, 80, 40, u"丙"_s},
                                                                     {32, 116, 80, 40, u"印"_s}};
        QTest::newRow("22: three characters leave bottom left empty")
            << int(SealType::stName22) << u"甲乙丙"_s << Square
            << QList<Glyph>{{106, 42, 80, 40, u"甲"_s}, {106, 116, 80, 40, u"乙"_s}, {32, 42, 80, 40, u"丙"_s}};
        // Centre moved by (7, -3): Xc = 117, Yc = 117.
        // x = roundHalfEven(117 + 77.5 - 80 - 1) = roundHalfEven(113.5) = 114 and roundHalfEven(117 - 77.5 - 1) =
        // roundHalfEven(38.5) = 38; y = roundHalfEven(117 - 77.5 - 1) = 38 and roundHalfEven(117 + 77.5 - 80 - 1) =
        // roundHalfEven(113.5) = 114.
        QTest::newRow("22: text centre offset moves every cell")
            << int(SealType::stName22) << u"甲乙丙印"_s << Geometry{200, 200, 155, 155, 80, 80, 0, 0, 7, -3}
            << QList<Glyph>{{114, 38, 80, 40, u"甲"_s},
                            {114, 114, 80, 40, u"乙"_s},
                            {38, 38, 80, 40, u"丙"_s},
                            {38, 114, 80, 40, u"印"_s}};

        // Step (110 - 30) / 3 = 26.67 from the left edge 75 - 55 = 20; y = 50 - 42 / 2 = 29.
        // x = 20, roundHalfEven(46.67) = 47, roundHalfEven(73.33) = 73, 100; font width roundHalfEven(30 / 2) = 15.
        QTest::newRow("4: one row, first and last cell on the block edges")
            << int(SealType::stName4) << u"午未申酉"_s << Oblong
            << QList<Glyph>{{20, 29, 42, 15, u"午"_s},
                            {47, 29, 42, 15, u"未"_s},
                            {73, 29, 42, 15, u"申"_s},
                            {100, 29, 42, 15, u"酉"_s}};
        // bw = w = 30: step 0, every cell at x = 75 - 15 = 60.
        QTest::newRow("4: block as wide as a cell stacks all four")
            << int(SealType::stName4) << u"午未申酉"_s << Geometry{130, 60, 30, 50, 30, 42, 0, 0, 0, 0}
            << QList<Glyph>{{60, 29, 42, 15, u"午"_s},
                            {60, 29, 42, 15, u"未"_s},
                            {60, 29, 42, 15, u"申"_s},
                            {60, 29, 42, 15, u"酉"_s}};

        // Odd cell 70 x 150: x = 32, y = roundHalfEven(120 - 150 / 2 - 1) = 44, font width 70 / 2 = 35.
        QTest::newRow("12: right column, then the odd cell on the left")
            << int(SealType::stName12) << u"丁戊印"_s << Geometry{200, 200, 155, 155, 80, 80, 70, 150, 0, 0}
            << QList<Glyph>{{106, 42, 80, 40, u"丁"_s}, {106, 116, 80, 40, u"戊"_s}, {32, 44, 150, 35, u"印"_s}};
        // Odd cell 121 x 80 on top: x = roundHalfEven(110 - 121 / 2 - 1) = roundHalfEven(48.5) = 48, y = 42,
        // font width roundHalfEven(121 / 2) = roundHalfEven(60.5) = 60.
        QTest::newRow("12A: odd cell on top, bottom row right to left")
            << int(SealType::stName12A) << u"己庚辛"_s << Geometry{200, 200, 155, 155, 80, 80, 121, 80, 0, 0}
            << QList<Glyph>{{48, 42, 80, 60, u"己"_s}, {106, 116, 80, 40, u"庚"_s}, {32, 116, 80, 40, u"辛"_s}};
        // Odd cell 70 x 150 on the right: x = roundHalfEven(110 + 77.5 - 70 - 1) = roundHalfEven(116.5) = 116, y = 44.
        QTest::newRow("21: left column, then the odd cell on the right")
            << int(SealType::stName21) << u"丁戊印"_s << Geometry{200, 200, 155, 155, 80, 80, 70, 150, 0, 0}
            << QList<Glyph>{{32, 42, 80, 40, u"丁"_s}, {32, 116, 80, 40, u"戊"_s}, {116, 44, 150, 35, u"印"_s}};
        // Odd cell 121 x 80 at the bottom: x = 48, y = roundHalfEven(120 + 77.5 - 80 - 1) = 116.
        QTest::newRow("21A: top row right to left, then the odd cell below")
            << int(SealType::stName21A) << u"壬癸子"_s << Geometry{200, 200, 155, 155, 80, 80, 121, 80, 0, 0}
            << QList<Glyph>{{106, 42, 80, 40, u"壬"_s}, {32, 42, 80, 40, u"癸"_s}, {48, 116, 80, 60, u"子"_s}};

        // Cells 70 x 150 without the -1: x = roundHalfEven(110 - 77.5) = roundHalfEven(32.5) = 32 and
        // roundHalfEven(110 + 77.5 - 70) = roundHalfEven(117.5) = 118; y = 120 - 150 / 2 = 45.
        QTest::newRow("11: two characters of three")
            << int(SealType::stName11) << u"丁戊己"_s << Geometry{200, 200, 155, 390, 70, 150, 0, 0, 0, 0}
            << QList<Glyph>{{32, 45, 150, 35, u"丁"_s}, {118, 45, 150, 35, u"戊"_s}};
        // Cells 121 x 80: x = roundHalfEven(110 - 60.5) = roundHalfEven(49.5) = 50; y = roundHalfEven(120 - 77.5) =
        // roundHalfEven(42.5) = 42 and roundHalfEven(120 + 77.5 - 80) = roundHalfEven(117.5) = 118. 'A' keeps the width
        // 121, 印 gets roundHalfEven(121 / 2) = 60.
        QTest::newRow("11A: a Latin letter and a Chinese character fill the same width")
            << int(SealType::stName11A) << u"A印"_s << Geometry{200, 200, 155, 155, 121, 80, 0, 0, 0, 0}
            << QList<Glyph>{{50, 42, 80, 121, u"A"_s}, {50, 118, 80, 60, u"印"_s}};

        // Cells 40 x 41: x = 75 - 55 = 20, 75 - 20 = 55, 75 + 55 - 40 = 90; y = roundHalfEven(50 - 20.5) = 30.
        QTest::newRow("111: left, centre, right")
            << int(SealType::stName111) << u"卯辰巳"_s << Geometry{130, 60, 110, 50, 40, 41, 0, 0, 0, 0}
            << QList<Glyph>{{20, 30, 41, 20, u"卯"_s}, {55, 30, 41, 20, u"辰"_s}, {90, 30, 41, 20, u"巳"_s}};
        // W = 131: Xc = 10 + 65.5 = 75.5 is not truncated: x = roundHalfEven(20.5) = 20, roundHalfEven(55.5) = 56,
        // roundHalfEven(90.5) = 90.
        QTest::newRow("111: odd box width keeps the half pixel")
            << int(SealType::stName111) << u"卯辰巳"_s << Geometry{131, 60, 110, 50, 40, 41, 0, 0, 0, 0}
            << QList<Glyph>{{20, 30, 41, 20, u"卯"_s}, {56, 30, 41, 20, u"辰"_s}, {90, 30, 41, 20, u"巳"_s}};
    }
    void cells()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(Geometry, g);
        QFETCH(QList<Glyph>, expected);

        qm::RecordingSurface s;
        qm::drawNameSeal(SealType(kind), s, OX, OY, nameText(text, g));
        const QList<Glyph> got = glyphs(s);
        QCOMPARE(got.size(), expected.size());
        for (qsizetype i = 0; i < got.size(); ++i) {
            QCOMPARE(got[i].text, expected[i].text);
            QCOMPARE(got[i].x, expected[i].x);
            QCOMPARE(got[i].y, expected[i].y);
            QCOMPARE(got[i].height, expected[i].height);
            QCOMPARE(got[i].width, expected[i].width);
        }
        for (const qm::TraceOp &op : s.ops(u"TextOut"_s))
            QCOMPARE(op.font.escapement, 0);
    }

    void emptyTextDrawsNothing()
    {
        qm::RecordingSurface s;
        qm::drawNameSeal(SealType::stName22, s, OX, OY, nameText(QString(), Square));
        QVERIFY(s.ops().isEmpty());
    }

    void styleAndColours_data()
    {
        QTest::addColumn<int>("brushStyle");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<int>("pen");
        QTest::addColumn<bool>("outlined");
        QTest::addColumn<uint>("colour");

        const int clear = int(qm::BrushStyle::bsClear);
        const int solid = int(qm::BrushStyle::bsSolid);
        QTest::newRow("positive, plain") << clear << false << 0 << false << uint(0xFF0000);
        QTest::newRow("negative, plain: white") << solid << false << 0 << false << uint(qm::clWhite);
        QTest::newRow("positive, thickened") << clear << false << 3 << true << uint(0xFF0000);
        QTest::newRow("negative, hollow") << solid << true << 0 << true << uint(qm::clWhite);
    }
    void styleAndColours()
    {
        QFETCH(int, brushStyle);
        QFETCH(bool, blank);
        QFETCH(int, pen);
        QFETCH(bool, outlined);
        QFETCH(uint, colour);

        qm::NameSealText t = nameText(u"甲乙"_s, Square);
        t.style.brushStyle = qm::BrushStyle(brushStyle);
        t.style.penColor = 0xFF0000; // blue
        t.style.brushColor = 0xFF0000;
        t.style.blank = blank;
        t.style.pen = pen;
        t.style.weight = 100;
        t.style.italic = true;

        qm::RecordingSurface s;
        qm::drawNameSeal(SealType::stName11, s, OX, OY, t);
        const QList<qm::TraceOp> text = s.ops(u"TextOut"_s);
        QCOMPARE(text.size(), 2);
        QCOMPARE(s.ops(u"StrokeAndFillPath"_s).size(), outlined ? 2 : 0);
        for (const qm::TraceOp &op : text) {
            QCOMPARE(op.font.weight, 100);
            QVERIFY(op.font.italic);
            QCOMPARE(op.font.face, qm::Gbk::fromUnicode(u"宋体"_s));
            if (outlined) {
                QCOMPARE(op.penColor, colour);
                QCOMPARE(op.penWidth, pen);
            } else {
                QCOMPARE(op.fontColor, colour);
            }
        }
    }

    void surfaceFontIsRestored()
    {
        qm::RecordingSurface s;
        qm::LogicalFont before;
        before.height = 13;
        before.face = "Courier";
        s.setFont(before);
        qm::drawNameSeal(SealType::stName22, s, OX, OY, nameText(u"甲乙丙印"_s, Square));
        QCOMPARE(s.ops(u"TextOut"_s).size(), 4);
        QCOMPARE(s.font(), before);
    }

    // Through the painting frame: millimetres become pixels with P() and Q(), the origin of
    // PaintTo is passed on, and colours follow PaintTo's rule.
    void paintToConvertsProperties()
    {
        qm::Seal seal;
        qm::testing::atTenPixelsPerMm(seal, SealType::stName12, 20, 20); // k = 100 * 10 / 100 = 10
        seal.setText(qm::Gbk::fromUnicode(u"丁戊印"_s));
        seal.setTextsWidth(15.5f);   // bw = 155
        seal.setTextsHeight(15.5f);  // bh = 155
        seal.setTextWidth(8);        // w = 80
        seal.setTextHeight(8);       // h = 80
        seal.setTextWidth1(7.25f);   // w1 = roundHalfEven(72.5) = 72
        seal.setTextHeight1(15.25f); // h1 = roundHalfEven(152.5) = 152
        seal.setTextCenterX(0.25f);  // cx = roundHalfEven(2.5) = 2
        seal.setTextCenterY(-0.75f); // cy = roundHalfEven(-7.5) = -8
        seal.setTextPenWidth(25);    // pen = roundHalfEven(10 * 25 / 100) = roundHalfEven(2.5) = 2
        seal.setTextWeight(100);

        qm::RecordingSurface s;
        seal.paintTo(5, 7, s, false);
        // Xc = 5 + 100 + 2 = 107, Yc = 7 + 100 - 8 = 99.
        // right column x = roundHalfEven(107 + 77.5 - 80 - 1) = roundHalfEven(103.5) = 104
        // top y = roundHalfEven(99 - 77.5 - 1) = roundHalfEven(20.5) = 20; bottom y = roundHalfEven(99 + 77.5 - 80 - 1)
        // = roundHalfEven(95.5) = 96 odd cell x = roundHalfEven(107 - 77.5 - 1) = roundHalfEven(28.5) = 28, y = 99 -
        // 152 / 2 - 1 = 22, font width 72 / 2 = 36
        const QList<Glyph> expected{{104, 20, 80, 40, u"丁"_s}, {104, 96, 80, 40, u"戊"_s}, {28, 22, 152, 36, u"印"_s}};
        QCOMPARE(glyphs(s), expected);
        for (const qm::TraceOp &op : s.ops(u"TextOut"_s)) {
            QCOMPARE(op.penWidth, 2);
            QCOMPARE(op.penColor, qm::clBlack); // PaintTo without keepColours draws black
            QCOMPARE(op.font.weight, 100);
        }
        QCOMPARE(seal.PenColor(), qm::clRed);
    }

    void paintedTextFollowsTheKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("drawn");
        QTest::newRow("stName22") << int(SealType::stName22) << 4;
        QTest::newRow("stName4") << int(SealType::stName4) << 4;
        QTest::newRow("stName12") << int(SealType::stName12) << 3;
        QTest::newRow("stName12A") << int(SealType::stName12A) << 3;
        QTest::newRow("stName21") << int(SealType::stName21) << 3;
        QTest::newRow("stName21A") << int(SealType::stName21A) << 3;
        QTest::newRow("stName11") << int(SealType::stName11) << 2;
        QTest::newRow("stName11A") << int(SealType::stName11A) << 2;
        QTest::newRow("stName111") << int(SealType::stName111) << 3;
    }
    // Every kind draws at most its own number of characters; an empty text draws none but
    // leaves the frame; the odd cell's size only matters to the kinds that have one; moving the
    // text centre moves the characters and not the frame.
    void paintedTextFollowsTheKind()
    {
        QFETCH(int, kind);
        QFETCH(int, drawn);

        qm::Seal seal;
        qm::testing::atTenPixelsPerMm(seal, SealType(kind), 20, 20);
        seal.setTextsWidth(15.5f);
        seal.setTextsHeight(15.5f);
        seal.setTextWidth(7);
        seal.setTextHeight(7);
        seal.setText(qm::Gbk::fromUnicode(u"甲乙丙丁戊"_s));

        auto paint = [&seal]() {
            auto s = std::make_unique<qm::RecordingSurface>();
            seal.paintTo(0, 0, *s, true);
            return s;
        };
        const auto base = paint();
        QCOMPARE(glyphs(*base).size(), drawn);
        for (const qm::TraceOp &op : base->ops(u"TextOut"_s))
            QCOMPARE(op.fontColor, qm::clRed);

        seal.setTextWidth1(5.5f);
        seal.setTextHeight1(11);
        const auto odd = paint();
        const bool hasOddCell = drawn == 3 && kind != int(SealType::stName111);
        QCOMPARE(glyphs(*odd) != glyphs(*base), hasOddCell);
        seal.setTextWidth1(qm::Seal().TextWidth1());
        seal.setTextHeight1(qm::Seal().TextHeight1());

        seal.setTextCenterX(2);  // 20 px right: an even shift keeps the half-pixel rounding alike
        seal.setTextCenterY(-3); // 30 px up
        const auto moved = paint();
        const QList<Glyph> before = glyphs(*base);
        const QList<Glyph> after = glyphs(*moved);
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < after.size(); ++i) {
            QCOMPARE(after[i].x, before[i].x + 20);
            QCOMPARE(after[i].y, before[i].y - 30);
        }
        const QList<qm::TraceOp> frame = nonTextOps(*base);
        const QList<qm::TraceOp> frameAfter = nonTextOps(*moved);
        QCOMPARE(frameAfter.size(), frame.size());
        for (qsizetype i = 0; i < frame.size(); ++i) {
            QCOMPARE(frameAfter[i].op, frame[i].op);
            QCOMPARE(frameAfter[i].args, frame[i].args);
        }

        seal.setText(QByteArray());
        const auto empty = paint();
        QVERIFY(glyphs(*empty).isEmpty());
        QCOMPARE(nonTextOps(*empty).size(), frame.size());
    }
};

QTEST_GUILESS_MAIN(TestNameSeals)
#include "tst_nameseals.moc"
