#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>

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
// Pixels that the drawing operations of metafiles may paint, per picture and per document:
// every pixel of the largest pictures painted over four times. A fill is cheap to describe but
// costs its whole area, and painting runs at about a pixel a nanosecond.
constexpr qint64 MaxPaintedPixels = 4 * MaxDocumentPicturePixels;

// What decoding may still spend: the pixels of decoded pictures, the path elements that
// metafile widenings make and the pixels that metafile drawing paints. A decoder takes its
// share before it allocates or computes it and refuses the picture when the share is beyond
// what is left. One budget serves one picture, or all the pictures of one document.
class DecodeBudget
{
public:
    explicit DecodeBudget(qint64 pixels = MaxDocumentPicturePixels, qint64 widenedElements = MaxWidenedPathElements,
                          qint64 paintedPixels = MaxPaintedPixels)
        : m_pixels(pixels), m_widened(widenedElements), m_painted(paintedPixels)
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
    // True, and the pixels taken, when they are within what is left.
    bool takePainted(qint64 pixels);

    qint64 pixelsLeft() const { return m_pixels; }
    qint64 widenedLeft() const { return m_widened; }
    qint64 paintedLeft() const { return m_painted; }
    // Whether something was refused for want of budget rather than for its own size.
    bool exhausted() const { return m_exhausted; }

    // Pictures decoded with this budget, by their bytes: a document that repeats one emblem on
    // many seals decodes and paints it once.
    const QImage *decoded(const QByteArray &bytes) const;
    void keepDecoded(const QByteArray &bytes, const QImage &image) { m_decoded.insert(bytes, image); }

private:
    qint64 m_pixels;
    qint64 m_widened;
    qint64 m_painted;
    bool m_exhausted = false;
    QHash<QByteArray, QImage> m_decoded;
};

// Whether a width × height picture is within the per-picture limits.
bool pictureSizeAcceptable(qint64 width, qint64 height);

} // namespace qm
