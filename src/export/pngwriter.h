#pragma once

#include "export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// PNG with an alpha channel: pixels of the picture's transparent colour (its bottom-left
// pixel, white where nothing is inked) become fully transparent, all others stay opaque. Made
// for flat ink: 8-bit RGBA rows with the Up filter, deflated with run-length matching only.
class PngWriter
{
public:
    // pixelsPerMetre is stored as the resolution when positive.
    static ExportError write(const QImage &picture, QIODevice *device, int pixelsPerMetre = 0);

    // The picture with its transparent colour made transparent.
    static QImage withAlpha(const QImage &picture);
};

} // namespace qm
