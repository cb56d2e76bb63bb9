#include "mainwindow/autosave.h"

#include "document/atomicsave.h"
#include "document/documentfile.h"
#include "document/documentsnapshot.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/userdialogs.h"
#include "page/documentwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMdiSubWindow>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

const QString LockName = u"lock"_s;
const QString DamagedName = u"damaged"_s;

QString sidecarOf(const QString &copyFile)
{
    return copyFile.chopped(4) + u".json"_s;
}

std::unique_ptr<QLockFile> lockOf(const QString &folder)
{
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(LockName));
    // A running session holds its lock for hours: only a dead owner makes it stale.
    lock->setStaleLockTime(0);
    return lock;
}

bool holdsCopies(const QString &folder)
{
    return !QDir(folder).entryList({u"*.dyz"_s}, QDir::Files).isEmpty();
}

} // namespace

struct Autosave::EndedSession {
    QString folder;
    std::unique_ptr<QLockFile> lock;
};

Autosave::Autosave(MainWindow &window, UserDialogs &dialogs, AutosaveOptions options)
    : m_window(window), m_dialogs(dialogs), m_options(std::move(options))
{
    m_pool.setMaxThreadCount(1);
    if (m_options.interval.count() <= 0)
        return;
    // The process number tells running sessions apart; the start time a later one with the same number.
    const QString name = QString::number(QCoreApplication::applicationPid()) + u'-' +
                         QDateTime::currentDateTimeUtc().toString(u"yyyyMMdd-HHmmss-zzz"_s);
    const QString folder = QDir(m_options.recoveryFolder).filePath(name);
    if (!QDir().mkpath(folder)) {
        // Working on without copies is the user's call, but not without knowing it.
        m_window.setStatusText(4, tr("自动保存已关闭：无法创建文件夹%1").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_lock = lockOf(folder);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return;
    }
    m_session = folder;
    m_timer.setInterval(m_options.interval);
    connect(&m_timer, &QTimer::timeout, this, &Autosave::autosaveNow);
    m_timer.start();
}

Autosave::~Autosave()
{
    m_timer.stop();
    m_pool.waitForDone();
    if (m_session.isEmpty())
        return;
    m_lock->unlock();
    if (!holdsCopies(m_session))
        QDir(m_session).removeRecursively();
}

Autosave::Tracked *Autosave::tracked(const QObject *child)
{
    auto it = m_tracked.find(child);
    return it == m_tracked.end() ? nullptr : &it->second;
}

Autosave::Tracked &Autosave::track(DocumentWindow &child)
{
    if (Tracked *t = tracked(&child))
        return *t;
    Tracked &t = m_tracked[&child];
    t.id = ++m_lastId;
    const QObject *key = &child;
    QUndoStack &stack = child.document().undoStack();
    connect(&stack, &QUndoStack::indexChanged, this, [this, key] {
        if (Tracked *t = tracked(key))
            ++t->changes;
    });
    // Saved: the file holds it now. Made untitled: the copy must say so.
    connect(&stack, &QUndoStack::cleanChanged, this, [this, key](bool clean) {
        if (Tracked *t = tracked(key)) {
            ++t->changes;
            if (clean)
                removeCopy(*t);
        }
    });
    // Closed without saving: the user let it go.
    connect(&child, &QObject::destroyed, this, [this, key] {
        if (Tracked *t = tracked(key)) {
            removeCopy(*t);
            m_tracked.erase(key);
        }
    });
    return t;
}

QString Autosave::copyBase(int id) const
{
    return QDir(m_session).filePath(QString::number(id));
}

void Autosave::autosaveNow()
{
    if (m_session.isEmpty())
        return;
    for (DocumentWindow *child : m_window.documentWindows()) {
        Tracked &t = track(*child);
        if (!child->document().isModified())
            removeCopy(t);
        else if (!t.hasCopy || t.written != t.changes)
            writeCopy(*child, t);
    }
}

void Autosave::writeCopy(DocumentWindow &child, Tracked &t)
{
    // Only this copy of the values leaves the GUI thread.
    auto snapshot = std::make_shared<const DocumentSnapshot>(child.document());
    const int sealCount = snapshot->sealCount();
    const QString caption = MainWindow::caption(&child);
    const QJsonObject sidecar{{u"caption"_s, caption},
                              {u"file"_s, MainWindow::isUntitled(caption) ? QString() : caption},
                              {u"time"_s, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                              {u"seals"_s, sealCount}};
    const QByteArray meta = QJsonDocument(sidecar).toJson();
    const QString base = copyBase(t.id);
    t.written = t.changes;
    t.hasCopy = true;
    // Moved, so that the worker frees the snapshot, not this thread.
    m_pool.start([this, snapshot = std::move(snapshot), meta, base] {
        DocumentResult result;
        SaveOutcome saved = saveAtomically(base + u".dyz"_s, [&](QIODevice &out) {
            result = snapshot->write(out);
            return result.ok();
        });
        // The description goes second: a copy never names a document it does not hold.
        if (saved.ok())
            saved = saveAtomically(sidecarOf(base + u".dyz"_s),
                                   [&](QIODevice &out) { return out.write(meta) == meta.size(); });
        if (!saved.ok()) {
            const QString why = saved.error == SaveError::ContentFailed ? result.message() : saved.detail;
            QMetaObject::invokeMethod(
                this, [this, why] { reportFailure(why); }, Qt::QueuedConnection);
        }
    });
}

void Autosave::reportFailure(const QString &why)
{
    // Nothing the user did failed: the status bar says so without stopping the work.
    m_window.setStatusText(4, tr("自动保存失败：%1").arg(why));
}

void Autosave::removeCopy(Tracked &t)
{
    if (!t.hasCopy)
        return;
    t.hasCopy = false;
    const QString copy = copyBase(t.id) + u".dyz"_s;
    m_pool.start([copy] {
        QFile::remove(copy);
        QFile::remove(sidecarOf(copy));
    });
}

void Autosave::waitForWrites()
{
    m_pool.waitForDone();
}

std::vector<Autosave::EndedSession> Autosave::claimEndedSessions() const
{
    std::vector<EndedSession> ended;
    const QString own = QFileInfo(m_session).fileName();
    const QFileInfoList folders =
        QDir(m_options.recoveryFolder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : folders) {
        if (info.fileName() == DamagedName || info.fileName() == own)
            continue;
        std::unique_ptr<QLockFile> lock = lockOf(info.absoluteFilePath());
        // Held by a session that runs now, or by another instance recovering it.
        if (!lock->tryLock(0))
            continue;
        ended.push_back({info.absoluteFilePath(), std::move(lock)});
    }
    return ended;
}

void Autosave::offerRecovery()
{
    std::vector<EndedSession> sessions = claimEndedSessions();
    std::vector<RecoverableCopy> copies;
    std::vector<QByteArray> contents;
    QStringList damaged;
    // Copies that could not be moved aside stay where they are and are named again next time.
    QStringList stuck;
    const QString damagedFolder = QDir(m_options.recoveryFolder).filePath(DamagedName);
    for (const EndedSession &session : sessions) {
        const QDir dir(session.folder);
        for (const QFileInfo &info : dir.entryInfoList({u"*.dyz"_s}, QDir::Files, QDir::Name)) {
            RecoverableCopy copy;
            copy.copyFile = info.absoluteFilePath();
            copy.caption = info.fileName();
            copy.time = info.lastModified();
            QFile sidecarFile(sidecarOf(copy.copyFile));
            if (sidecarFile.open(QIODevice::ReadOnly)) {
                const QJsonObject sidecar = QJsonDocument::fromJson(sidecarFile.read(64 * 1024)).object();
                copy.caption = sidecar.value(u"caption"_s).toString(copy.caption);
                copy.originalFile = sidecar.value(u"file"_s).toString();
                const QDateTime time = QDateTime::fromString(sidecar.value(u"time"_s).toString(), Qt::ISODateWithMs);
                if (time.isValid())
                    copy.time = time;
            }
            QByteArray bytes;
            SealDocument check;
            NoProgress progress;
            DocumentResult read = readDocumentFile(copy.copyFile, &bytes);
            if (read.ok())
                read = loadDocumentData(bytes, check, progress);
            if (!read.ok()) {
                // Kept where the user can look at it, out of the way of later starts.
                const QString aside = QDir(damagedFolder).filePath(dir.dirName() + u'-' + info.fileName());
                QDir().mkpath(damagedFolder);
                if (QFile::rename(copy.copyFile, aside)) {
                    QFile::rename(sidecarOf(copy.copyFile), sidecarOf(aside));
                    damaged.append(copy.caption);
                } else {
                    stuck.append(copy.caption);
                }
                continue;
            }
            copy.sealCount = check.sealCount();
            copies.push_back(copy);
            contents.push_back(bytes);
        }
    }
    if (!damaged.isEmpty())
        m_dialogs.message(&m_window, QMessageBox::Warning,
                          tr("以下文档的恢复副本无法读取，已移到“%1”：\r%2")
                              .arg(QDir::toNativeSeparators(damagedFolder), damaged.join(u'\r')));
    if (!stuck.isEmpty())
        m_dialogs.message(&m_window, QMessageBox::Warning,
                          tr("以下文档的恢复副本无法读取，也无法移到“%1”，仍留在原处：\r%2")
                              .arg(QDir::toNativeSeparators(damagedFolder), stuck.join(u'\r')));

    std::vector<RecoveryChoice> choices;
    if (!copies.empty() && m_options.askRecovery)
        choices = m_options.askRecovery(&m_window, copies);
    for (size_t i = 0; i < copies.size() && i < choices.size(); ++i) {
        const QString &file = copies[i].copyFile;
        if (choices[i] == RecoveryChoice::Discard ||
            (choices[i] == RecoveryChoice::Open && openCopy(copies[i], contents[i]))) {
            // An opened copy that was not taken into this session's folder goes: the document is open.
            if (QFileInfo::exists(file)) {
                QFile::remove(file);
                QFile::remove(sidecarOf(file));
            }
        }
    }
    for (EndedSession &session : sessions) {
        session.lock->unlock();
        if (!holdsCopies(session.folder))
            QDir(session.folder).removeRecursively();
    }
}

bool Autosave::openCopy(const RecoverableCopy &copy, const QByteArray &bytes)
{
    QString caption = copy.originalFile;
    if (caption.isEmpty() || !QFileInfo(caption).isAbsolute() || m_window.documentHolding(caption)) {
        // Untitled, or its file is open already: it stays untitled, under its old name when free.
        caption = m_window.untitledCaption();
        if (MainWindow::isUntitled(copy.caption) && copy.caption != caption) {
            bool taken = false;
            for (const DocumentWindow *child : m_window.documentWindows())
                taken = taken || MainWindow::caption(child) == copy.caption;
            if (!taken)
                caption = copy.caption;
        }
    }
    DocumentWindow *child = m_window.newDocumentWindow(caption);
    const DocumentResult result = loadDocumentData(bytes, child->document(), m_window.progress());
    if (!result.ok()) {
        if (QMdiSubWindow *frame = qobject_cast<QMdiSubWindow *>(child->parentWidget()))
            frame->close();
        m_dialogs.message(&m_window, QMessageBox::Information, result.message());
        return false;
    }
    SealDocument &document = child->document();
    document.clearHistory();
    // What it holds is in no file the user saved: closing asks.
    document.undoStack().resetClean();
    child->zoomPage(m_window.zoomChoice());
    child->showDocumentStatus();
    m_window.showPropertyWindow();
    m_window.updateCommandStates();
    if (!m_session.isEmpty()) {
        // The copy becomes this session's: no write needed until the document changes.
        Tracked &t = track(*child);
        const QString base = copyBase(t.id);
        if (QFile::rename(copy.copyFile, base + u".dyz"_s)) {
            QFile::rename(sidecarOf(copy.copyFile), base + u".json"_s);
            t.hasCopy = true;
            // A copy that names another caption is written again at the next tick.
            t.written = caption == copy.caption ? t.changes : 0;
        }
    }
    return true;
}

} // namespace qm
