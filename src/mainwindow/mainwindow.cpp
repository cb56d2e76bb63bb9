// The main window: construction, the start-up stages, the first show, the tool bar lists and
// what the document windows ask of it.

#include "mainwindow/mainwindow.h"

#include "companions/dialogpackloader.h"
#include "companions/glyphdepot/glyphdepot.h"
#include "controls/flatpanel.h"
#include "controls/hints.h"
#include "controls/statusbar.h"
#include "controls/tabbutton.h"
#include "mainwindow/configuration.h"
#include "mainwindow/cursors.h"
#include "mainwindow/documentdrop.h"
#include "mainwindow/documentopening.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/fontlist.h"
#include "mainwindow/interfacelanguage.h"
#include "mainwindow/keystates.h"
#include "mainwindow/statuspanels.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/userdialogs.h"
#include "mainwindow/wallpapermdiarea.h"
#include "mainwindow/zoomlist.h"
#include "page/documentwindow.h"
#include "picture/surface.h"
#include "printwindow/printwindow.h"
#include "properties/propertywindow.h"
#include "seal/seal.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// Blue 0x80, green 0x30, red 0: the colour of both lists' text.
constexpr Colour ListTextColour = 0x803000;

void colourListText(QComboBox *box)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Text, toQColor(ListTextColour));
    pal.setColor(QPalette::ButtonText, toQColor(ListTextColour));
    box->setPalette(pal);
}

QWidget *toolPanel(QWidget *parent, const QString &name)
{
    auto *panel = new QWidget(parent);
    panel->setAccessibleName(name);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(1);
    return panel;
}

} // namespace

MainWindow::MainWindow(const MainWindowOptions &options, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_dialogs(*options.dialogs), m_config(*options.configuration)
{
    setWindowTitle(u"Quillmark 8"_s);
    setAccessibleName(windowTitle());
    setObjectName(u"frmMain"_s);

    // The document area, and beside it at the right edge the side panels that open later.
    auto *centre = new QWidget(this);
    centre->setAccessibleName(tr("工作区"));
    auto *row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_mdi = new WallpaperMdiArea(centre);
    m_mdi->setObjectName(u"ClientArea"_s);
    m_mdi->setAccessibleName(tr("文档区"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    row->addWidget(m_mdi, 1);
    setCentralWidget(centre);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);

    m_drawActions = new DrawActions(this);
    connect(m_drawActions->group(), &QActionGroup::triggered, this, [this](QAction *a) {
        // Without a document a tool cannot be chosen: its button springs back.
        DocumentWindow *child = activeDocument();
        if (!child) {
            a->setChecked(false);
            return;
        }
        child->applyToolCursor();
    });

    m_propertyFactory = [](MainWindow &main) -> QWidget * {
        auto *window = new PropertyWindow(main, &main, main.logicalDpiX());
        DocumentWindow *child = main.activeDocument();
        window->setDocument(child ? &child->document() : nullptr);
        connect(&main, &MainWindow::activeDocumentChanged, window,
                [window](DocumentWindow *active) { window->setDocument(active ? &active->document() : nullptr); });
        return window;
    };

    m_printFactory = [](MainWindow &main) -> std::unique_ptr<QDialog> {
        DocumentWindow *child = main.activeDocument();
        if (!child)
            return nullptr;
        PrintWindowOptions options;
        options.cursor = [&main](int slot) { return main.cursorSlot(slot); };
        options.printerPresent = main.m_options.printerPresent;
        // The print options from the component this window was given; questions through its dialogs.
        options.askPrintOptions = [folder = main.m_options.dialogFolder](QWidget *owner,
                                                                         const PrintOptionsState &current) {
            return askPrintOptionsFromDialogPack(DialogPackLoader(folder), owner, current);
        };
        options.askToGoOn = [&main](QWidget *owner, const QString &text) {
            return main.m_dialogs.message(owner, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No) ==
                   QMessageBox::Yes;
        };
        options.errorBox = main.errorBox();
        // The PDF goes where exported pictures go, named after the document.
        options.pdfFolder = main.workFolder(u"我的导出图象"_s);
        options.askPdfFile = [&main, name = QFileInfo(caption(child)).completeBaseName()](QWidget *owner,
                                                                                          const QString &folder) {
            return main.m_dialogs.saveFileName(owner, folder, tr("PDF 文件 (*.pdf)"),
                                               QDir(folder).filePath(name + u".pdf"_s), u"pdf"_s);
        };
        return std::make_unique<PrintWindow>(*child, main.printPreview(), std::move(options), &main);
    };

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    setUpWindow();
    createSidePanels();
    createDrawTools();
    createCommandStates();
    new DocumentDrop(*this);
}

void MainWindow::createDrawTools()
{
    DrawToolsOptions tools;
    tools.drawActions = m_drawActions;
    tools.namedAction = [this](const QString &name) { return action(name); };
    tools.setColor = [this] { setSelectionColour(); };
    m_drawTools = new ToolPalette(tools, this);
    m_drawTools->setSwatchColor(m_swatch);
}

void MainWindow::setSwatchColor(Colour colour)
{
    m_swatch = colour;
    if (m_drawTools)
        m_drawTools->setSwatchColor(colour);
}

MainWindow::~MainWindow()
{
    cancelOpenings();
    // Document windows refer to this window as their host: they go first, unheard.
    m_mdi->disconnect(this);
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        delete w;
    delete m_propertyWindow;
}

QAction *MainWindow::makeAction(const QString &name, const QString &caption, const QString &hint,
                                const QKeySequence &shortcut)
{
    auto *a = new QAction(caption, this);
    a->setObjectName(name);
    if (!hint.isEmpty()) {
        a->setToolTip(shortHint(hint));
        a->setStatusTip(longHint(hint));
    }
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    m_actions[name] = a;
    return a;
}

QAction *MainWindow::action(const QString &name) const
{
    auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

void MainWindow::createToolBar()
{
    m_toolBar = addToolBar(tr("工具栏"));
    m_toolBar->setObjectName(u"ToolBar1"_s);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    m_toolBar->setAccessibleName(tr("工具栏"));
    for (const QString &name :
         {u"actFileNew"_s, u"actFileOpen"_s, u"actFileSave"_s, u"actFilePreView"_s, u"actFilePrint"_s, QString(),
          u"actEditCut"_s, u"actEditCopy"_s, u"actEditPaste"_s, u"actEditDel"_s, QString(), u"actEditUndo"_s,
          u"actEditRedo"_s, QString(), u"actViewZoomNormal"_s}) {
        if (name.isEmpty())
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(action(name));
    }

    m_zoomPanel = toolPanel(m_toolBar, tr("显示比例"));
    m_zoomBox = new QComboBox(m_zoomPanel);
    m_zoomBox->setObjectName(u"DispComboBox"_s);
    m_zoomBox->setEditable(true);
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    m_zoomBox->setAccessibleName(tr("显示比例"));
    m_zoomBox->setToolTip(tr("显示比例"));
    m_zoomPanel->layout()->addWidget(m_zoomBox);
    m_toolBar->addWidget(m_zoomPanel);
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(u"actToolsNextFont"_s));
    // A choice from the list, or Enter in the text: a keystroke alone changes nothing, and
    // nothing completes "12" to "125%" behind the user's back.
    m_zoomBox->setCompleter(nullptr);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int) { applyZoomText(m_zoomBox->currentText()); });
    connect(m_zoomBox->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // A listed text is activated by the box itself.
        if (m_zoomBox->findText(m_zoomBox->currentText(), Qt::MatchExactly) < 0)
            applyZoomText(m_zoomBox->currentText());
    });

    m_fontPanel = toolPanel(m_toolBar, tr("字体"));
    auto *fontLabel = new QLabel(tr(" 字体:"), m_fontPanel);
    m_fontBox = new QComboBox(m_fontPanel);
    m_fontBox->setObjectName(u"FontComboBox"_s);
    m_fontBox->setAccessibleName(tr("字体"));
    fontLabel->setBuddy(m_fontBox);
    m_chineseOnly = new QCheckBox(tr("仅中文"), m_fontPanel);
    m_chineseOnly->setObjectName(u"CheckBox4"_s);
    m_chineseOnly->setAccessibleName(tr("仅中文"));
    m_fontPanel->layout()->addWidget(fontLabel);
    m_fontPanel->layout()->addWidget(m_fontBox);
    m_fontPanel->layout()->addWidget(m_chineseOnly);
    m_toolBar->addWidget(m_fontPanel);
    // Only the user's choice applies a face; refilling the list keeps its hands off the seal.
    connect(m_fontBox, &QComboBox::activated, this, [this](int) { applyFont(); });
    connect(m_chineseOnly, &QCheckBox::toggled, this, [this](bool on) {
        fillFontList(on);
        const QString hint = on ? tr("显示所有字体|显示所有字体") : tr("仅显示中文字体|仅显示中文字体");
        m_chineseOnly->setToolTip(shortHint(hint));
        m_chineseOnly->setStatusTip(longHint(hint));
    });
    m_toolBar->addSeparator();

    m_togglePanel = toolPanel(m_toolBar, tr("印章选项"));
    const QString names[3] = {tr("阳章"), tr("五星"), tr("有图符")};
    for (int i = 0; i < 3; ++i) {
        m_toggles[i] = new QCheckBox(names[i], m_togglePanel);
        m_toggles[i]->setObjectName(u"CheckBox"_s + QString::number(i + 1));
        m_toggles[i]->setAccessibleName(names[i]);
        m_toggles[i]->setChecked(true);
        m_togglePanel->layout()->addWidget(m_toggles[i]);
        // Clicks only: showing a seal's options sets the boxes without editing the seal.
        connect(m_toggles[i], &QCheckBox::clicked, this, [this, i](bool checked) { sealToggleClicked(i, checked); });
    }
    m_toolBar->addWidget(m_togglePanel);

    // The tabs that open the emblem and library columns, on a flat band to the right.
    m_rightPanel = new QWidget(m_toolBar);
    m_rightPanel->setAccessibleName(tr("侧栏"));
    m_rightPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_tabPanel = new FlatPanel(m_rightPanel);
    m_tabPanel->setObjectName(u"QMVFlatPanel1"_s);
    m_tabPanel->setPanelStyle(PanelStyle::psPhotoShop);
    const QString tabCaptions[2] = {tr("徽标集"), tr("印章库")};
    for (int i = 0; i < 2; ++i) {
        m_tabs[i] = new TabButton(m_tabPanel);
        m_tabs[i]->setObjectName(u"QMVButton"_s + QString::number(i + 1));
        m_tabs[i]->setCaption(tabCaptions[i]);
        m_tabs[i]->setTag(i + 1);
    }
    m_toolBar->addWidget(m_rightPanel);
    m_rightPanel->installEventFilter(this);

    for (QAction *a : m_toolBar->actions())
        if (QWidget *w = m_toolBar->widgetForAction(a); w && w->accessibleName().isEmpty())
            w->setAccessibleName(a->text().isEmpty() ? a->toolTip() : captionText(a->text()));
}

void MainWindow::createStatusBar()
{
    m_statusBar = new StatusBar(this);
    m_statusBar->setObjectName(u"QMVStatusBar1"_s);
    setStatusBar(m_statusBar);
    addStatusPanels(*m_statusBar);
    m_progress = new ProgressPanel(m_statusBar);
}

void MainWindow::showSplashStage(const QString &stage)
{
    if (m_options.splashStage)
        m_options.splashStage(stage);
}

void MainWindow::setUpWindow()
{
    setFont(QApplication::font("QMenu"));
    connect(&m_keyTimer, &QTimer::timeout, this, &MainWindow::showKeyStates);
    // The count of seals read, a few times a second while files are read.
    m_openingProgress.setInterval(50);
    connect(&m_openingProgress, &QTimer::timeout, this, &MainWindow::showOpeningProgress);
    m_keyTimer.start(250);

    showSplashStage(tr("检查系统配置……"));

    showSplashStage(tr("检测显示器……"));
    int screenWidth = 0;
    if (m_options.screenWidth)
        screenWidth = m_options.screenWidth();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        screenWidth = screen->geometry().width();
    if (screenWidth < 800) {
        const auto answer = m_dialogs.message(
            this, QMessageBox::Question, tr("    您的系统显示分辨率低于\r800 x 600,本软件可能运行不\r正常！是否退出？"),
            QMessageBox::Yes | QMessageBox::No);
        // The program ends once start-up is through; the remaining steps still run.
        if (answer == QMessageBox::Yes)
            m_terminateRequested = true;
    }

    showSplashStage(tr("查找打印机……"));
    const bool printer =
        m_options.printerPresent ? m_options.printerPresent() : !QPrinterInfo::availablePrinterNames().isEmpty();
    // The user may tick the notice away for good; a printer installed later changes nothing.
    const QString hideNotice = u"HideNoPrinterNotice"_s;
    if (!printer && m_config.readText(Configuration::SystemKey, hideNotice) != u"true"_s &&
        m_dialogs.noticeWithCheckBox(this, QMessageBox::Information,
                                     tr("您的系统没有安装任何打印设备，建议用户安装分辨率在600dpi及以上的激光打印机。"),
                                     tr("不再提示")))
        m_config.writeText(Configuration::SystemKey, hideNotice, u"true"_s);

    showSplashStage(tr("创建剪贴板……"));
    m_clipboard = std::make_unique<ClipboardStream>();

    showSplashStage(tr("设置壁纸……"));
    const QString wallpaper = m_config.readText(Configuration::UserInfoKey, u"BackGround"_s);
    m_mdi->setWallpaper(SetBkGnd(m_mdi->viewport(), wallpaper));

    fillZoomList();

    showSplashStage(tr("搜索字体……"));
    colourListText(m_fontBox);
    {
        const QSignalBlocker block(m_chineseOnly);
        m_chineseOnly->setChecked(true);
    }
    m_chineseOnly->setToolTip(tr("显示所有字体"));
    m_chineseOnly->setStatusTip(tr("显示所有字体"));
    fillFontList(true);
    if (const int song = m_fontBox->findText(u"宋体"_s, Qt::MatchExactly); song >= 0)
        m_fontBox->setCurrentIndex(song);

    showSplashStage(tr("完成初始化……"));
    if (const std::optional<bool> doubleBuffered = m_config.pageDoubleBuffered())
        action(u"actPageDoubleBuffered"_s)->setChecked(*doubleBuffered);

    for (int slot : {2, 3, 4, 5, 6})
        m_cursors[slot] = loadCursorSlot(slot);
}

void MainWindow::fillZoomList()
{
    colourListText(m_zoomBox);
    const QSignalBlocker block(m_zoomBox);
    m_zoomBox->clear();
    m_zoomBox->addItems(zoomListItems());
    m_zoomBox->setCurrentIndex(ZoomListStartItem);
    m_zoomChoice = parseZoomText(m_zoomBox->currentText()).value_or(100);
}

void MainWindow::fillFontList(bool chineseOnlyFilter)
{
    const QString chosen = m_fontBox->currentText();
    const QSignalBlocker block(m_fontBox);
    m_fontBox->clear();
    m_fontBox->addItems(fontListItems(chineseOnlyFilter));
    const int at = m_fontBox->findText(chosen, Qt::MatchExactly);
    m_fontBox->setCurrentIndex(at >= 0 ? at : (m_fontBox->count() > 0 ? 0 : -1));
}

void MainWindow::applyZoomText(const QString &text)
{
    const std::optional<int> zoom = parseZoomText(text);
    if (!zoom) {
        m_dialogs.message(this, QMessageBox::Warning,
                          tr("“%1”不是有效的显示比例。\r请输入 10 到 610 之间的整数，例如 150%。").arg(text));
        m_zoomBox->setEditText(zoomText(m_zoomChoice));
        return;
    }
    m_zoomChoice = *zoom;
    m_zoomBox->setEditText(zoomText(*zoom));
    if (DocumentWindow *child = activeDocument())
        child->zoomPage(*zoom);
    updateCommandStates();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_programFolder.isEmpty())
        onFirstShow();
}

void MainWindow::onFirstShow()
{
    layOutBars();
    m_programFolder = QCoreApplication::applicationDirPath() + u'/';
    createWorkFolders();

    // Commands made after the palette are on its buttons from now on. The palette is in place
    // before a document opens, so that the document window opens beside it.
    m_drawTools->bindButtons();
    if (m_options.showDrawTools) {
        // Below the tool bar's left end, where the bars were just laid out.
        placePaletteBelowToolBar();
        keepAboveMainWindow(m_drawTools);
        m_drawTools->show();
    }
    // Read on workers: the window is up and answers while they are read.
    for (const QString &path : commandLineFiles(m_options.arguments))
        if (!documentHolding(path) && !isBeingOpened(path) && !startOpening(path, true))
            m_commandLineOpenFailed = true;

    openHomePageOnce();
    // A document from the command line keeps its own state in the panel.
    if (!activeDocument()) {
        setStatusText(2, tr("文件状态：无文件"));
        // The keyboard starts somewhere: the first list of the tool bar.
        m_zoomBox->setFocus(Qt::OtherFocusReason);
    }

    QMetaObject::invokeMethod(this, &MainWindow::remapToolWindows, Qt::QueuedConnection);
}

QStringList MainWindow::workFolderNames()
{
    return {u"我的印章"_s, u"我的印章库"_s, u"我的徽标库"_s, u"我的导出图象"_s};
}

QString MainWindow::workFolder(const QString &name) const
{
    return QDir(m_options.dataFolder).filePath(name) + u'/';
}

void MainWindow::createWorkFolders()
{
    // Libraries, emblems and exports read and write these folders: a missing one would leave
    // a library empty and make saving into it fail.
    for (const QString &name : workFolderNames())
        QDir().mkpath(workFolder(name));
}

void MainWindow::openHomePageOnce()
{
    const QString shown = m_config.readText(Configuration::HomePageKey, u"HomePage"_s);
    if (!shown.isEmpty() && shown != u"false"_s)
        return;
    openHomePage();
    m_config.writeText(Configuration::HomePageKey, u"HomePage"_s, u"true"_s);
}

void MainWindow::openHomePage()
{
    // The page travels inside the program; the browser gets a copy in the data folder.
    const QString page = QDir(m_options.dataFolder).filePath(u"homepage.html"_s);
    QFile::remove(page);
    const bool english = installedInterfaceLanguage() == InterfaceLanguage::English;
    if (QFile::copy(english ? u":/quillmark/homepage_en.html"_s : u":/quillmark/homepage.html"_s, page)) {
        QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
        m_dialogs.openUrl(QUrl::fromLocalFile(page));
    }
}

QString MainWindow::commandLinePath(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.at(0);
    if (arguments.size() >= 2 && QFileInfo(first).suffix().isEmpty())
        return first + u' ' + arguments.at(1);
    return first;
}

QStringList MainWindow::commandLineFiles(const QStringList &arguments)
{
    QStringList files;
    qsizetype next = 0;
    // Whatever exists is opened, so that a folder or a device is refused with a word.
    if (!arguments.isEmpty() && !QFileInfo::exists(arguments.at(0))) {
        const QString joined = commandLinePath(arguments);
        if (joined != arguments.at(0) && QFileInfo::exists(joined)) {
            files.append(joined);
            next = 2;
        }
    }
    for (; next < arguments.size(); ++next)
        if (QFileInfo::exists(arguments.at(next)))
            files.append(arguments.at(next));
    return files;
}

void MainWindow::showDocumentStatus(bool modified, int count)
{
    setStatusText(2, modified ? tr("文件状态：已修改") : tr("文件状态：未修改"));
    setStatusText(3, tr("已画图形：") + QString::number(count));
}

QString MainWindow::statusText(int panel) const
{
    return m_statusBar->panelText(panel);
}

void MainWindow::setStatusText(int panel, const QString &text)
{
    m_statusBar->setPanelText(panel, text);
}

ProgressDisplay &MainWindow::progress()
{
    return *m_progress;
}

void MainWindow::showKeyStates()
{
    const LockKeyStates keys = readLockKeyStates();
    setStatusText(5, capsText(keys.caps));
    setStatusText(6, numText(keys.num));
    setStatusText(7, scrollText(keys.scroll));
}

QAction *MainWindow::checkedToolAction() const
{
    return m_drawActions->checked();
}

std::optional<Tool> MainWindow::checkedDrawAction() const
{
    return m_drawActions->checkedTool();
}

void MainWindow::uncheckDrawAction()
{
    m_drawActions->uncheck();
}

void MainWindow::triggerDrawAction(Tool tool)
{
    if (QAction *a = m_drawActions->action(tool))
        a->trigger();
}

QByteArray MainWindow::fontFaceGbk() const
{
    // A font slot holds 63 bytes and its terminator.
    return gbkCutToBytes(m_fontBox->currentText(), 63);
}

void MainWindow::setZoomText(const QString &text)
{
    m_zoomBox->setEditText(text);
    if (const std::optional<int> zoom = parseZoomText(text))
        m_zoomChoice = *zoom;
    // The zoom commands stop at their limits.
    updateCommandStates();
}

QCursor MainWindow::cursorSlot(int slot) const
{
    auto it = m_cursors.find(slot);
    return it == m_cursors.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

void MainWindow::updateSealToggles(const Seal *seal)
{
    if (!seal)
        return;
    // Showing a seal's options is no edit of it.
    const QSignalBlocker b1(m_toggles[0]), b2(m_toggles[1]), b3(m_toggles[2]);
    m_toggles[0]->setText(seal->SealType() == SealType::stFiveStar ? tr("空心") : tr("阳章"));
    m_toggles[0]->setAccessibleName(m_toggles[0]->text());
    m_toggles[0]->setChecked(seal->BrushStyle() == BrushStyle::bsClear);
    m_toggles[1]->setChecked(seal->HaveImage() && seal->ImageIsStar());
    m_toggles[2]->setChecked(seal->HaveImage());
}

QString MainWindow::askPictureFile()
{
    return m_dialogs.openFileName(this, workFolder(u"我的徽标库"_s),
                                  tr("图象文件(*.bmp *.jpg *.jpeg *.gif *.png *.emf *.wmf);;所有文件(*)"));
}

void MainWindow::placeHandles()
{
    DocumentWindow *child = activeDocument();
    if (child && child->handles()) {
        child->handles()->placeHandles();
        child->pagePanel()->update();
    }
}

void MainWindow::showRefusal(const QString &message)
{
    m_dialogs.message(m_propertyWindow ? m_propertyWindow.data() : this, QMessageBox::Warning, message);
}

bool MainWindow::propertyWindowPinned() const
{
    return m_config.readText(Configuration::SystemKey, u"PropertyWindowPinned"_s) == u"true"_s;
}

void MainWindow::setPropertyWindowPinned(bool pinned)
{
    m_config.writeText(Configuration::SystemKey, u"PropertyWindowPinned"_s, pinned ? u"true"_s : u"false"_s);
}

void MainWindow::reportPictureError(const QString &message)
{
    m_dialogs.message(this, QMessageBox::Warning, message);
}

void MainWindow::showAboutBox()
{
    const DialogPackLoader dialogs(m_options.dialogFolder);
    catchComponentLoadError(
        this, [&] { dialogs.showAboutBox(this); }, errorBox());
}

void MainWindow::showHelp()
{
    const DialogPackLoader dialogs(m_options.dialogFolder);
    catchComponentLoadError(
        this, [&] { dialogs.showHelpWindow(this); }, errorBox());
}

ErrorBox MainWindow::errorBox()
{
    return
        [this](QWidget *parent, const QString &message) { m_dialogs.message(parent, QMessageBox::Critical, message); };
}

} // namespace qm
