#include "seal/linepoints.h"

namespace qm::LinePoints {

TArrayPoints rectangle(int, int, bool, bool, int, int) { return {}; }
TArrayPoints oval(int, int, bool, bool, bool, int, int, int) { return {}; }
TArrayPoints triangle(int, int, bool, bool, int, int) { return {}; }
TArrayPoints rhomb(int, int, bool, bool, int, int) { return {}; }

} // namespace qm::LinePoints
