#pragma once

#include <QString>

namespace qm {

class Seal;

// Which controls a kind of element uses: one '0'/'1' digit per control, position p enabled when
// digit p is not '0'. No element gives all zeros.

// The 50 digits of the general mask, from the kind and, for seals, the emblem, frame shape and
// whether the code is on the frame.
QString generalMask(const Seal *seal);
// The 18 digits of page C's text mask for text line 0 … 3, from the kind and that line's ring flag.
QString textMask(const Seal *seal, int line);

} // namespace qm
