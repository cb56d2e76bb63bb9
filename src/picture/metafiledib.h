#pragma once

#include <QImage>

#include <cstddef>

namespace qm {

// Device-independent bitmaps as metafiles embed them: a BITMAPINFO header with its colour
// table, then the pixel rows, bottom-up unless the height is negative.
//
// Uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel with a colour table of RGB quads
// (and bit-field masks for 16 and 32 bits) are decoded; other compressions give a null image.
// Every size and count is checked against the bytes given before anything is read or
// allocated, and the pixel count is capped like any seal picture's.
class MetafileDib
{
public:
    // Header and colour table at `info` (infoSize bytes), rows at `bits` (bitsSize bytes).
    // The image comes out top row first; *bottomUp tells how the rows were stored, which
    // decides where some records' source rectangles count from.
    static QImage decode(const char *info, std::size_t infoSize, const char *bits, std::size_t bitsSize,
                         bool *bottomUp = nullptr);
    // Header, colour table and rows packed one after the other, as placeable metafiles
    // store them.
    static QImage decodePacked(const char *dib, std::size_t size, bool *bottomUp = nullptr);
    // The size the header at `info` declares, when this decoder handles it; invalid otherwise.
    // Nothing is allocated, so a player can weigh the bitmap before decoding it.
    static QSize size(const char *info, std::size_t infoSize);
    // The part of `image` a record takes as its source, clipped to the image; rows counted
    // from the bottom when `fromBottom`. Null when nothing is left.
    static QImage sourceRect(const QImage &image, qint64 x, qint64 y, qint64 width, qint64 height, bool fromBottom);
};

} // namespace qm
