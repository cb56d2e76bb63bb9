// Glyph fonts, glyph drawing and the pen and brush set-ups, as recorded on the trace surface.

#include "seal/glyph.h"
#include "seal/recordingsurface.h"

#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

QStringList names(const RecordingSurface &s)
{
    QStringList out;
    for (const TraceOp &op : s.ops())
        out.append(op.op);
    return out;
}

} // namespace

class TestGlyph : public QObject
{
    Q_OBJECT

private slots:
    void glyphFontWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("doubleByte");
        QTest::addColumn<int>("expected");
        QTest::newRow("single-byte keeps its width") << 45 << false << 45;
        QTest::newRow("double-byte halves: 22.5 rounds to even 22") << 45 << true << 22;
        QTest::newRow("double-byte halves: 23.5 rounds to even 24") << 47 << true << 24;
        QTest::newRow("double-byte even") << 40 << true << 20;
    }
    void glyphFontWidth()
    {
        QFETCH(int, width);
        QFETCH(bool, doubleByte);
        QFETCH(int, expected);
        const LogicalFont f = createGlyphFont(75, width, doubleByte, 450, 700, true, "\xCB\xCE\xCC\xE5");
        QCOMPARE(f.width, expected);
        QCOMPARE(f.height, 75);
        QCOMPARE(f.escapement, 450);
        QCOMPARE(f.orientation, 450);
        QCOMPARE(f.weight, 700);
        QVERIFY(f.italic);
    }

    void faceIsCutTo31Bytes()
    {
        const LogicalFont f = createGlyphFont(10, 5, false, 0, 400, false, QByteArray(40, 'F'));
        QCOMPARE(f.face.size(), 31);
    }

    void isDoubleByte()
    {
        QVERIFY(qm::isDoubleByte(u'宋'));
        QVERIFY(!qm::isDoubleByte(u'A'));
        QVERIFY(!qm::isDoubleByte(u'0'));
    }

    void plainGlyph()
    {
        RecordingSurface s;
        s.setBrushColor(0x123456);
        drawGlyph(s, 7, 9, u'印', false, BrushStyle::bsClear, 0x0000FF, false, 0);
        QCOMPARE(names(s), QStringList{u"TextOut"_s});
        const TraceOp op = s.ops().first();
        QCOMPARE(op.args, (QList<int>{7, 9}));
        QCOMPARE(op.text, u"印"_s);
        QCOMPARE(op.fontColor, Colour(0x0000FF));
        QCOMPARE(op.brushStyle, SurfaceBrush::Clear);
    }

    void negativeOrInverseGlyphIsWhite_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("inverse");
        QTest::addColumn<uint>("colour");
        QTest::newRow("positive") << int(BrushStyle::bsClear) << false << 0x0000FFu;
        QTest::newRow("positive, inverse") << int(BrushStyle::bsClear) << true << 0xFFFFFFu;
        QTest::newRow("negative") << int(BrushStyle::bsSolid) << false << 0xFFFFFFu;
    }
    void negativeOrInverseGlyphIsWhite()
    {
        QFETCH(int, style);
        QFETCH(bool, inverse);
        QFETCH(uint, colour);
        RecordingSurface s;
        drawGlyph(s, 0, 0, u'A', inverse, BrushStyle(style), 0x0000FF, false, 0);
        QCOMPARE(s.ops().first().fontColor, Colour(colour));
    }

    void hollowGlyphIsAThinOutline()
    {
        RecordingSurface s;
        drawGlyph(s, 3, 4, u'A', false, BrushStyle::bsClear, 0x0000FF, true, 0);
        QCOMPARE(names(s), (QStringList{u"BeginPath"_s, u"TextOut"_s, u"EndPath"_s, u"StrokeAndFillPath"_s}));
        const TraceOp stroke = s.ops().last();
        QCOMPARE(stroke.penWidth, 0);
        QCOMPARE(stroke.penColor, Colour(0x0000FF));
        QCOMPARE(stroke.brushStyle, SurfaceBrush::Clear);
        QCOMPARE(s.ops()[1].brushStyle, SurfaceBrush::Clear); // outline collected without a background
    }

    void thickenedGlyphIsFilledInItsColour()
    {
        RecordingSurface s;
        drawGlyph(s, 3, 4, u'A', false, BrushStyle::bsClear, 0x0000FF, false, 3);
        const TraceOp stroke = s.ops().last();
        QCOMPARE(stroke.op, u"StrokeAndFillPath"_s);
        QCOMPARE(stroke.penWidth, 3);
        // The clear style, then the colour: setting a colour makes the brush solid.
        QCOMPARE(stroke.brushStyle, SurfaceBrush::Solid);
        QCOMPARE(stroke.brushColor, Colour(0x0000FF));
    }

    void inverseHollowCodeOnTheBand()
    {
        RecordingSurface s;
        drawGlyph(s, 0, 0, u'7', true, BrushStyle::bsClear, 0x0000FF, false, 2);
        const TraceOp stroke = s.ops().last();
        QCOMPARE(stroke.brushStyle, SurfaceBrush::Solid);
        QCOMPARE(stroke.brushColor, clWhite);
        QCOMPARE(stroke.penColor, clWhite);
    }

    void penAndBrushSetUps()
    {
        RecordingSurface s;
        setStrokeStyle(s, 4, BrushStyle::bsClear, 0x00FF00, 0x0000FF);
        QCOMPARE(s.penWidth(), 4);
        QCOMPARE(s.penColor(), Colour(0x0000FF));
        QCOMPARE(s.brushColor(), Colour(0x00FF00));
        QCOMPARE(s.brushStyle(), SurfaceBrush::Clear); // the style set last wins

        setShapeStyle(s, BrushStyle::bsSolid, 6, 0x0000FF, 0x0000FF);
        QCOMPARE(s.brushStyle(), SurfaceBrush::Solid);
        QCOMPARE(s.penWidth(), 6);
        useInnerColours(s, BrushStyle::bsSolid);
        QCOMPARE(s.penColor(), clWhite);
        QCOMPARE(s.brushStyle(), SurfaceBrush::Clear);

        setShapeStyle(s, BrushStyle::bsClear, 6, 0x0000FF, 0x0000FF);
        useInnerColours(s, BrushStyle::bsClear);
        QCOMPARE(s.penColor(), Colour(0x0000FF));
        QCOMPARE(s.brushStyle(), SurfaceBrush::Clear);
    }

    void fontKeeperRestores()
    {
        RecordingSurface s;
        const LogicalFont before = createGlyphFont(10, 5, false, 0, 400, false, "a");
        s.setFont(before);
        {
            FontKeeper keep(s);
            s.setFont(createGlyphFont(30, 15, false, 900, 700, true, "b"));
        }
        QCOMPARE(s.font(), before);
    }
};

QTEST_GUILESS_MAIN(TestGlyph)
#include "tst_glyph.moc"
