#pragma once

#include <QList>
#include <QPoint>

namespace qm {

// The ten vertices of a five-pointed star centred at (cx, cy): outer radii (rx, ry) at the tips,
// inner radii (ix, iy) between them. Vertex 0 is the top tip; the list runs clockwise on the
// screen. Each coordinate is rounded only at the end.
QList<QPoint> fiveStarPoints(long double cx, long double cy, long double rx, long double ry, long double ix,
                             long double iy);

} // namespace qm
