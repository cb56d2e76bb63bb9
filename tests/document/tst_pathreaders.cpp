// Every reader of a path that a user or a setting names, walked with a pipe without writer, an
// endless device, a folder and a huge sparse file: each is refused, and none blocks (a blocked
// reader hangs the test until its time runs out).

#include "documenttesting.h"
#include "testing/hostilepaths.h"

#include "document/csvtable.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/libraryitem.h"
#include "document/sealdocument.h"
#include "pdfstamp/pdfstamp.h"
#include "picture/boundedread.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealjson.h"
#include "seal/sealpicture.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray pictureJson(const QString &path, bool withPage)
{
    QString json = uR"({"seals":[{"SealType":23,"HaveImage":true,"Picture":{"file":"%1"}}]})"_s.arg(path);
    if (withPage)
        json.insert(1, uR"("page":{},)"_s);
    return json.toUtf8();
}

QList<PathReader> coreReaders()
{
    return {
        {"bounded read", [](const QString &p) { return !readRegularFile(p, 1 << 20).ok(); }},
        {"document file",
         [](const QString &p) {
             QByteArray data;
             return !readDocumentFile(p, &data).ok();
         }},
        {"document",
         [](const QString &p) {
             SealDocument doc;
             NoProgress progress;
             return !openDocument(p, doc, progress).ok() && doc.seals().empty();
         }},
        {"library item",
         [](const QString &p) {
             SealDocument doc;
             LibraryItem item;
             return !openLibraryItem(p, doc, &item).ok();
         }},
        {"library item into a document",
         [](const QString &p) {
             SealDocument doc;
             NoProgress progress;
             return !loadLibraryItem(p, doc, progress).ok() && doc.seals().empty();
         }},
        {"emblem picture",
         [](const QString &p) {
             QString error;
             return !SealPicture::fromFile(p, &error).hasGraphic() && !error.isEmpty();
         }},
        {"picture of a legacy document",
         [](const QString &p) {
             SealDocument doc;
             NoProgress progress;
             const bool read = loadDocumentData(legacyDocument(7, 635, Gbk::fromUnicode(p)), doc, progress).ok();
             return read && doc.seals().size() == 1 && !doc.seals()[0]->Picture().hasGraphic();
         }},
        {"batch table",
         [](const QString &p) {
             // Opened, told UTF-8 or not, and read to its first record, as the batch command does.
             TableFile table = openTableFile(p);
             if (table.error != FileReadError::None)
                 return true;
             TableDecoder::encodingOf(*table.file);
             CsvReader reader(table.file.get());
             CsvRecord record;
             return !reader.next(record) && !reader.error().isEmpty();
         }},
        {"seal JSON file",
         [](const QString &p) {
             QString error;
             return !readSealJsonBytes(p, &error) && !readSealJsonFile(p).error.isEmpty();
         }},
        {"picture of seal JSON",
         [](const QString &p) { return !readSealJson(pictureJson(p, false), {}).error.isEmpty(); }},
        {"picture of document JSON",
         [](const QString &p) {
             SealDocument doc;
             QString error;
             return !documentFromJson(pictureJson(p, true), {}, doc, &error) && doc.seals().empty();
         }},
        {"PDF to stamp", [](const QString &p) { return !inspectPdf(p).ok; }},
        {"PDF stamped",
         [](const QString &p) {
             const QString out = p + u".out.pdf"_s;
             const bool refused = !stampPdf(p, out, {}, {{1, {50, 50}, 0, {}}}, {}, {}).ok;
             return refused && !QFile::exists(out);
         }},
    };
}

} // namespace

class TestPathReaders : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<HostilePath> m_paths;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_paths = hostilePaths(m_dir, u"dyz"_s);
        QVERIFY(!m_paths.isEmpty());
        m_paths.append({"a dangling link", danglingLink(m_dir, u"dyz"_s)});
        QVERIFY(!m_paths.last().path.isEmpty());
    }

    void hostilePathRefused_data()
    {
        QTest::addColumn<int>("reader");
        QTest::addColumn<QString>("path");
        const QList<PathReader> readers = coreReaders();
        for (qsizetype r = 0; r < readers.size(); ++r)
            for (const HostilePath &p : std::as_const(m_paths))
                QTest::addRow("%s: %s", readers[r].name, p.name) << int(r) << p.path;
    }
    void hostilePathRefused()
    {
        QFETCH(int, reader);
        QFETCH(QString, path);
        QVERIFY(coreReaders()[reader].refuses(path));
    }

    // The helper's answers, kind by kind, at the edge of its limit.
    void boundedReadKinds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"ten.bin"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0123456789");
        file.close();
        QCOMPARE(readRegularFile(path, 10).bytes, QByteArray("0123456789"));
        QCOMPARE(readRegularFile(path, 9).error, FileReadError::TooLarge);
        QVERIFY(readRegularFile(path, 9).bytes.isEmpty());
        QCOMPARE(readRegularFileStart(path, 4).bytes, QByteArray("0123"));
        QCOMPARE(readRegularFileStart(path, 40).bytes, QByteArray("0123456789"));
        QCOMPARE(readRegularFile(dir.filePath(u"none"_s), 10).error, FileReadError::Missing);
        QCOMPARE(readRegularFile(dir.path(), 10).error, FileReadError::NotRegular);
        QCOMPARE(readRegularFile(u"/dev/zero"_s, 10).error, FileReadError::NotRegular);
        QCOMPARE(fileReadRefusal(u"x"_s, readRegularFile(path, 9), 9), u"x is larger than 9 bytes"_s);
        QCOMPARE(fileReadRefusal(u"x"_s, readRegularFile(dir.path(), 9), 9), u"x is not a regular file"_s);
        if (::geteuid() != 0) { // the superuser reads whatever the permissions say
            QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
            const FileReadResult denied = readRegularFile(path, 10);
            QCOMPARE(denied.error, FileReadError::Unreadable);
            QVERIFY(!denied.reason.isEmpty());
        }
    }

    // A folder or a pipe named as a document has its own message, not the format message.
    void notRegularFileMessage()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"印章.dyz"_s);
        QVERIFY(QDir().mkpath(folder));
        SealDocument doc;
        NoProgress progress;
        const DocumentResult result = openDocument(folder, doc, progress);
        QCOMPARE(result.error, DocumentError::NotRegularFile);
        QCOMPARE(result.message(), u"<印章.dyz>不是普通文件，无法打开。"_s);
        QCOMPARE(openDocument(dir.filePath(u"none.dyz"_s), doc, progress).error, DocumentError::FileNotFound);
    }
};

QTEST_MAIN(TestPathReaders)
#include "tst_pathreaders.moc"
