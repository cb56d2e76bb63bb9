// Lining up seals: edges, centre lines and equal gaps, worked out on three boxes by hand.

#include "document/sealalignment.h"
#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QTest>
#include <QUndoStack>

using namespace qm;

Q_DECLARE_METATYPE(qm::SealAlignment)

namespace {

// A: 10…30 × 20…30, B: 40…50 × 5…45, C: 70…100 × 50…60; together 10…100 × 5…60.
const std::vector<MmBox> Boxes = {{10, 20, 30, 30}, {40, 5, 50, 45}, {70, 50, 100, 60}};

using Centres = QList<QPointF>;

} // namespace

class TestSealAlignment : public QObject
{
    Q_OBJECT

private slots:
    void centres_data()
    {
        QTest::addColumn<SealAlignment>("how");
        QTest::addColumn<Centres>("expected");
        // Unmoved centres: (20, 25), (45, 25), (85, 55).
        QTest::newRow("left: 10 + half width")
            << SealAlignment::Left << Centres{{10 + 10, 25}, {10 + 5, 25}, {10 + 15, 55}};
        QTest::newRow("right: 100 - half width")
            << SealAlignment::Right << Centres{{100 - 10, 25}, {100 - 5, 25}, {100 - 15, 55}};
        QTest::newRow("top: 5 + half height") << SealAlignment::Top << Centres{{20, 5 + 5}, {45, 5 + 20}, {85, 5 + 5}};
        QTest::newRow("bottom: 60 - half height")
            << SealAlignment::Bottom << Centres{{20, 60 - 5}, {45, 60 - 20}, {85, 60 - 5}};
        QTest::newRow("centres on x = (10 + 100) / 2")
            << SealAlignment::HorizontalCentres << Centres{{55, 25}, {55, 25}, {55, 55}};
        QTest::newRow("centres on y = (5 + 60) / 2")
            << SealAlignment::VerticalCentres << Centres{{20, 32.5}, {45, 32.5}, {85, 32.5}};
        // Widths 20 + 10 + 30 in a span of 90: two gaps of 15; A stays at 10, C at 100.
        QTest::newRow("equal horizontal gaps")
            << SealAlignment::SpaceHorizontally << Centres{{20, 25}, {30 + 15 + 5, 25}, {85, 55}};
        // Top order B, A, C; heights 40 + 10 + 10 in a span of 55: the gaps are -2.5 each.
        QTest::newRow("equal vertical gaps, overlapping")
            << SealAlignment::SpaceVertically << Centres{{20, 45 - 2.5 + 5}, {45, 25}, {85, 55}};
    }
    void centres()
    {
        QFETCH(SealAlignment, how);
        QFETCH(Centres, expected);
        const std::vector<MmPoint> got = alignedCentres(Boxes, how);
        QCOMPARE(got.size(), size_t(3));
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(double(got[i].x), expected.at(qsizetype(i)).x());
            QCOMPARE(double(got[i].y), expected.at(qsizetype(i)).y());
        }
    }

    // Spacing needs three seals, lining up two; fewer keep their centres.
    void tooFew()
    {
        const std::vector<MmBox> two(Boxes.begin(), Boxes.begin() + 2);
        const std::vector<MmPoint> spaced = alignedCentres(two, SealAlignment::SpaceHorizontally);
        QCOMPARE(double(spaced[1].x), 45.0);
        const std::vector<MmPoint> one = alignedCentres({Boxes[2]}, SealAlignment::Left);
        QCOMPARE(double(one[0].x), 85.0);
        QCOMPARE(sealsNeededFor(SealAlignment::Left), 2);
        QCOMPARE(sealsNeededFor(SealAlignment::SpaceVertically), 3);
    }

    // On a document: one undo step over the selection, undone as a whole; one seal is no edit.
    void documentStep()
    {
        SealDocument doc;
        const float xs[3] = {20, 45, 85};
        const float widths[3] = {20, 10, 30};
        for (int i = 0; i < 3; ++i) {
            auto seal = doc.createSeal();
            seal->setSealType(SealType::stRect);
            seal->setRealWidth(widths[i]);
            seal->setRealHeight(10);
            seal->setRealCenterX(xs[i]);
            seal->setRealCenterY(25);
            doc.appendCreatedSeal(std::move(seal));
        }
        doc.clearHistory();
        QVERIFY(!alignSelection(doc, SealAlignment::Left)); // one seal selected
        doc.setSelection({doc.seals()[0].get(), doc.seals()[2].get()});
        QVERIFY(alignSelection(doc, SealAlignment::Left));
        QCOMPARE(doc.undoStack().count(), 1);
        QCOMPARE(doc.undoStack().text(0), QStringLiteral("左对齐"));
        QCOMPARE(doc.seals()[2]->RealCenterX(), 10.0f + 15.0f);
        QCOMPARE(doc.seals()[1]->RealCenterX(), 45.0f); // not selected
        QVERIFY(doc.isModified());
        doc.undoStack().undo();
        QCOMPARE(doc.seals()[2]->RealCenterX(), 85.0f);
        QVERIFY(!doc.isModified());
        QVERIFY(!alignSelection(doc, SealAlignment::SpaceHorizontally)); // two seals
    }

    // Seals whose width and height differ: P 20 × 40 mm at (30, 50) spans 20…40 × 30…70,
    // Q 50 × 10 mm at (100, 80) spans 75…125 × 75…85. Taking one axis for the other would show.
    void documentBoxes_data()
    {
        QTest::addColumn<SealAlignment>("how");
        QTest::addColumn<Centres>("expected");
        QTest::newRow("left 20") << SealAlignment::Left << Centres{{30, 50}, {20 + 25, 80}};
        QTest::newRow("right 125") << SealAlignment::Right << Centres{{125 - 10, 50}, {100, 80}};
        QTest::newRow("top 30") << SealAlignment::Top << Centres{{30, 50}, {100, 30 + 5}};
        QTest::newRow("bottom 85") << SealAlignment::Bottom << Centres{{30, 85 - 20}, {100, 80}};
        QTest::newRow("centres on x = (20 + 125) / 2")
            << SealAlignment::HorizontalCentres << Centres{{72.5, 50}, {72.5, 80}};
        QTest::newRow("centres on y = (30 + 85) / 2")
            << SealAlignment::VerticalCentres << Centres{{30, 57.5}, {100, 57.5}};
    }
    void documentBoxes()
    {
        QFETCH(SealAlignment, how);
        QFETCH(Centres, expected);
        SealDocument doc;
        const float sizes[2][4] = {{20, 40, 30, 50}, {50, 10, 100, 80}}; // width, height, x, y
        for (const auto &size : sizes) {
            auto seal = doc.createSeal();
            seal->setSealType(SealType::stRect);
            seal->setRealWidth(size[0]);
            seal->setRealHeight(size[1]);
            seal->setRealCenterX(size[2]);
            seal->setRealCenterY(size[3]);
            QCOMPARE(seal->RealHeight(), size[1]);
            doc.appendCreatedSeal(std::move(seal));
        }
        doc.setSelection({doc.seals()[0].get(), doc.seals()[1].get()});
        QVERIFY(alignSelection(doc, how));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(double(doc.seals()[size_t(i)]->RealCenterX()), expected.at(i).x());
            QCOMPARE(double(doc.seals()[size_t(i)]->RealCenterY()), expected.at(i).y());
        }
    }
};

QTEST_GUILESS_MAIN(TestSealAlignment)
#include "tst_sealalignment.moc"
