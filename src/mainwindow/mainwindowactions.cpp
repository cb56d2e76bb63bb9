// The main window's command table: both action lists, the menus and the pop-up menus that
// share their actions.

#include "mainwindow/mainwindow.h"

#include "controls/hints.h"
#include "mainwindow/documentplacement.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/wallpapermdiarea.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

struct CommandRow {
    const char16_t *name;
    const char *caption; // source texts of the translations
    const char *hint;
    QKeyCombination shortcut;
    const char16_t *icon;
};

constexpr QKeyCombination NoKey = QKeyCombination(Qt::NoModifier, Qt::Key_unknown);

// The file, edit, view, window, tools, help and library commands in their list order.
const CommandRow CommandRows[] = {
    {u"actFileNew", QT_TRANSLATE_NOOP("qm::MainWindow", "新建(&N)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "新建印章文件|新建印章文件"), Qt::CTRL | Qt::Key_N, u"new"},
    {u"actFileOpen", QT_TRANSLATE_NOOP("qm::MainWindow", "打开…(&O)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "打开印章文件|打开印章文件"), Qt::CTRL | Qt::Key_O, u"open"},
    {u"actFileSave", QT_TRANSLATE_NOOP("qm::MainWindow", "保存(&S)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "保存文件|保存文件"), Qt::CTRL | Qt::Key_S, u"save"},
    {u"actFileSaveAs", QT_TRANSLATE_NOOP("qm::MainWindow", "另存为…"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "文件另存|文件另存"), NoKey, u"saveas"},
    {u"actFilePreView", QT_TRANSLATE_NOOP("qm::MainWindow", "预览(&V)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "打印预览|打印预览"), NoKey, u"preview"},
    {u"actFilePrint", QT_TRANSLATE_NOOP("qm::MainWindow", "打印(&P)"), QT_TRANSLATE_NOOP("qm::MainWindow", "打印|打印"),
     Qt::CTRL | Qt::Key_P, u"print"},
    {u"actFileStampPdf", QT_TRANSLATE_NOOP("qm::MainWindow", "盖章到PDF(&T)…"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "盖章到PDF|把所选的印章（未选时为全部印章）按实际尺寸盖到PDF文件的页面上"),
     NoKey, u"stamppdf"},
    {u"actFileExit", QT_TRANSLATE_NOOP("qm::MainWindow", "退出(&Q)"), QT_TRANSLATE_NOOP("qm::MainWindow", "退出|退出"),
     Qt::CTRL | Qt::Key_Q, u"exit"},
    {u"actEditCopy", QT_TRANSLATE_NOOP("qm::MainWindow", "复制(&C)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "复制到剪贴板|复制到剪贴板"), Qt::CTRL | Qt::Key_C, u"copy"},
    {u"actEditCut", QT_TRANSLATE_NOOP("qm::MainWindow", "剪切(&X)"), QT_TRANSLATE_NOOP("qm::MainWindow", "剪切|剪切"),
     Qt::CTRL | Qt::Key_X, u"cut"},
    {u"actEditPaste", QT_TRANSLATE_NOOP("qm::MainWindow", "粘贴(&V)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "从剪贴板粘贴|从剪贴板粘贴"), Qt::CTRL | Qt::Key_V, u"paste"},
    {u"actEditDel", QT_TRANSLATE_NOOP("qm::MainWindow", "删除"), QT_TRANSLATE_NOOP("qm::MainWindow", "删除|删除"),
     QKeyCombination(Qt::Key_Delete), u"delete"},
    {u"actEditClear", QT_TRANSLATE_NOOP("qm::MainWindow", "清除(&R)"), QT_TRANSLATE_NOOP("qm::MainWindow", "清除|清除"),
     Qt::CTRL | Qt::Key_Delete, u"clear"},
    {u"actEditBringToFront", QT_TRANSLATE_NOOP("qm::MainWindow", "送到顶层(&B)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "把元素送到顶层|把元素送到顶层"), NoKey, u"bringtofront"},
    {u"actEditSendToBack", QT_TRANSLATE_NOOP("qm::MainWindow", "送到底层(&S)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "把元素送到底层|把元素送到底层"), NoKey, u"sendtoback"},
    {u"actViewOpenDrawTools", QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏绘图工具(&D)"), "", NoKey, u"drawtools"},
    {u"actViewOpenOrClosefrmProp", QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏属性窗口(&P)"), "", NoKey,
     u"propertywindow"},
    {u"actViewOpenOrCloseToolBar", QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏工具栏(&T)"), "", NoKey, u"toolbar"},
    {u"actViewOpenOrCloseStatusBar", QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏状态栏(&S)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏状态栏|隐藏状态栏"), NoKey, u"statusbar"},
    {u"actViewOpenOrCloseGrid", QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏网格(&G)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "隐藏网格|隐藏网格"), NoKey, u"grid"},
    {u"actViewZoomIn", QT_TRANSLATE_NOOP("qm::MainWindow", "放大显示(&I)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "放大|放大"), QKeyCombination(Qt::Key_PageUp), u"zoomin"},
    {u"actViewZoomNormal", QT_TRANSLATE_NOOP("qm::MainWindow", "正常显示(&N)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "正常显示|正常显示"), QKeyCombination(Qt::Key_End), u"zoomnormal"},
    {u"actViewZoomOut", QT_TRANSLATE_NOOP("qm::MainWindow", "缩小显示(&U)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "缩小|缩小"), QKeyCombination(Qt::Key_PageDown), u"zoomout"},
    {u"WindowCascade1", QT_TRANSLATE_NOOP("qm::MainWindow", "叠放窗口(&C)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "叠放窗口|叠放窗口"), NoKey, u"cascade"},
    {u"WindowTileHorizontal1", QT_TRANSLATE_NOOP("qm::MainWindow", "平排窗口(&H)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "水平排列窗口|水平排列窗口"), NoKey, u"tilehorizontal"},
    {u"WindowTileVertical1", QT_TRANSLATE_NOOP("qm::MainWindow", "竖排窗口(&T)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "纵向排列窗口|纵向排列窗口"), NoKey, u"tilevertical"},
    {u"WindowMinimizeAll1", QT_TRANSLATE_NOOP("qm::MainWindow", "最小化(&M)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "最小化所有窗口|最小化所有窗口"), NoKey, u"minimiseall"},
    {u"WindowArrange1", QT_TRANSLATE_NOOP("qm::MainWindow", "重排窗口(&A)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "重新排列窗口|重新排列窗口"), NoKey, u"arrange"},
    {u"WindowClose1", QT_TRANSLATE_NOOP("qm::MainWindow", "关闭(&Z)"), QT_TRANSLATE_NOOP("qm::MainWindow", "关闭|关闭"),
     NoKey, u"close"},
    {u"WindowsCloseAll", QT_TRANSLATE_NOOP("qm::MainWindow", "全部关闭(&S)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "关闭所有窗口|关闭所有窗口"), NoKey, u"closeall"},
    {u"actToolsNextFont", QT_TRANSLATE_NOOP("qm::MainWindow", "下一个字体"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "下一个字体|下一个字体"), NoKey, u"nextfont"},
    {u"actLockSeal", QT_TRANSLATE_NOOP("qm::MainWindow", "锁定印章位置(&L)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "锁定印章|锁定印章"), NoKey, u"lockseal"},
    {u"actLockPage", QT_TRANSLATE_NOOP("qm::MainWindow", "锁定页面(&P)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "锁定页面|锁定页面"), NoKey, u"lockpage"},
    {u"actHelpAbout", QT_TRANSLATE_NOOP("qm::MainWindow", "关于…(&A)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "关于本软件|关于本软件"), NoKey, u"about"},
    {u"actHelpChangeWallPaper", QT_TRANSLATE_NOOP("qm::MainWindow", "更换壁纸(&W)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "更换壁纸|更换壁纸"), NoKey, u"wallpaper"},
    {u"actHelpMailme", QT_TRANSLATE_NOOP("qm::MainWindow", "致信作者(&M)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "致信作者|致信作者"), NoKey, u"mail"},
    {u"actHelpHelp", QT_TRANSLATE_NOOP("qm::MainWindow", "使用帮助(&H)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "使用帮助|帮助使用"), NoKey, u"help"},
    {u"actGoHomePage", QT_TRANSLATE_NOOP("qm::MainWindow", "登陆作者的主页"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "去作者的主页看看|去作者的主页看看"), NoKey, u"homepage"},
    {u"actLibAdd", QT_TRANSLATE_NOOP("qm::MainWindow", "加入印章库"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "存入印章库|存入印章库"), NoKey, u"libadd"},
    {u"actEditLibrary", QT_TRANSLATE_NOOP("qm::MainWindow", "编辑印章库"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "编辑修改印章库|编辑修改印章库"), NoKey, u"editlibrary"},
    {u"actEditChangeImage", QT_TRANSLATE_NOOP("qm::MainWindow", "改变图符(&P)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "改变印章图符|改变印章图符"), NoKey, u"changeimage"},
    {u"actEditSetSameCenter", QT_TRANSLATE_NOOP("qm::MainWindow", "对准中心(&T)"), "", NoKey, u"samecenter"},
    {u"actEditSealSaveToImage", QT_TRANSLATE_NOOP("qm::MainWindow", "导出为图象…"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "印章导出为图象|印章导出为图象"), NoKey, u"saveimage"},
    {u"actViewZoomAll", QT_TRANSLATE_NOOP("qm::MainWindow", "细节查看…"), "", NoKey, u"detailview"},
    {u"actInsertSeal", QT_TRANSLATE_NOOP("qm::MainWindow", "插入模板印章"), "", NoKey, u"insertseal"},
    {u"actDeleteLibrarySeal", QT_TRANSLATE_NOOP("qm::MainWindow", "删除模板印章"), "", NoKey, u"deletelibraryseal"},
    {u"actPageDoubleBuffered", QT_TRANSLATE_NOOP("qm::MainWindow", "页面使用双缓冲"), "", NoKey, u"doublebuffered"},
    {u"actEditUndo", QT_TRANSLATE_NOOP("qm::MainWindow", "撤销(&Z)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "撤销|撤销上一步编辑"), Qt::CTRL | Qt::Key_Z, u"undo"},
    {u"actEditRedo", QT_TRANSLATE_NOOP("qm::MainWindow", "重做(&Y)"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "重做|重做撤销的编辑"), Qt::CTRL | Qt::Key_Y, u"redo"},
    {u"actEditColor", QT_TRANSLATE_NOOP("qm::MainWindow", "颜色(&O)…"),
     QT_TRANSLATE_NOOP("qm::MainWindow", "颜色|设置所选印章的颜色"), NoKey, u"colour"},
};

// The palette's edit commands beside the placing modes: no group, no tag.
const CommandRow PaletteRows[] = {
    {u"actPageZoom", "", QT_TRANSLATE_NOOP("qm::MainWindow", "正常页面视图|正常页面视图"), NoKey, u"zoomnormal"},
    {u"actBringToFront", "", QT_TRANSLATE_NOOP("qm::MainWindow", "浮起到表层|浮起到表层"), NoKey, u"bringtofront"},
    {u"actSendToBack", "", QT_TRANSLATE_NOOP("qm::MainWindow", "压入到底层|压入到底层"), NoKey, u"sendtoback"},
    {u"actSameCenter", "", QT_TRANSLATE_NOOP("qm::MainWindow", "对准中心|对准中心"), NoKey, u"samecenter"},
    {u"actChangePicture", "", QT_TRANSLATE_NOOP("qm::MainWindow", "从文件更换图象|从文件更换图象"), NoKey,
     u"changeimage"},
};

QIcon commandIcon(const char16_t *name)
{
    return QIcon(u":/quillmark/icons/"_s + QString::fromUtf16(name) + u".svg"_s);
}

} // namespace

void MainWindow::createActions()
{
    for (const CommandRow &row : CommandRows) {
        const QKeySequence key = row.shortcut == NoKey ? QKeySequence() : QKeySequence(row.shortcut);
        QAction *a = makeAction(QString::fromUtf16(row.name), tr(row.caption), tr(row.hint), key);
        a->setIcon(commandIcon(row.icon));
    }
    // Caption-less: tool tip and menu text are the short hint.
    for (const CommandRow &row : PaletteRows) {
        const QString hint = tr(row.hint);
        QAction *a = makeAction(QString::fromUtf16(row.name), shortHint(hint), hint);
        a->setIcon(commandIcon(row.icon));
    }
    // The palette binds its buttons by name.
    for (const ToolInfo &tool : allTools()) {
        QAction *a = m_drawActions->action(tool.tool);
        m_actions[a->objectName()] = a;
    }

    connect(action(u"actFileNew"_s), &QAction::triggered, this, &MainWindow::fileNew);
    connect(action(u"actFileOpen"_s), &QAction::triggered, this, &MainWindow::fileOpen);
    connect(action(u"actFileSave"_s), &QAction::triggered, this, [this] { fileSave(); });
    connect(action(u"actFileSaveAs"_s), &QAction::triggered, this, [this] { fileSaveAs(); });
    QAction *a = action(u"actFileExit"_s);
    a->setMenuRole(QAction::QuitRole);
    connect(a, &QAction::triggered, this, &QWidget::close);

    // Qt's own cascade sizes the windows by their size hint, a few dozen pixels.
    connect(action(u"WindowCascade1"_s), &QAction::triggered, this, [this] { cascadeDocumentWindows(*m_mdi); });
    connect(action(u"WindowTileHorizontal1"_s), &QAction::triggered, m_mdi, &WallpaperMdiArea::tileHorizontally);
    connect(action(u"WindowTileVertical1"_s), &QAction::triggered, m_mdi, &WallpaperMdiArea::tileVertically);
    connect(action(u"WindowMinimizeAll1"_s), &QAction::triggered, m_mdi, &WallpaperMdiArea::minimiseAll);
    connect(action(u"WindowArrange1"_s), &QAction::triggered, m_mdi, &WallpaperMdiArea::arrangeMinimised);
    connect(action(u"WindowClose1"_s), &QAction::triggered, m_mdi, &QMdiArea::closeActiveSubWindow);
    connect(action(u"WindowsCloseAll"_s), &QAction::triggered, this, [this] { closeAllDocuments(); });
    for (const QString &name :
         {u"WindowCascade1"_s, u"WindowTileHorizontal1"_s, u"WindowTileVertical1"_s, u"WindowMinimizeAll1"_s,
          u"WindowArrange1"_s, u"WindowClose1"_s, u"WindowsCloseAll"_s, u"actFileSave"_s, u"actFileSaveAs"_s})
        action(name)->setEnabled(false);

    action(u"actPageDoubleBuffered"_s)->setCheckable(true);
    action(u"actHelpAbout"_s)->setMenuRole(QAction::AboutRole);
    connect(action(u"actHelpAbout"_s), &QAction::triggered, this, &MainWindow::showAboutBox);
    connect(action(u"actHelpHelp"_s), &QAction::triggered, this, &MainWindow::showHelp);

    createCommandActions();
}

void MainWindow::createMenus()
{
    auto addAll = [this](QMenu *menu, std::initializer_list<const char16_t *> names) {
        for (const char16_t *name : names) {
            if (!*name)
                menu->addSeparator();
            else
                menu->addAction(action(QString::fromUtf16(name)));
        }
    };

    QMenu *file = menuBar()->addMenu(tr("文件(&F)"));
    addAll(file, {u"actFileNew", u"actFileOpen"});
    m_recentMenu = file->addMenu(tr("最近的文件(&R)"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    addAll(file, {u"WindowClose1", u"", u"actFileSave", u"actFileSaveAs", u"", u"actFilePreView", u"actFilePrint",
                  u"actFileStampPdf", u"", u"actFileExit"});

    QMenu *edit = menuBar()->addMenu(tr("编辑(&E)"));
    addAll(edit,
           {u"actEditUndo", u"actEditRedo", u"", u"actEditCut", u"actEditCopy", u"actEditPaste", u"", u"actEditDel",
            u"actEditClear", u"", u"actEditBringToFront", u"actEditSendToBack", u"actEditChangeImage", u"actEditColor",
            u"actEditSetSameCenter", u"actViewZoomAll", u"", u"actEditSealSaveToImage", u""});
    QMenu *align = edit->addMenu(tr("对齐与分布(&A)"));
    align->setIcon(commandIcon(u"alignleft"));
    addAll(align, {u"actEditAlignLeft", u"actEditAlignRight", u"actEditAlignHCentre", u"", u"actEditAlignTop",
                   u"actEditAlignBottom", u"actEditAlignVCentre", u"", u"actEditSpaceHorizontally",
                   u"actEditSpaceVertically"});

    QMenu *library = menuBar()->addMenu(tr("印章库(&Y)"));
    addAll(library, {u"actLibAdd", u"actEditLibrary"});

    m_viewMenu = menuBar()->addMenu(tr("查看(&V)"));
    addAll(m_viewMenu, {u"actViewOpenDrawTools", u"actViewOpenOrClosefrmProp", u"actViewOpenOrCloseToolBar",
                        u"actViewOpenOrCloseStatusBar", u"actViewOpenOrCloseGrid", u"", u"actViewZoomIn",
                        u"actViewZoomNormal", u"actViewZoomOut"});
    connect(m_viewMenu, &QMenu::aboutToShow, this, &MainWindow::showingViewMenu);

    // Every placing mode and page tool without the palette: drawing elements, seals, tools.
    m_drawMenu = menuBar()->addMenu(tr("绘图(&D)"));
    QMenu *elements = m_drawMenu->addMenu(tr("绘图元素(&E)"));
    QMenu *seals = m_drawMenu->addMenu(tr("印章(&S)"));
    QList<QAction *> pageTools;
    for (const ToolInfo &tool : allTools()) {
        QAction *a = m_drawActions->action(tool.tool);
        switch (tool.family) {
        case ToolFamily::DrawingElement:
            elements->addAction(a);
            break;
        case ToolFamily::OfficialSeal:
        case ToolFamily::NameSeal:
            seals->addAction(a);
            break;
        case ToolFamily::View:
            pageTools.append(a);
            break;
        case ToolFamily::Emblem:
            break; // placed from the emblem library
        }
    }
    m_drawMenu->addSeparator();
    m_drawMenu->addActions(pageTools);

    m_toolsMenu = menuBar()->addMenu(tr("工具(&T)"));
    addAll(m_toolsMenu, {u"actToolsNextFont", u"actLockSeal", u"actLockPage", u"", u"actPageDoubleBuffered"});
    m_toolsMenu->addSeparator();
    createLanguageMenu(m_toolsMenu);
    connect(m_toolsMenu, &QMenu::aboutToShow, this, &MainWindow::showingToolsMenu);

    m_windowMenu = menuBar()->addMenu(tr("窗口(&W)"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::fillWindowMenu);
    addAll(m_windowMenu, {u"WindowCascade1", u"WindowTileHorizontal1", u"WindowTileVertical1", u"", u"WindowArrange1",
                          u"WindowMinimizeAll1", u"WindowsCloseAll"});

    QMenu *help = menuBar()->addMenu(tr("帮助(&H)"));
    addAll(help, {u"actHelpAbout", u"actHelpChangeWallPaper", u"actHelpMailme", u"actGoHomePage", u"actHelpHelp"});

    createPopupMenus();
}

void MainWindow::createPopupMenus()
{
    const std::initializer_list<const char16_t *> lists[3] = {
        {u"actEditCut", u"actEditCopy", u"actEditPaste", u"", u"actEditDel", u"actLockSeal", u"actEditSetSameCenter",
         u"actEditColor", u"", u"actViewZoomAll", u"actEditSealSaveToImage", u"actLibAdd"},
        {u"actEditClear", u"actEditLibrary", u"", u"actFileSave", u"actFilePrint", u"WindowClose1", u"",
         u"actFileExit"},
        {u"actInsertSeal", u"actDeleteLibrarySeal"},
    };
    for (int i = 0; i < 3; ++i) {
        m_popupMenus[i] = new QMenu(this);
        m_popupMenus[i]->setObjectName(u"PopupMenu"_s + QString::number(i + 1));
        for (const char16_t *name : lists[i]) {
            if (!*name)
                m_popupMenus[i]->addSeparator();
            else
                m_popupMenus[i]->addAction(action(QString::fromUtf16(name)));
        }
    }
}

} // namespace qm
