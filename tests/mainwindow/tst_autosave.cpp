// Autosave copies and recovery in one process: a session "ends badly" when its autosave is
// destroyed while its documents are still open. The killed program is tests/app's.

#include "mainwindowtesting.h"

#include "mainwindow/autosave.h"
#include "mainwindow/wallpapermdiarea.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <chrono>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Answers the recovery question from a script and keeps what it was shown.
struct RecoveryScript {
    std::vector<RecoveryChoice> answers;
    std::vector<RecoverableCopy> shown;
    int asked = 0;
};

struct Session {
    Session(Start &s, const QString &recovery, RecoveryScript &script)
        : autosave(s.show(), s.dialogs,
                   {recovery, std::chrono::hours(1), [&script](QWidget *, const std::vector<RecoverableCopy> &copies) {
                        ++script.asked;
                        script.shown = copies;
                        return script.answers;
                    }})
    {
    }
    QStringList tick()
    {
        autosave.autosaveNow();
        autosave.waitForWrites();
        QStringList files;
        for (const QFileInfo &info : QDir(autosave.sessionFolder()).entryInfoList({u"*.dyz"_s}, QDir::Files))
            files.append(info.absoluteFilePath());
        return files;
    }
    Autosave autosave;
};

QJsonObject sidecar(const QString &copy)
{
    QFile f(copy.chopped(4) + u".json"_s);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

} // namespace

class TestAutosave : public QObject
{
    Q_OBJECT

private slots:
    // A modified document is copied when it changed since its last copy; saving it and closing
    // it unsaved take the copy away.
    void copyFollowsTheDocument()
    {
        Start s;
        RecoveryScript script;
        Session session(s, s.path(u"recovery"_s), script);
        MainWindow &w = *s.window;
        w.fileNew();
        DocumentWindow &child = *w.activeDocument();
        QVERIFY(session.tick().isEmpty()); // nothing to lose yet
        addSeal(child, 40);
        addSeal(child, 90);
        QStringList copies = session.tick();
        QCOMPARE(copies.size(), 1);
        QCOMPARE(sealsInFile(copies[0]), 2);
        QCOMPARE(sidecar(copies[0]).value(u"caption"_s).toString(), u"文件1.dyz"_s);
        QCOMPARE(sidecar(copies[0]).value(u"seals"_s).toInt(), 2);
        // Unchanged since: not written again.
        QVERIFY(QFile::remove(copies[0]));
        QVERIFY(session.tick().isEmpty());
        addSeal(child, 140);
        QCOMPARE(sealsInFile(session.tick().value(0)), 3);

        const QString file = s.path(u"a.dyz"_s);
        s.dialogs.files.push_back(file);
        QVERIFY(w.fileSave());
        QVERIFY(session.tick().isEmpty());
        addSeal(child, 160);
        QCOMPARE(sidecar(session.tick().value(0)).value(u"file"_s).toString(), file);
        s.dialogs.answers = {QMessageBox::No};
        w.mdiArea()->closeAllSubWindows();
        flushDeletes();
        QVERIFY(session.tick().isEmpty());
        QCOMPARE(sealsInFile(file), 3); // never written by autosave
    }

    // Kept copies come again at the next start until discarded; an untitled one opens untitled
    // and modified; the copies of a session that still runs are never offered.
    void keptUntilDiscarded()
    {
        Start first;
        const QString recovery = first.path(u"recovery"_s);
        RecoveryScript script;
        {
            Session session(first, recovery, script);
            for (int seals : {1, 2}) {
                first.window->fileNew();
                for (int i = 0; i < seals; ++i)
                    addSeal(*first.window->activeDocument(), float(40 + 50 * i));
            }
            QCOMPARE(session.tick().size(), 2);
        }
        const QString running = QDir(recovery).filePath(u"1-running"_s);
        QVERIFY(QDir().mkpath(running));
        QLockFile runningLock(QDir(running).filePath(u"lock"_s));
        QVERIFY(runningLock.tryLock(0));
        QFile runningCopy(QDir(running).filePath(u"1.dyz"_s));
        QVERIFY(runningCopy.open(QIODevice::WriteOnly));

        Start second;
        {
            Session session(second, recovery, script);
            script.answers = {RecoveryChoice::Keep, RecoveryChoice::Discard};
            session.autosave.offerRecovery();
            QCOMPARE(script.shown.size(), size_t(2));
            QCOMPARE(script.shown[0].caption, u"文件1.dyz"_s);
            QCOMPARE(script.shown[1].caption, u"文件2.dyz"_s);
            QCOMPARE(script.shown[1].sealCount, 2);
            QVERIFY(second.window->documentWindows().isEmpty());
        }

        Start third;
        Session session(third, recovery, script);
        script.answers = {RecoveryChoice::Open};
        session.autosave.offerRecovery();
        QCOMPARE(script.shown.size(), size_t(1));
        const DocumentWindow *child = third.window->activeDocument();
        QCOMPARE(MainWindow::caption(child), u"文件1.dyz"_s);
        QVERIFY(child->document().isModified());
        QCOMPARE(child->document().sealCount(), 1);
        QVERIFY(runningCopy.exists());
        QVERIFY(second.dialogs.messages.empty() && third.dialogs.messages.empty());
    }

    // A copy that cannot be read is reported and moved aside, never offered and never lost.
    // A recovery folder that cannot be made leaves autosave off, and the status bar says so.
    void offWithoutItsFolder()
    {
        Start s;
        const QString blocked = s.path(u"recovery"_s);
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        RecoveryScript script;
        Session session(s, blocked, script);
        QVERIFY(session.autosave.sessionFolder().isEmpty());
        QVERIFY(s.window->statusText(4).startsWith(u"自动保存已关闭"_s));
    }

    void damagedCopyIsMovedAside_data()
    {
        QTest::addColumn<bool>("asideBlocked");
        QTest::newRow("moved aside") << false;
        // A file where the folder for damaged copies would go: the copy stays and says so.
        QTest::newRow("aside blocked") << true;
    }
    void damagedCopyIsMovedAside()
    {
        QFETCH(bool, asideBlocked);
        Start s;
        const QString recovery = s.path(u"recovery"_s);
        const QString ended = QDir(recovery).filePath(u"7-ended"_s);
        QVERIFY(QDir().mkpath(ended));
        if (asideBlocked) {
            QFile block(QDir(recovery).filePath(u"damaged"_s));
            QVERIFY(block.open(QIODevice::WriteOnly));
        }
        const QByteArray damaged("\x00\x00\x00\x41 not a document", 20);
        QFile copy(QDir(ended).filePath(u"1.dyz"_s));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(damaged) == damaged.size());
        copy.close();
        QFile meta(QDir(ended).filePath(u"1.json"_s));
        QVERIFY(meta.open(QIODevice::WriteOnly));
        meta.write(QJsonDocument(QJsonObject{{u"caption"_s, u"合同章.dyz"_s}}).toJson());
        meta.close();

        RecoveryScript script;
        Session session(s, recovery, script);
        session.autosave.offerRecovery();
        QCOMPARE(script.asked, 0);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages[0].icon, QMessageBox::Warning);
        QVERIFY(s.dialogs.messages[0].text.endsWith(u"：\r合同章.dyz"_s));
        QCOMPARE(s.dialogs.messages[0].text.contains(u"仍留在原处"_s), asideBlocked);
        QFile kept(asideBlocked ? copy.fileName() : QDir(recovery).filePath(u"damaged/7-ended-1.dyz"_s));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
        QCOMPARE(QFileInfo::exists(ended), asideBlocked);
    }
};

} // namespace qm

QTEST_MAIN(qm::TestAutosave)
#include "tst_autosave.moc"
