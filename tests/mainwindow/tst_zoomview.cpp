// The detail view: its zoom, picture and place worked out from the screen and the selection's
// box, the seals drawn afresh at that zoom, the strip and its line, a click that closes it, and
// the main window's command that makes it.

#include "mainwindowtesting.h"

#include "mainwindow/detailview.h"
#include "testing/testhelpers.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using namespace qm;

Q_DECLARE_METATYPE(qm::SelectionBox)

namespace {

SelectionBox boxOf(long double left, long double top, long double width, long double height)
{
    SelectionBox box;
    box.left = left;
    box.top = top;
    box.right = left + width;
    box.bottom = top + height;
    box.notEmpty = true;
    return box;
}

int inkPixels(const QImage &image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 150 && c.green() < 100 && c.blue() < 100)
                ++ink;
    return ink;
}

} // namespace

class TestZoomView : public QObject
{
    Q_OBJECT

private slots:
    // w = width − 12, h = height − P div 4 − 12; z = roundHalfEven(min(h / (height mm × p), w / (width mm
    // × p)) × 100), halves to even; e = z p / 100; picture = roundHalfEven(mm × e) + 4 each way; x =
    // (width − picture) div 2 + 2, y = (height − strip − picture − 2) div 2 + strip + 2.
    void layout_data()
    {
        QTest::addColumn<SelectionBox>("box");
        QTest::addColumn<double>("p");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("position");
        const double p96 = 96 / 25.4;
        // w 1012, h 732: 1012 × 25.4 / (40 × 96) = 6.6940 beats 732 × 25.4 / (20 × 96) = 9.6838;
        // z 669, e = 669 × 96 / 2540 = 25.2850: 40e = 1011.40, 20e = 505.70.
        QTest::newRow("40 x 20 mm, 1024 x 768 at 96") << boxOf(10, 30, 40, 20) << p96 << QSize(1024, 768) << 96 << 24
                                                      << 669 << QSize(1015, 510) << QPoint(6, 142);
        // P 100: strip 25, h 731; y = (768 - 25 - 510 - 2) div 2 + 27 = 115 + 27.
        QTest::newRow("strip of P 100") << boxOf(10, 30, 40, 20) << p96 << QSize(1024, 768) << 100 << 25 << 669
                                        << QSize(1015, 510) << QPoint(6, 142);
        // Tall: 732 × 25.4 / (40 × 96) = 4.841875, z 484, e = 18.2929: 20e = 365.86, 40e = 731.72.
        QTest::newRow("20 x 40 mm, by the height")
            << boxOf(0, 0, 20, 40) << p96 << QSize(1024, 768) << 96 << 24 << 484 << QSize(370, 736) << QPoint(329, 29);
        // A box of no height fits by its width alone.
        QTest::newRow("no height") << boxOf(10, 30, 40, 0) << p96 << QSize(1024, 768) << 96 << 24 << 669
                                   << QSize(1015, 4) << QPoint(6, 395);
        // A box of no width by its height: 9.6838 → 968, e = 36.5858, 20e = 731.72.
        QTest::newRow("no width") << boxOf(10, 30, 0, 20) << p96 << QSize(1024, 768) << 96 << 24 << 968 << QSize(4, 736)
                                  << QPoint(512, 29);
        // Exact halves: 1000 / (800 × 10) = 0.125 → 12.5 → 12; e 1.2: 960 and 120.
        QTest::newRow("12.5 % goes to 12") << boxOf(0, 0, 800, 100) << 10.0 << QSize(1012, 768) << 96 << 24 << 12
                                           << QSize(964, 124) << QPoint(26, 335);
        // 300 / (80 × 10) = 0.375 → 37.5 → 38; e 3.8: 304 and 152.
        QTest::newRow("37.5 % goes to 38")
            << boxOf(0, 0, 80, 40) << 10.0 << QSize(312, 768) << 96 << 24 << 38 << QSize(308, 156) << QPoint(4, 319);
    }
    void layout()
    {
        QFETCH(SelectionBox, box);
        QFETCH(double, p);
        QFETCH(QSize, client);
        QFETCH(int, ppi);
        QFETCH(int, strip);
        QFETCH(int, zoom);
        QFETCH(QSize, picture);
        QFETCH(QPoint, position);
        const std::optional<DetailViewLayout> l = detailViewLayout(box, p, client, ppi);
        QVERIFY(l);
        QCOMPARE(l->stripHeight, strip);
        QCOMPARE(l->zoom, zoom);
        QCOMPARE(double(l->pixelsPerMm), zoom * p / 100);
        QCOMPARE(l->picture, picture);
        QCOMPARE(l->picturePosition, position);
    }

    // Nothing to show: no box, a box of neither width nor height (its zoom would be infinite),
    // a screen with no room, no scale.
    void nothingToShow_data()
    {
        QTest::addColumn<SelectionBox>("box");
        QTest::addColumn<double>("p");
        QTest::addColumn<QSize>("client");
        QTest::newRow("empty") << SelectionBox() << 4.0 << QSize(1024, 768);
        QTest::newRow("a point") << boxOf(10, 10, 0, 0) << 4.0 << QSize(1024, 768);
        QTest::newRow("no room") << boxOf(10, 10, 40, 20) << 4.0 << QSize(12, 768);
        QTest::newRow("no scale") << boxOf(10, 10, 40, 20) << 0.0 << QSize(1024, 768);
    }
    void nothingToShow()
    {
        QFETCH(SelectionBox, box);
        QFETCH(double, p);
        QFETCH(QSize, client);
        QVERIFY(!detailViewLayout(box, p, client, 96));
    }

    // A 40 × 20 mm seal at 10 pixels per millimetre: w 1012 / 400 = 2.53 beats 732 / 200; z 253,
    // e 25.3, picture 1016 × 510 at (4 + 2, 116 + 26).
    void viewOfSeals()
    {
        auto seal = testing::newSealAt(SealType::stRect, 50, 40, 40, 20);
        const QRect before(seal->left(), seal->top(), seal->width(), seal->height());
        const std::unique_ptr<DetailView> view = DetailView::create({seal.get()}, 10, QRect(0, 0, 1024, 768), 96);
        QVERIFY(view);
        QCOMPARE(view->layout().zoom, 253);
        QCOMPARE(view->picture().size(), QSize(1016, 510));
        QCOMPARE(view->layout().picturePosition, QPoint(6, 142));
        QCOMPARE(view->strip()->text(), u"当前放大倍数是： 253%"_s);
        QCOMPARE(view->strip()->geometry(), QRect(0, 0, 1024, 24));
        QCOMPARE(view->size(), QSize(1024, 768));
        QVERIFY(view->windowFlags().testFlag(Qt::FramelessWindowHint));
        // The seal's own scale and box are untouched; the picture has its ink.
        QCOMPARE(seal->PixelsPerMm(), 10.0f);
        QCOMPARE(seal->Zoom(), 100);
        QCOMPARE(QRect(seal->left(), seal->top(), seal->width(), seal->height()), before);
        const QImage &picture = view->picture();
        QVERIFY(inkPixels(picture) > 1000);

        // On the window: the pink line of width 2 right under the strip, the picture in place.
        const QImage shown = view->grab().toImage();
        const QColor pink(0xFF, 0x80, 0xC0);
        QCOMPARE(shown.pixelColor(500, 24), pink);
        QCOMPARE(shown.pixelColor(500, 25), pink);
        QCOMPARE(shown.pixelColor(500, 26), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(1000, 23), QColor(Qt::white));
        QCOMPARE(shown.copy(QRect(QPoint(6, 142), picture.size())), picture.convertToFormat(shown.format()));
    }

    void clickCloses_data()
    {
        QTest::addColumn<bool>("onStrip");
        QTest::newRow("picture") << false;
        QTest::newRow("strip") << true;
    }
    void clickCloses()
    {
        QFETCH(bool, onStrip);
        auto seal = testing::newSealAt(SealType::stEllipse, 50, 50, 40, 40);
        const std::unique_ptr<DetailView> view = DetailView::create({seal.get()}, 10, QRect(0, 0, 800, 600), 96);
        QVERIFY(view);
        view->show();
        QVERIFY(view->isVisible());
        QWidget *target = onStrip ? static_cast<QWidget *>(view->strip()) : view.get();
        QTest::mouseClick(target, Qt::LeftButton, {}, onStrip ? QPoint(100, 10) : QPoint(400, 300));
        QVERIFY(!view->isVisible());
    }

    // The command views the active document's selection; without one it does nothing.
    void mainWindowCommand()
    {
        Start s;
        MainWindow &w = s.create();
        QVERIFY(!w.buildDetailView());
        w.showDetailView(); // no document: nothing, and nothing blocks
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        QVERIFY(child);
        addSeal(*child, 50);
        addSeal(*child, 90);
        child->document().setSelection({});
        QVERIFY(!w.buildDetailView());
        w.showDetailView();
        SealDocument &doc = child->document();
        doc.setSelection({doc.seals().at(0).get(), doc.seals().at(1).get()});
        const float ppm = doc.seals().at(0)->PixelsPerMm();
        const bool modified = doc.isModified();
        const std::unique_ptr<DetailView> view = w.buildDetailView();
        QVERIFY(view);
        QVERIFY(view->layout().zoom > 0);
        QVERIFY(view->strip()->text().startsWith(u"当前放大倍数是： "_s));
        QVERIFY(view->strip()->text().endsWith(u'%'));
        QVERIFY(inkPixels(view->picture()) > 100);
        QCOMPARE(doc.seals().at(0)->PixelsPerMm(), ppm);
        QCOMPARE(doc.isModified(), modified);
    }
};

QTEST_MAIN(TestZoomView)
#include "tst_zoomview.moc"
