#pragma once

#include "document/tools.h"
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
    QByteArray picture;      // picture tools: bytes of the chosen picture; empty when none was chosen
};

// True for the tools that need a picture in the context: a file's or the chosen emblem's.
bool templateNeedsPicture(Tool tool);

// A new, visible element of the tool's template, centred on the press point (page pixels), at
// the context's resolution and zoom, in its face and colour. Returns nullptr when no element is
// made: a tool that places nothing, a context without a positive scale, a picture tool without a
// picture (the user cancelled), or with one that cannot be decoded, the one case that sets *error.
std::unique_ptr<Seal> newSealFromTemplate(Tool tool, QPoint pressPixels, const TemplateContext &context,
                                          QString *error = nullptr);

} // namespace qm
