#pragma once

#include "export/exporterror.h"

#include <QImage>

#include <algorithm>

class QIODevice;

namespace qm {

// An enhanced metafile of the picture's size holding the picture at (0, 0) with its
// transparent colour left out. Every other colour is drawn as filled rectangles of its
// pixels, which every metafile viewer shows, transparency included; a picture that would
// need more rectangles than a bitmap has bytes (a photograph) is stored as one opaque bitmap
// instead. Built with libUEMF; the frame states the true size at pixelsPerMm.
class EmfWriter
{
public:
    static ExportError write(const QImage &picture, QIODevice *device, long double pixelsPerMm);

    // The most rectangles drawn before the bitmap is used instead: one per 8 pixels.
    static qint64 maxRectangles(qint64 width, qint64 height) { return std::max<qint64>(4096, width * height / 8); }
};

} // namespace qm
