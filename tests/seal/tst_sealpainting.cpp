// The painting frame: colours of Paint and PaintTo, the polarity passed on, unknown kinds.

#include "testing/testhelpers.h"

#include "seal/fontsubstitution.h"
#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QFontDatabase>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;
using namespace qm::testing;

namespace {

struct Spy : SealListener {
    int calls = 0;
    void sealRepaint(Seal &) override { ++calls; }
    void sealGeometryChanged(Seal &) override { ++calls; }
};

// A filled five-pointed star element, 10 x 10 mm at 10 px/mm.
void makeStar(Seal &s, Colour colour)
{
    atTenPixelsPerMm(s, SealType::stFiveStar, 10, 10);
    s.setBrushStyle(BrushStyle::bsSolid);
    s.setPenColor(colour);
}

TraceOp onlyPolygon(const RecordingSurface &r)
{
    const QList<TraceOp> p = r.ops(u"Polygon"_s);
    return p.size() == 1 ? p.first() : TraceOp();
}

} // namespace

class TestSealPainting : public QObject
{
    Q_OBJECT

private slots:
    void paintUsesTheSealsColours()
    {
        Seal s;
        makeStar(s, 0x0000FF);
        s.setBrushColor(0x00FF00);
        RecordingSurface r;
        s.paint(r);
        const TraceOp star = onlyPolygon(r);
        QCOMPARE(star.op, u"Polygon"_s);
        QCOMPARE(star.penColor, Colour(0x0000FF));
        QCOMPARE(star.brushColor, Colour(0x00FF00));
        QCOMPARE(star.points.first(), QPoint(50, 0)); // the top point at the box's centre line
    }

    void paintToDrawsBlackAndRestores()
    {
        Seal s;
        makeStar(s, 0x0000FF);
        s.setBrushColor(0x00FF00);
        Spy spy;
        s.setListener(&spy);
        RecordingSurface r;
        s.paintTo(100, 200, r, false);
        const TraceOp star = onlyPolygon(r);
        QCOMPARE(star.penColor, clBlack);
        QCOMPARE(star.brushColor, clBlack); // the pen colour drags the brush colour
        QCOMPARE(star.points.first(), QPoint(150, 200));
        // The seal is red again and, through the setter, its brush follows its pen.
        QCOMPARE(s.PenColor(), Colour(0x0000FF));
        QCOMPARE(s.BrushColor(), Colour(0x0000FF));
        // Painting never asks the page to paint again.
        QCOMPARE(spy.calls, 0);
    }

    void paintToKeepsColoursOrWhite()
    {
        Seal s;
        makeStar(s, 0x0000FF);
        RecordingSurface kept;
        s.paintTo(0, 0, kept, true);
        QCOMPARE(onlyPolygon(kept).penColor, Colour(0x0000FF));

        Seal w;
        makeStar(w, clWhite);
        RecordingSurface white;
        w.paintTo(0, 0, white, false);
        QCOMPARE(onlyPolygon(white).penColor, clWhite);
    }

    void unknownKindDrawsNothing()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType(24));
        RecordingSurface r;
        s.paint(r);
        QVERIFY(r.ops().isEmpty());
        s.setSealType(SealType(200));
        s.paintTo(0, 0, r, false);
        QVERIFY(r.ops().isEmpty());
    }

    void scaleUsesExtendedPrecision()
    {
        // 0.35 mm at 10 px/mm is 3.5 px in exact arithmetic: the float 0.35f is a little less,
        // 3.4999999, so the pen is 3 — the scale must not round the millimetres first.
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stHorzLine);
        s.setRealWidth(20);
        s.setPenWidth(0.35f);
        RecordingSurface r;
        s.paint(r);
        QCOMPARE(r.ops(u"LineTo"_s).first().penWidth, 3);
        s.setPenWidth(0.25f); // exactly 2.5 px: half to even gives 2
        r.clear();
        s.paint(r);
        QCOMPARE(r.ops(u"LineTo"_s).first().penWidth, 2);
    }

    void storedFacesMapToInstalledCjkFaces_data()
    {
        QTest::addColumn<QString>("face");
        QTest::newRow("song") << u"宋体"_s;
        QTest::newRow("new song") << u"新宋体"_s;
        QTest::newRow("hei") << u"黑体"_s;
        QTest::newRow("kai") << u"楷体"_s;
        QTest::newRow("fangsong") << u"仿宋"_s;
        QTest::newRow("lishu") << u"隶书"_s;
        QTest::newRow("latin name") << u"SimHei"_s;
        QTest::newRow("unknown") << u"华文行楷"_s;
    }
    void storedFacesMapToInstalledCjkFaces()
    {
        QFETCH(QString, face);
        const QString family = FontSubstitution::familyFor(Gbk::fromUnicode(face));
        QVERIFY(!family.isEmpty());
        const QStringList installed = QFontDatabase::families();
        if (installed.isEmpty())
            QSKIP("no fonts installed");
        QVERIFY2(installed.contains(family, Qt::CaseInsensitive), qPrintable(family));
        QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese));
    }
};

QTEST_MAIN(TestSealPainting)
#include "tst_sealpainting.moc"
