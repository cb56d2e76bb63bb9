#pragma once

#include "seal/sealtypes.h"

namespace qm {

class Surface;
class TSeal;

// The frame family a seal kind draws, which also picks its pattern lines and its code.
enum class FrameShape : std::uint8_t { None, Rectangular, Oval, Triangle, Rhomb };
FrameShape frameShapeOf(const TSeal &seal);

// Millimetres to pixels at the seal's current scale, halves to even.
int sealPixels(const TSeal &seal, float mm);

// Main frame, lining and inner frame of each family; pattern lines, code and emblem come after.
void DrawOutlineFrame(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink,
                      bool oval);
void DrawTriangleFrame(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);
void DrawRhombFrame(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);

} // namespace qm
