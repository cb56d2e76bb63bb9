#pragma once

#include <QtGlobal>

namespace qm {

// The bounds of what one document, library item or paste may hold, in one table: the readers
// refuse beyond them and the writers refuse to write what the readers would refuse. The seal
// properties' own ranges are in seal/seallimits.h.
//
// Memory of the largest accepted document, fully decoded:
//   pictures: MaxDocumentPicturePixels, each picture counted once however many seals share
//             it, kept once at 4 bytes a pixel (painting inks and masks it band by band):
//             128 Mi pixels x 4 B                                      = 512 MiB
//   file:     the bytes read (64 MiB), at most the same again for the pictures' encoded bytes
//             the seals keep, and twice that for their texts:  4 x 64 MiB = 256 MiB
//   seals:    MaxDocumentSeals x at most 2 KiB of seal objects          =  39 MiB
//   total:    536 870 912 + 268 435 456 + 40 960 000 = 846 266 368 bytes, under 10^9.

// Largest picture decoded, so that a hostile header cannot make us allocate gigabytes.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;
constexpr int MaxPictureSide = 32768;
// Decoded pixels a document keeps: five camera photos of 24 megapixels as emblems
// (5 x 24 000 000 = 120 000 000 <= 134 217 728) fit, and so do two pictures of the largest size.
constexpr qint64 MaxDocumentPicturePixels = 128LL * 1024 * 1024;
// Path elements that metafile widenings may produce, per picture and per document. Widening
// replaces a path by its outline, about seven times as many elements, and costs about a
// microsecond per element made; an emblem's outline takes a few thousand.
constexpr qint64 MaxWidenedPathElements = 1LL << 19;
// Pixels that the drawing operations of metafiles may paint, per picture and per document:
// every pixel of the largest picture painted over four times. A fill is cheap to describe but
// costs its whole area, and painting runs at about a pixel a nanosecond.
constexpr qint64 MaxPaintedPixels = 4 * MaxPicturePixels;

// Seals of one document, library item, paste or JSON input.
constexpr qint64 MaxDocumentSeals = 20000;
// Whole documents and library items are read into memory; see the sum above.
constexpr qint64 MaxDocumentBytes = 64LL << 20;
// Seal JSON larger than this is refused unread: real files are a few kilobytes.
constexpr qint64 MaxSealJsonBytes = 64LL << 20;
// Page sizes and margins are never below zero (a new page's size is 0 until one is chosen; JSON,
// which has a default, needs sizes above zero); beyond this many millimetres either only comes
// from damaged files.
constexpr long double MaxPageMillimetres = 100000;
// PDF documents to be stamped are read whole into memory and written anew beside it: scanned
// contracts of a few hundred pages fit.
constexpr qint64 MaxStampPdfBytes = 512LL << 20;

} // namespace qm
