#pragma once

#include <QCursor>

namespace qm {

// The program's own cursors by slot: 2 hand, 3 zoom, 4 zoom in, 5 zoom out, 6 drawing. Any
// other slot is the arrow.
QCursor loadCursorSlot(int slot);

} // namespace qm
