// The seal library and the emblem collection: the two side panels at the right edge of the main
// window, their tabs, and the commands that connect them with the documents.

#include "mainwindow/mainwindow.h"

#include "companions/glyphdepot/glyphdepot.h"
#include "controls/tabbutton.h"
#include "document/libraryfolder.h"
#include "document/libraryitem.h"
#include "library/libraryeditdialog.h"
#include "library/thumbnail.h"
#include "library/thumbnailcolumn.h"
#include "mainwindow/drawactions.h"
#include "mainwindow/statuspanels.h"
#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"
#include "page/overridecursor.h"
#include "page/updatesguard.h"
#include "seal/seal.h"

#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

const QString &libraryFolderName()
{
    static const QString name = u"我的印章库"_s;
    return name;
}

const QString &emblemFolderName()
{
    static const QString name = u"我的徽标库"_s;
    return name;
}

// One message for every file a fill could not show, rather than a box per file.
QString unreadableFilesMessage(const QStringList &names)
{
    constexpr int Listed = 10;
    QString text = MainWindow::tr("以下文件无法读取，显示为空白缩略图：\r%1").arg(names.mid(0, Listed).join(u'\r'));
    if (names.size() > Listed)
        text += MainWindow::tr("\r……（共 %1 个文件）").arg(names.size());
    return text;
}

// The hourglass and the progress display for a long library operation, both put away however it
// ends.
class LibraryWork
{
public:
    LibraryWork(ProgressDisplay &progress, int maximum) : m_cursor(QCursor(Qt::WaitCursor)), m_hider(progress)
    {
        progress.showText(MainWindow::tr("正在载入："));
        progress.setMaximum(maximum);
        progress.setPosition(0);
    }

private:
    OverrideCursorGuard m_cursor;
    ProgressHider m_hider;
};

} // namespace

void MainWindow::createSidePanels()
{
    const int p = logicalDpiX();
    auto *row = static_cast<QBoxLayout *>(centralWidget()->layout());

    m_emblemColumn = new ThumbnailColumn(p, ThumbnailColumn::PressRule::LeftButtonOnly, tr("徽标集"), centralWidget());
    m_emblemColumn->setObjectName(u"ScrollBox1"_s);
    m_emblemColumn->hide();
    connect(m_emblemColumn, &ThumbnailColumn::thumbnailDoubleClicked, this, &MainWindow::applyEmblem);
    row->addWidget(m_emblemColumn);

    m_libraryPanel = new QWidget(centralWidget());
    m_libraryPanel->setAccessibleName(tr("印章库面板"));
    auto *stack = new QVBoxLayout(m_libraryPanel);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    m_librarySearch = new QLineEdit(m_libraryPanel);
    m_librarySearch->setObjectName(u"LibrarySearch"_s);
    m_librarySearch->setPlaceholderText(tr("查找印章"));
    m_librarySearch->setAccessibleName(tr("查找印章"));
    m_librarySearch->setToolTip(tr("按章名查找印章"));
    m_librarySearch->setClearButtonEnabled(true);
    // The column decides the panel's width; the box's clear button must not widen it.
    m_librarySearch->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    stack->addWidget(m_librarySearch);
    m_libraryColumn =
        new ThumbnailColumn(p * 6 / 5, ThumbnailColumn::PressRule::EveryButton, tr("印章库"), m_libraryPanel);
    m_libraryColumn->setObjectName(u"ScrollBox2"_s);
    m_libraryColumn->setThumbnailMenu(libraryMenu());
    m_libraryColumn->setDragEnabled(true);
    stack->addWidget(m_libraryColumn, 1);
    m_libraryPanel->hide();
    row->addWidget(m_libraryPanel);
    connect(m_librarySearch, &QLineEdit::textChanged, m_libraryColumn, &ThumbnailColumn::setFilter);
    connect(m_libraryColumn, &ThumbnailColumn::selectionChanged, this, &MainWindow::updateCommandStates);
    connect(m_libraryColumn, &ThumbnailColumn::thumbnailDoubleClicked, this, [this](Thumbnail *thumbnail) {
        if (m_libraryColumn->selectedThumbnail() != thumbnail)
            m_libraryColumn->selectThumbnail(thumbnail);
        insertLibrarySeal();
    });

    for (TabButton *tab : m_tabs)
        connect(tab, &TabButton::mouseUp, this, [this, tab] { tabReleased(tab); });
}

void MainWindow::tabReleased(TabButton *tab)
{
    const bool down = tab->buttonState() == ButtonState::bsDown;
    const bool emblems = tab == m_tabs[0];
    // Filled before it shows, so that the column is not repainted thumbnail by thumbnail.
    QStringList unreadable;
    if (down && emblems && !m_emblemsLoaded)
        unreadable = fillEmblemColumn();
    else if (down && !emblems && !m_libraryLoaded)
        unreadable = fillLibraryColumn();
    {
        const UpdatesGuard frozen(this);
        if (down) {
            TabButton *other = emblems ? m_tabs[1] : m_tabs[0];
            other->setButtonState(ButtonState::bsUp);
        }
        layoutTabs();
        m_emblemColumn->setVisible(m_tabs[0]->buttonState() == ButtonState::bsDown);
        m_libraryPanel->setVisible(m_tabs[1]->buttonState() == ButtonState::bsDown);
    }
    // Named once, beside the panel that shows them.
    if (!unreadable.isEmpty())
        m_dialogs.message(this, QMessageBox::Warning, unreadableFilesMessage(unreadable));
}

QStringList MainWindow::fillEmblemColumn()
{
    const int count = std::max(0, int(GetPictureCount()));
    const QStringList files = listFolderFiles(workFolder(emblemFolderName()), emblemExtensions());
    QStringList failed;
    {
        const LibraryWork work(*m_progress, count + int(files.size()));
        const UpdatesGuard frozen(m_emblemColumn);
        m_emblemColumn->clear();
        for (int i = 0; i < count; ++i) {
            const QString number = QString::number(i);
            GifPicture thumbnail;
            if (!LoadAPicture(thumbnail, u'A' + number))
                failed.append(u'A' + number);
            m_emblemColumn->appendThumbnail(u'B' + number, thumbnail.image(), false, tr("徽标 %1").arg(i + 1));
            m_progress->advance(1);
        }
        const int size = m_emblemColumn->thumbnailSize();
        for (const QString &path : files) {
            const QImage picture = emblemFileThumbnail(path, size);
            if (picture.isNull())
                failed.append(QFileInfo(path).fileName());
            m_emblemColumn->appendThumbnail(path, picture, true, QFileInfo(path).fileName());
            m_progress->advance(1);
        }
        m_emblemsLoaded = true;
    }
    return failed;
}

QStringList MainWindow::fillLibraryColumn()
{
    const QStringList files = listFolderFiles(workFolder(libraryFolderName()), libraryExtensions());
    QStringList failed;
    {
        const LibraryWork work(*m_progress, int(files.size()));
        const UpdatesGuard frozen(m_libraryColumn);
        m_libraryColumn->clear();
        for (const QString &path : files) {
            if (appendLibraryThumbnail(path)->picture().isNull())
                failed.append(QFileInfo(path).fileName());
            m_progress->advance(1);
        }
        m_libraryLoaded = true;
    }
    updateCommandStates();
    return failed;
}

Thumbnail *MainWindow::appendLibraryThumbnail(const QString &path)
{
    Thumbnail *thumbnail = m_libraryColumn->appendThumbnail(
        path, libraryEntryThumbnail(path, m_libraryColumn->thumbnailSize()), true, libraryEntryName(path));
    // A new entry that the search leaves out stays hidden until the search is changed.
    if (!m_librarySearch->text().isEmpty())
        m_libraryColumn->setFilter(m_librarySearch->text());
    return thumbnail;
}

void MainWindow::addSelectionToLibrary()
{
    DocumentWindow *child = activeDocument();
    if (!child || child->busy() || child->selection().empty())
        return;
    const QString folder = workFolder(libraryFolderName());
    QString proposed;
    QString path;
    for (;;) {
        const std::optional<QString> name = m_dialogs.libraryEntryName(this, proposed);
        if (!name)
            return;
        proposed = *name;
        if (name->isEmpty()) {
            m_dialogs.message(this, QMessageBox::Information, tr("请给印章提供一个名字！"));
            continue;
        }
        if (const QString refusal = libraryNameRefusal(*name); !refusal.isEmpty()) {
            m_dialogs.message(this, QMessageBox::Warning, refusal);
            continue;
        }
        // Names are compared without regard to case; an existing entry keeps its own file.
        const QString existing = findLibraryEntry(folder, *name);
        if (existing.isEmpty()) {
            path = QDir(folder).filePath(newLibraryEntryFileName(*name));
            break;
        }
        if (m_dialogs.message(this, QMessageBox::Question, tr("章名< %1 >已存在，\r是否覆盖？").arg(*name),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            path = existing;
            break;
        }
        proposed = libraryEntryName(existing);
    }

    DocumentResult result;
    {
        const OverrideCursorGuard wait(QCursor(Qt::WaitCursor));
        result = saveLibraryItem(path, child->selection(), *m_progress);
    }
    if (!result.ok()) {
        // The column stays as it was: nothing new is on disk.
        m_dialogs.message(this, QMessageBox::Critical, result.message());
        return;
    }
    if (!m_libraryLoaded)
        return;
    if (Thumbnail *thumbnail = m_libraryColumn->thumbnailWithCaption(path)) {
        thumbnail->setPicture(libraryEntryThumbnail(path, m_libraryColumn->thumbnailSize()));
        thumbnail->update();
    } else {
        appendLibraryThumbnail(path);
    }
}

void MainWindow::editLibrary()
{
    QWidget *owner = this;
    LibraryEditPrompts prompts;
    prompts.ask = [this, &owner](const QString &text) {
        return m_dialogs.message(owner, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    prompts.tell = [this, &owner](const QString &text) { m_dialogs.message(owner, QMessageBox::Warning, text); };
    LibraryEditDialog dialog(workFolder(libraryFolderName()), std::move(prompts), this);
    owner = &dialog;
    m_dialogs.runLibraryEditor(dialog);
    // However the dialog was closed, deleted entries leave no thumbnail behind.
    if (m_libraryLoaded) {
        const UpdatesGuard frozen(this);
        m_libraryColumn->keepOnly(dialog.remainingPaths());
    }
    updateCommandStates();
}

void MainWindow::insertLibrarySeal()
{
    DocumentWindow *child = activeDocument();
    const Thumbnail *thumbnail = m_libraryColumn->selectedThumbnail();
    if (!child || !thumbnail || child->busy())
        return;
    const DocumentResult result = child->insertLibraryItem(thumbnail->caption(), *m_progress);
    if (!result.ok())
        m_dialogs.message(this, QMessageBox::Warning, result.message());
}

void MainWindow::deleteLibrarySeal()
{
    Thumbnail *thumbnail = m_libraryColumn->selectedThumbnail();
    if (!thumbnail)
        return;
    if (m_dialogs.message(this, QMessageBox::Question, tr("确实要永久删除该模板印章吗？"),
                          QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const QString path = thumbnail->caption();
    // A file another program already removed is gone all the same.
    if (!QFile::remove(path) && QFileInfo::exists(path)) {
        m_dialogs.message(this, QMessageBox::Warning, tr("无法删除文件：\r%1").arg(QFileInfo(path).fileName()));
        return;
    }
    {
        const UpdatesGuard frozen(this);
        m_libraryColumn->removeThumbnail(thumbnail);
    }
    updateCommandStates();
}

QByteArray MainWindow::emblemBytes(const Thumbnail &thumbnail, QString *refusal) const
{
    if (thumbnail.pictureFromFile())
        return emblemFilePictureBytes(thumbnail.caption(), refusal);
    GifPicture picture;
    if (!LoadAPicture(picture, thumbnail.caption()) || picture.bytes().isEmpty()) {
        *refusal = tr("找不到内置徽标“%1”。").arg(thumbnail.caption());
        return {};
    }
    return picture.bytes();
}

void MainWindow::applyEmblem(Thumbnail *thumbnail)
{
    if (!thumbnail)
        return;
    // The placing mode reads the selected thumbnail.
    if (m_emblemColumn->selectedThumbnail() != thumbnail)
        m_emblemColumn->selectThumbnail(thumbnail);
    DocumentWindow *child = activeDocument();
    if (child && child->busy())
        return;
    Seal *seal = child ? child->currentSeal() : nullptr;
    if (!seal || !carriesEmblem(seal->SealType())) {
        // Armed, not toggled: a second double-click leaves the mode on. Without a document the
        // placing commands are disabled and nothing happens.
        if (checkedDrawAction() != Tool::EmblemPicture)
            triggerDrawAction(Tool::EmblemPicture);
        return;
    }
    QString refusal;
    const QByteArray bytes = emblemBytes(*thumbnail, &refusal);
    if (bytes.isEmpty()) {
        m_dialogs.message(this, QMessageBox::Warning, refusal + tr("\r印章的图符没有改变。"));
        return;
    }
    giveEmblem(*child, *seal, bytes, thumbnail->entryName(), std::nullopt);
}

QByteArray MainWindow::emblemPicture()
{
    const Thumbnail *thumbnail = m_emblemColumn->selectedThumbnail();
    if (!thumbnail)
        return {};
    QString refusal;
    QByteArray bytes = emblemBytes(*thumbnail, &refusal);
    if (bytes.isEmpty())
        reportPictureError(refusal);
    return bytes;
}

QString MainWindow::libraryItemFormat() const
{
    return libraryItemMimeType();
}

} // namespace qm
