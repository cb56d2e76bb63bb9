#pragma once

#include "seal/sealtypes.h"
#include "seal/textlayouts.h"

#include <QByteArray>
#include <QImage>

namespace qm {

class Surface;

void drawHorizontalLine(Surface &surface, int ox, int oy, int pen, int W, Colour penColor);
void drawVerticalLine(Surface &surface, int ox, int oy, int pen, int H, Colour penColor);
void drawAnyAngleLine(Surface &surface, int ox, int oy, BrushStyle brushStyle, Colour brushColor, Colour penColor,
                      int pen, int angle, int length, int H, int W);
// An elliptic arc from startAngle counter-clockwise to endAngle; a filled sector when pie.
void drawArc(Surface &surface, int ox, int oy, int pen, int startAngle, int endAngle, int H, int W, bool pie,
             BrushStyle brushStyle, Colour brushColor, Colour penColor);

struct AnyAngleText {
    QByteArray text; // GBK
    int angle = 0;
    int length = 0;
    int tw = 0, th = 0;
    int boxW = 0, boxH = 0;
    bool bold = false; // carried, not used: the weight is the style's
    GlyphStyle style;
};
void drawAnyAngleText(Surface &surface, int ox, int oy, const AnyAngleText &text);

void drawFiveStar(Surface &surface, int ox, int oy, BrushStyle brushStyle, Colour brushColor, Colour penColor, int pen,
                  int H, int W);
void drawCells(Surface &surface, int ox, int oy, int linePen, int framePen, int rows, int columns, int H, int W,
               BrushStyle brushStyle, Colour brushColor, Colour penColor);

// The emblem of seals and the whole of the picture element: a star or the prepared picture in
// an iw x ih box centred (icx, icy) from the centre of the W x H box.
struct PictureOrStar {
    bool imageIsStar = false;
    bool haveImage = false;
    QImage picBitmap;         // the picture; null when there is none
    Colour picInk = clBlack;  // or-ed into each pixel when painted
    bool transparent = false; // the picture's bottom-left colour (after the ink) is not painted
    int icx = 0, icy = 0;
    int pen = 0;
    int iw = 0, ih = 0;
    int boxW = 0, boxH = 0;
    BrushStyle brushStyle = BrushStyle::bsClear;
    Colour brushColor = clRed;
    Colour penColor = clRed;
};
void drawPictureOrStar(Surface &surface, int ox, int oy, const PictureOrStar &p);

} // namespace qm
