#include "seal/officialseals.h"

#include "seal/surface.h"
#include "seal/tseal.h"

namespace qm {

void DrawFrame(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawPatternLines(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawCode(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawEmblem(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawRectCentreLines(const TSeal &, Surface &, int, int, TBrushStyle, TColor, bool) {}
void DrawOvalCentreLines(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawSingleCentreLine(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}
void DrawSealTexts(const TSeal &, Surface &, int, int, TBrushStyle, TColor) {}

} // namespace qm
