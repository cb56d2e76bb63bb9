// The document window's commands and keys: paste, undo and redo, nudging, choosing seals by
// key, clearing, locking the page and the question when a modified document closes.

#include "pagetesting.h"

#include "document/documentfile.h"
#include "document/documenttesting.h"
#include "document/libraryitem.h"
#include "document/progressdisplay.h"
#include "page/pagetools.h"

#include <QBuffer>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

void typeKey(DocumentWindow &w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier, bool autoRepeat = false)
{
    QKeyEvent pressEvent(QEvent::KeyPress, k, mods, QString(), autoRepeat);
    QApplication::sendEvent(&w, &pressEvent);
    QKeyEvent releaseEvent(QEvent::KeyRelease, k, mods, QString(), autoRepeat);
    QApplication::sendEvent(&w, &releaseEvent);
}

} // namespace

class TestDocumentEdit : public QObject
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

    // Each paste lands 2 mm right of and below the copied seal; pasting twice gives two copies
    // at the same place.
    void pasteTwice()
    {
        addSeal(*w, SealType::stName22, 20, 20, 30, 40);
        w->paste(); // empty stream: nothing
        QVERIFY(!w->isModified());
        click(*w, QPoint(100, 150));
        w->copySelection();
        w->paste();
        w->paste();
        QCOMPARE(w->sealList().size(), size_t(3));
        for (size_t i : {1, 2}) {
            QCOMPARE(w->sealList()[i]->RealCenterX(), 32.0f);
            QCOMPARE(w->sealList()[i]->RealCenterY(), 42.0f);
        }
        QCOMPARE(w->currentSeal(), w->sealList()[2].get());
        QCOMPARE(w->handles()->target(), w->sealList()[2].get());
        QCOMPARE(host.status[3], u"已画图形：3"_s);
        QVERIFY(w->isModified());
    }

    void pasteSeveralGetsFrame()
    {
        addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        drag(*w, QPoint(60, 60), QPoint(360, 170));
        w->cutSelection();
        QVERIFY(w->sealList().empty());
        QVERIFY(!w->selectionFrame());
        w->paste();
        QCOMPARE(w->selection().size(), size_t(2));
        QVERIFY(w->selectionFrame());
        QVERIFY(!w->handles());
    }

    // A .yzl dropped on the page is inserted centred on the drop point as one step; a dropped
    // document is left to the main window.
    void dropLibraryItem()
    {
        // 10 pixels a millimetre: the 20 mm seal is 200 pixels, its box exactly the seal.
        w.reset(newWindow(host, 254));
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 40);
        w->document().selectSeal(seal);
        QTemporaryDir dir;
        const QString item = dir.filePath(u"item.yzl"_s);
        NoProgress none;
        QVERIFY(saveLibraryItem(item, w->selection(), none).ok());
        w->document().clearPage();
        w->document().clearHistory();

        QWidget *viewport = w->viewport();
        const QPoint at = w->pagePanel()->mapTo(viewport, QPoint(508, 254));
        auto dropped = [&](const QString &fileName) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(fileName)});
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &drop);
            return drop.isAccepted();
        };
        QVERIFY(!dropped(dir.filePath(u"page.dyz"_s)));
        QVERIFY(dropped(item));
        QCOMPARE(w->sealList().size(), size_t(1));
        QCOMPARE(w->currentSeal()->RealCenterX(), 50.8f);
        QCOMPARE(w->currentSeal()->RealCenterY(), 25.4f);
        QCOMPARE(w->document().undoStack().count(), 1);
        w->undo();
        QVERIFY(w->sealList().empty());
    }

    // A seal moved, undone and redone: the saved bytes are exactly those before and after.
    // The keys belong to the main window's commands: the page alone does nothing with them, so
    // one key press never undoes twice.
    void undoRedoBytes()
    {
        addSeal(*w, SealType::stEllipse, 40, 40, 50, 50);
        addSeal(*w, SealType::stName22, 20, 20, 100, 50);
        const QByteArray before = testing::savedDocument(w->document());
        drag(*w, QPoint(188, 188), QPoint(211, 170));
        const QByteArray after = testing::savedDocument(w->document());
        QVERIFY(after != before);
        typeKey(*w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(testing::savedDocument(w->document()), after);
        w->undo();
        QCOMPARE(testing::savedDocument(w->document()), before);
        QVERIFY(!w->isModified());
        QCOMPARE(w->handles()->placedBox(), boxOf(w->sealList().front().get()));
        typeKey(*w, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(testing::savedDocument(w->document()), before);
        w->redo();
        QCOMPARE(testing::savedDocument(w->document()), after);
        // A locked page still undoes and redoes.
        w->togglePageLock();
        w->undo();
        QCOMPARE(testing::savedDocument(w->document()), before);
        w->redo();
        QCOMPARE(testing::savedDocument(w->document()), after);
    }

    void nudge_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<float>("dx");
        QTest::addColumn<float>("dy");
        QTest::newRow("right") << int(Qt::Key_Right) << false << 0.1f << 0.0f;
        QTest::newRow("up, coarse") << int(Qt::Key_Up) << true << 0.0f << -1.0f;
    }
    // A held arrow key repeats three times: one undo step.
    void nudge()
    {
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(float, dx);
        QFETCH(float, dy);
        Seal *seal = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        click(*w, QPoint(100, 100));
        const Qt::KeyboardModifiers mods = shift ? Qt::ShiftModifier : Qt::NoModifier;
        float x = 30;
        float y = 30;
        for (int i = 0; i < 3; ++i) {
            QKeyEvent press(QEvent::KeyPress, key, mods, QString(), i > 0);
            QApplication::sendEvent(w.get(), &press);
            QKeyEvent release(QEvent::KeyRelease, key, mods, QString(), i < 2);
            QApplication::sendEvent(w.get(), &release);
            // Each step adds the step in extended precision and stores a float.
            x = float(x + (dx == 0 ? 0.0L : (shift ? 1.0L : 0.1L) * (dx > 0 ? 1 : -1)));
            y = float(y + (dy == 0 ? 0.0L : (shift ? 1.0L : 0.1L) * (dy > 0 ? 1 : -1)));
        }
        QCOMPARE(seal->RealCenterX(), x);
        QCOMPARE(seal->RealCenterY(), y);
        QCOMPARE(w->document().undoStack().count(), 1);
        QCOMPARE(w->handles()->placedBox(), boxOf(seal));
        typeKey(*w, Qt::Key(key), mods); // a new press is a new step
        QCOMPARE(w->document().undoStack().count(), 2);
    }

    // Tab chooses the seals in stacking order and wraps, Shift+Tab goes back, Escape lets go.
    // Choosing shows the seal's options and handles and edits nothing.
    void keyboardChoosesSeals()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        Seal *c = addSeal(*w, SealType::stName22, 20, 20, 130, 30);
        const QByteArray before = testing::savedDocument(w->document());
        typeKey(*w, Qt::Key_Tab);
        QCOMPARE(w->currentSeal(), a);
        QCOMPARE(host.toggles, a);
        QCOMPARE(w->handles()->placedBox(), boxOf(a));
        typeKey(*w, Qt::Key_Tab);
        QCOMPARE(w->currentSeal(), b);
        typeKey(*w, Qt::Key_Tab);
        typeKey(*w, Qt::Key_Tab);
        QCOMPARE(w->currentSeal(), a);
        typeKey(*w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w->currentSeal(), c);
        typeKey(*w, Qt::Key_Escape);
        QVERIFY(w->selection().empty());
        typeKey(*w, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(w->currentSeal(), c);
        QVERIFY(!w->isModified());
        QCOMPARE(w->document().undoStack().count(), 0);
        QCOMPARE(testing::savedDocument(w->document()), before);
    }

    // Enter places the chosen element in the middle of what is in view and ends the placing
    // mode; without a placing mode, or with a page tool, it places nothing.
    void enterPlaces()
    {
        w->resize(400, 400);
        w->verticalScrollBar()->setValue(300);
        w->horizontalScrollBar()->setValue(200);
        typeKey(*w, Qt::Key_Return);
        host.tool = Tool::ZoomIn;
        typeKey(*w, Qt::Key_Return);
        QVERIFY(w->sealList().empty());
        host.tool = Tool::RectangleFrame;
        typeKey(*w, Qt::Key_Enter);
        QCOMPARE(host.tool, std::nullopt);
        QCOMPARE(w->sealList().size(), size_t(1));
        const Seal *seal = w->currentSeal();
        QVERIFY(seal);
        const QPoint centre = w->pagePanel()->mapTo(
            w->viewport(), QPoint(seal->left() + seal->width() / 2, seal->top() + seal->height() / 2));
        const QPoint middle = w->viewport()->rect().center();
        QVERIFY2((centre - middle).manhattanLength() <= 2, qPrintable(u"%1,%2"_s.arg(centre.x()).arg(centre.y())));
        QVERIFY(w->isModified());
    }

    void clearPageCountsAsUnmodified()
    {
        addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        click(*w, QPoint(100, 100));
        w->clearPage();
        QVERIFY(w->sealList().empty());
        QVERIFY(!w->handles());
        QVERIFY(!w->isModified());
        QCOMPARE(host.status[2], u"文件状态：未修改"_s);
        QCOMPARE(host.status[3], u"已画图形：0"_s);
        QPointer<DocumentWindow> guard(w.get());
        QVERIFY(w->close());
        w.release(); // deleted on close
        QCOMPARE(host.questions, 0);
        QTRY_VERIFY(guard.isNull());
    }

    void centreAndStack()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        Seal *b = addSeal(*w, SealType::stName22, 10, 10, 80, 30);
        w->centreSelection(); // no frame: nothing
        QVERIFY(!w->isModified());
        drag(*w, QPoint(60, 60), QPoint(360, 170));
        const QRect frame = w->selectionFrame()->bounds();
        w->centreSelection();
        // The middle of the frame, in millimetres.
        const long double factor = 100.0L / (100.0L * w->screenPixelsPerMm());
        const float cx = float((frame.left() + frame.width() / 2.0L) * factor);
        const float cy = float((frame.top() + frame.height() / 2.0L) * factor);
        QCOMPARE(a->RealCenterX(), cx);
        QCOMPARE(b->RealCenterX(), cx);
        QCOMPARE(b->RealCenterY(), cy);
        // The frame follows the seals: the larger one now decides it.
        QCOMPARE(w->selectionFrame()->bounds(), boxOf(a).adjusted(-2, -2, 2, 2));

        w->document().selectSeal(a);
        w->bringSealToFront();
        QCOMPARE(w->sealList().back().get(), a);
        w->sendSealToBack();
        QCOMPARE(w->sealList().front().get(), a);
    }

    void pageLock()
    {
        w->togglePageLock();
        QVERIFY(!w->pagePanel()->isEnabled());
        host.tool = Tool::RectangleFrame;
        click(*w, QPoint(200, 200));
        QVERIFY(w->sealList().empty());
        w->togglePageLock();
        click(*w, QPoint(200, 200));
        QCOMPARE(w->sealList().size(), size_t(1));
    }

    // Locking puts down a placing tool that waits for its press; the page tools stay chosen.
    void lockDisarmsPlacingTool_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<bool>("stays");
        QTest::newRow("frame") << Tool::RectangleFrame << false;
        QTest::newRow("emblem") << Tool::EmblemPicture << false;
        QTest::newRow("hand") << Tool::Hand << true;
    }
    void lockDisarmsPlacingTool()
    {
        QFETCH(Tool, tool);
        QFETCH(bool, stays);
        host.tool = tool;
        w->applyToolCursor();
        w->togglePageLock();
        QCOMPARE(host.tool.has_value(), stays);
        QCOMPARE(w->pagePanel()->cursor().shape() == Qt::ArrowCursor, !stays);
        w->togglePageLock(); // unlocking chooses nothing
        QCOMPARE(host.tool.has_value(), stays);
    }

    // On a locked page the arrows, Enter, Tab and Escape leave the seals and the selection as
    // they are; the commands still work.
    void lockedPageKeys()
    {
        Seal *a = addSeal(*w, SealType::stName22, 20, 20, 30, 30);
        addSeal(*w, SealType::stName22, 20, 20, 80, 30);
        click(*w, QPoint(100, 100));
        w->togglePageLock();
        const QByteArray before = testing::savedDocument(w->document());
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Escape})
            typeKey(*w, key);
        typeKey(*w, Qt::Key_Left, Qt::ShiftModifier);
        typeKey(*w, Qt::Key_Backtab, Qt::ShiftModifier);
        host.tool = Tool::RectangleFrame;
        typeKey(*w, Qt::Key_Return);
        QCOMPARE(host.tool, Tool::RectangleFrame); // not used up
        QCOMPARE(w->currentSeal(), a);
        QCOMPARE(w->sealList().size(), size_t(2));
        QCOMPARE(testing::savedDocument(w->document()), before);
        QCOMPARE(w->document().undoStack().count(), 0);

        w->copySelection();
        w->paste();
        QCOMPARE(w->sealList().size(), size_t(3));
        w->deleteSelection();
        QCOMPARE(w->sealList().size(), size_t(2));
        w->document().undoStack().undo();
        QCOMPARE(w->sealList().size(), size_t(3));
        w->clearPage();
        QVERIFY(w->sealList().empty());
    }

    void closeModified_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saves");
        QTest::addColumn<bool>("closes");
        QTest::newRow("cancel") << int(PageHost::SaveAnswer::Cancel) << true << false;
        QTest::newRow("no") << int(PageHost::SaveAnswer::No) << false << true;
        QTest::newRow("yes, saved") << int(PageHost::SaveAnswer::Yes) << true << true;
        // The save dialog cancelled: the work stays open.
        QTest::newRow("yes, save cancelled") << int(PageHost::SaveAnswer::Yes) << false << false;
    }
    void closeModified()
    {
        QFETCH(int, answer);
        QFETCH(bool, saves);
        QFETCH(bool, closes);
        host.tool = Tool::RectangleFrame;
        click(*w, QPoint(200, 200));
        host.answer = PageHost::SaveAnswer(answer);
        host.saveSucceeds = saves;
        QPointer<DocumentWindow> guard(w.get());
        QCOMPARE(w->close(), closes);
        QCOMPARE(host.questions, 1);
        if (closes) {
            w.release();
            QTRY_VERIFY(guard.isNull());
        }
    }
};

QTEST_MAIN(TestDocumentEdit)
#include "tst_documentedit.moc"
