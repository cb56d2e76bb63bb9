#pragma once

#include "seal/sealtypes.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace qm {

struct SealProperty;

// How an editing control shows and writes its property.
enum class BoxKind {
    Float,     // millimetres: two decimals, step 0.01, written as the float shown
    Integer,   // a count or a stroke width: written as roundHalfEven(value)
    Angle,     // whole degrees: shows tenths div 10, writes roundHalfEven(value × 10)
    Check,     // a flag
    Weight,    // a font weight: ticked is 100, clear is 700
    FrameList, // NameSealFrameType as the item index
    LineList,  // which text line page C edits; no property of its own
    Font,      // a face-name slot, typed or chosen from the installed fonts
    Text,      // a one-line text
    Memo,      // a text of page C
};

enum class MaskKind { General, Text };

// Inclusive bounds of a box in what it shows (degrees for Angle). A free box takes the bounds
// of its property's limits.
struct BoxRange {
    double minimum = 0;
    double maximum = 0;
    bool free = false;
};

constexpr quint32 kindBit(SealType kind)
{
    return quint32(1) << int(kind);
}

// What a control becomes for some kinds of element: another property, box, range or label.
struct ControlVariant {
    quint32 kinds = 0; // kindBit() of every kind it applies to
    const char *property = nullptr;
    std::optional<BoxKind> box = std::nullopt;
    std::optional<BoxRange> range = std::nullopt;
    const char *label = nullptr;
    bool firstLineOnly = false; // only while page C edits line 0
};

// One editing control of the window. Text-mask controls act on the chosen line: lines 1 … 3
// add their number to the property name (Text1, TextWidth2, FontName3, …).
struct PropertyControl {
    int tag;           // what the change handler dispatches on
    const char *name;  // object name of the control
    const char *label; // label before the box, or a check box's caption; none for Memo1 and Edit1
    int group;         // GroupBox1 … GroupBox10
    BoxKind box;
    BoxRange range;
    MaskKind mask;
    int position;            // 1-based digit of its mask
    const char *property;    // nullptr for the line choice
    const char16_t *unit;    // shown in the tool tip; nullptr for none
    bool typedLimit = false; // accepts at most six typed characters (float boxes always do)
    std::optional<ControlVariant> variant = std::nullopt;
};

// A group box: its page (1 … 4) and caption.
struct PropertyGroup {
    int number;
    int page;
    const char *caption;
};

// The tag of the line choice on page C, which shows a line rather than editing the seal.
constexpr int TextLineChoiceTag = 31;

// Every control, general mask positions 1 … 50 first, then text mask positions 1 … 18.
const QList<PropertyControl> &propertyControls();
const PropertyControl *controlByTag(int tag);
const PropertyControl *controlAt(MaskKind mask, int position);
const QList<PropertyGroup> &propertyGroups();
// A label or caption of the tables in the interface language (they hold the source texts).
QString propertyText(const char *source);
// A label without its padding and closing colon: "线    宽：" is "线宽", "Line width:" is
// "Line width".
QString compactLabel(const QString &label);
// GroupBox3's caption while an arc is shown.
QString arcGroupCaption();

// Maximum number of typed characters of the boxes that limit it.
constexpr int MaxTypedCharacters = 6;

// A control as it stands for one kind of element and text line: the property it edits, how,
// within which bounds (the box's own, never beyond the property's limits) and under which label.
struct ControlBinding {
    const SealProperty *property = nullptr;
    BoxKind box = BoxKind::Float;
    double minimum = 0;
    double maximum = 0;
    QString label;
    bool typedLimit = false;
};
ControlBinding bindControl(const PropertyControl &control, SealType kind, int line);

// The value a box shows for a stored value, and the value written for a shown one.
double shownValue(BoxKind box, const QVariant &stored);
QVariant storedValue(BoxKind box, double shown);

// The unit and range hint of a box: "0 … 999 mm".
QString rangeHint(const ControlBinding &binding, const PropertyControl &control);

} // namespace qm
