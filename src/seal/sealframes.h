#pragma once

#include "seal/sealtypes.h"

namespace qm {

class Surface;
class Seal;

// The frame family a seal kind draws, which also picks its pattern lines and its code.
enum class FrameShape : std::uint8_t { None, Rectangular, Oval, Triangle, Rhomb };
FrameShape frameShapeOf(const Seal &seal);

// Millimetres to pixels at the seal's current scale, halves to even.
int sealPixels(const Seal &seal, float mm);

// Main frame, lining and inner frame of each family; pattern lines, code and emblem come after.
void drawOutlineFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink, bool oval);
void drawTriangleFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);
void drawRhombFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);

} // namespace qm
