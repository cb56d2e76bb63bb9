#include "printwindow/printwindow.h"

#include "companions/dialogpackloader.h"
#include "controls/statusbar.h"
#include "page/pagetesting.h"
#include "printing/printtesting.h"
#include "printwindow/previewpage.h"
#include "seal/gbk.h"
#include "testing/modaldialogdriver.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUndoStack>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// A document window with an A4 page, 5 mm margins, and the print window's dialogs answered
// at once: the options record is the test's, the printer a PDF file in a temporary folder.
struct Bench {
    FakeHost host;
    std::unique_ptr<DocumentWindow> child;
    QTemporaryDir dir;
    QStringList messages; // "caption|text" and "error|text"
    PrintOptionsState answer{true, false, true, 1};
    int asks = 0;
    PrintOptionsState asked;
    bool printerPresent = true;
    std::function<void(QPrinter &)> setup;
    QString pdfFile;
    QStringList pdfFolders; // where each PDF file dialog started

    Bench() : child(newWindow(host)) {}

    QString printed() const { return dir.filePath(u"printed.pdf"_s); }

    PrintWindowOptions options()
    {
        PrintWindowOptions o;
        o.cursor = [this](int slot) { return host.cursorSlot(slot); };
        o.printerPresent = [this] { return printerPresent; };
        o.makePrinter = [this] { return pdfPrinter(printed()); };
        o.setupPrinter = [this](QPrinter &printer, QWidget *) {
            if (!setup)
                return false;
            setup(printer);
            return true;
        };
        o.askPrintOptions = [this](QWidget *, const PrintOptionsState &current) {
            ++asks;
            asked = current;
            return toRecord(answer);
        };
        o.information = [this](QWidget *, const QString &caption, const QString &text) {
            messages << caption + u'|' + text;
        };
        o.errorBox = [this](QWidget *, const QString &text) { messages << u"error|"_s + text; };
        o.askPdfFile = [this](QWidget *, const QString &folder) {
            pdfFolders << folder;
            return pdfFile;
        };
        o.pdfFolder = dir.filePath(u"exports"_s);
        o.editCalibration = [](QWidget *, PrintCalibration &) { return false; };
        o.settingsFile = dir.filePath(u"settings.ini"_s);
        return o;
    }
};

void showWindow(PrintWindow &w)
{
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList out;
    for (const QAction *a : actions) {
        if (!a->isSeparator())
            out << a->text();
    }
    return out;
}

} // namespace

class TestPrintWindow : public QObject
{
    Q_OBJECT

private slots:
    void printModeChrome()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        QCOMPARE(w.windowTitle(), u"Quillmark 打印管理..."_s);
        QVERIFY(!w.isPreview());
        QCOMPARE(w.copies(), 1);
        QVERIFY(w.menuBar());
        const QList<QAction *> menus = w.menuBar()->actions();
        QCOMPARE(texts(menus), (QStringList{u"文件(&F)"_s, u"显示(&V)"_s}));
        const QStringList file = texts(menus[0]->menu()->actions());
        for (const QString &item : {u"设置(&S)"_s, u"打印(&P)"_s, u"退出(&X)"_s})
            QVERIFY2(file.contains(item), qPrintable(item));
        QCOMPARE(texts(menus[1]->menu()->actions()),
                 (QStringList{u"连续放大(&I)"_s, u"连续缩小(&U)"_s, u"自适页面(&F)"_s}));
        // The menu items show the keys of the commands they run.
        QStringList keys;
        for (QMenu *menu : {menus[0]->menu(), menus[1]->menu()})
            for (const QAction *a : menu->actions())
                if (!a->shortcut().isEmpty())
                    keys << a->text() + u' ' + a->shortcut().toString();
        QCOMPARE(keys, (QStringList{u"设置(&S) Ctrl+S"_s, u"打印(&P) Ctrl+P"_s, u"退出(&X) Ctrl+Q"_s,
                                    u"连续放大(&I) PgUp"_s, u"连续缩小(&U) PgDown"_s}));
        QCOMPARE(w.toolBar()->orientation(), Qt::Vertical);
        QCOMPARE(texts(w.toolBar()->actions()),
                 (QStringList{u"放 大"_s, u"缩 小"_s, u"全 部"_s, u"设 置"_s, u"打 印"_s, u"退 出"_s}));
        QCOMPARE(w.zoomInAction()->shortcut(), QKeySequence(Qt::Key_PageUp));
        QCOMPARE(w.zoomOutAction()->shortcut(), QKeySequence(Qt::Key_PageDown));
        QVERIFY(w.zoomFitAction()->shortcut().isEmpty());
        QCOMPARE(w.setupAction()->shortcut(), QKeySequence(u"Ctrl+S"_s));
        QCOMPARE(w.printAction()->shortcut(), QKeySequence(u"Ctrl+P"_s));
        QCOMPARE(w.exitAction()->shortcut(), QKeySequence(u"Ctrl+Q"_s));
        // Printable area, zoom, and what the last command wrote (empty until then).
        QCOMPARE(w.statusPanelBar()->panelCount(), 3);
        QVERIFY(w.statusPanelBar()->panelText(2).isEmpty());
        QVERIFY(w.progressPanel()->isHidden());
        QVERIFY(w.progressPanel()->findChild<QLabel *>());
        QCOMPARE(w.progressPanel()->findChild<QLabel *>()->text(), u"正在生成打印文件："_s);
        QVERIFY(w.sealsLent());
    }

    void previewModeClosesOnFirstClick_data()
    {
        QTest::addColumn<bool>("onPage");
        QTest::newRow("page") << true;
        QTest::newRow("around the page") << false;
    }
    void previewModeClosesOnFirstClick()
    {
        QFETCH(bool, onPage);
        Bench b;
        Seal *seal = addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        b.child->zoomPage(150);
        b.child->document().selectSeal(seal);
        const QRect before = boxOf(seal);
        PrintWindow w(*b.child, true, b.options());
        QVERIFY(!w.menuBar());
        QVERIFY(!w.toolBar());
        QVERIFY(w.statusPanelBar()->isHidden());
        QVERIFY(w.windowState() & Qt::WindowFullScreen);
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        showWindow(w);
        QVERIFY(w.zoom() != 150);
        QCOMPARE(w.previewPage()->lentSeals().size(), 1);
        // Keys neither print nor set up the printer from the bare view.
        QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(b.asks, 0);
        QVERIFY(!QFileInfo::exists(b.printed()));
        QVERIFY(w.isVisible());
        // The preview paints at its own zoom; the seal keeps the document's.
        QCOMPARE(seal->Zoom(), 150);
        if (onPage)
            QTest::mouseClick(w.previewPage(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        else
            QTest::mouseClick(w.scrollArea()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QTRY_VERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(!w.sealsLent());
        QCOMPARE(seal->Zoom(), 150);
        QCOMPARE(boxOf(seal), before);
        QCOMPARE(b.child->document().currentSeal(), seal);
        QVERIFY(b.child->handles());
    }

    // The sheet shows the lent seals at its own zoom: a 40 mm seal at 30 mm from the page's left
    // edge, at 50 % of 96 px/in, is 40 × 3.7795 × 0.5 = 75.6 pixels wide from pixel 56.7.
    void sheetPaintsTheSealsAtItsZoom()
    {
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.applyZoom(50);
        const QImage sheet = w.previewPage()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect red;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x) {
                const QRgb c = sheet.pixel(x, y);
                if (qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100)
                    red |= QRect(x, y, 1, 1);
            }
        QVERIFY2(std::abs(red.width() - 75.6) <= 2, qPrintable(QString::number(red.width())));
        QVERIFY2(std::abs(red.left() - 56.7) <= 2, qPrintable(QString::number(red.left())));
        // 40 mm from the top: 75.6 pixels.
        QVERIFY2(std::abs(red.top() - 75.6) <= 2, qPrintable(QString::number(red.top())));
    }

    void zoomTools_data()
    {
        QTest::addColumn<bool>("zoomIn");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("inChecked");
        QTest::addColumn<bool>("outChecked");
        QTest::newRow("out at 25 switches to in") << false << 25 << 25 << true << false;
        QTest::newRow("out at 26 zooms out") << false << 26 << 26 - 10 << false << true;
        QTest::newRow("in at 600 switches to out") << true << 600 << 600 << false << true;
        QTest::newRow("in at 590 zooms in") << true << 590 << 590 + 10 << true << false;
    }
    void zoomTools()
    {
        QFETCH(bool, zoomIn);
        QFETCH(int, start);
        QFETCH(int, after);
        QFETCH(bool, inChecked);
        QFETCH(bool, outChecked);
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.applyZoom(start);
        (zoomIn ? w.zoomInAction() : w.zoomOutAction())->trigger();
        QTest::mouseClick(w.previewPage(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(w.zoom(), after);
        QCOMPARE(w.zoomInAction()->isChecked(), inChecked);
        QCOMPARE(w.zoomOutAction()->isChecked(), outChecked);
        const QList<QAction *> viewMenu = w.menuBar()->actions().at(1)->menu()->actions();
        QCOMPARE(viewMenu.at(0)->isChecked(), inChecked);
        QCOMPARE(viewMenu.at(1)->isChecked(), outChecked);
        QCOMPARE(w.previewPage()->cursor().shape(), inChecked ? Qt::UpArrowCursor : Qt::PointingHandCursor);
        // Another button puts the tool away and shows the idle cursor.
        QTest::mouseClick(w.previewPage(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!w.zoomInAction()->isChecked());
        QVERIFY(!w.zoomOutAction()->isChecked());
        QCOMPARE(w.previewPage()->cursor().shape(), w.idleCursor().shape());
        // Zoom to fit puts an active tool away too.
        (zoomIn ? w.zoomInAction() : w.zoomOutAction())->trigger();
        w.zoomFitAction()->trigger();
        QVERIFY(!w.zoomInAction()->isChecked());
        QVERIFY(!w.zoomOutAction()->isChecked());
        QCOMPARE(w.zoom(), w.zoomToFit());
    }

    // The keys of the commands reach them from the window, each once.
    void shortcutsRunTheCommands_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Page Up") << QKeySequence(Qt::Key_PageUp) << u"zoom in"_s;
        QTest::newRow("Page Down") << QKeySequence(Qt::Key_PageDown) << u"zoom out"_s;
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << u"setup"_s;
        QTest::newRow("Ctrl+P") << QKeySequence(Qt::CTRL | Qt::Key_P) << u"print"_s;
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << u"exit"_s;
    }
    void shortcutsRunTheCommands()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, effect);
        Bench b;
        int setups = 0;
        b.setup = [&](QPrinter &) { ++setups; };
        b.answer.printConfirmed = false;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, key);
        QCoreApplication::processEvents();
        QCOMPARE(w.zoomInAction()->isChecked(), effect == u"zoom in"_s);
        QCOMPARE(w.zoomOutAction()->isChecked(), effect == u"zoom out"_s);
        QCOMPARE(setups, effect == u"setup"_s ? 1 : 0);
        QCOMPARE(b.asks, effect == u"print"_s ? 1 : 0);
        QCOMPARE(w.isVisible(), effect != u"exit"_s);
    }

    // The page stands in the middle of the area when it is smaller, one pixel from the corner
    // when larger; the shadow of its size 3 pixels right and below it, black in preview mode
    // on the desktop's colour, navy in print mode.
    void layoutAndShadow_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QColor>("shadow");
        QTest::newRow("print mode") << false << QColor(0, 0, 0x80);
        QTest::newRow("preview mode") << true << QColor(Qt::black);
    }
    void layoutAndShadow()
    {
        QFETCH(bool, preview);
        QFETCH(QColor, shadow);
        Bench b;
        PrintWindow w(*b.child, preview, b.options());
        showWindow(w);
        QCOMPARE(w.shadowPanel()->palette().color(QPalette::Window), shadow);
        const QPalette own = w.palette();
        QCOMPARE(w.scrollArea()->viewport()->palette().color(QPalette::Window),
                 preview ? own.color(QPalette::Dark) : own.color(QPalette::Mid));
        for (int zoom : {w.zoomToFit(), 400}) {
            w.applyZoom(zoom);
            const QRect page = w.previewPage()->geometry();
            const QSize client = w.scrollArea()->viewport()->size();
            QCOMPARE(page.size(), QSize(w.previewPage()->page().width(), w.previewPage()->page().height()));
            const int left = page.width() < client.width() ? (client.width() - page.width()) / 2 : 1;
            const int top = page.height() < client.height() ? (client.height() - page.height()) / 2 : 1;
            QCOMPARE(page.topLeft(), QPoint(left, top));
            QCOMPARE(w.shadowPanel()->geometry(), page.translated(3, 3));
        }
    }

    // The progress panel is four inches of the window wide; its bar fills what the caption leaves
    // but 16 pixels, 2 from the top, 5 shorter than the panel, 16 pixels from its right edge.
    void progressPanelLayout()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        const QWidget *panel = w.progressPanel();
        QCOMPARE(panel->width(), 4 * w.logicalDpiX());
        const QLabel *caption = panel->findChild<QLabel *>();
        const int captionWidth = caption->fontMetrics().horizontalAdvance(u"正在生成打印文件："_s);
        const QRect bar = w.progressBar()->geometry();
        QCOMPARE(bar.width(), panel->contentsRect().width() - captionWidth - 16);
        QCOMPARE(bar.top(), 2);
        QCOMPARE(bar.height(), panel->height() - 5);
        QCOMPARE(bar.right() + 1, panel->width() - 16);
    }

    void zoomToFitAfterLayout()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        // The page and its 3 mm shadow in the client the laid-out window gives, at 96 px/in.
        const QSize client = w.scrollArea()->maximumViewportSize();
        const double ppm = 96 / 25.4;
        const int expected =
            std::min(int(client.width() * 100 / ((210 + 3) * ppm)), int(client.height() * 100 / ((297 + 3) * ppm)));
        QTRY_COMPARE(w.zoom(), expected);
        QVERIFY(!w.previewPage()->isHidden());
        QCOMPARE(w.previewPage()->cursor().shape(), Qt::ArrowCursor);
    }

    void zoomToFitIsAtLeastOnePercent()
    {
        Bench b;
        b.child->document().page().setPageWidth(50000);
        b.child->document().page().setPageHeight(50000);
        PrintWindow w(*b.child, false, b.options());
        w.resize(300, 200);
        showWindow(w);
        QCOMPARE(w.zoomToFit(), 1);
        QTRY_COMPARE(w.zoom(), 1);
    }

    void statusPanels_data()
    {
        QTest::addColumn<double>("margin");
        QTest::addColumn<QString>("area");
        QTest::newRow("5 mm") << 5.0 << u" 当前纸张可打印区域[宽x高]：200mm x 287mm "_s;
        // 210 − 8.46 = 201.54, 297 − 8.46 = 288.54
        QTest::newRow("4.23 mm") << 4.23 << u" 当前纸张可打印区域[宽x高]：201.5mm x 288.5mm "_s;
        // 210 − 12.1 = 197.9
        QTest::newRow("6.05 mm") << 6.05 << u" 当前纸张可打印区域[宽x高]：197.9mm x 284.9mm "_s;
        // Margins wider than the page: 210 − 220 = −10, 297 − 220 = 77, with one minus sign.
        QTest::newRow("110 mm") << 110.0 << u" 当前纸张可打印区域[宽x高]：-10mm x 77mm "_s;
        // 210 − 210.5 = −0.5: the sign stays when the whole millimetres are 0.
        QTest::newRow("105.25 mm") << 105.25 << u" 当前纸张可打印区域[宽x高]：-0.5mm x 86.5mm "_s;
    }
    void statusPanels()
    {
        QFETCH(double, margin);
        QFETCH(QString, area);
        Bench b;
        PageModel &page = b.child->document().page();
        page.setLeftMargin(margin);
        page.setRightMargin(margin);
        page.setTopMargin(margin);
        page.setBottomMargin(margin);
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.applyZoom(75);
        StatusBar *bar = w.statusPanelBar();
        QCOMPARE(bar->panelText(0), area);
        QCOMPARE(bar->panelText(1), u"当前缩放比例：75% "_s);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(bar->panelWidth(i), bar->fontMetrics().horizontalAdvance(bar->panelText(i)) + 16);
    }

    void handCursorWhenThePageDoesNotFit()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.applyZoom(400);
        QTest::mouseClick(w.previewPage(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(w.pageExceedsClient());
        QCOMPARE(w.previewPage()->cursor().shape(), Qt::OpenHandCursor);
        // A hand scroll: dragging left by 40 pixels scrolls right by 40.
        QScrollBar *h = w.scrollArea()->horizontalScrollBar();
        h->setValue(100);
        QWidget *page = w.previewPage();
        QTest::mousePress(page, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QMouseEvent move(QEvent::MouseMove, QPointF(160, 200), page->mapToGlobal(QPointF(160, 200)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &move);
        QTest::mouseRelease(page, Qt::LeftButton, Qt::NoModifier, QPoint(160, 200));
        QCOMPARE(h->value(), 140);
        w.zoomFitAction()->trigger();
        QVERIFY(!w.pageExceedsClient());
        QCOMPARE(w.previewPage()->cursor().shape(), Qt::ArrowCursor);
    }

    void scrollPositionsKeepTheirProportion()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.zoomFitAction()->trigger();
        QScrollBar *h = w.scrollArea()->horizontalScrollBar();
        QScrollBar *v = w.scrollArea()->verticalScrollBar();
        QCOMPARE(h->maximum(), 0);
        // No range before: the new position is the start, not a division by zero.
        w.applyZoom(400);
        QCOMPARE(h->value(), 0);
        QCOMPARE(v->value(), 0);
        QVERIFY(h->maximum() > 0);
        const int oldMax = h->maximum();
        h->setValue(oldMax / 2);
        const int old = h->value();
        w.applyZoom(300);
        QVERIFY(std::abs(h->value() - qRound(double(h->maximum()) * old / oldMax)) <= 1);
    }

    void setupMarksModifiedAndUndoRestores()
    {
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        b.setup = [](QPrinter &printer) {
            // 6 × 9 inches: 432 × 648 points, 152.4 × 228.6 mm, 3600 × 5400 printer pixels.
            printer.setPageLayout(QPageLayout(QPageSize(QSize(432, 648), QString(), QPageSize::ExactMatch),
                                              QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
        };
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        QVERIFY(!b.child->isModified());
        w.setUpPrinter();
        const PageModel &page = b.child->document().page();
        // A PDF printer prints to the paper's edge: no margins.
        QVERIFY2(std::abs(double(page.pageWidth()) - 152.4) < 0.001,
                 qPrintable(QString::number(double(page.pageWidth()))));
        QVERIFY(std::abs(double(page.pageHeight()) - 228.6) < 0.001);
        QVERIFY(std::abs(double(page.leftMargin())) < 0.01);
        QVERIFY(std::abs(double(page.topMargin())) < 0.01);
        QVERIFY(b.child->isModified());
        QCOMPARE(b.host.status[2], u"文件状态：已修改"_s);
        QCOMPARE(w.statusPanelBar()->panelText(0).left(15), u" 当前纸张可打印区域[宽x高]"_s.left(15));
        QCOMPARE(b.child->pagePanel()->width(), page.width());
        // The preview takes the same paper.
        const PageModel &sheet = w.previewPage()->page();
        QVERIFY(std::abs(double(sheet.pageWidth()) - 152.4) < 0.001);
        QVERIFY(std::abs(double(sheet.pageHeight()) - 228.6) < 0.001);
        QCOMPARE(w.zoom(), w.zoomToFit());
        QCOMPARE(b.child->document().undoStack().count(), 1);

        b.child->document().undoStack().undo();
        QCOMPARE(double(page.pageWidth()), 210.0);
        QCOMPARE(double(page.pageHeight()), 297.0);
        QCOMPARE(double(page.leftMargin()), 5.0);
        QVERIFY(!b.child->isModified());
        QCOMPARE(b.child->pagePanel()->width(), page.width());
    }

    void setupWithoutPrinterOrCancelled()
    {
        Bench b;
        PrintWindow w(*b.child, false, b.options());
        b.printerPresent = false;
        w.setUpPrinter();
        QCOMPARE(b.messages, (QStringList{u"信息|您的计算机没有安装\r打印机，不能设置！"_s}));
        b.printerPresent = true;
        w.setUpPrinter(); // the dialog is cancelled
        QVERIFY(!b.child->isModified());
        QCOMPARE(double(b.child->document().page().pageWidth()), 210.0);
    }

    // The options are asked first, then the empty document, then the printer.
    void printOrder_data()
    {
        QTest::addColumn<bool>("withSeal");
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("printed");
        QTest::newRow("empty, confirmed")
            << false << false << true << QStringList{u"提示：|空白文档，有什么好打印的！"_s} << false;
        QTest::newRow("empty, cancelled") << false << true << false << QStringList{} << false;
        QTest::newRow("no printer") << true << false << true
                                    << QStringList{u"信息|您的计算机未安装打\r印机，不能打印！"_s} << false;
        QTest::newRow("cancelled") << true << true << false << QStringList{} << false;
        QTest::newRow("confirmed") << true << true << true << QStringList{} << true;
    }
    void printOrder()
    {
        QFETCH(bool, withSeal);
        QFETCH(bool, printer);
        QFETCH(bool, confirmed);
        QFETCH(QStringList, messages);
        QFETCH(bool, printed);
        Bench b;
        if (withSeal)
            addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        b.printerPresent = printer;
        b.answer = {false, true, confirmed, 2};
        PrintWindow w(*b.child, false, b.options());
        w.printDocument();
        QCOMPARE(b.asks, 1);
        QCOMPARE(b.asked.copies, 1);
        QCOMPARE(b.messages, messages);
        QCOMPARE(QFileInfo::exists(b.printed()), printed);
        QCOMPARE(w.printConfirmed(), confirmed);
        QCOMPARE(w.printMirrored(), true);
        QCOMPARE(w.printInColour(), false);
        QCOMPARE(w.copies(), 2);
        QVERIFY(w.progressPanel()->isHidden());
        // The next time the dialog starts from what was chosen.
        w.printDocument();
        QCOMPARE(b.asked.copies, 2);
        QCOMPARE(b.asked.printMirrored, true);
    }

    // The dialog component's own dialog: cancelled, it hands the options back as they were and
    // nothing is printed; confirmed, its choices print and stay for the next time.
    void realOptionsDialogCancelledThenConfirmed()
    {
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        PrintWindowOptions o = b.options();
        o.askPrintOptions = [](QWidget *owner, const PrintOptionsState &current) {
            return askPrintOptionsFromDialogPack(DialogPackLoader(QStringLiteral(QM_DIALOGPACK_DIR)), owner, current);
        };
        PrintWindow w(*b.child, false, o);
        const auto change = [](QDialog &d) {
            d.findChild<QRadioButton *>(u"black"_s)->click();
            d.findChild<QAbstractButton *>(u"mirror"_s)->click();
            d.findChild<QSpinBox *>(u"copies"_s)->setValue(3);
        };
        {
            testing::DialogDriver cancel(change, false);
            w.printDocument();
            QCOMPARE(cancel.objectName, u"PrintOptions"_s);
            QCOMPARE(cancel.parent, &w);
        }
        QVERIFY(!QFileInfo::exists(b.printed()));
        QVERIFY(b.messages.isEmpty());
        QVERIFY(!w.printConfirmed());
        QVERIFY(w.printInColour());
        QVERIFY(!w.printMirrored());
        QCOMPARE(w.copies(), 1);
        {
            testing::DialogDriver ok(change, true);
            w.printDocument();
        }
        QVERIFY(QFileInfo::exists(b.printed()));
        QVERIFY(w.printConfirmed());
        QVERIFY(!w.printInColour());
        QVERIFY(w.printMirrored());
        QCOMPARE(w.copies(), 3);
    }

    void copiesFromDamagedRecordAreBounded()
    {
        Bench b;
        b.answer = {true, false, false, -5};
        PrintWindow w(*b.child, false, b.options());
        w.printDocument();
        QCOMPARE(w.copies(), 1);
        b.answer.copies = 100000;
        w.printDocument();
        QCOMPARE(w.copies(), 999);
    }

    void missingGlyphsAreNamedBeforePrinting_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("stop") << false;
        QTest::newRow("go on") << true;
    }
    void missingGlyphsAreNamedBeforePrinting()
    {
        QFETCH(bool, goOn);
        const QString lacking = characterLackingIn(u"宋体"_s);
        if (lacking.isEmpty())
            QSKIP("the face of 宋体 has every GBK character");
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        Seal *text = addSeal(*b.child, SealType::stHorzText, 30, 10, 120, 60);
        text->setText(Gbk::fromUnicode(u"样章"_s + lacking));
        QStringList asked;
        PrintWindowOptions o = b.options();
        o.askToGoOn = [&](QWidget *, const QString &warning) {
            asked << warning;
            return goOn;
        };
        PrintWindow w(*b.child, false, o);
        w.printDocument();
        QCOMPARE(asked.size(), 1);
        QVERIFY2(asked[0].contains(u"第2个印章“样章%1”：字体“宋体”缺少“%1”"_s.arg(lacking)), qPrintable(asked[0]));
        QCOMPARE(QFileInfo::exists(b.printed()), goOn);
    }

    void dialogComponentMissing_data()
    {
        QTest::addColumn<bool>("library");
        QTest::addColumn<QString>("message");
        QTest::newRow("library") << false << u"error|DLL文件错误！"_s;
        QTest::newRow("entry") << true << u"error|文件损坏，请重新安装该程序！"_s;
    }
    void dialogComponentMissing()
    {
        QFETCH(bool, library);
        QFETCH(QString, message);
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        QTemporaryDir empty;
        const QString folder = library ? QStringLiteral(QM_STUB_DIALOGPACK_DIR) : empty.path();
        QVERIFY(!library || QFileInfo::exists(DialogPackLoader(folder).libraryPath()));
        PrintWindowOptions o = b.options();
        o.askPrintOptions = [folder](QWidget *owner, const PrintOptionsState &current) {
            return askPrintOptionsFromDialogPack(DialogPackLoader(folder), owner, current);
        };
        PrintWindow w(*b.child, false, o);
        w.printDocument();
        QCOMPARE(b.messages, QStringList{message});
        QVERIFY(!QFileInfo::exists(b.printed()));
        QVERIFY(!w.printConfirmed());
    }

    void tooLargeMirroredSealIsNamedAndNothingPrinted()
    {
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        addSeal(*b.child, SealType::stEllipse, 999, 999, 500, 500);
        b.answer = {true, true, true, 1};
        PrintWindow w(*b.child, false, b.options());
        w.printDocument();
        QCOMPARE(b.messages.size(), 1);
        QVERIFY2(b.messages.front().startsWith(u"error|第2个印章"_s), qPrintable(b.messages.front()));
        QVERIFY(!QFileInfo::exists(b.printed()));
        QVERIFY(w.progressPanel()->isHidden());
    }

    // At a preview of exactly 100 % the 40 mm seal still prints 945 printer pixels wide, 25 mm
    // from the printable edge (30 mm on the page, 5 mm margins).
    void printedAtTrueSizeWhilePreviewIsAtHundred()
    {
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        Bench b;
        Seal *seal = addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        PrintWindow w(*b.child, false, b.options());
        showWindow(w);
        w.applyZoom(100);
        const QRect before = boxOf(seal);
        w.printDocument();
        QCOMPARE(b.messages, QStringList{});
        QCOMPARE(w.progressBar()->value(), 1);
        QVERIFY(w.progressPanel()->isHidden());
        QCOMPARE(boxOf(seal), before);
        QCOMPARE(seal->PixelsPerMm(), b.child->screenPixelsPerMm());
        const QList<QImage> sheets = sheetsOf(b.printed(), b.dir.path());
        QCOMPARE(sheets.size(), 1);
        const QRect ink = inkBounds(sheets.front());
        QVERIFY2(std::abs(ink.width() - 945) <= 2, qPrintable(QString::number(ink.width())));
        QVERIFY2(std::abs(ink.left() - sheetPixels(30 - 5)) <= 2, qPrintable(QString::number(ink.left())));
    }

    // The sheet's margin frame on a page that is wider than high, with four different
    // margins: at 96 pixels per inch and 100 % a millimetre is 96 / 25.4 pixels, so 127 × 63.5
    // mm are 480 × 240 pixels and margins of 12.7, 6.35, 25.4 and 19.05 mm are 48, 24, 96 and 72.
    // The frame runs from column 48 to 480 − 96 − 1 = 383 and from row 24 to 240 − 72 − 1 = 167.
    void marginFrameOnAnOblongPage()
    {
        PageModel page;
        page.setPixelsPerInch(96);
        page.setZoom(100);
        page.setPageWidth(127);
        page.setPageHeight(63.5);
        page.setLeftMargin(12.7);
        page.setTopMargin(6.35);
        page.setRightMargin(25.4);
        page.setBottomMargin(19.05);
        page.setGrid(false);
        PreviewPage sheet(page, 96 / 25.4f);
        QCOMPARE(QSize(page.width(), page.height()), QSize(480, 240));
        sheet.resize(page.width(), page.height());
        const QImage picture = sheet.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QRect blue;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) == qRgb(0, 0, 255))
                    blue |= QRect(x, y, 1, 1);
        QCOMPARE(blue, QRect(QPoint(48, 24), QPoint(383, 167)));
    }

    // The correction the user enters is kept for the printer and scales what it prints: the
    // 100 mm rulers come out 101 mm long across with +10 ‰ and 98 mm down with −20 ‰.
    void calibrationAppliesToThePrinter()
    {
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        Bench b;
        PrintWindowOptions o = b.options();
        o.editCalibration = [](QWidget *, PrintCalibration &c) {
            c.xPerMille = 10;
            c.yPerMille = -20;
            return true;
        };
        {
            PrintWindow w(*b.child, false, o);
            w.editCalibration();
        }
        QCOMPARE(PrintCalibrationStore(o.settingsFile).read(QString()), (PrintCalibration{10, -20}));
        PrintWindow w(*b.child, false, o);
        w.printTestRuler();
        const QList<QImage> sheets = sheetsOf(b.printed(), b.dir.path(), 120);
        QCOMPARE(sheets.size(), 1);
        const QImage &sheet = sheets.front();
        int longest = 0;
        const int row = qRound(sheetPixels(10));
        for (int y = row - 8; y <= row + 8; ++y) {
            int run = 0;
            for (int x = 0; x < sheet.width(); ++x) {
                run = qRed(sheet.pixel(x, y)) < 128 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        QVERIFY2(std::abs(longest - sheetPixels(101)) <= 4, qPrintable(QString::number(longest)));
        int tallest = 0;
        const int column = qRound(sheetPixels(10));
        for (int x = column - 8; x <= column + 8; ++x) {
            int run = 0;
            for (int y = 0; y < sheet.height(); ++y) {
                run = qRed(sheet.pixel(x, y)) < 128 ? run + 1 : 0;
                tallest = std::max(tallest, run);
            }
        }
        QVERIFY2(std::abs(tallest - sheetPixels(98)) <= 4, qPrintable(QString::number(tallest)));
    }

    // Print to PDF asks for the print options as printing does, and only a confirmed dialog
    // goes on to the file; the file dialog starts in the given folder and the status bar names
    // the file written.
    void pdfAsksThePrintOptions_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("withSeal");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("written");
        QTest::newRow("confirmed") << true << true << QStringList{} << true;
        QTest::newRow("cancelled") << false << true << QStringList{} << false;
        QTest::newRow("empty, confirmed")
            << true << false << QStringList{u"提示：|空白文档，有什么好打印的！"_s} << false;
        QTest::newRow("empty, cancelled") << false << false << QStringList{} << false;
    }
    void pdfAsksThePrintOptions()
    {
        QFETCH(bool, confirmed);
        QFETCH(bool, withSeal);
        QFETCH(QStringList, messages);
        QFETCH(bool, written);
        Bench b;
        if (withSeal)
            addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        b.answer = {false, true, confirmed, 3};
        b.pdfFile = b.dir.filePath(u"sheet.PDF"_s);
        PrintWindow w(*b.child, false, b.options());
        w.printToPdf();
        QCOMPARE(b.asks, 1);
        QCOMPARE(b.messages, messages);
        QCOMPARE(b.pdfFolders, written ? QStringList{b.dir.filePath(u"exports"_s)} : QStringList());
        QCOMPARE(QFileInfo::exists(b.pdfFile), written);
        QCOMPARE(w.statusPanelBar()->panelText(2), written ? u"已打印到PDF文件："_s + b.pdfFile : QString());
        if (written) {
            // The options as on paper: black, mirrored, three copies.
            QVERIFY(!w.printInColour());
            QVERIFY(w.printMirrored());
            QCOMPARE(w.copies(), 3);
        }
    }

    // The PDF's paper is the page: the seal stands at its page position, 30 mm from the edge.
    void pdfAtTrueSize()
    {
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        Bench b;
        addSeal(*b.child, SealType::stEllipse, 40, 40, 50, 60);
        b.pdfFile = b.dir.filePath(u"page"_s);
        PrintWindow w(*b.child, false, b.options());
        w.printToPdf();
        const QString pdf = b.pdfFile + u".pdf"_s;
        QVERIFY(QFileInfo::exists(pdf));
        const QList<QImage> sheets = sheetsOf(pdf, b.dir.path());
        QCOMPARE(sheets.size(), 1);
        // 210 mm = 4960.6 printer pixels; a PDF page is whole points, 595 pt = 4958.3 pixels.
        QVERIFY2(std::abs(sheets.front().width() - sheetPixels(210)) <= 3,
                 qPrintable(QString::number(sheets.front().width())));
        const QRect ink = inkBounds(sheets.front());
        QVERIFY2(std::abs(ink.left() - sheetPixels(30)) <= 2, qPrintable(QString::number(ink.left())));
        QVERIFY2(std::abs(ink.top() - sheetPixels(40)) <= 2, qPrintable(QString::number(ink.top())));
        QVERIFY2(std::abs(ink.width() - 945) <= 2, qPrintable(QString::number(ink.width())));
    }
};

QTEST_MAIN(TestPrintWindow)
#include "tst_printwindow.moc"
