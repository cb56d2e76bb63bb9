#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace qm {

// A picture reduced to a palette: one palette index per pixel, rows top to bottom.
struct QuantizedImage {
    QList<QRgb> palette; // opaque colours, at most the requested count
    QByteArray indices;  // width × height bytes
    int width = 0;
    int height = 0;
};

// Reduces a picture to at most maxColours (1 … 256) colours, ignoring alpha. A picture with no
// more distinct colours than that keeps every colour exactly; otherwise the palette comes from
// a median cut of the colour histogram. Every pixel then takes the palette colour nearest to
// it (Euclidean distance in RGB), without dithering.
class ColourQuantizer
{
public:
    static QuantizedImage quantize(const QImage &image, int maxColours = 256);

    // Index of the palette colour nearest to `colour`; the first of equally near ones.
    static int nearest(const QList<QRgb> &palette, QRgb colour);
};

} // namespace qm
