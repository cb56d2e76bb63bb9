#pragma once

#include <QString>

namespace qm {

class Seal;
struct ToolInfo;

// The tool whose template makes an element like this one: the tool of its kind, for a plain
// square name seal the tool of its frame shape, and for a frame without any text the drawing
// tool that places that bare frame.
const ToolInfo &toolMaking(const Seal &seal);
// A tool's caption without its access key; its short hint when it has no caption.
QString toolCaptionText(const ToolInfo &tool);

// What a screen reader calls the element: its tool's caption and its first text that is not
// empty, e.g. "圆公章 示例检验有限公司".
QString sealAccessibleName(const Seal &seal);
// Its size and the position of its centre on the page, in millimetres.
QString sealAccessibleDescription(const Seal &seal);

} // namespace qm
