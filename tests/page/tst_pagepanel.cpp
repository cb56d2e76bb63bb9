// The page on screen: its size, grid and margins, the grab handles' geometry, the layout of the
// page in its window and the position readout.

#include "pagetesting.h"

#include "page/grabhandles.h"
#include "page/pagepanel.h"
#include "page/pagesheet.h"
#include "page/sealimagecache.h"

#include <QScreen>
#include <QScrollBar>

#include <chrono>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

QImage grabPage(PageModel &page)
{
    PagePanel panel(page);
    return panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int countInColumn(const QImage &img, int x, int fromY, int toY, QRgb colour)
{
    int n = 0;
    for (int y = fromY; y <= toY; ++y)
        n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

bool hasDarkPixel(const QImage &img, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() < 128 && c.green() < 128 && c.blue() < 128)
                return true;
        }
    return false;
}

PageModel a4(int zoom, long double margin)
{
    PageModel page;
    page.setPixelsPerInch(96);
    page.setZoom(zoom);
    page.setPageWidth(210);
    page.setPageHeight(297);
    page.setLeftMargin(margin);
    page.setTopMargin(margin);
    page.setRightMargin(margin);
    page.setBottomMargin(margin);
    return page;
}

// The visible part of the window's page as the screen shows it, and as a grab renders it.
QRect visiblePart(const DocumentWindow &w)
{
    return w.pagePanel()->visibleRegion().boundingRect();
}

QImage pageOnScreen(DocumentWindow &w)
{
    const QRect part = visiblePart(w);
    const QPoint at = w.pagePanel()->mapTo(&w, part.topLeft());
    return w.screen()
        ->grabWindow(w.winId(), at.x(), at.y(), part.width(), part.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QImage pageRendered(DocumentWindow &w)
{
    return w.pagePanel()->grab(visiblePart(w)).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestPagePanel : public QObject
{
    Q_OBJECT

private slots:
    void pageSize_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QSize>("size");
        // 210 and 297 mm times 96 * zoom / 2540, rounded.
        QTest::newRow("100") << 100 << QSize(794, 1123); // 793.70, 1122.52
        QTest::newRow("75") << 75 << QSize(595, 842);    // 595.28, 841.89
        QTest::newRow("50") << 50 << QSize(397, 561);    // 396.85, 561.26
    }
    void pageSize()
    {
        QFETCH(int, zoom);
        QFETCH(QSize, size);
        PageModel page = a4(zoom, 5);
        PagePanel panel(page);
        QCOMPARE(panel.size(), size);
        QCOMPARE(panel.accessibleName(), u"页面"_s);
    }

    // At 75 % (2.8346 px/mm) the 1 cm line at x = 28 is solid and numbered, the 5 mm line at
    // x = 14 dotted.
    void gridAbove50()
    {
        PageModel page = a4(75, 0);
        const QImage img = grabPage(page);
        QCOMPARE(countInColumn(img, 28, 20, 800, GridColour), 781);
        const int grey = countInColumn(img, 14, 20, 800, GridColour);
        QVERIFY(grey > 100);
        QVERIFY(grey < 700);
        QVERIFY(hasDarkPixel(img, QRect(29, 0, 10, 12))); // "1" over the line at 28
        QVERIFY(hasDarkPixel(img, QRect(1, 28, 10, 12)));
        QVERIFY(hasDarkPixel(img, QRect(58, 0, 10, 12))); // "2" at roundHalfEven(20 * 2.8346) + 1
    }

    // At 50 % (1.8898 px/mm) only solid centimetre lines: x = 19, 38, …; the column at 9, where
    // a 5 mm line would be, is crossed only by the 29 horizontal lines up to 290 mm (row 548).
    void gridAt50()
    {
        PageModel page = a4(50, 0);
        const QImage img = grabPage(page);
        QCOMPARE(countInColumn(img, 19, 1, 559, GridColour), 559);
        QCOMPARE(countInColumn(img, 9, 1, 559, GridColour), 29);
        QVERIFY(!hasDarkPixel(img, img.rect()));
    }

    // Margins of 5 mm at 100 %: roundHalfEven(18.90) = 19, so the box [19, 775) x [19, 1104).
    void marginRectangle()
    {
        PageModel page = a4(100, 5);
        page.setGrid(false);
        const QImage img = grabPage(page);
        QVERIFY(countInColumn(img, 19, 19, 1103, MarginColour) > 100);
        QVERIFY(countInColumn(img, 774, 19, 1103, MarginColour) > 100);
        QCOMPARE(countInColumn(img, 18, 0, 1122, MarginColour), 0);
        QCOMPARE(countInColumn(img, 775, 0, 1122, MarginColour), 0);
    }

    void handleGeometry_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("position");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("cursor");
        // Box (100, 50, 81, 41): half a handle is ppi div 24.
        QTest::newRow("96 bottom-left") << 96 << 0 << QRect(96, 87, 8, 8) << int(Qt::SizeBDiagCursor);
        QTest::newRow("96 top-middle") << 96 << 3 << QRect(136, 46, 8, 8) << int(Qt::SizeVerCursor);
        QTest::newRow("96 middle-right") << 96 << 5 << QRect(177, 66, 8, 8) << int(Qt::SizeHorCursor);
        QTest::newRow("120 bottom-right") << 120 << 6 << QRect(176, 86, 10, 10) << int(Qt::SizeFDiagCursor);
        QTest::newRow("120 top-left") << 120 << 2 << QRect(95, 45, 10, 10) << int(Qt::SizeFDiagCursor);
    }
    void handleGeometry()
    {
        QFETCH(int, ppi);
        QFETCH(int, position);
        QFETCH(QRect, bounds);
        QFETCH(int, cursor);
        Seal seal;
        seal.setBounds(100, 50, 81, 41);
        GrabHandles handles(&seal, ppi);
        QCOMPARE(handles.bounds(position), bounds);
        QCOMPARE(handles.handleAt(bounds.center()), position);
        QCOMPARE(int(GrabHandles::cursor(position)), cursor);
        handles.hideHandles();
        QCOMPARE(handles.handleAt(bounds.center()), -1);
    }

    void resizedBox_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QRect>("box");
        const QRect seal(76, 76, 76, 76); // right and bottom edges at 152
        QTest::newRow("right past left edge") << 5 << QPoint(36, 114) << QRect(36, 76, 40, 76);
        QTest::newRow("top-left past bottom-right") << 2 << QPoint(200, 190) << QRect(152, 152, 48, 38);
        QTest::newRow("bottom up") << 7 << QPoint(0, 100) << QRect(76, 76, 76, 24);
        QTest::newRow("bottom-left keeps top and right") << 0 << QPoint(70, 160) << QRect(70, 76, 82, 84);
    }
    void resizedBox()
    {
        QFETCH(int, position);
        QFETCH(QPoint, anchor);
        QFETCH(QRect, box);
        QCOMPARE(GrabHandles::resizedBox(position, QRect(76, 76, 76, 76), anchor), box);
    }

    void positionText_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QString>("text");
        // roundHalfEven(pixels * 1000 / (zoom * ppi / 25.4)) tenths of a millimetre.
        QTest::newRow("96 px") << 96 << 100 << 96 << u"25.4"_s;
        QTest::newRow("192 px") << 192 << 100 << 96 << u"50.8"_s;
        QTest::newRow("whole mm") << 378 << 100 << 96 << u"100"_s; // 1000.12 tenths
        QTest::newRow("zero") << 0 << 100 << 96 << u"0"_s;
        QTest::newRow("200 %") << 96 << 200 << 96 << u"12.7"_s;
        QTest::newRow("120 ppi") << 120 << 100 << 120 << u"25.4"_s;
    }
    void positionText()
    {
        QFETCH(int, pixels);
        QFETCH(int, zoom);
        QFETCH(int, ppi);
        QFETCH(QString, text);
        QCOMPARE(DocumentWindow::positionText(pixels, zoom, float(ppi / 25.4)), text);
    }

    void pageCentredInWindow_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("fits");
        QTest::newRow("fits") << 50 << true;
        QTest::newRow("larger") << 200 << false;
    }
    void pageCentredInWindow()
    {
        QFETCH(int, zoom);
        QFETCH(bool, fits);
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(901, 800)));
        w->zoomPage(zoom);
        const QWidget *page = w->pagePanel();
        const QSize client = w->viewport()->size();
        const QPoint at = fits ? QPoint((client.width() - page->width()) / 2,
                                        roundHalfEven((client.height() - page->height()) / 2.0L))
                               : QPoint(1, 1);
        QCOMPARE(page->pos(), at);
        QCOMPARE(w->pageBack()->geometry(), QRect(at + QPoint(3, 3), page->size()));
        QVERIFY(page->isVisible());
    }

    void zoomKeepsScrollProportion()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 500)));
        QScrollBar *bar = w->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const long double part = static_cast<long double>(bar->value()) / bar->maximum();
        w->zoomPage(200);
        QCOMPARE(bar->value(), roundHalfEven(bar->maximum() * part));
        QVERIFY(w->updatesEnabled()); // suspended only while zooming
        // A page that fitted had no range: the view starts at the top.
        w->zoomPage(25);
        QCOMPARE(bar->maximum(), 0);
        w->zoomPage(100);
        QCOMPARE(bar->value(), 0);
    }

    // Seals keep their pictures across changes of the list; a moved seal's ink leaves its old
    // place.
    void picturesFollowTheSeals()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host));
        const PagePanel *page = w->pagePanel();
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30); // 76 … 152 both ways
        addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        QImage img = w->pagePanel()->grab().toImage();
        QCOMPARE(page->cache().size(), size_t(2));
        auto red = [&](int x, int y) { return img.pixelColor(x, y) == QColor(255, 0, 0); };
        QVERIFY(red(77, 100)); // on the frame's left side, 1.2 mm wide
        addSeal(*w, SealType::stName22, 20, 20, 30, 80);
        QCOMPARE(page->cache().size(), size_t(2)); // the others kept, the new one not yet painted
        drag(*w, QPoint(100, 100), QPoint(138, 100));
        img = w->pagePanel()->grab().toImage();
        QCOMPARE(page->cache().size(), size_t(3));
        QCOMPARE(boxOf(a).left(), 114);
        QVERIFY(!red(77, 100));
        QVERIFY(red(115, 100));
        w->deleteSelection();
        QCOMPARE(page->cache().size(), size_t(2));
    }

    // Dragging a seal repaints where it was and where it goes, not the whole page: a page of
    // thousands of seals painted straight would rebuild itself after every drag.
    void dragRepaintsAroundTheSeal()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        page->setDoubleBuffered(false);
        addSeal(*w, SealType::stName22, 20, 20, 30, 30); // 76 … 152 both ways
        Seal *far = addSeal(*w, SealType::stName22, 20, 20, 100, 80);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY(!page->paintPending());
        struct Painted : QObject {
            QRegion region;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    region += static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } painted;
        page->installEventFilter(&painted);
        drag(*w, QPoint(100, 100), QPoint(138, 100));
        QTRY_VERIFY(!painted.region.isEmpty());
        QTRY_VERIFY(!page->paintPending());
        QVERIFY(painted.region.contains(QPoint(77, 100)));  // where it was
        QVERIFY(painted.region.contains(QPoint(189, 100))); // where it went
        QVERIFY(!painted.region.intersects(boxOf(far)));
    }

    // A seal's picture is painted for the screen's pixel ratio; when the window moves to a screen
    // with another ratio it is painted again rather than stretched.
    void picturesFollowThePixelRatio()
    {
        Seal seal;
        seal.setPixelsPerMm(float(96 / 25.4));
        seal.setZoom(100);
        seal.setRealWidth(20);  // 75.59 pixels: 76
        seal.setRealHeight(10); // 37.80: 38
        SealImageCache cache;
        QCOMPARE(cache.image(seal, 1).size(), QSize(76, 38));
        const QImage sharp = cache.image(seal, 2);
        QCOMPARE(sharp.size(), QSize(152, 76));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        // 1.25 × 76 = 95 and 1.25 × 38 = 47.5, a part pixel counting whole.
        QCOMPARE(cache.image(seal, 1.25).size(), QSize(95, 48));
        QCOMPARE(cache.image(seal, 1).size(), QSize(76, 38));
    }

    // The pool drops the picture used least recently; the others stay as they were painted.
    void picturePoolDropsTheLeastRecentlyUsed()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host));
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        Seal *c = addSeal(*w, SealType::stName22, 20, 20, 130, 30);
        const qint64 one = qint64(boxOf(a).width()) * boxOf(a).height();
        SealPicturePool pool(2 * one); // room for two of them
        SealImageCache cache(pool);
        const qint64 keyA = cache.image(*a, 1).cacheKey();
        cache.image(*b, 1);
        QCOMPARE(cache.image(*a, 1).cacheKey(), keyA); // a is now the more recent
        const qint64 keyC = cache.image(*c, 1).cacheKey();
        QCOMPARE(pool.pixels(), 2 * one);
        QCOMPARE(cache.pictureCount(), size_t(2));
        QCOMPARE(cache.image(*a, 1).cacheKey(), keyA); // b went, not a
        cache.image(*b, 1);                            // painted again: c goes
        QVERIFY(cache.image(*c, 1).cacheKey() != keyC);
        QCOMPARE(cache.size(), size_t(3)); // every seal keeps its box
        QCOMPARE(cache.lastBox(*a), boxOf(a));
        cache.forget(a);
        cache.clear();
        QCOMPARE(pool.pixels(), 0);
        QCOMPARE(pool.pictureCount(), size_t(0));
    }

    // A page of many seals never keeps more than its pool, and every seal is still drawn.
    void pagePicturesStayWithinThePool()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host));
        std::vector<Seal *> seals;
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 4; ++col)
                seals.push_back(addSeal(*w, SealType::stName22, 20, 20, 30 + 45 * col, 30 + 45 * row));
        const qint64 one = qint64(boxOf(seals[0]).width()) * boxOf(seals[0]).height();
        SealPicturePool pool(3 * one);
        w->pagePanel()->setPicturePool(pool);
        // A part of the page with three seals keeps their pictures; the whole page, whose
        // pictures the pool cannot hold, is painted straight and keeps none beyond the bound.
        const QRect firstRow = boxOf(seals[0]) | boxOf(seals[2]);
        w->pagePanel()->grab(firstRow);
        QCOMPARE(pool.pictureCount(), size_t(3));
        for (int pass = 0; pass < 2; ++pass) {
            const QImage img = w->pagePanel()->grab().toImage();
            QVERIFY(pool.pixels() <= 3 * one);
            for (const Seal *s : seals) // the frame's left side, 1.2 mm wide
                QCOMPARE(img.pixelColor(boxOf(s).left() + 1, boxOf(s).center().y()), QColor(255, 0, 0));
        }
        w->pagePanel()->setPicturePool(SealPicturePool::shared());
        QCOMPARE(pool.pixels(), 0);
    }

    // On screen the page makes the missing pictures a slice at a time, showing the rest by
    // their old pictures meanwhile; in the end the screen shows what a complete paint shows,
    // stacked in list order. Negative seals stack over positive ones, so order shows.
    // Not double buffered, the seals are painted straight onto the screen a few at a time, each
    // slice over what the one before left; a change between slices starts the page afresh.
    void slicedPaintEndsAsACompletePaint_data()
    {
        QTest::addColumn<bool>("doubleBuffered");
        QTest::addColumn<bool>("zoomStep");
        QTest::addColumn<int>("poolPictures");
        QTest::addColumn<bool>("editBetweenSlices");
        QTest::newRow("first paint") << true << false << 0 << false;
        QTest::newRow("zoom step, old pictures stand in") << true << true << 0 << false;
        QTest::newRow("pool smaller than the page") << true << false << 3 << false;
        QTest::newRow("straight, first paint") << false << false << 0 << false;
        QTest::newRow("straight, zoom step") << false << true << 0 << false;
        QTest::newRow("straight, seals edited between slices") << false << false << 0 << true;
    }
    void slicedPaintEndsAsACompletePaint()
    {
        QFETCH(bool, doubleBuffered);
        QFETCH(bool, zoomStep);
        QFETCH(int, poolPictures);
        QFETCH(bool, editBetweenSlices);
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        page->setDoubleBuffered(doubleBuffered);
        page->setPaintBudget(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
        const SealType kinds[] = {SealType::stEllipse, SealType::stName22, SealType::stRect};
        std::vector<Seal *> seals;
        for (int i = 0; i < 12; ++i) {
            Seal *s = addSeal(*w, kinds[i % 3], 20, i % 3 == 2 ? 12 : 20, float(25 + 5 * i), float(25 + 4 * i));
            if (i % 4 == 1)
                s->setBrushStyle(BrushStyle::bsSolid);
            seals.push_back(s);
        }
        const qint64 one = qint64(boxOf(seals[0]).width()) * boxOf(seals[0]).height();
        SealPicturePool pool(poolPictures * one);
        if (poolPictures > 0)
            page->setPicturePool(pool);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        if (zoomStep) {
            QTRY_VERIFY(!page->paintPending());
            w->zoomPage(110);
            QCOMPARE(page->cache().standIn(*seals[0]) != nullptr, doubleBuffered);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            QVERIFY(page->paintPending()); // a paint without budget made no picture, or painted a few seals
            QCOMPARE(page->cache().standIn(*seals[0]) != nullptr, doubleBuffered);
        }
        if (editBetweenSlices) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            QVERIFY(page->paintPending());
            seals[7]->setBrushStyle(BrushStyle::bsSolid); // in the middle of the stack
            w->document().selectSeal(seals[2]);           // seals after it move up the list
            QVERIFY(w->document().deleteSelection());
            seals.erase(seals.begin() + 2);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!page->paintPending(), 20000);
        QTRY_COMPARE(pageOnScreen(*w), pageRendered(*w));
        if (poolPictures > 0) {
            QVERIFY(pool.pixels() <= pool.maxPixels());
            page->setPicturePool(SealPicturePool::shared());
        }
    }

    // Another page takes the pool's room before every paint, so the slices never finish: the
    // last repaint does not make every lacking picture itself at once (a freeze on a large page)
    // but paints the seals straight, in slices, and the screen still ends complete.
    void lastRepaintPaintsStraightWhenThePoolChurns()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        page->setPaintBudget(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
        std::vector<Seal *> seals;
        for (int i = 0; i < 100; ++i)
            seals.push_back(addSeal(*w, SealType::stName22, 8, 8, float(10 + 9 * (i % 10)), float(10 + 9 * (i / 10))));
        const qint64 one = qint64(boxOf(seals[0]).width()) * boxOf(seals[0]).height();
        SealPicturePool pool(100 * one); // the page's pictures, or the other's
        page->setPicturePool(pool);
        SealImageCache other(pool);
        struct TakesTheRoom : QObject {
            SealImageCache &cache;
            const std::vector<Seal *> &seals;
            TakesTheRoom(SealImageCache &c, const std::vector<Seal *> &s) : cache(c), seals(s) {}
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    for (const Seal *seal : seals)
                        cache.image(*seal, 1);
                return false;
            }
        } taker(other, seals);
        page->installEventFilter(&taker);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!page->paintPending(), 20000);
        QVERIFY(page->cache().pictureCount() <= 64); // made in slices of 8, and dropped again
        page->removeEventFilter(&taker);
        QTRY_COMPARE(pageOnScreen(*w), pageRendered(*w));
        page->setPicturePool(SealPicturePool::shared());
        other.clear();
    }

    // After a change of the list the screen shows what a complete paint shows: seals that came
    // and went repaint their places, a new stacking order the whole page.
    void listChangesReachTheScreen_data()
    {
        QTest::addColumn<bool>("doubleBuffered");
        QTest::addColumn<int>("change");
        for (bool pictures : {false, true}) {
            const char *mode = pictures ? "pictures" : "straight";
            QTest::addRow("%s, to the front", mode) << pictures << 0;
            QTest::addRow("%s, deleted", mode) << pictures << 1;
            QTest::addRow("%s, undone", mode) << pictures << 2;
        }
    }
    void listChangesReachTheScreen()
    {
        QFETCH(bool, doubleBuffered);
        QFETCH(int, change);
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        page->setDoubleBuffered(doubleBuffered);
        std::vector<Seal *> seals;
        for (int i = 0; i < 4; ++i) {
            Seal *s = addSeal(*w, i % 2 ? SealType::stName22 : SealType::stEllipse, 24, 24, float(30 + 9 * i), 30);
            s->setBrushStyle(i % 2 ? BrushStyle::bsSolid : BrushStyle::bsClear);
            seals.push_back(s);
        }
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_VERIFY(!page->paintPending());
        w->document().selectSeal(seals[1]);
        if (change == 0) {
            QVERIFY(w->document().bringSealToFront());
        } else {
            QVERIFY(w->document().deleteSelection());
            if (change == 2)
                w->document().undoStack().undo();
        }
        QTRY_VERIFY(!page->paintPending());
        QTRY_COMPARE(pageOnScreen(*w), pageRendered(*w));
    }

    // A page in memory is painted in bands at once, each its own rows: the same pixels as one
    // painter makes, at the bands' seams too, with seals stacked across them.
    void bandsPaintWhatOnePainterPaints()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        page->setDoubleBuffered(false);
        const SealType kinds[] = {SealType::stEllipse, SealType::stName22, SealType::stRect};
        for (int i = 0; i < 15; ++i) {
            Seal *s = addSeal(*w, kinds[i % 3], 22, i % 3 == 2 ? 12 : 22, float(20 + 6 * i), float(20 + 5 * i));
            if (i % 4 == 1)
                s->setBrushStyle(BrushStyle::bsSolid);
        }
        page->setPaintThreads(1);
        const QImage serial = pageRendered(*w);
        for (int threads : {2, 3, 7}) {
            page->setPaintThreads(threads);
            QCOMPARE(pageRendered(*w), serial);
        }
    }

    // A seal painted straight onto the page shows the pixels of its picture wherever it stands:
    // both are painted from the seal's own origin, where rounding half to even is the same.
    void straightPaintShowsThePictures()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(500, 400)));
        PagePanel *page = w->pagePanel();
        const SealType kinds[] = {SealType::stName22, SealType::stEllipse, SealType::stRect};
        // 8 mm at 96 dpi is 30.24 pixels; 9 mm steps put the boxes at odd and even pixels.
        for (int i = 0; i < 12; ++i)
            addSeal(*w, kinds[i % 3], 8, i % 3 == 2 ? 5 : 8, float(10 + 9 * (i % 4)), float(10 + 9 * (i / 4)));
        const QImage pictures = pageRendered(*w);
        page->setDoubleBuffered(false);
        QCOMPARE(pageRendered(*w), pictures);
    }

    // The page keeps the seals' boxes for its scans: a move, a hidden seal and a deleted one are
    // found where they are now, the topmost first.
    void sealAtFollowsTheSeals()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host));
        PagePanel *page = w->pagePanel();
        Seal *below = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *above = addSeal(*w, SealType::stName22, 20, 20, 35, 30);
        const QPoint shared = boxOf(above).topLeft() + QPoint(2, 10); // inside both
        QCOMPARE(page->sealAt(shared), above);
        above->setVisible(false);
        QCOMPARE(page->sealAt(shared), below);
        above->setVisible(true);
        above->setRealCenterX(100);
        QCOMPARE(page->sealAt(shared), below);
        QCOMPARE(page->sealAt(boxOf(above).center()), above);
        w->document().selectSeal(below);
        QVERIFY(w->document().deleteSelection());
        QCOMPARE(page->sealAt(shared), nullptr);
        QCOMPARE(page->sealAt(boxOf(above).center()), above);
    }

    // A seal's picture is made when the seal first shows on screen, not before.
    void pictureMadeWhenTheSealFirstShows()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host, 96, QSize(400, 300)));
        const PagePanel *page = w->pagePanel();
        Seal *near = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *far = addSeal(*w, SealType::stEllipse, 30, 30, 180, 270); // beyond 400 × 300 pixels
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTRY_COMPARE(page->cache().lastBox(*near), boxOf(near));
        QTest::qWait(20);
        QVERIFY(page->cache().lastBox(*far).isEmpty());
        w->horizontalScrollBar()->setValue(w->horizontalScrollBar()->maximum());
        w->verticalScrollBar()->setValue(w->verticalScrollBar()->maximum());
        QTRY_COMPARE(page->cache().lastBox(*far), boxOf(far));
    }

    // After a change of size the old picture stands in until the new one is made; a change of
    // content drops it at once. The pool counts the stand-in as long as it is kept.
    void standInUntilThePictureIsNew()
    {
        Seal seal;
        seal.setPixelsPerMm(float(96 / 25.4));
        seal.setZoom(100);
        seal.setRealWidth(20);  // 75.59 pixels: 76
        seal.setRealHeight(10); // 37.80: 38
        SealPicturePool pool(1000000);
        SealImageCache cache(pool);
        QVERIFY(!cache.ready(seal, 1));
        const qint64 key = cache.image(seal, 1).cacheKey();
        QCOMPARE(cache.ready(seal, 1)->cacheKey(), key);
        QVERIFY(!cache.standIn(seal));
        seal.setRealCenterX(40); // moved, it keeps its picture
        QCOMPARE(cache.ready(seal, 1)->cacheKey(), key);
        seal.setRealWidth(20.1f); // 75.97 pixels: the same 76, but not the same seal
        QVERIFY(!cache.ready(seal, 1));
        seal.setRealWidth(20); // as it was painted
        QCOMPARE(cache.ready(seal, 1)->cacheKey(), key);
        seal.setZoom(200); // 151.18 × 75.59: 151 × 76
        cache.invalidate(seal, true);
        QVERIFY(!cache.ready(seal, 1));
        QCOMPARE(cache.standIn(seal)->cacheKey(), key);
        QCOMPARE(pool.pixels(), 76 * 38);
        QCOMPARE(cache.image(seal, 1).size(), QSize(151, 76));
        QVERIFY(!cache.standIn(seal));
        QCOMPARE(pool.pixels(), 151 * 76);
        cache.invalidate(seal);
        QVERIFY(!cache.standIn(seal));
        QCOMPARE(pool.pixels(), 0);
    }

    void accessibleCaption()
    {
        FakeHost host;
        std::unique_ptr<DocumentWindow> w(newWindow(host));
        w->setWindowTitle(u"文件1.dyz"_s);
        QCOMPARE(w->accessibleName(), u"文件1.dyz"_s);
    }
};

QTEST_MAIN(TestPagePanel)
#include "tst_pagepanel.moc"
