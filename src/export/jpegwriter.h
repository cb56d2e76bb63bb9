#pragma once

#include "export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// JPEG through libjpeg: 24-bit colour, quality 100, no chroma subsampling and the library's
// accurate integer DCT, so the seal's thin strokes keep their colour.
class JpegWriter
{
public:
    static constexpr int MaxSide = 65500; // the largest side libjpeg encodes

    // dotsPerInch is stored in the JFIF header when positive (at most 65535).
    static ExportError write(const QImage &picture, QIODevice *device, int dotsPerInch = 0);
};

} // namespace qm
