#pragma once

#include <QString>

#include <vector>

namespace qm {

class SealDocument;

// How several selected seals are lined up: an edge or a centre line in common, or equal gaps
// between neighbours from the first to the last.
enum class SealAlignment {
    Left,
    Right,
    Top,
    Bottom,
    HorizontalCentres, // one vertical line through every centre
    VerticalCentres,   // one horizontal line through every centre
    SpaceHorizontally,
    SpaceVertically,
};

// A seal's box in millimetres from the page's top-left corner.
struct MmBox {
    long double left = 0;
    long double top = 0;
    long double right = 0;
    long double bottom = 0;
};

struct MmPoint {
    long double x = 0;
    long double y = 0;
};

// The centres the boxes get, in the same order. Edges and centre lines take the extreme or
// the middle of the group's bounds. Spacing orders the boxes by their left (top) edge, keeps
// the group's bounds and makes every gap between neighbours equal (negative when they must
// overlap). Fewer boxes than the alignment needs (2, or 3 for spacing) keep their centres.
std::vector<MmPoint> alignedCentres(const std::vector<MmBox> &boxes, SealAlignment how);

// The least number of selected seals the alignment changes anything for.
int sealsNeededFor(SealAlignment how);

// The name of the alignment's undo step.
QString alignmentText(SealAlignment how);

// Lines up the selected seals of the document as one undo step; false when there are too few
// or nothing moved.
bool alignSelection(SealDocument &document, SealAlignment how);

} // namespace qm
