#pragma once

#include "seal/sealtypes.h"

#include <QString>

#include <optional>
#include <span>

namespace qm {

enum class SealPropertyId : int;

// The placing and page tools. Each value is the tag its command carries (QAction::data()), so
// the numbers matter only where a tool is stored or exchanged.
enum class Tool : int {
    // Drawing elements: the palette's drawing set.
    HorizontalLine = 1,
    VerticalLine = 2,
    AnyAngleLine = 3,
    Arc = 4,
    EllipseFrame = 5,
    RectangleFrame = 6,
    RoundedRectangleFrame = 7,
    ChamferedRectangleFrame = 8,
    TriangleFrame = 9,
    RhombFrame = 10,
    HorizontalText = 11,
    RingText = 12,
    AnyAngleText = 13,
    FivePointedStar = 14,
    Table = 15,
    PictureFromFile = 16,
    // Official seals.
    RoundOfficialSeal = 17,
    RoundFinanceSeal = 18,
    RoundDateSealA = 19,
    RoundDateSealB = 20,
    OvalSeal = 21,
    InvoiceSeal = 22,
    OvalDateSealA = 23,
    OvalDateSealB = 24,
    SquareFinanceSeal = 25,
    VatStripSeal = 26,
    SquareDateSealA = 27,
    SquareDateSealB = 28,
    RhombSeal = 29,
    TriangleSeal = 30,
    // Name seals.
    SquareNameSealFour = 31,
    SquareNameSealOneLeftTwoRight = 32,
    SquareNameSealTwoLeftOneRight = 33,
    SquareNameSealTwoAcross = 34,
    SquareNameSealOneAboveTwoBelow = 35,
    SquareNameSealTwoAboveOneBelow = 36,
    SquareNameSealTwoDown = 37,
    OblongNameSealThree = 38,
    OblongNameSealTwo = 39,
    OblongNameSealFour = 40,
    // The emblem chosen in the emblem library.
    EmblemPicture = 41,
    // Page tools.
    Hand = 42,
    ZoomIn = 43,
    ZoomOut = 44,
};

// What a left press on the page does: Select while no tool is chosen.
enum class PageTool { Select, Place, Hand, ZoomIn, ZoomOut };

// Where a tool's command is offered: the drawing set of the palette and its elements menu, the
// seal set and the seals menu, or the page tools after them. The emblem is placed from the
// emblem library only.
enum class ToolFamily { DrawingElement, OfficialSeal, NameSeal, Emblem, View };

// How a chosen tool meets the page.
struct ToolUse {
    PageTool pageTool;
    int cursorSlot;           // the host's cursor for the page while the tool is chosen
    bool oneShot;             // the first press on the page unchecks it; else it stays until chosen again
    bool rightPressRunsAgain; // a right press on the page runs its command once more
};

// One property value of a template, set through the property's setter: a number as the
// property's type, a flag, a kind, or a text (Unicode here, GBK on the seal; u"" for none). The
// tool table checks while compiling that every value suits its property.
struct TemplateValue {
    enum class Kind { Number, Flag, SealKind, FrameKind, Text };

    SealPropertyId property;
    Kind kind;
    double number = 0;
    const char16_t *text = nullptr;

    constexpr TemplateValue(SealPropertyId p, int value) : property(p), kind(Kind::Number), number(value) {}
    constexpr TemplateValue(SealPropertyId p, double value) : property(p), kind(Kind::Number), number(value) {}
    constexpr TemplateValue(SealPropertyId p, bool value) : property(p), kind(Kind::Flag), number(value ? 1 : 0) {}
    constexpr TemplateValue(SealPropertyId p, SealType value) : property(p), kind(Kind::SealKind), number(int(value)) {}
    constexpr TemplateValue(SealPropertyId p, FrameType value) : property(p), kind(Kind::FrameKind), number(int(value))
    {
    }
    constexpr TemplateValue(SealPropertyId p, const char16_t *value) : property(p), kind(Kind::Text), text(value) {}
};

// What a placing tool makes of a new element: its values set in order; for a picture tool the
// chosen picture is loaded after them, and then come the values after the picture. Values
// after are also how two templates share their common end.
struct SealTemplate {
    std::span<const TemplateValue> values;
    bool picture = false;
    std::span<const TemplateValue> valuesAfter{};
};

// One row of the tool table.
struct ToolInfo {
    Tool tool;
    const char16_t *objectName; // the command's name, as menus, the palette and settings know it
    const char *caption;        // empty: the command is captioned with its short hint
    const char *hint;           // "short|long"; empty for none
    ToolFamily family;
    ToolUse use;
    SealTemplate sealTemplate{}; // empty for the page tools

    // The caption and hint in the interface language.
    QString captionText() const;
    QString hintText() const;
    QString iconPath() const;
};

// Every tool, in tag order.
std::span<const ToolInfo> allTools();
// The row of the tool; nullptr for a value that names none.
const ToolInfo *findTool(Tool tool);

constexpr int tagOf(Tool tool)
{
    return int(tool);
}
// The tool a stored or exchanged tag names; none for 0 and anything unknown.
std::optional<Tool> toolFromTag(int tag);

// What a left press on the page does while the tool is chosen.
PageTool pageToolOf(std::optional<Tool> tool);

} // namespace qm
