#pragma once

// The picture component: the built-in pictures (the splash, the wallpaper and the emblems with
// their thumbnails) and the wallpaper of the main window. A shared library of its own, linked
// at build time; the program finds it in ../lib beside its own folder, or in the build tree.

#include "companions/glyphdepot/gifpicture.h"
#include "companions/glyphdepot/glyphdepotexport.h"

#include <QImage>
#include <QString>

class QPaintDevice;

namespace qm {

// Fills `picture` with the built-in picture of that name: "Splash", "Wallpaper", "A" followed
// by an emblem number in decimal (its thumbnail) or "B" followed by it (the full emblem, black
// on white). Any other name, a number out of range or with leading zeros empties the picture
// and returns false, so nothing outside the built-in set is ever read.
QM_GLYPHDEPOT_EXPORT bool LoadAPicture(GifPicture &picture, const QString &name);

// The number of built-in emblems; they are numbered 0 … count − 1.
QM_GLYPHDEPOT_EXPORT qint32 GetPictureCount();

// The wallpaper of the main window's client area, for painting centred and unscaled behind
// the document windows: the built-in wallpaper for an empty path, else the picture in that
// file. A file that cannot be read as a picture, or one larger than a picture may be, gives a
// null image (the plain workspace colour stays). The image's device pixel ratio is the client
// area's, so that it is painted pixel for pixel.
QM_GLYPHDEPOT_EXPORT QImage SetBkGnd(const QPaintDevice *clientArea, const QString &path);

// The folder this library was loaded from. The companion libraries are installed together, so
// the dialog component is looked for there too.
QM_GLYPHDEPOT_EXPORT QString CompanionFolder();

} // namespace qm
