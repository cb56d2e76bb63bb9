// One table of limits: a value beyond its property's range is refused by the JSON reader, the
// document reader and the clipboard with the same reason, and the limit itself is accepted by all.

#include "documenttesting.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/sealdocument.h"
#include "document/sealentry.h"
#include "seal/seal.h"
#include "seal/sealjson.h"
#include "seal/sealpropertytable.h"

#include <QBuffer>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int FirstEntry = 48;

// A document of one new seal whose stored field `name` is replaced by `value`, encoded as the
// record stores it.
QByteArray documentWith(const QString &name, double value)
{
    SealDocument doc;
    doc.seals().push_back(doc.createSeal());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NoProgress progress;
    if (!writeDocument(buffer, doc, progress).ok())
        return {};
    QByteArray b = buffer.data();
    const SealProperty *p = findSealProperty(name);
    const int at = FirstEntry + p->recordOffset;
    switch (p->type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
        b[at] = char(int(value));
        break;
    case SealProperty::Type::Float:
        putSingle(b, at, float(value));
        break;
    default:
        putInt32(b, at, qint32(qint64(value)));
        break;
    }
    return b;
}

QString readerReason(const QByteArray &bytes)
{
    SealDocument doc;
    NoProgress progress;
    const DocumentResult r = loadDocumentData(bytes, doc, progress);
    return r.ok() ? QString() : r.detail;
}

} // namespace

class TestSealLimits : public QObject
{
    Q_OBJECT

private slots:
    void sameReasonEverywhere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("reason"); // empty: accepted
        QTest::newRow("last kind") << u"SealType"_s << 23.0 << QString();
        QTest::newRow("kind 24") << u"SealType"_s << 24.0 << u"SealType 24 is outside 0 ... 23"_s;
        QTest::newRow("kind 255") << u"SealType"_s << 255.0 << u"SealType 255 is outside 0 ... 23"_s;
        QTest::newRow("brush 8") << u"BrushStyle"_s << 8.0 << u"BrushStyle 8 is outside 0 ... 7"_s;
        QTest::newRow("frame 4") << u"NameSealFrameType"_s << 4.0 << u"NameSealFrameType 4 is outside 0 ... 3"_s;
        QTest::newRow("3600 lines") << u"LineCount"_s << 3600.0 << QString();
        QTest::newRow("3601 lines") << u"LineCount"_s << 3601.0 << u"LineCount 3601 is outside -3600 ... 3600"_s;
        QTest::newRow("-3601 lines") << u"LineCount"_s << -3601.0 << u"LineCount -3601 is outside -3600 ... 3600"_s;
        QTest::newRow("1001 rows") << u"RowColCount1"_s << 1001.0 << u"RowColCount1 1001 is outside -1000 ... 1000"_s;
        QTest::newRow("ten turns") << u"CodeAngle"_s << -36000.0 << QString();
        QTest::newRow("past ten turns") << u"TextAngle2"_s << 36001.0
                                        << u"TextAngle2 36001 is outside -36000 ... 36000"_s;
        QTest::newRow("weight") << u"TextWeight3"_s << 100001.0
                                << u"TextWeight3 100001 is outside -100000 ... 100000"_s;
        QTest::newRow("100 m") << u"RealWidth"_s << -100000.0 << QString();
        QTest::newRow("past 100 m") << u"RealCenterY"_s << 100001.0
                                    << u"RealCenterY 100001 is outside -100000 ... 100000"_s;
        QTest::newRow("fraction of a millimetre") << u"CodeWidth"_s << 0.5 << QString();
    }
    void sameReasonEverywhere()
    {
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QString, reason);
        const QString expected = reason.isEmpty() ? QString() : u"seal 0: "_s + reason;

        const QByteArray json =
            "{\"seals\":[{\"" + name.toLatin1() + "\":" + QByteArray::number(value, 'g', 17) + "}]}";
        const SealJsonResult fromJson = readSealJson(json, {});
        QCOMPARE(fromJson.error, expected);
        QCOMPARE(fromJson.seals.size(), size_t(reason.isEmpty() ? 1 : 0));

        SealDocument built;
        QString buildError;
        QCOMPARE(documentFromJson(json, {}, built, &buildError), reason.isEmpty());
        QCOMPARE(buildError, expected);

        const QByteArray document = documentWith(name, value);
        QCOMPARE(readerReason(document), expected);

        // The clipboard holds a count and the same entries, two millimetres apart.
        ClipboardStream stream;
        stream.setData(document.mid(44));
        SealDocument pasted;
        const DocumentResult r = pasteSealsFromStream(stream, pasted);
        QCOMPARE(r.ok() ? QString() : r.detail, expected);
    }

    void jsonOnlyRefusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        QTest::newRow("half a kind") << QByteArray(R"({"SealType":1.5})") << u"SealType 1.5 is not a whole number"_s;
        QTest::newRow("kind as text") << QByteArray(R"({"SealType":"10"})")
                                      << u"SealType: a whole number is expected"_s;
        QTest::newRow("float beyond a float")
            << QByteArray(R"({"RealWidth":1e300})") << u"RealWidth 1e+300 is outside -100000 ... 100000"_s;
        QTest::newRow("colour above 32 bits")
            << QByteArray(R"({"PenColor":4294967296})") << u"PenColor 4294967296 is outside 0 ... 4294967295"_s;
        QTest::newRow("negative colour") << QByteArray(R"({"BrushColor":-1})")
                                         << u"BrushColor -1 is outside 0 ... 4294967295"_s;
        // 32 Chinese characters are 64 GBK bytes: the slot has room for 63 and its NUL.
        QTest::newRow("face of 64 bytes") << ("{\"FontName2\":\"" + QString(32, QChar(0x5B8B)).toUtf8() + "\"}")
                                          << u"FontName2 is 64 bytes long, more than 63"_s;
        QTest::newRow("text of 65537 bytes")
            << ("{\"Code\":\"" + QByteArray(65537, '7') + "\"}") << u"Code is 65537 bytes long, more than 65536"_s;
    }
    void jsonOnlyRefusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        const SealJsonResult r = readSealJson("{\"seals\":[{},{}," + json + "]}", {});
        QCOMPARE(r.error, u"seal 2: "_s + reason);
        QVERIFY(r.seals.empty());
    }

    void longestFaceAndTextAccepted()
    {
        const SealJsonResult r = readSealJson("{\"seals\":[{\"CodeFontName\":\"" + QString(31, QChar(0x9ED1)).toUtf8() +
                                                  "x\",\"Text3\":\"" + QByteArray(65536, 'A') + "\"}]}",
                                              {});
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        // 31 × 2 + 1 = 63 bytes and the NUL.
        QCOMPARE(fontSlotName(r.seals[0]->CodeFontName()).size(), 63);
        QCOMPARE(r.seals[0]->CodeFontName()[63], '\0');
        QCOMPARE(r.seals[0]->Text3().size(), 65536);
    }

    void readerReasonsForTextsAndPictures()
    {
        // One seal: its six counted texts start after the 660-byte record.
        QByteArray b = documentWith(u"SealType"_s, 10);
        const int texts = FirstEntry + 660;
        QByteArray longText = b;
        putInt32(longText, texts + 3 * 4, 65537); // Text3, the fourth
        QCOMPARE(readerReason(longText), u"seal 0: Text3 is 65537 bytes long, more than 65536"_s);
        QByteArray cut = b;
        putInt32(cut, texts, 1000);
        QCOMPARE(readerReason(cut), u"seal 0: Text is cut short"_s);
        QByteArray negative = b;
        putInt32(negative, texts + 4, -1);
        QCOMPARE(readerReason(negative), u"seal 0: Text1 has the negative length -1"_s);
        QByteArray pictureKind = b;
        pictureKind[texts + 24] = 1;
        pictureKind.append(char(7)).append(QByteArray(8, '\0'));
        QCOMPARE(readerReason(pictureKind), u"seal 0: picture kind code 7 is none of 0 ... 4"_s);
        QByteArray hugePicture = b;
        hugePicture[texts + 24] = 1;
        hugePicture.append(char(4));
        QByteArray length(8, '\0');
        putInt64(length, 0, 268435457);
        hugePicture.append(length); // refused by its length, before the bytes are looked for
        QCOMPARE(readerReason(hugePicture), u"seal 0: Picture is 268435457 bytes long, more than 268435456"_s);
    }
};

QTEST_GUILESS_MAIN(TestSealLimits)
#include "tst_seallimits.moc"
