#include "picture/decodebudget.h"

namespace qm {

bool pictureSizeAcceptable(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide &&
           width * height <= MaxPicturePixels;
}

bool DecodeBudget::takePixels(qint64 width, qint64 height)
{
    if (!pictureSizeAcceptable(width, height))
        return false;
    if (width * height > m_pixels) {
        m_exhausted = true;
        return false;
    }
    m_pixels -= width * height;
    return true;
}

bool DecodeBudget::takeWidened(qint64 elements)
{
    if (!affordsWidened(elements))
        return false;
    m_widened -= elements;
    return true;
}

bool DecodeBudget::affordsWidened(qint64 elements)
{
    if (elements >= 0 && elements <= m_widened)
        return true;
    m_exhausted = true;
    return false;
}

const QImage *DecodeBudget::decoded(const QByteArray &bytes) const
{
    const auto it = m_decoded.constFind(bytes);
    return it == m_decoded.constEnd() ? nullptr : &*it;
}

bool DecodeBudget::takePainted(qint64 pixels)
{
    if (pixels < 0 || pixels > m_painted) {
        m_exhausted = true;
        return false;
    }
    m_painted -= pixels;
    return true;
}

} // namespace qm
