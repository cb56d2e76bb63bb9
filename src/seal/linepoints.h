#pragma once

#include "seal/sealtypes.h"

namespace qm::LinePoints {

// More lines than this give no lines at all: far beyond what any frame can show, and a count
// read from a damaged document must not stall painting.
constexpr int MaxLines = 10000;

// Pattern-line geometry in pixels relative to the element's box: 2n points, the outer end of
// line i at i and its inner end at n + i. p is the main frame's pixel width.
PointArray rectangle(int W, int H, bool outSide, bool inSide, int n, int p);
// Lines spread over `lineAngle` centred at the top when `atTop`, else at the bottom.
PointArray oval(int W, int H, bool outSide, bool inSide, bool atTop, int lineAngle, int n, int p);
PointArray triangle(int W, int H, bool outSide, bool inSide, int n, int p);
PointArray rhomb(int W, int H, bool outSide, bool inSide, int n, int p);

} // namespace qm::LinePoints
