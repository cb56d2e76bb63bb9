// Where document windows go: the cascade, new windows beside the palette and the property
// window, and the tool windows kept above the main window and on its screen.

#include "mainwindowtesting.h"

#include "mainwindow/documentplacement.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/wallpapermdiarea.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

QRect globalFrame(const QWidget *w)
{
    return w->frameGeometry();
}

QRect globalFrameOf(const QMdiSubWindow *w)
{
    return QRect(w->parentWidget()->mapToGlobal(w->pos()), w->size());
}

} // namespace

class TestDocumentPlacement : public QObject
{
    Q_OBJECT

private slots:
    void cascadeGeometries_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<QRect>>("expected");
        // Two thirds of 900 × 600 is 600 × 400, each window 24 lower and further right.
        QTest::newRow("three") << QSize(900, 600) << 3 << 24
                               << QList<QRect>{{0, 0, 600, 400}, {24, 24, 600, 400}, {48, 48, 600, 400}};
        // 301 × 200: 200 × 133, spare min(101, 67) = 67: positions 0, 30, 60, then 0 again.
        QTest::newRow("starts again") << QSize(301, 200) << 5 << 30
                                      << QList<QRect>{{0, 0, 200, 133},
                                                      {30, 30, 200, 133},
                                                      {60, 60, 200, 133},
                                                      {0, 0, 200, 133},
                                                      {30, 30, 200, 133}};
    }
    void cascadeGeometries()
    {
        QFETCH(QSize, area);
        QFETCH(int, count);
        QFETCH(int, step);
        QFETCH(QList<QRect>, expected);
        QCOMPARE(qm::cascadeGeometries(area, count, step), expected);
    }

    void freeArea_data()
    {
        QTest::addColumn<QList<QRect>>("tools");
        QTest::addColumn<QRect>("free");
        const QRect palette(-5, 10, 80, 500);      // over the left edge: right edge at 74
        const QRect properties(700, -20, 300, 60); // over the right end of the top
        QTest::newRow("none") << QList<QRect>{} << QRect(0, 0, 1000, 700);
        QTest::newRow("palette") << QList<QRect>{palette} << QRect(75, 0, 925, 700);
        QTest::newRow("both") << QList<QRect>{palette, properties} << QRect(75, 0, 625, 700);
        QTest::newRow("outside the area")
            << QList<QRect>{QRect(1000, 0, 50, 50), QRect(-80, 0, 80, 50)} << QRect(0, 0, 1000, 700);
        // 75 … 274 leaves 199 pixels: too narrow for a window, the tools are ignored.
        QTest::newRow("too narrow") << QList<QRect>{palette, QRect(274, 0, 800, 100)} << QRect(0, 0, 1000, 700);
    }
    void freeArea()
    {
        QFETCH(QList<QRect>, tools);
        QFETCH(QRect, free);
        QCOMPARE(freeDocumentArea(QSize(1000, 700), tools), free);
    }

    void newWindowGeometry_data()
    {
        QTest::addColumn<QRect>("free");
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("expected");
        // Three quarters of 1000 × 700: 750 × 525.
        QTest::newRow("first, whole area") << QRect(0, 0, 1000, 700) << 0 << QRect(0, 0, 750, 525);
        // Spare min(250, 175) = 175: eight positions 24 apart.
        QTest::newRow("third") << QRect(0, 0, 1000, 700) << 2 << QRect(48, 48, 750, 525);
        QTest::newRow("ninth starts again") << QRect(0, 0, 1000, 700) << 8 << QRect(0, 0, 750, 525);
        // Three quarters of the free part beside the palette: 625 × 3 / 4 = 468 wide at its left
        // edge; spare min(157, 175) = 157, seven positions.
        QTest::newRow("beside the palette") << QRect(75, 0, 625, 700) << 0 << QRect(75, 0, 468, 525);
        QTest::newRow("fourth beside it") << QRect(75, 0, 625, 700) << 3 << QRect(75 + 72, 72, 468, 525);
        // At least 320 × 240: spare min(80, 60) = 60, three positions.
        QTest::newRow("small free part") << QRect(0, 0, 400, 300) << 4 << QRect(24, 24, 320, 240);
        QTest::newRow("smaller than the least") << QRect(10, 0, 300, 200) << 1 << QRect(10, 0, 300, 200);
    }
    void newWindowGeometry()
    {
        QFETCH(QRect, free);
        QFETCH(int, index);
        QFETCH(QRect, expected);
        QCOMPARE(newDocumentGeometry(free, index, 24), expected);
    }

    void keptInside_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("inside") << QRect(100, 100, 200, 300) << QPoint(100, 100);
        QTest::newRow("off the right") << QRect(1300, 100, 200, 300) << QPoint(1080, 100);
        QTest::newRow("off the bottom") << QRect(10, 900, 200, 300) << QPoint(10, 724);
        QTest::newRow("above and left") << QRect(-50, -20, 100, 100) << QPoint(0, 0);
        QTest::newRow("wider than the room") << QRect(-10, 5, 2000, 100) << QPoint(0, 5);
    }
    void keptInside()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, at);
        QCOMPARE(qm::keptInside(frame, QRect(0, 0, 1280, 1024)), at);
    }

    // Not Qt's cascade, which shrinks every window to its size hint.
    void cascadeCommand()
    {
        Start s;
        MainWindow &w = s.show();
        for (int i = 0; i < 3; ++i)
            w.fileNew();
        QMdiSubWindow *active = w.mdiArea()->activeSubWindow();
        w.action(u"WindowCascade1"_s)->trigger();
        const QSize area = w.mdiArea()->viewport()->size();
        const QList<QMdiSubWindow *> stacked = w.mdiArea()->subWindowList(QMdiArea::StackingOrder);
        QCOMPARE(stacked.size(), 3);
        const int step = titleBarHeight(*stacked.constFirst());
        QVERIFY(step > 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(stacked.at(i)->geometry(), QRect(i * step, i * step, area.width() * 2 / 3, area.height() * 2 / 3));
        // The window that was on top is the last one, on top still.
        QCOMPARE(stacked.constLast(), active);
        QCOMPARE(w.mdiArea()->activeSubWindow(), active);
    }

    void newWindowsBesideTheToolWindows()
    {
        Start s;
        s.options.showDrawTools = true;
        MainWindow &w = s.show();
        QVERIFY(w.drawTools()->isVisible());
        w.fileNew();
        w.fileNew();
        QWidget *properties = w.propertyWindow();
        QVERIFY(properties && properties->isVisible());
        const QRect palette = globalFrame(w.drawTools());
        const QRect viewport(w.mdiArea()->viewport()->mapToGlobal(QPoint(0, 0)), w.mdiArea()->viewport()->size());
        for (QMdiSubWindow *sub : w.mdiArea()->subWindowList()) {
            const QRect frame = globalFrameOf(sub);
            QVERIFY2(!frame.intersects(palette), qPrintable(u"%1 %2"_s.arg(frame.x()).arg(palette.right())));
            QVERIFY(!frame.intersects(globalFrame(properties)));
            QVERIFY(viewport.contains(frame));
        }
        // The first one at the palette's right edge, the next a title bar lower and further right.
        const QMdiSubWindow *first = w.mdiArea()->subWindowList(QMdiArea::CreationOrder).constFirst();
        const QMdiSubWindow *second = w.mdiArea()->subWindowList(QMdiArea::CreationOrder).constLast();
        QCOMPARE(globalFrameOf(first).left(), palette.right() + 1);
        QCOMPARE(second->pos() - first->pos(), QPoint(1, 1) * titleBarHeight(*first));
    }

    void toolWindowsAreTransientAndStayOnScreen()
    {
        Start s;
        s.options.showDrawTools = true;
        MainWindow &w = s.show();
        w.fileNew();
        ToolPalette *palette = w.drawTools();
        QWidget *properties = w.propertyWindow();
        QVERIFY(palette->windowHandle() && properties->windowHandle());
        QCOMPARE(palette->windowHandle()->transientParent(), w.windowHandle());
        QCOMPARE(properties->windowHandle()->transientParent(), w.windowHandle());

        const QRect room = w.screen()->availableGeometry();
        palette->move(room.right() + 40, room.bottom() + 40);
        w.move(w.pos() + QPoint(7, 3));
        QTRY_VERIFY(room.contains(palette->frameGeometry()));
        QCOMPARE(palette->frameGeometry().bottomRight(), room.bottomRight());
    }
};

QTEST_MAIN(TestDocumentPlacement)
#include "tst_documentplacement.moc"
