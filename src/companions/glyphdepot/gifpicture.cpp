#include "companions/glyphdepot/gifpicture.h"

#include "picture/picturedecoders.h"

namespace qm {

bool GifPicture::loadFromData(const QByteArray &bytes, QString *error)
{
    clear();
    QImage image = decodeGif(bytes, error);
    if (image.isNull())
        return false;
    m_bytes = bytes;
    m_image = std::move(image);
    return true;
}

void GifPicture::clear()
{
    m_bytes.clear();
    m_image = QImage();
}

} // namespace qm
