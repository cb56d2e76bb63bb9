#pragma once

#include "export/exporterror.h"
#include "export/exportkind.h"

#include <QImage>
#include <QList>
#include <QString>

class QIODevice;

namespace qm {

struct ExportLayout;
class Seal;

struct ExportRequest {
    ExportKind kind = ExportKind::Bmp;
    long double pixelsPerMm = 11.811L; // 300 pixels per inch
    bool mirror = false;
};

struct ExportResult {
    ExportError error = ExportError::None;
    QString fileName; // the name written, after the extension rule
    int width = 0;    // the picture's size in pixels, once laid out
    int height = 0;
};

// Turns a list of seals into a picture file: lays the selection out, refuses what is too large,
// renders (or draws as vectors) and writes by kind. The seals are not changed.
class SealExporter
{
public:
    // Writes the seals to the device; *layout receives where they landed when not null.
    static ExportError write(const QList<const Seal *> &seals, const ExportRequest &request, QIODevice *device,
                             ExportLayout *layout = nullptr);

    // Writes the file under exportFileName(chosenName, kind). The file appears only complete:
    // after any failure an existing file of that name is left as it was.
    static ExportResult writeFile(const QList<const Seal *> &seals, const ExportRequest &request,
                                  const QString &chosenName);

    // Writes an already rendered raster picture by kind; the vector kinds are not raster.
    static ExportError writePicture(const QImage &picture, ExportKind kind, long double pixelsPerMm, QIODevice *device);
};

} // namespace qm
