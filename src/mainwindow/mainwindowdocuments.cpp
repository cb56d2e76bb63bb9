// The main window's document commands: new, open, save, save as, close and exit.

#include "mainwindow/mainwindow.h"

#include "document/documentfile.h"
#include "mainwindow/configuration.h"
#include "mainwindow/documentopening.h"
#include "mainwindow/documentplacement.h"
#include "mainwindow/statuspanels.h"
#include "mainwindow/userdialogs.h"
#include "mainwindow/wallpapermdiarea.h"
#include "page/documentwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QToolBar>
#include <QUndoStack>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

const QString &documentFilter()
{
    // Files copied from the original platform may carry the suffix in capitals.
    static const QString filter = MainWindow::tr("Quillmark 印章文件(*.dyz *.DYZ)");
    return filter;
}

} // namespace

QList<DocumentWindow *> MainWindow::documentWindows() const
{
    QList<DocumentWindow *> windows;
    for (QMdiSubWindow *w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto *child = qobject_cast<DocumentWindow *>(w->widget()))
            windows.append(child);
    return windows;
}

DocumentWindow *MainWindow::activeDocument() const
{
    // The current window stays the target while a tool window (the property window) or
    // another program has the focus.
    QMdiSubWindow *w = m_mdi->currentSubWindow();
    return w ? qobject_cast<DocumentWindow *>(w->widget()) : nullptr;
}

QMdiSubWindow *MainWindow::subWindowOf(const DocumentWindow *child) const
{
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (w->widget() == child)
            return w;
    return nullptr;
}

QString MainWindow::caption(const DocumentWindow *child)
{
    return child ? child->windowTitle() : QString();
}

bool MainWindow::isUntitled(const QString &caption)
{
    // A document with a file is captioned with its absolute path.
    return caption.startsWith(u"文件"_s) && !QFileInfo(caption).isAbsolute();
}

DocumentWindow *MainWindow::newDocumentWindow(const QString &caption)
{
    auto *child = new DocumentWindow(*this, logicalDpiX());
    child->setWindowTitle(caption);
    QMdiSubWindow *window = m_mdi->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(QIcon(u":/quillmark/icons/document.svg"_s));
    placeNewDocumentWindow(*window);
    connect(child, &QObject::destroyed, this, &MainWindow::documentCountChanged, Qt::QueuedConnection);
    window->show();
    m_mdi->setActiveSubWindow(window);
    documentCountChanged();
    return child;
}

void MainWindow::placeNewDocumentWindow(QMdiSubWindow &window)
{
    // Beside the palette and the property window, not under them; a maximised one stays so.
    if (window.isMaximized())
        return;
    const QSize area = m_mdi->viewport()->size();
    const int others = int(m_mdi->subWindowList().size()) - 1;
    window.setGeometry(newDocumentGeometry(freeDocumentArea(area, toolWindowFrames()), others, titleBarHeight(window)));
}

void MainWindow::documentCountChanged()
{
    const bool any = !m_mdi->subWindowList().isEmpty();
    for (const QString &name :
         {u"WindowCascade1"_s, u"WindowTileHorizontal1"_s, u"WindowTileVertical1"_s, u"WindowMinimizeAll1"_s,
          u"WindowArrange1"_s, u"WindowClose1"_s, u"WindowsCloseAll"_s, u"actFileSave"_s, u"actFileSaveAs"_s})
        action(name)->setEnabled(any);
    if (!any && !m_programFolder.isEmpty()) {
        // No position or count belongs to any document now.
        setStatusText(0, tr(" 水平坐标："));
        setStatusText(1, tr("垂直坐标："));
        setStatusText(2, tr("文件状态：无文件"));
        setStatusText(3, tr("已画图形："));
        emit activeDocumentChanged(nullptr);
    }
    updateCommandStates();
}

void MainWindow::subWindowActivated(QMdiSubWindow *window)
{
    // None while windows remain: only the main window lost the focus.
    if (!window && !m_mdi->subWindowList().isEmpty())
        return;
    DocumentWindow *child = window ? qobject_cast<DocumentWindow *>(window->widget()) : nullptr;
    if (child == m_activeChild)
        return;
    if (m_activeChild)
        m_activeChild->onDeactivated();
    m_activeChild = child;
    if (child)
        child->onActivated();
    emit activeDocumentChanged(child);
}

QString MainWindow::untitledCaption() const
{
    QStringList open;
    for (const DocumentWindow *child : documentWindows())
        open.append(caption(child));
    auto captionNumbered = [](qsizetype n) { return u"文件"_s + QString::number(n) + u".dyz"_s; };
    // After closing 文件1 of two windows the count gives 文件2 again, which is still open.
    QString name = captionNumbered(open.size() + 1);
    for (qsizetype n = 1; open.contains(name); ++n)
        name = captionNumbered(n);
    return name;
}

void MainWindow::fileNew()
{
    DocumentWindow *child = newDocumentWindow(untitledCaption());
    child->initPageFromPrinter();
    child->zoomPage(m_zoomChoice);
    child->showDocumentStatus();
    showPropertyWindow();
    updateCommandStates();
    // The property window may have come just now: the new window moves out from under it.
    placeNewDocumentWindow(*subWindowOf(child));
}

void MainWindow::fileOpen()
{
    const QString fileName = m_dialogs.openFileName(this, workFolder(u"我的印章"_s), documentFilter());
    if (!fileName.isEmpty())
        openChosenFile(fileName);
}

namespace {

// One spelling for one file: a link, "./" or "../" lead to the same path. A file that is gone
// keeps its absolute path.
QString sameFileKey(const QString &fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

DocumentWindow *MainWindow::documentHolding(const QString &fileName, const DocumentWindow *except) const
{
    const QString key = sameFileKey(fileName);
    for (DocumentWindow *child : documentWindows())
        if (child != except && !isUntitled(caption(child)) && sameFileKey(caption(child)) == key)
            return child;
    return nullptr;
}

DocumentWindow *MainWindow::openChosenFile(const QString &fileName)
{
    if (DocumentWindow *child = documentHolding(fileName)) {
        m_mdi->setActiveSubWindow(subWindowOf(child));
        m_dialogs.message(this, QMessageBox::Information, tr("该文件已经打开！看见了吧^_^"), QMessageBox::Yes);
        return child;
    }
    // Its window is on its way: a second read would only make a second window of one file.
    if (isBeingOpened(fileName)) {
        m_dialogs.message(this, QMessageBox::Information, tr("该文件已经打开！看见了吧^_^"), QMessageBox::Yes);
        return nullptr;
    }
    beginOpeningFile(fileName);
    return nullptr;
}

std::unique_ptr<DocumentOpening> MainWindow::makeOpening(const QString &path)
{
    // The seals are made as the new window will show them: at its resolution and zoom.
    const int pixelsPerInch = logicalDpiX();
    return std::make_unique<DocumentOpening>(path, static_cast<float>(pixelsPerInch / 25.4), m_zoomChoice);
}

DocumentWindow *MainWindow::openDocumentFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        m_dialogs.message(this, QMessageBox::Warning, tr("文件不存在！"));
        m_config.removeRecentFile(fileName);
        return nullptr;
    }
    const std::unique_ptr<DocumentOpening> opening = makeOpening(info.absoluteFilePath());
    {
        ProgressHider hider(*m_progress);
        m_progress->showText(QCoreApplication::translate("Document", "正在载入："));
        opening->runHere();
    }
    return finishOpening(*opening);
}

bool MainWindow::beginOpeningFile(const QString &fileName)
{
    return startOpening(fileName, false);
}

bool MainWindow::startOpening(const QString &fileName, bool fromCommandLine)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        m_dialogs.message(this, QMessageBox::Warning, tr("文件不存在！"));
        m_config.removeRecentFile(fileName);
        return false;
    }
    std::unique_ptr<DocumentOpening> opening = makeOpening(info.absoluteFilePath());
    DocumentOpening *started = opening.get();
    connect(started, &DocumentOpening::finished, this, [this, started] { onOpeningFinished(started); });
    m_openings.push_back({std::move(opening), fromCommandLine});
    started->start();
    showOpeningProgress();
    if (!m_openingProgress.isActive())
        m_openingProgress.start();
    return true;
}

bool MainWindow::isBeingOpened(const QString &fileName) const
{
    const QString key = sameFileKey(fileName);
    return std::any_of(m_openings.begin(), m_openings.end(),
                       [&](const PendingOpening &p) { return sameFileKey(p.opening->fileName()) == key; });
}

void MainWindow::showOpeningProgress()
{
    if (m_openings.empty())
        return;
    // One bar for all the files being read: their seals together.
    qint64 maximum = 0, position = 0;
    for (const PendingOpening &p : m_openings) {
        maximum += std::max(p.opening->progressMaximum(), 0);
        position += std::max(p.opening->progressPosition(), 0);
    }
    if (m_progress->isHidden() ||
        m_progress->caption()->text() != QCoreApplication::translate("Document", "正在载入："))
        m_progress->showText(QCoreApplication::translate("Document", "正在载入："));
    m_progress->setMaximum(int(std::min<qint64>(maximum, std::numeric_limits<int>::max())));
    m_progress->setPosition(int(std::min<qint64>(position, std::numeric_limits<int>::max())));
}

void MainWindow::onOpeningFinished(DocumentOpening *opening)
{
    const auto it = std::find_if(m_openings.begin(), m_openings.end(),
                                 [&](const PendingOpening &p) { return p.opening.get() == opening; });
    if (it == m_openings.end())
        return;
    // The bar ends where the reader ended, with this file's seals counted.
    showOpeningProgress();
    it->finished = true;
    // Windows come in the order their files were asked for.
    while (!m_openings.empty() && m_openings.front().finished) {
        PendingOpening done = std::move(m_openings.front());
        m_openings.erase(m_openings.begin());
        if (m_openings.empty()) {
            m_openingProgress.stop();
            m_progress->hide();
        }
        // A file opened meanwhile by the synchronous path (a test, a recovery) keeps its one window.
        if (!done.opening->isCancelled() && !documentHolding(done.opening->fileName())) {
            if (!finishOpening(*done.opening) && done.fromCommandLine)
                m_commandLineOpenFailed = true;
        }
        // It may be the sender of the signal that brought us here: it goes once that is over.
        done.opening.release()->deleteLater();
    }
    if (m_openings.empty())
        emit openingsFinished();
}

void MainWindow::cancelOpenings()
{
    for (const PendingOpening &p : m_openings)
        p.opening->cancel();
    // Each waits for its reader, which stops within one seal.
    const bool any = !m_openings.empty();
    m_openings.clear();
    m_openingProgress.stop();
    if (any) {
        m_progress->hide();
        emit openingsFinished();
    }
}

DocumentWindow *MainWindow::finishOpening(DocumentOpening &opening)
{
    const DocumentResult &result = opening.result();
    if (!result.ok()) {
        // No window was made for it; the user hears why.
        m_dialogs.message(this, QMessageBox::Information, result.message());
        if (result.error == DocumentError::FileNotFound)
            m_config.removeRecentFile(opening.fileName());
        return nullptr;
    }
    const QString &path = opening.fileName();
    DocumentWindow *child = newDocumentWindow(path);
    child->zoomPage(opening.zoom());
    adoptDocumentContent(child->document(), std::move(opening.content()));
    child->document().clearHistory();
    child->zoomPage(m_zoomChoice);
    child->showDocumentStatus();
    m_config.addRecentFile(path);
    showPropertyWindow();
    updateCommandStates();
    placeNewDocumentWindow(*subWindowOf(child));
    return child;
}

bool MainWindow::fileSave()
{
    DocumentWindow *child = activeDocument();
    return child && saveChild(*child);
}

bool MainWindow::fileSaveAs()
{
    DocumentWindow *child = activeDocument();
    return child && saveChildAs(*child);
}

bool MainWindow::saveChild(DocumentWindow &child)
{
    const QString name = caption(&child);
    if (isUntitled(name))
        return saveChildAs(child);
    return writeChild(child, name);
}

bool MainWindow::saveChildAs(DocumentWindow &child)
{
    const QString folder = workFolder(u"我的印章"_s);
    const QString current = caption(&child);
    const QString proposed = isUntitled(current) ? folder + current : current;
    QString fileName = m_dialogs.saveFileName(this, folder, documentFilter(), proposed, u"dyz"_s);
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().isEmpty())
        fileName += u".dyz"_s;
    fileName = QFileInfo(fileName).absoluteFilePath();
    // Two windows on one file would overwrite each other's saves unnoticed.
    QPointer<DocumentWindow> holder = documentHolding(fileName, &child);
    if (holder) {
        const auto answer = m_dialogs.message(
            this, QMessageBox::Question,
            tr("文件“%1”已在另一个窗口中打开。\r是否用当前文件替换它？\r那个窗口的内容将保留为未命名的文件。")
                .arg(QFileInfo(fileName).fileName()),
            QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
    }
    if (!writeChild(child, fileName))
        return false;
    // The window is the new file's from now on: a later Save writes there.
    child.setWindowTitle(fileName);
    if (holder)
        detachDocument(*holder);
    return true;
}

void MainWindow::detachDocument(DocumentWindow &child)
{
    child.setWindowTitle(untitledCaption());
    // Its contents are no longer in any file: closing asks, saving asks for a name.
    child.document().undoStack().resetClean();
    if (&child == activeDocument())
        child.showDocumentStatus();
}

bool MainWindow::writeChild(DocumentWindow &child, const QString &fileName)
{
    const DocumentResult result = child.document().save(fileName, *m_progress);
    if (!result.ok()) {
        // The document stays open and modified; the user can save it elsewhere.
        m_dialogs.message(this, QMessageBox::Critical, result.message());
        return false;
    }
    m_config.addRecentFile(fileName);
    setStatusText(2, tr("文件状态：已保存"));
    return true;
}

PageHost::SaveAnswer MainWindow::askSaveOnClose(DocumentWindow &child)
{
    if (QMdiSubWindow *window = subWindowOf(&child))
        m_mdi->setActiveSubWindow(window);
    const auto answer =
        m_dialogs.message(this, QMessageBox::Question, tr("当前文件尚未保存或者已被修改，是否\r保存（修改后的）文件？"),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    switch (answer) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

bool MainWindow::closeAllDocuments()
{
    QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (!(*it)->close())
            return false; // cancelled: the remaining windows stay open
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    // Files still being read would bring windows into a closed program.
    cancelOpenings();
    delete m_propertyWindow;
    event->accept();
}

void MainWindow::setPropertyWindowFactory(std::function<QWidget *(MainWindow &)> factory)
{
    m_propertyFactory = std::move(factory);
}

void MainWindow::showPropertyWindow()
{
    if (m_propertyWindow || !m_propertyFactory)
        return;
    QWidget *window = m_propertyFactory(*this);
    if (!window)
        return;
    m_propertyWindow = window;
    // Its top-right corner meets the bottom-right corner of the tool bar.
    window->adjustSize();
    QPoint corner(m_toolBar->contentsRect().width() - window->width(), m_toolBar->height());
    QPoint at = m_toolBar->mapToGlobal(corner);
    if (m_toolBar->isHidden())
        at.ry() -= m_toolBar->height();
    window->move(at);
    keepAboveMainWindow(window);
    window->show();
}

void MainWindow::togglePropertyWindow()
{
    if (m_propertyWindow)
        delete m_propertyWindow;
    else
        showPropertyWindow();
}

void MainWindow::setPrintWindowFactory(std::function<std::unique_ptr<QDialog>(MainWindow &)> factory)
{
    m_printFactory = std::move(factory);
}

void MainWindow::openPrintWindow(bool preview)
{
    if (!m_printFactory)
        return;
    m_printPreview = preview;
    // The main window comes back, and paints again, however the print window ends.
    struct Restore {
        MainWindow &w;
        ~Restore()
        {
            w.show();
            w.setUpdatesEnabled(true);
        }
    } restore{*this};
    setUpdatesEnabled(false);
    hide();
    if (std::unique_ptr<QDialog> window = m_printFactory(*this))
        window->exec();
}

} // namespace qm
