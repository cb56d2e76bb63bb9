// The command set of the main window: every action against its table, the menus, the placing
// and tool modes, zoom limits, the editing commands and what each leaves in the document, the
// seal toggles, fonts, colour, pictures, view toggles, double buffering, the help commands and
// the keys that belong to text boxes.

#include "mainwindowtesting.h"

#include "controls/hints.h"
#include "document/documentfile.h"
#include "document/documenttesting.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/wallpapermdiarea.h"
#include "page/pagepanel.h"
#include "properties/propertywindow.h"
#include "seal/gbk.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// Appends a seal of the kind, its width and centre in mm, as one edit; it becomes the selection.
Seal *addKind(DocumentWindow &child, SealType type, float cx = 50, float cy = 50, float width = 42)
{
    SealDocument &doc = child.document();
    auto seal = doc.createSeal();
    seal->setSealType(type);
    seal->setRealWidth(width);
    seal->setRealCenterX(cx);
    seal->setRealCenterY(cy);
    seal->placeAtScale(doc.screenPixelsPerMm(), doc.page().zoom());
    return doc.appendCreatedSeal(std::move(seal));
}

// The menu's entries: object names, "-" for a separator, a submenu by its title.
QStringList entries(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out.append(a->isSeparator() ? u"-"_s : a->menu() ? a->menu()->title() : a->objectName());
    return out;
}

QString bitmapFile(const QString &fileName)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image.save(fileName, "BMP") ? fileName : QString();
}

QString junkFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("this is no picture at all");
    return fileName;
}

} // namespace

class TestMainWindowCommands : public QObject
{
    Q_OBJECT

private slots:
    // Every command as its list gives it. The caption-less ones are listed in menus by their
    // short hint.
    void actionTable_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("grouped");
        // What the command needs before it can act: nothing, an open document, or more than an
        // empty new document at 100 % and an empty clipboard offer.
        QTest::addColumn<int>("needs");
        enum { Nothing, Document, More };

        auto row = [](const char *name, const QString &caption, const QString &hint, const QString &key = QString(),
                      int needs = Nothing) { QTest::newRow(name) << caption << hint << key << 0 << false << needs; };
        row("actFileNew", u"新建(&N)"_s, u"新建印章文件|新建印章文件"_s, u"Ctrl+N"_s);
        row("actFileOpen", u"打开…(&O)"_s, u"打开印章文件|打开印章文件"_s, u"Ctrl+O"_s);
        // Nothing to save without a document.
        row("actFileSave", u"保存(&S)"_s, u"保存文件|保存文件"_s, u"Ctrl+S"_s, Document);
        row("actFileSaveAs", u"另存为…"_s, u"文件另存|文件另存"_s, QString(), Document);
        row("actFilePreView", u"预览(&V)"_s, u"打印预览|打印预览"_s, QString(), Document);
        row("actFilePrint", u"打印(&P)"_s, u"打印|打印"_s, u"Ctrl+P"_s, Document);
        row("actFileExit", u"退出(&Q)"_s, u"退出|退出"_s, u"Ctrl+Q"_s);
        row("actEditCopy", u"复制(&C)"_s, u"复制到剪贴板|复制到剪贴板"_s, u"Ctrl+C"_s, More);
        row("actEditCut", u"剪切(&X)"_s, u"剪切|剪切"_s, u"Ctrl+X"_s, More);
        row("actEditPaste", u"粘贴(&V)"_s, u"从剪贴板粘贴|从剪贴板粘贴"_s, u"Ctrl+V"_s, More);
        row("actEditDel", u"删除"_s, u"删除|删除"_s, u"Del"_s, More);
        row("actEditClear", u"清除(&R)"_s, u"清除|清除"_s, u"Ctrl+Del"_s, More);
        row("actEditBringToFront", u"送到顶层(&B)"_s, u"把元素送到顶层|把元素送到顶层"_s, QString(), More);
        row("actEditSendToBack", u"送到底层(&S)"_s, u"把元素送到底层|把元素送到底层"_s, QString(), More);
        row("actViewOpenDrawTools", u"隐藏绘图工具(&D)"_s, QString());
        row("actViewOpenOrClosefrmProp", u"隐藏属性窗口(&P)"_s, QString());
        row("actViewOpenOrCloseToolBar", u"隐藏工具栏(&T)"_s, QString());
        row("actViewOpenOrCloseStatusBar", u"隐藏状态栏(&S)"_s, u"隐藏状态栏|隐藏状态栏"_s);
        row("actViewOpenOrCloseGrid", u"隐藏网格(&G)"_s, u"隐藏网格|隐藏网格"_s, QString(), Document);
        row("actViewZoomIn", u"放大显示(&I)"_s, u"放大|放大"_s, u"PgUp"_s, Document);
        row("actViewZoomNormal", u"正常显示(&N)"_s, u"正常显示|正常显示"_s, u"End"_s, More);
        row("actViewZoomOut", u"缩小显示(&U)"_s, u"缩小|缩小"_s, u"PgDown"_s, Document);
        row("WindowCascade1", u"叠放窗口(&C)"_s, u"叠放窗口|叠放窗口"_s, QString(), Document);
        row("WindowTileHorizontal1", u"平排窗口(&H)"_s, u"水平排列窗口|水平排列窗口"_s, QString(), Document);
        row("WindowTileVertical1", u"竖排窗口(&T)"_s, u"纵向排列窗口|纵向排列窗口"_s, QString(), Document);
        row("WindowMinimizeAll1", u"最小化(&M)"_s, u"最小化所有窗口|最小化所有窗口"_s, QString(), Document);
        row("WindowArrange1", u"重排窗口(&A)"_s, u"重新排列窗口|重新排列窗口"_s, QString(), Document);
        row("WindowClose1", u"关闭(&Z)"_s, u"关闭|关闭"_s, QString(), Document);
        row("WindowsCloseAll", u"全部关闭(&S)"_s, u"关闭所有窗口|关闭所有窗口"_s, QString(), Document);
        row("actToolsNextFont", u"下一个字体"_s, u"下一个字体|下一个字体"_s);
        row("actLockSeal", u"锁定印章位置(&L)"_s, u"锁定印章|锁定印章"_s, QString(), More);
        row("actLockPage", u"锁定页面(&P)"_s, u"锁定页面|锁定页面"_s, QString(), Document);
        row("actHelpAbout", u"关于…(&A)"_s, u"关于本软件|关于本软件"_s);
        row("actHelpChangeWallPaper", u"更换壁纸(&W)"_s, u"更换壁纸|更换壁纸"_s);
        row("actHelpMailme", u"致信作者(&M)"_s, u"致信作者|致信作者"_s);
        row("actHelpHelp", u"使用帮助(&H)"_s, u"使用帮助|帮助使用"_s);
        row("actGoHomePage", u"登陆作者的主页"_s, u"去作者的主页看看|去作者的主页看看"_s);
        row("actLibAdd", u"加入印章库"_s, u"存入印章库|存入印章库"_s, QString(), More);
        // The library can be edited with no document open.
        row("actEditLibrary", u"编辑印章库"_s, u"编辑修改印章库|编辑修改印章库"_s);
        row("actEditChangeImage", u"改变图符(&P)"_s, u"改变印章图符|改变印章图符"_s, QString(), More);
        row("actEditSetSameCenter", u"对准中心(&T)"_s, QString(), QString(), More);
        row("actEditSealSaveToImage", u"导出为图象…"_s, u"印章导出为图象|印章导出为图象"_s, QString(), More);
        row("actViewZoomAll", u"细节查看…"_s, QString(), QString(), More);
        row("actInsertSeal", u"插入模板印章"_s, QString(), QString(), More);
        row("actDeleteLibrarySeal", u"删除模板印章"_s, QString(), QString(), More);
        row("actPageDoubleBuffered", u"页面使用双缓冲"_s, QString());
        row("actPageZoom", QString(), u"正常页面视图|正常页面视图"_s, QString(), More);
        row("actBringToFront", QString(), u"浮起到表层|浮起到表层"_s, QString(), More);
        row("actSendToBack", QString(), u"压入到底层|压入到底层"_s, QString(), More);
        row("actSameCenter", QString(), u"对准中心|对准中心"_s, QString(), More);
        row("actChangePicture", QString(), u"从文件更换图象|从文件更换图象"_s, QString(), More);
        row("actEditUndo", u"撤销(&Z)"_s, u"撤销|撤销上一步编辑"_s, u"Ctrl+Z"_s, More);
        row("actEditRedo", u"重做(&Y)"_s, u"重做|重做撤销的编辑"_s, u"Ctrl+Y"_s, More);
        row("actEditColor", u"颜色(&O)…"_s, u"颜色|设置所选印章的颜色"_s, QString(), More);

        auto mode = [](const char *name, int tag, const QString &caption, const QString &hint) {
            QTest::newRow(name) << caption << hint << QString() << tag << true << int(Document);
        };
        mode("actDrawHorzLine", 1, QString(), u"水平线|水平线"_s);
        mode("actDrawVertLine", 2, QString(), u"竖直线|竖直线"_s);
        mode("actDrawAnyLine", 3, QString(), u"任意直线|任意直线"_s);
        mode("actDrawArc", 4, QString(), u"弧线或扇形|弧线或扇形"_s);
        mode("actDrawEllipseFrame", 5, QString(), u"圆或椭圆|圆或椭圆"_s);
        mode("actDrawRect", 6, QString(), u"矩形|矩形"_s);
        mode("actDrawRoundRect", 7, QString(), u"圆角矩形|圆角矩形"_s);
        mode("actDrawDiamond", 8, QString(), u"切角矩形"_s);
        mode("actDrawTriangle", 9, QString(), u"三角形|三角形"_s);
        mode("actDrawRhombFrame", 10, QString(), u"菱形|菱形"_s);
        mode("actDrawHorzText", 11, QString(), u"水平文字|水平文字"_s);
        mode("actDrawEllipseText", 12, QString(), u"环排文字|环排文字"_s);
        mode("actDrawAnyText", 13, QString(), u"任意角度文字|任意角度文字"_s);
        mode("actDrawFiveStar", 14, QString(), u"矢量五星|矢量五星"_s);
        mode("actDrawCell", 15, QString(), u"表格|表格"_s);
        mode("actDrawImage", 16, QString(), u"从文件装载图象|从文件装载图象"_s);
        mode("actDrawGZh", 17, u"圆公章(&A)"_s, u"圆公章|圆公章"_s);
        mode("actDrawYCW", 18, u"圆财务专用章"_s, u"圆财务专用章|圆财务专用章"_s);
        mode("actDrawYZLA", 19, u"圆转轮印章(一)"_s, u"圆转轮印章(1)|圆转轮印章(1)"_s);
        mode("actDrawYZLB", 20, u"圆转轮印章(二)"_s, u"圆转轮印章(2)|圆转轮印章(2)"_s);
        mode("actDrawEllipse", 21, u"椭圆印章"_s, u"椭圆印章|椭圆印章"_s);
        mode("actDrawFPZYZ", 22, u"发票专用章"_s, u"发票专用章|发票专用章"_s);
        mode("actDrawTYZLA", 23, u"椭圆转轮(一)"_s, u"椭圆转轮印章(1)|椭圆转轮印章(1)"_s);
        mode("actDrawTYZLB", 24, u"椭圆转轮(二)"_s, u"椭圆转轮印章(2)|椭圆转轮印章(2)"_s);
        mode("actDrawFCW", 25, u"方财务专用章"_s, u"方财务专用章|方财务专用章"_s);
        mode("actDrawZZS", 26, u"增值税条章"_s, u"增值税章|增值税章"_s);
        mode("actDrawFZLA", 27, u"方转轮印(一)"_s, u"方转轮印章(1)|方转轮印章(1)"_s);
        mode("actDrawFZLB", 28, u"方转轮印(二)"_s, u"方转轮印章(2)|方转轮印章(2)"_s);
        mode("actDrawRhomb", 29, u"菱形印章"_s, u"菱形印章|菱形印章"_s);
        mode("actDrawSJ", 30, u"三角印章"_s, u"三角印章|三角印章"_s);
        mode("actDraw22MZ", 31, u"四字名章"_s, u"四字方章|四字方章"_s);
        mode("actDraw3ZFZ", 32, u"左一右二方章"_s, u"左一右二方章|左一右二方章"_s);
        mode("actDraw3ZFZA", 33, u"左二右一方章"_s, u"左二右一方章|左二右一方章"_s);
        mode("actDraw2ZFZ", 34, u"横排两字方章"_s, u"横排两字方章|横排两字方章"_s);
        mode("actDraw3ZFZB", 35, u"上一下二方章"_s, u"上一下二方章|上一下二方章"_s);
        mode("actDraw3ZFZC", 36, u"上二下一方章"_s, u"上二下一方章|上二下一方章"_s);
        mode("actDraw2ZFZA", 37, u"竖排两字方章"_s, u"竖排两字方章|竖排两字方章"_s);
        mode("actDraw3ZBMZ", 38, u"三字扁名章"_s, u"三字扁章|三字扁章"_s);
        mode("actDraw2ZBMZ", 39, u"两字扁名章"_s, u"两字扁章|两字扁章"_s);
        mode("actDraw4ZBMZ", 40, u"四字扁名章"_s, u"四字扁章|四字扁章"_s);
        mode("actDrawAPicture", 41, QString(), QString());
        mode("actScrollPage", 42, QString(), u"抓移浏览|抓移浏览"_s);
        mode("actPageZoomIn", 43, QString(), u"连续放大|连续放大"_s);
        mode("actPageZoomOut", 44, QString(), u"连续缩小|连续缩小"_s);
    }
    void actionTable()
    {
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, shortcut);
        QFETCH(int, tag);
        QFETCH(bool, grouped);
        QFETCH(int, needs);
        Start s;
        MainWindow &w = s.show();
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        QAction *a = w.action(name);
        QVERIFY(a);
        QCOMPARE(a->objectName(), name);
        const QString tip = hint.section(u'|', 0, 0);
        const QString status = hint.contains(u'|') ? hint.section(u'|', 1) : hint;
        QCOMPARE(a->text(), caption.isEmpty() ? tip : caption);
        if (!hint.isEmpty())
            QCOMPARE(a->toolTip(), tip);
        QCOMPARE(a->statusTip(), status);
        QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcut);
        QCOMPARE(a->data().toInt(), tag);
        QCOMPARE(a->actionGroup() == w.drawActions().group(), grouped);
        QCOMPARE(a->isCheckable(), grouped || name == u"actPageDoubleBuffered"_s);
        if (grouped)
            QCOMPARE(w.drawActions().action(Tool(tag)), a);
        QCOMPARE(a->isEnabled(), needs == 0);
        w.fileNew();
        QCOMPARE(a->isEnabled(), needs <= 1);
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        QCOMPARE(a->isEnabled(), needs == 0);
    }

    // The placing group is exclusive yet may have nothing checked.
    void groupMayBeEmpty()
    {
        Start s;
        MainWindow &w = s.create();
        QCOMPARE(w.drawActions().group()->exclusionPolicy(), QActionGroup::ExclusionPolicy::ExclusiveOptional);
        QCOMPARE(w.drawActions().group()->actions().size(), 44);
        QCOMPARE(w.checkedToolAction(), nullptr);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("file") << u"文件(&F)"_s
                              << QStringList{u"actFileNew"_s,
                                             u"actFileOpen"_s,
                                             u"最近的文件(&R)"_s,
                                             u"WindowClose1"_s,
                                             u"-"_s,
                                             u"actFileSave"_s,
                                             u"actFileSaveAs"_s,
                                             u"-"_s,
                                             u"actFilePreView"_s,
                                             u"actFilePrint"_s,
                                             u"actFileStampPdf"_s,
                                             u"-"_s,
                                             u"actFileExit"_s};
        QTest::newRow("edit") << u"编辑(&E)"_s
                              << QStringList{u"actEditUndo"_s,
                                             u"actEditRedo"_s,
                                             u"-"_s,
                                             u"actEditCut"_s,
                                             u"actEditCopy"_s,
                                             u"actEditPaste"_s,
                                             u"-"_s,
                                             u"actEditDel"_s,
                                             u"actEditClear"_s,
                                             u"-"_s,
                                             u"actEditBringToFront"_s,
                                             u"actEditSendToBack"_s,
                                             u"actEditChangeImage"_s,
                                             u"actEditColor"_s,
                                             u"actEditSetSameCenter"_s,
                                             u"actViewZoomAll"_s,
                                             u"-"_s,
                                             u"actEditSealSaveToImage"_s,
                                             u"-"_s,
                                             u"对齐与分布(&A)"_s};
        QTest::newRow("library") << u"印章库(&Y)"_s << QStringList{u"actLibAdd"_s, u"actEditLibrary"_s};
        QTest::newRow("view") << u"查看(&V)"_s
                              << QStringList{u"actViewOpenDrawTools"_s,
                                             u"actViewOpenOrClosefrmProp"_s,
                                             u"actViewOpenOrCloseToolBar"_s,
                                             u"actViewOpenOrCloseStatusBar"_s,
                                             u"actViewOpenOrCloseGrid"_s,
                                             u"-"_s,
                                             u"actViewZoomIn"_s,
                                             u"actViewZoomNormal"_s,
                                             u"actViewZoomOut"_s};
        QTest::newRow("draw") << u"绘图(&D)"_s
                              << QStringList{u"绘图元素(&E)"_s,  u"印章(&S)"_s,      u"-"_s,
                                             u"actScrollPage"_s, u"actPageZoomIn"_s, u"actPageZoomOut"_s};
        QTest::newRow("tools") << u"工具(&T)"_s << QStringList{u"actToolsNextFont"_s,
                                                               u"actLockSeal"_s,
                                                               u"actLockPage"_s,
                                                               u"-"_s,
                                                               u"actPageDoubleBuffered"_s,
                                                               u"-"_s,
                                                               u"界面语言(&L) / Language"_s};
        QTest::newRow("window") << u"窗口(&W)"_s << QStringList{u"WindowCascade1"_s,      u"WindowTileHorizontal1"_s,
                                                                u"WindowTileVertical1"_s, u"-"_s,
                                                                u"WindowArrange1"_s,      u"WindowMinimizeAll1"_s,
                                                                u"WindowsCloseAll"_s};
        QTest::newRow("help") << u"帮助(&H)"_s
                              << QStringList{u"actHelpAbout"_s, u"actHelpChangeWallPaper"_s, u"actHelpMailme"_s,
                                             u"actGoHomePage"_s, u"actHelpHelp"_s};
    }
    void menus()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        Start s;
        MainWindow &w = s.create();
        const QMenu *menu = nullptr;
        for (const QAction *a : w.menuBar()->actions())
            if (a->menu() && a->menu()->title() == title)
                menu = a->menu();
        QVERIFY(menu);
        QCOMPARE(entries(menu), items);
    }

    void popupMenus()
    {
        Start s;
        MainWindow &w = s.create();
        QCOMPARE(entries(w.sealMenu()),
                 (QStringList{u"actEditCut"_s, u"actEditCopy"_s, u"actEditPaste"_s, u"-"_s, u"actEditDel"_s,
                              u"actLockSeal"_s, u"actEditSetSameCenter"_s, u"actEditColor"_s, u"-"_s,
                              u"actViewZoomAll"_s, u"actEditSealSaveToImage"_s, u"actLibAdd"_s}));
        QCOMPARE(entries(w.pageMenu()), (QStringList{u"actEditClear"_s, u"actEditLibrary"_s, u"-"_s, u"actFileSave"_s,
                                                     u"actFilePrint"_s, u"WindowClose1"_s, u"-"_s, u"actFileExit"_s}));
        QCOMPARE(entries(w.libraryMenu()), (QStringList{u"actInsertSeal"_s, u"actDeleteLibrarySeal"_s}));
        QCOMPARE(w.sealPopupMenu(), w.sealMenu());
        QCOMPARE(w.pagePopupMenu(), w.pageMenu());
    }

    // A right click opens the seal menu on a seal and the page menu on the page; the menu key
    // does the same for the selection or, without one, for the page. The seal menu's lock
    // command names what it will do.
    void popupMenusOpen()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *seal = addKind(*child, SealType::stEllipse, 40, 40);
        child->clearSelection();
        PagePanel *panel = child->pagePanel();
        // The menu that opened, closed again.
        auto shown = [] {
            QWidget *popup = QApplication::activePopupWidget();
            if (popup)
                popup->close();
            return popup;
        };
        auto rightClick = [panel, shown](QPoint at) {
            QTest::mousePress(panel, Qt::RightButton, Qt::NoModifier, at);
            // The platform asks for the menu on the press where the test driver does not.
            if (!QApplication::activePopupWidget()) {
                QContextMenuEvent menu(QContextMenuEvent::Mouse, at, panel->mapToGlobal(at));
                QCoreApplication::sendEvent(panel, &menu);
            }
            QWidget *popup = shown();
            QTest::mouseRelease(panel, Qt::RightButton, Qt::NoModifier, at);
            return popup;
        };
        auto menuKey = [child, shown] {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5), child->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(child, &menu);
            return shown();
        };

        const QPoint centre = QRect(seal->left(), seal->top(), seal->width(), seal->height()).center();
        QCOMPARE(rightClick(centre), w.sealMenu());
        QCOMPARE(child->currentSeal(), seal);
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"锁定印章位置(&L)"_s);
        QCOMPARE(rightClick(centre + QPoint(0, 3 * seal->height())), w.pageMenu());

        child->document().selectSeal(seal);
        child->toggleSealLock();
        QCOMPARE(menuKey(), w.sealMenu());
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"解锁印章(&U)"_s);
        child->clearSelection();
        QCOMPARE(menuKey(), w.pageMenu());
    }

    // The tool bar: the file and edit buttons, the zoom list, next font, the font, seal and
    // side-panel groups; each button is named by its caption without the accelerator mark.
    void toolBar()
    {
        Start s;
        MainWindow &w = s.create();
        QToolBar *bar = w.toolBar();
        QStringList items;
        for (QAction *a : bar->actions())
            items.append(a->isSeparator()            ? u"-"_s
                         : a->objectName().isEmpty() ? bar->widgetForAction(a)->accessibleName()
                                                     : a->objectName());
        QCOMPARE(items, (QStringList{u"actFileNew"_s,
                                     u"actFileOpen"_s,
                                     u"actFileSave"_s,
                                     u"actFilePreView"_s,
                                     u"actFilePrint"_s,
                                     u"-"_s,
                                     u"actEditCut"_s,
                                     u"actEditCopy"_s,
                                     u"actEditPaste"_s,
                                     u"actEditDel"_s,
                                     u"-"_s,
                                     u"actEditUndo"_s,
                                     u"actEditRedo"_s,
                                     u"-"_s,
                                     u"actViewZoomNormal"_s,
                                     u"显示比例"_s,
                                     u"-"_s,
                                     u"actToolsNextFont"_s,
                                     u"字体"_s,
                                     u"-"_s,
                                     u"印章选项"_s,
                                     u"侧栏"_s}));
        QCOMPARE(bar->widgetForAction(w.action(u"actFileNew"_s))->accessibleName(), u"新建(N)"_s);
        QCOMPARE(bar->widgetForAction(w.action(u"actFilePreView"_s))->accessibleName(), u"预览(V)"_s);
        QCOMPARE(bar->widgetForAction(w.action(u"actEditDel"_s))->accessibleName(), u"删除"_s);
    }

    // The whole program works without the palette: every placing mode and tool is in the
    // drawing menu, named.
    void drawMenuReachesEveryMode()
    {
        Start s;
        MainWindow &w = s.create();
        QList<QAction *> reached;
        for (QAction *a : w.drawMenu()->actions()) {
            if (a->menu())
                reached += a->menu()->actions();
            else if (!a->isSeparator())
                reached.append(a);
        }
        for (const ToolInfo &tool : allTools()) {
            if (tool.tool == Tool::EmblemPicture)
                continue; // places the emblem chosen in the emblem column
            QAction *a = w.drawActions().action(tool.tool);
            QVERIFY2(reached.contains(a), qPrintable(a->objectName()));
            QVERIFY(!a->text().isEmpty());
        }
        QCOMPARE(reached.size(), 43);
    }

    // Menus use the captions' own access keys.
    void manualAccelerators()
    {
        Start s;
        MainWindow &w = s.create();
        QStringList titles;
        for (const QAction *a : w.menuBar()->actions())
            titles.append(a->text());
        QCOMPARE(titles, (QStringList{u"文件(&F)"_s, u"编辑(&E)"_s, u"印章库(&Y)"_s, u"查看(&V)"_s, u"绘图(&D)"_s,
                                      u"工具(&T)"_s, u"窗口(&W)"_s, u"帮助(&H)"_s}));
    }

    // Checking one mode unchecks the other; choosing the checked mode again unchecks it and
    // gives the page its arrow back. Each mode has its cursor.
    void modesAndCursors()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        PagePanel *page = w.activeDocument()->pagePanel();
        const QImage hand = w.cursorSlot(2).pixmap().toImage();
        QAction *roundSeal = w.action(u"actDrawGZh"_s);
        QAction *line = w.action(u"actDrawHorzLine"_s);
        roundSeal->trigger();
        line->trigger();
        QVERIFY(line->isChecked());
        QVERIFY(!roundSeal->isChecked());
        QCOMPARE(page->cursor().pixmap().toImage(), w.cursorSlot(6).pixmap().toImage());
        line->trigger();
        QCOMPARE(w.checkedToolAction(), nullptr);
        QCOMPARE(page->cursor().shape(), Qt::ArrowCursor);

        const struct {
            Tool tool;
            int slot;
        } tools[] = {{Tool::Hand, 2}, {Tool::ZoomIn, 4}, {Tool::ZoomOut, 5}};
        for (const auto &tool : tools) {
            w.drawActions().action(tool.tool)->trigger();
            // The whole group is scanned, the page tools included.
            QCOMPARE(w.checkedToolAction(), w.drawActions().action(tool.tool));
            QCOMPARE(w.checkedDrawAction(), tool.tool);
            QCOMPARE(page->cursor().pixmap().toImage(), w.cursorSlot(tool.slot).pixmap().toImage());
        }
        QVERIFY(hand != w.cursorSlot(6).pixmap().toImage());
        // Without a document a mode does not stay chosen.
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        w.drawActions().uncheck();
        w.action(u"actScrollPage"_s)->trigger();
        QCOMPARE(w.checkedToolAction(), nullptr);
    }

    void zoomLimits_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("steps");
        QTest::newRow("595 in: 605, then stays") << 595 << u"actViewZoomIn"_s << QList<int>{605, 605};
        QTest::newRow("590 in: 600, then stays") << 590 << u"actViewZoomIn"_s << QList<int>{600, 600};
        QTest::newRow("35 out: 25, then stays") << 35 << u"actViewZoomOut"_s << QList<int>{25, 25};
        QTest::newRow("30 out: 20, then stays") << 30 << u"actViewZoomOut"_s << QList<int>{20, 20};
        QTest::newRow("normal") << 250 << u"actViewZoomNormal"_s << QList<int>{100, 100};
        QTest::newRow("palette normal") << 40 << u"actPageZoom"_s << QList<int>{100};
    }
    void zoomLimits()
    {
        QFETCH(int, start);
        QFETCH(QString, command);
        QFETCH(QList<int>, steps);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        w.applyZoomText(QString::number(start) + u'%');
        QCOMPARE(child->document().page().zoom(), start);
        for (int expected : steps) {
            w.action(command)->trigger();
            QCOMPARE(child->document().page().zoom(), expected);
            if (expected != start)
                QCOMPARE(w.zoomBox()->currentText(), QString::number(expected) + u'%');
        }
        QVERIFY(!child->isModified()); // zoom is a view, no edit
    }

    // Clearing a modified document leaves it unmodified with no seals counted.
    void clearCountsUnmodified()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child, 40);
        addSeal(*child, 90);
        QVERIFY(child->isModified());
        QCOMPARE(w.statusText(3), u"已画图形：2"_s);
        w.action(u"actEditClear"_s)->trigger();
        QVERIFY(!child->isModified());
        QCOMPARE(child->sealList().size(), size_t(0));
        QCOMPARE(w.statusText(2), u"文件状态：未修改"_s);
        QCOMPARE(w.statusText(3), u"已画图形：0"_s);
    }

    void copyCutPasteDelete()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addSeal(*child, 40);
        child->document().clearHistory();
        w.action(u"actEditPaste"_s)->trigger(); // empty clipboard: nothing
        QCOMPARE(child->sealList().size(), size_t(1));
        w.action(u"actEditCopy"_s)->trigger();
        QVERIFY(!child->isModified());
        w.action(u"actEditPaste"_s)->trigger();
        QCOMPARE(child->sealList().size(), size_t(2));
        QVERIFY(child->isModified());
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
        QCOMPARE(w.statusText(3), u"已画图形：2"_s);
        w.action(u"actEditCut"_s)->trigger();
        QCOMPARE(w.statusText(3), u"已画图形：1"_s);
        w.action(u"actEditDel"_s)->trigger(); // nothing selected after the cut
        QCOMPARE(child->sealList().size(), size_t(1));
        child->document().selectSeal(child->sealList().front().get());
        w.action(u"actEditDel"_s)->trigger();
        QCOMPARE(w.statusText(3), u"已画图形：0"_s);
    }

    // Stacking changes the order the document is saved in.
    void stackingIsSaveOrder_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<float>>("order");
        QTest::newRow("menu front") << u"actEditBringToFront"_s << 0 << QList<float>{60, 90, 30};
        QTest::newRow("palette front") << u"actBringToFront"_s << 1 << QList<float>{30, 90, 60};
        QTest::newRow("menu back") << u"actEditSendToBack"_s << 2 << QList<float>{90, 30, 60};
        QTest::newRow("palette back") << u"actSendToBack"_s << 1 << QList<float>{60, 30, 90};
    }
    void stackingIsSaveOrder()
    {
        QFETCH(QString, command);
        QFETCH(int, selected);
        QFETCH(QList<float>, order);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        for (float x : {30.f, 60.f, 90.f})
            addSeal(*child, x);
        child->document().clearHistory();
        child->document().selectSeal(child->sealList()[size_t(selected)].get());
        w.action(command)->trigger();
        QVERIFY(child->isModified());
        QCOMPARE(child->document().undoStack().count(), 1);
        const QString file = s.path(u"stack.dyz"_s);
        NoProgress progress;
        QVERIFY(child->document().save(file, progress).ok());
        SealDocument read;
        QVERIFY(openDocument(file, read, progress).ok());
        QList<float> got;
        for (const auto &seal : read.seals())
            got.append(seal->RealCenterX());
        QCOMPARE(got, order);
    }

    // Centring two seals makes their centres equal, in one undoable step.
    void centring_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << u"actEditSetSameCenter"_s;
        QTest::newRow("palette") << u"actSameCenter"_s;
    }
    void centring()
    {
        QFETCH(QString, command);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *a = addKind(*child, SealType::stEllipse, 40, 50);
        Seal *b = addKind(*child, SealType::stRect, 100, 80);
        child->document().clearHistory();
        w.action(command)->trigger(); // one seal: no frame, nothing
        QCOMPARE(child->document().undoStack().count(), 0);
        child->document().setSelection({a, b});
        QVERIFY(child->selectionFrame());
        w.action(command)->trigger();
        QCOMPARE(a->RealCenterX(), b->RealCenterX());
        QCOMPARE(a->RealCenterY(), b->RealCenterY());
        QVERIFY(a->RealCenterX() != 40.f);
        QCOMPARE(child->document().undoStack().count(), 1);
        child->document().undoStack().undo();
        QCOMPARE(child->sealList()[0]->RealCenterX(), 40.f);
        QCOMPARE(child->sealList()[1]->RealCenterX(), 100.f);
    }

    // 五星 on a seal without an emblem turns the emblem on; 有图符 off turns the star off.
    void starAndEmblem()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *seal = addKind(*child, SealType::stEllipse);
        seal->setHaveImage(false);
        child->document().clearHistory();
        w.updateSealToggles(seal);
        QVERIFY(!w.starBox()->isChecked());
        QVERIFY(!w.emblemBox()->isChecked());
        w.starBox()->click();
        seal = child->currentSeal();
        QVERIFY(seal->ImageIsStar());
        QVERIFY(seal->HaveImage());
        QVERIFY(w.emblemBox()->isChecked());
        QVERIFY(child->isModified());
        QCOMPARE(child->document().undoStack().count(), 1);
        w.emblemBox()->click();
        seal = child->currentSeal();
        QVERIFY(!seal->HaveImage());
        QVERIFY(!seal->ImageIsStar());
        QVERIFY(!w.starBox()->isChecked());
        QCOMPARE(child->document().undoStack().count(), 2);
    }

    void polarity_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("applies");
        QTest::newRow("round seal") << int(SealType::stEllipse) << true;
        QTest::newRow("name seal") << int(SealType::stName22) << true;
        QTest::newRow("star, 空心") << int(SealType::stFiveStar) << true;
        QTest::newRow("cell") << int(SealType::stCell) << false;
        QTest::newRow("horizontal text") << int(SealType::stHorzText) << false;
        QTest::newRow("ring text") << int(SealType::stEllipseText) << false;
        QTest::newRow("line") << int(SealType::stHorzLine) << false;
    }
    void polarity()
    {
        QFETCH(int, type);
        QFETCH(bool, applies);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addKind(*child, SealType(type));
        child->document().clearHistory();
        const QByteArray before = testing::savedDocument(child->document());
        w.updateSealToggles(child->currentSeal());
        QVERIFY(w.raisedTextBox()->isChecked()); // a new element is positive
        w.raisedTextBox()->click();
        QCOMPARE(child->currentSeal()->BrushStyle(), applies ? BrushStyle::bsSolid : BrushStyle::bsClear);
        QCOMPARE(child->isModified(), applies);
        QCOMPARE(w.raisedTextBox()->isChecked(), !applies); // a box that does not apply springs back
        if (!applies)
            QCOMPARE(testing::savedDocument(child->document()), before);
    }

    // Selecting a seal shows its options and edits nothing; refilling the font list copies no
    // face into it.
    void showingWritesNothing()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *seal = addKind(*child, SealType::stFiveStar, 60, 60);
        seal->setBrushStyle(BrushStyle::bsSolid);
        addKind(*child, SealType::stEllipse, 130, 60);
        child->document().clearHistory();
        const QByteArray before = testing::savedDocument(child->document());
        QVERIFY(!child->isModified());
        const QRect box(seal->left(), seal->top(), seal->width(), seal->height());
        QTest::mouseClick(child->pagePanel(), Qt::LeftButton, Qt::NoModifier, box.center());
        QCOMPARE(child->currentSeal(), seal);
        QCOMPARE(w.raisedTextBox()->text(), u"空心"_s);
        QVERIFY(!w.raisedTextBox()->isChecked());
        w.chineseOnlyBox()->click(); // all fonts
        w.chineseOnlyBox()->click(); // Chinese only again
        child->onDeactivated();
        child->onActivated(); // shows the zoom again
        QVERIFY(!child->isModified());
        QCOMPARE(child->document().undoStack().count(), 0);
        QCOMPARE(testing::savedDocument(child->document()), before);
        QCOMPARE(w.chineseOnlyBox()->statusTip(), u"显示所有字体"_s);
    }

    // Set colour asks only with a selection, colours every selected seal and the swatch, and
    // undoes as one step back to the saved bytes.
    void setColour()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *a = addKind(*child, SealType::stEllipse, 40, 50);
        Seal *b = addKind(*child, SealType::stRect, 110, 50);
        child->document().clearHistory();
        child->document().clearSelection();
        const QByteArray before = testing::savedDocument(child->document());
        w.setSelectionColour();
        QCOMPARE(s.dialogs.colourRequests, 0); // nothing selected
        child->document().setSelection({a, b});
        w.setSelectionColour(); // cancelled
        QCOMPARE(s.dialogs.colourRequests, 1);
        QVERIFY(!child->isModified());
        s.dialogs.colours.push_back(QColor(0x10, 0x20, 0x30));
        w.setSelectionColour();
        const Colour expected = 0x302010; // 0x00BBGGRR
        QCOMPARE(child->sealList()[0]->PenColor(), expected);
        QCOMPARE(child->sealList()[1]->PenColor(), expected);
        QCOMPARE(w.swatchColor(), expected);
        QVERIFY(child->isModified());
        QCOMPARE(child->document().undoStack().count(), 1);
        child->document().undoStack().undo();
        QCOMPARE(testing::savedDocument(child->document()), before);

        // The edit menu's command asks the same dialog and is one more undo step.
        s.dialogs.colours.push_back(QColor(0x40, 0x50, 0x60));
        w.action(u"actEditColor"_s)->trigger();
        QCOMPARE(s.dialogs.colourRequests, 3);
        QCOMPARE(child->sealList()[1]->PenColor(), Colour(0x605040));
        QCOMPARE(w.action(u"actEditUndo"_s)->text(), u"撤销 设置颜色(&Z)"_s);
        w.action(u"actEditUndo"_s)->trigger();
        QCOMPARE(testing::savedDocument(child->document()), before);
        child->document().clearSelection();
        QVERIFY(!w.action(u"actEditColor"_s)->isEnabled());
    }

    // The chosen face goes into all five font slots as one undo step that marks the document.
    void applyAndNextFont()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addKind(*child, SealType::stEllipse);
        child->document().clearHistory();
        const QByteArray before = testing::savedDocument(child->document());
        QComboBox *fonts = w.fontBox();
        const int hei = fonts->findText(u"黑体"_s);
        QVERIFY(hei >= 0);
        fonts->setCurrentIndex(hei);
        QVERIFY(!child->isModified()); // a choice in code is no user's choice
        w.applyFont();
        const QByteArray heiGbk = Gbk::fromUnicode(u"黑体"_s);
        Seal *seal = child->currentSeal();
        for (const FontSlot *slot :
             {&seal->FontName(), &seal->FontName1(), &seal->FontName2(), &seal->FontName3(), &seal->CodeFontName()})
            QCOMPARE(fontSlotName(*slot), heiGbk);
        QVERIFY(child->isModified());
        QCOMPARE(w.statusText(2), u"文件状态：已修改"_s);
        QCOMPARE(child->document().undoStack().count(), 1);
        child->document().undoStack().undo();
        QCOMPARE(testing::savedDocument(child->document()), before);

        // Next font: the following item, the first after the last, applied.
        child->document().selectSeal(child->sealList().front().get());
        fonts->setCurrentIndex(fonts->count() - 1);
        w.action(u"actToolsNextFont"_s)->trigger();
        QCOMPARE(fonts->currentIndex(), 0);
        QCOMPARE(fontSlotName(child->currentSeal()->FontName()), Gbk::fromUnicode(fonts->itemText(0)));
        w.action(u"actToolsNextFont"_s)->trigger();
        QCOMPARE(fonts->currentIndex(), 1);
    }

    // A picture that decodes becomes the emblem in one step; one that does not is reported
    // and changes nothing; kinds without an emblem are not asked.
    void changePicture()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addKind(*child, SealType::stEllipse);
        child->currentSeal()->setImageIsStar(true);
        child->document().clearHistory();
        const QByteArray before = testing::savedDocument(child->document());

        s.dialogs.files.push_back(junkFile(s.path(u"junk.png"_s)));
        w.action(u"actChangePicture"_s)->trigger();
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QVERIFY(s.dialogs.texts().front().contains(u"junk.png"_s));
        QCOMPARE(testing::savedDocument(child->document()), before);
        QCOMPARE(child->document().undoStack().count(), 0);

        const QString png = bitmapFile(s.path(u"emblem.bmp"_s));
        s.dialogs.files.push_back(png);
        w.action(u"actEditChangeImage"_s)->trigger();
        Seal *seal = child->currentSeal();
        QVERIFY(seal->HaveImage());
        QVERIFY(!seal->ImageIsStar());
        QVERIFY(seal->Picture().hasGraphic());
        QCOMPARE(seal->Image(), Gbk::fromUnicode(png));
        QVERIFY(!w.starBox()->isChecked());
        QVERIFY(w.emblemBox()->isChecked());
        QCOMPARE(child->document().undoStack().count(), 1);
        child->document().undoStack().undo();
        QCOMPARE(testing::savedDocument(child->document()), before);

        addKind(*child, SealType::stHorzText);
        const int asked = s.dialogs.openRequests;
        w.action(u"actChangePicture"_s)->trigger();
        QCOMPARE(s.dialogs.openRequests, asked);
    }

    // Ctrl+Del, Del and Page Up belong to a focused text or spin box, even in a tool window;
    // on the page they are the commands.
    void keysStayWithTextBoxes()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addKind(*child, SealType::stEllipse, 40, 50);
        addKind(*child, SealType::stEllipse, 110, 50);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        auto *tool = new QWidget(&w, Qt::Tool);
        auto *spin = new QSpinBox(tool);
        spin->setRange(0, 1000);
        spin->setValue(5);
        tool->show();
        tool->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(tool));
        spin->setFocus();
        QTRY_VERIFY(spin->hasFocus());
        QTest::keyClick(spin, Qt::Key_PageUp);
        QCOMPARE(child->document().page().zoom(), 100);
        QCOMPARE(spin->value(), 15); // the box's own page step
        QTest::keyClick(spin, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(child->sealList().size(), size_t(2));
        delete tool;

        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.zoomBox()->setFocus();
        QTRY_VERIFY(w.zoomBox()->hasFocus());
        QTest::keyClick(w.zoomBox(), Qt::Key_Delete);
        QCOMPARE(child->sealList().size(), size_t(2));

        child->setFocus();
        QTRY_VERIFY(child->hasFocus());
        QTest::keyClick(child, Qt::Key_PageUp);
        QCOMPARE(child->document().page().zoom(), 110);
        QTest::keyClick(child, Qt::Key_Delete);
        QCOMPARE(child->sealList().size(), size_t(1));
        QTest::keyClick(child, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(child->sealList().size(), size_t(0));
    }

    // Print and preview need a document; without a printer the user hears that only the
    // preview is of use, and the window opens all the same.
    void printAndPreview_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("preview");
        QTest::newRow("print") << u"actFilePrint"_s << true << false;
        QTest::newRow("preview") << u"actFilePreView"_s << true << true;
        QTest::newRow("print without printer") << u"actFilePrint"_s << false << false;
        QTest::newRow("preview without printer") << u"actFilePreView"_s << false << true;
    }
    void printAndPreview()
    {
        QFETCH(QString, command);
        QFETCH(bool, printer);
        QFETCH(bool, preview);
        Start s;
        s.options.printerPresent = [printer] { return printer; };
        MainWindow &w = s.show();
        s.dialogs.messages.clear();
        int opened = 0;
        w.setPrintWindowFactory([&opened](MainWindow &) {
            ++opened;
            return std::unique_ptr<QDialog>();
        });
        w.action(command)->trigger();
        QCOMPARE(opened, 0); // no document
        w.fileNew();
        w.action(command)->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(w.printPreview(), preview);
        const QStringList expected =
            printer ? QStringList()
                    : QStringList{u"您的计算机没有安装打印机。您可以预览，或打印到PDF文件；要在纸上打印，"
                                  u"建议安装分辨率在600 dpi以上的激光打印机。"_s};
        QCOMPARE(s.dialogs.texts(), expected);
    }

    // Tool bar and status bar toggles flip visibility and caption; the view and tools menus
    // recompute their captions as they open.
    void viewCaptions()
    {
        Start s;
        MainWindow &w = s.show();
        QAction *bar = w.action(u"actViewOpenOrCloseToolBar"_s);
        bar->trigger();
        QVERIFY(w.toolBar()->isHidden());
        QCOMPARE(bar->text(), u"显示工具栏"_s);
        bar->trigger();
        QVERIFY(!w.toolBar()->isHidden());
        QCOMPARE(bar->text(), u"隐藏工具栏"_s);
        QAction *status = w.action(u"actViewOpenOrCloseStatusBar"_s);
        status->trigger();
        QVERIFY(w.statusBar()->isHidden());
        QCOMPARE(status->text(), u"显示状态栏"_s);
        status->trigger();
        QCOMPARE(status->text(), u"隐藏状态栏"_s);
        w.action(u"actViewOpenDrawTools"_s)->trigger(); // no palette here: nothing

        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        QAction *grid = w.action(u"actViewOpenOrCloseGrid"_s);
        emit w.viewMenu()->aboutToShow();
        QCOMPARE(grid->text(), u"隐藏网格(&G)"_s);
        QCOMPARE(w.action(u"actViewOpenOrClosefrmProp"_s)->text(), u"关闭属性窗口"_s);
        grid->trigger();
        QVERIFY(!child->document().page().grid());
        QVERIFY(!child->isModified());             // a view setting
        QCOMPARE(grid->text(), u"显示网格(&G)"_s); // at once, not only when the menu opens
        w.action(u"actViewOpenOrClosefrmProp"_s)->trigger();
        QVERIFY(!w.propertyWindow());
        emit w.viewMenu()->aboutToShow();
        QCOMPARE(grid->text(), u"显示网格(&G)"_s);
        QCOMPARE(w.action(u"actViewOpenOrClosefrmProp"_s)->text(), u"开启属性窗口"_s);

        // The lock captions keep their access keys through every change, from the menu and
        // from the command alike.
        addKind(*child, SealType::stEllipse);
        emit w.toolsMenu()->aboutToShow();
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"锁定印章位置(&L)"_s);
        QCOMPARE(w.action(u"actLockPage"_s)->text(), u"锁定页面(&P)"_s);
        w.action(u"actLockSeal"_s)->trigger();
        w.action(u"actLockPage"_s)->trigger();
        QVERIFY(child->document().isSealLocked(child->currentSeal()));
        QVERIFY(!child->pagePanel()->isEnabled());
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"解锁印章(&U)"_s);
        QCOMPARE(w.action(u"actLockPage"_s)->text(), u"解锁页面(&P)"_s);
        w.action(u"actLockPage"_s)->trigger();
        QCOMPARE(w.action(u"actLockPage"_s)->text(), u"锁定页面(&P)"_s);
        w.action(u"actLockPage"_s)->trigger();
        emit w.toolsMenu()->aboutToShow();
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"解锁印章(&U)"_s);
        QCOMPARE(w.action(u"actLockPage"_s)->text(), u"解锁页面(&P)"_s);
        w.action(u"actLockSeal"_s)->trigger();
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"锁定印章位置(&L)"_s);
        // Another seal chosen: the caption follows it without the menu opening.
        child->document().selectSeal(child->sealList().front().get());
        child->toggleSealLock();
        addKind(*child, SealType::stRect, 120, 50);
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"锁定印章位置(&L)"_s);
        child->document().selectSeal(child->sealList().front().get());
        QCOMPARE(w.action(u"actLockSeal"_s)->text(), u"解锁印章(&U)"_s);
    }

    // Double buffering reaches every open page and every new one, and is kept in the settings.
    void doubleBuffering()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *first = w.activeDocument();
        addKind(*first, SealType::stEllipse);
        QVERIFY(!w.action(u"actPageDoubleBuffered"_s)->isChecked());
        QVERIFY(!first->pagePanel()->doubleBuffered());
        first->pagePanel()->grab();
        QCOMPARE(first->pagePanel()->cache().size(), size_t(0)); // drawn straight
        w.action(u"actPageDoubleBuffered"_s)->trigger();
        QVERIFY(first->pagePanel()->doubleBuffered());
        first->pagePanel()->grab();
        QCOMPARE(first->pagePanel()->cache().size(), size_t(1)); // kept off screen
        QCOMPARE(s.config->pageDoubleBuffered(), std::optional<bool>(true));
        w.fileNew();
        QVERIFY(w.activeDocument()->pagePanel()->doubleBuffered());
        w.action(u"actPageDoubleBuffered"_s)->trigger();
        QVERIFY(!first->pagePanel()->doubleBuffered());
        QCOMPARE(first->pagePanel()->cache().size(), size_t(0));
        QCOMPARE(s.config->pageDoubleBuffered(), std::optional<bool>(false));
    }

    // The wallpaper and its setting change only when the new picture loads.
    void wallpaper()
    {
        Start s;
        MainWindow &w = s.show();
        const QImage old = w.mdiArea()->wallpaper();
        const QString stored = s.config->readText(Configuration::UserInfoKey, u"BackGround"_s);
        s.dialogs.files.push_back(junkFile(s.path(u"wall.png"_s)));
        w.action(u"actHelpChangeWallPaper"_s)->trigger();
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(w.mdiArea()->wallpaper(), old);
        QCOMPARE(s.config->readText(Configuration::UserInfoKey, u"BackGround"_s), stored);

        const QString png = bitmapFile(s.path(u"wall2.bmp"_s));
        s.dialogs.files.push_back(png);
        w.action(u"actHelpChangeWallPaper"_s)->trigger();
        QCOMPARE(w.mdiArea()->wallpaper().size(), QSize(8, 8));
        QCOMPARE(s.config->readText(Configuration::UserInfoKey, u"BackGround"_s), png);
    }

    // Mail and home page go to the desktop through the dialogs, which never open anything in
    // a screenless run.
    void helpAddresses()
    {
        Start s;
        MainWindow &w = s.show();
        s.dialogs.urls.clear();
        w.action(u"actHelpMailme"_s)->trigger();
        w.action(u"actGoHomePage"_s)->trigger();
        QCOMPARE(s.dialogs.urls.size(), size_t(2));
        QCOMPARE(s.dialogs.urls.at(0).scheme(), u"mailto"_s);
        QVERIFY(s.dialogs.urls.at(1).isLocalFile());
        QVERIFY(QFile::exists(s.dialogs.urls.at(1).toLocalFile()));
        QtUserDialogs platform;
        QVERIFY(!platform.openUrl(QUrl(u"mailto:nobody@example.org"_s)));
    }

    // Alignment from the edit menu: one undo step.
    void alignFromMenu()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        Seal *a = addKind(*child, SealType::stRect, 40, 50, 20);
        Seal *b = addKind(*child, SealType::stRect, 110, 90, 40);
        child->document().clearHistory();
        child->document().setSelection({a, b});
        w.action(u"actEditAlignRight"_s)->trigger();
        // Rights 50 and 130: a's centre moves to 130 - 10.
        QCOMPARE(child->sealList()[0]->RealCenterX(), 120.f);
        QCOMPARE(child->sealList()[1]->RealCenterX(), 110.f);
        QCOMPARE(child->document().undoStack().count(), 1);
        QCOMPARE(child->document().undoStack().undoText(), u"右对齐"_s);
    }

    // A command that cannot act is disabled, and its state follows the selection, the
    // clipboard, the zoom and the undo stack as they change. Three seals: a round seal at 30, a
    // rectangle at 90 and a horizontal text at 150 mm, bottom first.
    void commandStates_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("enabled");
        const struct {
            const char *situation, *command;
            bool enabled;
        } rows[] = {
            {"nothing selected", "actEditCopy", false},
            {"middle", "actEditCopy", true},
            {"nothing selected", "actEditDel", false},
            {"middle", "actEditDel", true},
            {"nothing selected", "actEditClear", true},
            {"empty page", "actEditClear", false},
            {"middle", "actEditPaste", false},
            {"copied", "actEditPaste", true},
            {"top", "actEditBringToFront", false},
            {"bottom", "actEditBringToFront", true},
            {"bottom", "actEditSendToBack", false},
            {"top", "actSendToBack", true},
            {"middle", "actEditChangeImage", true},
            {"top", "actChangePicture", false}, // a text carries no emblem
            {"middle", "actEditSetSameCenter", false},
            {"two", "actSameCenter", true},
            {"middle", "actEditAlignLeft", false},
            {"two", "actEditAlignLeft", true},
            {"two", "actEditSpaceHorizontally", false},
            {"three", "actEditSpaceVertically", true},
            {"nothing selected", "actEditSealSaveToImage", false},
            {"two", "actEditSealSaveToImage", true},
            {"middle", "actViewZoomAll", true},
            {"nothing selected", "actEditColor", false},
            {"three", "actEditColor", true},
            {"nothing selected", "actLockSeal", false},
            {"two", "actLockSeal", false},
            {"middle", "actLockSeal", true},
            {"zoom 600", "actViewZoomIn", false},
            {"zoom 25", "actViewZoomOut", false},
            {"nothing selected", "actViewZoomNormal", false}, // at 100 %
            {"zoom 25", "actPageZoom", true},
            {"nothing selected", "actEditUndo", false},
            {"edited", "actEditUndo", true},
            {"edited", "actEditRedo", false},
            {"undone", "actEditRedo", true},
        };
        for (const auto &row : rows)
            QTest::addRow("%s: %s", row.situation, row.command)
                << QString::fromUtf8(row.situation) << QString::fromUtf8(row.command) << row.enabled;
    }
    void commandStates()
    {
        QFETCH(QString, situation);
        QFETCH(QString, command);
        QFETCH(bool, enabled);
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        SealDocument &doc = child->document();
        addKind(*child, SealType::stEllipse, 30, 50);
        addKind(*child, SealType::stRect, 90, 50);
        addKind(*child, SealType::stHorzText, 150, 50);
        doc.clearHistory();
        doc.clearSelection();
        auto seal = [&doc](int i) { return doc.seals().at(size_t(i)).get(); };
        if (situation == u"empty page"_s)
            doc.clearPage();
        else if (situation == u"middle"_s)
            doc.selectSeal(seal(1));
        else if (situation == u"top"_s)
            doc.selectSeal(seal(2));
        else if (situation == u"bottom"_s)
            doc.selectSeal(seal(0));
        else if (situation == u"two"_s)
            doc.setSelection({seal(0), seal(1)});
        else if (situation == u"three"_s)
            doc.setSelection({seal(0), seal(1), seal(2)});
        else if (situation == u"copied"_s) {
            doc.selectSeal(seal(1));
            w.action(u"actEditCopy"_s)->trigger();
            doc.clearSelection();
        } else if (situation == u"zoom 600"_s)
            w.applyZoomText(u"600%"_s);
        else if (situation == u"zoom 25"_s)
            w.applyZoomText(u"25%"_s);
        else if (situation == u"edited"_s || situation == u"undone"_s) {
            doc.selectSeal(seal(1));
            w.action(u"actEditDel"_s)->trigger();
            if (situation == u"undone"_s)
                w.action(u"actEditUndo"_s)->trigger();
        }
        QAction *a = w.action(command);
        QVERIFY(a);
        QCOMPARE(a->isEnabled(), enabled);
    }

    // Undo and redo are commands of the edit menu and the tool bar, named after the step they
    // take, reached by their keys from the property window too, and at work on a locked page.
    void undoFromAnyWindow()
    {
        Start s;
        MainWindow &w = s.show();
        QAction *undo = w.action(u"actEditUndo"_s);
        QAction *redo = w.action(u"actEditRedo"_s);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), u"撤销(&Z)"_s);
        QCOMPARE(undo->shortcutContext(), Qt::ApplicationShortcut);
        QVERIFY(w.toolBar()->widgetForAction(undo));

        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        addKind(*child, SealType::stRect, 40, 50, 20);
        child->document().clearHistory();
        const QByteArray before = testing::savedDocument(child->document());
        s.dialogs.colours.push_back(QColor(0, 0, 0xFF));
        w.action(u"actEditColor"_s)->trigger();
        const QByteArray coloured = testing::savedDocument(child->document());
        QCOMPARE(undo->text(), u"撤销 设置颜色(&Z)"_s);
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(redo->text(), u"重做(&Y)"_s);

        // The keyboard in the first box of the property window.
        auto *properties = qobject_cast<PropertyWindow *>(w.propertyWindow());
        QVERIFY(properties);
        properties->focusPage();
        QWidget *box = properties->focusWidget();
        QVERIFY(box && properties->isAncestorOf(box) && box->isEnabled());
        QApplication::setActiveWindow(properties);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        child->togglePageLock();
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(testing::savedDocument(child->document()), before);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), u"重做 设置颜色(&Y)"_s);
        QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(testing::savedDocument(child->document()), coloured);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(testing::savedDocument(child->document()), coloured);

        // From the main window's page, one key is one step.
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        child->setFocus();
        QTRY_VERIFY(child->hasFocus());
        QTest::keyClick(child, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(testing::savedDocument(child->document()), before);
        QVERIFY(redo->isEnabled());

        // The commands follow the active document: another one has nothing to undo.
        w.fileNew();
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->text(), u"撤销(&Z)"_s);
        QVERIFY(w.closeAllDocuments());
        flushDeletes();
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
    }

    // Page Up and Page Down zoom the page while the zoom list has the keyboard, as they do on
    // the page, instead of choosing a neighbouring item of the list.
    void zoomListPageKeys()
    {
        Start s;
        MainWindow &w = s.show();
        w.fileNew();
        DocumentWindow *child = w.activeDocument();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.zoomBox()->setFocus();
        QTRY_VERIFY(w.zoomBox()->hasFocus());
        QTest::keyClick(w.zoomBox(), Qt::Key_PageUp);
        QCOMPARE(child->document().page().zoom(), 110);
        QCOMPARE(w.zoomBox()->currentText(), u"110%"_s);
        QTest::keyClick(w.zoomBox(), Qt::Key_PageDown);
        QTest::keyClick(w.zoomBox(), Qt::Key_PageDown);
        QCOMPARE(child->document().page().zoom(), 90);
        QCOMPARE(w.zoomBox()->currentText(), u"90%"_s);
        QVERIFY(!child->isModified());
    }
};

QTEST_MAIN(TestMainWindowCommands)
#include "tst_mainwindowcommands.moc"
