#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QLockFile;
class QWidget;

namespace qm {

class DocumentWindow;
class MainWindow;
class UserDialogs;

// A document copy left behind by a session that did not end cleanly.
struct RecoverableCopy {
    QString copyFile;     // the .dyz in that session's folder
    QString caption;      // the caption of its window then
    QString originalFile; // the file Save wrote to; empty for an untitled document
    QDateTime time;       // when the copy was written
    int sealCount = 0;
};

enum class RecoveryChoice { Keep, Open, Discard };

// One choice per copy; a copy without a choice is kept.
using RecoveryQuestion =
    std::function<std::vector<RecoveryChoice>(QWidget *parent, const std::vector<RecoverableCopy> &copies)>;

struct AutosaveOptions {
    // Where every session keeps its copies, one folder each ("recovery" under the data folder).
    QString recoveryFolder;
    // Between two autosaves; zero or less for none.
    std::chrono::milliseconds interval{0};
    // Which of the copies to open, keep or discard; all are kept without it.
    RecoveryQuestion askRecovery;
};

// Keeps a copy of every modified document in a folder of this session, so that a crash loses
// at most one interval of work, and offers the copies of crashed sessions at the next start.
//
// The copies are taken on the GUI thread as snapshots and written on a worker thread, in the
// order asked; the worker never sees a document. A session's folder is locked while it runs,
// so that a second instance neither writes into it nor offers its copies.
class Autosave : public QObject
{
    Q_OBJECT

public:
    Autosave(MainWindow &window, UserDialogs &dialogs, AutosaveOptions options);
    // Copies of documents still open stay for the next start; an empty folder goes.
    ~Autosave() override;

    // This session's folder; empty when autosave is off or the folder could not be locked.
    const QString &sessionFolder() const { return m_session; }
    // The timer's work: writes each modified document that changed since its last copy.
    void autosaveNow();
    // Returns when every write and removal asked for so far is done.
    void waitForWrites();
    // Lists the copies of sessions that ended without cleaning up, reports and moves aside
    // those that cannot be read (into "damaged"), and opens, keeps or discards the others as
    // the user chooses. An opened copy becomes a modified document with its original file.
    void offerRecovery();

private:
    struct Tracked {
        int id = 0;
        quint64 changes = 1; // grows with every step, undo, redo and save
        quint64 written = 0; // changes when the copy was taken
        bool hasCopy = false;
    };
    struct EndedSession;

    Tracked &track(DocumentWindow &child);
    Tracked *tracked(const QObject *child);
    QString copyBase(int id) const;
    void writeCopy(DocumentWindow &child, Tracked &t);
    void removeCopy(Tracked &t);
    void reportFailure(const QString &why);
    std::vector<EndedSession> claimEndedSessions() const;
    bool openCopy(const RecoverableCopy &copy, const QByteArray &bytes);

    MainWindow &m_window;
    UserDialogs &m_dialogs;
    AutosaveOptions m_options;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    std::map<const QObject *, Tracked> m_tracked;
    int m_lastId = 0;
    QTimer m_timer;
    // One thread: a removal never overtakes the write before it.
    QThreadPool m_pool;
};

} // namespace qm
