#pragma once

#include "seal/sealtypes.h"
#include "seal/textlayouts.h"

#include <QByteArray>
#include <QImage>

namespace qm {

class Surface;

void DrawHorzLine(Surface &surface, int ox, int oy, int pen, int W, TColor penColor);
void DrawVertLine(Surface &surface, int ox, int oy, int pen, int H, TColor penColor);
void DrawAnyAngleLine(Surface &surface, int ox, int oy, TBrushStyle brushStyle, TColor brushColor, TColor penColor,
                      int pen, int angle, int length, int H, int W);
// An elliptic arc from startAngle counter-clockwise to endAngle; a filled sector when pie.
void DrawArc(Surface &surface, int ox, int oy, int pen, int startAngle, int endAngle, int H, int W, bool pie,
             TBrushStyle brushStyle, TColor brushColor, TColor penColor);

struct AnyAngleText {
    QByteArray text; // GBK
    int angle = 0;
    int length = 0;
    int tw = 0, th = 0;
    int boxW = 0, boxH = 0;
    bool bold = false; // carried, not used: the weight is the style's
    GlyphStyle style;
};
void DrawAnyAngleText(Surface &surface, int ox, int oy, const AnyAngleText &text);

void DrawFiveStar(Surface &surface, int ox, int oy, TBrushStyle brushStyle, TColor brushColor, TColor penColor,
                  int pen, int H, int W);
void DrawCells(Surface &surface, int ox, int oy, int linePen, int framePen, int rows, int columns, int H, int W,
               TBrushStyle brushStyle, TColor brushColor, TColor penColor);

// The emblem of seals and the whole of the picture element: a star or the prepared picture in
// an iw x ih box centred (icx, icy) from the centre of the W x H box.
struct PictureOrStar {
    bool imageIsStar = false;
    bool haveImage = false;
    QImage picBitmap;          // the prepared picture; null when there is none
    bool transparent = false;  // the picture's bottom-left colour is not painted
    int icx = 0, icy = 0;
    int pen = 0;
    int iw = 0, ih = 0;
    int boxW = 0, boxH = 0;
    TBrushStyle brushStyle = TBrushStyle::bsClear;
    TColor brushColor = clRed;
    TColor penColor = clRed;
};
void DrawPictureOrStar(Surface &surface, int ox, int oy, const PictureOrStar &p);

} // namespace qm
