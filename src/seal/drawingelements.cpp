#include "seal/drawingelements.h"

#include "seal/surface.h"

namespace qm {

void DrawHorzLine(Surface &, int, int, int, int, TColor) {}
void DrawVertLine(Surface &, int, int, int, int, TColor) {}
void DrawAnyAngleLine(Surface &, int, int, TBrushStyle, TColor, TColor, int, int, int, int, int) {}
void DrawArc(Surface &, int, int, int, int, int, int, int, bool, TBrushStyle, TColor, TColor) {}
void DrawAnyAngleText(Surface &, int, int, const AnyAngleText &) {}
void DrawFiveStar(Surface &, int, int, TBrushStyle, TColor, TColor, int, int, int) {}
void DrawCells(Surface &, int, int, int, int, int, int, int, int, TBrushStyle, TColor, TColor) {}
void DrawPictureOrStar(Surface &, int, int, const PictureOrStar &) {}

} // namespace qm
