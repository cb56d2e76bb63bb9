#pragma once

namespace qm {

// The page tools by the tag of their command: placing tools 1 … 41 are used once, the hand and
// the zoom tools 42 … 44 stay until chosen again.
enum class PageTool { Select, Place, Hand, ZoomIn, ZoomOut };

constexpr int HandToolTag = 42;
constexpr int ZoomInToolTag = 43;
constexpr int ZoomOutToolTag = 44;
constexpr int PictureToolTag = 41;
constexpr int PictureFileToolTag = 16;

constexpr PageTool pageToolForTag(int tag)
{
    if (tag >= 1 && tag <= 41)
        return PageTool::Place;
    switch (tag) {
    case HandToolTag:
        return PageTool::Hand;
    case ZoomInToolTag:
        return PageTool::ZoomIn;
    case ZoomOutToolTag:
        return PageTool::ZoomOut;
    default:
        return PageTool::Select;
    }
}

constexpr bool isOneShotTool(int tag)
{
    return tag >= 1 && tag <= 41;
}

// The host's cursor slot of the page while the tool is active; 0 for the default arrow.
constexpr int cursorSlotForTool(int tag)
{
    switch (pageToolForTag(tag)) {
    case PageTool::Place:
        return 6;
    case PageTool::Hand:
        return 2;
    case PageTool::ZoomIn:
        return 4;
    case PageTool::ZoomOut:
        return 5;
    case PageTool::Select:
        break;
    }
    return 0;
}

// The zoom tools step by 10 from any zoom while below 600 (above 25).
constexpr int MaxToolZoom = 600;
constexpr int MinToolZoom = 25;
constexpr int ZoomToolStep = 10;

} // namespace qm
