#pragma once

#include "export/exporterror.h"

#include <QList>

class QIODevice;

namespace qm {

struct ExportLayout;
class Seal;

// The seals as a one-page PDF, drawn as vectors at true size with texts as outlines and no
// background, on a page of the export picture's size rounded up to whole points.
class PdfWriter
{
public:
    static ExportError write(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror,
                             QIODevice *device);
};

} // namespace qm
