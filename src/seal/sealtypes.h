#pragma once

#include <QList>
#include <QPoint>

#include <cmath>
#include <cstdint>
#include <limits>

namespace qm {

// 0x00BBGGRR, as stored in documents (255 is pure red).
using TColor = std::uint32_t;

constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;

enum class TSealType : std::uint8_t {
    stName22, stName4, stName12, stName12A, stName21, stName21A, stName11, stName11A, stName111,
    stRect, stEllipse, stEpsCL, stTriangle, stRhomb,
    stHorzLine, stVertLine, stAnyAngleLine, stArc, stHorzText, stEllipseText, stAnyAngleText,
    stFiveStar, stCell, stAnyImage
};
constexpr int SealTypeCount = 24;

enum class TFrameType : std::uint8_t { ftRectangle, ftRoundRect, ftDiamond, ftEllipse };

enum class TBrushStyle : std::uint8_t {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross
};

// Pattern-line geometry: integer points in pixels relative to the element's box.
using TArrayPoints = QList<QPoint>;

// Round half to even, as the floating-point unit does by default. Values beyond the int
// range saturate instead of being undefined, so a hostile size cannot crash painting.
inline int Round(long double v)
{
    if (std::isnan(v))
        return 0;
    const long double r = std::nearbyint(v);
    if (r >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Cut toward zero, saturating like Round.
inline int Trunc(long double v)
{
    if (std::isnan(v))
        return 0;
    const long double r = std::trunc(v);
    if (r >= static_cast<long double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (r <= static_cast<long double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

// Tenths of a degree to radians, with the constant the painting routines use.
constexpr long double TenthToRad = 0.0017453293L;

} // namespace qm
