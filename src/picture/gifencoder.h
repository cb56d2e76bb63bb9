#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

namespace qm {

enum class GifStatus { Ok, EmptyPicture, TooLarge, EncoderFailed, WriteFailed };

// Writes the picture as one GIF89a image: at most 256 colours chosen by ColourQuantizer, every
// pixel its nearest palette colour, no dithering, opaque. A side over 65535 pixels cannot be
// stored in a GIF and is refused before anything is written.
GifStatus writeGif(const QImage &image, QIODevice *device);

// The GIF bytes of the picture; empty with *error set when it cannot be encoded.
QByteArray encodeGif(const QImage &image, QString *error = nullptr);

// The user's text for a failed GIF encoding.
QString gifStatusText(GifStatus status);

} // namespace qm
