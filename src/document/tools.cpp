#include "document/tools.h"

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

using enum ToolFamily;

constexpr ToolInfo Tools[] = {
    {Tool::HorizontalLine, u"actDrawHorzLine", u"", u"水平线|水平线", DrawingElement, PlaceOnce},
    {Tool::VerticalLine, u"actDrawVertLine", u"", u"竖直线|竖直线", DrawingElement, PlaceOnce},
    {Tool::AnyAngleLine, u"actDrawAnyLine", u"", u"任意直线|任意直线", DrawingElement, PlaceOnce},
    {Tool::Arc, u"actDrawArc", u"", u"弧线或扇形|弧线或扇形", DrawingElement, PlaceOnce},
    {Tool::EllipseFrame, u"actDrawEllipseFrame", u"", u"圆或椭圆|圆或椭圆", DrawingElement, PlaceOnce},
    {Tool::RectangleFrame, u"actDrawRect", u"", u"矩形|矩形", DrawingElement, PlaceOnce},
    {Tool::RoundedRectangleFrame, u"actDrawRoundRect", u"", u"圆角矩形|圆角矩形", DrawingElement, PlaceOnce},
    {Tool::ChamferedRectangleFrame, u"actDrawDiamond", u"", u"切角矩形", DrawingElement, PlaceOnce},
    {Tool::TriangleFrame, u"actDrawTriangle", u"", u"三角形|三角形", DrawingElement, PlaceOnce},
    {Tool::RhombFrame, u"actDrawRhombFrame", u"", u"菱形|菱形", DrawingElement, PlaceOnce},
    {Tool::HorizontalText, u"actDrawHorzText", u"", u"水平文字|水平文字", DrawingElement, PlaceOnce},
    {Tool::RingText, u"actDrawEllipseText", u"", u"环排文字|环排文字", DrawingElement, PlaceOnce},
    {Tool::AnyAngleText, u"actDrawAnyText", u"", u"任意角度文字|任意角度文字", DrawingElement, PlaceOnce},
    {Tool::FivePointedStar, u"actDrawFiveStar", u"", u"矢量五星|矢量五星", DrawingElement, PlaceOnce},
    {Tool::Table, u"actDrawCell", u"", u"表格|表格", DrawingElement, PlaceOnce},
    {Tool::PictureFromFile, u"actDrawImage", u"", u"从文件装载图象|从文件装载图象", DrawingElement, PlaceOnce},

    {Tool::RoundOfficialSeal, u"actDrawGZh", u"圆公章(&A)", u"圆公章|圆公章", OfficialSeal, PlaceOnce},
    {Tool::RoundFinanceSeal, u"actDrawYCW", u"圆财务专用章", u"圆财务专用章|圆财务专用章", OfficialSeal, PlaceOnce},
    {Tool::RoundDateSealA, u"actDrawYZLA", u"圆转轮印章(一)", u"圆转轮印章(1)|圆转轮印章(1)", OfficialSeal,
     PlaceOnce},
    {Tool::RoundDateSealB, u"actDrawYZLB", u"圆转轮印章(二)", u"圆转轮印章(2)|圆转轮印章(2)", OfficialSeal,
     PlaceOnce},
    {Tool::OvalSeal, u"actDrawEllipse", u"椭圆印章", u"椭圆印章|椭圆印章", OfficialSeal, PlaceOnce},
    {Tool::InvoiceSeal, u"actDrawFPZYZ", u"发票专用章", u"发票专用章|发票专用章", OfficialSeal, PlaceOnce},
    {Tool::OvalDateSealA, u"actDrawTYZLA", u"椭圆转轮(一)", u"椭圆转轮印章(1)|椭圆转轮印章(1)", OfficialSeal,
     PlaceOnce},
    {Tool::OvalDateSealB, u"actDrawTYZLB", u"椭圆转轮(二)", u"椭圆转轮印章(2)|椭圆转轮印章(2)", OfficialSeal,
     PlaceOnce},
    {Tool::SquareFinanceSeal, u"actDrawFCW", u"方财务专用章", u"方财务专用章|方财务专用章", OfficialSeal, PlaceOnce},
    {Tool::VatStripSeal, u"actDrawZZS", u"增值税条章", u"增值税章|增值税章", OfficialSeal, PlaceOnce},
    {Tool::SquareDateSealA, u"actDrawFZLA", u"方转轮印(一)", u"方转轮印章(1)|方转轮印章(1)", OfficialSeal,
     PlaceOnce},
    {Tool::SquareDateSealB, u"actDrawFZLB", u"方转轮印(二)", u"方转轮印章(2)|方转轮印章(2)", OfficialSeal,
     PlaceOnce},
    {Tool::RhombSeal, u"actDrawRhomb", u"菱形印章", u"菱形印章|菱形印章", OfficialSeal, PlaceOnce},
    {Tool::TriangleSeal, u"actDrawSJ", u"三角印章", u"三角印章|三角印章", OfficialSeal, PlaceOnce},

    {Tool::SquareNameSealFour, u"actDraw22MZ", u"四字名章", u"四字方章|四字方章", NameSeal, PlaceOnce},
    {Tool::SquareNameSealOneLeftTwoRight, u"actDraw3ZFZ", u"左一右二方章", u"左一右二方章|左一右二方章", NameSeal,
     PlaceOnce},
    {Tool::SquareNameSealTwoLeftOneRight, u"actDraw3ZFZA", u"左二右一方章", u"左二右一方章|左二右一方章", NameSeal,
     PlaceOnce},
    {Tool::SquareNameSealTwoAcross, u"actDraw2ZFZ", u"横排两字方章", u"横排两字方章|横排两字方章", NameSeal,
     PlaceOnce},
    {Tool::SquareNameSealOneAboveTwoBelow, u"actDraw3ZFZB", u"上一下二方章", u"上一下二方章|上一下二方章", NameSeal,
     PlaceOnce},
    {Tool::SquareNameSealTwoAboveOneBelow, u"actDraw3ZFZC", u"上二下一方章", u"上二下一方章|上二下一方章", NameSeal,
     PlaceOnce},
    {Tool::SquareNameSealTwoDown, u"actDraw2ZFZA", u"竖排两字方章", u"竖排两字方章|竖排两字方章", NameSeal,
     PlaceOnce},
    {Tool::OblongNameSealThree, u"actDraw3ZBMZ", u"三字扁名章", u"三字扁章|三字扁章", NameSeal, PlaceOnce},
    {Tool::OblongNameSealTwo, u"actDraw2ZBMZ", u"两字扁名章", u"两字扁章|两字扁章", NameSeal, PlaceOnce},
    {Tool::OblongNameSealFour, u"actDraw4ZBMZ", u"四字扁名章", u"四字扁章|四字扁章", NameSeal, PlaceOnce},

    {Tool::EmblemPicture, u"actDrawAPicture", u"", u"", Emblem, PlaceEmblem},

    {Tool::Hand, u"actScrollPage", u"", u"抓移浏览|抓移浏览", View, ScrollByHand},
    {Tool::ZoomIn, u"actPageZoomIn", u"", u"连续放大|连续放大", View, ZoomInByClick},
    {Tool::ZoomOut, u"actPageZoomOut", u"", u"连续缩小|连续缩小", View, ZoomOutByClick},
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

} // namespace

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
