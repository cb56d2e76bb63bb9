#pragma once

#include "picture/decodebudget.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

// Scans of a progressive JPEG; each one passes over the whole picture. libjpeg's progression
// writes ten (six for grey); hand-tuned ones a few more.
constexpr int MaxJpegScans = 64;

// Decoders for embedded pictures. Each returns a null image and sets *error on bad data; a
// picture is taken from *budget, or from a budget of one picture's limit when none is given.
QImage decodeJpeg(const QByteArray &bytes, QString *error, DecodeBudget *budget = nullptr);
// The first frame on the logical screen. Frames are checked before anything is allocated for
// them; a first frame that cannot be decoded in full refuses the picture.
QImage decodeGif(const QByteArray &bytes, QString *error, DecodeBudget *budget = nullptr);

} // namespace qm
