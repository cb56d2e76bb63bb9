#pragma once

#include <QSize>

namespace qm {

// Sizes of the built-in pictures. The splash leaves room for the progress label at (65, 180);
// thumbnails fit unscaled into an emblem cell of one inch at 96 pixels per inch inside its
// frame; full emblems stay sharp in a seal's centre on a 600 dpi printer.
constexpr QSize SplashSize(400, 250);
constexpr QSize WallpaperSize(640, 480);
constexpr int EmblemThumbnailSide = 80;
constexpr int EmblemSide = 300;

} // namespace qm
