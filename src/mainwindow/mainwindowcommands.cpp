// The main window's commands: editing the active document, zoom, fonts, the seal toggles,
// alignment, the view toggles, double buffering and the help commands.

#include "mainwindow/mainwindow.h"

#include "companions/glyphdepot/glyphdepot.h"
#include "document/picturebudget.h"
#include "document/sealalignment.h"
#include "mainwindow/configuration.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/editorkeys.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/userdialogs.h"
#include "mainwindow/wallpapermdiarea.h"
#include "mainwindow/zoomlist.h"
#include "page/documentwindow.h"
#include "page/pagetools.h"
#include "page/picturefile.h"
#include "page/updatesguard.h"
#include "picture/surface.h"
#include "properties/propertywindow.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPrinterInfo>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// The polarity box applies to the framed seals and to the star (its "空心").
bool hasPolarity(SealType type)
{
    const int kind = int(type);
    return kind <= 13 || type == SealType::stFiveStar;
}

Colour fromQColor(const QColor &c)
{
    return Colour(c.red()) | Colour(c.green()) << 8 | Colour(c.blue()) << 16;
}

struct AlignmentRow {
    const char16_t *name;
    const char *caption; // source text of the translation
    const char16_t *icon;
    SealAlignment how;
};

const AlignmentRow AlignmentRows[] = {
    {u"actEditAlignLeft", QT_TRANSLATE_NOOP("qm::MainWindow", "左对齐(&L)"), u"alignleft", SealAlignment::Left},
    {u"actEditAlignRight", QT_TRANSLATE_NOOP("qm::MainWindow", "右对齐(&R)"), u"alignright", SealAlignment::Right},
    {u"actEditAlignHCentre", QT_TRANSLATE_NOOP("qm::MainWindow", "水平居中对齐(&C)"), u"alignhcentre",
     SealAlignment::HorizontalCentres},
    {u"actEditAlignTop", QT_TRANSLATE_NOOP("qm::MainWindow", "顶端对齐(&T)"), u"aligntop", SealAlignment::Top},
    {u"actEditAlignBottom", QT_TRANSLATE_NOOP("qm::MainWindow", "底端对齐(&B)"), u"alignbottom", SealAlignment::Bottom},
    {u"actEditAlignVCentre", QT_TRANSLATE_NOOP("qm::MainWindow", "垂直居中对齐(&M)"), u"alignvcentre",
     SealAlignment::VerticalCentres},
    {u"actEditSpaceHorizontally", QT_TRANSLATE_NOOP("qm::MainWindow", "水平等间距(&H)"), u"spacehorizontal",
     SealAlignment::SpaceHorizontally},
    {u"actEditSpaceVertically", QT_TRANSLATE_NOOP("qm::MainWindow", "垂直等间距(&V)"), u"spacevertical",
     SealAlignment::SpaceVertically},
};

} // namespace

void MainWindow::switchPane()
{
    QWidget *focus = QApplication::focusWidget();
    if (m_propertyWindow && !(focus && m_propertyWindow->isAncestorOf(focus))) {
        m_propertyWindow->raise();
        m_propertyWindow->activateWindow();
        if (auto *properties = qobject_cast<PropertyWindow *>(m_propertyWindow.data()))
            properties->focusPage();
        else
            m_propertyWindow->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    activateWindow();
    if (DocumentWindow *child = activeDocument())
        child->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::createCommandActions()
{
    auto on = [this](const QString &name, auto &&handler) {
        connect(action(name), &QAction::triggered, this, std::forward<decltype(handler)>(handler));
    };
    // The document window's own operations on the active document.
    auto onChild = [this, on](const QString &name, void (DocumentWindow::*operation)()) {
        on(name, [this, operation] {
            if (DocumentWindow *child = activeDocument())
                (child->*operation)();
        });
    };

    // The property window is a window of its own: without this the keyboard could not reach it.
    auto *pane = new QShortcut(QKeySequence(Qt::Key_F6), this, this, &MainWindow::switchPane);
    pane->setContext(Qt::ApplicationShortcut);

    on(u"actFilePreView"_s, [this] { printOrPreview(true); });
    on(u"actFilePrint"_s, [this] { printOrPreview(false); });
    on(u"actFileStampPdf"_s, [this] { stampOntoPdf(); });

    onChild(u"actEditCopy"_s, &DocumentWindow::copySelection);
    onChild(u"actEditCut"_s, &DocumentWindow::cutSelection);
    onChild(u"actEditPaste"_s, &DocumentWindow::paste);
    onChild(u"actEditDel"_s, &DocumentWindow::deleteSelection);
    // A cleared page counts as unmodified; the clearing itself can still be undone.
    onChild(u"actEditClear"_s, &DocumentWindow::clearPage);
    for (const QString &name : {u"actEditBringToFront"_s, u"actBringToFront"_s})
        onChild(name, &DocumentWindow::bringSealToFront);
    for (const QString &name : {u"actEditSendToBack"_s, u"actSendToBack"_s})
        onChild(name, &DocumentWindow::sendSealToBack);
    for (const QString &name : {u"actEditSetSameCenter"_s, u"actSameCenter"_s})
        onChild(name, &DocumentWindow::centreSelection);
    // A lock command names what it will do next, in every menu that carries it.
    onChild(u"actLockSeal"_s, &DocumentWindow::toggleSealLock);
    onChild(u"actLockPage"_s, &DocumentWindow::togglePageLock);
    for (const QString &name : {u"actLockSeal"_s, u"actLockPage"_s})
        on(name, [this] { showingToolsMenu(); });
    for (const QString &name : {u"actEditChangeImage"_s, u"actChangePicture"_s})
        on(name, [this] { changePicture(); });
    on(u"actEditSealSaveToImage"_s, [this] { exportSelectionToImage(); });
    on(u"actViewZoomAll"_s, [this] { showDetailView(); });

    on(u"actViewOpenDrawTools"_s, [this] { toggleDrawTools(); });
    on(u"actViewOpenOrClosefrmProp"_s, [this] {
        togglePropertyWindow();
        action(u"actViewOpenOrClosefrmProp"_s)->setText(m_propertyWindow ? tr("关闭属性窗口") : tr("开启属性窗口"));
    });
    on(u"actViewOpenOrCloseToolBar"_s, [this] { toggleToolBar(); });
    on(u"actViewOpenOrCloseStatusBar"_s, [this] { toggleStatusBar(); });
    on(u"actViewOpenOrCloseGrid"_s, [this] { toggleGrid(); });
    on(u"actViewZoomIn"_s, [this] { viewZoomIn(); });
    on(u"actViewZoomNormal"_s, [this] { viewZoomNormal(); });
    on(u"actPageZoom"_s, [this] { viewZoomNormal(); });
    on(u"actViewZoomOut"_s, [this] { viewZoomOut(); });

    on(u"actToolsNextFont"_s, [this] { nextFont(); });
    on(u"actPageDoubleBuffered"_s, [this](bool checked) { setPagesDoubleBuffered(checked); });

    on(u"actHelpChangeWallPaper"_s, [this] { changeWallpaper(); });
    on(u"actHelpMailme"_s, [this] { mailToMaker(); });
    on(u"actGoHomePage"_s, [this] { openHomePage(); });
    on(u"actLibAdd"_s, [this] { addSelectionToLibrary(); });
    on(u"actEditLibrary"_s, [this] { editLibrary(); });
    on(u"actInsertSeal"_s, [this] { insertLibrarySeal(); });
    on(u"actDeleteLibrarySeal"_s, [this] { deleteLibrarySeal(); });

    for (const AlignmentRow &row : AlignmentRows) {
        const QString caption = tr(row.caption);
        const QString hint = alignmentText(row.how);
        QAction *a = makeAction(QString::fromUtf16(row.name), caption, hint + u'|' + hint);
        a->setIcon(QIcon(u":/quillmark/icons/"_s + QString::fromUtf16(row.icon) + u".svg"_s));
        // How many seals it needs decides whether it can act.
        a->setProperty("alignment", int(row.how));
        connect(a, &QAction::triggered, this, [this, how = row.how] { alignSelection(how); });
    }

    // Editing keys act on the page only while no text box has the keyboard.
    m_editorKeys = new EditorKeyGuard(this);
    for (const QString &name : {u"actEditDel"_s, u"actEditClear"_s, u"actEditCopy"_s, u"actEditCut"_s,
                                u"actEditPaste"_s, u"actViewZoomIn"_s, u"actViewZoomOut"_s, u"actViewZoomNormal"_s})
        m_editorKeys->guard(action(name));
}

bool MainWindow::printerPresent() const
{
    return m_options.printerPresent ? m_options.printerPresent() : !QPrinterInfo::availablePrinterNames().isEmpty();
}

void MainWindow::printOrPreview(bool preview)
{
    if (!activeDocument())
        return;
    if (!printerPresent())
        m_dialogs.message(this, QMessageBox::Information,
                          tr("您的计算机没有安装打印机。您可以预览，或打印到PDF文件；要在纸上打印，"
                             "建议安装分辨率在600 dpi以上的激光打印机。"));
    openPrintWindow(preview);
}

void MainWindow::viewZoomIn()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy())
        return;
    const int zoom = child->document().page().zoom();
    if (zoom < MaxToolZoom) {
        child->zoomPage(zoom + ZoomToolStep);
        setZoomText(zoomText(child->document().page().zoom()));
    }
}

void MainWindow::viewZoomOut()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy())
        return;
    const int zoom = child->document().page().zoom();
    if (zoom > MinToolZoom) {
        child->zoomPage(zoom - ZoomToolStep);
        setZoomText(zoomText(child->document().page().zoom()));
    }
}

void MainWindow::viewZoomNormal()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy())
        return;
    if (child->document().page().zoom() != 100) {
        child->zoomPage(100);
        setZoomText(zoomText(100));
    }
}

void MainWindow::applyFont()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy() || m_fontBox->currentIndex() < 0)
        return;
    Seal *seal = child->currentSeal();
    if (!seal)
        return;
    const FontSlot slot = makeFontSlot(fontFaceGbk());
    SealDocument &doc = child->document();
    doc.editSeals({doc.indexOf(seal)}, tr("应用字体"), [&slot](const SealSelection &seals) {
        for (Seal *s : seals) {
            s->setFontName(slot);
            s->setFontName1(slot);
            s->setFontName2(slot);
            s->setFontName3(slot);
            s->setCodeFontName(slot);
        }
    });
}

void MainWindow::nextFont()
{
    const int count = m_fontBox->count();
    if (count == 0)
        return;
    m_fontBox->setCurrentIndex((m_fontBox->currentIndex() + 1) % count);
    applyFont();
}

bool MainWindow::carriesEmblem(SealType type)
{
    // Lines, the arc, the three text kinds, the star and the cell have no emblem.
    const int kind = int(type);
    return kind < 14 || kind > 22;
}

void MainWindow::changePicture()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy())
        return;
    Seal *seal = child->currentSeal();
    if (!seal || !carriesEmblem(seal->SealType()))
        return;
    const QString fileName = askPictureFile();
    if (fileName.isEmpty())
        return;
    // Read and decoded before anything changes: a file that is no picture leaves the seal as it
    // was.
    const PictureFile file = readPictureFile(fileName);
    if (!file.ok()) {
        m_dialogs.message(this, QMessageBox::Warning, file.refusal + tr("\r印章的图符没有改变。"));
        return;
    }
    giveEmblem(*child, *seal, file.bytes, QFileInfo(fileName).fileName(), Gbk::fromUnicode(fileName));
}

bool MainWindow::giveEmblem(DocumentWindow &child, Seal &seal, const QByteArray &bytes, const QString &name,
                            const std::optional<QByteArray> &imageText)
{
    const SealPicture picture = SealPicture::fromData(bytes);
    if (!picture.hasGraphic()) {
        m_dialogs.message(this, QMessageBox::Warning, tr("无法读取图象文件：\r%1\r印章的图符没有改变。").arg(name));
        return false;
    }
    SealDocument &doc = child.document();
    // The seal leaves with its old picture and comes back with the new one.
    const std::unique_ptr<Seal> entering = doc.createSeal();
    entering->setPicture(picture);
    if (const QString refusal = pictureBudgetRefusal(doc, {entering.get()}, {&seal}); !refusal.isEmpty()) {
        m_dialogs.message(this, QMessageBox::Warning, refusal + tr("\r印章的图符没有改变。"));
        return false;
    }
    doc.editSeals({doc.indexOf(&seal)}, tr("更换图符"), [&](const SealSelection &seals) {
        for (Seal *s : seals) {
            s->setHaveImage(true);
            s->setImageIsStar(false);
            if (imageText)
                s->setImage(*imageText);
            s->setPicture(picture);
        }
    });
    updateSealToggles(child.currentSeal());
    return true;
}

void MainWindow::setSelectionColour()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy() || child->selection().empty())
        return;
    const std::optional<QColor> chosen = m_dialogs.chooseColour(this, toQColor(m_swatch));
    if (!chosen)
        return;
    const Colour colour = fromQColor(*chosen);
    {
        const UpdatesGuard frozen(this);
        SealDocument &doc = child->document();
        doc.editSeals(doc.selectionIndices(), tr("设置颜色"), [colour](const SealSelection &seals) {
            for (Seal *s : seals)
                s->setPenColor(colour);
        });
    }
    setSwatchColor(colour);
}

void MainWindow::sealToggleClicked(int box, bool checked)
{
    DocumentWindow *child = activeDocument();
    Seal *seal = child && !child->busy() ? child->currentSeal() : nullptr;
    if (!seal)
        return;
    const SealType type = seal->SealType();
    const bool applies = box == 0 ? hasPolarity(type) : carriesEmblem(type);
    if (applies) {
        static const QString names[3] = {tr("阳章"), tr("五星"), tr("有图符")};
        SealDocument &doc = child->document();
        doc.editSeals({doc.indexOf(seal)}, names[box], [box, checked](const SealSelection &seals) {
            for (Seal *s : seals) {
                if (box == 0)
                    s->setBrushStyle(checked ? BrushStyle::bsClear : BrushStyle::bsSolid);
                else if (box == 1)
                    s->setImageIsStar(checked);
                else
                    s->setHaveImage(checked);
            }
        });
    }
    // The boxes show the seal as it now is: the other emblem box follows, and a box that does
    // not apply to the kind springs back.
    updateSealToggles(child->currentSeal());
}

void MainWindow::alignSelection(SealAlignment how)
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy())
        return;
    const UpdatesGuard frozen(this);
    qm::alignSelection(child->document(), how);
}

void MainWindow::toggleDrawTools()
{
    if (!m_drawTools)
        return;
    const bool show = m_drawTools->isHidden();
    if (show)
        keepAboveMainWindow(m_drawTools);
    m_drawTools->setVisible(show);
    action(u"actViewOpenDrawTools"_s)->setText(show ? tr("关闭绘图工具") : tr("开启绘图工具"));
}

void MainWindow::toggleToolBar()
{
    const bool show = m_toolBar->isHidden();
    m_toolBar->setVisible(show);
    action(u"actViewOpenOrCloseToolBar"_s)->setText(show ? tr("隐藏工具栏") : tr("显示工具栏"));
}

void MainWindow::toggleStatusBar()
{
    QStatusBar *bar = statusBar();
    const bool show = bar->isHidden();
    bar->setVisible(show);
    action(u"actViewOpenOrCloseStatusBar"_s)->setText(show ? tr("隐藏状态栏") : tr("显示状态栏"));
}

void MainWindow::toggleGrid()
{
    if (DocumentWindow *child = activeDocument()) {
        PageModel &page = child->document().page();
        page.setGrid(!page.grid());
        showingViewMenu();
    }
}

void MainWindow::showingViewMenu()
{
    if (DocumentWindow *child = activeDocument())
        action(u"actViewOpenOrCloseGrid"_s)
            ->setText(child->document().page().grid() ? tr("隐藏网格(&G)") : tr("显示网格(&G)"));
    action(u"actViewOpenOrClosefrmProp"_s)->setText(m_propertyWindow ? tr("关闭属性窗口") : tr("开启属性窗口"));
}

void MainWindow::showingToolsMenu()
{
    DocumentWindow *child = activeDocument();
    if (!child)
        return;
    // The captions keep their access keys, so L, U and P work after the first use too.
    if (const Seal *seal = child->currentSeal())
        action(u"actLockSeal"_s)
            ->setText(child->document().isSealLocked(seal) ? tr("解锁印章(&U)") : tr("锁定印章位置(&L)"));
    action(u"actLockPage"_s)->setText(child->document().pageLocked() ? tr("解锁页面(&P)") : tr("锁定页面(&P)"));
}

void MainWindow::setSealLockCaption(const QString &caption)
{
    m_sealLockCaption = caption;
    action(u"actLockSeal"_s)->setText(caption);
}

bool MainWindow::pageDoubleBuffered() const
{
    return action(u"actPageDoubleBuffered"_s)->isChecked();
}

void MainWindow::setPagesDoubleBuffered(bool on)
{
    action(u"actPageDoubleBuffered"_s)->setChecked(on);
    for (DocumentWindow *child : documentWindows())
        child->pagePanel()->setDoubleBuffered(on);
    m_config.setPageDoubleBuffered(on);
}

void MainWindow::changeWallpaper()
{
    const QString fileName =
        m_dialogs.openFileName(this, QString(), tr("图象文件(*.bmp *.jpg *.jpeg *.gif *.png);;所有文件(*)"));
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return;
    // The old wallpaper and its setting stay unless the new picture loads.
    const QImage picture = SetBkGnd(m_mdi->viewport(), fileName);
    if (picture.isNull()) {
        m_dialogs.message(this, QMessageBox::Warning, tr("无法读取壁纸图象：\r%1").arg(QFileInfo(fileName).fileName()));
        return;
    }
    m_mdi->setWallpaper(picture);
    m_config.writeText(Configuration::UserInfoKey, u"BackGround"_s, fileName);
}

void MainWindow::mailToMaker()
{
    m_dialogs.openUrl(QUrl(u"mailto:quillmark@lumenwerk.example"_s));
}

} // namespace qm
