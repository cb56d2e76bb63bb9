#include "page/sealcaptions.h"

#include "document/tools.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <iterator>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// One row per kind, in kind order: the tool whose template makes it, and the drawing tool that
// makes its frame bare, where there is one.
struct KindTools {
    SealType type;
    Tool tool;
    Tool bareFrame;
};

constexpr KindTools KindTable[] = {
    {SealType::stName22, Tool::SquareNameSealFour, Tool::RectangleFrame},
    {SealType::stName4, Tool::OblongNameSealFour, Tool::OblongNameSealFour},
    {SealType::stName12, Tool::SquareNameSealOneLeftTwoRight, Tool::SquareNameSealOneLeftTwoRight},
    {SealType::stName12A, Tool::SquareNameSealOneAboveTwoBelow, Tool::SquareNameSealOneAboveTwoBelow},
    {SealType::stName21, Tool::SquareNameSealTwoLeftOneRight, Tool::SquareNameSealTwoLeftOneRight},
    {SealType::stName21A, Tool::SquareNameSealTwoAboveOneBelow, Tool::SquareNameSealTwoAboveOneBelow},
    {SealType::stName11, Tool::SquareNameSealTwoAcross, Tool::SquareNameSealTwoAcross},
    {SealType::stName11A, Tool::SquareNameSealTwoDown, Tool::SquareNameSealTwoDown},
    {SealType::stName111, Tool::OblongNameSealThree, Tool::OblongNameSealThree},
    {SealType::stRect, Tool::SquareFinanceSeal, Tool::SquareFinanceSeal},
    {SealType::stEllipse, Tool::RoundOfficialSeal, Tool::RoundOfficialSeal},
    {SealType::stEpsCL, Tool::OvalSeal, Tool::OvalSeal},
    {SealType::stTriangle, Tool::TriangleSeal, Tool::TriangleFrame},
    {SealType::stRhomb, Tool::RhombSeal, Tool::RhombFrame},
    {SealType::stHorzLine, Tool::HorizontalLine, Tool::HorizontalLine},
    {SealType::stVertLine, Tool::VerticalLine, Tool::VerticalLine},
    {SealType::stAnyAngleLine, Tool::AnyAngleLine, Tool::AnyAngleLine},
    {SealType::stArc, Tool::Arc, Tool::Arc},
    {SealType::stHorzText, Tool::HorizontalText, Tool::HorizontalText},
    {SealType::stEllipseText, Tool::RingText, Tool::RingText},
    {SealType::stAnyAngleText, Tool::AnyAngleText, Tool::AnyAngleText},
    {SealType::stFiveStar, Tool::FivePointedStar, Tool::FivePointedStar},
    {SealType::stCell, Tool::Table, Tool::Table},
    {SealType::stAnyImage, Tool::PictureFromFile, Tool::PictureFromFile},
};
static_assert(std::size(KindTable) == SealTypeCount);

constexpr bool rowsInKindOrder()
{
    int i = 0;
    for (const KindTools &row : KindTable)
        if (int(row.type) != i++)
            return false;
    return true;
}
static_assert(rowsInKindOrder());

// The frame shapes of the square name seal other than the rectangle come only from the
// drawing tools.
Tool frameTool(FrameType frame)
{
    switch (frame) {
    case FrameType::ftRoundRect:
        return Tool::RoundedRectangleFrame;
    case FrameType::ftDiamond:
        return Tool::ChamferedRectangleFrame;
    case FrameType::ftEllipse:
        return Tool::EllipseFrame;
    case FrameType::ftRectangle:
        break;
    }
    return Tool::SquareNameSealFour;
}

QString firstText(const Seal &seal)
{
    for (const QByteArray *text : {&seal.Text(), &seal.Text1(), &seal.Text2(), &seal.Text3()})
        if (QString s = Gbk::toUnicode(*text).trimmed(); !s.isEmpty())
            return s;
    return {};
}

QString millimetres(float mm)
{
    return QString::number(double(mm), 'f', 1);
}

} // namespace

const ToolInfo &toolMaking(const Seal &seal)
{
    const int kind = int(seal.SealType());
    const KindTools &row = KindTable[kind >= 0 && kind < SealTypeCount ? kind : 0];
    Tool tool = row.tool;
    if (row.type == SealType::stName22 && seal.NameSealFrameType() != FrameType::ftRectangle)
        tool = frameTool(seal.NameSealFrameType());
    else if (firstText(seal).isEmpty())
        tool = row.bareFrame;
    return *findTool(tool);
}

QString toolCaptionText(const ToolInfo &tool)
{
    QString caption = tool.captionText();
    if (caption.isEmpty()) {
        const QString hint = tool.hintText();
        return hint.left(hint.indexOf(u'|'));
    }
    // "圆公章(&A)": the access key goes with its brackets.
    const qsizetype key = caption.indexOf(u"(&"_s);
    if (key >= 0 && caption.endsWith(u')'))
        caption.truncate(key);
    return caption.remove(u'&');
}

QString sealAccessibleName(const Seal &seal)
{
    const QString caption = toolCaptionText(toolMaking(seal));
    const QString text = firstText(seal);
    return text.isEmpty() ? caption : caption + u' ' + text;
}

QString sealAccessibleDescription(const Seal &seal)
{
    return QCoreApplication::translate("Page", "宽 %1 毫米，高 %2 毫米，中心水平坐标 %3 毫米，垂直坐标 %4 毫米")
        .arg(millimetres(seal.RealWidth()), millimetres(seal.RealHeight()), millimetres(seal.RealCenterX()),
             millimetres(seal.RealCenterY()));
}

} // namespace qm
