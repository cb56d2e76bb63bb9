#include "document/sealtemplates.h"

#include "seal/gbk.h"
#include "seal/seal.h"

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

// The triangle frame and the triangle seal differ only in their texts and the centre-line box.
void applyTriangle(Seal &s, const QByteArray &text, const QByteArray &text2, const QByteArray &text3, float penWidth4)
{
    s.setSealType(SealType::stTriangle);
    s.setText(text);
    s.setText2(text2);
    s.setText3(text3);
    s.setRowCol3(false);
    s.setIsEllipse(false);
    s.setRealWidth(45);
    s.setRealHeight(38.971f); // equilateral: 45 × √3 / 2
    s.setPenWidth(1);
    s.setPenWidth4(penWidth4);
    s.setTextWidth(3);
    s.setTextHeight(6);
    s.setTextsWidth(33);
    s.setTextsWidth2(16);
    s.setTextsHeight3(10);
    s.setTextCenterY(-14);
    s.setTextCenterY2(1);
    s.setTextCenterY3(9);
    s.setCLineCenterY(-5.5f);
}

// The rhomb frame and the rhomb seal.
void applyRhomb(Seal &s, const QByteArray &text, const QByteArray &text3, float penWidth4)
{
    s.setSealType(SealType::stRhomb);
    s.setText(text);
    s.setText3(text3);
    s.setIsEllipse(false);
    s.setRealWidth(45);
    s.setRealHeight(25);
    s.setPenWidth(1);
    s.setPenWidth4(penWidth4);
    s.setTextWidth(3);
    s.setTextHeight(4.5f);
    s.setTextsWidth(12);
    s.setTextsHeight(6);
    s.setTextsWidth2(12);
    s.setTextsWidth3(12);
    s.setTextCenterY(-5.5f);
    s.setTextCenterY1(-3);
    s.setTextCenterY2(3);
    s.setTextCenterY3(6);
}

// Lines, frames, texts, star, table: the tools of the draw-tool palette but the picture.
bool applyDrawingElement(Tool tool, Seal &s)
{
    switch (tool) {
    case Tool::HorizontalLine:
        s.setSealType(SealType::stHorzLine);
        s.setRealWidth(40);
        s.setPenWidth(1);
        return true;
    case Tool::VerticalLine:
        s.setSealType(SealType::stVertLine);
        s.setRealHeight(40);
        s.setPenWidth(1);
        return true;
    case Tool::AnyAngleLine:
        s.setSealType(SealType::stAnyAngleLine);
        s.setRealWidth(40);
        s.setRealHeight(40);
        s.setTextAngle(450);
        return true;
    case Tool::Arc:
        s.setSealType(SealType::stArc);
        s.setTextAngle(300);
        s.setCodeAngle(1500);
        return true;
    case Tool::EllipseFrame:
    case Tool::RectangleFrame:
    case Tool::RoundedRectangleFrame:
    case Tool::ChamferedRectangleFrame:
        // Plain frames: name seals without text, shaped by the frame type.
        s.setSealType(SealType::stName22);
        s.setText({});
        if (tool == Tool::EllipseFrame)
            s.setNameSealFrameType(FrameType::ftEllipse);
        else if (tool == Tool::RoundedRectangleFrame)
            s.setNameSealFrameType(FrameType::ftRoundRect);
        else if (tool == Tool::ChamferedRectangleFrame)
            s.setNameSealFrameType(FrameType::ftDiamond);
        s.setPenWidth(1);
        s.setRealWidth(20);
        s.setRealHeight(20);
        if (tool == Tool::RoundedRectangleFrame)
            s.setRealSR(3.5f);
        else if (tool == Tool::ChamferedRectangleFrame)
            s.setRealSR(1.5f);
        s.setTextsWidth(15.5f);
        s.setTextsHeight(15.5f);
        return true;
    case Tool::TriangleFrame:
        applyTriangle(s, {}, {}, {}, 0);
        return true;
    case Tool::RhombFrame:
        applyRhomb(s, {}, {}, 0);
        return true;
    case Tool::HorizontalText:
    case Tool::RingText:
        s.setSealType(tool == Tool::HorizontalText ? SealType::stHorzText : SealType::stEllipseText);
        s.setPenWidth(0.3f);
        s.setText(gbk(tool == Tool::HorizontalText ? u"请输入文字"_s : u"请输入弧排文字"_s));
        s.setTextHeight(6.5f);
        s.setTextWidth(5);
        return true;
    case Tool::AnyAngleText:
        s.setSealType(SealType::stAnyAngleText);
        s.setPenWidth(0.3f);
        s.setText(gbk(u"请输入文字"_s));
        s.setRealWidth(40);
        s.setRealHeight(40);
        s.setTextHeight(6.5f);
        s.setTextWidth(4.5f);
        s.setTextAngle(450);
        return true;
    case Tool::FivePointedStar:
        s.setSealType(SealType::stFiveStar);
        s.setRealWidth(12);
        s.setRealHeight(12);
        s.setPenWidth3(0.35f);
        return true;
    case Tool::Table:
        s.setSealType(SealType::stCell);
        s.setRealWidth(60);
        s.setRealHeight(18);
        s.setPenWidth(0.6f);
        s.setPenWidth1(0.3f);
        s.setRowColCount(4);
        s.setRowColCount1(3);
        return true;
    default:
        return false;
    }
}

bool applyOfficialSeal(Tool tool, Seal &s)
{
    switch (tool) {
    case Tool::RoundOfficialSeal:
        s.setSealType(SealType::stEllipse);
        s.setText(company());
        s.setHaveImage(true);
        s.setImageIsStar(true);
        return true;
    case Tool::RoundFinanceSeal:
        s.setSealType(SealType::stEllipse);
        s.setText(company());
        s.setText3(gbk(u"财务专用章"_s));
        s.setTextsWidth3(20);
        s.setHaveImage(true);
        s.setImageIsStar(true);
        return true;
    case Tool::RoundDateSealA:
    case Tool::RoundDateSealB:
        // Round rotating-date seals; the first draws its centre box closed.
        s.setSealType(SealType::stEllipse);
        s.setText(company());
        s.setText2(gbk(u"现金清讫"_s));
        s.setText3(gbk(u"(01)"_s));
        s.setTextAngle(tool == Tool::RoundDateSealA ? 1750 : 1500);
        s.setPenWidth4(0.5f);
        if (tool == Tool::RoundDateSealA)
            s.setIsZhuanLunA(true);
        s.setTextWidth(3.5f);
        s.setTextHeight(6);
        s.setTextWidth2(6);
        s.setTextHeight2(8);
        s.setTextWidth3(3);
        s.setTextHeight3(6);
        s.setTextsWidth3(8);
        s.setTextsWidth2(28);
        s.setTextCenterY2(9);
        s.setTextCenterY3(16);
        return true;
    case Tool::OvalSeal:
        s.setSealType(SealType::stEpsCL);
        s.setText(company());
        s.setText3(gbk(u"合同专用章"_s));
        s.setTextAngle(1650);
        s.setHaveImage(true);
        s.setImageIsStar(true);
        s.setRealWidth(47);
        s.setRealHeight(35);
        s.setLineABW(12);
        s.setPenWidth4(0.5f);
        s.setCLWidth(40);
        s.setTextWidth(3);
        s.setTextWidth3(4);
        s.setTextHeight(5);
        s.setTextHeight3(7);
        s.setTextsWidth(43);
        s.setTextsHeight(31);
        s.setTextsWidth3(24);
        s.setTextCenterY1(-6);
        s.setTextCenterY2(6);
        s.setTextCenterY3(10);
        return true;
    case Tool::InvoiceSeal:
        s.setSealType(SealType::stEllipse);
        s.setText(gbk(u"示例市应用软件公司"_s));
        s.setText2(gbk(u"883312345678988"_s));
        s.setText3(gbk(u"发票专用章"_s));
        s.setTextAngle(1550);
        s.setTextAngle3(900);
        s.setTopOrDown3(false);
        s.setRealWidth(40);
        s.setRealHeight(27);
        s.setTextWidth(2.5f);
        s.setTextWidth2(2);
        s.setTextWidth3(3);
        s.setTextHeight(4.5f);
        s.setTextHeight2(5);
        s.setTextHeight3(5);
        s.setTextsWidth(36);
        s.setTextsHeight(23);
        s.setTextsWidth2(34);
        s.setTextsHeight2(4);
        s.setTextsWidth3(36);
        s.setTextsHeight3(23);
        s.setIsEllipse3(true);
        s.setTextCenterY1(-4.5f);
        s.setTextCenterY2(2.5f);
        s.setTextCenterY3(0);
        return true;
    case Tool::OvalDateSealA:
    case Tool::OvalDateSealB:
        // Oval rotating-date seals; the first draws its centre box closed.
        s.setSealType(SealType::stEllipse);
        s.setText(company());
        s.setText3(gbk(u"现金(1)收讫"_s));
        s.setTextAngle(tool == Tool::OvalDateSealA ? 1800 : 1400);
        if (tool == Tool::OvalDateSealA)
            s.setIsZhuanLunA(true);
        s.setRealWidth(47);
        s.setRealHeight(35);
        s.setPenWidth4(0.5f);
        s.setTextWidth(tool == Tool::OvalDateSealA ? 3.5f : 3.2f);
        s.setTextWidth3(3.5f);
        s.setTextHeight(5);
        s.setTextHeight3(6);
        s.setTextsWidth(43);
        s.setTextsHeight(31);
        s.setTextsWidth3(26);
        s.setTextCenterY1(-6);
        s.setTextCenterY2(6);
        s.setTextCenterY3(9.5f);
        return true;
    case Tool::SquareFinanceSeal:
        s.setSealType(SealType::stRect);
        s.setText(company());
        s.setText2(gbk(u"财务专用章"_s));
        s.setIsEllipse(false);
        s.setRowColCount(2);
        s.setRowColCount1(1);
        s.setRealWidth(22);
        s.setRealHeight(22);
        s.setTextWidth(3.2f);
        s.setTextHeight(6);
        s.setTextWidth2(3.5f);
        s.setTextHeight2(6);
        s.setTextsWidth(18);
        s.setTextsHeight(12);
        s.setTextsWidth2(18);
        s.setTextsHeight2(6);
        s.setTextCenterY(-3);
        s.setTextCenterY1(-3.5f);
        s.setTextCenterY2(6.5f);
        s.setTextCenterY3(7);
        return true;
    case Tool::VatStripSeal:
        s.setSealType(SealType::stRect);
        s.setText(company());
        s.setIsEllipse(false);
        s.setRealWidth(50);
        s.setRealHeight(12);
        s.setPenWidth(0);
        s.setTextWidth(4);
        s.setTextHeight(6);
        s.setTextsWidth(48);
        s.setTextsHeight(11);
        s.setTextCenterY1(-2);
        s.setTextCenterY2(2);
        s.setTextCenterY3(4);
        return true;
    case Tool::SquareDateSealA:
    case Tool::SquareDateSealB:
        // Square rotating-date seals; the first draws its centre box closed.
        s.setSealType(SealType::stRect);
        s.setText(company());
        s.setText1(gbk(u"示例路88号"_s));
        s.setText3(gbk(u"现金(1)清讫"_s));
        if (tool == Tool::SquareDateSealA)
            s.setIsZhuanLunA(true);
        s.setIsEllipse(false);
        s.setIsEllipse1(false);
        s.setRealWidth(40);
        s.setRealHeight(30);
        s.setPenWidth(1);
        s.setPenWidth4(0.5f);
        s.setTextWidth(3.2f);
        s.setTextWidth1(4);
        s.setTextWidth3(5);
        s.setTextHeight(4.5f);
        s.setTextHeight1(4.5f);
        s.setTextHeight3(8);
        s.setTextsWidth(36);
        s.setTextsHeight(8);
        s.setTextsWidth1(28);
        s.setTextsHeight1(8);
        s.setTextsWidth3(35);
        s.setTextsHeight3(10);
        s.setTextCenterY(-11);
        s.setTextCenterY1(-6);
        s.setTextCenterY2(4);
        s.setTextCenterY3(9);
        return true;
    case Tool::RhombSeal:
        applyRhomb(s, gbk(u"示例市"_s), gbk(u"转讫"_s), 0.5f);
        return true;
    case Tool::TriangleSeal:
        applyTriangle(s, company(), gbk(u"转帐"_s), gbk(u"转讫"_s), 0.5f);
        return true;
    default:
        return false;
    }
}

// A square name seal of 20 mm with a 2 mm frame; the text block is the 15.5 mm square inside.
void applySquareNameSeal(Seal &s, SealType type, const QString &text, float textWidth, float textWidth1,
                         float textHeight, float textHeight1)
{
    s.setSealType(type);
    s.setText(gbk(text));
    s.setRealWidth(20);
    s.setRealHeight(20);
    s.setPenWidth(2);
    s.setTextWidth(textWidth);
    s.setTextWidth1(textWidth1);
    s.setTextHeight(textHeight);
    s.setTextHeight1(textHeight1);
    s.setTextsWidth(15.5f);
    s.setTextsHeight(15.5f);
}

// An oblong name seal of 13 × 6 mm with a 0.8 mm frame.
void applyOblongNameSeal(Seal &s, SealType type, const QString &text, float textWidth, float textsWidth)
{
    s.setSealType(type);
    s.setText(gbk(text));
    s.setRealWidth(13);
    s.setRealHeight(6);
    s.setPenWidth(0.8f);
    s.setTextWidth(textWidth);
    s.setTextHeight(4.2f);
    s.setTextsWidth(textsWidth);
    s.setTextsHeight(5);
}

bool applyNameSeal(Tool tool, Seal &s)
{
    switch (tool) {
    case Tool::SquareNameSealFour:
        s.setSealType(SealType::stName22);
        s.setText(gbk(u"甲乙丙印"_s));
        s.setPenWidth(2);
        s.setRealWidth(20);
        s.setRealHeight(20);
        s.setTextWidth(8);
        s.setTextHeight(8);
        s.setTextsWidth(15.5f);
        s.setTextsHeight(15.5f);
        return true;
    case Tool::SquareNameSealOneLeftTwoRight:
    case Tool::SquareNameSealTwoLeftOneRight:
        applySquareNameSeal(s, tool == Tool::SquareNameSealOneLeftTwoRight ? SealType::stName12 : SealType::stName21,
                            u"丁戊印"_s, 8, 8, 8, 16);
        return true;
    case Tool::SquareNameSealTwoAcross:
        // Two characters side by side fill the height; the block keeps its initial height.
        s.setSealType(SealType::stName11);
        s.setText(gbk(u"丁戊"_s));
        s.setRealWidth(20);
        s.setRealHeight(20);
        s.setPenWidth(2);
        s.setTextWidth(7);
        s.setTextHeight(15);
        s.setTextsWidth(15.5f);
        return true;
    case Tool::SquareNameSealOneAboveTwoBelow:
    case Tool::SquareNameSealTwoAboveOneBelow: {
        const bool oneAbove = tool == Tool::SquareNameSealOneAboveTwoBelow;
        applySquareNameSeal(s, oneAbove ? SealType::stName12A : SealType::stName21A,
                            oneAbove ? u"己庚辛"_s : u"壬癸子"_s, 8, 12, 8, 8);
        return true;
    }
    case Tool::SquareNameSealTwoDown:
        s.setSealType(SealType::stName11A);
        s.setText(gbk(u"丑寅"_s));
        s.setRealWidth(20);
        s.setRealHeight(20);
        s.setPenWidth(2);
        s.setTextWidth(12);
        s.setTextHeight(8);
        s.setTextsWidth(15.5f);
        s.setTextsHeight(15.5f);
        return true;
    case Tool::OblongNameSealThree:
        applyOblongNameSeal(s, SealType::stName111, u"卯辰巳"_s, 4, 11);
        return true;
    case Tool::OblongNameSealTwo:
        applyOblongNameSeal(s, SealType::stName11, u"丑寅"_s, 4, 9.5f);
        return true;
    case Tool::OblongNameSealFour:
        applyOblongNameSeal(s, SealType::stName4, u"午未申酉"_s, 3, 11);
        return true;
    default:
        return false;
    }
}

// A picture file or the chosen emblem: a 20 mm picture element. The two set the emblem flags in
// opposite orders; both end with a picture and no star.
bool applyPicture(Tool tool, Seal &s, const QByteArray &bytes, QString *error)
{
    s.setSealType(SealType::stAnyImage);
    s.setRealWidth(20);
    s.setRealHeight(20);
    if (!s.loadPictureData(bytes, error))
        return false;
    if (tool == Tool::PictureFromFile) {
        s.setHaveImage(true);
        s.setImageIsStar(false);
    } else {
        s.setImageIsStar(false);
        s.setHaveImage(true);
    }
    return true;
}

} // namespace

bool templateNeedsPicture(Tool tool)
{
    return tool == Tool::PictureFromFile || tool == Tool::EmblemPicture;
}

std::unique_ptr<Seal> newSealFromTemplate(Tool tool, QPoint pressPixels, const TemplateContext &context,
                                           QString *error)
{
    if (const ToolInfo *row = findTool(tool); !row || row->use.pageTool != PageTool::Place)
        return nullptr;
    // Without a positive scale the press point has no place in millimetres.
    if (!(context.pixelsPerMm > 0) || context.zoom <= 0)
        return nullptr;
    // A cancelled picture dialog makes nothing; that is not an error.
    if (templateNeedsPicture(tool) && context.picture.isEmpty())
        return nullptr;

    auto seal = std::make_unique<Seal>();
    Seal &s = *seal;
    // Also sized at the new scale when the zoom equals the new element's placeholder.
    s.placeAtScale(context.pixelsPerMm, context.zoom);

    if (templateNeedsPicture(tool)) {
        if (!applyPicture(tool, s, context.picture, error))
            return nullptr;
    } else if (!applyDrawingElement(tool, s) && !applyOfficialSeal(tool, s) && !applyNameSeal(tool, s)) {
        return nullptr;
    }

    const FontSlot face = makeFontSlot(context.faceGbk);
    s.setFontName(face);
    s.setFontName1(face);
    s.setFontName2(face);
    s.setFontName3(face);
    s.setCodeFontName(face);
    s.setPenColor(context.penColor);

    const long double f = 100.0L / (static_cast<long double>(s.Zoom()) * s.PixelsPerMm());
    s.setRealCenterX(static_cast<float>(pressPixels.x() * f));
    s.setRealCenterY(static_cast<float>(pressPixels.y() * f));
    s.setVisible(true);
    return seal;
}

} // namespace qm
