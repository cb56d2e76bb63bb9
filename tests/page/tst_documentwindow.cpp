// The document window under the mouse: tools, selecting by click and band, moving, resizing
// with the handles, scrolling by hand and zooming by click. 96 px per inch unless a row says.

#include "pagetesting.h"

#include "document/documenttesting.h"
#include "page/pagetools.h"

#include <QScrollBar>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

constexpr float Ppm96 = float(96 / 25.4); // 3.7795277 px/mm

void clickWith(DocumentWindow &w, QPoint p, Qt::KeyboardModifiers mods)
{
    QTest::mousePress(w.pagePanel(), Qt::LeftButton, mods, p);
    QTest::mouseRelease(w.pagePanel(), Qt::LeftButton, mods, p);
}

} // namespace

class TestDocumentWindow : public QObject
{
    Q_OBJECT

    FakeHost host;
    std::unique_ptr<DocumentWindow> w;

private slots:
    void init()
    {
        host = FakeHost();
        w.reset(newWindow(host));
    }
    void cleanup() { w.reset(); }

    // The rectangle frame tool places a 20 mm frame centred on the press; the next press selects it.
    void oneShotToolThenSelect()
    {
        host.tool = Tool::RectangleFrame;
        w->applyToolCursor();
        QCOMPARE(w->pagePanel()->cursor().shape(), Qt::CrossCursor);
        click(*w, QPoint(96, 192));
        QCOMPARE(host.tool, std::nullopt);
        QCOMPARE(w->pagePanel()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w->sealList().size(), size_t(1));
        Seal *seal = w->sealList().front().get();
        // 96 px * 100 / (100 * 96 / 25.4) = 25.4 mm, and 192 px = 50.8 mm.
        QVERIFY(qAbs(seal->RealCenterX() - 25.4f) < 1e-4f);
        QVERIFY(qAbs(seal->RealCenterY() - 50.8f) < 1e-4f);
        QCOMPARE(w->currentSeal(), seal);
        QVERIFY(w->handles());
        QVERIFY(w->isModified());
        QCOMPARE(host.status[2], u"文件状态：已修改"_s);
        QCOMPARE(host.status[3], u"已画图形：1"_s);
        QCOMPARE(host.toggles, seal);

        w->document().clearSelection();
        click(*w, QPoint(100, 195));
        QCOMPARE(w->sealList().size(), size_t(1));
        QCOMPARE(w->currentSeal(), seal);
    }

    void positionReadout_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("96") << 96 << QPoint(96, 192);
        QTest::newRow("120") << 120 << QPoint(120, 240);
    }
    void positionReadout()
    {
        QFETCH(int, ppi);
        QFETCH(QPoint, point);
        w.reset(newWindow(host, ppi));
        moveTo(*w, point, Qt::NoButton);
        QCOMPARE(host.status[0], u" 水平坐标：25.4mm"_s);
        QCOMPARE(host.status[1], u"垂直坐标：50.8mm"_s);
    }

    // A 10 mm seal inside a 40 mm one lying above it: the press picks the one it is deeper in.
    void nestedSeals()
    {
        Seal *small = addSeal(*w, SealType::stName22, 10, 10, 52, 50);  // box 178..216 x 170..208
        Seal *large = addSeal(*w, SealType::stEllipse, 40, 40, 50, 50); // box 113..264 x 113..264
        QCOMPARE(boxOf(small), QRect(178, 170, 38, 38));
        click(*w, QPoint(196, 188)); // 18 deep in the small one, 68 in the large one
        QCOMPARE(w->currentSeal(), small);
        click(*w, QPoint(120, 188)); // only in the large one
        QCOMPARE(w->currentSeal(), large);
        QVERIFY(!w->isModified());
    }

    void bandDirections_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("selected");
        // Seals at 76..152 x 76..152 and 265..341 x 76..152.
        QTest::newRow("down right, both") << QPoint(60, 60) << QPoint(360, 170) << 2;
        QTest::newRow("down right, one") << QPoint(60, 60) << QPoint(200, 170) << 1;
        QTest::newRow("touching edges") << QPoint(75, 75) << QPoint(152, 152) << 1;
        QTest::newRow("a pixel short") << QPoint(75, 75) << QPoint(151, 152) << 0;
        QTest::newRow("up left") << QPoint(360, 170) << QPoint(60, 60) << 0;
        QTest::newRow("down left") << QPoint(360, 60) << QPoint(60, 170) << 0;
        QTest::newRow("up right") << QPoint(60, 170) << QPoint(360, 60) << 0;
    }
    void bandDirections()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, selected);
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        QCOMPARE(boxOf(b), QRect(265, 76, 76, 76));
        press(*w, from);
        moveTo(*w, to);
        QVERIFY(w->isBanding());
        QVERIFY(w->pagePanel()->band());
        release(*w, to);
        QVERIFY(!w->isBanding());
        QVERIFY(!w->pagePanel()->band());
        QCOMPARE(int(w->selection().size()), selected);
        QCOMPARE(bool(w->handles()), selected == 1);
        QCOMPARE(bool(w->selectionFrame()), selected == 2);
        if (selected == 1)
            QCOMPARE(w->currentSeal(), a);
        if (selected == 2) // both boxes grown by 2 px
            QCOMPARE(w->selectionFrame()->bounds(), QRect(74, 74, 269, 80));
    }

    void moveDrag_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("moved");
        QTest::newRow("no motion") << QPoint(100, 100) << false;
        QTest::newRow("back to start") << QPoint(100, 100) << false;
        QTest::newRow("38 px right") << QPoint(138, 100) << true;
    }
    void moveDrag()
    {
        QFETCH(QPoint, to);
        QFETCH(bool, moved);
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        const int steps = w->document().undoStack().count();
        press(*w, QPoint(100, 100));
        QVERIFY(w->isDragging());
        QVERIFY(!w->handles()->shown());
        QCOMPARE(*w->pagePanel()->outline(), boxOf(seal));
        if (QTest::currentDataTag() == QByteArray("back to start"))
            moveTo(*w, QPoint(160, 130));
        moveTo(*w, to);
        release(*w, to);
        QVERIFY(!w->isDragging());
        QVERIFY(!w->pagePanel()->outline());
        QVERIFY(w->handles()->shown());
        QCOMPARE(w->isModified(), moved);
        QCOMPARE(w->document().undoStack().count(), steps + (moved ? 1 : 0));
        // 38 px / (100 * 3.7795277 / 100) = 10.054 mm.
        QCOMPARE(seal->RealCenterX(), moved ? float(30 + 38 / static_cast<long double>(Ppm96)) : 30.0f);
        QCOMPARE(w->handles()->placedBox(), boxOf(seal));
    }

    // Shift or Ctrl with a click adds a seal to the selection or takes it out, also inside the
    // frame, where it acts on the seal under the pointer; with the modifier a band adds its seals.
    // Choosing is no edit.
    void extendSelection_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::newRow("shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void extendSelection()
    {
        QFETCH(Qt::KeyboardModifiers, mods);
        // Boxes 76 … 152, 265 … 341 and 454 … 530 across, 76 … 152 down.
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        Seal *c = addSeal(*w, SealType::stName22, 20, 20, 130, 30);
        const QByteArray before = testing::savedDocument(w->document());
        click(*w, QPoint(100, 100));
        clickWith(*w, QPoint(300, 100), mods);
        QCOMPARE(w->selection(), SealSelection({a, b}));
        QVERIFY(w->selectionFrame());
        QVERIFY(!w->handles());
        // Inside the frame over a: a leaves, b stays alone with its handles.
        QVERIFY(w->selectionFrame()->bounds().contains(QPoint(100, 100)));
        clickWith(*w, QPoint(100, 100), mods);
        QCOMPARE(w->currentSeal(), b);
        QCOMPARE(host.toggles, b);
        QVERIFY(w->handles());
        QVERIFY(!w->selectionFrame());
        // A press with the modifier starts no move.
        QTest::mousePress(w->pagePanel(), Qt::LeftButton, mods, QPoint(490, 100));
        QVERIFY(!w->busy());
        moveTo(*w, QPoint(520, 140));
        QTest::mouseRelease(w->pagePanel(), Qt::LeftButton, mods, QPoint(520, 140));
        QCOMPARE(w->selection(), SealSelection({b, c}));
        QCOMPARE(c->RealCenterX(), 130.0f);
        // Between the seals, inside the frame, a click holds no seal: the selection stays.
        clickWith(*w, QPoint(400, 100), mods);
        QCOMPARE(w->selection(), SealSelection({b, c}));
        // A band with the modifier adds what it encloses.
        clickWith(*w, QPoint(300, 100), mods);
        QTest::mousePress(w->pagePanel(), Qt::LeftButton, mods, QPoint(60, 60));
        moveTo(*w, QPoint(360, 170));
        QTest::mouseRelease(w->pagePanel(), Qt::LeftButton, mods, QPoint(360, 170));
        QCOMPARE(w->selection(), SealSelection({c, a, b}));
        QCOMPARE(w->selectionFrame()->bounds(), QRect(74, 74, 458, 80));
        // A plain press inside the frame still moves the whole selection, and off it lets go.
        drag(*w, QPoint(300, 100), QPoint(300, 100));
        QCOMPARE(w->selection(), SealSelection({c, a, b}));
        click(*w, QPoint(300, 300));
        QVERIFY(w->selection().empty());
        drag(*w, QPoint(300, 100), QPoint(300, 100));
        QCOMPARE(w->selection(), SealSelection({b}));
        QVERIFY(!w->isModified());
        QCOMPARE(w->document().undoStack().count(), 0);
        QCOMPARE(testing::savedDocument(w->document()), before);
        // With a tool chosen the press still places.
        host.tool = Tool::RectangleFrame;
        clickWith(*w, QPoint(300, 100), mods);
        QCOMPARE(w->sealList().size(), size_t(4));
        QCOMPARE(w->currentSeal(), w->sealList().back().get());
    }

    void lockedSealSelectsButStays()
    {
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        click(*w, QPoint(100, 100));
        w->toggleSealLock();
        w->document().clearSelection();
        drag(*w, QPoint(100, 100), QPoint(200, 150));
        QCOMPARE(w->currentSeal(), seal);
        QCOMPARE(seal->RealCenterX(), 30.0f);
        QVERIFY(!w->isModified());
        click(*w, QPoint(100, 100), Qt::RightButton);
        QCOMPARE(host.lockCaption, u"解锁印章(&U)"_s);
    }

    void frameMovesSelection()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        drag(*w, QPoint(60, 60), QPoint(360, 170));
        QVERIFY(w->selectionFrame());
        // The frame's edge at x = 74 lies above the seals.
        drag(*w, QPoint(74, 100), QPoint(74 + 19, 100 + 38));
        const long double k = Ppm96;
        QCOMPARE(a->RealCenterX(), float(30 + 19 / k));
        QCOMPARE(b->RealCenterY(), float(30 + 38 / k));
        QCOMPARE(w->selectionFrame()->bounds(), QRect(74 + 19, 74 + 38, 269, 80));
    }

    // The middle-right handle of a 76 px seal at 76 … 152 dragged to 40 px left of its left edge.
    void resizeFlips()
    {
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        click(*w, QPoint(100, 100));
        QCOMPARE(w->handles()->anchor(5), QPoint(152, 114));
        drag(*w, QPoint(152, 114), QPoint(36, 114));
        QCOMPARE(boxOf(seal), QRect(36, 76, 40, 76));
        QCOMPARE(seal->RealWidth(), 40 * (100.0f / (100.0f * Ppm96)));
        QCOMPARE(seal->RealHeight(), 20.0f); // not touched by a sideways drag
        QVERIFY(w->isModified());
        QVERIFY(w->handles()->shown());
    }

    void hoverCursors()
    {
        const QWidget *page = w->pagePanel();
        addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        click(*w, QPoint(100, 100));
        moveTo(*w, QPoint(152, 114), Qt::NoButton); // the middle-right handle
        QCOMPARE(page->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(w->handles()->colour(5), clBlack);
        moveTo(*w, QPoint(100, 100), Qt::NoButton);
        QCOMPARE(page->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w->handles()->colour(5), GrabHandles::NormalColour);
        drag(*w, QPoint(60, 60), QPoint(360, 170));
        moveTo(*w, QPoint(74, 100), Qt::NoButton); // the frame's edge
        QCOMPARE(page->cursor().shape(), Qt::SizeAllCursor);
        host.tool = Tool::RectangleFrame;
        w->applyToolCursor();
        moveTo(*w, QPoint(74, 101), Qt::NoButton);
        QCOMPARE(page->cursor().shape(), Qt::CrossCursor);
    }

    void resizeKeepsAPixel()
    {
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        click(*w, QPoint(100, 100));
        drag(*w, QPoint(152, 114), QPoint(76, 114)); // right edge onto the left one
        QCOMPARE(boxOf(seal), QRect(76, 76, 1, 76));
        QCOMPARE(seal->RealWidth(), 100.0f / (100.0f * Ppm96));
    }

    void resizeWithoutMotion()
    {
        addSeal(*w, SealType::stTriangle, 45, 38.971f, 60, 60);
        Seal *seal = w->sealList().front().get();
        click(*w, boxOf(seal).center());
        w->document().clearHistory();
        const QPoint handle = w->handles()->anchor(6);
        click(*w, handle);
        QVERIFY(!w->isModified());
        QCOMPARE(seal->RealHeight(), 38.971f);
        QCOMPARE(w->document().undoStack().count(), 0);
    }

    void ringTextFollowsSize_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<float>("textsWidth");
        QTest::newRow("wider") << 19 << 39.0f;
        QTest::newRow("narrower than the ring") << -140 << 1.0f;
    }
    void ringTextFollowsSize()
    {
        QFETCH(int, dx);
        QFETCH(float, textsWidth);
        Seal *seal = addSeal(*w, SealType::stEllipse, 40, 40, 50, 50); // 151 px wide at 113
        seal->setTextsWidth(textsWidth);
        click(*w, QPoint(188, 188));
        const QPoint anchor = w->handles()->anchor(5);
        drag(*w, anchor, anchor + QPoint(dx, 0));
        const float width = float(151 + dx) * (100.0f / (100.0f * Ppm96));
        QCOMPARE(seal->RealWidth(), width);
        QCOMPARE(seal->TextsWidth(), std::max(0.0f, textsWidth + (width - 40.0f)));
        QCOMPARE(seal->TextsHeight(), 39.0f);
        QCOMPARE(seal->TextsWidth1(), 25.0f); // Text1 is flat
    }

    void zoomTools_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("in") << Tool::ZoomIn << 595 << 605 << 605;
        QTest::newRow("out") << Tool::ZoomOut << 30 << 20 << 20;
        QTest::newRow("in from 100") << Tool::ZoomIn << 100 << 110 << 120;
    }
    void zoomTools()
    {
        QFETCH(Tool, tool);
        QFETCH(int, from);
        QFETCH(int, first);
        QFETCH(int, second);
        w->zoomPage(from);
        host.tool = tool;
        click(*w, QPoint(5, 5));
        QCOMPARE(w->document().page().zoom(), first);
        QCOMPARE(host.zoomText, QString::number(first) + u'%');
        QCOMPARE(host.tool, tool); // the zoom tools stay chosen
        click(*w, QPoint(5, 5));
        QCOMPARE(w->document().page().zoom(), second);
    }

    void rightButtonOnTools_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<std::optional<Tool>>("after");
        QTest::newRow("zoom in ends") << Tool::ZoomIn << std::optional<Tool>();
        QTest::newRow("hand ends") << Tool::Hand << std::optional<Tool>();
        QTest::newRow("picture stays") << Tool::EmblemPicture << std::optional<Tool>(Tool::EmblemPicture);
        QTest::newRow("placing is used up") << Tool::RoundOfficialSeal << std::optional<Tool>();
    }
    void rightButtonOnTools()
    {
        QFETCH(Tool, tool);
        QFETCH(std::optional<Tool>, after);
        host.tool = tool;
        click(*w, QPoint(300, 300), Qt::RightButton);
        QCOMPARE(host.tool, after);
        QVERIFY(w->sealList().empty());
        QVERIFY(!w->busy());
    }

    // With the hand tool a right press on a seal counts as a left press on the page; its own
    // release ends the scroll.
    void handScrollEndsOnItsButton()
    {
        w->resize(400, 400);
        addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        host.tool = Tool::Hand;
        QScrollBar *bar = w->verticalScrollBar();
        press(*w, QPoint(100, 100), Qt::RightButton);
        QVERIFY(w->isDragging());
        moveTo(*w, QPoint(100, 60), Qt::RightButton);
        QCOMPARE(bar->value(), 40);
        release(*w, QPoint(100, 60), Qt::RightButton);
        QVERIFY(!w->isDragging());
        QVERIFY(w->sealList().size() == 1 && !w->isModified());
    }

    void pictureTools()
    {
        host.tool = Tool::PictureFromFile;
        click(*w, QPoint(200, 200)); // dialog cancelled
        QVERIFY(w->sealList().empty());
        QVERIFY(!w->isModified());
        host.tool = Tool::PictureFromFile;
        host.pictureFile = QStringLiteral(QM_SOURCE_DIR) + u"/examples/emblem.gif"_s;
        click(*w, QPoint(200, 200));
        QCOMPARE(w->sealList().size(), size_t(1));
        QCOMPARE(w->sealList().back()->SealType(), SealType::stAnyImage);
        QVERIFY(w->sealList().back()->pictureBitmap().width() > 0);

        host.tool = Tool::EmblemPicture;
        host.emblem = "not a picture";
        click(*w, QPoint(300, 300));
        QCOMPARE(w->sealList().size(), size_t(1));
        QVERIFY(!host.pictureError.isEmpty());
    }

    // Editing, zoom and close wait while a drag lasts; the release still moves the seal.
    void commandsWaitForTheDrag()
    {
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        press(*w, QPoint(100, 100));
        moveTo(*w, QPoint(138, 100));
        w->deleteSelection();
        w->cutSelection();
        w->clearPage();
        w->zoomPage(200);
        w->undo();
        QVERIFY(!w->close());
        QCOMPARE(w->sealList().size(), size_t(1));
        QCOMPARE(w->document().page().zoom(), 100);
        release(*w, QPoint(138, 100));
        QCOMPARE(w->sealList().front().get(), seal);
        QCOMPARE(seal->RealCenterX(), float(30 + 38 / static_cast<long double>(Ppm96)));
        w->deleteSelection();
        QVERIFY(w->sealList().empty());
    }
};

QTEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
