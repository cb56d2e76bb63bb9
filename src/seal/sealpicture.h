#pragma once

#include "picture/picturedecoders.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QString>

#include <cstdint>

namespace qm {

// The emblem picture of a seal: a graphic in its own file format, kept byte for byte so that
// saving writes it back unchanged, with its decoded image for painting.
class SealPicture
{
public:
    // The stored kind codes of the document format.
    enum class Kind : std::uint8_t { Bitmap = 0, Jpeg = 1, Metafile = 2, Icon = 3, Gif = 4, None = 254, Other = 255 };

    SealPicture() = default;

    // Recognises the format by its signature and decodes it. On failure returns an empty
    // picture and sets *error; never throws or crashes on hostile bytes. The decoded pixels
    // (and a metafile's widened paths) are taken from *budget before they are allocated, so
    // that the pictures of one document share one bound; without a budget the picture has
    // the limits of one picture.
    static SealPicture fromData(const QByteArray &bytes, QString *error = nullptr, DecodeBudget *budget = nullptr);
    static SealPicture fromFile(const QString &path, QString *error = nullptr, DecodeBudget *budget = nullptr);
    // Recognises a format without decoding; Kind::None when unknown.
    static Kind sniff(const QByteArray &bytes);

    bool hasGraphic() const { return m_kind != Kind::None; }
    Kind kind() const { return m_kind; }
    const QByteArray &bytes() const { return m_bytes; }
    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    void clear() { *this = SealPicture(); }

    // Pictures are equal when their stored bytes are.
    friend bool operator==(const SealPicture &a, const SealPicture &b)
    {
        return a.m_kind == b.m_kind && a.m_bytes == b.m_bytes;
    }

    // Largest picture accepted, so that a hostile header cannot make us allocate gigabytes.
    static constexpr qint64 MaxPixels = MaxPicturePixels;
    static constexpr int MaxSide = MaxPictureSide;

private:
    Kind m_kind = Kind::None;
    QByteArray m_bytes;
    QImage m_image;
};

} // namespace qm

Q_DECLARE_METATYPE(qm::SealPicture)
