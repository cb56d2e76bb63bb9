#include "document/tools.h"

#include "seal/sealpropertytable.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// The host's registered cursors.
constexpr int DrawingCursor = 6;
constexpr int HandCursor = 2;
constexpr int ZoomInCursor = 4;
constexpr int ZoomOutCursor = 5;

// A placing tool is used up by one press; a right press chooses the emblem again, so it can be
// placed several times. The hand and zoom tools stay chosen until their command runs again, as a
// right press on the page makes it do.
constexpr ToolUse PlaceOnce{PageTool::Place, DrawingCursor, true, false};
constexpr ToolUse PlaceEmblem{PageTool::Place, DrawingCursor, true, true};
constexpr ToolUse ScrollByHand{PageTool::Hand, HandCursor, false, true};
constexpr ToolUse ZoomInByClick{PageTool::ZoomIn, ZoomInCursor, false, true};
constexpr ToolUse ZoomOutByClick{PageTool::ZoomOut, ZoomOutCursor, false, true};

// What each placing tool makes of a new element, set in order through the setters: a setter may
// change other properties, so the order is part of the template.
using P = SealPropertyId;

constexpr const char16_t *Company = u"示例应用软件公司";

// Lines, frames, texts, star and table.
constexpr TemplateValue HorizontalLine[] = {
    {P::SealType, SealType::stHorzLine},
    {P::RealWidth, 40},
    {P::PenWidth, 1},
};
constexpr TemplateValue VerticalLine[] = {
    {P::SealType, SealType::stVertLine},
    {P::RealHeight, 40},
    {P::PenWidth, 1},
};
constexpr TemplateValue AnyAngleLine[] = {
    {P::SealType, SealType::stAnyAngleLine},
    {P::RealWidth, 40},
    {P::RealHeight, 40},
    {P::TextAngle, 450},
};
constexpr TemplateValue Arc[] = {
    {P::SealType, SealType::stArc},
    {P::TextAngle, 300},
    {P::CodeAngle, 1500},
};
// Plain frames: name seals without text, shaped by the frame type.
constexpr TemplateValue EllipseFrame[] = {
    {P::SealType, SealType::stName22},
    {P::Text, u""},
    {P::NameSealFrameType, FrameType::ftEllipse},
    {P::PenWidth, 1},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
constexpr TemplateValue RectangleFrame[] = {
    {P::SealType, SealType::stName22},
    {P::Text, u""},
    {P::PenWidth, 1},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
constexpr TemplateValue RoundedRectangleFrame[] = {
    {P::SealType, SealType::stName22},
    {P::Text, u""},
    {P::NameSealFrameType, FrameType::ftRoundRect},
    {P::PenWidth, 1},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::RealSR, 3.5f},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
constexpr TemplateValue ChamferedRectangleFrame[] = {
    {P::SealType, SealType::stName22},
    {P::Text, u""},
    {P::NameSealFrameType, FrameType::ftDiamond},
    {P::PenWidth, 1},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::RealSR, 1.5f},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
// The triangle frame and the triangle seal differ only in their texts and the centre-line box.
constexpr TemplateValue TriangleFrame[] = {
    {P::SealType, SealType::stTriangle},
    {P::Text, u""},
    {P::Text2, u""},
    {P::Text3, u""},
    {P::RowCol3, false},
    {P::IsEllipse, false},
    {P::RealWidth, 45},
    {P::RealHeight, 38.971f}, // equilateral: 45 × √3 / 2
    {P::PenWidth, 1},
    {P::PenWidth4, 0},
};
constexpr TemplateValue TriangleLayout[] = {
    {P::TextWidth, 3},     {P::TextHeight, 6},   {P::TextsWidth, 33},  {P::TextsWidth2, 16},     {P::TextsHeight3, 10},
    {P::TextCenterY, -14}, {P::TextCenterY2, 1}, {P::TextCenterY3, 9}, {P::CLineCenterY, -5.5f},
};
// The rhomb frame and the rhomb seal, likewise.
constexpr TemplateValue RhombFrame[] = {
    {P::SealType, SealType::stRhomb},
    {P::Text, u""},
    {P::Text3, u""},
    {P::IsEllipse, false},
    {P::RealWidth, 45},
    {P::RealHeight, 25},
    {P::PenWidth, 1},
    {P::PenWidth4, 0},
};
constexpr TemplateValue RhombLayout[] = {
    {P::TextWidth, 3},    {P::TextHeight, 4.5f},   {P::TextsWidth, 12},   {P::TextsHeight, 6},  {P::TextsWidth2, 12},
    {P::TextsWidth3, 12}, {P::TextCenterY, -5.5f}, {P::TextCenterY1, -3}, {P::TextCenterY2, 3}, {P::TextCenterY3, 6},
};
constexpr TemplateValue HorizontalText[] = {
    {P::SealType, SealType::stHorzText},
    {P::PenWidth, 0.3f},
    {P::Text, u"请输入文字"},
    {P::TextHeight, 6.5f},
    {P::TextWidth, 5},
};
constexpr TemplateValue RingText[] = {
    {P::SealType, SealType::stEllipseText},
    {P::PenWidth, 0.3f},
    {P::Text, u"请输入弧排文字"},
    {P::TextHeight, 6.5f},
    {P::TextWidth, 5},
};
constexpr TemplateValue AnyAngleText[] = {
    {P::SealType, SealType::stAnyAngleText},
    {P::PenWidth, 0.3f},
    {P::Text, u"请输入文字"},
    {P::RealWidth, 40},
    {P::RealHeight, 40},
    {P::TextHeight, 6.5f},
    {P::TextWidth, 4.5f},
    {P::TextAngle, 450},
};
constexpr TemplateValue FivePointedStar[] = {
    {P::SealType, SealType::stFiveStar},
    {P::RealWidth, 12},
    {P::RealHeight, 12},
    {P::PenWidth3, 0.35f},
};
constexpr TemplateValue Table[] = {
    {P::SealType, SealType::stCell},
    {P::RealWidth, 60},
    {P::RealHeight, 18},
    {P::PenWidth, 0.6f},
    {P::PenWidth1, 0.3f},
    {P::RowColCount, 4},
    {P::RowColCount1, 3},
};

// A picture file or the chosen emblem: a 20 mm picture element. The two set the emblem flags in
// opposite orders; both end with a picture and no star.
constexpr TemplateValue PictureElement[] = {
    {P::SealType, SealType::stAnyImage},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
};
constexpr TemplateValue PictureFromFileFlags[] = {{P::HaveImage, true}, {P::ImageIsStar, false}};
constexpr TemplateValue EmblemFlags[] = {{P::ImageIsStar, false}, {P::HaveImage, true}};

// Official seals.
constexpr TemplateValue RoundOfficialSeal[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::HaveImage, true},
    {P::ImageIsStar, true},
};
constexpr TemplateValue RoundFinanceSeal[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::Text3, u"财务专用章"},
    {P::TextsWidth3, 20},
    {P::HaveImage, true},
    {P::ImageIsStar, true},
};
// Round rotating-date seals; the first draws its centre box closed.
constexpr TemplateValue RoundDateSealA[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::Text2, u"现金清讫"},
    {P::Text3, u"(01)"},
    {P::TextAngle, 1750},
    {P::PenWidth4, 0.5f},
    {P::IsZhuanLunA, true},
};
constexpr TemplateValue RoundDateSealB[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::Text2, u"现金清讫"},
    {P::Text3, u"(01)"},
    {P::TextAngle, 1500},
    {P::PenWidth4, 0.5f},
};
constexpr TemplateValue RoundDateSealLayout[] = {
    {P::TextWidth, 3.5f}, {P::TextHeight, 6},  {P::TextWidth2, 6},   {P::TextHeight2, 8},  {P::TextWidth3, 3},
    {P::TextHeight3, 6},  {P::TextsWidth3, 8}, {P::TextsWidth2, 28}, {P::TextCenterY2, 9}, {P::TextCenterY3, 16},
};
constexpr TemplateValue OvalSeal[] = {
    {P::SealType, SealType::stEpsCL},
    {P::Text, Company},
    {P::Text3, u"合同专用章"},
    {P::TextAngle, 1650},
    {P::HaveImage, true},
    {P::ImageIsStar, true},
    {P::RealWidth, 47},
    {P::RealHeight, 35},
    {P::LineABW, 12},
    {P::PenWidth4, 0.5f},
    {P::CLWidth, 40},
    {P::TextWidth, 3},
    {P::TextWidth3, 4},
    {P::TextHeight, 5},
    {P::TextHeight3, 7},
    {P::TextsWidth, 43},
    {P::TextsHeight, 31},
    {P::TextsWidth3, 24},
    {P::TextCenterY1, -6},
    {P::TextCenterY2, 6},
    {P::TextCenterY3, 10},
};
constexpr TemplateValue InvoiceSeal[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, u"示例市应用软件公司"},
    {P::Text2, u"883312345678988"},
    {P::Text3, u"发票专用章"},
    {P::TextAngle, 1550},
    {P::TextAngle3, 900},
    {P::TopOrDown3, false},
    {P::RealWidth, 40},
    {P::RealHeight, 27},
    {P::TextWidth, 2.5f},
    {P::TextWidth2, 2},
    {P::TextWidth3, 3},
    {P::TextHeight, 4.5f},
    {P::TextHeight2, 5},
    {P::TextHeight3, 5},
    {P::TextsWidth, 36},
    {P::TextsHeight, 23},
    {P::TextsWidth2, 34},
    {P::TextsHeight2, 4},
    {P::TextsWidth3, 36},
    {P::TextsHeight3, 23},
    {P::IsEllipse3, true},
    {P::TextCenterY1, -4.5f},
    {P::TextCenterY2, 2.5f},
    {P::TextCenterY3, 0},
};
// Oval rotating-date seals; the first draws its centre box closed.
constexpr TemplateValue OvalDateSealA[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::Text3, u"现金(1)收讫"},
    {P::TextAngle, 1800},
    {P::IsZhuanLunA, true},
    {P::RealWidth, 47},
    {P::RealHeight, 35},
    {P::PenWidth4, 0.5f},
    {P::TextWidth, 3.5f},
};
constexpr TemplateValue OvalDateSealB[] = {
    {P::SealType, SealType::stEllipse},
    {P::Text, Company},
    {P::Text3, u"现金(1)收讫"},
    {P::TextAngle, 1400},
    {P::RealWidth, 47},
    {P::RealHeight, 35},
    {P::PenWidth4, 0.5f},
    {P::TextWidth, 3.2f},
};
constexpr TemplateValue OvalDateSealLayout[] = {
    {P::TextWidth3, 3.5f}, {P::TextHeight, 5},    {P::TextHeight3, 6},  {P::TextsWidth, 43},     {P::TextsHeight, 31},
    {P::TextsWidth3, 26},  {P::TextCenterY1, -6}, {P::TextCenterY2, 6}, {P::TextCenterY3, 9.5f},
};
constexpr TemplateValue SquareFinanceSeal[] = {
    {P::SealType, SealType::stRect},
    {P::Text, Company},
    {P::Text2, u"财务专用章"},
    {P::IsEllipse, false},
    {P::RowColCount, 2},
    {P::RowColCount1, 1},
    {P::RealWidth, 22},
    {P::RealHeight, 22},
    {P::TextWidth, 3.2f},
    {P::TextHeight, 6},
    {P::TextWidth2, 3.5f},
    {P::TextHeight2, 6},
    {P::TextsWidth, 18},
    {P::TextsHeight, 12},
    {P::TextsWidth2, 18},
    {P::TextsHeight2, 6},
    {P::TextCenterY, -3},
    {P::TextCenterY1, -3.5f},
    {P::TextCenterY2, 6.5f},
    {P::TextCenterY3, 7},
};
constexpr TemplateValue VatStripSeal[] = {
    {P::SealType, SealType::stRect},
    {P::Text, Company},
    {P::IsEllipse, false},
    {P::RealWidth, 50},
    {P::RealHeight, 12},
    {P::PenWidth, 0},
    {P::TextWidth, 4},
    {P::TextHeight, 6},
    {P::TextsWidth, 48},
    {P::TextsHeight, 11},
    {P::TextCenterY1, -2},
    {P::TextCenterY2, 2},
    {P::TextCenterY3, 4},
};
// Square rotating-date seals; the first draws its centre box closed.
constexpr TemplateValue SquareDateSealA[] = {
    {P::SealType, SealType::stRect}, {P::Text, Company},     {P::Text1, u"示例路88号"},
    {P::Text3, u"现金(1)清讫"},      {P::IsZhuanLunA, true},
};
constexpr TemplateValue SquareDateSealB[] = {
    {P::SealType, SealType::stRect},
    {P::Text, Company},
    {P::Text1, u"示例路88号"},
    {P::Text3, u"现金(1)清讫"},
};
constexpr TemplateValue SquareDateSealLayout[] = {
    {P::IsEllipse, false},  {P::IsEllipse1, false}, {P::RealWidth, 40},    {P::RealHeight, 30},   {P::PenWidth, 1},
    {P::PenWidth4, 0.5f},   {P::TextWidth, 3.2f},   {P::TextWidth1, 4},    {P::TextWidth3, 5},    {P::TextHeight, 4.5f},
    {P::TextHeight1, 4.5f}, {P::TextHeight3, 8},    {P::TextsWidth, 36},   {P::TextsHeight, 8},   {P::TextsWidth1, 28},
    {P::TextsHeight1, 8},   {P::TextsWidth3, 35},   {P::TextsHeight3, 10}, {P::TextCenterY, -11}, {P::TextCenterY1, -6},
    {P::TextCenterY2, 4},   {P::TextCenterY3, 9},
};
constexpr TemplateValue RhombSeal[] = {
    {P::SealType, SealType::stRhomb},
    {P::Text, u"示例市"},
    {P::Text3, u"转讫"},
    {P::IsEllipse, false},
    {P::RealWidth, 45},
    {P::RealHeight, 25},
    {P::PenWidth, 1},
    {P::PenWidth4, 0.5f},
};
constexpr TemplateValue TriangleSeal[] = {
    {P::SealType, SealType::stTriangle},
    {P::Text, Company},
    {P::Text2, u"转帐"},
    {P::Text3, u"转讫"},
    {P::RowCol3, false},
    {P::IsEllipse, false},
    {P::RealWidth, 45},
    {P::RealHeight, 38.971f},
    {P::PenWidth, 1},
    {P::PenWidth4, 0.5f},
};

// Name seals. A square one is 20 mm with a 2 mm frame and its text block the 15.5 mm square
// inside; an oblong one 13 × 6 mm with a 0.8 mm frame.
constexpr TemplateValue SquareNameSealFour[] = {
    {P::SealType, SealType::stName22},
    {P::Text, u"甲乙丙印"},
    {P::PenWidth, 2},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::TextWidth, 8},
    {P::TextHeight, 8},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
constexpr TemplateValue SquareNameSealOneLeftTwoRight[] = {{P::SealType, SealType::stName12}};
constexpr TemplateValue SquareNameSealTwoLeftOneRight[] = {{P::SealType, SealType::stName21}};
constexpr TemplateValue SquareNameSealColumnsLayout[] = {
    {P::Text, u"丁戊印"}, {P::RealWidth, 20}, {P::RealHeight, 20},  {P::PenWidth, 2},       {P::TextWidth, 8},
    {P::TextWidth1, 8},   {P::TextHeight, 8}, {P::TextHeight1, 16}, {P::TextsWidth, 15.5f}, {P::TextsHeight, 15.5f},
};
// Two characters side by side fill the height; the block keeps its initial height.
constexpr TemplateValue SquareNameSealTwoAcross[] = {
    {P::SealType, SealType::stName11},
    {P::Text, u"丁戊"},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::PenWidth, 2},
    {P::TextWidth, 7},
    {P::TextHeight, 15},
    {P::TextsWidth, 15.5f},
};
constexpr TemplateValue SquareNameSealOneAboveTwoBelow[] = {
    {P::SealType, SealType::stName12A},
    {P::Text, u"己庚辛"},
};
constexpr TemplateValue SquareNameSealTwoAboveOneBelow[] = {
    {P::SealType, SealType::stName21A},
    {P::Text, u"壬癸子"},
};
constexpr TemplateValue SquareNameSealRowsLayout[] = {
    {P::RealWidth, 20}, {P::RealHeight, 20}, {P::PenWidth, 2},       {P::TextWidth, 8},       {P::TextWidth1, 12},
    {P::TextHeight, 8}, {P::TextHeight1, 8}, {P::TextsWidth, 15.5f}, {P::TextsHeight, 15.5f},
};
constexpr TemplateValue SquareNameSealTwoDown[] = {
    {P::SealType, SealType::stName11A},
    {P::Text, u"丑寅"},
    {P::RealWidth, 20},
    {P::RealHeight, 20},
    {P::PenWidth, 2},
    {P::TextWidth, 12},
    {P::TextHeight, 8},
    {P::TextsWidth, 15.5f},
    {P::TextsHeight, 15.5f},
};
constexpr TemplateValue OblongNameSealThree[] = {
    {P::SealType, SealType::stName111},
    {P::Text, u"卯辰巳"},
    {P::RealWidth, 13},
    {P::RealHeight, 6},
    {P::PenWidth, 0.8f},
    {P::TextWidth, 4},
    {P::TextHeight, 4.2f},
    {P::TextsWidth, 11},
    {P::TextsHeight, 5},
};
constexpr TemplateValue OblongNameSealTwo[] = {
    {P::SealType, SealType::stName11},
    {P::Text, u"丑寅"},
    {P::RealWidth, 13},
    {P::RealHeight, 6},
    {P::PenWidth, 0.8f},
    {P::TextWidth, 4},
    {P::TextHeight, 4.2f},
    {P::TextsWidth, 9.5f},
    {P::TextsHeight, 5},
};
constexpr TemplateValue OblongNameSealFour[] = {
    {P::SealType, SealType::stName4},
    {P::Text, u"午未申酉"},
    {P::RealWidth, 13},
    {P::RealHeight, 6},
    {P::PenWidth, 0.8f},
    {P::TextWidth, 3},
    {P::TextHeight, 4.2f},
    {P::TextsWidth, 11},
    {P::TextsHeight, 5},
};

using enum ToolFamily;

constexpr ToolInfo Tools[] = {
    {Tool::HorizontalLine,
     u"actDrawHorzLine",
     "",
     QT_TRANSLATE_NOOP("Tools", "水平线|水平线"),
     DrawingElement,
     PlaceOnce,
     {HorizontalLine}},
    {Tool::VerticalLine,
     u"actDrawVertLine",
     "",
     QT_TRANSLATE_NOOP("Tools", "竖直线|竖直线"),
     DrawingElement,
     PlaceOnce,
     {VerticalLine}},
    {Tool::AnyAngleLine,
     u"actDrawAnyLine",
     "",
     QT_TRANSLATE_NOOP("Tools", "任意直线|任意直线"),
     DrawingElement,
     PlaceOnce,
     {AnyAngleLine}},
    {Tool::Arc,
     u"actDrawArc",
     "",
     QT_TRANSLATE_NOOP("Tools", "弧线或扇形|弧线或扇形"),
     DrawingElement,
     PlaceOnce,
     {Arc}},
    {Tool::EllipseFrame,
     u"actDrawEllipseFrame",
     "",
     QT_TRANSLATE_NOOP("Tools", "圆或椭圆|圆或椭圆"),
     DrawingElement,
     PlaceOnce,
     {EllipseFrame}},
    {Tool::RectangleFrame,
     u"actDrawRect",
     "",
     QT_TRANSLATE_NOOP("Tools", "矩形|矩形"),
     DrawingElement,
     PlaceOnce,
     {RectangleFrame}},
    {Tool::RoundedRectangleFrame,
     u"actDrawRoundRect",
     "",
     QT_TRANSLATE_NOOP("Tools", "圆角矩形|圆角矩形"),
     DrawingElement,
     PlaceOnce,
     {RoundedRectangleFrame}},
    {Tool::ChamferedRectangleFrame,
     u"actDrawDiamond",
     "",
     QT_TRANSLATE_NOOP("Tools", "切角矩形"),
     DrawingElement,
     PlaceOnce,
     {ChamferedRectangleFrame}},
    {Tool::TriangleFrame,
     u"actDrawTriangle",
     "",
     QT_TRANSLATE_NOOP("Tools", "三角形|三角形"),
     DrawingElement,
     PlaceOnce,
     {TriangleFrame, false, TriangleLayout}},
    {Tool::RhombFrame,
     u"actDrawRhombFrame",
     "",
     QT_TRANSLATE_NOOP("Tools", "菱形|菱形"),
     DrawingElement,
     PlaceOnce,
     {RhombFrame, false, RhombLayout}},
    {Tool::HorizontalText,
     u"actDrawHorzText",
     "",
     QT_TRANSLATE_NOOP("Tools", "水平文字|水平文字"),
     DrawingElement,
     PlaceOnce,
     {HorizontalText}},
    {Tool::RingText,
     u"actDrawEllipseText",
     "",
     QT_TRANSLATE_NOOP("Tools", "环排文字|环排文字"),
     DrawingElement,
     PlaceOnce,
     {RingText}},
    {Tool::AnyAngleText,
     u"actDrawAnyText",
     "",
     QT_TRANSLATE_NOOP("Tools", "任意角度文字|任意角度文字"),
     DrawingElement,
     PlaceOnce,
     {AnyAngleText}},
    {Tool::FivePointedStar,
     u"actDrawFiveStar",
     "",
     QT_TRANSLATE_NOOP("Tools", "矢量五星|矢量五星"),
     DrawingElement,
     PlaceOnce,
     {FivePointedStar}},
    {Tool::Table, u"actDrawCell", "", QT_TRANSLATE_NOOP("Tools", "表格|表格"), DrawingElement, PlaceOnce, {Table}},
    {Tool::PictureFromFile,
     u"actDrawImage",
     "",
     QT_TRANSLATE_NOOP("Tools", "从文件装载图象|从文件装载图象"),
     DrawingElement,
     PlaceOnce,
     {PictureElement, true, PictureFromFileFlags}},

    {Tool::RoundOfficialSeal,
     u"actDrawGZh",
     QT_TRANSLATE_NOOP("Tools", "圆公章(&A)"),
     QT_TRANSLATE_NOOP("Tools", "圆公章|圆公章"),
     OfficialSeal,
     PlaceOnce,
     {RoundOfficialSeal}},
    {Tool::RoundFinanceSeal,
     u"actDrawYCW",
     QT_TRANSLATE_NOOP("Tools", "圆财务专用章"),
     QT_TRANSLATE_NOOP("Tools", "圆财务专用章|圆财务专用章"),
     OfficialSeal,
     PlaceOnce,
     {RoundFinanceSeal}},
    {Tool::RoundDateSealA,
     u"actDrawYZLA",
     QT_TRANSLATE_NOOP("Tools", "圆转轮印章(一)"),
     QT_TRANSLATE_NOOP("Tools", "圆转轮印章(1)|圆转轮印章(1)"),
     OfficialSeal,
     PlaceOnce,
     {RoundDateSealA, false, RoundDateSealLayout}},
    {Tool::RoundDateSealB,
     u"actDrawYZLB",
     QT_TRANSLATE_NOOP("Tools", "圆转轮印章(二)"),
     QT_TRANSLATE_NOOP("Tools", "圆转轮印章(2)|圆转轮印章(2)"),
     OfficialSeal,
     PlaceOnce,
     {RoundDateSealB, false, RoundDateSealLayout}},
    {Tool::OvalSeal,
     u"actDrawEllipse",
     QT_TRANSLATE_NOOP("Tools", "椭圆印章"),
     QT_TRANSLATE_NOOP("Tools", "椭圆印章|椭圆印章"),
     OfficialSeal,
     PlaceOnce,
     {OvalSeal}},
    {Tool::InvoiceSeal,
     u"actDrawFPZYZ",
     QT_TRANSLATE_NOOP("Tools", "发票专用章"),
     QT_TRANSLATE_NOOP("Tools", "发票专用章|发票专用章"),
     OfficialSeal,
     PlaceOnce,
     {InvoiceSeal}},
    {Tool::OvalDateSealA,
     u"actDrawTYZLA",
     QT_TRANSLATE_NOOP("Tools", "椭圆转轮(一)"),
     QT_TRANSLATE_NOOP("Tools", "椭圆转轮印章(1)|椭圆转轮印章(1)"),
     OfficialSeal,
     PlaceOnce,
     {OvalDateSealA, false, OvalDateSealLayout}},
    {Tool::OvalDateSealB,
     u"actDrawTYZLB",
     QT_TRANSLATE_NOOP("Tools", "椭圆转轮(二)"),
     QT_TRANSLATE_NOOP("Tools", "椭圆转轮印章(2)|椭圆转轮印章(2)"),
     OfficialSeal,
     PlaceOnce,
     {OvalDateSealB, false, OvalDateSealLayout}},
    {Tool::SquareFinanceSeal,
     u"actDrawFCW",
     QT_TRANSLATE_NOOP("Tools", "方财务专用章"),
     QT_TRANSLATE_NOOP("Tools", "方财务专用章|方财务专用章"),
     OfficialSeal,
     PlaceOnce,
     {SquareFinanceSeal}},
    {Tool::VatStripSeal,
     u"actDrawZZS",
     QT_TRANSLATE_NOOP("Tools", "增值税条章"),
     QT_TRANSLATE_NOOP("Tools", "增值税章|增值税章"),
     OfficialSeal,
     PlaceOnce,
     {VatStripSeal}},
    {Tool::SquareDateSealA,
     u"actDrawFZLA",
     QT_TRANSLATE_NOOP("Tools", "方转轮印(一)"),
     QT_TRANSLATE_NOOP("Tools", "方转轮印章(1)|方转轮印章(1)"),
     OfficialSeal,
     PlaceOnce,
     {SquareDateSealA, false, SquareDateSealLayout}},
    {Tool::SquareDateSealB,
     u"actDrawFZLB",
     QT_TRANSLATE_NOOP("Tools", "方转轮印(二)"),
     QT_TRANSLATE_NOOP("Tools", "方转轮印章(2)|方转轮印章(2)"),
     OfficialSeal,
     PlaceOnce,
     {SquareDateSealB, false, SquareDateSealLayout}},
    {Tool::RhombSeal,
     u"actDrawRhomb",
     QT_TRANSLATE_NOOP("Tools", "菱形印章"),
     QT_TRANSLATE_NOOP("Tools", "菱形印章|菱形印章"),
     OfficialSeal,
     PlaceOnce,
     {RhombSeal, false, RhombLayout}},
    {Tool::TriangleSeal,
     u"actDrawSJ",
     QT_TRANSLATE_NOOP("Tools", "三角印章"),
     QT_TRANSLATE_NOOP("Tools", "三角印章|三角印章"),
     OfficialSeal,
     PlaceOnce,
     {TriangleSeal, false, TriangleLayout}},

    {Tool::SquareNameSealFour,
     u"actDraw22MZ",
     QT_TRANSLATE_NOOP("Tools", "四字名章"),
     QT_TRANSLATE_NOOP("Tools", "四字方章|四字方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealFour}},
    {Tool::SquareNameSealOneLeftTwoRight,
     u"actDraw3ZFZ",
     QT_TRANSLATE_NOOP("Tools", "左一右二方章"),
     QT_TRANSLATE_NOOP("Tools", "左一右二方章|左一右二方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealOneLeftTwoRight, false, SquareNameSealColumnsLayout}},
    {Tool::SquareNameSealTwoLeftOneRight,
     u"actDraw3ZFZA",
     QT_TRANSLATE_NOOP("Tools", "左二右一方章"),
     QT_TRANSLATE_NOOP("Tools", "左二右一方章|左二右一方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealTwoLeftOneRight, false, SquareNameSealColumnsLayout}},
    {Tool::SquareNameSealTwoAcross,
     u"actDraw2ZFZ",
     QT_TRANSLATE_NOOP("Tools", "横排两字方章"),
     QT_TRANSLATE_NOOP("Tools", "横排两字方章|横排两字方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealTwoAcross}},
    {Tool::SquareNameSealOneAboveTwoBelow,
     u"actDraw3ZFZB",
     QT_TRANSLATE_NOOP("Tools", "上一下二方章"),
     QT_TRANSLATE_NOOP("Tools", "上一下二方章|上一下二方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealOneAboveTwoBelow, false, SquareNameSealRowsLayout}},
    {Tool::SquareNameSealTwoAboveOneBelow,
     u"actDraw3ZFZC",
     QT_TRANSLATE_NOOP("Tools", "上二下一方章"),
     QT_TRANSLATE_NOOP("Tools", "上二下一方章|上二下一方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealTwoAboveOneBelow, false, SquareNameSealRowsLayout}},
    {Tool::SquareNameSealTwoDown,
     u"actDraw2ZFZA",
     QT_TRANSLATE_NOOP("Tools", "竖排两字方章"),
     QT_TRANSLATE_NOOP("Tools", "竖排两字方章|竖排两字方章"),
     NameSeal,
     PlaceOnce,
     {SquareNameSealTwoDown}},
    {Tool::OblongNameSealThree,
     u"actDraw3ZBMZ",
     QT_TRANSLATE_NOOP("Tools", "三字扁名章"),
     QT_TRANSLATE_NOOP("Tools", "三字扁章|三字扁章"),
     NameSeal,
     PlaceOnce,
     {OblongNameSealThree}},
    {Tool::OblongNameSealTwo,
     u"actDraw2ZBMZ",
     QT_TRANSLATE_NOOP("Tools", "两字扁名章"),
     QT_TRANSLATE_NOOP("Tools", "两字扁章|两字扁章"),
     NameSeal,
     PlaceOnce,
     {OblongNameSealTwo}},
    {Tool::OblongNameSealFour,
     u"actDraw4ZBMZ",
     QT_TRANSLATE_NOOP("Tools", "四字扁名章"),
     QT_TRANSLATE_NOOP("Tools", "四字扁章|四字扁章"),
     NameSeal,
     PlaceOnce,
     {OblongNameSealFour}},

    {Tool::EmblemPicture, u"actDrawAPicture", "", "", Emblem, PlaceEmblem, {PictureElement, true, EmblemFlags}},

    {Tool::Hand, u"actScrollPage", "", QT_TRANSLATE_NOOP("Tools", "抓移浏览|抓移浏览"), View, ScrollByHand},
    {Tool::ZoomIn, u"actPageZoomIn", "", QT_TRANSLATE_NOOP("Tools", "连续放大|连续放大"), View, ZoomInByClick},
    {Tool::ZoomOut, u"actPageZoomOut", "", QT_TRANSLATE_NOOP("Tools", "连续缩小|连续缩小"), View, ZoomOutByClick},
};

// Row i holds the tool of tag i + 1, so a tag finds its row directly.
constexpr bool rowsInTagOrder()
{
    int tag = 1;
    for (const ToolInfo &row : Tools)
        if (tagOf(row.tool) != tag++)
            return false;
    return true;
}
static_assert(rowsInTagOrder());

// A whole number suits a whole-number property, any number a length; flags, kinds and texts
// suit only their own.
constexpr bool fits(const TemplateValue &value)
{
    using Type = SealProperty::Type;
    const Type type = sealPropertyType(value.property);
    switch (value.kind) {
    case TemplateValue::Kind::Number:
        return type == Type::Float || (type == Type::Int && value.number == double(int(value.number)));
    case TemplateValue::Kind::Flag:
        return type == Type::Bool;
    case TemplateValue::Kind::SealKind:
        return type == Type::SealType;
    case TemplateValue::Kind::FrameKind:
        return type == Type::FrameType;
    case TemplateValue::Kind::Text:
        return type == Type::String && value.text;
    }
    return false;
}

// Every value suits its property, every placing tool places something and no other tool does.
constexpr bool templatesFit()
{
    for (const ToolInfo &row : Tools) {
        const SealTemplate &t = row.sealTemplate;
        if ((row.use.pageTool == PageTool::Place) == (t.values.empty() && !t.picture))
            return false;
        for (const auto values : {t.values, t.valuesAfter})
            for (const TemplateValue &value : values)
                if (!fits(value))
                    return false;
    }
    return true;
}
static_assert(templatesFit());

} // namespace

QString ToolInfo::captionText() const
{
    return QCoreApplication::translate("Tools", caption);
}

QString ToolInfo::hintText() const
{
    return QCoreApplication::translate("Tools", hint);
}

QString ToolInfo::iconPath() const
{
    return u":/quillmark/tools/"_s + QString::fromUtf16(objectName) + u".svg"_s;
}

std::span<const ToolInfo> allTools()
{
    return Tools;
}

const ToolInfo *findTool(Tool tool)
{
    const int tag = tagOf(tool);
    return tag >= 1 && tag <= int(std::size(Tools)) ? &Tools[tag - 1] : nullptr;
}

std::optional<Tool> toolFromTag(int tag)
{
    if (const ToolInfo *row = findTool(Tool(tag)))
        return row->tool;
    return std::nullopt;
}

PageTool pageToolOf(std::optional<Tool> tool)
{
    const ToolInfo *row = tool ? findTool(*tool) : nullptr;
    return row ? row->use.pageTool : PageTool::Select;
}

} // namespace qm
