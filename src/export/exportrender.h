#pragma once

#include "document/selectionbounds.h"
#include "export/exporterror.h"

#include <QImage>
#include <QList>

class QPainter;

namespace qm {

class Surface;
class Seal;

// Where the seals land in an exported picture: the selection's box, at p pixels per
// millimetre, with a white margin of 8 pixels on every side.
struct ExportLayout {
    static constexpr int Margin = 8;
    static constexpr qint64 MaxPixels = 12'960'000; // 3600 × 3600

    long double pixelsPerMm = 0;
    long double left = 0; // the selection box's top-left corner in millimetres
    long double top = 0;
    int width = 0; // roundHalfEven((R − L) × p) + 16
    int height = 0;

    // The picture's size in millimetres, for the kinds that state a true size.
    long double widthMm() const { return width / pixelsPerMm; }
    long double heightMm() const { return height / pixelsPerMm; }
};

// Whether a picture of width × height pixels is within the export limit.
bool withinExportLimit(qint64 width, qint64 height);

// Lays the selection out at p pixels per millimetre. EmptySelection, BadResolution or
// PictureTooLarge when there is nothing to draw or it cannot be drawn; then *layout is untouched.
ExportError planExport(const SelectionBox &box, long double pixelsPerMm, ExportLayout *layout);

// Paints the seals in their own colours onto the surface with renderSeals, at the layout's
// resolution and placed in its margin. The seals themselves are not changed.
void paintSeals(const QList<const Seal *> &seals, const ExportLayout &layout, Surface &surface);

// The same as vectors onto a painter whose coordinates are the picture's pixels: texts as glyph
// outlines, and flipped left to right across the picture's width when mirrored.
void paintSealsAsVectors(const QList<const Seal *> &seals, const ExportLayout &layout, QPainter &painter, bool mirror);

// The export picture: layout.width × layout.height, white, the seals drawn aliased as on the
// printed page, then mirrored when asked. Null when the picture cannot be allocated.
QImage renderExportPicture(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror);

// The picture's transparent colour: that of its bottom-left pixel, which lies in the margin.
QRgb transparentColour(const QImage &picture);

} // namespace qm
