#pragma once

#include "picture/drawingtypes.h"

#include <QList>
#include <QPoint>

#include <cstdint>

namespace qm {

enum class SealType : std::uint8_t {
    stName22,
    stName4,
    stName12,
    stName12A,
    stName21,
    stName21A,
    stName11,
    stName11A,
    stName111,
    stRect,
    stEllipse,
    stEpsCL,
    stTriangle,
    stRhomb,
    stHorzLine,
    stVertLine,
    stAnyAngleLine,
    stArc,
    stHorzText,
    stEllipseText,
    stAnyAngleText,
    stFiveStar,
    stCell,
    stAnyImage
};
constexpr int SealTypeCount = 24;

enum class FrameType : std::uint8_t { ftRectangle, ftRoundRect, ftDiamond, ftEllipse };

enum class BrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// Pattern-line geometry: integer points in pixels relative to the element's box.
using PointArray = QList<QPoint>;

// Tenths of a degree to radians, with the constant the painting routines use.
constexpr long double TenthToRad = 0.0017453293L;

} // namespace qm
