#pragma once

#include "seal/sealtypes.h"

namespace qm {

class Surface;
class Seal;

// Frame, pattern lines, code and emblem of kinds 0 ... 13.
void drawFrame(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);
void drawPatternLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);
void drawCode(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);
void drawEmblem(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);

// Centre lines of official seals.
void drawRectCentreLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink,
                         bool closed);
void drawOvalCentreLines(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);
void drawSingleCentreLine(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);

// The four texts of kinds 9 ... 13.
void drawSealTexts(const Seal &seal, Surface &surface, int x0, int y0, BrushStyle brushStyle, Colour ink);

} // namespace qm
