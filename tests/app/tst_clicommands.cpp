// quillmark-cli's command lines and inputs: help and unknown options for every command, JSON told
// by content, and hostile inputs (a pipe, an endless device, a huge file) refused promptly.

#include "testing/hostilepaths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// A run that does not end within the time is killed and reported unfinished, so a tool that
// blocks fails the test instead of hanging it.
Run cli(const QStringList &args, int timeoutMs = 60000)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s); // messages are UTF-8 whatever the locale
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(QM_CLI), args);
    Run r;
    r.finished = p.waitForFinished(timeoutMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return {};
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray OneSeal =
    R"({"seals":[{"SealType":14,"RealWidth":20,"RealHeight":2,"RealCenterX":30,"RealCenterY":20}]})";

} // namespace

class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    void helpForEachCommand_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("synopsis");
        QTest::newRow("trace") << QStringList{u"trace"_s, u"--help"_s} << u"usage: quillmark-cli trace FILE"_s;
        QTest::newRow("render") << QStringList{u"render"_s, u"-h"_s}
                                << u"usage: quillmark-cli render FILE -o OUT.EXT"_s;
        QTest::newRow("dump") << QStringList{u"dump"_s, u"--help"_s}
                              << u"usage: quillmark-cli dump FILE.dyz|FILE.YZL"_s;
        QTest::newRow("build") << QStringList{u"build"_s, u"--help"_s, u"ignored.json"_s}
                               << u"usage: quillmark-cli build IN.json -o OUT.dyz"_s;
        QTest::newRow("stamp") << QStringList{u"stamp"_s, u"--help"_s}
                               << u"usage: quillmark-cli stamp IN.pdf -o OUT.pdf --seals DOC.dyz"_s;
        QTest::newRow("batch") << QStringList{u"batch"_s, u"--help"_s}
                               << u"usage: quillmark-cli batch TEMPLATE TABLE.csv -o"_s;
        QTest::newRow("all") << QStringList{u"--help"_s} << u"usage:\n  quillmark-cli trace"_s;
    }
    void helpForEachCommand()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, synopsis);
        const Run r = cli(args);
        QVERIFY(r.finished);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(QString::fromUtf8(r.out).startsWith(synopsis), r.out.constData());
        QVERIFY(r.err.isEmpty());
    }

    void unknownOptionRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("reason");
        QTest::newRow("trace") << QStringList{u"trace"_s, u"a.json"_s, u"--frobnicate"_s} << u"'frobnicate'"_s;
        QTest::newRow("render") << QStringList{u"render"_s, u"--mirrored"_s, u"a.json"_s, u"-o"_s, u"a.bmp"_s}
                                << u"'mirrored'"_s;
        QTest::newRow("dump") << QStringList{u"dump"_s, u"--json"_s, u"a.dyz"_s} << u"'json'"_s;
        QTest::newRow("build") << QStringList{u"build"_s, u"a.json"_s, u"-x"_s, u"-o"_s, u"b.dyz"_s} << u"'x'"_s;
        QTest::newRow("single-dash long option")
            << QStringList{u"trace"_s, u"a.json"_s, u"-ppm"_s, u"5"_s} << u"Unknown options: p, p, m"_s;
        QTest::newRow("value missing") << QStringList{u"render"_s, u"a.json"_s, u"-o"_s}
                                       << u"Missing value after '-o'"_s;
        QTest::newRow("option twice") << QStringList{u"build"_s, u"a.json"_s, u"-o"_s, u"b.dyz"_s, u"-o"_s, u"c.dyz"_s}
                                      << u"-o"_s;
        QTest::newRow("two files") << QStringList{u"dump"_s, u"a.dyz"_s, u"b.dyz"_s} << u"b.dyz"_s;
        QTest::newRow("no file") << QStringList{u"trace"_s, u"--black"_s} << u"no input file"_s;
        QTest::newRow("batch without a table")
            << QStringList{u"batch"_s, u"a.json"_s, u"-o"_s, u"{a}.png"_s} << u"too few files"_s;
        QTest::newRow("batch of no picture kind")
            << QStringList{u"batch"_s, u"a.json"_s, u"t.csv"_s, u"-o"_s, u"{a}.{b}"_s} << u"picture kind"_s;
        QTest::newRow("batch rows backwards")
            << QStringList{u"batch"_s, u"a.json"_s, u"t.csv"_s, u"-o"_s, u"{a}.png"_s, u"--rows"_s, u"5-4"_s}
            << u"bad value for --rows"_s;
        QTest::newRow("batch of an unknown encoding")
            << QStringList{u"batch"_s, u"a.json"_s, u"t.csv"_s, u"-o"_s, u"{a}.png"_s, u"--encoding"_s, u"klingon"_s}
            << u"unknown encoding klingon"_s;
        QTest::newRow("unknown command") << QStringList{u"paint"_s, u"a.json"_s} << u"unknown command paint"_s;
        const QStringList stamp{u"stamp"_s, u"in.pdf"_s, u"-o"_s, u"out.pdf"_s, u"--seals"_s, u"a.dyz"_s};
        QTest::newRow("stamp without a placement") << stamp << u"nothing to stamp"_s;
        QTest::newRow("stamp: --at before --page")
            << stamp + QStringList{u"--at"_s, u"10,10"_s, u"--page"_s, u"1"_s} << u"--at belongs after --page"_s;
        QTest::newRow("stamp: a page without --at")
            << stamp + QStringList{u"--page"_s, u"2"_s, u"--rotate"_s, u"30"_s} << u"--page 2 has no --at"_s;
        QTest::newRow("stamp: one number for --at")
            << stamp + QStringList{u"--page"_s, u"1"_s, u"--at"_s, u"10"_s} << u"bad value for --at"_s;
        QTest::newRow("stamp: page 0") << stamp + QStringList{u"--page"_s, u"0"_s, u"--at"_s, u"10,10"_s}
                                       << u"bad page number 0"_s;
        QTest::newRow("stamp: seal 0") << stamp + QStringList{u"--seal"_s, u"0"_s,    u"--page"_s,
                                                              u"1"_s,      u"--at"_s, u"10,10"_s}
                                       << u"bad seal number 0"_s;
        QTest::newRow("stamp: opacity 2")
            << stamp + QStringList{u"--opacity"_s, u"2"_s, u"--page"_s, u"1"_s, u"--at"_s, u"10,10"_s}
            << u"--opacity takes a number from 0 to 1"_s;
        QTest::newRow("stamp: cross-page pages")
            << stamp + QStringList{u"--straddle"_s, u"3-1"_s, u"--at-y"_s, u"50"_s} << u"bad pages for --straddle"_s;
        QTest::newRow("stamp: two seals across pages")
            << stamp + QStringList{u"--straddle"_s, u"all"_s, u"--at-y"_s, u"50"_s,
                                   u"--seal"_s,     u"1"_s,   u"--seal"_s, u"2"_s}
            << u"one seal"_s;
        QTest::newRow("stamp: no seal document")
            << QStringList{u"stamp"_s, u"in.pdf"_s, u"-o"_s, u"out.pdf"_s, u"--page"_s, u"1"_s, u"--at"_s, u"1,1"_s}
            << u"--seals"_s;
    }
    void unknownOptionRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, reason);
        const Run r = cli(args);
        QVERIFY(r.finished);
        QCOMPARE(r.exitCode, 2);
        const QString err = QString::fromUtf8(r.err);
        QVERIFY2(err.contains(reason), r.err.constData());
        QVERIFY(err.contains(u"usage:"_s));
        QVERIFY(r.out.isEmpty());
    }

    void jsonToldByContent()
    {
        QTemporaryDir dir;
        // JSON under a document's name is traced and rendered as JSON.
        const QString disguised = writeFile(dir, u"seals.dyz"_s, "\xEF\xBB\xBF \n" + OneSeal);
        Run r = cli({u"trace"_s, disguised});
        QCOMPARE(r.exitCode, 0);
        // 20 × 2 mm centred on (30, 20) at 10 pixels per millimetre.
        QVERIFY2(r.out.startsWith(R"({"seal":0,"op":"Begin","left":200,"top":190,"width":200,"height":20})"),
                 r.out.constData());
        r = cli({u"render"_s, disguised, u"-o"_s, dir.filePath(u"a.bmp"_s)});
        QCOMPARE(r.exitCode, 0);

        // A document under a JSON name is read as a document.
        QCOMPARE(cli({u"build"_s, disguised, u"-o"_s, dir.filePath(u"doc.dyz"_s)}).exitCode, 0);
        QVERIFY(QFile::copy(dir.filePath(u"doc.dyz"_s), dir.filePath(u"doc.json"_s)));
        r = cli({u"trace"_s, dir.filePath(u"doc.json"_s)});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith(R"({"seal":0,"op":"Begin","left":200,"top":190,"width":200,"height":20})"),
                 r.out.constData());
        r = cli({u"render"_s, dir.filePath(u"doc.json"_s), u"-o"_s, dir.filePath(u"b.bmp"_s)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readAll(dir.filePath(u"b.bmp"_s)), readAll(dir.filePath(u"a.bmp"_s)));

        // Neither: refused as no seal document, in UTF-8 although the locale is C.
        const QString text = writeFile(dir, u"notes.json"_s, "ZZZZ is no seal document");
        r = cli({u"trace"_s, text});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(u"<notes.json>文件不是Quillmark\n格式文档，打开失败！"_s),
                 r.err.constData());
    }

    void hostileInputs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("input"); // fifo, zero, huge
        QTest::addColumn<QString>("message");
        const QString notDocument = u"不是普通文件，无法打开。"_s;
        for (const char *c : {"render", "trace", "build", "dump"}) {
            const QString command = QString::fromLatin1(c);
            const bool json = command == u"build"_s;
            QTest::addRow("%s of a pipe", c)
                << command << u"fifo"_s << (json ? u"is not a regular file"_s : notDocument);
            QTest::addRow("%s of a link to /dev/zero", c)
                << command << u"zero"_s << (json ? u"is not a regular file"_s : notDocument);
        }
        const QString tooLarge = u"is larger than 67108864 bytes"_s;
        QTest::newRow("render of 64 MiB of JSON and a byte") << u"render"_s << u"huge"_s << tooLarge;
        QTest::newRow("trace of 64 MiB of JSON and a byte") << u"trace"_s << u"huge"_s << tooLarge;
        QTest::newRow("build of 64 MiB of JSON and a byte") << u"build"_s << u"huge"_s << tooLarge;
    }
    void hostileInputs()
    {
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path;
        if (input == u"fifo"_s) {
            path = dir.filePath(u"pipe.json"_s);
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (input == u"zero"_s) {
            path = dir.filePath(u"x.json"_s);
            QVERIFY(QFile::link(u"/dev/zero"_s, path));
        } else {
            // A sparse file: "{" and 64 MiB of nothing, one byte past the limit.
            path = writeFile(dir, u"huge.json"_s, "{");
            QFile f(path);
            QVERIFY(f.resize((64 << 20) + 1));
        }
        QStringList args{command, path};
        if (command == u"render"_s)
            args << u"-o"_s << dir.filePath(u"out.bmp"_s);
        if (command == u"build"_s)
            args << u"-o"_s << dir.filePath(u"out.dyz"_s);
        const Run r = cli(args, 20000);
        QVERIFY2(r.finished, "the tool blocked on its input");
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(u"out.bmp"_s)));
        QVERIFY(!QFileInfo::exists(dir.filePath(u"out.dyz"_s)));
    }

    // Placements and a cross-page seal in one run; a page that is not there is refused by name.
    void stampOntoPdf()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"contract.pdf"_s);
        {
            QPdfWriter writer(in);
            QPainter painter(&writer);
            // No text: this test runs without the font database.
            painter.fillRect(QRect(200, 200, 900, 100), Qt::black);
            writer.newPage();
        }
        const QString seals = writeFile(dir, u"seals.json"_s, OneSeal);
        const QString out = dir.filePath(u"stamped.pdf"_s);
        const QStringList args{u"stamp"_s,      in,       u"-o"_s,     out,        u"--seals"_s,  seals,
                               u"--page"_s,     u"2"_s,   u"--at"_s,   u"50,50"_s, u"--rotate"_s, u"-15"_s,
                               u"--straddle"_s, u"all"_s, u"--at-y"_s, u"40"_s};
        Run r = cli(args);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out).trimmed(), out);
        QVERIFY(readAll(out).startsWith("%PDF-"));

        QFile::remove(out);
        r = cli(QStringList(args).replaceInStrings(QRegularExpression(u"^2$"_s), u"9"_s));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(QString::fromUtf8(r.err).contains(u"第9页不存在"_s), r.err.constData());
        QVERIFY(!QFileInfo::exists(out));
    }

    void refusedKindSameReasonFromJsonAndDocument()
    {
        QTemporaryDir dir;
        const QString reason = u"seal 0: SealType 24 is outside 0 ... 23"_s;
        const QString json = writeFile(dir, u"k.json"_s, R"({"seals":[{"SealType":24}]})");
        Run r;
        for (const QStringList &args :
             {QStringList{u"render"_s, json, u"-o"_s, dir.filePath(u"k.bmp"_s)}, QStringList{u"trace"_s, json},
              QStringList{u"build"_s, json, u"-o"_s, dir.filePath(u"k.dyz"_s)}}) {
            r = cli(args);
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(QString::fromUtf8(r.err).trimmed(), reason);
        }

        // The same seal kind stored in a document: its record starts at offset 48.
        const QString ok = writeFile(dir, u"ok.json"_s, R"({"seals":[{"SealType":23}]})");
        QCOMPARE(cli({u"build"_s, ok, u"-o"_s, dir.filePath(u"k.dyz"_s)}).exitCode, 0);
        QByteArray document = readAll(dir.filePath(u"k.dyz"_s));
        QCOMPARE(int(document.at(48)), 23);
        document[48] = 24;
        const QString damaged = writeFile(dir, u"k24.dyz"_s, document);
        for (const QString &command : {u"dump"_s, u"trace"_s}) {
            r = cli({command, damaged});
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(QString::fromUtf8(r.err).trimmed(),
                     u"<k24.dyz>文件不是Quillmark\n格式文档，打开失败！\n"_s + reason);
        }
    }

    // Every command's input, walked with a pipe, an endless device, a folder and a huge sparse
    // file: refused with a status of 1, nothing written, and no command blocks.
    void everyInputRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("extension");
        for (const char *c : {"render", "trace", "build", "dump"})
            for (const char *extension : {"json", "dyz"})
                QTest::addRow("%s of .%s", c, extension) << QString::fromLatin1(c) << QString::fromLatin1(extension);
        QTest::newRow("stamp of .pdf") << u"stamp"_s << u"pdf"_s;
        QTest::newRow("batch of .csv") << u"batch"_s << u"csv"_s;
    }
    void everyInputRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, extension);
        QTemporaryDir dir;
        QList<qm::testing::HostilePath> paths = qm::testing::hostilePaths(dir, extension);
        QVERIFY(!paths.isEmpty());
        paths.append({"a dangling link", qm::testing::danglingLink(dir, extension)});
        // The batch's table is the input walked here; its template is a good one.
        const QString batchTemplate = writeFile(dir, u"template.json"_s, OneSeal);
        for (const qm::testing::HostilePath &input : std::as_const(paths)) {
            QStringList args{command, input.path};
            if (command == u"render"_s)
                args << u"-o"_s << dir.filePath(u"out.bmp"_s);
            if (command == u"build"_s)
                args << u"-o"_s << dir.filePath(u"out.dyz"_s);
            if (command == u"stamp"_s)
                args << u"-o"_s << dir.filePath(u"out.pdf"_s) << u"--seals"_s << writeFile(dir, u"seal.json"_s, OneSeal)
                     << u"--straddle"_s << u"all"_s << u"--at-y"_s << u"50"_s;
            if (command == u"batch"_s)
                args = QStringList{command, batchTemplate, input.path, u"-o"_s, dir.filePath(u"{a}/out.bmp"_s)};
            const Run r = cli(args, 120000);
            QVERIFY2(r.finished, input.name);
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(!r.err.isEmpty(), input.name);
            QVERIFY(!QFileInfo::exists(dir.filePath(u"out.bmp"_s)));
            QVERIFY(!QFileInfo::exists(dir.filePath(u"out.dyz"_s)));
            QVERIFY(!QFileInfo::exists(dir.filePath(u"out.pdf"_s)));
            QVERIFY(!QFileInfo::exists(dir.filePath(u"nothing-here"_s)));
        }
    }

    // More seals than a document holds are refused before they are made: 20 001 seals by their
    // count, and 64 MiB of empty seals (about 22 million, which used to exhaust memory) by the
    // objects in the text, before it is parsed.
    void tooManySealsRefused_data()
    {
        QTest::addColumn<qint64>("seals");
        QTest::addColumn<QString>("message");
        QTest::newRow("20 000") << qint64(20000) << QString();
        QTest::newRow("20 001") << qint64(20001) << u"20001 seals, more than the 20000 a document holds"_s;
        // 12 bytes around the list, 2 a seal and a comma between: 3n + 11 bytes, so
        // (64 MiB - 11) / 3 seals fill the largest input.
        QTest::newRow("64 MiB of them") << ((qint64(64) << 20) - 11) / 3 << u"more than 20000 seals"_s;
    }
    void tooManySealsRefused()
    {
        QFETCH(qint64, seals);
        QFETCH(QString, message);
        QByteArray json("{\"seals\":[");
        json.reserve(11 + 3 * seals);
        for (qint64 i = 0; i < seals; ++i)
            json.append(i ? ",{}" : "{}");
        json.append("]}");
        QVERIFY(json.size() <= qint64(64) << 20);
        QTemporaryDir dir;
        const QString in = writeFile(dir, u"many.json"_s, json);
        json.clear();
        const QString out = dir.filePath(u"many.dyz"_s);
        const Run r = cli({u"build"_s, in, u"-o"_s, out});
        if (message.isEmpty()) {
            QCOMPARE(r.exitCode, 0);
            QVERIFY(QFileInfo::exists(out));
            return;
        }
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), message);
        QVERIFY(!QFileInfo::exists(out));
    }

    // build writes nothing that dump would refuse: a picture of 64 MiB and a byte (a JPEG padded
    // with nothing) makes a document beyond the 64 MiB that documents may hold.
    void buildWritesNothingUnreadable()
    {
        QTemporaryDir dir;
        QImage dot(2, 2, QImage::Format_RGB32);
        dot.fill(Qt::black);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(dot.save(&buffer, "JPG"));
        const QString picture = writeFile(dir, u"large.jpg"_s, jpeg);
        QFile padded(picture);
        QVERIFY(padded.resize((qint64(64) << 20) + 1));
        const QString in =
            writeFile(dir, u"one.json"_s, R"({"seals":[{"SealType":23,"Picture":{"file":"large.jpg"}}]})");
        const QString out = dir.filePath(u"large.dyz"_s);
        const Run r = cli({u"build"_s, in, u"-o"_s, out});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(QString::fromUtf8(r.err).trimmed(), u"不能保存文件<large.dyz>：文件将超过67108864字节的上限。"_s);
        QVERIFY(!QFileInfo::exists(out));
    }

    // A full disk is told as such, and the old file stays. The disk is a small memory file system
    // of a namespace of our own; without one the test is skipped.
    void fullDiskTold()
    {
        QProcess probe;
        probe.start(u"unshare"_s, {u"-rm"_s, u"sh"_s, u"-c"_s, u"mount -t tmpfs -o size=64k tmpfs /tmp"_s});
        if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            QSKIP("no namespace of our own to mount a small file system in");
        QTemporaryDir dir;
        const QString in = writeFile(dir, u"one.json"_s, OneSeal);
        const QString mount = dir.filePath(u"disk"_s);
        QVERIFY(QDir().mkpath(mount));
        // The old document, then nothing left on the disk.
        const QString script = u"mount -t tmpfs -o size=64k tmpfs \"$1\" && printf old > \"$1/a.dyz\" && "
                               "(cat /dev/zero > \"$1/fill\" 2>/dev/null; true) && "
                               "\"$2\" build \"$3\" -o \"$1/a.dyz\"; echo \"status $?\"; cat \"$1/a.dyz\""_s;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_s, u"C"_s);
        p.setProcessEnvironment(env);
        p.start(u"unshare"_s, {u"-rm"_s, u"sh"_s, u"-c"_s, script, u"sh"_s, mount, QString::fromUtf8(QM_CLI), in});
        QVERIFY(p.waitForFinished(120000));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), u"status 1\nold"_s);
        QVERIFY2(err.contains(u"不能写入文件<a.dyz>：磁盘已满\ndisk full"_s), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCliCommands)
#include "tst_clicommands.moc"
