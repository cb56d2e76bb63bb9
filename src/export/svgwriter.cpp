#include "export/svgwriter.h"

#include "export/exportrender.h"
#include "seal/sealtypes.h"

#include <QPainter>
#include <QSvgGenerator>

using namespace Qt::StringLiterals;

namespace qm {

ExportError SvgWriter::write(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror,
                             QIODevice *device)
{
    // At 2540 dots per inch a dot is 0.01 mm, so the stated size is the true size.
    constexpr int DotsPerInch = 2540;
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setResolution(DotsPerInch);
    generator.setSize(QSize(roundHalfEven(layout.widthMm() * 100), roundHalfEven(layout.heightMm() * 100)));
    generator.setViewBox(QRect(0, 0, layout.width, layout.height));
    generator.setTitle(u"Quillmark"_s);
    QPainter painter;
    if (!painter.begin(&generator))
        return ExportError::EncoderFailed;
    paintSealsAsVectors(seals, layout, painter, mirror);
    return painter.end() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
