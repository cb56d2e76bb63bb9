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
        QCOMPARE(page.Zoom(), 100);
        QCOMPARE(double(page.LeftMargin()), 5.0);
        QCOMPARE(double(page.BottomMargin()), 5.0);
        QCOMPARE(double(page.PageWidth()), 0.0);
        QCOMPARE(page.Width(), 0);
        QVERIFY(page.Grid());
    }

    void pixelSize_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // Round(210 * 96 * 100 / 2540) = Round(793.70) and Round(297 * 96 * 100 / 2540) = Round(1122.52)
        QTest::newRow("A4 at 96 ppi") << 96 << 100 << 794 << 1123;
        // Round(210 * 96 * 50 / 2540) = Round(396.85), Round(297 * 96 * 50 / 2540) = Round(561.26)
        QTest::newRow("A4 at half zoom") << 96 << 50 << 397 << 561;
        // Round(210 * 120 * 75 / 2540) = Round(744.09), Round(297 * 120 * 75 / 2540) = Round(1052.36)
        QTest::newRow("A4 at 120 ppi, 75 %") << 120 << 75 << 744 << 1052;
    }
    void pixelSize()
    {
        QFETCH(int, ppi);
        QFETCH(int, zoom);
        QFETCH(int, width);
        QFETCH(int, height);
        PageModel page;
        page.SetPageWidth(210);
        page.SetPageHeight(297);
        page.SetPixelsPerInch(ppi);
        page.SetZoom(zoom);
        QCOMPARE(double(page.PixelsPerMm()), double(ppi * static_cast<long double>(zoom) / 2540));
        QCOMPARE(page.Width(), width);
        QCOMPARE(page.Height(), height);
    }

    void equalValuesDoNothing()
    {
        PageModel page;
        CountingListener listener;
        page.SetPageWidth(210);
        page.setListener(&listener);
        page.SetPageWidth(210);
        page.SetZoom(100);
        page.SetLeftMargin(5);
        page.SetGrid(true);
        QCOMPARE(listener.repaints, 0);
        QCOMPARE(listener.resizes, 0);
        page.SetLeftMargin(6);
        QCOMPARE(listener.repaints, 1);
        QCOMPARE(listener.resizes, 0);
        page.SetZoom(75);
        QCOMPARE(listener.resizes, 1);
    }
};

QTEST_GUILESS_MAIN(TestPageModel)
#include "tst_pagemodel.moc"
