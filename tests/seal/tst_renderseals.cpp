// Drawing seals at a scale of their own: where they land, in which colours, and that no seal's
// drawing depends on the seals drawn before it.

#include "testing/testhelpers.h"

#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace qm;
using qm::testing::newSealAt;

namespace {

std::unique_ptr<Seal> pictureElement(float cx, float cy, bool withPicture)
{
    auto s = newSealAt(SealType::stAnyImage, cx, cy, 20, 10);
    s->setHaveImage(true);
    if (withPicture) {
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::black);
        s->loadPictureData(qm::testing::imageBytes(img, "BMP"));
    }
    return s;
}

QList<QByteArray> trace(const QList<const Seal *> &seals, SealColours colours = SealColours::Own)
{
    RecordingSurface surface;
    renderSeals(seals, 4, surface, {3, 5}, colours);
    QList<QByteArray> lines;
    for (const TraceOp &op : surface.ops())
        lines.append(op.toJsonLine(0));
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<qm::Seal>)

class TestRenderSeals : public QObject
{
    Q_OBJECT

private slots:
    void offsetRoundsHalfToEven_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QPoint>("corner");
        // A 20 × 10 mm element at (30, 25) has its box at roundHalfEven(4 × 20) = 80, roundHalfEven(4 × 20) = 80
        // at 4 px/mm; the corner is roundHalfEven(80 + x), roundHalfEven(80 + y).
        QTest::newRow("whole") << 8.0 << -80.0 << QPoint(88, 0);
        QTest::newRow("halves down to even") << -79.5 << 0.5 << QPoint(0, 80);
        QTest::newRow("halves up to even") << -78.5 << 1.5 << QPoint(2, 82);
        QTest::newRow("just past a half") << 0.5000001 << -0.4999999 << QPoint(81, 80);
    }
    void offsetRoundsHalfToEven()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPoint, corner);
        auto s = pictureElement(30, 25, true);
        RecordingSurface surface;
        renderSeals({s.get()}, 4, surface, {x, y}, SealColours::Own);
        const QList<TraceOp> draws = surface.ops(u"StretchDraw"_s);
        QCOMPARE(draws.size(), 1);
        // Size roundHalfEven(4 × 20) × roundHalfEven(4 × 10).
        QCOMPARE(draws[0].args.mid(0, 4), (QList<int>{corner.x(), corner.y(), corner.x() + 80, corner.y() + 40}));
    }

    // Drawing a list is drawing each of its seals alone, one after the other.
    void eachSealStandsAlone_data()
    {
        QTest::addColumn<std::shared_ptr<Seal>>("first");
        QTest::addColumn<std::shared_ptr<Seal>>("second");
        QTest::newRow("a picture, then none") << std::shared_ptr<Seal>(pictureElement(30, 25, true))
                                              << std::shared_ptr<Seal>(pictureElement(60, 40, false));
        // Columns of three, then a single row: the row count and the row flag of the first
        // must not reach the second's box through their setters.
        std::shared_ptr<Seal> columns = newSealAt(SealType::stHorzText, 30, 30, 10, 20);
        columns->setRowCol(false);
        columns->setRowColCount(3);
        columns->setText(Gbk::fromUnicode(u"甲乙丙"_s));
        std::shared_ptr<Seal> row = newSealAt(SealType::stHorzText, 40, 60, 30, 7.5f);
        row->setText(Gbk::fromUnicode(u"示例"_s));
        QTest::newRow("columns, then a row") << columns << row;
        QTest::newRow("a row, then columns") << row << columns;
    }
    void eachSealStandsAlone()
    {
        QFETCH(std::shared_ptr<Seal>, first);
        QFETCH(std::shared_ptr<Seal>, second);
        const QList<QByteArray> alone = trace({first.get()}) + trace({second.get()});
        QVERIFY(!alone.isEmpty());
        QCOMPARE(trace({first.get(), second.get()}), alone);
    }

    void coloursAndSealsUnchanged_data()
    {
        QTest::addColumn<int>("colours");
        QTest::addColumn<uint>("penColor");
        QTest::addColumn<uint>("drawnIn");
        QTest::newRow("own colours") << int(SealColours::Own) << 0xFF0000u << 0xFF0000u;
        QTest::newRow("black") << int(SealColours::Black) << 0xFF0000u << 0u;
        QTest::newRow("white stays white") << int(SealColours::Black) << 0xFFFFFFu << 0xFFFFFFu;
    }
    void coloursAndSealsUnchanged()
    {
        QFETCH(int, colours);
        QFETCH(uint, penColor);
        QFETCH(uint, drawnIn);
        auto s = newSealAt(SealType::stFiveStar, 30, 30, 20, 20);
        s->setPenColor(penColor);
        const int left = s->left(), width = s->width();
        RecordingSurface surface;
        renderSeals({s.get()}, 25, surface, {}, SealColours(colours));
        QVERIFY(!surface.ops().isEmpty());
        for (const TraceOp &op : surface.ops())
            QCOMPARE(op.penColor, Colour(drawnIn));
        QCOMPARE(s->PenColor(), Colour(penColor));
        QCOMPARE(s->BrushColor(), Colour(penColor));
        QCOMPARE(s->PixelsPerMm(), 10.0f);
        QCOMPARE(s->Zoom(), 100);
        QCOMPARE(s->left(), left);
        QCOMPARE(s->width(), width);
    }
};

QTEST_MAIN(TestRenderSeals)
#include "tst_renderseals.moc"
