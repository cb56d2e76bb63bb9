// The window's tables without widgets: which controls a kind of seal enables, that every control
// edits a property of the table, how shown and stored values meet, and typed texts as GBK.

#include "properties/gbktext.h"
#include "properties/propertycontrols.h"
#include "properties/propertymasks.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QTest>

#include <set>

using namespace qm;
using namespace Qt::StringLiterals;
using enum SealType;

namespace {

enum Emblem { NoEmblem, Star, Picture };

std::unique_ptr<Seal> seal(SealType kind, int emblem = NoEmblem, FrameType frame = FrameType::ftRectangle,
                           bool codeOn = true)
{
    auto s = std::make_unique<Seal>();
    s->setSealType(kind);
    s->setNameSealFrameType(frame);
    s->setCodeOn(codeOn);
    s->setHaveImage(emblem != NoEmblem);
    s->setImageIsStar(emblem == Star);
    return s;
}

QString zeros(int n)
{
    return QString(n, u'0');
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
        auto row = [](const char *name, SealType k, int e, FrameType f, bool code, const QString &m) {
            QTest::newRow(name) << int(k) << e << int(f) << code << m;
        };
        using enum FrameType;
        // Name seals and stRect: head + A + B + C + D + E.
        row("name seal", stName22, NoEmblem, ftRectangle, false,
            u"111111011000000"_s + u"11000000011"_s + u"0111111111"_s + u"1"_s + u"011111000000"_s + u"0"_s);
        row("name seal, picture, round corners", stName4, Picture, ftRoundRect, true,
            u"111111011000000"_s + u"11011111111"_s + u"0111111111"_s + u"0"_s + u"011111000000"_s + u"1"_s);
        row("stRect, star, oval frame", stRect, Star, ftEllipse, false,
            u"111111011111111"_s + u"11111110011"_s + u"1111111110"_s + u"1"_s + u"111111000000"_s + u"0"_s);
        // Oval seals: head + F + G; triangle and rhomb: head + H + I.
        row("stEllipse, star, code on the frame", stEllipse, Star, ftRectangle, true,
            u"11111001111111111"_s + u"1111100111111111110"_s + u"01111110000000"_s);
        row("stEpsCL, picture, code inside", stEpsCL, Picture, ftRectangle, false,
            u"11111001111111111"_s + u"0111111111111111110"_s + u"11111110000000"_s);
        row("stTriangle, code inside", stTriangle, NoEmblem, ftRectangle, false,
            u"11111001111111111"_s + u"0000000110111111111"_s + u"10111110000000"_s);
        row("stRhomb, star, code on", stRhomb, Star, ftRectangle, true,
            u"11111001111111111"_s + u"1111100110111111111"_s + u"00111110000000"_s);
        // Drawing elements have fixed masks whatever their flags.
        row("stAnyAngleLine", stAnyAngleLine, Star, ftEllipse, false, u"11111"_s + zeros(44) + u"1"_s);
        row("stArc", stArc, NoEmblem, ftRectangle, true, u"111110111"_s + zeros(41));
        row("stHorzText", stHorzText, NoEmblem, ftRectangle, true, u"11"_s + zeros(28) + u"1"_s + zeros(19));
        row("stCell", stCell, NoEmblem, ftRectangle, true, u"11"_s + zeros(41) + u"111111"_s + u"0"_s);
    }
    void generalMask()
    {
        QFETCH(int, kind);
        QFETCH(int, emblem);
        QFETCH(int, frame);
        QFETCH(bool, codeOn);
        QFETCH(QString, mask);
        QCOMPARE(mask.size(), 50);
        QCOMPARE(qm::generalMask(seal(SealType(kind), emblem, FrameType(frame), codeOn).get()), mask);
        QCOMPARE(qm::generalMask(nullptr), zeros(50));
    }

    void textMask_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("ring");
        QTest::addColumn<QString>("mask");
        auto row = [](const char *name, SealType k, int line, bool ring, const QString &m) {
            QTest::newRow(name) << int(k) << line << ring << m;
        };
        row("name seal", stName22, 0, true, u"111111110011110000"_s);
        row("stName12 line 1: the odd cell", stName12, 1, false, u"000011000000000000"_s);
        row("stName21A line 1", stName21A, 1, false, u"000011000000000000"_s);
        row("stName22 line 1", stName22, 1, false, zeros(18));
        row("stEllipse ring line 0", stEllipse, 0, true, u"11111111"_s + u"0111110011"_s);
        row("stRect flat line 3", stRect, 3, false, u"11111111"_s + u"1011111110"_s);
        row("stHorzText", stHorzText, 0, false, u"111111001011111100"_s);
        row("stEllipseText", stEllipseText, 0, true, u"111111000111110001"_s);
        row("stAnyAngleText", stAnyAngleText, 0, false, u"111111000111110000"_s);
        row("stHorzText line 1", stHorzText, 1, false, zeros(18));
        row("stArc", stArc, 0, true, zeros(18));
    }
    void textMask()
    {
        QFETCH(int, kind);
        QFETCH(int, line);
        QFETCH(bool, ring);
        QFETCH(QString, mask);
        const auto s = seal(SealType(kind));
        s->setIsEllipse(ring && line == 0);
        s->setIsEllipse1(ring && line == 1);
        s->setIsEllipse3(ring && line == 3);
        QCOMPARE(qm::textMask(s.get(), line), mask);
        QCOMPARE(qm::textMask(nullptr, line), zeros(18));
    }

    // One control per position of each mask; unique tags; general positions 1 … 31 equal the tag,
    // 32 … 50 hold 49 … 67; every property named, for every kind and line, is in the table.
    void controlTable()
    {
        std::set<int> tags;
        for (int p = 1; p <= 50; ++p) {
            const PropertyControl *c = controlAt(MaskKind::General, p);
            QVERIFY2(c && c->tag == (p <= 31 ? p : p + 17), qPrintable(QString::number(p)));
            QVERIFY(tags.insert(c->tag).second);
        }
        for (int p = 1; p <= 18; ++p) {
            const PropertyControl *c = controlAt(MaskKind::Text, p);
            QVERIFY2(c && tags.insert(c->tag).second, qPrintable(QString::number(p)));
        }
        QCOMPARE(int(tags.size()), propertyControls().size());
        QCOMPARE(*tags.rbegin(), 68);
        for (const PropertyControl &c : propertyControls())
            for (int kind = 0; kind < SealTypeCount && c.box != BoxKind::LineList; ++kind)
                for (int line = 0; line < (c.mask == MaskKind::Text ? 4 : 1); ++line)
                    QVERIFY2(bindControl(c, SealType(kind), line).property,
                             qPrintable(u"%1 kind %2 line %3"_s.arg(c.tag).arg(kind).arg(line)));
    }

    void values()
    {
        // Degrees shown cut toward zero, written back times ten; counts rounded half to even.
        QCOMPARE(shownValue(BoxKind::Angle, 455), 45.0);
        QCOMPARE(shownValue(BoxKind::Angle, -455), -45.0);
        QCOMPARE(storedValue(BoxKind::Angle, 45).toInt(), 450);
        QCOMPARE(storedValue(BoxKind::Integer, 2.5).toInt(), 2);
        QCOMPARE(storedValue(BoxKind::Integer, 3.5).toInt(), 4);
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
        // 2 + 2 + 1 bytes: a limit of 3 must not keep half of the "体".
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
