#pragma once

#include "document/sealdocument.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// Library thumbnails are drawn at 288 pixels per inch with a 4-pixel white border.
constexpr long double ThumbnailPixelsPerMm = 288 / 25.4L;
constexpr int ThumbnailBorder = 4;

// The softened picture of a group of seals in their own colours; a null image when the group
// is empty or its picture would be too large to make.
QImage renderLibraryThumbnail(const SealSelection &seals);

// The thumbnail as a GIF (at most 256 colours, nearest colour, no dithering). False with *error
// set when it cannot be made; *gif is then left as it was.
bool makeLibraryThumbnail(const SealSelection &seals, QByteArray *gif, QString *error = nullptr);

// Softens a 24- or 32-bit picture in place: every channel becomes (16 centre + 4 each of the
// pixels two columns left and right and two rows up and down) / 32, row by row from the top,
// left to right, using the values already softened; a neighbour outside the picture counts as
// the centre.
void softenBitmap(QImage &bitmap);

} // namespace qm
