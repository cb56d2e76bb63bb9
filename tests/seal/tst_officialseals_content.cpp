// What official seals draw besides their frames: the serial code in its three forms, the
// centre lines, the emblem and the four texts, checked on the recorded operations.

#include "testing/testhelpers.h"

#include "seal/linepoints.h"
#include "seal/officialseals.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// At 10 px/mm a 40 mm seal is 400 px, the default frame 12 px, code cells 8 x 11 px, the code
// segment 160 px and its distance from the frame 8 px.

QString glyph(const TraceOp &op)
{
    return u"%1 at %2,%3 turned %4"_s.arg(op.text).arg(op.args.value(0)).arg(op.args.value(1)).arg(op.font.escapement);
}

QStringList glyphs(const QList<TraceOp> &ops)
{
    QStringList out;
    for (const TraceOp &op : ops)
        out << glyph(op);
    return out;
}

const QByteArray Hei("\xBA\xDA\xCC\xE5"); // 黑体

} // namespace

class TestOfficialSealContent : public QObject
{
    Q_OBJECT

private slots:
    void straightCode_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("brushStyle");
        QTest::addColumn<bool>("codeOn");
        QTest::addColumn<bool>("codeAtTop");
        QTest::addColumn<int>("y");
        QTest::addColumn<Colour>("colour");

        const int rect = int(SealType::stRect);
        const int positive = int(BrushStyle::bsClear);
        // On the band: roundHalfEven(12 / 2 - 11 / 2) = roundHalfEven(0.5) = 0, roundHalfEven(400 - 6 - 5.5) =
        // roundHalfEven(388.5) = 388.
        QTest::newRow("top band") << rect << positive << true << true << 0 << clWhite;
        QTest::newRow("bottom band") << rect << positive << true << false << 388 << clWhite;
        // Inside: 12 + 8 = 20 below the top band, 400 - 12 - 8 - 11 = 369 above the bottom one.
        QTest::newRow("below the top band") << rect << positive << false << true << 20 << clRed;
        QTest::newRow("above the bottom band") << rect << positive << false << false << 369 << clRed;
        QTest::newRow("inside a negative seal") << rect << int(BrushStyle::bsSolid) << false << true << 20 << clWhite;
        QTest::newRow("triangle: always the top")
            << int(SealType::stTriangle) << positive << true << false << 0 << clWhite;
    }
    void straightCode()
    {
        QFETCH(int, kind);
        QFETCH(int, brushStyle);
        QFETCH(bool, codeOn);
        QFETCH(bool, codeAtTop);
        QFETCH(int, y);
        QFETCH(Colour, colour);

        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind));
        seal.setCode("12345");
        seal.setCodeOn(codeOn);
        seal.setCodeTopOrDown(codeAtTop);
        RecordingSurface rec;
        drawCode(seal, rec, 0, 0, BrushStyle(brushStyle), clRed);

        // x = roundHalfEven(160 / 6 + (400 - 160) / 2 - 8 / 2 + 160 / 6 · i) = roundHalfEven(142.67 + 26.67 i).
        const QStringList expected{u"1 at 143,%1 turned 0"_s.arg(y), u"2 at 169,%1 turned 0"_s.arg(y),
                                   u"3 at 196,%1 turned 0"_s.arg(y), u"4 at 223,%1 turned 0"_s.arg(y),
                                   u"5 at 249,%1 turned 0"_s.arg(y)};
        const QList<TraceOp> texts = rec.ops(u"TextOut"_s);
        QCOMPARE(glyphs(texts), expected);
        for (const TraceOp &op : texts) {
            QCOMPARE(op.fontColor, colour);
            QCOMPARE(op.font.height, 11);
            QCOMPARE(op.font.width, 8);
            QCOMPARE(op.font.weight, 700);
            QCOMPARE(op.font.face, Hei);
        }
    }

    // 13 digits at the bottom of a round seal, on the band: the ellipse is 400 - 12 + 7 · 11 / 8 =
    // 397.625 across (a = b = 198.8125). Over 60.0° at the bottom (2400 ... 3000) a circle gives a pitch
    // of 2 · 301 r / 13 = 46.31 r. Character 0 walks ceil(0.5 · 46.31) = 24 steps down from 3000 and
    // one more: 2975; character 12 walks ceil(12.5 · 46.31) = 579: 2420. Both move on by
    // δ = 8 / (4 · 198.8125 · √2) rad = 4.0756 tenths.
    void ovalCodeAtTheBottom()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stEllipse);
        seal.setCode("1234567890123");
        seal.setCodeOn(true);
        seal.setCodeTopOrDown(false);
        RecordingSurface rec;
        drawCode(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
        const QList<TraceOp> texts = rec.ops(u"TextOut"_s);
        QCOMPARE(texts.size(), 13);

        // φ = 2979.08: P = (200 + 93.04, 200 + 175.70), τ = φ - 90°; x = P.x + 6 cos τ - 11 cos φ = 282.60,
        // y = P.y - 6 sin τ + 11 sin φ = 368.78; ρ = -arccos(sin φ) = -1520.92, escapement ρ + 1800 = 279.08.
        QCOMPARE(glyph(texts.first()), u"3 at 283,369 turned 279"_s);
        // φ = 2424.08, inside 900 ... 2700 so ρ turns positive: x = 107.69, y = 363.67, escapement
        // 1524.08 + 1800 = 3324.08.
        QCOMPARE(glyph(texts.last()), u"1 at 108,364 turned 3324"_s);

        // Placed from the right end with the last character first, so it reads left to right.
        QString read;
        for (auto it = texts.crbegin(); it != texts.crend(); ++it)
            read += it->text;
        QCOMPARE(read, u"1234567890123"_s);
        for (qsizetype i = 1; i < texts.size(); ++i)
            QVERIFY2(texts[i].args[0] < texts[i - 1].args[0], qPrintable(glyph(texts[i])));
        for (const TraceOp &op : texts)
            QCOMPARE(op.fontColor, clWhite);
    }

    // Four characters over the top of a round seal, on the band: the ellipse is 400 - 12 + 11 = 399
    // across (a = b = 199.5). Over 60.0° at the top (600 ... 1200) a circle gives a pitch of
    // 2 · 301 r / 4 = 150.5 r; character i walks ceil((i + ½) · 150.5) = 76, 226, 377, 527 steps down
    // from 1200 and one more: 1123, 973, 822, 672. Each moves back by δ = 8 / (4 · 199.5 · √2) rad
    // = 4.0616 tenths. On a circle τ = φ - 90° and ρ = -arccos(sin φ), turned positive for
    // 900 <= φ <= 2700. A sweep beyond a full turn wraps: 4200 and 7800 tenths draw as 600.
    void ovalCodeAtTheTop_data()
    {
        QTest::addColumn<int>("sweep");
        QTest::newRow("60.0 degrees") << 600;
        QTest::newRow("one turn more") << 3600 + 600;
        QTest::newRow("two turns more") << 2 * 3600 + 600;
    }
    void ovalCodeAtTheTop()
    {
        QFETCH(int, sweep);
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stEllipse);
        seal.setCodeAngle(sweep);
        seal.setCode("1234");
        seal.setCodeOn(true);
        seal.setCodeTopOrDown(true);
        RecordingSurface rec;
        drawCode(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
        // φ = 1118.94: P = (200 + 199.5 cos φ, 200 - 199.5 sin φ) = (125.61, 14.89); x = P.x - 6 cos 21.89° = 120.04,
        // y = P.y + 6 sin 21.89° = 17.13; ρ = -218.94 turned positive.
        // φ = 968.94: P = (176.05, 1.94); x = 176.05 - 6 cos 6.89° = 170.10, y = 1.94 + 6 sin 6.89° = 2.66; ρ = 68.94.
        // φ = 817.94 < 900 keeps ρ negative: P = (228.48, 2.54); x = 228.48 - 6 cos(-8.21°) = 222.54,
        // y = 2.54 + 6 sin(-8.21°) = 1.69; ρ = -82.06.
        // φ = 667.94: P = (278.61, 16.64); x = 273.10, y = 14.28; ρ = -232.06.
        const QStringList expected{u"1 at 120,17 turned 219"_s, u"2 at 170,3 turned 69"_s, u"3 at 223,2 turned -82"_s,
                                   u"4 at 273,14 turned -232"_s};
        const QList<TraceOp> texts = rec.ops(u"TextOut"_s);
        QCOMPARE(glyphs(texts), expected);
        for (const TraceOp &op : texts) {
            QCOMPARE(op.fontColor, clWhite); // white on the ink band
            QCOMPARE(op.font.height, 11);
            QCOMPARE(op.font.width, 8);
        }
    }

    // Exactly two turns are one whole turn of code, as 3600 is, and not a sweep of nothing.
    void ovalCodeTwoTurns()
    {
        auto codeAt = [](int sweep) {
            Seal seal;
            atTenPixelsPerMm(seal, SealType::stEllipse);
            seal.setCodeAngle(sweep);
            seal.setCode("1234");
            seal.setCodeOn(true);
            seal.setCodeTopOrDown(true);
            RecordingSurface rec;
            drawCode(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
            return glyphs(rec.ops(u"TextOut"_s));
        };
        const QStringList fullTurn = codeAt(3600);
        QCOMPARE(fullTurn.size(), 4);
        QVERIFY(fullTurn != codeAt(0));
        QCOMPARE(codeAt(7200), fullTurn);
        QCOMPARE(codeAt(3 * 3600), fullTurn);
    }

    // Along the upper-left side whatever CodeTopOrDown says. 400 x 300, p 13: γ = atan(0.75),
    // sin γ = 0.6, cos γ = 0.8; Cy = 96, Cx = 128, n = 4. Fy = 75 + 48 - 12 - 0.8 · 5.5 + 0.6 · 4 = 109,
    // Fx = 100 - 64 + 16 - 0.8 · 4 - 0.6 · 5.5 + 13 / 1.2 = 56.33; steps (+32, -24); escapement 368.70.
    // Inside the frame: Fy + 0.6 · (8 + 11) = 120.4, Fx + 0.8 · 19 = 71.53.
    void rhombCode_data()
    {
        QTest::addColumn<bool>("codeOn");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("on the band") << true
                                     << QStringList{u"1 at 56,109 turned 369"_s, u"2 at 88,85 turned 369"_s,
                                                    u"3 at 120,61 turned 369"_s, u"4 at 152,37 turned 369"_s}
                                     << clWhite;
        QTest::newRow("inside the frame") << false
                                          << QStringList{u"1 at 72,120 turned 369"_s, u"2 at 104,96 turned 369"_s,
                                                         u"3 at 136,72 turned 369"_s, u"4 at 168,48 turned 369"_s}
                                          << clRed;
    }
    void rhombCode()
    {
        QFETCH(bool, codeOn);
        QFETCH(QStringList, expected);
        QFETCH(Colour, colour);
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRhomb, 40, 30);
        seal.setPenWidth(1.3f);
        seal.setCode("1234");
        seal.setCodeOn(codeOn);
        seal.setCodeTopOrDown(false);
        RecordingSurface rec;
        drawCode(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
        const QList<TraceOp> texts = rec.ops(u"TextOut"_s);
        QCOMPARE(glyphs(texts), expected);
        for (const TraceOp &op : texts)
            QCOMPARE(op.fontColor, colour);
    }

    void centreLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wheel");
        QTest::addColumn<float>("gap");
        QTest::addColumn<float>("boxHeight");
        QTest::addColumn<float>("centreY");
        QTest::addColumn<QStringList>("expected");

        const int rect = int(SealType::stRect);
        const int oval = int(SealType::stEllipse);
        // Box 200 x 60 at the centre of a 400 px seal, t = 12 / 2: xl = 200 - 100 + 6 = 106, xr = 294,
        // yt = 200 - 30 + 6 = 176, yb = 224. A 40 px gap leaves 200 -/+ 20 +/- 6 = 186 and 214.
        const QStringList sides{u"MoveTo 106 176"_s, u"LineTo 106 224"_s, u"MoveTo 294 176"_s, u"LineTo 294 224"_s};
        QTest::newRow("transfer-wheel box")
            << rect << true << 0.f << 6.f << 0.f << QStringList{u"Rectangle 106 176 294 224"_s};
        QTest::newRow("brackets around a gap")
            << rect << true << 4.f << 6.f << 0.f
            << QStringList{u"MoveTo 186 176"_s, u"LineTo 106 176"_s, u"LineTo 106 224"_s, u"LineTo 186 224"_s,
                           u"MoveTo 214 176"_s, u"LineTo 294 176"_s, u"LineTo 294 224"_s, u"LineTo 214 224"_s};
        // Open: across the seal from 0 + 6 to 400 - 6.
        QTest::newRow("open lines with a gap")
            << rect << false << 4.f << 6.f << 0.f
            << QStringList{u"MoveTo 6 176"_s, u"LineTo 186 176"_s, u"MoveTo 214 176"_s, u"LineTo 394 176"_s,
                           u"MoveTo 6 224"_s, u"LineTo 186 224"_s, u"MoveTo 214 224"_s, u"LineTo 394 224"_s} +
                   sides;
        QTest::newRow("triangle: always closed")
            << int(SealType::stTriangle) << false << 0.f << 6.f << 0.f << QStringList{u"Rectangle 106 176 294 224"_s};
        // Ending on the ellipse 388 x 388: D = 388, hx = 194 · sqrt(1 - (60 / 388)²) = 191.67.
        QTest::newRow("oval lines end on the ellipse")
            << oval << false << 0.f << 6.f << 0.f
            << QStringList{u"MoveTo 8 176"_s, u"LineTo 392 176"_s, u"MoveTo 8 224"_s, u"LineTo 392 224"_s} + sides;
        // Moved 50 px down: (60 - 100) / 388 gives hx 192.97 at y 226, (60 + 100) / 388 gives 176.74 at y 274.
        QTest::newRow("oval lines below the centre")
            << oval << false << 0.f << 6.f << 5.f
            << QStringList{u"MoveTo 7 226"_s,   u"LineTo 393 226"_s, u"MoveTo 23 274"_s,  u"LineTo 377 274"_s,
                           u"MoveTo 106 226"_s, u"LineTo 106 274"_s, u"MoveTo 294 226"_s, u"LineTo 294 274"_s};
        QTest::newRow("oval box taller than the ellipse") << oval << false << 0.f << 40.f << 0.f << QStringList{};
        // (60 + 2 · 190) / 388 > 1: the bottom line would lie below the ellipse.
        QTest::newRow("oval box below the ellipse") << oval << false << 0.f << 6.f << 19.f << QStringList{};
        // One line at y 200 with a 40 px gap: from roundHalfEven(200 - 20 - 1.5) = 178 leftwards by (200 - 40) / 2 =
        // 80, from roundHalfEven(1.5 + 20 + 200) = 222 rightwards by 80.
        QTest::newRow("single line") << int(SealType::stEpsCL) << false << 4.f << 6.f << 0.f
                                     << QStringList{u"MoveTo 178 200"_s, u"LineTo 98 200"_s, u"MoveTo 222 200"_s,
                                                    u"LineTo 302 200"_s};
    }
    void centreLines()
    {
        QFETCH(int, kind);
        QFETCH(bool, wheel);
        QFETCH(float, gap);
        QFETCH(float, boxHeight);
        QFETCH(float, centreY);
        QFETCH(QStringList, expected);

        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind));
        seal.setPenWidth4(0.3f);
        seal.setIsZhuanLunA(wheel);
        seal.setLineABW(gap);
        seal.setCLHeight(boxHeight);
        seal.setCLineCenterY(centreY);
        RecordingSurface rec;
        seal.drawSeal(0, 0, rec, clRed, clRed, BrushStyle::bsClear);

        // The centre lines are the 3 px strokes; the frame is 12 px wide or made of polygons.
        QList<TraceOp> lines;
        for (const TraceOp &op : rec.ops())
            if (op.penWidth == 3 && !op.points.size())
                lines << op;
        QCOMPARE(describeAll(lines), expected);
        for (const TraceOp &op : lines) {
            QCOMPARE(op.penColor, clRed);
            QCOMPARE(op.brushStyle, SurfaceBrush::Clear);
        }
    }

    // Cut out of a negative seal: the same oval lines as above, in white.
    void centreLinesOfANegativeSeal()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stEllipse);
        seal.setPenWidth4(0.3f);
        RecordingSurface rec;
        seal.drawSeal(0, 0, rec, clRed, clRed, BrushStyle::bsSolid);
        QList<TraceOp> lines;
        for (const TraceOp &op : rec.ops())
            if (op.penWidth == 3 && !op.points.size())
                lines << op;
        QCOMPARE(describeAll(lines),
                 (QStringList{u"MoveTo 8 176"_s, u"LineTo 392 176"_s, u"MoveTo 8 224"_s, u"LineTo 392 224"_s,
                              u"MoveTo 106 176"_s, u"LineTo 106 224"_s, u"MoveTo 294 176"_s, u"LineTo 294 224"_s}));
        for (const TraceOp &op : lines) {
            QCOMPARE(op.penColor, clWhite);
            QCOMPARE(op.brushStyle, SurfaceBrush::Clear);
        }
    }

    // A negative seal's star is a white outline of the emblem pen; 120 px emblem moved (20, -10):
    // the tip at (200 + 20, roundHalfEven(200 - 10 - (120 - 3) / 2)) = (220, roundHalfEven(131.5)) = (220, 132).
    void emblemStar()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        seal.setImageIsStar(true);
        seal.setImageCenterX(2);
        seal.setImageCenterY(-1);
        seal.setPenWidth3(0.3f);
        RecordingSurface rec;
        drawFrame(seal, rec, 0, 0, BrushStyle::bsSolid, clRed);
        const QList<TraceOp> stars = rec.ops(u"Polygon"_s);
        QCOMPARE(stars.size(), 1);
        QCOMPARE(stars[0].points.value(0), QPoint(220, 132));
        QCOMPARE(stars[0].penWidth, 3);
        QCOMPARE(stars[0].penColor, clWhite);
        QCOMPARE(stars[0].brushStyle, SurfaceBrush::Clear);
        QCOMPARE(rec.ops().last().op, u"Polygon"_s); // the emblem comes last
    }

    void sealTexts()
    {
        Seal seal;
        atTenPixelsPerMm(seal, SealType::stRect);
        // Text: a ring over the top; Text1: a flat block with its own sizes, offsets and face;
        // Text2: a ring along the bottom.
        seal.setText("\xCA\xBE\xC0\xFD\xD3\xA1"); // 示例印
        seal.setText1("AB");
        seal.setTextsWidth1(20);
        seal.setTextsHeight1(10);
        seal.setTextCenterX1(2);
        seal.setTextCenterY1(3);
        seal.setTextWidth1(3);
        seal.setTextHeight1(4);
        seal.setTextWeight1(400);
        seal.setFontName1(makeFontSlot("\xBF\xAC\xCC\xE5")); // 楷体
        seal.setText2("CD");
        seal.setIsEllipse2(true);
        seal.setTopOrDown2(false);
        RecordingSurface rec;
        drawSealTexts(seal, rec, 0, 0, BrushStyle::bsSolid, clRed);
        QCOMPARE(rec.ops(u"TextOut"_s).size(), 3 + 2 + 2);
        for (const TraceOp &op : rec.ops(u"TextOut"_s))
            QCOMPARE(op.fontColor, clWhite); // cut out of a negative seal
        rec.clear();
        drawSealTexts(seal, rec, 0, 0, BrushStyle::bsClear, clRed);
        const QList<TraceOp> texts = rec.ops(u"TextOut"_s);
        QCOMPARE(texts.size(), 3 + 2 + 2);
        // The ring: 7.5 mm high characters, the middle one at the top of the 390 px ring.
        for (qsizetype i = 0; i < 3; ++i)
            QCOMPARE(texts[i].font.height, 75);
        QVERIFY(texts[1].args[1] < 20);
        QCOMPARE(texts[1].text, QString(QChar(0x4F8B))); // 例
        // The block: D = 200 + 20 - 200 / 2 - 1 = 119, E = 200 + 30 - 100 / 2 - 1 = 179; cells 30 x 40 at
        // x = 119 + (k - ½) · 200 / 2 - 15 and y = 179 + 100 / 2 - 20.
        QCOMPARE(glyph(texts[3]), u"A at 154,209 turned 0"_s);
        QCOMPARE(glyph(texts[4]), u"B at 254,209 turned 0"_s);
        QCOMPARE(texts[3].font.height, 40);
        QCOMPARE(texts[3].font.width, 30);
        QCOMPARE(texts[3].font.weight, 400);
        QCOMPARE(texts[3].font.face, QByteArray("\xBF\xAC\xCC\xE5"));
        // The lower ring, centred 7 mm below the middle, read left to right from its last character.
        QCOMPARE(texts[5].text, u"D"_s);
        QCOMPARE(texts[6].text, u"C"_s);
        QVERIFY(texts[5].args[0] > texts[6].args[0]);
        QVERIFY(texts[5].args[1] > 270 && texts[6].args[1] > 270);
    }

    // Huge negative lengths saturate to the smallest int; insets and bends built from them are
    // negated, which must not overflow (the sanitised build of the suite turns that into a failure).
    void saturatedNegativeValues_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<float>("height");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("count");

        // Frame and lining.
        QTest::newRow("cut corners") << int(SealType::stRect) << 30.f << u"RealSR"_s << u"Polygon"_s << 2;
        // Main band and lining band, two polygons each.
        QTest::newRow("triangle lining gap")
            << int(SealType::stTriangle) << 30.f << u"OutInDelta"_s << u"Polygon"_s << 4;
        // No main band for a negative width, only the lining band.
        QTest::newRow("rhomb frame") << int(SealType::stRhomb) << 30.f << u"PenWidth"_s << u"Polygon"_s << 2;
        // 400 x 50: sin atan(50 / 400) = 0.124 puts the bend p / (4 · 0.124) beyond the int range.
        QTest::newRow("rhomb line bends") << int(SealType::stRhomb) << 5.f << u"PenWidth"_s << u"PolyBezier"_s << 8;
        QTest::newRow("name seal block") << int(SealType::stName4) << 30.f << u"TextsWidth"_s << u"TextOut"_s << 2;
    }
    void saturatedNegativeValues()
    {
        QFETCH(int, kind);
        QFETCH(float, height);
        QFETCH(QString, property);
        QFETCH(QString, op);
        QFETCH(int, count);
        Seal seal;
        atTenPixelsPerMm(seal, SealType(kind), 40, height);
        seal.setNameSealFrameType(FrameType::ftDiamond);
        seal.setPenWidth1(0.4f);
        seal.setText("AB");
        seal.setLineCount(8);
        findSealProperty(property)->set(seal, QVariant(-1e30f));
        RecordingSurface rec;
        seal.drawSeal(0, 0, rec, clRed, clRed, BrushStyle::bsClear);
        QCOMPARE(rec.ops(op).size(), count);
    }

    // Values from a damaged document: every seal kind must paint without overflow or a hang, and
    // within bounds: at most MaxLines pattern lines of two operations each, three code characters
    // of at most four operations (a stroked glyph is a path), a frame of at most five polygons,
    // eight centre lines and a star.
    void hostileValues()
    {
        const qsizetype ceiling = 2 * LinePoints::MaxLines + 3 * 4 + 5 + 2 * 8 + 1;
        for (int kind = 0; kind <= int(SealType::stRhomb); ++kind) {
            for (float size : {0.f, -30.f, 1e12f}) {
                Seal seal;
                atTenPixelsPerMm(seal, SealType(kind), size, 40);
                seal.setPenWidth(1e9f);
                seal.setPenWidth1(-2);
                seal.setPenWidth2(1e10f);
                seal.setLineCount(LinePoints::MaxLines);
                seal.setLineType(true);
                seal.setLineAngle(-7);
                seal.setCode("123");
                seal.setCodeAngle(std::numeric_limits<int>::max());
                seal.setCodePenWidth(30);
                seal.setCLHeight(-3);
                seal.setPenWidth4(1);
                seal.setImageIsStar(true);
                RecordingSurface rec;
                seal.drawSeal(0, 0, rec, clRed, clRed, BrushStyle::bsSolid);
                QVERIFY2(rec.ops().size() <= ceiling,
                         qPrintable(u"kind %1, %2 mm: %3 operations"_s.arg(kind).arg(size).arg(rec.ops().size())));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestOfficialSealContent)
#include "tst_officialseals_content.moc"
