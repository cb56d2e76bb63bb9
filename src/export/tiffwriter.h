#pragma once

#include "export/exporterror.h"

#include <QImage>

class QIODevice;

namespace qm {

// Our own baseline TIFF: little-endian header, resolutions 877/10 per inch, 8-8-8 bits per
// sample and the software name "Tiffwriter" in front, then one uncompressed strip of RGB rows
// from the top row down, then the 15-entry directory without padding before it.
class TiffWriter
{
public:
    static constexpr int HeaderSize = 40; // where the pixel data starts
    static constexpr int EntryCount = 15;

    // Writes the picture as 24-bit RGB. A side over 65535 pixels is stored as a LONG, which
    // a SHORT could not hold. Writes nothing for a null picture.
    static ExportError write(const QImage &picture, QIODevice *device);

    // Offset of the directory for a w × h picture: 40 + 3 × w × h.
    static qint64 directoryOffset(qint64 width, qint64 height) { return HeaderSize + 3 * width * height; }
};

} // namespace qm
