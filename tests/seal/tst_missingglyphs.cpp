// Characters a seal's face has no glyph for: found in the texts the seal really draws, each
// under the face it is drawn with, and named in the user's warning by the seal's number and text.

#include "testing/testhelpers.h"

#include "seal/fontsubstitution.h"
#include "seal/gbk.h"
#include "seal/missingglyphs.h"
#include "seal/seal.h"

#include <QFont>
#include <QRawFont>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace qm;
using qm::testing::newSealAt;

namespace {

const QByteArray SongTi = Gbk::fromUnicode(u"宋体"_s);
const QByteArray HeiTi = Gbk::fromUnicode(u"黑体"_s);

QRawFont rawFont(const QByteArray &faceGbk)
{
    QFont font(FontSubstitution::familyFor(faceGbk));
    font.setStyleStrategy(QFont::NoFontMerging);
    return QRawFont::fromFont(font);
}

// A GBK character that the family of 宋体 lacks and the family of 黑体 has, found by walking
// the double-byte range; null when the installed faces cover the same characters.
QChar songLacksHeiHas()
{
    const QRawFont song = rawFont(SongTi);
    const QRawFont hei = rawFont(HeiTi);
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const QString u = Gbk::toUnicode(QByteArray().append(char(lead)).append(char(trail)));
            if (u.size() == 1 && u[0] != QChar(0xFFFD) && !u[0].isSurrogate() && !song.supportsCharacter(u[0]) &&
                hei.supportsCharacter(u[0]))
                return u[0];
        }
    return {};
}

std::unique_ptr<Seal> flatText(const QString &text, const QByteArray &face)
{
    auto seal = newSealAt(SealType::stHorzText, 30, 30, 40, 10);
    seal->setText(Gbk::fromUnicode(text));
    seal->setFontName(makeFontSlot(face));
    return seal;
}

} // namespace

class TestMissingGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_missing = songLacksHeiHas();
        if (m_missing.isNull())
            QSKIP("the installed faces for 宋体 and 黑体 cover the same characters");
    }

    void namesTheSealAndTheCharacterItsFaceLacks()
    {
        const QString text = u"印"_s + m_missing + u"章"_s + m_missing;
        auto plain = flatText(u"印章"_s, SongTi);
        auto lacking = flatText(text, SongTi);
        auto otherFace = flatText(text, HeiTi);
        const QList<const Seal *> seals{plain.get(), lacking.get(), otherFace.get()};

        const QList<MissingGlyphs> found = sealsWithMissingGlyphs(seals);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].index, 1);
        QCOMPARE(found[0].seal, lacking.get());
        QCOMPARE(found[0].face, u"宋体"_s);
        QCOMPARE(found[0].family, FontSubstitution::familyFor(SongTi));
        QCOMPARE(found[0].characters, QString(m_missing)); // once, though drawn twice

        QCOMPARE(describeMissingGlyphs(found), u"第2个印章“%1”：字体“宋体”缺少“%2”"_s.arg(text, m_missing));
    }

    void onlyTextsTheKindDrawsCount()
    {
        // A flat text element draws Text alone: a lacking character in Text1 is never drawn.
        auto seal = flatText(u"印章"_s, SongTi);
        seal->setText1(Gbk::fromUnicode(QString(m_missing)));
        seal->setFontName1(makeFontSlot(SongTi));
        QVERIFY(sealsWithMissingGlyphs({seal.get()}).isEmpty());
    }

    void eachFaceOfASealIsItsOwnEntry()
    {
        // A round seal draws its ring text in FontName and its code in CodeFontName.
        auto seal = newSealAt(SealType::stEllipse, 40, 40, 40, 40);
        seal->setText(Gbk::fromUnicode(u"某某"_s + m_missing + u"公司"_s));
        seal->setFontName(makeFontSlot(HeiTi));
        seal->setCodeOn(true);
        seal->setCode(Gbk::fromUnicode(QString(m_missing) + u"12"_s));
        seal->setCodeFontName(makeFontSlot(SongTi));
        const QList<MissingGlyphs> found = sealsWithMissingGlyphs({seal.get()});
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].face, u"宋体"_s);
        QCOMPARE(found[0].characters, QString(m_missing));
    }

    void longTextsAreCutInTheWarning()
    {
        const QString text = u"一二三四五六七八九十甲乙丙丁戊己庚"_s + m_missing; // 18 characters
        auto seal = flatText(text, SongTi);
        QCOMPARE(describeMissingGlyphs(sealsWithMissingGlyphs({seal.get()})),
                 u"第1个印章“一二三四五六七八九十甲乙丙丁戊…”：字体“宋体”缺少“%1”"_s.arg(m_missing));
    }

private:
    QChar m_missing;
};

QTEST_MAIN(TestMissingGlyphs)
#include "tst_missingglyphs.moc"
