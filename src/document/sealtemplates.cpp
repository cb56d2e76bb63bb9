#include "document/sealtemplates.h"

#include "seal/gbk.h"
#include "seal/tseal.h"

using namespace Qt::StringLiterals;

namespace qm {
namespace {

QByteArray gbk(const QString &text)
{
    return Gbk::fromUnicode(text);
}

QByteArray company()
{
    return gbk(u"示例应用软件公司"_s);
}

// The triangle frame of tool 9 and the triangle seal of tool 30 differ only in their texts and
// the centre-line box.
void applyTriangle(TSeal &s, const QByteArray &text, const QByteArray &text2, const QByteArray &text3, float penWidth4)
{
    s.SetSealType(TSealType::stTriangle);
    s.SetText(text);
    s.SetText2(text2);
    s.SetText3(text3);
    s.SetRowCol3(false);
    s.SetIsEllipse(false);
    s.SetRealWidth(45);
    s.SetRealHeight(38.971f); // equilateral: 45 × √3 / 2
    s.SetPenWidth(1);
    s.SetPenWidth4(penWidth4);
    s.SetTextWidth(3);
    s.SetTextHeight(6);
    s.SetTextsWidth(33);
    s.SetTextsWidth2(16);
    s.SetTextsHeight3(10);
    s.SetTextCenterY(-14);
    s.SetTextCenterY2(1);
    s.SetTextCenterY3(9);
    s.SetCLineCenterY(-5.5f);
}

// The rhomb frame of tool 10 and the rhomb seal of tool 29.
void applyRhomb(TSeal &s, const QByteArray &text, const QByteArray &text3, float penWidth4)
{
    s.SetSealType(TSealType::stRhomb);
    s.SetText(text);
    s.SetText3(text3);
    s.SetIsEllipse(false);
    s.SetRealWidth(45);
    s.SetRealHeight(25);
    s.SetPenWidth(1);
    s.SetPenWidth4(penWidth4);
    s.SetTextWidth(3);
    s.SetTextHeight(4.5f);
    s.SetTextsWidth(12);
    s.SetTextsHeight(6);
    s.SetTextsWidth2(12);
    s.SetTextsWidth3(12);
    s.SetTextCenterY(-5.5f);
    s.SetTextCenterY1(-3);
    s.SetTextCenterY2(3);
    s.SetTextCenterY3(6);
}

// Lines, frames, texts, star, table: the tools of the draw-tool palette but the picture.
bool applyDrawingElement(int tag, TSeal &s)
{
    switch (tag) {
    case 1:
        s.SetSealType(TSealType::stHorzLine);
        s.SetRealWidth(40);
        s.SetPenWidth(1);
        return true;
    case 2:
        s.SetSealType(TSealType::stVertLine);
        s.SetRealHeight(40);
        s.SetPenWidth(1);
        return true;
    case 3:
        s.SetSealType(TSealType::stAnyAngleLine);
        s.SetRealWidth(40);
        s.SetRealHeight(40);
        s.SetTextAngle(450);
        return true;
    case 4:
        s.SetSealType(TSealType::stArc);
        s.SetTextAngle(300);
        s.SetCodeAngle(1500);
        return true;
    case 5:
    case 6:
    case 7:
    case 8:
        // Plain frames: name seals without text, shaped by the frame type.
        s.SetSealType(TSealType::stName22);
        s.SetText({});
        if (tag == 5)
            s.SetNameSealFrameType(TFrameType::ftEllipse);
        else if (tag == 7)
            s.SetNameSealFrameType(TFrameType::ftRoundRect);
        else if (tag == 8)
            s.SetNameSealFrameType(TFrameType::ftDiamond);
        s.SetPenWidth(1);
        s.SetRealWidth(20);
        s.SetRealHeight(20);
        if (tag == 7)
            s.SetRealSR(3.5f);
        else if (tag == 8)
            s.SetRealSR(1.5f);
        s.SetTextsWidth(15.5f);
        s.SetTextsHeight(15.5f);
        return true;
    case 9:
        applyTriangle(s, {}, {}, {}, 0);
        return true;
    case 10:
        applyRhomb(s, {}, {}, 0);
        return true;
    case 11:
    case 12:
        s.SetSealType(tag == 11 ? TSealType::stHorzText : TSealType::stEllipseText);
        s.SetPenWidth(0.3f);
        s.SetText(gbk(tag == 11 ? u"请输入文字"_s : u"请输入弧排文字"_s));
        s.SetTextHeight(6.5f);
        s.SetTextWidth(5);
        return true;
    case 13:
        s.SetSealType(TSealType::stAnyAngleText);
        s.SetPenWidth(0.3f);
        s.SetText(gbk(u"请输入文字"_s));
        s.SetRealWidth(40);
        s.SetRealHeight(40);
        s.SetTextHeight(6.5f);
        s.SetTextWidth(4.5f);
        s.SetTextAngle(450);
        return true;
    case 14:
        s.SetSealType(TSealType::stFiveStar);
        s.SetRealWidth(12);
        s.SetRealHeight(12);
        s.SetPenWidth3(0.35f);
        return true;
    case 15:
        s.SetSealType(TSealType::stCell);
        s.SetRealWidth(60);
        s.SetRealHeight(18);
        s.SetPenWidth(0.6f);
        s.SetPenWidth1(0.3f);
        s.SetRowColCount(4);
        s.SetRowColCount1(3);
        return true;
    default:
        return false;
    }
}

bool applyOfficialSeal(int tag, TSeal &s)
{
    switch (tag) {
    case 17:
        s.SetSealType(TSealType::stEllipse);
        s.SetText(company());
        s.SetHaveImage(true);
        s.SetImageIsStar(true);
        return true;
    case 18:
        s.SetSealType(TSealType::stEllipse);
        s.SetText(company());
        s.SetText3(gbk(u"财务专用章"_s));
        s.SetTextsWidth3(20);
        s.SetHaveImage(true);
        s.SetImageIsStar(true);
        return true;
    case 19:
    case 20:
        // Round rotating-date seals; the first draws its centre box closed.
        s.SetSealType(TSealType::stEllipse);
        s.SetText(company());
        s.SetText2(gbk(u"现金清讫"_s));
        s.SetText3(gbk(u"(01)"_s));
        s.SetTextAngle(tag == 19 ? 1750 : 1500);
        s.SetPenWidth4(0.5f);
        if (tag == 19)
            s.SetIsZhuanLunA(true);
        s.SetTextWidth(3.5f);
        s.SetTextHeight(6);
        s.SetTextWidth2(6);
        s.SetTextHeight2(8);
        s.SetTextWidth3(3);
        s.SetTextHeight3(6);
        s.SetTextsWidth3(8);
        s.SetTextsWidth2(28);
        s.SetTextCenterY2(9);
        s.SetTextCenterY3(16);
        return true;
    case 21:
        s.SetSealType(TSealType::stEpsCL);
        s.SetText(company());
        s.SetText3(gbk(u"合同专用章"_s));
        s.SetTextAngle(1650);
        s.SetHaveImage(true);
        s.SetImageIsStar(true);
        s.SetRealWidth(47);
        s.SetRealHeight(35);
        s.SetLineABW(12);
        s.SetPenWidth4(0.5f);
        s.SetCLWidth(40);
        s.SetTextWidth(3);
        s.SetTextWidth3(4);
        s.SetTextHeight(5);
        s.SetTextHeight3(7);
        s.SetTextsWidth(43);
        s.SetTextsHeight(31);
        s.SetTextsWidth3(24);
        s.SetTextCenterY1(-6);
        s.SetTextCenterY2(6);
        s.SetTextCenterY3(10);
        return true;
    case 22:
        s.SetSealType(TSealType::stEllipse);
        s.SetText(gbk(u"示例市应用软件公司"_s));
        s.SetText2(gbk(u"883312345678988"_s));
        s.SetText3(gbk(u"发票专用章"_s));
        s.SetTextAngle(1550);
        s.SetTextAngle3(900);
        s.SetTopOrDown3(false);
        s.SetRealWidth(40);
        s.SetRealHeight(27);
        s.SetTextWidth(2.5f);
        s.SetTextWidth2(2);
        s.SetTextWidth3(3);
        s.SetTextHeight(4.5f);
        s.SetTextHeight2(5);
        s.SetTextHeight3(5);
        s.SetTextsWidth(36);
        s.SetTextsHeight(23);
        s.SetTextsWidth2(34);
        s.SetTextsHeight2(4);
        s.SetTextsWidth3(36);
        s.SetTextsHeight3(23);
        s.SetIsEllipse3(true);
        s.SetTextCenterY1(-4.5f);
        s.SetTextCenterY2(2.5f);
        s.SetTextCenterY3(0);
        return true;
    case 23:
    case 24:
        // Oval rotating-date seals; the first draws its centre box closed.
        s.SetSealType(TSealType::stEllipse);
        s.SetText(company());
        s.SetText3(gbk(u"现金(1)收讫"_s));
        s.SetTextAngle(tag == 23 ? 1800 : 1400);
        if (tag == 23)
            s.SetIsZhuanLunA(true);
        s.SetRealWidth(47);
        s.SetRealHeight(35);
        s.SetPenWidth4(0.5f);
        s.SetTextWidth(tag == 23 ? 3.5f : 3.2f);
        s.SetTextWidth3(3.5f);
        s.SetTextHeight(5);
        s.SetTextHeight3(6);
        s.SetTextsWidth(43);
        s.SetTextsHeight(31);
        s.SetTextsWidth3(26);
        s.SetTextCenterY1(-6);
        s.SetTextCenterY2(6);
        s.SetTextCenterY3(9.5f);
        return true;
    case 25:
        s.SetSealType(TSealType::stRect);
        s.SetText(company());
        s.SetText2(gbk(u"财务专用章"_s));
        s.SetIsEllipse(false);
        s.SetRowColCount(2);
        s.SetRowColCount1(1);
        s.SetRealWidth(22);
        s.SetRealHeight(22);
        s.SetTextWidth(3.2f);
        s.SetTextHeight(6);
        s.SetTextWidth2(3.5f);
        s.SetTextHeight2(6);
        s.SetTextsWidth(18);
        s.SetTextsHeight(12);
        s.SetTextsWidth2(18);
        s.SetTextsHeight2(6);
        s.SetTextCenterY(-3);
        s.SetTextCenterY1(-3.5f);
        s.SetTextCenterY2(6.5f);
        s.SetTextCenterY3(7);
        return true;
    case 26:
        s.SetSealType(TSealType::stRect);
        s.SetText(company());
        s.SetIsEllipse(false);
        s.SetRealWidth(50);
        s.SetRealHeight(12);
        s.SetPenWidth(0);
        s.SetTextWidth(4);
        s.SetTextHeight(6);
        s.SetTextsWidth(48);
        s.SetTextsHeight(11);
        s.SetTextCenterY1(-2);
        s.SetTextCenterY2(2);
        s.SetTextCenterY3(4);
        return true;
    case 27:
    case 28:
        // Square rotating-date seals; the first draws its centre box closed.
        s.SetSealType(TSealType::stRect);
        s.SetText(company());
        s.SetText1(gbk(u"示例路88号"_s));
        s.SetText3(gbk(u"现金(1)清讫"_s));
        if (tag == 27)
            s.SetIsZhuanLunA(true);
        s.SetIsEllipse(false);
        s.SetIsEllipse1(false);
        s.SetRealWidth(40);
        s.SetRealHeight(30);
        s.SetPenWidth(1);
        s.SetPenWidth4(0.5f);
        s.SetTextWidth(3.2f);
        s.SetTextWidth1(4);
        s.SetTextWidth3(5);
        s.SetTextHeight(4.5f);
        s.SetTextHeight1(4.5f);
        s.SetTextHeight3(8);
        s.SetTextsWidth(36);
        s.SetTextsHeight(8);
        s.SetTextsWidth1(28);
        s.SetTextsHeight1(8);
        s.SetTextsWidth3(35);
        s.SetTextsHeight3(10);
        s.SetTextCenterY(-11);
        s.SetTextCenterY1(-6);
        s.SetTextCenterY2(4);
        s.SetTextCenterY3(9);
        return true;
    case 29:
        applyRhomb(s, gbk(u"示例市"_s), gbk(u"转讫"_s), 0.5f);
        return true;
    case 30:
        applyTriangle(s, company(), gbk(u"转帐"_s), gbk(u"转讫"_s), 0.5f);
        return true;
    default:
        return false;
    }
}

// A square name seal of 20 mm with a 2 mm frame; the text block is the 15.5 mm square inside.
void applySquareNameSeal(TSeal &s, TSealType type, const QString &text, float textWidth, float textWidth1,
                         float textHeight, float textHeight1)
{
    s.SetSealType(type);
    s.SetText(gbk(text));
    s.SetRealWidth(20);
    s.SetRealHeight(20);
    s.SetPenWidth(2);
    s.SetTextWidth(textWidth);
    s.SetTextWidth1(textWidth1);
    s.SetTextHeight(textHeight);
    s.SetTextHeight1(textHeight1);
    s.SetTextsWidth(15.5f);
    s.SetTextsHeight(15.5f);
}

// An oblong name seal of 13 × 6 mm with a 0.8 mm frame.
void applyOblongNameSeal(TSeal &s, TSealType type, const QString &text, float textWidth, float textsWidth)
{
    s.SetSealType(type);
    s.SetText(gbk(text));
    s.SetRealWidth(13);
    s.SetRealHeight(6);
    s.SetPenWidth(0.8f);
    s.SetTextWidth(textWidth);
    s.SetTextHeight(4.2f);
    s.SetTextsWidth(textsWidth);
    s.SetTextsHeight(5);
}

bool applyNameSeal(int tag, TSeal &s)
{
    switch (tag) {
    case 31:
        s.SetSealType(TSealType::stName22);
        s.SetText(gbk(u"甲乙丙印"_s));
        s.SetPenWidth(2);
        s.SetRealWidth(20);
        s.SetRealHeight(20);
        s.SetTextWidth(8);
        s.SetTextHeight(8);
        s.SetTextsWidth(15.5f);
        s.SetTextsHeight(15.5f);
        return true;
    case 32:
    case 33:
        applySquareNameSeal(s, tag == 32 ? TSealType::stName12 : TSealType::stName21, u"丁戊印"_s, 8, 8, 8, 16);
        return true;
    case 34:
        // Two characters side by side fill the height; the block keeps its initial height.
        s.SetSealType(TSealType::stName11);
        s.SetText(gbk(u"丁戊"_s));
        s.SetRealWidth(20);
        s.SetRealHeight(20);
        s.SetPenWidth(2);
        s.SetTextWidth(7);
        s.SetTextHeight(15);
        s.SetTextsWidth(15.5f);
        return true;
    case 35:
    case 36:
        applySquareNameSeal(s, tag == 35 ? TSealType::stName12A : TSealType::stName21A,
                            tag == 35 ? u"己庚辛"_s : u"壬癸子"_s, 8, 12, 8, 8);
        return true;
    case 37:
        s.SetSealType(TSealType::stName11A);
        s.SetText(gbk(u"丑寅"_s));
        s.SetRealWidth(20);
        s.SetRealHeight(20);
        s.SetPenWidth(2);
        s.SetTextWidth(12);
        s.SetTextHeight(8);
        s.SetTextsWidth(15.5f);
        s.SetTextsHeight(15.5f);
        return true;
    case 38:
        applyOblongNameSeal(s, TSealType::stName111, u"卯辰巳"_s, 4, 11);
        return true;
    case 39:
        applyOblongNameSeal(s, TSealType::stName11, u"丑寅"_s, 4, 9.5f);
        return true;
    case 40:
        applyOblongNameSeal(s, TSealType::stName4, u"午未申酉"_s, 3, 11);
        return true;
    default:
        return false;
    }
}

// Tool 16 (a picture file) and tool 41 (the chosen emblem): a 20 mm picture element. The two
// set the emblem flags in opposite orders; both end with a picture and no star.
bool applyPicture(int tag, TSeal &s, const QByteArray &bytes, QString *error)
{
    s.SetSealType(TSealType::stAnyImage);
    s.SetRealWidth(20);
    s.SetRealHeight(20);
    if (!s.LoadPictureData(bytes, error))
        return false;
    if (tag == 16) {
        s.SetHaveImage(true);
        s.SetImageIsStar(false);
    } else {
        s.SetImageIsStar(false);
        s.SetHaveImage(true);
    }
    return true;
}

} // namespace

bool TemplateNeedsPicture(int tag)
{
    return tag == 16 || tag == 41;
}

std::unique_ptr<TSeal> NewSealFromTemplate(int tag, QPoint pressPixels, const TemplateContext &context, QString *error)
{
    if (tag < FirstTemplateTag || tag > LastTemplateTag)
        return nullptr;
    // Without a positive scale the press point has no place in millimetres.
    if (!(context.pixelsPerMm > 0) || context.zoom <= 0)
        return nullptr;
    // A cancelled picture dialog makes nothing; that is not an error.
    if (TemplateNeedsPicture(tag) && context.picture.isEmpty())
        return nullptr;

    auto seal = std::make_unique<TSeal>();
    TSeal &s = *seal;
    // Also sized at the new scale when the zoom equals the new element's placeholder.
    s.placeAtScale(context.pixelsPerMm, context.zoom);

    if (TemplateNeedsPicture(tag)) {
        if (!applyPicture(tag, s, context.picture, error))
            return nullptr;
    } else if (!applyDrawingElement(tag, s) && !applyOfficialSeal(tag, s) && !applyNameSeal(tag, s)) {
        return nullptr;
    }

    const FontSlot face = makeFontSlot(context.faceGbk);
    s.SetFontName(face);
    s.SetFontName1(face);
    s.SetFontName2(face);
    s.SetFontName3(face);
    s.SetCodeFontName(face);
    s.SetPenColor(context.penColor);

    const long double f = 100.0L / (static_cast<long double>(s.Zoom()) * s.PixelsPerMm());
    s.SetRealCenterX(static_cast<float>(pressPixels.x() * f));
    s.SetRealCenterY(static_cast<float>(pressPixels.y() * f));
    s.SetVisible(true);
    return seal;
}

} // namespace qm
