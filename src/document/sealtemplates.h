#pragma once

#include "seal/sealtypes.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <memory>

namespace qm {

class Seal;

// What a new element takes from the window it is placed in.
struct TemplateContext {
    QByteArray faceGbk;      // face shown in the main window's font list (GBK); every text gets it
    Colour penColor = clRed; // colour of the palette's swatch, for pen and fill alike
    float pixelsPerMm = 0;   // the document's screen pixels per millimetre
    int zoom = 100;          // the page's zoom in percent
    QByteArray picture;      // tools 16 and 41: bytes of the chosen picture; empty when none was chosen
};

// Creation tools 1 … 41 by their tag: 1–16 drawing elements, 17–30 official seals, 31–40
// name seals, 41 the emblem picture.
constexpr int FirstTemplateTag = 1;
constexpr int LastTemplateTag = 41;

// True for the tools that need a picture in the context (16: a file, 41: the chosen emblem).
bool templateNeedsPicture(int tag);

// A new, visible element of the tool's template, centred on the press point (page pixels), at
// the context's resolution and zoom, in its face and colour. Returns nullptr when no element is
// made: an unknown tag, a context without a positive scale, a picture tool without a picture
// (the user cancelled), or with one that cannot be decoded, the one case that sets *error.
std::unique_ptr<Seal> newSealFromTemplate(int tag, QPoint pressPixels, const TemplateContext &context,
                                           QString *error = nullptr);

} // namespace qm
