#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// Largest picture decoded, so that a hostile header cannot make us allocate gigabytes.
constexpr qint64 MaxPicturePixels = 64LL * 1024 * 1024;
constexpr int MaxPictureSide = 32768;

// Decoders for embedded pictures. Each returns a null image and sets *error on bad data.
QImage decodeJpeg(const QByteArray &bytes, QString *error);
QImage decodeGif(const QByteArray &bytes, QString *error);

} // namespace qm
