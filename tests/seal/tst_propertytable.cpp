// The property table drives copy, JSON and the seal record: it must describe every property
// once, with offsets that tile the 660-byte record exactly.

#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealjson.h"
#include "seal/sealpropertytable.h"

#include <QBuffer>
#include <QJsonObject>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

int fieldSize(SealProperty::Type t)
{
    switch (t) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Bool:
        return 1;
    case SealProperty::Type::FontSlot:
        return 64;
    default:
        return 4;
    }
}

} // namespace

class TestPropertyTable : public QObject
{
    Q_OBJECT

private slots:
    void recordFieldsTileTheRecord()
    {
        int next = 0;
        for (const SealProperty *p : sealRecordFields()) {
            QVERIFY2(p->recordOffset == next, p->name);
            next += fieldSize(p->type);
        }
        QCOMPARE(next, 660);
        QCOMPARE(sealRecordFields().first()->qname(), u"SealType"_s);
        QCOMPARE(sealRecordFields().last()->qname(), u"PicClrChange"_s);
    }

    void textsInFileOrder()
    {
        QStringList n;
        for (const SealProperty *p : sealTextFields())
            n.append(p->qname());
        QCOMPARE(n, (QStringList{u"Text"_s, u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Code"_s, u"Image"_s}));
    }

    void copyCarriesEveryStoredProperty()
    {
        Seal a;
        a.setPixelsPerMm(10);
        a.setZoom(100);
        a.setSealType(SealType::stEllipse);
        a.setPenColor(0x00FF00);
        a.setBrushColor(0x123456);
        a.setText(Gbk::fromUnicode(u"示例应用软件公司"_s));
        a.setCode("1234567890123");
        a.setRealWidth(40);
        a.setRealHeight(30);
        a.setRealCenterX(55.5f);
        a.setRealCenterY(66.25f);
        a.setTextAngle(2400);
        a.setLineCount(12);
        a.setNameSealFrameType(FrameType::ftDiamond);
        a.setItalic3(true);
        a.setPicTransParnt(false);
        a.setCodeFontName(makeFontSlot("\xBF\xAC\xCC\xE5"));
        a.setImageIsStar(true);

        Seal b;
        b.setPixelsPerMm(20);
        b.setZoom(100);
        copySealProperties(a, b);
        for (const SealProperty &p : sealProperties()) {
            if (p.recordOffset < 0 && p.type != SealProperty::Type::String)
                continue; // resolution, zoom and picture belong to the target
            QVERIFY2(p.get(a) == p.get(b), p.name);
        }
        // The box follows the target's own scale.
        QCOMPARE(b.width(), 800);
        QCOMPARE(b.left(), roundHalfEven(20 * (55.5L - 20)));
    }

    // The readers and writers set and get numbers as doubles: each must land as the variant would.
    void numbersAgreeWithVariants()
    {
        for (const SealProperty &p : sealProperties()) {
            QVariant typed;
            double number = 0;
            switch (p.type) {
            case SealProperty::Type::Color:
                typed = QVariant::fromValue(uint(0xFFFFFFFF)); // above every int
                number = 4294967295.0;
                break;
            case SealProperty::Type::Float:
                typed = QVariant::fromValue(float(p.range.minimum + 0.25));
                number = p.range.minimum + 0.25;
                break;
            case SealProperty::Type::Int:
                typed = int(p.range.minimum);
                number = p.range.minimum;
                break;
            case SealProperty::Type::Bool:
                typed = true;
                number = 1;
                break;
            case SealProperty::Type::SealType:
            case SealProperty::Type::BrushStyle:
            case SealProperty::Type::FrameType:
                typed = int(p.range.maximum);
                number = p.range.maximum;
                break;
            default:
                QVERIFY2(!p.isNumber() && !p.setNumber, p.name);
                continue;
            }
            QVERIFY2(p.isNumber() && p.setNumber, p.name);
            Seal byVariant;
            Seal byNumber;
            p.set(byVariant, typed);
            p.setNumber(byNumber, number);
            QVERIFY2(p.get(byVariant) == p.get(byNumber), p.name);
            QCOMPARE(p.getNumber(byNumber), p.get(byNumber).toDouble());
        }
    }

    // The readers' quick check says yes exactly where the refusal has no words.
    void numberCheckAgreesWithRefusal()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        for (const SealProperty &p : sealProperties()) {
            if (!p.isNumber())
                continue;
            const double r = p.range.maximum;
            for (double v : {nan, inf, -inf, 0.0, 0.5, p.range.minimum, p.range.minimum - 1, r, r + 0.5, r + 1})
                QVERIFY2(sealNumberAcceptable(p, v) == sealNumberRefusal(p, v).isEmpty(),
                         qPrintable(u"%1 %2"_s.arg(p.qname()).arg(v)));
        }
    }

    void jsonFloatsAreShortest()
    {
        Seal s;
        const SealProperty *p = findSealProperty(u"PenWidth");
        QVERIFY(p);
        QCOMPARE(propertyToJson(*p, s).toDouble(), 1.2);
        QCOMPARE(propertyToJson(*findSealProperty(u"LineWidth"), s).toDouble(), 0.08);
        QCOMPARE(propertyToJson(*findSealProperty(u"CodeFontName"), s).toString(), u"黑体"_s);
        QCOMPARE(propertyToJson(*findSealProperty(u"BrushStyle"), s).toInt(), 1);
        QVERIFY(propertyToJson(*findSealProperty(u"Picture"), s).isNull());
    }

    void jsonSealsApplyInTableOrder()
    {
        // The angle comes before the length in the table, so the box is computed from both.
        const QByteArray json = R"({"seals":[{"SealType":16,"RealTextLength":50,"TextAngle":300,
            "PixelsPerMm":10,"Zoom":100,"Text":"张三"}]})";
        SealJsonResult r = readSealJson(json, QString());
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.seals.size(), size_t(1));
        const Seal &s = *r.seals.front();
        QVERIFY(std::abs(s.RealHeight() - 25.0f) < 1e-4);
        QCOMPARE(s.Text(), Gbk::fromUnicode(u"张三"_s));
        QCOMPARE(s.height(), 250);
    }

    // Each refusal names the seal by its place in the list, the property and what is wrong with it.
    void jsonRefusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not json") << QByteArray("{") << u"not valid JSON: "_s;
        QTest::newRow("no seals") << QByteArray(R"({"items":[]})") << u"expected {\"seals\": [...]}"_s;
        QTest::newRow("seals not a list") << QByteArray(R"({"seals":{}})") << u"expected {\"seals\": [...]}"_s;
        QTest::newRow("seal not an object") << QByteArray(R"({"seals":[{}, 7]})") << u"seal 1: expected an object"_s;
        QTest::newRow("unknown property")
            << QByteArray(R"({"seals":[{"Colour":1}]})") << u"seal 0: unknown property Colour"_s;
        QTest::newRow("wrong type in the second seal")
            << QByteArray(R"({"seals":[{}, {"RealWidth":"wide"}]})") << u"seal 1: RealWidth: a number is expected"_s;
        QTest::newRow("fraction for an integer")
            << QByteArray(R"({"seals":[{"LineCount":1.5}]})") << u"seal 0: LineCount 1.5 is not a whole number"_s;
        QTest::newRow("one pattern line too many")
            << QByteArray(R"({"seals":[{"LineCount":3601}]})") << u"seal 0: LineCount 3601 is outside -3600 ... 3600"_s;
        QTest::newRow("brush style out of range")
            << QByteArray(R"({"seals":[{"BrushStyle":8}]})") << u"seal 0: BrushStyle 8 is outside 0 ... 7"_s;
        QTest::newRow("frame type out of range") << QByteArray(R"({"seals":[{"NameSealFrameType":4}]})")
                                                 << u"seal 0: NameSealFrameType 4 is outside 0 ... 3"_s;
        QTest::newRow("colour beyond 32 bits") << QByteArray(R"({"seals":[{"PenColor":4294967296}]})")
                                               << u"seal 0: PenColor 4294967296 is outside 0 ... 4294967295"_s;
        QTest::newRow("flag as a number")
            << QByteArray(R"({"seals":[{"CodeOn":1}]})") << u"seal 0: CodeOn: true or false is expected"_s;
        QTest::newRow("picture without a file")
            << QByteArray(R"({"seals":[{"Picture":{}}]})") << u"seal 0: Picture: {\"file\": name} is expected"_s;
        QTest::newRow("missing picture file") << QByteArray(R"({"seals":[{"Picture":{"file":"nowhere.gif"}}]})")
                                              << u"seal 0: Picture: /nonexistent-dir/nowhere.gif does not exist"_s;
    }
    void jsonRefusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, reason);
        const SealJsonResult r = readSealJson(json, u"/nonexistent-dir"_s);
        // The parser's own words follow the prefix.
        if (reason.endsWith(u": "_s))
            QVERIFY2(r.error.startsWith(reason) && r.error.size() > reason.size(), qPrintable(r.error));
        else
            QCOMPARE(r.error, reason);
        QVERIFY(r.seals.empty());
    }
};

QTEST_MAIN(TestPropertyTable)
#include "tst_propertytable.moc"
