#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace qm {

// Where document windows go in the document area; all rectangles in the area's viewport
// coordinates.

// Cascade: each of `count` windows two thirds of the area's width and height, each one `step`
// lower and further right than the one before; the next one starts again at the top-left
// corner when it would leave the area.
QList<QRect> cascadeGeometries(QSize area, int count, int step);

// The part of the area that the tool windows (their frames) leave free: right of those over its
// left half, left of those over its right half. The whole area when that leaves too little.
QRect freeDocumentArea(QSize area, const QList<QRect> &toolWindows);

// The geometry of a new window when `index` windows are open: three quarters of the free part
// (at least 320 × 240, at most all of it) at its top-left corner, each further one a step lower
// and further right while it fits.
QRect newDocumentGeometry(const QRect &free, int index, int step);

// The height of a document window's title bar, the cascade's step.
int titleBarHeight(const QMdiSubWindow &window);

// The top-left corner that brings a window's frame inside `room` (the screen's available area),
// moving it no more than needed; a frame larger than the room keeps its top-left corner inside.
QPoint keptInside(const QRect &frame, const QRect &room);

// Cascades the area's windows that are not minimised, in their stacking order, so that the
// window on top stays on top.
void cascadeDocumentWindows(QMdiArea &area);

} // namespace qm
