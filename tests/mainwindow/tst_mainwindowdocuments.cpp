// Documents in the main window: new names, opening (twice, missing, damaged), saving under a
// name, Save As, failed saves, closing questions, Exit, and the window menu.

#include "mainwindowtesting.h"

#include "document/documenttesting.h"

#include "mainwindow/statuspanels.h"
#include "mainwindow/wallpapermdiarea.h"

#include "controls/statusbar.h"
#include "controls/tabbutton.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/keystates.h"
#include "properties/propertywindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>
#include <QToolBar>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

const QString CloseQuestion = u"当前文件尚未保存或者已被修改，是否\r保存（修改后的）文件？"_s;

QStringList captions(const MainWindow &w)
{
    QStringList out;
    for (DocumentWindow *child : w.documentWindows())
        out.append(MainWindow::caption(child));
    return out;
}

// A saved document with the number of seals.
QString writeDocument(const QString &fileName, int seals)
{
    SealDocument doc;
    for (int i = 0; i < seals; ++i)
        doc.appendCreatedSeal(doc.createSeal());
    NoProgress progress;
    return doc.save(fileName, progress).ok() ? fileName : QString();
}

} // namespace

class TestMainWindowDocuments : public QObject
{
    Q_OBJECT

private slots:
    void newDocumentNames()
    {
        Start s;
        MainWindow &w = s.show();
        QList<DocumentWindow *> followed;
        connect(&w, &MainWindow::activeDocumentChanged, this, [&](DocumentWindow *child) { followed.append(child); });
        w.fileNew();
        QCOMPARE(followed, QList<DocumentWindow *>{w.activeDocument()});
        QCOMPARE(captions(w), QStringList{u"文件1.dyz"_s});
        QCOMPARE(w.statusText(2), u"文件状态：未修改"_s);
        QCOMPARE(w.statusText(3), u"已画图形：0"_s);
        w.fileNew();
        w.fileNew();
        QCOMPARE(captions(w), (QStringList{u"文件1.dyz"_s, u"文件2.dyz"_s, u"文件3.dyz"_s}));
        QCOMPARE(MainWindow::caption(w.activeDocument()), u"文件3.dyz"_s);
        // The page comes from the printer set-up (A4 without one) at the zoom choice.
        QCOMPARE(w.activeDocument()->document().page().zoom(), 100);
        QVERIFY(w.action(u"WindowsCloseAll"_s)->isEnabled());

        // Two windows left of three: the count gives 文件3, free again after closing it.
        w.mdiArea()->activeSubWindow()->close();
        flushDeletes();
        w.fileNew();
        QCOMPARE(MainWindow::caption(w.activeDocument()), u"文件3.dyz"_s);
        // Without 文件1 the count gives 文件3, which is open: the lowest free number is taken.
        w.mdiArea()->subWindowList(QMdiArea::CreationOrder).front()->close();
        flushDeletes();
        QCOMPARE(captions(w), (QStringList{u"文件2.dyz"_s, u"文件3.dyz"_s}));
        w.fileNew();
        QCOMPARE(MainWindow::caption(w.activeDocument()), u"文件1.dyz"_s);
        w.fileNew();
        QCOMPARE(MainWindow::caption(w.activeDocument()), u"文件4.dyz"_s);
    }

    // The same file by another spelling of its path is the open one, not a second window.
    void openSameFileByAnotherPath_data()
    {
        QTest::addColumn<QString>("spelling");
        QTest::newRow("dot segments") << u"sub/../a.dyz"_s;
        QTest::newRow("symbolic link") << u"link.dyz"_s;
    }
    void openSameFileByAnotherPath()
    {
        QFETCH(QString, spelling);
        Start s;
        MainWindow &w = s.show();
        const QString file = writeDocument(s.path(u"a.dyz"_s), 1);
        QVERIFY(QDir(s.dir.path()).mkpath(u"sub"_s));
        QVERIFY(QFile::link(file, s.path(u"link.dyz"_s)));
        DocumentWindow *opened = w.openDocumentFile(file);
        QVERIFY(opened);
        w.fileNew();
        QCOMPARE(w.documentHolding(s.path(spelling)), opened);
        s.dialogs.files = {s.path(spelling)};
        w.fileOpen();
        QCOMPARE(w.documentWindows().size(), 2);
        QCOMPARE(w.activeDocument(), opened);
        QCOMPARE(s.dialogs.texts(), QStringList{u"该文件已经打开！看见了吧^_^"_s});
        // Another file of the same name elsewhere is another document.
        const QString other = writeDocument(s.path(u"sub/a.dyz"_s), 2);
        QCOMPARE(w.documentHolding(other), nullptr);
    }

    // Save As onto the file of another window asks first; Yes writes the file and leaves the
    // other window with its seals as an untitled, modified document, so no two windows ever
    // stand for one file.
    void saveAsOntoOpenFile()
    {
        Start s;
        MainWindow &w = s.show();
        const QString file = writeDocument(s.path(u"a.dyz"_s), 2);
        DocumentWindow *holder = w.openDocumentFile(file);
        QVERIFY(holder);
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child);
        s.dialogs.messages.clear();

        // No: nothing is written, both windows stay as they were.
        s.dialogs.files = {s.path(u"./a.dyz"_s)};
        s.dialogs.answers = {QMessageBox::No};
        QVERIFY(!w.fileSaveAs());
        QCOMPARE(
            s.dialogs.texts(),
            QStringList{
                u"文件“a.dyz”已在另一个窗口中打开。\r是否用当前文件替换它？\r那个窗口的内容将保留为未命名的文件。"_s});
        QCOMPARE(s.dialogs.messages.front().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(sealsInFile(file), 2);
        QCOMPARE(MainWindow::caption(child), u"文件2.dyz"_s);
        QCOMPARE(MainWindow::caption(holder), file);
        QVERIFY(child->isModified());

        // Yes: the file holds this window's seal; the other window keeps its two, untitled.
        s.dialogs.files = {file};
        s.dialogs.answers = {QMessageBox::Yes};
        QVERIFY(w.fileSaveAs());
        QCOMPARE(sealsInFile(file), 1);
        QCOMPARE(MainWindow::caption(child), file);
        QVERIFY(!child->isModified());
        QCOMPARE(MainWindow::caption(holder), u"文件3.dyz"_s);
        QVERIFY(holder->isModified());
        QCOMPARE(holder->sealList().size(), size_t(2));
        QCOMPARE(w.documentHolding(file), child);
        QCOMPARE(w.documentHolding(file, child), nullptr);

        // Save As onto its own file asks nothing.
        s.dialogs.messages.clear();
        s.dialogs.files = {file};
        QVERIFY(w.fileSaveAs());
        QVERIFY(s.dialogs.messages.empty());
    }

    // When the last document closes, nothing of it stays on show: the status panels return to
    // their first texts, the file state reads "无文件" and the property window shows no seal.
    void lastDocumentClosed()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        addSeal(*w.activeDocument());
        w.activeDocument()->document().clearHistory();
        auto *properties = qobject_cast<PropertyWindow *>(w.propertyWindow());
        QVERIFY(properties);
        QVERIFY(properties->document());
        w.setStatusText(0, u" 水平坐标：12.5mm"_s);
        w.setStatusText(1, u"垂直坐标：30mm"_s);
        QCOMPARE(w.statusText(3), u"已画图形：1"_s);
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        QCOMPARE(w.statusText(0), u" 水平坐标："_s);
        QCOMPARE(w.statusText(1), u"垂直坐标："_s);
        QCOMPARE(w.statusText(2), u"文件状态：无文件"_s);
        QCOMPARE(w.statusText(3), u"已画图形："_s);
        QCOMPARE(properties->document(), nullptr);
    }

    void openTwiceBringsItForward()
    {
        Start s;
        MainWindow &w = s.show();
        const QString file = writeDocument(s.path(u"a.dyz"_s), 2);
        s.dialogs.files = {file};
        w.fileOpen();
        QVERIFY(waitForOpenings(w));
        QCOMPARE(s.dialogs.openRequests, 1);
        DocumentWindow *opened = w.activeDocument();
        QVERIFY(opened);
        QCOMPARE(opened->sealList().size(), size_t(2));
        QVERIFY(!opened->isModified());
        QCOMPARE(w.statusText(3), u"已画图形：2"_s);
        w.fileNew();
        s.dialogs.files = {file};
        w.fileOpen();
        QCOMPARE(w.documentWindows().size(), 2);
        QCOMPARE(w.activeDocument(), opened);
        QCOMPARE(s.dialogs.texts(), QStringList{u"该文件已经打开！看见了吧^_^"_s});
        QCOMPARE(s.dialogs.messages.front().buttons, QMessageBox::StandardButtons(QMessageBox::Yes));
        QCOMPARE(s.config->recentFiles(), QStringList{file});
    }

    void openRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");
        QTest::newRow("missing") << QByteArray() << u"文件不存在！"_s << int(QMessageBox::Warning);
        QTest::newRow("not a document") << QByteArray("garbage, garbage")
                                        << u"<b.dyz>文件不是Quillmark\r格式文档，打开失败！"_s
                                        << int(QMessageBox::Information);
        // A first Single of 4.0: written by a version that cannot be read.
        QTest::newRow("old version") << QByteArray("\x00\x00\x80\x40", 4) << u"Quillmark 4.x+保存的文件，不能打开！"_s
                                     << int(QMessageBox::Information);
    }
    void openRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(int, icon);
        // Read at once, and read on a worker: the same refusal.
        for (const bool onWorker : {false, true}) {
            Start s;
            MainWindow &w = s.show();
            const QString file = s.path(u"b.dyz"_s);
            if (!bytes.isEmpty()) {
                QFile f(file);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(bytes);
            }
            if (onWorker) {
                QCOMPARE(w.beginOpeningFile(file), !bytes.isEmpty());
                QVERIFY(waitForOpenings(w));
            } else {
                QVERIFY(!w.openDocumentFile(file));
            }
            flushDeletes();
            QVERIFY(w.documentWindows().isEmpty());
            QCOMPARE(s.dialogs.texts(), QStringList{message});
            QCOMPARE(int(s.dialogs.messages.front().icon), icon);
            QVERIFY(w.progressPanel()->isHidden());
        }
    }

    // A file read on a worker: the window comes with the very document a direct read gives,
    // the bar counted every seal, and a second open meanwhile makes no second window.
    void openingOnAWorker()
    {
        Start s;
        MainWindow &w = s.show();
        const QString file = writeDocument(s.path(u"many.dyz"_s), 2000);
        QVERIFY(w.beginOpeningFile(file));
        QVERIFY(w.isOpening());
        QVERIFY(w.documentWindows().isEmpty());
        QVERIFY(w.progressPanel()->isVisible());
        QCOMPARE(w.progressPanel()->caption()->text(), u"正在载入："_s);
        s.dialogs.files = {file};
        w.fileOpen();
        QCOMPARE(s.dialogs.texts(), QStringList{u"该文件已经打开！看见了吧^_^"_s});
        QVERIFY(waitForOpenings(w));
        QCOMPARE(w.documentWindows().size(), 1);
        DocumentWindow *child = w.activeDocument();
        QVERIFY(child);
        QCOMPARE(MainWindow::caption(child), file);
        SealDocument direct;
        NoProgress progress;
        QVERIFY(openDocument(file, direct, progress).ok());
        QCOMPARE(testing::savedDocument(child->document()), testing::savedDocument(direct));
        QVERIFY(!child->isModified());
        QCOMPARE(w.statusText(3), u"已画图形：2000"_s);
        // Maximum N + 5, reached.
        QCOMPARE(w.progressPanel()->bar()->maximum(), 2005);
        QCOMPARE(w.progressPanel()->bar()->value(), 2005);
        QVERIFY(w.progressPanel()->isHidden());
    }

    // Closing or destroying the main window while a file is read stops the reader: no window
    // comes later, nothing is asked or written, and a close the user cancels lets it finish.
    void closingWhileOpening_data()
    {
        QTest::addColumn<int>("how"); // 0 close, 1 destroy, 2 close cancelled by a modified document
        QTest::newRow("close") << 0;
        QTest::newRow("destroy") << 1;
        QTest::newRow("close cancelled") << 2;
    }
    void closingWhileOpening()
    {
        QFETCH(int, how);
        Start s;
        MainWindow &w = s.show();
        const QString file = writeDocument(s.path(u"many.dyz"_s), 3000);
        const QByteArray before = [&] {
            QFile f(file);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        if (how == 2) {
            w.fileNew();
            addSeal(*w.activeDocument());
            s.dialogs.answers = {QMessageBox::Cancel};
        }
        QVERIFY(w.beginOpeningFile(file));
        switch (how) {
        case 0:
            QVERIFY(w.close());
            break;
        case 1:
            s.window.reset();
            break;
        default:
            QVERIFY(!w.close());
            break;
        }
        if (how == 2) {
            QVERIFY(waitForOpenings(w));
            QCOMPARE(w.documentWindows().size(), 2);
        } else {
            if (s.window) {
                QVERIFY(!w.isOpening());
                QTest::qWait(50);
                QVERIFY(w.documentWindows().isEmpty());
                QVERIFY(w.progressPanel()->isHidden());
            }
            QVERIFY(s.dialogs.messages.empty());
        }
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // An untitled document always asks for a name; a bare name gets ".dyz".
    void untitledSaveAsks()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child);
        s.dialogs.files = {s.path(u"named"_s)};
        QVERIFY(w.fileSave());
        QCOMPARE(int(s.dialogs.saveRequests.size()), 1);
        QCOMPARE(s.dialogs.saveRequests.front().suffix, u"dyz"_s);
        QCOMPARE(s.dialogs.saveRequests.front().proposed, w.workFolder(u"我的印章"_s) + u"文件1.dyz"_s);
        const QString saved = s.path(u"named.dyz"_s);
        QCOMPARE(sealsInFile(saved), 1);
        QCOMPARE(MainWindow::caption(child), saved);
        QVERIFY(!child->isModified());
        QCOMPARE(w.statusText(2), u"文件状态：已保存"_s);
        // Cancelling the dialog writes nothing.
        w.fileNew();
        addSeal(*w.activeDocument());
        QVERIFY(!w.fileSave());
        QVERIFY(w.activeDocument()->isModified());
    }

    // After Save As the window is the new file's: Save writes there, the old file stays.
    void saveAsThenSave()
    {
        Start s;
        MainWindow &w = s.show();
        const QString old = writeDocument(s.path(u"old.dyz"_s), 1);
        DocumentWindow *child = w.openDocumentFile(old);
        QVERIFY(child);
        const QString fresh = s.path(u"new.dyz"_s);
        s.dialogs.files = {fresh};
        QVERIFY(w.fileSaveAs());
        QCOMPARE(s.dialogs.saveRequests.front().proposed, old);
        QCOMPARE(MainWindow::caption(child), fresh);
        addSeal(*child);
        QVERIFY(w.fileSave());
        QCOMPARE(int(s.dialogs.saveRequests.size()), 1);
        QCOMPARE(sealsInFile(fresh), 2);
        QCOMPARE(sealsInFile(old), 1);
    }

    // A save that cannot be written is reported; the window stays open and modified.
    void failedSaveKeepsWindow()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child);
        const QString unwritable = s.path(u"no such folder/x.dyz"_s);
        s.dialogs.files = {unwritable};
        QVERIFY(!w.fileSave());
        QCOMPARE(int(s.dialogs.messages.size()), 1);
        QCOMPARE(s.dialogs.messages.front().icon, QMessageBox::Critical);
        QVERIFY(child->isModified());
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
        QCOMPARE(MainWindow::caption(child), u"文件1.dyz"_s);

        // Closing: Yes, and the save fails again (or is cancelled): the window and its work stay.
        s.dialogs.messages.clear();
        s.dialogs.answers = {QMessageBox::Yes, QMessageBox::Yes};
        s.dialogs.files = {unwritable};
        QVERIFY(!w.mdiArea()->activeSubWindow()->close());
        QVERIFY(!w.mdiArea()->activeSubWindow()->close());
        flushDeletes();
        QCOMPARE(w.documentWindows().size(), 1);
        QCOMPARE(s.dialogs.texts().count(CloseQuestion), 2);
        QVERIFY(child->isModified());

        // Yes with a good name saves, then closes.
        s.dialogs.answers = {QMessageBox::Yes};
        s.dialogs.files = {s.path(u"good.dyz"_s)};
        QVERIFY(w.mdiArea()->activeSubWindow()->close());
        flushDeletes();
        QVERIFY(w.documentWindows().isEmpty());
        QCOMPARE(sealsInFile(s.path(u"good.dyz"_s)), 1);
        QCOMPARE(w.statusText(2), u"文件状态：无文件"_s);
    }

    // Cancel in any closing question stops Exit and Close All; the windows left stay open.
    void cancelStopsExit()
    {
        Start s;
        MainWindow &w = s.show();
        for (int i = 0; i < 3; ++i) {
            w.fileNew();
            addSeal(*w.activeDocument());
        }
        // The last window first: No closes it, Cancel keeps the other two.
        s.dialogs.answers = {QMessageBox::No, QMessageBox::Cancel};
        QVERIFY(!w.close());
        flushDeletes();
        QVERIFY(w.isVisible());
        QCOMPARE(captions(w), (QStringList{u"文件1.dyz"_s, u"文件2.dyz"_s}));
        s.dialogs.answers = {QMessageBox::Cancel};
        w.action(u"WindowsCloseAll"_s)->trigger();
        flushDeletes();
        QCOMPARE(w.documentWindows().size(), 2);
        s.dialogs.answers = {QMessageBox::No, QMessageBox::No};
        QVERIFY(w.close());
        flushDeletes();
        QVERIFY(w.documentWindows().isEmpty());
        QCOMPARE(s.dialogs.texts().count(CloseQuestion), 5);
    }

    void windowMenu()
    {
        Start s;
        MainWindow &w = s.show();
        for (int i = 0; i < 3; ++i)
            w.fileNew();
        WallpaperMdiArea *area = w.mdiArea();
        const QList<QMdiSubWindow *> windows = area->subWindowList(QMdiArea::CreationOrder);
        const QSize client = area->viewport()->size();

        area->tileHorizontally();
        for (int i = 0; i < 3; ++i) {
            const QRect r = windows.at(i)->geometry();
            QCOMPARE(r, QRect(0, client.height() * i / 3, client.width(),
                              client.height() * (i + 1) / 3 - client.height() * i / 3));
        }
        area->tileVertically();
        for (int i = 0; i < 3; ++i) {
            const QRect r = windows.at(i)->geometry();
            QCOMPARE(r, QRect(client.width() * i / 3, 0, client.width() * (i + 1) / 3 - client.width() * i / 3,
                              client.height()));
        }
        w.action(u"WindowMinimizeAll1"_s)->trigger();
        int left = 0;
        for (QMdiSubWindow *window : windows) {
            QVERIFY(window->isMinimized());
            QCOMPARE(window->geometry().bottom(), client.height() - 1);
            QCOMPARE(window->x(), left);
            left += window->width();
        }

        area->setActiveSubWindow(windows.at(1));
        emit w.windowMenu()->aboutToShow();
        QStringList listed;
        QString checked;
        for (QAction *a : w.windowMenu()->actions())
            if (a->isCheckable()) {
                listed.append(a->text());
                if (a->isChecked())
                    checked = a->text();
            }
        QCOMPARE(listed, (QStringList{u"&1 文件1.dyz"_s, u"&2 文件2.dyz"_s, u"&3 文件3.dyz"_s}));
        QCOMPARE(checked, u"&2 文件2.dyz"_s);
        emit w.windowMenu()->aboutToShow(); // built afresh, not appended
        QCOMPARE(std::count_if(w.windowMenu()->actions().cbegin(), w.windowMenu()->actions().cend(),
                               [](QAction *a) { return a->isCheckable(); }),
                 3);
    }

    void sealToggles_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("image");
        QTest::addColumn<bool>("star");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QList<bool>>("checks");
        QTest::newRow("positive round with star")
            << int(SealType::stEllipse) << true << true << true << u"阳章"_s << QList<bool>{true, true, true};
        QTest::newRow("negative with emblem")
            << int(SealType::stRect) << false << true << false << u"阳章"_s << QList<bool>{false, false, true};
        QTest::newRow("hollow star") << int(SealType::stFiveStar) << true << false << false << u"空心"_s
                                     << QList<bool>{true, false, false};
    }
    void sealToggles()
    {
        QFETCH(int, type);
        QFETCH(bool, clear);
        QFETCH(bool, image);
        QFETCH(bool, star);
        QFETCH(QString, caption);
        QFETCH(QList<bool>, checks);
        Start s;
        MainWindow &w = s.create();
        Seal seal;
        seal.setSealType(SealType(type));
        seal.setBrushStyle(clear ? BrushStyle::bsClear : BrushStyle::bsSolid);
        seal.setHaveImage(image);
        seal.setImageIsStar(star);
        w.updateSealToggles(&seal);
        QCOMPARE(w.raisedTextBox()->text(), caption);
        QCOMPARE((QList<bool>{w.raisedTextBox()->isChecked(), w.starBox()->isChecked(), w.emblemBox()->isChecked()}),
                 checks);
        w.updateSealToggles(nullptr); // nothing changes
        QCOMPARE(w.raisedTextBox()->text(), caption);
    }

    // A placing command works only with a document; its press on the page places one seal and
    // the status bar follows.
    void placingCommand()
    {
        Start s;
        MainWindow &w = s.show();
        QAction *roundSeal = w.drawActions().action(Tool::RoundOfficialSeal);
        QCOMPARE(roundSeal->objectName(), u"actDrawGZh"_s);
        roundSeal->trigger();
        QVERIFY(!roundSeal->isChecked()); // no document: the button springs back
        w.fileNew();
        roundSeal->trigger();
        QCOMPARE(w.checkedToolAction(), roundSeal);
        w.drawActions().action(Tool::HorizontalLine)->trigger();
        QCOMPARE(w.checkedDrawAction(), Tool::HorizontalLine); // one mode at a time
        roundSeal->trigger();
        DocumentWindow *child = w.activeDocument();
        QCOMPARE(child->pagePanel()->cursor().shape(), Qt::BitmapCursor);
        QTest::mouseClick(child->pagePanel(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QCOMPARE(w.checkedToolAction(), nullptr);
        QCOMPARE(child->sealList().size(), size_t(1));
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
        QCOMPARE(w.statusText(3), u"已画图形：1"_s);
        QCOMPARE(w.raisedTextBox()->text(), u"阳章"_s);
    }

    void recentFiles()
    {
        Start s;
        MainWindow &w = s.show();
        const QString a = writeDocument(s.path(u"a.dyz"_s), 1);
        const QString b = writeDocument(s.path(u"b.dyz"_s), 2);
        QVERIFY(w.openDocumentFile(a));
        QVERIFY(w.openDocumentFile(b));
        emit w.recentMenu()->aboutToShow();
        const QList<QAction *> items = w.recentMenu()->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0)->text(), u"&1 "_s + b);
        w.mdiArea()->closeAllSubWindows();
        flushDeletes();
        items.at(1)->trigger();
        QVERIFY(waitForOpenings(w));
        QCOMPARE(MainWindow::caption(w.activeDocument()), a);
        QFile::remove(b);
        items.at(0)->trigger(); // gone: said so, and dropped from the list
        QCOMPARE(s.dialogs.texts(), QStringList{u"文件不存在！"_s});
        QCOMPARE(s.config->recentFiles(), QStringList{a});
    }

    // The property window's top-right corner meets the tool bar's bottom-right corner.
    void propertyWindowPlacement()
    {
        Start s;
        MainWindow &w = s.show();
        int made = 0;
        w.setPropertyWindowFactory([&made](MainWindow &main) {
            ++made;
            auto *window = new QWidget(&main, Qt::Tool);
            window->setFixedSize(180, 300);
            return window;
        });
        w.fileNew();
        QWidget *window = w.propertyWindow();
        QVERIFY(window && window->isVisible());
        const QToolBar *bar = w.toolBar();
        QCOMPARE(window->pos(), bar->mapToGlobal(QPoint(bar->contentsRect().width() - 180, bar->height())));
        w.fileNew();
        QCOMPARE(made, 1); // one window, placed once
        w.togglePropertyWindow();
        QVERIFY(!w.propertyWindow());
        w.togglePropertyWindow();
        QCOMPARE(made, 2);
    }

    // The property window shows the active document's seal and follows the active window.
    void propertyWindowFollows()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        auto *properties = qobject_cast<PropertyWindow *>(w.propertyWindow());
        QVERIFY(properties);
        QCOMPARE(properties->document(), &w.activeDocument()->document());
        DocumentWindow *first = w.activeDocument();
        w.fileNew();
        QCOMPARE(properties->document(), &w.activeDocument()->document());
        w.mdiArea()->setActiveSubWindow(w.mdiArea()->subWindowList(QMdiArea::CreationOrder).front());
        QCOMPARE(properties->document(), &first->document());
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        QCOMPARE(properties->document(), nullptr);

        // Closed by the user: the main window lets go of it and the toggle makes a new one.
        properties->close();
        flushDeletes();
        QVERIFY(!w.propertyWindow());
        emit w.viewMenu()->aboutToShow();
        QCOMPARE(w.action(u"actViewOpenOrClosefrmProp"_s)->text(), u"开启属性窗口"_s);
        w.action(u"actViewOpenOrClosefrmProp"_s)->trigger();
        QVERIFY(w.propertyWindow() && w.propertyWindow()->isVisible());
        QCOMPARE(w.action(u"actViewOpenOrClosefrmProp"_s)->text(), u"关闭属性窗口"_s);
    }

    // F6 takes the keyboard from the page into the property window, unrolled, and back.
    void switchPaneByKey()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        auto *properties = qobject_cast<PropertyWindow *>(w.propertyWindow());
        QVERIFY(properties);
        addSeal(*w.activeDocument());
        w.activateWindow();
        w.activeDocument()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == w.activeDocument());
        properties->rollUp();
        QTest::keyClick(w.activeDocument(), Qt::Key_F6);
        QVERIFY(!properties->isRolledUp());
        QWidget *box = properties->focusWidget();
        QVERIFY(box && properties->isAncestorOf(box) && box->isEnabled());
        // The window manager hands the activation over.
        QApplication::setActiveWindow(properties);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_F6);
        QCOMPARE(w.focusWidget(), w.activeDocument());
    }

    // The main window is hidden and frozen while the print window is up, and back afterwards.
    void printWindow()
    {
        Start s;
        MainWindow &w = s.show();
        bool hiddenDuring = false;
        bool frozenDuring = false;
        w.setPrintWindowFactory([&](MainWindow &main) {
            auto dialog = std::make_unique<QDialog>();
            QTimer::singleShot(0, dialog.get(), [&, d = dialog.get()] {
                hiddenDuring = !main.isVisible();
                frozenDuring = !main.updatesEnabled();
                d->accept();
            });
            return dialog;
        });
        w.openPrintWindow(true);
        QVERIFY(w.printPreview());
        QVERIFY(hiddenDuring);
        QVERIFY(frozenDuring);
        QVERIFY(w.isVisible());
        QVERIFY(w.updatesEnabled());
    }

    // Everything a user can operate has a name a screen reader can say.
    void accessibleNames()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        for (QWidget *widget : w.findChildren<QWidget *>()) {
            if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus)
                continue;
            if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QComboBox *>(widget))
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(iface);
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
        }
        // Lists are named by their labels, with their text as the value.
        for (QComboBox *list : {w.zoomBox(), w.fontBox()}) {
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
            QCOMPARE(iface->text(QAccessible::Name), list->accessibleName());
            QCOMPARE(iface->text(QAccessible::Value), list->currentText());
            QCOMPARE(iface->role(), QAccessible::ComboBox);
        }
        QCOMPARE(w.zoomBox()->accessibleName(), u"显示比例"_s);
        QCOMPARE(w.fontBox()->accessibleName(), u"字体"_s);
        for (QCheckBox *box : w.toolBar()->findChildren<QCheckBox *>())
            QVERIFY(!QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).isEmpty());
        QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(w.emblemTab());
        QCOMPARE(tab->text(QAccessible::Name), u"徽标集"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(w.activeDocument())->text(QAccessible::Name), u"文件1.dyz"_s);
    }

    // After start-up without a document the keyboard is in the tool bar's zoom list.
    void keyboardFocusAtStart()
    {
        Start s;
        MainWindow &w = s.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget(), w.zoomBox());
    }

    // Every command in the menus has an icon of our own, drawn sharp at twice the pixels.
    void menuIcons()
    {
        Start s;
        MainWindow &w = s.create();
        int checked = 0;
        for (QAction *menu : w.menuBar()->actions())
            for (QAction *a : menu->menu()->actions()) {
                if (a->isSeparator() || a->menu() || a->isCheckable())
                    continue;
                ++checked;
                const QPixmap sharp = a->icon().pixmap(QSize(24, 24), 2.0);
                QVERIFY2(sharp.size() == QSize(48, 48), qPrintable(a->objectName()));
            }
        QCOMPARE(checked, 47);
    }

    // The progress display on the status bar: shown with its caption, 3.5 inches wide and an
    // eighth of an inch from the right edge; positions stay within the maximum.
    void progressPanel()
    {
        Start s;
        MainWindow &w = s.show();
        auto *panel = dynamic_cast<ProgressPanel *>(&w.progress());
        QVERIFY(panel && panel->isHidden());
        w.progress().showText(u"正在保存："_s);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->caption()->text(), u"正在保存："_s);
        const int ppi = panel->logicalDpiX();
        QCOMPARE(panel->width(), int(std::nearbyint(ppi * 3.5)));
        QCOMPARE(panel->x() + panel->width() + ppi / 8, panel->parentWidget()->width());
        w.progress().setMaximum(10);
        w.progress().advance(3);
        QCOMPARE(panel->bar()->value(), 3);
        w.progress().advance(30);
        QCOMPARE(panel->bar()->value(), 10);
        w.progress().hide();
        QVERIFY(panel->isHidden());
    }

    // Panels 5 … 7 start with their texts and follow the keyboard; blank where the platform
    // cannot tell (offscreen).
    void keyStatePanels()
    {
        Start s;
        MainWindow &w = s.create();
        QCOMPARE((QStringList{w.statusText(5), w.statusText(6), w.statusText(7)}),
                 (QStringList{u"CAPS: OFF"_s, u"NUM :ON"_s, u"SCRL: OFF"_s}));
        w.showKeyStates();
        const LockKeyStates keys = readLockKeyStates();
        if (QGuiApplication::platformName() == u"offscreen"_s)
            QVERIFY(!keys.caps && !keys.num && !keys.scroll);
        QCOMPARE((QStringList{w.statusText(5), w.statusText(6), w.statusText(7)}),
                 (QStringList{capsText(keys.caps), numText(keys.num), scrollText(keys.scroll)}));
        QCOMPARE(capsText(true), u"CAPS: ON"_s);
        QCOMPARE(numText(false), u"NUM: OFF"_s);
        QCOMPARE(scrollText(std::nullopt), QString());
    }

    // The count panel holds the count of the largest document a file may hold.
    void countPanelFitsTheLargestDocument()
    {
        Start s;
        MainWindow &w = s.create();
        const StatusBar *bar = w.statusPanelBar();
        const QString largest = u"已画图形：%1"_s.arg(MaxDocumentSeals);
        QVERIFY(bar->panelWidth(3) >= bar->fontMetrics().horizontalAdvance(largest) + 8);
    }

    // Seal documents dropped onto the window open, one that is open comes forward; other
    // files are not taken.
    void droppedDocumentsOpen()
    {
        Start s;
        MainWindow &w = s.show();
        const QStringList files{s.path(u"a.dyz"_s), s.path(u"c.yzl"_s), s.path(u"B.DYZ"_s)};
        for (const QString &file : files) {
            SealDocument doc;
            NoProgress progress;
            QVERIFY(doc.save(file, progress).ok());
        }
        auto drop = [&w](const QStringList &dropped) {
            QMimeData data;
            for (const QString &file : dropped)
                data.setUrls(data.urls() << QUrl::fromLocalFile(file));
            const QPoint at = w.mdiArea()->geometry().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&w, &enter);
            QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            if (enter.isAccepted())
                QCoreApplication::sendEvent(&w, &event);
            QCoreApplication::processEvents();
            waitForOpenings(w);
            return event.isAccepted();
        };
        QVERIFY(!drop({files[1]}));
        QVERIFY(drop(files));
        QCOMPARE(w.documentWindows().size(), 2);
        QCOMPARE(MainWindow::caption(w.documentWindows()[1]), files[2]);
        QVERIFY(drop({files[0]}));
        QCOMPARE(w.documentWindows().size(), 2);
        QCOMPARE(MainWindow::caption(w.activeDocument()), files[0]);
        QCOMPARE(s.dialogs.texts(), QStringList{u"该文件已经打开！看见了吧^_^"_s});
    }
};

QTEST_MAIN(TestMainWindowDocuments)
#include "tst_mainwindowdocuments.moc"
