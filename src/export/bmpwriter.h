#pragma once

#include "export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// A Windows bitmap file of 24 bits per pixel: file header, 40-byte information header, rows
// bottom-up in blue-green-red order, each padded to a multiple of 4 bytes.
class BmpWriter
{
public:
    static constexpr int HeaderSize = 14 + 40;

    // pixelsPerMetre is stored as the resolution when positive, 0 otherwise.
    static ExportError write(const QImage &picture, QIODevice *device, int pixelsPerMetre = 0);

    // Bytes in one stored row of a w pixels wide picture.
    static qint64 rowStride(qint64 width) { return (3 * width + 3) / 4 * 4; }
};

} // namespace qm
