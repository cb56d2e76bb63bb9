// The main window's document commands: new, open, save, save as, close and exit.

#include "shell/mainwindow/tfrmmain.h"

#include "document/documentfile.h"
#include "page/tfrmchild.h"
#include "shell/mainwindow/configuration.h"
#include "shell/mainwindow/statuspanels.h"
#include "shell/mainwindow/userdialogs.h"
#include "shell/mainwindow/wallpapermdiarea.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

const QString &documentFilter()
{
    // Files copied from the original platform may carry the suffix in capitals.
    static const QString filter = u"Quillmark 印章文件(*.dyz *.DYZ)"_s;
    return filter;
}

} // namespace

QList<TfrmChild *> TfrmMain::documentWindows() const
{
    QList<TfrmChild *> windows;
    for (QMdiSubWindow *w : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto *child = qobject_cast<TfrmChild *>(w->widget()))
            windows.append(child);
    return windows;
}

TfrmChild *TfrmMain::activeDocument() const
{
    // The current window stays the target while a tool window (the property window) or
    // another program has the focus.
    QMdiSubWindow *w = m_mdi->currentSubWindow();
    return w ? qobject_cast<TfrmChild *>(w->widget()) : nullptr;
}

QMdiSubWindow *TfrmMain::subWindowOf(const TfrmChild *child) const
{
    for (QMdiSubWindow *w : m_mdi->subWindowList())
        if (w->widget() == child)
            return w;
    return nullptr;
}

QString TfrmMain::caption(const TfrmChild *child)
{
    return child ? child->windowTitle() : QString();
}

bool TfrmMain::isUntitled(const QString &caption)
{
    // A document with a file is captioned with its absolute path.
    return caption.startsWith(u"文件"_s) && !QFileInfo(caption).isAbsolute();
}

TfrmChild *TfrmMain::NewDocumentWindow(const QString &caption)
{
    auto *child = new TfrmChild(*this, logicalDpiX());
    child->setWindowTitle(caption);
    QMdiSubWindow *window = m_mdi->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(QIcon(u":/quillmark/icons/document.svg"_s));
    const QSize area = m_mdi->viewport()->size();
    window->resize(std::max(320, area.width() * 3 / 4), std::max(240, area.height() * 3 / 4));
    connect(child, &QObject::destroyed, this, &TfrmMain::documentCountChanged, Qt::QueuedConnection);
    window->show();
    m_mdi->setActiveSubWindow(window);
    documentCountChanged();
    return child;
}

void TfrmMain::documentCountChanged()
{
    const bool any = !m_mdi->subWindowList().isEmpty();
    for (const QString &name :
         {u"WindowCascade1"_s, u"WindowTileHorizontal1"_s, u"WindowTileVertical1"_s, u"WindowMinimizeAll1"_s,
          u"WindowArrange1"_s, u"WindowClose1"_s, u"WindowsCloseAll"_s, u"actFileSave"_s, u"actFileSaveAs"_s})
        action(name)->setEnabled(any);
    if (!any && !m_programFolder.isEmpty()) {
        setStatusText(2, u"文件状态：无文件"_s);
        setStatusText(3, u"已画图形："_s);
        emit activeDocumentChanged(nullptr);
    }
}

void TfrmMain::subWindowActivated(QMdiSubWindow *window)
{
    // None while windows remain: only the main window lost the focus.
    if (!window && !m_mdi->subWindowList().isEmpty())
        return;
    TfrmChild *child = window ? qobject_cast<TfrmChild *>(window->widget()) : nullptr;
    if (child == m_activeChild)
        return;
    if (m_activeChild)
        m_activeChild->FormDeactivate();
    m_activeChild = child;
    if (child)
        child->FormActivate();
    emit activeDocumentChanged(child);
}

void TfrmMain::FileNew()
{
    const QString caption = u"文件"_s + QString::number(m_mdi->subWindowList().size() + 1) + u".dyz"_s;
    TfrmChild *child = NewDocumentWindow(caption);
    child->InitPageFromPrinter();
    child->ZoomPage(m_zoomChoice);
    child->SetDocumentStatus();
    ShowPropertyWindow();
}

void TfrmMain::FileOpen()
{
    const QString fileName = m_dialogs.openFileName(this, workFolder(u"我的印章"_s), documentFilter());
    if (!fileName.isEmpty())
        openChosenFile(fileName);
}

TfrmChild *TfrmMain::openChosenFile(const QString &fileName)
{
    for (TfrmChild *child : documentWindows()) {
        if (caption(child) == fileName) {
            m_mdi->setActiveSubWindow(subWindowOf(child));
            m_dialogs.message(this, QMessageBox::Information, u"该文件已经打开！看见了吧^_^"_s, QMessageBox::Yes);
            return child;
        }
    }
    return OpenDocumentFile(fileName);
}

TfrmChild *TfrmMain::OpenDocumentFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        m_dialogs.message(this, QMessageBox::Warning, u"文件不存在！"_s);
        m_config.removeRecentFile(fileName);
        return nullptr;
    }
    const QString path = info.absoluteFilePath();
    TfrmChild *child = NewDocumentWindow(path);
    const DocumentResult result = OpenDocument(path, child->document(), *m_progress);
    if (!result.ok()) {
        // Nothing was read into it: the window closes without a question.
        if (QMdiSubWindow *window = subWindowOf(child))
            window->close();
        m_dialogs.message(this, QMessageBox::Information, result.message());
        return nullptr;
    }
    child->document().clearHistory();
    child->ZoomPage(m_zoomChoice);
    child->SetDocumentStatus();
    m_config.addRecentFile(path);
    ShowPropertyWindow();
    return child;
}

bool TfrmMain::FileSave()
{
    TfrmChild *child = activeDocument();
    return child && saveChild(*child);
}

bool TfrmMain::FileSaveAs()
{
    TfrmChild *child = activeDocument();
    return child && saveChildAs(*child);
}

bool TfrmMain::saveChild(TfrmChild &child)
{
    const QString name = caption(&child);
    if (isUntitled(name))
        return saveChildAs(child);
    return writeChild(child, name);
}

bool TfrmMain::saveChildAs(TfrmChild &child)
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
    if (!writeChild(child, fileName))
        return false;
    // The window is the new file's from now on: a later Save writes there.
    child.setWindowTitle(fileName);
    return true;
}

bool TfrmMain::writeChild(TfrmChild &child, const QString &fileName)
{
    const DocumentResult result = child.document().save(fileName, *m_progress);
    if (!result.ok()) {
        // The document stays open and modified; the user can save it elsewhere.
        m_dialogs.message(this, QMessageBox::Critical, result.message());
        return false;
    }
    m_config.addRecentFile(fileName);
    setStatusText(2, u"文件状态：已保存"_s);
    return true;
}

PageHost::SaveAnswer TfrmMain::askSaveOnClose(TfrmChild &child)
{
    if (QMdiSubWindow *window = subWindowOf(&child))
        m_mdi->setActiveSubWindow(window);
    const auto answer =
        m_dialogs.message(this, QMessageBox::Question, u"当前文件尚未保存或者已被修改，是否\r保存（修改后的）文件？"_s,
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

bool TfrmMain::closeAllDocuments()
{
    QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (!(*it)->close())
            return false; // cancelled: the remaining windows stay open
    return true;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (!closeAllDocuments()) {
        event->ignore();
        return;
    }
    delete m_propertyWindow;
    event->accept();
}

void TfrmMain::setPropertyWindowFactory(std::function<QWidget *(TfrmMain &)> factory)
{
    m_propertyFactory = std::move(factory);
}

void TfrmMain::ShowPropertyWindow()
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
    window->show();
}

void TfrmMain::togglePropertyWindow()
{
    if (m_propertyWindow)
        delete m_propertyWindow;
    else
        ShowPropertyWindow();
}

void TfrmMain::setPrintWindowFactory(std::function<std::unique_ptr<QDialog>(TfrmMain &)> factory)
{
    m_printFactory = std::move(factory);
}

void TfrmMain::OpenPrintWindow(bool preview)
{
    if (!m_printFactory)
        return;
    m_printPreview = preview;
    // The main window comes back, and paints again, however the print window ends.
    struct Restore {
        TfrmMain &w;
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
