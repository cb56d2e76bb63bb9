#include "document/pagemodel.h"

#include <QTest>

using namespace qm;

namespace {
class CountingListener : public PageListener
{
public:
    int repaints = 0;
    int resizes = 0;
    void pageRepaint(PageModel &) override { ++repaints; }
    void pageResized(PageModel &) override { ++resizes; }
};
} // namespace

class TestPageModel : public QObject
{
    Q_OBJECT

private slots:
    void newPage()
    {
        PageModel page;
        QCOMPARE(page.zoom(), 100);
        QCOMPARE(double(page.leftMargin()), 5.0);
        QCOMPARE(double(page.bottomMargin()), 5.0);
        QCOMPARE(double(page.pageWidth()), 0.0);
        QCOMPARE(page.width(), 0);
        QVERIFY(page.grid());
    }

    void pixelSize_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // roundHalfEven(210 * 96 * 100 / 2540) = roundHalfEven(793.70) and roundHalfEven(297 * 96 * 100 / 2540) =
        // roundHalfEven(1122.52)
        QTest::newRow("A4 at 96 ppi") << 96 << 100 << 794 << 1123;
        // roundHalfEven(210 * 96 * 50 / 2540) = roundHalfEven(396.85), roundHalfEven(297 * 96 * 50 / 2540) =
        // roundHalfEven(561.26)
        QTest::newRow("A4 at half zoom") << 96 << 50 << 397 << 561;
        // roundHalfEven(210 * 120 * 75 / 2540) = roundHalfEven(744.09), roundHalfEven(297 * 120 * 75 / 2540) =
        // roundHalfEven(1052.36)
        QTest::newRow("A4 at 120 ppi, 75 %") << 120 << 75 << 744 << 1052;
    }
    void pixelSize()
    {
        QFETCH(int, ppi);
        QFETCH(int, zoom);
        QFETCH(int, width);
        QFETCH(int, height);
        PageModel page;
        page.setPageWidth(210);
        page.setPageHeight(297);
        page.setPixelsPerInch(ppi);
        page.setZoom(zoom);
        QCOMPARE(double(page.pixelsPerMm()), double(ppi * static_cast<long double>(zoom) / 2540));
        QCOMPARE(page.width(), width);
        QCOMPARE(page.height(), height);
    }

    void equalValuesDoNothing()
    {
        PageModel page;
        CountingListener listener;
        page.setPageWidth(210);
        page.setListener(&listener);
        page.setPageWidth(210);
        page.setZoom(100);
        page.setLeftMargin(5);
        page.setGrid(true);
        QCOMPARE(listener.repaints, 0);
        QCOMPARE(listener.resizes, 0);
        page.setLeftMargin(6);
        QCOMPARE(listener.repaints, 1);
        QCOMPARE(listener.resizes, 0);
        page.setZoom(75);
        QCOMPARE(listener.resizes, 1);
    }
};

QTEST_GUILESS_MAIN(TestPageModel)
#include "tst_pagemodel.moc"
