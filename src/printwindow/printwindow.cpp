// The print window: construction, layout, zoom and the mouse on the preview.

#include "printwindow/printwindow.h"

#include "controls/statusbar.h"
#include "controls/systemcolours.h"
#include "page/documentwindow.h"
#include "page/updatesguard.h"
#include "picture/drawingtypes.h"
#include "printwindow/pagesetupcommand.h"
#include "printwindow/previewpage.h"
#include "printwindow/sealloan.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {

QString PrintWindow::printCaption()
{
    return tr("Quillmark 打印管理...");
}

namespace {

// A scroll position kept in proportion to its range; nothing to keep when there was no range.
int proportional(int oldValue, int oldRange, int newRange)
{
    if (oldRange <= 0)
        return 0;
    return roundHalfEven(static_cast<long double>(newRange) * oldValue / oldRange);
}

QCursor defaultCursor(int slot)
{
    switch (slot) {
    case 2:
        return Qt::OpenHandCursor;
    case 4:
    case 5:
        return Qt::CrossCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

PrintWindow::PrintWindow(DocumentWindow &document, bool previewMode, PrintWindowOptions options, QWidget *parent)
    : QDialog(parent), m_document(document), m_previewMode(previewMode), m_windowOptions(std::move(options))
{
    setObjectName(u"frmPrint"_s);
    setAccessibleName(previewMode ? tr("打印预览") : printCaption());
    setFont(QApplication::font("QMenu"));
    if (!m_windowOptions.cursor)
        m_windowOptions.cursor = defaultCursor;
    m_calibrations = m_windowOptions.settingsFile.isEmpty()
                         ? std::make_unique<PrintCalibrationStore>()
                         : std::make_unique<PrintCalibrationStore>(m_windowOptions.settingsFile);
    if (m_windowOptions.makePrinter)
        m_printer = m_windowOptions.makePrinter();
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printer draws from the paper's corner; the physical margins are added when printing.
    m_printer->setFullPage(true);

    // The preview sheet: the document's page size and margins, no grid, black numbers.
    const PageModel &docPage = document.document().page();
    m_page.setPixelsPerInch(document.pixelsPerInch());
    m_page.setGrid(false);
    PageGeometry::of(docPage).applyTo(m_page);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(u"ScrollBox1"_s);
    m_scroll->setAccessibleName(tr("打印预览"));
    m_scroll->setWidgetResizable(false);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_canvas = new QWidget;
    m_shadow = new QWidget(m_canvas);
    m_shadow->setObjectName(u"QMVFlatPanel1"_s);
    m_shadow->setAutoFillBackground(true);
    m_preview = new PreviewPage(m_page, document.screenPixelsPerMm(), m_canvas);
    m_preview->setObjectName(u"PreviewPanel1"_s);
    QPalette tickPalette = m_preview->palette();
    tickPalette.setColor(QPalette::WindowText, Qt::black);
    m_preview->setPalette(tickPalette);
    m_scroll->setWidget(m_canvas);
    m_loan = std::make_unique<SealLoan>(document);
    m_preview->setLentSeals(m_loan->seals());

    // Background and shadow of the two modes.
    QPalette back = m_scroll->palette();
    QPalette shadow = m_shadow->palette();
    if (previewMode) {
        back.setColor(QPalette::Window, palette().color(QPalette::Dark));
        shadow.setColor(QPalette::Window, Qt::black);
    } else {
        back.setColor(QPalette::Window, inactiveBorderColour(palette()));
        shadow.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    }
    m_scroll->setPalette(back);
    m_scroll->viewport()->setPalette(back);
    m_scroll->viewport()->setAutoFillBackground(true);
    m_canvas->setPalette(back);
    m_shadow->setPalette(shadow);

    createActions();
    if (!previewMode) {
        createMenus();
        createToolBar();
        layout->setMenuBar(m_menuBar);
        middle->addWidget(m_toolBar);
    }
    middle->addWidget(m_scroll, 1);
    layout->addLayout(middle, 1);
    createStatusBar();
    layout->addWidget(m_statusBar);

    for (QWidget *w : {static_cast<QWidget *>(m_preview), m_scroll->viewport(), m_canvas, m_shadow})
        w->installEventFilter(this);

    if (previewMode) {
        // A bare view: nothing shows that a key would print or change the page behind it.
        for (QAction *a : {m_setup, m_print, m_pdf, m_ruler, m_calibrate})
            a->setEnabled(false);
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        m_statusBar->hide();
        setWindowState(Qt::WindowFullScreen);
    } else {
        setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
        setWindowTitle(printCaption());
        setSizeGripEnabled(true);
        m_options.copies = 1;
        setWindowState(Qt::WindowMaximized);
    }
}

PrintWindow::~PrintWindow()
{
    m_loan.reset();
    // The sheet refers to this window's page values: it goes before they do.
    delete m_preview;
}

void PrintWindow::done(int result)
{
    // The seals go back as the window closes, before the main window shows again.
    m_preview->setLentSeals({});
    m_loan.reset();
    QDialog::done(result);
}

void PrintWindow::createActions()
{
    auto make = [this](const QString &name, const QString &caption, const QKeySequence &key) {
        auto *a = new QAction(caption, this);
        a->setObjectName(name);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
        return a;
    };
    m_zoomIn = make(u"ActZoomIn"_s, tr("放 大"), QKeySequence(Qt::Key_PageUp));
    m_zoomOut = make(u"ActZoomOut"_s, tr("缩 小"), QKeySequence(Qt::Key_PageDown));
    m_zoomFit = make(u"ActZoomFit"_s, tr("全 部"), QKeySequence());
    m_setup = make(u"FSetupAct"_s, tr("设 置"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_print = make(u"FPrintAct"_s, tr("打 印"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m_exit = make(u"FExitAct"_s, tr("退 出"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_pdf = make(u"FPdfAct"_s, tr("打印到PDF文件(&D)..."), QKeySequence());
    m_ruler = make(u"FRulerAct"_s, tr("打印校准标尺(&R)"), QKeySequence());
    m_calibrate = make(u"FCalibrateAct"_s, tr("打印校准(&C)..."), QKeySequence());
    m_zoomIn->setCheckable(true);
    m_zoomOut->setCheckable(true);
    auto *tools = new QActionGroup(this);
    tools->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    tools->addAction(m_zoomIn);
    tools->addAction(m_zoomOut);

    connect(m_zoomIn, &QAction::toggled, this, [this] { zoomToolToggled(); });
    connect(m_zoomOut, &QAction::toggled, this, [this] { zoomToolToggled(); });
    connect(m_zoomFit, &QAction::triggered, this, [this] {
        m_userZoomed = true;
        zoomToFitAndApply();
        switchZoomTool(nullptr);
    });
    connect(m_setup, &QAction::triggered, this, &PrintWindow::setUpPrinter);
    connect(m_print, &QAction::triggered, this, &PrintWindow::printDocument);
    connect(m_exit, &QAction::triggered, this, &QDialog::reject);
    connect(m_pdf, &QAction::triggered, this, &PrintWindow::printToPdf);
    connect(m_ruler, &QAction::triggered, this, &PrintWindow::printTestRuler);
    connect(m_calibrate, &QAction::triggered, this, &PrintWindow::editCalibration);
}

void PrintWindow::createMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(u"MainMenu1"_s);
    // The menu items carry captions of their own and run the tool bar's commands.
    auto item = [](QMenu *menu, const QString &caption, QAction *target) {
        QAction *a = menu->addAction(caption);
        a->setShortcut(target->shortcut());
        a->setShortcutContext(Qt::WidgetShortcut);
        QObject::connect(a, &QAction::triggered, target, &QAction::trigger);
        if (target->isCheckable()) {
            // The zoom tools show their state in the menu as on the tool bar.
            a->setCheckable(true);
            QObject::connect(target, &QAction::toggled, a, &QAction::setChecked);
        }
        return a;
    };
    QMenu *file = m_menuBar->addMenu(tr("文件(&F)"));
    item(file, tr("设置(&S)"), m_setup);
    item(file, tr("打印(&P)"), m_print);
    file->addSeparator();
    file->addAction(m_pdf);
    file->addAction(m_calibrate);
    file->addAction(m_ruler);
    file->addSeparator();
    item(file, tr("退出(&X)"), m_exit);
    QMenu *view = m_menuBar->addMenu(tr("显示(&V)"));
    item(view, tr("连续放大(&I)"), m_zoomIn);
    item(view, tr("连续缩小(&U)"), m_zoomOut);
    item(view, tr("自适页面(&F)"), m_zoomFit);
}

void PrintWindow::createToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(u"CoolBar1"_s);
    m_toolBar->setAccessibleName(tr("打印工具栏"));
    m_toolBar->setOrientation(Qt::Vertical);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction *a : {m_zoomIn, m_zoomOut, m_zoomFit, m_setup, m_print, m_exit})
        m_toolBar->addAction(a);
}

void PrintWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this);
    m_statusBar->setObjectName(u"QMVStatusBar1"_s);
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->addPanel(16);
    m_statusBar->addPanel(16);
    m_statusBar->addPanel(16); // what the last command did

    m_progressPanel = new QWidget(m_statusBar);
    m_progressPanel->setObjectName(u"Panel1"_s);
    m_progressCaption = new QLabel(tr("正在生成打印文件："), m_progressPanel);
    m_progressBar = new QProgressBar(m_progressPanel);
    m_progressBar->setObjectName(u"ProgressBar1"_s);
    m_progressBar->setAccessibleName(tr("正在生成打印文件"));
    m_progressBar->setTextVisible(false);
    m_progressPanel->hide();
}

void PrintWindow::layoutProgressPanel()
{
    const int width = 4 * logicalDpiX();
    const int left = m_statusBar->panelCount() > 1 ? m_statusBar->panelRect(1).right() + 2 : 0;
    m_progressPanel->setGeometry(left, 0, width, m_statusBar->height());
    const int captionWidth = m_progressCaption->fontMetrics().horizontalAdvance(m_progressCaption->text());
    m_progressCaption->setGeometry(4, 0, captionWidth + 4, m_progressPanel->height());
    const int barWidth = std::max(0, m_progressPanel->contentsRect().width() - captionWidth - 16);
    const int barHeight = std::max(0, m_progressPanel->height() - 5);
    m_progressBar->setGeometry(m_progressPanel->width() - 16 - barWidth, 2, barWidth, barHeight);
}

void PrintWindow::setStatusPanel(int index, const QString &text)
{
    m_statusBar->setPanelText(index, text);
    m_statusBar->setPanelWidth(index, m_statusBar->fontMetrics().horizontalAdvance(text) + 16);
}

QString PrintWindow::tenthsText(long double mm)
{
    const int tenths = roundHalfEven(mm * 10);
    QString text = QString::number(std::abs(tenths) / 10);
    if (tenths % 10 != 0)
        text += u'.' + QString::number(std::abs(tenths) % 10);
    return tenths < 0 ? u'-' + text : text;
}

QString PrintWindow::printableAreaText(const PageModel &page)
{
    return tr(" 当前纸张可打印区域[宽x高]：") + tenthsText(page.pageWidth() - 2 * page.leftMargin()) + u"mm x "_s +
           tenthsText(page.pageHeight() - 2 * page.topMargin()) + u"mm "_s;
}

int PrintWindow::zoomToFit() const
{
    // The client as it is without scroll bars: the page is to fit without them.
    const QSize client = m_scroll->maximumViewportSize();
    const long double ppm = m_page.pixelsPerInch() / 25.4L;
    const long double w = (m_page.pageWidth() + 3) * ppm;
    const long double h = (m_page.pageHeight() + 3) * ppm;
    if (w <= 0 || h <= 0)
        return 100;
    const long double z = std::min(std::trunc(client.width() * 100 / w), std::trunc(client.height() * 100 / h));
    return z < 1 ? 1 : z > 10000 ? 10000 : int(z);
}

void PrintWindow::zoomToFitAndApply()
{
    setZoom(zoomToFit());
}

void PrintWindow::applyZoom(int zoom)
{
    m_userZoomed = true;
    setZoom(zoom);
}

void PrintWindow::setZoom(int zoom)
{
    if (zoom <= 0)
        return;
    QScrollBar *hBar = m_scroll->horizontalScrollBar();
    QScrollBar *vBar = m_scroll->verticalScrollBar();
    const int oldH = hBar->value();
    const int oldHRange = hBar->maximum();
    const int oldV = vBar->value();
    const int oldVRange = vBar->maximum();
    {
        UpdatesGuard guard(this);
        m_page.setZoom(zoom);
        layOutPage();
        hBar->setValue(proportional(oldH, oldHRange, hBar->maximum()));
        vBar->setValue(proportional(oldV, oldVRange, vBar->maximum()));
        if (m_preview->isHidden())
            m_preview->show();
    }
    setStatusPanel(0, printableAreaText(m_page));
    setStatusPanel(1, tr("当前缩放比例：") + QString::number(zoom) + u"% "_s);
    layoutProgressPanel();
}

void PrintWindow::layOutPage()
{
    m_scroll->horizontalScrollBar()->setValue(0);
    m_scroll->verticalScrollBar()->setValue(0);
    const int w = m_page.width();
    const int h = m_page.height();
    m_preview->resize(w, h);
    // Lay out for the client without scroll bars first, then again with the bars the canvas
    // asks for, so that a page that just fits is centred in what remains.
    for (int pass = 0; pass < 2; ++pass) {
        const QSize client = pass == 0 ? m_scroll->maximumViewportSize() : m_scroll->viewport()->size();
        const int top = h < client.height() ? (client.height() - h) / 2 : 1;
        const int left = w < client.width() ? (client.width() - w) / 2 : 1;
        m_preview->move(left, top);
        m_shadow->setGeometry(left + 3, top + 3, w, h);
        m_canvas->resize(std::max(left + w + 3, client.width()), std::max(top + h + 3, client.height()));
    }
}

bool PrintWindow::pageExceedsClient() const
{
    const QSize client = m_scroll->viewport()->size();
    return m_page.width() > client.width() + 4 || m_page.height() > client.height() + 4;
}

QCursor PrintWindow::idleCursor() const
{
    return pageExceedsClient() ? m_windowOptions.cursor(2) : QCursor(Qt::ArrowCursor);
}

void PrintWindow::chooseCursor()
{
    QCursor cursor;
    if (m_zoomIn->isChecked())
        cursor = m_windowOptions.cursor(4);
    else if (m_zoomOut->isChecked())
        cursor = m_windowOptions.cursor(5);
    else
        cursor = idleCursor();
    m_preview->setCursor(cursor);
    m_scroll->viewport()->setCursor(cursor);
}

void PrintWindow::zoomToolToggled()
{
    chooseCursor();
}

void PrintWindow::switchZoomTool(QAction *on)
{
    for (QAction *tool : {m_zoomIn, m_zoomOut})
        tool->setChecked(tool == on);
    chooseCursor();
}

void PrintWindow::pageMouseDown(Qt::MouseButton button, QPoint global)
{
    if (button != Qt::LeftButton) {
        switchZoomTool(nullptr);
        return;
    }
    if (m_zoomOut->isChecked()) {
        m_userZoomed = true;
        if (zoom() < 26)
            switchZoomTool(m_zoomIn);
        else
            applyZoom(zoom() - 10);
        chooseCursor();
    } else if (m_zoomIn->isChecked()) {
        m_userZoomed = true;
        if (zoom() >= 600)
            switchZoomTool(m_zoomOut);
        else
            applyZoom(zoom() + 10);
        chooseCursor();
    } else if (pageExceedsClient()) {
        m_dragging = true;
        m_lastPoint = global;
    }
}

bool PrintWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (m_previewMode) {
            // Preview mode: the first click anywhere on the page or around it closes.
            QMetaObject::invokeMethod(
                this, [this] { reject(); }, Qt::QueuedConnection);
            return true;
        }
        // In print mode only the page answers the mouse; the area around it does nothing.
        if (watched == m_preview)
            pageMouseDown(e->button(), e->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (m_dragging) {
            const QPoint now = e->globalPosition().toPoint();
            const QPoint delta = m_lastPoint - now;
            m_scroll->horizontalScrollBar()->setValue(m_scroll->horizontalScrollBar()->value() + delta.x());
            m_scroll->verticalScrollBar()->setValue(m_scroll->verticalScrollBar()->value() + delta.y());
            m_lastPoint = now;
        }
        return m_dragging;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void PrintWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_fitted)
        return;
    m_fitted = true;
    if (QLayout *l = layout())
        l->activate();
    {
        UpdatesGuard guard(this);
        zoomToFitAndApply();
    }
    chooseCursor();
}

void PrintWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // A maximised or full-screen window may get its final size only after it shows: until the
    // user zooms, the page keeps fitting the window.
    if (m_fitted && !m_userZoomed) {
        zoomToFitAndApply();
        chooseCursor();
    } else if (m_fitted) {
        layOutPage();
    }
    layoutProgressPanel();
}

void PrintWindow::information(const QString &caption, const QString &text)
{
    if (m_windowOptions.information)
        m_windowOptions.information(this, caption, text);
    else
        QMessageBox::information(this, caption, QString(text).replace(u'\r', u'\n'));
}

void PrintWindow::showError(const QString &message)
{
    if (m_windowOptions.errorBox)
        m_windowOptions.errorBox(this, message);
    else
        criticalErrorBox(this, QString(message).replace(u'\r', u'\n'));
}

bool PrintWindow::hasPrinter() const
{
    if (m_windowOptions.printerPresent)
        return m_windowOptions.printerPresent();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

} // namespace qm
