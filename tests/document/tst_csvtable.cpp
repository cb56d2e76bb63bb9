// Tables for batches: RFC 4180 records read in pieces, the encoding told from the bytes, and
// placeholders filled from cells.

#include "document/csvtable.h"
#include "document/placeholdertext.h"

#include <QBuffer>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

// Records as "line: field|field", one a list entry; the error, if any, last.
QStringList readAll(const QByteArray &bytes, qint64 maxRecordBytes = CsvReader::DefaultMaxRecordBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(&buffer, maxRecordBytes);
    QStringList out;
    CsvRecord record;
    while (reader.next(record)) {
        QStringList fields;
        for (const QByteArray &f : std::as_const(record.fields))
            fields.append(QString::fromUtf8(f));
        out.append(QString::number(record.line) + u": "_s + fields.join(u'|'));
    }
    if (!reader.error().isEmpty())
        out.append(reader.error());
    return out;
}

QString encodingOf(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QString encoding = TableDecoder::encodingOf(buffer);
    return buffer.pos() == 0 ? encoding : u"not rewound"_s;
}

} // namespace

class TestCsvTable : public QObject
{
    Q_OBJECT

private slots:
    void records_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("CR LF") << QByteArray("a,b\r\n1,2\r\n") << QStringList{u"1: a|b"_s, u"2: 1|2"_s};
        QTest::newRow("no line break at the end") << QByteArray("a,b") << QStringList{u"1: a|b"_s};
        QTest::newRow("empty fields") << QByteArray(",,\n") << QStringList{u"1: ||"_s};
        QTest::newRow("quoted comma") << QByteArray("a,\"x,y\"\n") << QStringList{u"1: a|x,y"_s};
        QTest::newRow("doubled quote") << QByteArray("\"say \"\"hi\"\"\",\"\"\"\"\n")
                                       << QStringList{u"1: say \"hi\"|\""_s};
        // The record after a cell of two lines starts on line 3.
        QTest::newRow("line break in quotes")
            << QByteArray("\"l1\r\nl2\",z\nnext\n") << QStringList{u"1: l1\r\nl2|z"_s, u"3: next"_s};
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF\"a\",b\n") << QStringList{u"1: a|b"_s};
        QTest::newRow("empty lines are no records")
            << QByteArray("a\n\r\n\nb\n\n") << QStringList{u"1: a"_s, u"4: b"_s};
        QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QStringList{u"1: a"_s, u"2: b"_s};
        QTest::newRow("text after a closing quote kept") << QByteArray("\"a\"b,c\n") << QStringList{u"1: ab|c"_s};
        QTest::newRow("quote inside unquoted text kept") << QByteArray("a\"b\n") << QStringList{u"1: a\"b"_s};
        // The error names the line the record starts on.
        QTest::newRow("unclosed quote") << QByteArray("a\n\"open,\nmore\n")
                                        << QStringList{u"1: a"_s, u"line 2: a quoted field is not closed"_s};
        QTest::newRow("NUL byte") << QByteArray("a\nb\0c\n", 6)
                                  << QStringList{u"1: a"_s, u"line 2: a NUL byte; the table is no text"_s};
    }
    void records()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(readAll(bytes), expected);
    }

    // A record may hold 8 bytes here: quotes and separators do not count, cell bytes do.
    void recordLimit()
    {
        QCOMPARE(readAll("\"1234\",5678\nx\n", 8), (QStringList{u"1: 1234|5678"_s, u"2: x"_s}));
        QCOMPARE(readAll("x\n12345,6789\n", 8), (QStringList{u"1: x"_s, u"line 2: a record longer than 8 bytes"_s}));
        QCOMPARE(readAll("\"123456789", 8), QStringList{u"line 1: a record longer than 8 bytes"_s});
    }

    void encodingTold_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("ASCII") << QByteArray("a,b\n") << u"UTF-8"_s;
        // 示例 in UTF-8: E7 A4 BA E4 BE 8B; in GBK: CA BE C0 FD.
        QTest::newRow("UTF-8") << QByteArray("\xE7\xA4\xBA\xE4\xBE\x8B\n") << u"UTF-8"_s;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF\xE7\xA4\xBA\n") << u"UTF-8"_s;
        QTest::newRow("GBK") << QByteArray("\xCA\xBE\xC0\xFD\n") << u"GB18030"_s;
        QTest::newRow("cut UTF-8 at the end") << QByteArray("\xE7\xA4") << u"GB18030"_s;
        QTest::newRow("overlong UTF-8") << QByteArray("\xC0\xAF") << u"GB18030"_s;
        QTest::newRow("UTF-8 surrogate") << QByteArray("\xED\xA0\x80") << u"GB18030"_s;
    }
    void encodingTold()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QCOMPARE(encodingOf(bytes), encoding);
    }

    void cellsDecoded_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("text");
        QTest::newRow("GB18030 two-byte") << u"GB18030"_s << QByteArray("\xCA\xBE\xC0\xFD") << true << u"示例"_s;
        // U+1F600: 0xF600 = 62976 past U+10000; 62976 = ((4·10 + 9)·126 + 123)·10 + 6, so the
        // bytes are 0x90 + 4, 0x30 + 9, 0x81 + 123, 0x30 + 6.
        QTest::newRow("GB18030 four-byte") << u"GB18030"_s << QByteArray("\x94\x39\xFC\x36") << true << u"😀"_s;
        QTest::newRow("GB18030 cut") << u"GB18030"_s << QByteArray("a\x81") << false << QString();
        QTest::newRow("UTF-8") << u"utf-8"_s << QByteArray("\xE7\xA4\xBA") << true << u"示"_s;
        // 例 in GBK; C0 never starts UTF-8.
        QTest::newRow("GBK bytes as UTF-8") << u"UTF-8"_s << QByteArray("\xC0\xFD") << false << QString();
    }
    void cellsDecoded()
    {
        QFETCH(QString, encoding);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, text);
        const TableDecoder decoder(encoding);
        QVERIFY(decoder.isValid());
        QString decoded;
        QCOMPARE(decoder.decode(bytes, &decoded), valid);
        if (valid)
            QCOMPARE(decoded, text);
        QVERIFY(!TableDecoder(u"no-such-encoding"_s).isValid());
    }

    void placeholdersFilled_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled"); // columns a, b with cells "1", "{b}"
        QTest::addColumn<QString>("error");
        QTest::newRow("two") << u"{a}-{b}"_s << u"1-{b}"_s << QString();
        QTest::newRow("doubled braces") << u"{{a}}"_s << u"{a}"_s << QString();
        QTest::newRow("braces around one") << u"x{{{a}}}y"_s << u"x{1}y"_s << QString();
        QTest::newRow("no placeholder") << u"公司"_s << u"公司"_s << QString();
        QTest::newRow("open") << u"{a"_s << u"{a"_s << u"a { without its }"_s;
        QTest::newRow("nested") << u"{a{b}}"_s << u"{a{b}}"_s << u"a { without its }"_s;
        QTest::newRow("close") << u"a}"_s << u"a}"_s << u"a } without its {"_s;
        QTest::newRow("empty") << u"x{}"_s << u"x{}"_s << u"an empty placeholder {}"_s;
    }
    void placeholdersFilled()
    {
        QFETCH(QString, text);
        QFETCH(QString, filled);
        QFETCH(QString, error);
        QString why;
        PlaceholderText placeholders(text, &why);
        QCOMPARE(why, error);
        QVERIFY(placeholders.bind({u"a"_s, u"b"_s}).isEmpty());
        // A cell holding braces is copied as it is, never filled in turn.
        QCOMPARE(placeholders.fill({u"1"_s, u"{b}"_s}), filled);
    }

    void unknownNamesReported()
    {
        PlaceholderText text(u"{名称}{地址}{名称}{x}"_s);
        QCOMPARE(text.names(), (QStringList{u"名称"_s, u"地址"_s, u"x"_s}));
        QCOMPARE(text.bind({u"名称"_s, u"编号"_s}), (QStringList{u"地址"_s, u"x"_s}));
    }
};

QTEST_GUILESS_MAIN(TestCsvTable)
#include "tst_csvtable.moc"
