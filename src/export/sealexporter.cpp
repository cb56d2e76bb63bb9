#include "export/sealexporter.h"

#include "document/atomicsave.h"
#include "document/selectionbounds.h"
#include "export/exportrender.h"

namespace qm {

ExportError SealExporter::writePicture(const QImage &picture, ExportKind kind, long double pixelsPerMm,
                                       QIODevice *device)
{
    const ExportKindInfo &info = exportKindInfo(kind);
    if (!info.writeRaster)
        return ExportError::EncoderFailed;
    return info.writeRaster(picture, pixelsPerMm, device);
}

ExportError SealExporter::write(const QList<const Seal *> &seals, const ExportRequest &request, QIODevice *device,
                                ExportLayout *layoutOut)
{
    ExportLayout layout;
    const ExportError planned = planExport(selectionBounds(seals), request.pixelsPerMm, &layout);
    if (planned != ExportError::None)
        return planned;
    if (layoutOut)
        *layoutOut = layout;
    const ExportKindInfo &info = exportKindInfo(request.kind);
    if (info.isVector())
        return info.writeVector(seals, layout, request.mirror, device);
    const QImage picture = renderExportPicture(seals, layout, request.mirror);
    if (picture.isNull())
        return ExportError::PictureTooLarge; // the picture could not be allocated
    return writePicture(picture, request.kind, layout.pixelsPerMm, device);
}

ExportResult SealExporter::writeFile(const QList<const Seal *> &seals, const ExportRequest &request,
                                     const QString &chosenName)
{
    ExportResult result;
    result.fileName = exportFileName(chosenName, request.kind);
    // Refusals come before the file is touched.
    ExportLayout layout;
    result.error = planExport(selectionBounds(seals), request.pixelsPerMm, &layout);
    if (result.error != ExportError::None)
        return result;
    result.width = layout.width;
    result.height = layout.height;

    const SaveOutcome saved = saveAtomically(result.fileName, [&](QIODevice &file) {
        result.error = write(seals, request, &file);
        return result.error == ExportError::None;
    });
    if (saved.error == SaveError::CannotCreate)
        result.error = ExportError::CannotCreateFile;
    else if (saved.error == SaveError::WriteFailed)
        result.error = ExportError::WriteFailed;
    return result;
}

} // namespace qm
