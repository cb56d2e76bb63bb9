#pragma once

#include "shell/export/exporterror.h"

#include <QList>

class QIODevice;

namespace qm {

struct ExportLayout;
class TSeal;

// The seals as a one-page PDF whose page is the export picture at true size in millimetres,
// drawn as vectors with texts as outlines, no background.
class PdfWriter
{
public:
    static ExportError write(const QList<const TSeal *> &seals, const ExportLayout &layout, bool mirror,
                             QIODevice *device);
};

} // namespace qm
