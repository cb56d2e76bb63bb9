#include "shell/export/sealexporter.h"

#include "seal/sealtypes.h"
#include "shell/export/bmpwriter.h"
#include "shell/export/emfwriter.h"
#include "shell/export/exportrender.h"
#include "shell/export/gifwriter.h"
#include "shell/export/jpegwriter.h"
#include "shell/export/pdfwriter.h"
#include "shell/export/pngwriter.h"
#include "document/selectionbounds.h"
#include "shell/export/svgwriter.h"
#include "shell/export/tiffwriter.h"

#include <QSaveFile>

namespace qm {

ExportError SealExporter::writePicture(const QImage &picture, ExportKind kind, long double pixelsPerMm,
                                       QIODevice *device)
{
    const int perMetre = Round(pixelsPerMm * 1000);
    switch (kind) {
    case ExportKind::Emf:
        return EmfWriter::write(picture, device, pixelsPerMm);
    case ExportKind::Jpeg:
        return JpegWriter::write(picture, device, Round(pixelsPerMm * 25.4L));
    case ExportKind::Gif:
        return GifWriter::write(picture, device);
    case ExportKind::Tiff:
        return TiffWriter::write(picture, device);
    case ExportKind::Bmp:
        return BmpWriter::write(picture, device, perMetre);
    case ExportKind::Png:
        return PngWriter::write(picture, device, perMetre);
    case ExportKind::Svg:
    case ExportKind::Pdf:
        break;
    }
    return ExportError::EncoderFailed;
}

ExportError SealExporter::write(const QList<const TSeal *> &seals, const ExportRequest &request, QIODevice *device,
                                ExportLayout *layoutOut)
{
    ExportLayout layout;
    const ExportError planned = planExport(SelectionBounds(seals), request.pixelsPerMm, &layout);
    if (planned != ExportError::None)
        return planned;
    if (layoutOut)
        *layoutOut = layout;
    if (request.kind == ExportKind::Svg)
        return SvgWriter::write(seals, layout, request.mirror, device);
    if (request.kind == ExportKind::Pdf)
        return PdfWriter::write(seals, layout, request.mirror, device);
    const QImage picture = renderExportPicture(seals, layout, request.mirror);
    if (picture.isNull())
        return ExportError::PictureTooLarge; // the picture could not be allocated
    return writePicture(picture, request.kind, layout.pixelsPerMm, device);
}

ExportResult SealExporter::writeFile(const QList<const TSeal *> &seals, const ExportRequest &request,
                                     const QString &chosenName)
{
    ExportResult result;
    result.fileName = exportFileName(chosenName, request.kind);
    // Refusals come before the file is touched.
    ExportLayout layout;
    result.error = planExport(SelectionBounds(seals), request.pixelsPerMm, &layout);
    if (result.error != ExportError::None)
        return result;
    result.width = layout.width;
    result.height = layout.height;

    QSaveFile file(result.fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = ExportError::CannotCreateFile;
        return result;
    }
    result.error = write(seals, request, &file);
    if (result.error != ExportError::None) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        result.error = ExportError::WriteFailed;
    return result;
}

} // namespace qm
