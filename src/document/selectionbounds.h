#pragma once

#include <QList>

#include <vector>

namespace qm {

class Seal;

// The box around a group of seals in millimetres from the page's top-left corner.
struct SelectionBox {
    long double right = 0;
    long double bottom = 0;
    long double left = 0;
    long double top = 0;
    bool notEmpty = false;
};

// The union of the seals' pixel boxes on the page, converted to millimetres with the scale
// 100 / (Zoom * PixelsPerMm) of the first seal. Empty for an empty list and for a first seal
// without a scale, which has no millimetre box.
SelectionBox selectionBounds(const std::vector<Seal *> &seals);
SelectionBox selectionBounds(const QList<const Seal *> &seals);

} // namespace qm
