#pragma once

#include "shell/export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// An enhanced metafile of the picture's size holding the picture at (0, 0), its transparent
// colour left transparent: one alpha-blended 32-bit bitmap, built with libUEMF. The frame
// states the true size, picture pixels at pixelsPerMm.
class EmfWriter
{
public:
    static ExportError write(const QImage &picture, QIODevice *device, long double pixelsPerMm);
};

} // namespace qm
