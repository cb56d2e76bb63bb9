// saveAtomically: a file appears only complete, and a failed save leaves the old file and no
// half-written twin behind.

#include "document/atomicsave.h"
#include "document/documenterror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(qm::SaveError)

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

} // namespace

class TestAtomicSave : public QObject
{
    Q_OBJECT

private slots:
    void outcomes_data()
    {
        QTest::addColumn<QString>("target"); // relative to a folder holding old.bin
        QTest::addColumn<bool>("writerSucceeds");
        QTest::addColumn<SaveError>("error");
        QTest::newRow("new file") << u"new.bin"_s << true << SaveError::None;
        QTest::newRow("replaces the old file") << u"old.bin"_s << true << SaveError::None;
        QTest::newRow("writer gives up") << u"old.bin"_s << false << SaveError::ContentFailed;
        QTest::newRow("writer gives up on a new file") << u"new.bin"_s << false << SaveError::ContentFailed;
        QTest::newRow("no such folder") << u"missing/new.bin"_s << true << SaveError::CannotCreate;
        QTest::newRow("a folder of that name") << u"folder"_s << true << SaveError::CannotCreate;
    }
    void outcomes()
    {
        QFETCH(QString, target);
        QFETCH(bool, writerSucceeds);
        QFETCH(SaveError, error);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            QFile old(dir.filePath(u"old.bin"_s));
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const QString path = dir.filePath(target);
        const QByteArray previous = contents(path);

        int calls = 0;
        const SaveOutcome outcome = saveAtomically(path, [&](QIODevice &out) {
            ++calls;
            out.write("new ");
            out.write("content");
            return writerSucceeds;
        });
        QCOMPARE(outcome.error, error);
        QCOMPARE(outcome.ok(), error == SaveError::None);
        QCOMPARE(calls, error == SaveError::CannotCreate ? 0 : 1);
        QCOMPARE(outcome.detail.isEmpty(), error == SaveError::None || error == SaveError::ContentFailed);
        if (error == SaveError::None) {
            QCOMPARE(contents(path), QByteArray("new content"));
            return;
        }
        QCOMPARE(contents(path), previous);
        // No temporary twin stays behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }

    void commitFails()
    {
        // The bytes are all written beside the target, but meanwhile a folder took its name,
        // and a file cannot replace a folder.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"late.bin"_s);
        const SaveOutcome outcome = saveAtomically(path, [&](QIODevice &out) {
            out.write("bytes");
            return QDir(dir.path()).mkdir(u"late.bin"_s);
        });
        QCOMPARE(outcome.error, SaveError::WriteFailed);
        QVERIFY(!outcome.detail.isEmpty());
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"late.bin"_s});
    }

    // A full disk is told as such, to the window ("磁盘已满") and the command line ("disk full"),
    // instead of an unknown error. /dev/full fails every write for want of space.
    void diskFullIsTold()
    {
        QFile full(u"/dev/full"_s);
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        QCOMPARE(full.write(QByteArray(4096, 'x')), -1);
        const SaveOutcome outcome = writeFailure(full);
        QCOMPARE(outcome.error, SaveError::WriteFailed);
        QVERIFY(outcome.diskFull);
        QCOMPARE(outcome.detail, u"disk full"_s);

        DocumentResult result{DocumentError::WriteFailed, u"/a/印章.dyz"_s, 0, outcome.detail, outcome.diskFull};
        QCOMPARE(result.message(), u"不能写入文件<印章.dyz>：磁盘已满"_s);
        result.diskFull = false;
        result.detail = u"Permission denied"_s;
        QCOMPARE(result.message(), u"不能写入文件<印章.dyz>：Permission denied"_s);
    }
};

QTEST_GUILESS_MAIN(TestAtomicSave)
#include "tst_atomicsave.moc"
