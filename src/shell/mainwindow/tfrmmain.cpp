// The main window: construction, the start-up stages, the first show, the tool bar lists and
// what the document windows ask of it.

#include "shell/mainwindow/tfrmmain.h"

#include "companions/dialogpackloader.h"
#include "companions/glyphdepot/glyphdepot.h"
#include "controls/hints.h"
#include "controls/tqmvbutton.h"
#include "controls/tqmvflatpanel.h"
#include "controls/tqmvstatusbar.h"
#include "page/tfrmchild.h"
#include "picture/surface.h"
#include "print/tfrmprint.h"
#include "properties/tfrmproprty.h"
#include "seal/tseal.h"
#include "shell/mainwindow/configuration.h"
#include "shell/mainwindow/cursors.h"
#include "shell/mainwindow/drawactions.h"
#include "shell/mainwindow/fontlist.h"
#include "shell/mainwindow/keystates.h"
#include "shell/mainwindow/statuspanels.h"
#include "shell/mainwindow/userdialogs.h"
#include "shell/mainwindow/wallpapermdiarea.h"
#include "shell/mainwindow/zoomlist.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
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
constexpr TColor ListTextColour = 0x803000;

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

TfrmMain::TfrmMain(const MainWindowOptions &options, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_dialogs(*options.dialogs), m_config(*options.configuration)
{
    setWindowTitle(u"Quillmark 8"_s);
    setAccessibleName(windowTitle());
    setObjectName(u"frmMain"_s);

    m_mdi = new WallpaperMdiArea(this);
    m_mdi->setObjectName(u"ClientArea"_s);
    m_mdi->setAccessibleName(u"文档区"_s);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TfrmMain::subWindowActivated);

    m_drawActions = new DrawActions(this);
    connect(m_drawActions->group(), &QActionGroup::triggered, this, [this](QAction *a) {
        // Without a document a tool cannot be chosen: its button springs back.
        TfrmChild *child = activeDocument();
        if (!child) {
            a->setChecked(false);
            return;
        }
        child->applyToolCursor();
    });

    m_propertyFactory = [](TfrmMain &main) -> QWidget * {
        auto *window = new TfrmProprty(main, &main, main.logicalDpiX());
        TfrmChild *child = main.activeDocument();
        window->setDocument(child ? &child->document() : nullptr);
        connect(&main, &TfrmMain::activeDocumentChanged, window,
                [window](TfrmChild *active) { window->setDocument(active ? &active->document() : nullptr); });
        return window;
    };

    m_printFactory = [](TfrmMain &main) -> std::unique_ptr<QDialog> {
        TfrmChild *child = main.activeDocument();
        if (!child)
            return nullptr;
        PrintWindowOptions options;
        options.cursor = [&main](int slot) { return main.cursorSlot(slot); };
        options.printerPresent = main.m_options.printerPresent;
        options.errorBox = main.errorBox();
        return std::make_unique<TfrmPrint>(*child, main.printPreview(), std::move(options), &main);
    };

    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    // Document windows refer to this window as their host: they go first, unheard.
    m_mdi->disconnect(this);
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        delete w;
    delete m_propertyWindow;
}

QAction *TfrmMain::makeAction(const QString &name, const QString &caption, const QString &hint,
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

QAction *TfrmMain::action(const QString &name) const
{
    auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

void TfrmMain::createActions()
{
    auto icon = [](const QString &name) { return QIcon(u":/quillmark/icons/"_s + name + u".svg"_s); };
    QAction *a = makeAction(u"actFileNew"_s, u"新建(&N)"_s, u"新建印章文件|新建印章文件"_s, QKeySequence::New);
    a->setIcon(icon(u"new"_s));
    connect(a, &QAction::triggered, this, &TfrmMain::FileNew);
    a = makeAction(u"actFileOpen"_s, u"打开…(&O)"_s, u"打开印章文件|打开印章文件"_s, QKeySequence::Open);
    a->setIcon(icon(u"open"_s));
    connect(a, &QAction::triggered, this, &TfrmMain::FileOpen);
    a = makeAction(u"actFileSave"_s, u"保存(&S)"_s, u"保存文件|保存文件"_s, QKeySequence::Save);
    a->setIcon(icon(u"save"_s));
    connect(a, &QAction::triggered, this, [this] { FileSave(); });
    a = makeAction(u"actFileSaveAs"_s, u"另存为…"_s, u"文件另存|文件另存"_s);
    a->setIcon(icon(u"saveas"_s));
    connect(a, &QAction::triggered, this, [this] { FileSaveAs(); });
    a = makeAction(u"actFileExit"_s, u"退出(&Q)"_s, u"退出|退出"_s, QKeySequence(Qt::CTRL | Qt::Key_Q));
    a->setIcon(icon(u"exit"_s));
    a->setMenuRole(QAction::QuitRole);
    connect(a, &QAction::triggered, this, &QWidget::close);

    a = makeAction(u"WindowCascade1"_s, u"叠放窗口(&C)"_s, u"叠放窗口|叠放窗口"_s);
    a->setIcon(icon(u"cascade"_s));
    connect(a, &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    a = makeAction(u"WindowTileHorizontal1"_s, u"平排窗口(&H)"_s, u"水平排列窗口|水平排列窗口"_s);
    a->setIcon(icon(u"tilehorizontal"_s));
    connect(a, &QAction::triggered, m_mdi, &WallpaperMdiArea::tileHorizontally);
    a = makeAction(u"WindowTileVertical1"_s, u"竖排窗口(&T)"_s, u"纵向排列窗口|纵向排列窗口"_s);
    a->setIcon(icon(u"tilevertical"_s));
    connect(a, &QAction::triggered, m_mdi, &WallpaperMdiArea::tileVertically);
    a = makeAction(u"WindowMinimizeAll1"_s, u"最小化(&M)"_s, u"最小化所有窗口|最小化所有窗口"_s);
    a->setIcon(icon(u"minimiseall"_s));
    connect(a, &QAction::triggered, m_mdi, &WallpaperMdiArea::minimiseAll);
    a = makeAction(u"WindowArrange1"_s, u"重排窗口(&A)"_s, u"重新排列窗口|重新排列窗口"_s);
    a->setIcon(icon(u"arrange"_s));
    connect(a, &QAction::triggered, m_mdi, &WallpaperMdiArea::arrangeMinimised);
    a = makeAction(u"WindowClose1"_s, u"关闭(&Z)"_s, u"关闭|关闭"_s);
    a->setIcon(icon(u"close"_s));
    connect(a, &QAction::triggered, m_mdi, &QMdiArea::closeActiveSubWindow);
    a = makeAction(u"WindowsCloseAll"_s, u"全部关闭(&S)"_s, u"关闭所有窗口|关闭所有窗口"_s);
    a->setIcon(icon(u"closeall"_s));
    connect(a, &QAction::triggered, this, [this] { closeAllDocuments(); });
    for (const QString &name :
         {u"WindowCascade1"_s, u"WindowTileHorizontal1"_s, u"WindowTileVertical1"_s, u"WindowMinimizeAll1"_s,
          u"WindowArrange1"_s, u"WindowClose1"_s, u"WindowsCloseAll"_s, u"actFileSave"_s, u"actFileSaveAs"_s})
        action(name)->setEnabled(false);

    a = makeAction(u"actPageDoubleBuffered"_s, u"页面使用双缓冲"_s, QString());
    a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this](bool on) { m_config.setPageDoubleBuffered(on); });

    a = makeAction(u"actHelpAbout"_s, u"关于…(&A)"_s, u"关于本软件|关于本软件"_s);
    a->setMenuRole(QAction::AboutRole);
    a->setIcon(icon(u"about"_s));
    connect(a, &QAction::triggered, this, &TfrmMain::showAboutBox);
    a = makeAction(u"actHelpHelp"_s, u"使用帮助(&H)"_s, u"使用帮助|帮助使用"_s, QKeySequence::HelpContents);
    a->setIcon(icon(u"help"_s));
    connect(a, &QAction::triggered, this, &TfrmMain::showHelp);
}

void TfrmMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(u"文件(&F)"_s);
    file->addAction(action(u"actFileNew"_s));
    file->addAction(action(u"actFileOpen"_s));
    m_recentMenu = file->addMenu(u"最近的文件(&R)"_s);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &TfrmMain::fillRecentMenu);
    file->addAction(action(u"WindowClose1"_s));
    file->addSeparator();
    file->addAction(action(u"actFileSave"_s));
    file->addAction(action(u"actFileSaveAs"_s));
    file->addSeparator();
    file->addAction(action(u"actFileExit"_s));

    QMenu *tools = menuBar()->addMenu(u"工具(&T)"_s);
    tools->addAction(action(u"actPageDoubleBuffered"_s));

    m_windowMenu = menuBar()->addMenu(u"窗口(&W)"_s);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TfrmMain::fillWindowMenu);
    m_windowMenu->addAction(action(u"WindowCascade1"_s));
    m_windowMenu->addAction(action(u"WindowTileHorizontal1"_s));
    m_windowMenu->addAction(action(u"WindowTileVertical1"_s));
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(action(u"WindowArrange1"_s));
    m_windowMenu->addAction(action(u"WindowMinimizeAll1"_s));
    m_windowMenu->addAction(action(u"WindowsCloseAll"_s));

    QMenu *help = menuBar()->addMenu(u"帮助(&H)"_s);
    help->addAction(action(u"actHelpAbout"_s));
    help->addAction(action(u"actHelpHelp"_s));
}

void TfrmMain::createToolBar()
{
    m_toolBar = addToolBar(u"工具栏"_s);
    m_toolBar->setObjectName(u"ToolBar1"_s);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    m_toolBar->setAccessibleName(u"工具栏"_s);
    for (const QString &name : {u"actFileNew"_s, u"actFileOpen"_s, u"actFileSave"_s})
        m_toolBar->addAction(action(name));
    m_toolBar->addSeparator();

    m_zoomPanel = toolPanel(m_toolBar, u"显示比例"_s);
    m_zoomBox = new QComboBox(m_zoomPanel);
    m_zoomBox->setObjectName(u"DispComboBox"_s);
    m_zoomBox->setEditable(true);
    m_zoomBox->setInsertPolicy(QComboBox::NoInsert);
    m_zoomBox->setAccessibleName(u"显示比例"_s);
    m_zoomBox->setToolTip(u"显示比例"_s);
    m_zoomPanel->layout()->addWidget(m_zoomBox);
    m_toolBar->addWidget(m_zoomPanel);
    // A choice from the list, or Enter in the text: a keystroke alone changes nothing, and
    // nothing completes "12" to "125%" behind the user's back.
    m_zoomBox->setCompleter(nullptr);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int) { applyZoomText(m_zoomBox->currentText()); });
    connect(m_zoomBox->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        // A listed text is activated by the box itself.
        if (m_zoomBox->findText(m_zoomBox->currentText(), Qt::MatchExactly) < 0)
            applyZoomText(m_zoomBox->currentText());
    });
    m_toolBar->addSeparator();

    m_fontPanel = toolPanel(m_toolBar, u"字体"_s);
    auto *fontLabel = new QLabel(u" 字体:"_s, m_fontPanel);
    m_fontBox = new QComboBox(m_fontPanel);
    m_fontBox->setObjectName(u"FontComboBox"_s);
    m_fontBox->setAccessibleName(u"字体"_s);
    fontLabel->setBuddy(m_fontBox);
    m_chineseOnly = new QCheckBox(u"仅中文"_s, m_fontPanel);
    m_chineseOnly->setObjectName(u"CheckBox4"_s);
    m_chineseOnly->setAccessibleName(u"仅中文"_s);
    m_fontPanel->layout()->addWidget(fontLabel);
    m_fontPanel->layout()->addWidget(m_fontBox);
    m_fontPanel->layout()->addWidget(m_chineseOnly);
    m_toolBar->addWidget(m_fontPanel);
    connect(m_chineseOnly, &QCheckBox::toggled, this, [this](bool on) {
        fillFontList(on);
        m_chineseOnly->setToolTip(on ? u"显示所有字体"_s : u"仅显示中文字体"_s);
    });
    m_toolBar->addSeparator();

    m_togglePanel = toolPanel(m_toolBar, u"印章选项"_s);
    const QString names[3] = {u"阳章"_s, u"五星"_s, u"有图符"_s};
    for (int i = 0; i < 3; ++i) {
        m_toggles[i] = new QCheckBox(names[i], m_togglePanel);
        m_toggles[i]->setObjectName(u"CheckBox"_s + QString::number(i + 1));
        m_toggles[i]->setAccessibleName(names[i]);
        m_toggles[i]->setChecked(true);
        m_togglePanel->layout()->addWidget(m_toggles[i]);
    }
    m_toolBar->addWidget(m_togglePanel);

    // The tabs that open the emblem and library columns, on a flat band to the right.
    m_rightPanel = new QWidget(m_toolBar);
    m_rightPanel->setAccessibleName(u"侧栏"_s);
    m_rightPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_tabPanel = new TQMVFlatPanel(m_rightPanel);
    m_tabPanel->setObjectName(u"QMVFlatPanel1"_s);
    m_tabPanel->SetPanelStyle(TPanelStyle::psPhotoShop);
    const QString tabCaptions[2] = {u"徽标集"_s, u"印章库"_s};
    for (int i = 0; i < 2; ++i) {
        m_tabs[i] = new TQMVButton(m_tabPanel);
        m_tabs[i]->setObjectName(u"QMVButton"_s + QString::number(i + 1));
        m_tabs[i]->SetCaption(tabCaptions[i]);
        m_tabs[i]->SetTag(i + 1);
    }
    m_toolBar->addWidget(m_rightPanel);
    m_rightPanel->installEventFilter(this);

    for (QAction *a : m_toolBar->actions())
        if (QWidget *w = m_toolBar->widgetForAction(a); w && w->accessibleName().isEmpty())
            w->setAccessibleName(a->text().isEmpty() ? a->toolTip() : captionText(a->text()));
}

void TfrmMain::createStatusBar()
{
    m_statusBar = new TQMVStatusBar(this);
    m_statusBar->setObjectName(u"QMVStatusBar1"_s);
    setStatusBar(m_statusBar);
    addStatusPanels(*m_statusBar);
    m_progress = new ProgressPanel(m_statusBar);
}

void TfrmMain::SplashStage(const QString &stage)
{
    if (m_options.splashStage)
        m_options.splashStage(stage);
}

void TfrmMain::FormCreate()
{
    setFont(QApplication::font("QMenu"));
    connect(&m_keyTimer, &QTimer::timeout, this, &TfrmMain::ShowKeyStates);
    m_keyTimer.start(250);

    SplashStage(u"检查系统配置……"_s);

    SplashStage(u"检测显示器……"_s);
    int screenWidth = 0;
    if (m_options.screenWidth)
        screenWidth = m_options.screenWidth();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        screenWidth = screen->geometry().width();
    if (screenWidth < 800) {
        const auto answer = m_dialogs.message(
            this, QMessageBox::Question, u"    您的系统显示分辨率低于\r800 x 600,本软件可能运行不\r正常！是否退出？"_s,
            QMessageBox::Yes | QMessageBox::No);
        // The program ends once start-up is through; the remaining steps still run.
        if (answer == QMessageBox::Yes)
            m_terminateRequested = true;
    }

    SplashStage(u"查找打印机……"_s);
    const bool printer =
        m_options.printerPresent ? m_options.printerPresent() : !QPrinterInfo::availablePrinterNames().isEmpty();
    if (!printer)
        m_dialogs.message(this, QMessageBox::Information,
                          u"    您的系统没有安装\r任何打印设备，建议用\r户安装分辨率在600dpi\r及以上的激光打印机。"_s);

    SplashStage(u"创建剪贴板……"_s);
    m_clipboard = std::make_unique<ClipboardStream>();

    SplashStage(u"设置壁纸……"_s);
    const QString wallpaper = m_config.readText(Configuration::UserInfoKey, u"BackGround"_s);
    m_mdi->setWallpaper(SetBkGnd(m_mdi->viewport(), wallpaper));

    fillZoomList();

    SplashStage(u"搜索字体……"_s);
    colourListText(m_fontBox);
    {
        const QSignalBlocker block(m_chineseOnly);
        m_chineseOnly->setChecked(true);
    }
    m_chineseOnly->setToolTip(u"显示所有字体"_s);
    fillFontList(true);
    if (const int song = m_fontBox->findText(u"宋体"_s, Qt::MatchExactly); song >= 0)
        m_fontBox->setCurrentIndex(song);

    SplashStage(u"完成初始化……"_s);
    if (const std::optional<bool> doubleBuffered = m_config.pageDoubleBuffered())
        action(u"actPageDoubleBuffered"_s)->setChecked(*doubleBuffered);

    for (int slot : {2, 3, 4, 5, 6})
        m_cursors[slot] = loadCursorSlot(slot);
}

void TfrmMain::fillZoomList()
{
    colourListText(m_zoomBox);
    const QSignalBlocker block(m_zoomBox);
    m_zoomBox->clear();
    m_zoomBox->addItems(zoomListItems());
    m_zoomBox->setCurrentIndex(ZoomListStartItem);
    m_zoomChoice = parseZoomText(m_zoomBox->currentText()).value_or(100);
}

void TfrmMain::fillFontList(bool chineseOnlyFilter)
{
    const QString chosen = m_fontBox->currentText();
    const QSignalBlocker block(m_fontBox);
    m_fontBox->clear();
    m_fontBox->addItems(fontListItems(chineseOnlyFilter));
    const int at = m_fontBox->findText(chosen, Qt::MatchExactly);
    m_fontBox->setCurrentIndex(at >= 0 ? at : (m_fontBox->count() > 0 ? 0 : -1));
}

void TfrmMain::applyZoomText(const QString &text)
{
    const std::optional<int> zoom = parseZoomText(text);
    if (!zoom) {
        m_dialogs.message(this, QMessageBox::Warning,
                          u"“"_s + text + u"”不是有效的显示比例。\r请输入 10 到 610 之间的整数，例如 150%。"_s);
        m_zoomBox->setEditText(zoomText(m_zoomChoice));
        return;
    }
    m_zoomChoice = *zoom;
    m_zoomBox->setEditText(zoomText(*zoom));
    if (TfrmChild *child = activeDocument())
        child->ZoomPage(*zoom);
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_programFolder.isEmpty())
        FormShow();
}

void TfrmMain::FormShow()
{
    LayoutBars();
    m_programFolder = QCoreApplication::applicationDirPath() + u'/';
    createWorkFolders();

    const QString path = commandLinePath(m_options.arguments);
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_commandLineOpenFailed = OpenDocumentFile(path) == nullptr;

    openHomePageOnce();
    // A document from the command line keeps its own state in the panel.
    if (!activeDocument())
        setStatusText(2, u"文件状态：无文件"_s);
}

QStringList TfrmMain::workFolderNames()
{
    return {u"我的印章"_s, u"我的印章库"_s, u"我的徽标库"_s, u"我的导出图象"_s};
}

QString TfrmMain::workFolder(const QString &name) const
{
    return QDir(m_options.dataFolder).filePath(name) + u'/';
}

void TfrmMain::createWorkFolders()
{
    // Libraries, emblems and exports read and write these folders: a missing one would leave
    // a library empty and make saving into it fail.
    for (const QString &name : workFolderNames())
        QDir().mkpath(workFolder(name));
}

void TfrmMain::openHomePageOnce()
{
    const QString shown = m_config.readText(Configuration::HomePageKey, u"HomePage"_s);
    if (!shown.isEmpty() && shown != u"false"_s)
        return;
    // The page travels inside the program; the browser gets a copy in the data folder.
    const QString page = QDir(m_options.dataFolder).filePath(u"homepage.html"_s);
    QFile::remove(page);
    if (QFile::copy(u":/quillmark/homepage.html"_s, page)) {
        QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner);
        m_dialogs.openUrl(QUrl::fromLocalFile(page));
    }
    m_config.writeText(Configuration::HomePageKey, u"HomePage"_s, u"true"_s);
}

QString TfrmMain::commandLinePath(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.at(0);
    if (arguments.size() >= 2 && QFileInfo(first).suffix().isEmpty())
        return first + u' ' + arguments.at(1);
    return first;
}

void TfrmMain::SetDocumentStatus(bool modified, int count)
{
    setStatusText(2, modified ? u"文件状态：已修改"_s : u"文件状态：未修改"_s);
    setStatusText(3, u"已画图形："_s + QString::number(count));
}

QString TfrmMain::statusText(int panel) const
{
    return m_statusBar->panelText(panel);
}

void TfrmMain::setStatusText(int panel, const QString &text)
{
    m_statusBar->setPanelText(panel, text);
}

ProgressDisplay &TfrmMain::progress()
{
    return *m_progress;
}

void TfrmMain::ShowKeyStates()
{
    const LockKeyStates keys = readLockKeyStates();
    setStatusText(5, capsText(keys.caps));
    setStatusText(6, numText(keys.num));
    setStatusText(7, scrollText(keys.scroll));
}

QAction *TfrmMain::CheckedDrawAction() const
{
    return m_drawActions->checked();
}

int TfrmMain::checkedDrawAction() const
{
    return m_drawActions->checkedTag();
}

void TfrmMain::uncheckDrawAction()
{
    m_drawActions->uncheck();
}

void TfrmMain::triggerDrawAction(int tag)
{
    if (QAction *a = m_drawActions->action(tag))
        a->trigger();
}

QByteArray TfrmMain::fontFaceGbk() const
{
    // A font slot holds 63 bytes and its terminator.
    return gbkCutToBytes(m_fontBox->currentText(), 63);
}

void TfrmMain::setZoomText(const QString &text)
{
    m_zoomBox->setEditText(text);
    if (const std::optional<int> zoom = parseZoomText(text))
        m_zoomChoice = *zoom;
}

QCursor TfrmMain::cursorSlot(int slot) const
{
    auto it = m_cursors.find(slot);
    return it == m_cursors.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

void TfrmMain::ShowSealToggles(const TSeal *seal)
{
    if (!seal)
        return;
    // Showing a seal's options is no edit of it.
    const QSignalBlocker b1(m_toggles[0]), b2(m_toggles[1]), b3(m_toggles[2]);
    m_toggles[0]->setText(seal->SealType() == TSealType::stFiveStar ? u"空心"_s : u"阳章"_s);
    m_toggles[0]->setAccessibleName(m_toggles[0]->text());
    m_toggles[0]->setChecked(seal->BrushStyle() == TBrushStyle::bsClear);
    m_toggles[1]->setChecked(seal->HaveImage() && seal->ImageIsStar());
    m_toggles[2]->setChecked(seal->HaveImage());
}

QString TfrmMain::askPictureFile()
{
    return m_dialogs.openFileName(this, workFolder(u"我的徽标库"_s),
                                  u"图象文件(*.bmp *.jpg *.jpeg *.gif *.png *.emf *.wmf);;所有文件(*)"_s);
}

void TfrmMain::PlaceHandles()
{
    TfrmChild *child = activeDocument();
    if (child && child->Handles()) {
        child->Handles()->PlaceHandles();
        child->QMVDrawPanel1()->update();
    }
}

void TfrmMain::showRefusal(const QString &message)
{
    m_dialogs.message(m_propertyWindow ? m_propertyWindow.data() : this, QMessageBox::Warning, message);
}

void TfrmMain::reportPictureError(const QString &message)
{
    m_dialogs.message(this, QMessageBox::Warning, message);
}

void TfrmMain::showAboutBox()
{
    const DialogPackLoader dialogs(m_options.dialogFolder);
    catchDLLLoadError(
        this, [&] { dialogs.ShowAboutBox(this); }, errorBox());
}

void TfrmMain::showHelp()
{
    const DialogPackLoader dialogs(m_options.dialogFolder);
    catchDLLLoadError(
        this, [&] { dialogs.Show_frmHelp(this); }, errorBox());
}

ErrorBox TfrmMain::errorBox()
{
    return
        [this](QWidget *parent, const QString &message) { m_dialogs.message(parent, QMessageBox::Critical, message); };
}

} // namespace qm
