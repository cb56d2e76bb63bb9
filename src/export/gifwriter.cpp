#include "export/gifwriter.h"

#include "picture/gifencoder.h"

namespace qm {

ExportError GifWriter::write(const QImage &picture, QIODevice *device)
{
    switch (writeGif(picture, device)) {
    case GifStatus::Ok:
        return ExportError::None;
    case GifStatus::TooLarge:
        return ExportError::TooLargeForKind;
    case GifStatus::WriteFailed:
        return ExportError::WriteFailed;
    case GifStatus::EmptyPicture:
    case GifStatus::EncoderFailed:
        break;
    }
    return ExportError::EncoderFailed;
}

} // namespace qm
