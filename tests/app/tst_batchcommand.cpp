// quillmark-cli batch: one picture per row of a table. Each picture is compared with the one
// render makes of the same seal with the row's texts written out by hand.

#include "seal/fontsubstitution.h"
#include "seal/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s);
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(QM_CLI), args);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
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
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// A round official seal; the texts are the only thing a row changes.
QByteArray roundSeal(const QString &text, const QString &code, const QString &text3)
{
    const QString json = uR"({"seals":[{"SealType":10,"Text":"%1","Code":"%2","Text3":"%3","RealWidth":30,)"
                         uR"("RealHeight":30,"RealCenterX":20,"RealCenterY":20}]})"_s;
    const auto escaped = [](QString s) {
        return s.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s).replace(u'\n', u"\\n"_s);
    };
    return json.arg(escaped(text), escaped(code), escaped(text3)).toUtf8();
}

// The picture render makes of the seal with these texts.
QByteArray rendered(const QTemporaryDir &dir, const QString &text, const QString &code, const QString &text3)
{
    const QString in = writeFile(dir, u"expected.json"_s, roundSeal(text, code, text3));
    const QString out = dir.filePath(u"expected.bmp"_s);
    QFile::remove(out);
    if (cli({u"render"_s, in, u"-o"_s, out, u"--dpi"_s, u"100"_s}).exitCode != 0)
        return "(render failed)";
    return readAll(out);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Three rows: a quoted comma, a doubled quote, a line break in a quoted cell, and a cell with
// braces that names its file.
const QString ThreeRows = u"名称,编号,文件\r\n示例公司,\"12,34\",甲\r\n\"第二\"\"公司\",56,乙\r\n"
                          u"\"多行\n公司\",78,{x}\r\n"_s;

// A GBK character that the family drawing 宋体, the face of a new seal's texts, has no glyph for;
// null when it has them all.
QChar lackedBySongTi()
{
    QFont font(qm::FontSubstitution::familyFor(qm::Gbk::fromUnicode(u"宋体"_s)));
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont song = QRawFont::fromFont(font);
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const QString u = qm::Gbk::toUnicode(QByteArray().append(char(lead)).append(char(trail)));
            if (u.size() == 1 && u[0] != QChar(0xFFFD) && !u[0].isSurrogate() && u[0].isPrint() &&
                !song.supportsCharacter(u[0]))
                return u[0];
        }
    return {};
}

} // namespace

class TestBatchCommand : public QObject
{
    Q_OBJECT

private slots:
    void rowsBecomePictures_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("UTF-8") << ThreeRows.toUtf8() << QStringList();
        QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + ThreeRows.toUtf8() << QStringList();
        QTest::newRow("UTF-8 named") << ThreeRows.toUtf8() << QStringList{u"--encoding"_s, u"UTF-8"_s};
        // Every character here is in GBK, whose bytes GB18030 shares.
        QTest::newRow("GB18030") << qm::Gbk::fromUnicode(ThreeRows) << QStringList();
        // U+FEFF, GB18030's byte order mark, is 84 31 95 33.
        QTest::newRow("GB18030 with BOM") << "\x84\x31\x95\x33" + qm::Gbk::fromUnicode(ThreeRows) << QStringList();
        QTest::newRow("GB18030 named") << qm::Gbk::fromUnicode(ThreeRows) << QStringList{u"--encoding"_s, u"GB18030"_s};
    }
    void rowsBecomePictures()
    {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, options);
        QTemporaryDir dir;
        const QString tpl = writeFile(dir, u"template.json"_s, roundSeal(u"{名称}"_s, u"{编号}"_s, u"{{专用章}}"_s));
        const QString csv = writeFile(dir, u"t.csv"_s, table);
        // The folder is made when missing.
        const QString out = dir.filePath(u"new/folder"_s);
        const Run r =
            cli(QStringList{u"batch"_s, tpl, csv, u"-o"_s, out + u"/{文件}.bmp"_s, u"--dpi"_s, u"100"_s} + options);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(r.err.isEmpty());
        // 30 mm at 100 per inch: round(30 × 100 / 25.4) = round(118.11) = 118, and 16 of margin.
        QCOMPARE(r.out, u"%1/甲.bmp 134 134\n%1/乙.bmp 134 134\n%1/{x}.bmp 134 134\n"_s.arg(out));
        QCOMPARE(filesIn(out), (QStringList{u"{x}.bmp"_s, u"乙.bmp"_s, u"甲.bmp"_s}));
        QCOMPARE(readAll(out + u"/甲.bmp"_s), rendered(dir, u"示例公司"_s, u"12,34"_s, u"{专用章}"_s));
        QCOMPARE(readAll(out + u"/乙.bmp"_s), rendered(dir, u"第二\"公司"_s, u"56"_s, u"{专用章}"_s));
        QCOMPARE(readAll(out + u"/{x}.bmp"_s), rendered(dir, u"多行\n公司"_s, u"78"_s, u"{专用章}"_s));
    }

    // Each row that cannot be made is named by its line and row and skipped; the others are
    // written and the status is 1.
    void badRowsSkipped()
    {
        QTemporaryDir dir;
        const QString tpl = writeFile(dir, u"template.json"_s, roundSeal(u"{名称}"_s, QString(), QString()));
        const QByteArray longText(70000, 'x');
        const QString csv = writeFile(dir, u"t.csv"_s,
                                      u"名称,文件\n好,a\n坏😀,b\nx,../c\ny,a\n\"z\",\"d\"\nw,e,extra\n"_s.toUtf8() +
                                          longText + ",f\n" + "x,\x01g\n" + "x,\n");
        const QString out = dir.filePath(u"out"_s);
        const Run r = cli({u"batch"_s, tpl, csv, u"-o"_s, out + u"/{文件}.bmp"_s, u"--dpi"_s, u"50"_s});
        QCOMPARE(r.exitCode, 1);
        // 30 mm at 50 per inch: round(59.06) = 59, and 16 of margin.
        QCOMPARE(r.out, u"%1/a.bmp 75 75\n%1/d.bmp 75 75\n"_s.arg(out));
        QCOMPARE(filesIn(out), (QStringList{u"a.bmp"_s, u"d.bmp"_s}));
        QCOMPARE(filesIn(dir.path()), (QStringList{u"t.csv"_s, u"template.json"_s}));
        const QStringList expected{
            u"line 3 (row 2): column 名称 holds characters that seal texts (GBK) cannot: 😀"_s,
            u"line 4 (row 3): column 文件 holds a path separator, which a file name cannot"_s,
            u"line 5 (row 4): an earlier row has the name %1/a.bmp"_s.arg(out),
            u"line 7 (row 6): 3 fields, but the header has 2"_s,
            u"line 8 (row 7): seal 0: Text is 70000 bytes long, more than 65536"_s,
            u"line 9 (row 8): column 文件 holds a control character, which a file name cannot"_s,
            u"line 10 (row 9): the name .bmp is empty before its extension"_s,
            u"2 of 9 rows written, 7 failed"_s,
        };
        QCOMPARE(r.err.trimmed().split(u'\n'), expected);
    }

    // A character the face lacks would come out in another face or as a box: its row is skipped.
    void faceLacksCharacter()
    {
        const QChar lacked = lackedBySongTi();
        if (lacked.isNull())
            QSKIP("the family of 宋体 has every GBK character");
        QTemporaryDir dir;
        const QString tpl = writeFile(dir, u"template.json"_s, roundSeal(u"印{名称}"_s, QString(), QString()));
        const QString csv = writeFile(dir, u"t.csv"_s, (u"名称\n章\n"_s + lacked + u"\n"_s).toUtf8());
        const Run r = cli({u"batch"_s, tpl, csv, u"-o"_s, dir.filePath(u"out/{名称}.bmp"_s), u"--dpi"_s, u"30"_s});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, dir.filePath(u"out/章.bmp 51 51\n"_s));
        QCOMPARE(r.err,
                 u"line 3 (row 2): 第1个印章“印%1”：字体“宋体”缺少“%1”\n1 of 2 rows written, 1 failed\n"_s.arg(lacked));
    }

    void placeholderProblemsStopBeforeAnything_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown in a text")
            << u"{地址}"_s << u"{文件}.png"_s << u"名称,文件"_s << u"no column is named 地址"_s;
        QTest::newRow("unknown in the name")
            << u"{名称}"_s << u"{编号}.png"_s << u"名称,文件"_s << u"no column is named 编号"_s;
        QTest::newRow("two columns of a name")
            << u"{名称}"_s << u"{文件}.png"_s << u"名称,文件,名称"_s << u"several columns are named 名称"_s;
        QTest::newRow("unmatched brace in a text")
            << u"{名称"_s << u"{文件}.png"_s << u"名称,文件"_s << u"seal 0, Text: a { without its }"_s;
    }
    void placeholderProblemsStopBeforeAnything()
    {
        QFETCH(QString, text);
        QFETCH(QString, output);
        QFETCH(QString, header);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString tpl = writeFile(dir, u"template.json"_s, roundSeal(text, QString(), QString()));
        const QString csv = writeFile(dir, u"t.csv"_s, (header + u"\n甲,乙,丙\n"_s).toUtf8());
        const Run r = cli({u"batch"_s, tpl, csv, u"-o"_s, dir.filePath(u"out/"_s + output)});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.trimmed(), message);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(u"out"_s)));
    }

    // Slices of the table write the rows under the names the whole run gives them, and refuse
    // a clash with a row of an earlier slice as the whole run does.
    void slicesAsTheWhole()
    {
        QTemporaryDir dir;
        const QString tpl = writeFile(dir, u"template.json"_s, roundSeal(u"{名称}"_s, QString(), QString()));
        const QString csv = writeFile(dir, u"t.csv"_s, u"名称\n甲\n乙\n丙\n乙\n丁\n"_s.toUtf8());
        const QString pattern = dir.filePath(u"out/{名称}.bmp"_s);
        const QStringList common{u"batch"_s, tpl, csv, u"-o"_s, pattern, u"--dpi"_s, u"30"_s, u"--jobs"_s, u"1"_s};
        const Run whole = cli(common);
        QCOMPARE(whole.exitCode, 1);
        // 30 mm at 30 per inch: round(35.43) = 35, and 16 of margin.
        const QString name = dir.filePath(u"out/%1.bmp 51 51\n"_s);
        QCOMPARE(whole.out, name.arg(u"甲"_s) + name.arg(u"乙"_s) + name.arg(u"丙"_s) + name.arg(u"丁"_s));
        const QString clash = u"line 5 (row 4): an earlier row has the name %1"_s.arg(dir.filePath(u"out/乙.bmp"_s));
        QVERIFY2(whole.err.startsWith(clash), qPrintable(whole.err));

        QString sliced;
        for (const QString &rows : {u"1-2"_s, u"3-4"_s, u"5-"_s, u"6-9"_s}) {
            const Run r = cli(common + QStringList{u"--rows"_s, rows});
            QCOMPARE(r.exitCode, rows == u"3-4"_s ? 1 : 0);
            QCOMPARE(r.err.startsWith(clash), rows == u"3-4"_s);
            sliced += r.out;
        }
        QCOMPARE(sliced, whole.out);

        // Rows made on three threads are reported in table order, as one thread reports them,
        // and their pictures are the same.
        const QByteArray first = readAll(dir.filePath(u"out/甲.bmp"_s));
        const QByteArray last = readAll(dir.filePath(u"out/丁.bmp"_s));
        QVERIFY(QDir(dir.filePath(u"out"_s)).removeRecursively());
        QStringList threaded = common;
        threaded.replace(threaded.indexOf(u"--jobs"_s) + 1, u"3"_s);
        const Run r = cli(threaded);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, whole.out);
        QCOMPARE(r.err, whole.err);
        QCOMPARE(readAll(dir.filePath(u"out/甲.bmp"_s)), first);
        QCOMPARE(readAll(dir.filePath(u"out/丁.bmp"_s)), last);
    }
};

QTEST_MAIN(TestBatchCommand)
#include "tst_batchcommand.moc"
