#pragma once

#include <QtGlobal>

namespace qm {

// Largest picture decoded, so that a hostile header cannot make us allocate gigabytes.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;
constexpr int MaxPictureSide = 32768;
// All the pictures of one document, library item or paste together. Every decoded pixel is kept
// twice (the picture and the seal's prepared copy, 8 bytes), so a document stays near half a
// gigabyte however many seals repeat a large picture; one picture of the largest size still fits.
constexpr qint64 MaxDocumentPicturePixels = MaxPicturePixels;
// Path elements that metafile widenings may produce, per picture and per document. Widening
// replaces a path by its outline, about seven times as many elements, and costs about a
// microsecond per element made; an emblem's outline takes a few thousand.
constexpr qint64 MaxWidenedPathElements = 1LL << 19;

// What decoding may still spend: the pixels of decoded pictures and the path elements that
// metafile widenings make. A decoder takes its share before it allocates or computes it and
// refuses the picture when the share is beyond what is left.
class DecodeBudget
{
public:
    explicit DecodeBudget(qint64 pixels = MaxPicturePixels, qint64 widenedElements = MaxWidenedPathElements)
        : m_pixels(pixels), m_widened(widenedElements)
    {
    }

    // True, and the pixels taken, when a width × height picture is within the per-picture
    // limits and within what is left.
    bool takePixels(qint64 width, qint64 height);
    // True, and the elements taken, when they are within what is left.
    bool takeWidened(qint64 elements);
    // Whether that many elements are still within what is left, before they are made; a no
    // counts as a refusal.
    bool affordsWidened(qint64 elements);

    qint64 pixelsLeft() const { return m_pixels; }
    qint64 widenedLeft() const { return m_widened; }
    // Whether something was refused for want of budget rather than for its own size.
    bool exhausted() const { return m_exhausted; }

private:
    qint64 m_pixels;
    qint64 m_widened;
    bool m_exhausted = false;
};

// Whether a width × height picture is within the per-picture limits.
bool pictureSizeAcceptable(qint64 width, qint64 height);

} // namespace qm
