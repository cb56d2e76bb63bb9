// The window's tables without widgets: which controls a kind of seal enables, what each control
// edits for a kind and text line, how shown and stored values meet, and how typed texts become
// GBK.

#include "properties/gbktext.h"
#include "properties/propertycontrols.h"
#include "properties/propertymasks.h"
#include "seal/gbk.h"
#include "seal/sealpropertytable.h"
#include "seal/tseal.h"

#include <QTest>

#include <set>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

enum class Emblem { None, Star, Picture };

std::unique_ptr<TSeal> seal(TSealType kind, Emblem emblem = Emblem::None, TFrameType frame = TFrameType::ftRectangle,
                            bool codeOn = true)
{
    auto s = std::make_unique<TSeal>();
    s->SetSealType(kind);
    s->SetNameSealFrameType(frame);
    s->SetCodeOn(codeOn);
    // HaveImage without a star keeps the picture emblem; the star needs ImageIsStar.
    s->SetHaveImage(emblem != Emblem::None);
    s->SetImageIsStar(emblem == Emblem::Star);
    return s;
}

} // namespace

class TestPropertyMasks : public QObject
{
    Q_OBJECT

private slots:
    void generalMask_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("emblem");
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("codeOn");
        QTest::addColumn<QString>("mask");
        using enum TSealType;
        using enum TFrameType;
        auto row = [](const char *name, TSealType k, Emblem e, TFrameType f, bool code, const QString &m) {
            QTest::newRow(name) << int(k) << int(e) << int(f) << code << m;
        };
        // Head + A + B + C + D + E for name seals and stRect.
        row("name seal, plain", stName22, Emblem::None, ftRectangle, false,
            u"111111011000000"_s + u"11000000011"_s + u"0111111111"_s + u"1"_s + u"011111000000"_s + u"0"_s);
        row("name seal, picture, round corners, code on", stName4, Emblem::Picture, ftRoundRect, true,
            u"111111011000000"_s + u"11011111111"_s + u"0111111111"_s + u"0"_s + u"011111000000"_s + u"1"_s);
        row("stRect, star, oval frame", stRect, Emblem::Star, ftEllipse, false,
            u"111111011111111"_s + u"11111110011"_s + u"1111111110"_s + u"1"_s + u"111111000000"_s + u"0"_s);
        row("stRect, cut corners", stRect, Emblem::None, ftDiamond, true,
            u"111111011111111"_s + u"11000000011"_s + u"0111111111"_s + u"0"_s + u"011111000000"_s + u"1"_s);
        // Head + F + G for oval seals, head + H + I for triangle and rhomb.
        row("stEllipse, star, code on the frame", stEllipse, Emblem::Star, ftRectangle, true,
            u"11111001111111111"_s + u"1111100111111111110"_s + u"01111110000000"_s);
        row("stEpsCL, picture, code inside", stEpsCL, Emblem::Picture, ftRectangle, false,
            u"11111001111111111"_s + u"0111111111111111110"_s + u"11111110000000"_s);
        row("stTriangle, no emblem, code inside", stTriangle, Emblem::None, ftRectangle, false,
            u"11111001111111111"_s + u"0000000110111111111"_s + u"10111110000000"_s);
        row("stRhomb, star, code on", stRhomb, Emblem::Star, ftRectangle, true,
            u"11111001111111111"_s + u"1111100110111111111"_s + u"00111110000000"_s);
        // Drawing elements: fixed masks whatever their flags.
        row("stAnyAngleLine", stAnyAngleLine, Emblem::Star, ftEllipse, false, u"11111"_s + QString(44, u'0') + u"1"_s);
        row("stArc", stArc, Emblem::None, ftRectangle, true, u"111110111"_s + QString(41, u'0'));
        row("stHorzText", stHorzText, Emblem::None, ftRectangle, true,
            u"11"_s + QString(28, u'0') + u"1"_s + QString(19, u'0'));
        row("stCell", stCell, Emblem::None, ftRectangle, true, u"11"_s + QString(41, u'0') + u"111111"_s + u"0"_s);
    }
    void generalMask()
    {
        QFETCH(int, kind);
        QFETCH(int, emblem);
        QFETCH(int, frame);
        QFETCH(bool, codeOn);
        QFETCH(QString, mask);
        QCOMPARE(mask.size(), 50);
        const auto s = seal(TSealType(kind), Emblem(emblem), TFrameType(frame), codeOn);
        QCOMPARE(qm::generalMask(s.get()), mask);
    }

    void noSealDisablesEverything()
    {
        QCOMPARE(qm::generalMask(nullptr), QString(50, u'0'));
        for (int line = 0; line < 4; ++line)
            QCOMPARE(qm::textMask(nullptr, line), QString(18, u'0'));
    }

    // What the masks mean for the controls the user sees.
    void maskMeaning()
    {
        auto digit = [](const QString &mask, int tag) { return mask.at(controlByTag(tag)->position - 1) == u'1'; };
        const auto name = seal(TSealType::stName22, Emblem::None, TFrameType::ftRectangle, false);
        const QString plain = qm::generalMask(name.get());
        QVERIFY(digit(plain, 6));   // frame type
        QVERIFY(!digit(plain, 67)); // corner size
        QVERIFY(!digit(plain, 27)); // ring angle of the pattern lines
        QVERIFY(!digit(plain, 55)); // wrap angle of the code
        QVERIFY(digit(plain, 54));  // distance from the frame: the code is inside

        const auto oval = seal(TSealType::stEllipse, Emblem::Star, TFrameType::ftRectangle, true);
        const QString star = qm::generalMask(oval.get());
        for (int tag : {23, 24, 53, 54}) // picture colour, transparency, code length, distance
            QVERIFY2(!digit(star, tag), qPrintable(QString::number(tag)));
        QVERIFY(digit(star, 18) && digit(star, 19)); // the star's outline and size
    }

    void textMask_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("ring");
        QTest::addColumn<QString>("mask");
        using enum TSealType;
        auto row = [](const char *name, TSealType k, int line, bool ring, const QString &m) {
            QTest::newRow(name) << int(k) << line << ring << m;
        };
        row("name seal line 0", stName22, 0, true, u"111111110011110000"_s);
        row("stName12 line 1: the odd cell", stName12, 1, false, u"000011000000000000"_s);
        row("stName21A line 1", stName21A, 1, false, u"000011000000000000"_s);
        row("stName22 line 1", stName22, 1, false, QString(18, u'0'));
        row("stName12 line 2", stName12, 2, false, QString(18, u'0'));
        row("stEllipse ring line 0", stEllipse, 0, true, u"11111111"_s + u"0111110011"_s);
        row("stEllipse flat line 3", stEllipse, 3, false, u"11111111"_s + u"1011111110"_s);
        row("stRect ring line 2", stRect, 2, true, u"11111111"_s + u"0111110011"_s);
        row("stHorzText", stHorzText, 0, false, u"111111001011111100"_s);
        row("stEllipseText", stEllipseText, 0, true, u"111111000111110001"_s);
        row("stAnyAngleText", stAnyAngleText, 0, false, u"111111000111110000"_s);
        row("stHorzText line 1", stHorzText, 1, false, QString(18, u'0'));
        row("stArc", stArc, 0, true, QString(18, u'0'));
    }
    void textMask()
    {
        QFETCH(int, kind);
        QFETCH(int, line);
        QFETCH(bool, ring);
        QFETCH(QString, mask);
        const auto s = seal(TSealType(kind));
        s->SetIsEllipse(ring && line == 0);
        s->SetIsEllipse1(ring && line == 1);
        s->SetIsEllipse2(ring && line == 2);
        s->SetIsEllipse3(ring && line == 3);
        QCOMPARE(qm::textMask(s.get(), line), mask);
    }

    // Every position of both masks has one control; tags are unique; the general positions
    // 1 … 31 equal the tag and 32 … 50 hold tags 49 … 67; every property named, for every line
    // and every kind, is a row of the property table.
    void controlTable()
    {
        std::set<int> tags;
        for (int p = 1; p <= 50; ++p) {
            const PropertyControl *c = controlAt(MaskKind::General, p);
            QVERIFY2(c, qPrintable(QString::number(p)));
            QCOMPARE(c->tag, p <= 31 ? p : p + 17);
            QVERIFY(tags.insert(c->tag).second);
        }
        for (int p = 1; p <= 18; ++p) {
            const PropertyControl *c = controlAt(MaskKind::Text, p);
            QVERIFY2(c, qPrintable(QString::number(p)));
            QVERIFY(tags.insert(c->tag).second);
        }
        QCOMPARE(int(tags.size()), propertyControls().size());
        QCOMPARE(*tags.begin(), 1);
        QCOMPARE(*tags.rbegin(), 68);
        for (const PropertyControl &c : propertyControls()) {
            if (c.box == BoxKind::LineList)
                continue;
            for (int kind = 0; kind < SealTypeCount; ++kind)
                for (int line = 0; line < (c.mask == MaskKind::Text ? 4 : 1); ++line)
                    QVERIFY2(bindControl(c, TSealType(kind), line).property,
                             qPrintable(u"%1 kind %2 line %3"_s.arg(c.tag).arg(kind).arg(line)));
        }
    }

    void binding_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("box");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<QString>("label");
        using enum TSealType;
        auto row = [](const char *name, int tag, TSealType k, int line, const char *p, BoxKind box, double lo,
                      double hi, const QString &label) {
            QTest::newRow(name) << tag << int(k) << line << QString::fromLatin1(p) << int(box) << lo << hi << label;
        };
        row("lining width", 8, stEllipse, 0, "PenWidth1", BoxKind::Float, 0, 999, u"线    宽："_s);
        row("arc start", 8, stArc, 0, "TextAngle", BoxKind::Angle, 0, 999, u"起始角度："_s);
        row("arc end", 9, stArc, 0, "CodeAngle", BoxKind::Angle, -100, 999, u"终止角度："_s);
        row("corner size", 67, stRect, 0, "RealSR", BoxKind::Float, 0, 999, u"切角尺寸："_s);
        row("line slope", 67, stAnyAngleLine, 0, "TextAngle", BoxKind::Angle, 0, 999, u"直线倾角："_s);
        row("emblem width", 19, stEllipse, 0, "ImageWidth", BoxKind::Float, 0, 999, u"宽    度："_s);
        row("star width", 19, stFiveStar, 0, "RealWidth", BoxKind::Float, 0, 999, u"宽    度："_s);
        row("picture height", 20, stAnyImage, 0, "RealHeight", BoxKind::Float, 0, 999, u"高    度："_s);
        row("ring width", 34, stEllipse, 2, "TextsWidth2", BoxKind::Float, 0, 999, u"宽    度："_s);
        row("text element width", 34, stHorzText, 0, "RealWidth", BoxKind::Float, 0, 999, u"宽    度："_s);
        row("character width line 1", 36, stName12, 1, "TextWidth1", BoxKind::Float, 0, 999, u"字    宽："_s);
        row("font of line 3", 32, stRect, 3, "FontName3", BoxKind::Font, 0, 1, u"字体："_s);
        row("slope of text", 41, stAnyAngleText, 0, "TextAngle", BoxKind::Angle, 0, 360, u"倾    角："_s);
        row("ring angle line 1", 41, stEllipse, 1, "TextAngle1", BoxKind::Angle, 0, 360, u"环排角度："_s);
        // Free boxes take the document's limits: ±100 000 mm, ±1000 cells.
        row("free offset", 14, stEllipse, 0, "CLineCenterX", BoxKind::Float, -100000, 100000, u"水平偏移："_s);
        row("text offset line 2", 39, stRect, 2, "TextCenterY2", BoxKind::Float, -100000, 100000, u"垂直偏移："_s);
        row("cell columns", 65, stCell, 0, "RowColCount", BoxKind::Integer, -1000, 1000, u"表格行数："_s);
        row("cell rows", 66, stCell, 0, "RowColCount1", BoxKind::Integer, -1000, 1000, u"表格列数："_s);
    }
    void binding()
    {
        QFETCH(int, tag);
        QFETCH(int, kind);
        QFETCH(int, line);
        QFETCH(QString, property);
        QFETCH(int, box);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(QString, label);
        const ControlBinding b = bindControl(*controlByTag(tag), TSealType(kind), line);
        QVERIFY(b.property);
        QCOMPARE(b.property->qname(), property);
        QCOMPARE(int(b.box), box);
        if (BoxKind(box) != BoxKind::Font) {
            QCOMPARE(b.minimum, minimum);
            QCOMPARE(b.maximum, maximum);
        }
        QCOMPARE(b.label, label);
        QCOMPARE(b.typedLimit, BoxKind(box) == BoxKind::Float || tag == 65 || tag == 66);
    }

    void values()
    {
        // Degrees shown cut toward zero; written back times ten.
        QCOMPARE(shownValue(BoxKind::Angle, 455), 45.0);
        QCOMPARE(shownValue(BoxKind::Angle, -455), -45.0);
        QCOMPARE(storedValue(BoxKind::Angle, 45).toInt(), 450);
        QCOMPARE(storedValue(BoxKind::Angle, -100).toInt(), -1000);
        // Counts are rounded, halves to even.
        QCOMPARE(storedValue(BoxKind::Integer, 2.5).toInt(), 2);
        QCOMPARE(storedValue(BoxKind::Integer, 3.5).toInt(), 4);
        // Millimetres go in and out as the float.
        QCOMPARE(shownValue(BoxKind::Float, QVariant::fromValue(38.971f)), double(38.971f));
        QCOMPARE(storedValue(BoxKind::Float, 12.34).toFloat(), 12.34f);
    }

    void gbkText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("refused");
        QTest::newRow("fits") << u"宋体"_s << 63 << u"宋体"_s << QString();
        // 2 + 2 + 1 bytes: a limit of 4 must not keep half of the "体".
        QTest::newRow("cut before a double byte") << u"宋体a"_s << 3 << u"宋"_s << QString();
        QTest::newRow("cut after a single byte") << u"a宋体"_s << 4 << u"a宋"_s << QString();
        // 32 Chinese characters are 64 bytes; a face slot keeps 63, so 31 characters.
        QTest::newRow("face slot") << QString(32, QChar(0x5B8B)) << 63 << QString(31, QChar(0x5B8B)) << QString();
        QTest::newRow("emoji") << u"印章\U0001F600"_s << 63 << QString() << u"\U0001F600"_s;
        QTest::newRow("thai twice") << u"ก印ก"_s << 63 << QString() << u"ก"_s;
    }
    void gbkText()
    {
        QFETCH(QString, typed);
        QFETCH(int, limit);
        QFETCH(QString, stored);
        QFETCH(QString, refused);
        const GbkText t = toGbkText(typed, limit);
        QCOMPARE(t.refused, refused);
        QCOMPARE(Gbk::toUnicode(t.bytes), stored);
        QVERIFY(t.bytes.size() <= limit);
        QCOMPARE(t.cut, refused.isEmpty() && stored != typed);
    }
};

QTEST_GUILESS_MAIN(TestPropertyMasks)
#include "tst_propertymasks.moc"
