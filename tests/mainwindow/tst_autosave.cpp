// Autosave copies and the recovery of a session that ended without cleaning up, in one
// process: a session is ended by destroying its autosave while its documents are still open.

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

AutosaveOptions autosaveOptions(const QString &recoveryFolder, RecoveryScript &script)
{
    AutosaveOptions o;
    o.recoveryFolder = recoveryFolder;
    // The tests tick by hand.
    o.interval = std::chrono::hours(1);
    o.askRecovery = [&script](QWidget *, const std::vector<RecoverableCopy> &copies) {
        ++script.asked;
        script.shown = copies;
        return script.answers;
    };
    return o;
}

QStringList copiesIn(const QString &folder)
{
    QStringList files;
    for (const QFileInfo &info : QDir(folder).entryInfoList({u"*.dyz"_s}, QDir::Files, QDir::Name))
        files.append(info.absoluteFilePath());
    return files;
}

QJsonObject sidecar(const QString &copy)
{
    QFile f(copy.chopped(4) + u".json"_s);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

void tick(Autosave &autosave)
{
    autosave.autosaveNow();
    autosave.waitForWrites();
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
        MainWindow &w = s.show();
        RecoveryScript script;
        Autosave autosave(w, s.dialogs, autosaveOptions(s.path(u"recovery"_s), script));
        const QString session = autosave.sessionFolder();
        QVERIFY(QFileInfo(session).isDir());
        w.fileNew();
        DocumentWindow &child = *w.activeDocument();
        tick(autosave);
        QVERIFY(copiesIn(session).isEmpty()); // nothing to lose yet

        addSeal(child, 40);
        addSeal(child, 90);
        tick(autosave);
        QStringList copies = copiesIn(session);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(sealsInFile(copies[0]), 2);
        QCOMPARE(sidecar(copies[0]).value(u"caption"_s).toString(), u"文件1.dyz"_s);
        QCOMPARE(sidecar(copies[0]).value(u"file"_s).toString(), QString());
        QCOMPARE(sidecar(copies[0]).value(u"seals"_s).toInt(), 2);

        // Unchanged since: not written again.
        QVERIFY(QFile::remove(copies[0]));
        tick(autosave);
        QVERIFY(copiesIn(session).isEmpty());
        addSeal(child, 140);
        tick(autosave);
        QCOMPARE(sealsInFile(copiesIn(session).value(0)), 3);

        const QString file = s.path(u"a.dyz"_s);
        s.dialogs.files.push_back(file);
        QVERIFY(w.fileSave());
        autosave.waitForWrites();
        QVERIFY(copiesIn(session).isEmpty());
        QCOMPARE(sealsInFile(file), 3); // the user's own file is untouched by autosave

        addSeal(child, 160);
        tick(autosave);
        QCOMPARE(sidecar(copiesIn(session).value(0)).value(u"file"_s).toString(), file);
        s.dialogs.answers = {QMessageBox::No};
        w.mdiArea()->closeAllSubWindows();
        flushDeletes();
        autosave.waitForWrites();
        QVERIFY(copiesIn(session).isEmpty());
        QCOMPARE(sealsInFile(file), 3);
    }

    // After a session ended with a document open, the next start opens its copy as a modified
    // document that saves to its own file; the copy lives on in the new session until then.
    void recoveredDocumentSavesToItsFile()
    {
        Start first;
        const QString recovery = first.path(u"recovery"_s);
        const QString file = first.path(u"a.dyz"_s);
        {
            SealDocument doc;
            NoProgress progress;
            QVERIFY(doc.save(file, progress).ok());
        }
        RecoveryScript script;
        {
            MainWindow &w = first.show();
            Autosave autosave(w, first.dialogs, autosaveOptions(recovery, script));
            addSeal(*w.openDocumentFile(file), 70);
            tick(autosave);
        }

        Start second;
        MainWindow &w = second.show();
        Autosave autosave(w, second.dialogs, autosaveOptions(recovery, script));
        script.answers = {RecoveryChoice::Open};
        autosave.offerRecovery();
        QCOMPARE(script.asked, 1);
        QCOMPARE(script.shown.size(), size_t(1));
        QCOMPARE(script.shown[0].caption, file);
        QCOMPARE(script.shown[0].originalFile, file);
        QCOMPARE(script.shown[0].sealCount, 1);
        QCOMPARE(w.documentWindows().size(), 1);
        DocumentWindow &child = *w.activeDocument();
        QCOMPARE(MainWindow::caption(&child), file);
        QVERIFY(child.document().isModified());
        QCOMPARE(child.document().sealCount(), 1);
        QCOMPARE(child.document().seals()[0]->RealCenterX(), 70.0f);
        // Taken over: the old session's folder is gone, the copy is in this one's.
        QCOMPARE(QDir(recovery).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        QCOMPARE(copiesIn(autosave.sessionFolder()).size(), 1);

        QVERIFY(w.fileSave());
        QVERIFY(second.dialogs.saveRequests.empty());
        QCOMPARE(sealsInFile(file), 1);
        autosave.waitForWrites();
        QVERIFY(copiesIn(autosave.sessionFolder()).isEmpty());
    }

    // Kept copies come again at the next start until discarded; an untitled one opens untitled;
    // the copies of a session that still runs are never offered.
    void keptUntilDiscarded()
    {
        Start first;
        const QString recovery = first.path(u"recovery"_s);
        RecoveryScript script;
        {
            MainWindow &w = first.show();
            Autosave autosave(w, first.dialogs, autosaveOptions(recovery, script));
            w.fileNew();
            addSeal(*w.activeDocument());
            w.fileNew();
            addSeal(*w.activeDocument());
            addSeal(*w.activeDocument(), 90);
            tick(autosave);
        }
        const QString running = QDir(recovery).filePath(u"1-running"_s);
        QVERIFY(QDir().mkpath(running));
        QLockFile runningLock(QDir(running).filePath(u"lock"_s));
        QVERIFY(runningLock.tryLock(0));
        {
            QFile copy(QDir(running).filePath(u"1.dyz"_s));
            QVERIFY(copy.open(QIODevice::WriteOnly));
        }

        Start second;
        {
            MainWindow &w = second.show();
            Autosave autosave(w, second.dialogs, autosaveOptions(recovery, script));
            script.answers = {RecoveryChoice::Keep, RecoveryChoice::Discard};
            autosave.offerRecovery();
            QCOMPARE(script.shown.size(), size_t(2));
            QCOMPARE(script.shown[0].caption, u"文件1.dyz"_s);
            QCOMPARE(script.shown[1].caption, u"文件2.dyz"_s);
            QCOMPARE(script.shown[1].sealCount, 2);
            QVERIFY(w.documentWindows().isEmpty());
            QVERIFY(second.dialogs.messages.empty());
        }

        Start third;
        MainWindow &w = third.show();
        Autosave autosave(w, third.dialogs, autosaveOptions(recovery, script));
        script.answers = {RecoveryChoice::Open};
        autosave.offerRecovery();
        QCOMPARE(script.shown.size(), size_t(1));
        QCOMPARE(w.documentWindows().size(), 1);
        QCOMPARE(MainWindow::caption(w.activeDocument()), u"文件1.dyz"_s);
        QVERIFY(w.activeDocument()->document().isModified());
        QCOMPARE(copiesIn(running).size(), 1);
    }

    // A copy that cannot be read is reported and moved aside, never offered and never lost.
    void damagedCopyIsMovedAside()
    {
        Start s;
        const QString recovery = s.path(u"recovery"_s);
        const QString ended = QDir(recovery).filePath(u"7-ended"_s);
        QVERIFY(QDir().mkpath(ended));
        const QByteArray damaged("\x00\x00\x00\x41 not a document", 20);
        {
            QFile f(QDir(ended).filePath(u"1.dyz"_s));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(damaged);
            QFile meta(QDir(ended).filePath(u"1.json"_s));
            QVERIFY(meta.open(QIODevice::WriteOnly));
            meta.write(QJsonDocument(QJsonObject{{u"caption"_s, u"合同章.dyz"_s}}).toJson());
        }
        MainWindow &w = s.show();
        RecoveryScript script;
        Autosave autosave(w, s.dialogs, autosaveOptions(recovery, script));
        autosave.offerRecovery();
        QCOMPARE(script.asked, 0);
        QCOMPARE(s.dialogs.messages.size(), size_t(1));
        QCOMPARE(s.dialogs.messages[0].icon, QMessageBox::Warning);
        QVERIFY(s.dialogs.messages[0].text.endsWith(u"：\r合同章.dyz"_s));
        QFile aside(QDir(recovery).filePath(u"damaged/7-ended-1.dyz"_s));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), damaged);
        QVERIFY(!QFileInfo::exists(ended));
    }
};

} // namespace qm

QTEST_MAIN(qm::TestAutosave)
#include "tst_autosave.moc"
