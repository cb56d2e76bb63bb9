#pragma once

#include <QImage>
#include <QList>
#include <QRect>

#include <optional>

namespace qm {

// The pixels of one colour as rectangles that do not overlap.
struct ColourRegion {
    QRgb colour; // opaque
    QList<QRect> rects;
};

// Splits a picture into rectangles of equal colour, leaving out one transparent colour:
// runs of equal pixels in a row, merged down while the rows below repeat the same run.
// Regions come in the order their colours first appear, top to bottom and left to right.
class ColourRegions
{
public:
    // Nothing when more than maxRects rectangles would be needed.
    static std::optional<QList<ColourRegion>> split(const QImage &picture, QRgb transparent, qint64 maxRects);
};

} // namespace qm
