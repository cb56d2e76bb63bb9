#pragma once

#include "companions/glyphdepot/glyphdepotexport.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// A GIF picture: the file's bytes as stored, so that they can be handed on unchanged (into a
// seal's picture or a thumbnail), and the first frame decoded for showing. The caller creates
// it empty and LoadAPicture fills it.
class QM_GLYPHDEPOT_EXPORT GifPicture
{
public:
    bool isEmpty() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    const QByteArray &bytes() const { return m_bytes; }
    const QImage &image() const { return m_image; }

    // Decodes the bytes (size-capped, hostile input refused). On failure the picture is left
    // empty, *error is set and false is returned.
    bool loadFromData(const QByteArray &bytes, QString *error = nullptr);
    void clear();

private:
    QByteArray m_bytes;
    QImage m_image;
};

} // namespace qm
