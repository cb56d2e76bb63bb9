#pragma once

#include "picture/documentlimits.h"

#include <QByteArray>
#include <QHash>
#include <QImage>

namespace qm {

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
    // many seals decodes and paints it once, and its pixels count once.
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
