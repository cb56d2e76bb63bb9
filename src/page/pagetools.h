#pragma once

#include "document/tools.h"

namespace qm {

// The zoom tools step by 10 from any zoom while below 600 (above 25).
constexpr int MaxToolZoom = 600;
constexpr int MinToolZoom = 25;
constexpr int ZoomToolStep = 10;

} // namespace qm
