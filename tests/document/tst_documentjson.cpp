#include "documenttesting.h"

#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/libraryitem.h"
#include "document/sealdocument.h"
#include "picture/decodebudget.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealjson.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// Key positions in the text, to check the fixed order that QJsonObject would not keep.
bool inOrder(const QByteArray &text, const QList<QByteArray> &keys)
{
    qsizetype last = -1;
    for (const QByteArray &k : keys) {
        const qsizetype at = text.indexOf("\"" + k + "\":");
        if (at <= last)
            return false;
        last = at;
    }
    return true;
}

} // namespace

class TestDocumentJson : public QObject
{
    Q_OBJECT

private slots:
    void documentDump()
    {
        SealDocument doc;
        doc.page().setPageWidth(210);
        doc.page().setPageHeight(297);
        auto seal = doc.createSeal();
        seal->setText(Gbk::fromUnicode(u"合同专用章"_s));
        seal->setBrushStyle(BrushStyle::bsSolid);
        doc.seals().push_back(std::move(seal));
        const QByteArray text = documentToJson(doc, 8.0f);
        QVERIFY(text.startsWith("{\"format\":\"dyz\",\"version\":8.0,\"page\":{\"PageWidth\":210,"));
        QVERIFY(inOrder(text, {"PageWidth", "PageHeight", "LeftMargin", "TopMargin", "RightMargin", "BottomMargin",
                               "seals", "SealType", "PenColor", "Text", "RealSR", "RealCenterY", "PicClrChange",
                               "FontName", "CodeFontName", "Picture"}));
        QVERIFY(text.contains("\"PenWidth\":1.2,"));   // the float 1.2f, written short
        QVERIFY(text.contains("\"LineWidth\":0.08,")); // likewise 0.08f
        QVERIFY(text.contains("\"BrushStyle\":0,"));
        QVERIFY(text.contains("\"Picture\":null}"));
        const QJsonObject o = QJsonDocument::fromJson(text).object();
        const QJsonObject s = o.value(u"seals"_s).toArray().at(0).toObject();
        QCOMPARE(s.value(u"Text"_s).toString(), u"合同专用章"_s);
        QCOMPARE(s.value(u"FontName"_s).toString(), u"宋体"_s);
        QCOMPARE(s.value(u"CodeFontName"_s).toString(), u"黑体"_s);
        QCOMPARE(s.value(u"CodeOn"_s).toBool(), true);
        QVERIFY(documentToJson(doc, 7.6f).startsWith("{\"format\":\"dyz\",\"version\":7.6,"));
    }

    void libraryDump()
    {
        SealDocument doc;
        LibraryItem item;
        item.version = 8;
        item.thumbnail = QByteArray(10, 'x');
        item.width = 56;
        item.height = 42.5;
        item.items.push_back({-7, 0.5, doc.createSeal()});
        const QByteArray text = libraryItemToJson(item, QSize(643, 484));
        QVERIFY(text.startsWith("{\"format\":\"yzl\",\"version\":8.0,\"thumbnail\":{\"bytes\":10,\"width\":643,"
                                "\"height\":484},\"width\":56,\"height\":42.5,\"items\":[{\"dx\":-7,\"dy\":0.5,"
                                "\"seal\":{\"SealType\":0,"));
        QVERIFY(!QJsonDocument::fromJson(text).isNull());
    }

    void build()
    {
        SealDocument doc;
        QString error;
        QVERIFY(documentFromJson(R"({"seals":[{"SealType":10,"RealCenterX":50,"Text":"印"}]})", {}, doc, &error));
        // Absent page values: A4 with 6 mm margins.
        QCOMPARE(double(doc.page().pageWidth()), 210.0);
        QCOMPARE(double(doc.page().pageHeight()), 297.0);
        QCOMPARE(double(doc.page().leftMargin()), 6.0);
        QCOMPARE(double(doc.page().bottomMargin()), 6.0);
        QCOMPARE(doc.seals().size(), size_t(1));
        QCOMPARE(doc.seals()[0]->SealType(), SealType::stEllipse);
        QCOMPARE(doc.seals()[0]->RealCenterX(), 50.0f);
        QCOMPARE(doc.seals()[0]->RealWidth(), 42.0f); // a new element's default
        QCOMPARE(doc.seals()[0]->Text(), Gbk::fromUnicode(u"印"_s));

        SealDocument sized;
        QVERIFY(documentFromJson(R"({"page":{"PageWidth":100,"TopMargin":3},"seals":[]})", {}, sized, &error));
        QCOMPARE(double(sized.page().pageWidth()), 100.0);
        QCOMPARE(double(sized.page().pageHeight()), 297.0);
        QCOMPARE(double(sized.page().topMargin()), 3.0);
    }

    void buildRefuses_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not an object") << QByteArray("[1]");
        QTest::newRow("unknown page value") << QByteArray(R"({"page":{"Width":1},"seals":[]})");
        QTest::newRow("page too large") << QByteArray(R"({"page":{"PageWidth":1e9},"seals":[]})");
        QTest::newRow("unknown property") << QByteArray(R"({"seals":[{"Colour":1}]})");
        QTest::newRow("pattern lines beyond the limit") << QByteArray(R"({"seals":[{"LineCount":3601}]})");
        QTest::newRow("missing picture") << QByteArray(R"({"seals":[{"Picture":{"file":"none.gif"}}]})");
    }
    void buildRefuses()
    {
        QFETCH(QByteArray, json);
        SealDocument doc;
        doc.page().setPageWidth(5);
        QString error;
        QVERIFY(!documentFromJson(json, u"/nonexistent"_s, doc, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(doc.seals().empty());
        QCOMPARE(double(doc.page().pageWidth()), 5.0);
    }

    // What is refused, and why, alike for a document's JSON and the seal JSON within it.
    void refusalReasons_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("sealJsonToo"); // the seal reader refuses it with the same reason
        // The parser's own words and where it stopped: the text ends after its 11 bytes.
        QTest::newRow("cut short") << QByteArray(R"({"seals": [)")
                                   << u"not valid JSON: unterminated array at offset 11"_s << true;
        QTest::newRow("zero width") << QByteArray(R"({"page":{"PageWidth":0},"seals":[]})")
                                    << u"page: PageWidth must be above 0"_s << false;
        QTest::newRow("negative height") << QByteArray(R"({"page":{"PageHeight":-297},"seals":[]})")
                                         << u"page: PageHeight must be above 0"_s << false;
        QTest::newRow("negative margin") << QByteArray(R"({"page":{"TopMargin":-1},"seals":[]})")
                                         << u"page: TopMargin must be at least 0"_s << false;
        // Root, list and 20 001 seals: 20 003 objects and arrays, parsed, then counted.
        QByteArray many(R"({"seals":[{})");
        many.append(QByteArray(",{}").repeated(20000)).append("]}");
        QTest::newRow("20 001 seals") << many << u"20001 seals, more than the 20000 a document holds"_s << true;
        // 40 004 objects and arrays are more than 2 x 20 000 seals with their pictures, plus the
        // root, its page and the list, could need: refused unparsed.
        QByteArray more(R"({"seals":[{})");
        more.append(QByteArray(",{}").repeated(40001)).append("]}");
        QTest::newRow("40 002 seals") << more << u"more than 20000 seals"_s << true;
    }
    void refusalReasons()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        QFETCH(bool, sealJsonToo);
        SealDocument doc;
        QString error;
        QVERIFY(!documentFromJson(json, {}, doc, &error));
        QCOMPARE(error, reason);
        QVERIFY(doc.seals().empty());
        if (sealJsonToo)
            QCOMPARE(readSealJson(json, {}).error, reason);
        // A zero margin is a margin.
        QVERIFY(documentFromJson(R"({"page":{"LeftMargin":0,"TopMargin":0},"seals":[]})", {}, doc, &error));
    }

    // Twelve seals naming one picture file decode it once: a budget of exactly its pixels is
    // enough, and all twelve share the decoded picture. (One 8000 x 8000 photo is 64 000 000
    // pixels, within one picture's limit of 67 108 864; twelve copies would be 768 000 000.)
    void onePictureFileDecodedOnce()
    {
        QTemporaryDir dir;
        QImage photo(200, 100, QImage::Format_RGB32);
        photo.fill(Qt::gray);
        QFile file(dir.filePath(u"photo.jpg"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(imageBytes(photo, "JPG"));
        file.close();
        QByteArray json(R"({"seals":[)");
        for (int i = 0; i < 12; ++i)
            json.append(i ? "," : "").append(R"({"SealType":23,"Picture":{"file":"photo.jpg"}})");
        json.append("]}");
        DecodeBudget budget(200 * 100);
        const SealJsonResult read = readSealJson(json, dir.path(), &budget);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.seals.size(), size_t(12));
        QCOMPARE(budget.pixelsLeft(), 0);
        for (const auto &seal : read.seals)
            QCOMPARE(seal->Picture().image().cacheKey(), read.seals[0]->Picture().image().cacheKey());
        // A second picture is beyond that budget.
        photo.fill(Qt::black);
        QFile other(dir.filePath(u"other.jpg"_s));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write(imageBytes(photo, "JPG"));
        other.close();
        json.chop(2);
        json.append(R"(,{"SealType":23,"Picture":{"file":"other.jpg"}}]})");
        DecodeBudget small(200 * 100);
        QVERIFY(readSealJson(json, dir.path(), &small).error.startsWith(u"seal 12: Picture:"_s));
    }
};

QTEST_MAIN(TestDocumentJson)
#include "tst_documentjson.moc"
