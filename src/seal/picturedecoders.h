#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// Decoders for embedded pictures. Each returns a null image and sets *error on bad data.
QImage decodeJpeg(const QByteArray &bytes, QString *error);
QImage decodeGif(const QByteArray &bytes, QString *error);

} // namespace qm
