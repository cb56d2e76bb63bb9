#pragma once

#include "seal/sealtypes.h"

namespace qm {

class Surface;
class TSeal;

// Frame, pattern lines, code and emblem of kinds 0 ... 13.
void DrawFrame(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);
void DrawPatternLines(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);
void DrawCode(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);
void DrawEmblem(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);

// Centre lines of official seals.
void DrawRectCentreLines(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink,
                         bool closed);
void DrawOvalCentreLines(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);
void DrawSingleCentreLine(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);

// The four texts of kinds 9 ... 13.
void DrawSealTexts(const TSeal &seal, Surface &surface, int x0, int y0, TBrushStyle brushStyle, TColor ink);

} // namespace qm
