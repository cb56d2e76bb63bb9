#pragma once

#include "export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// The export's GIF: the picture reduced to at most 256 colours by quantisation, each pixel its
// nearest palette colour, no dithering.
class GifWriter
{
public:
    static ExportError write(const QImage &picture, QIODevice *device);
};

} // namespace qm
