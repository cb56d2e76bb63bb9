#pragma once

#include "export/exporterror.h"

#include <QList>

class QIODevice;

namespace qm {

struct ExportLayout;
class Seal;

// The seals as an SVG drawing at true size: width and height in millimetres (to 0.01 mm), the
// user coordinates the export picture's pixels, texts as outlines, no background.
class SvgWriter
{
public:
    static ExportError write(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror,
                             QIODevice *device);
};

} // namespace qm
