#include "export/pdfwriter.h"

#include "export/exportrender.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {

ExportError PdfWriter::write(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror,
                             QIODevice *device)
{
    constexpr int DotsPerInch = 1200;
    QPdfWriter writer(device);
    writer.setCreator(u"Quillmark"_s);
    writer.setTitle(u"Quillmark"_s);
    writer.setResolution(DotsPerInch);
    // A PDF page is measured in whole points here; rounding up keeps the picture's far edges on
    // the page, the drawing itself stays at true size.
    auto points = [](long double mm) { return int(std::ceil(double(mm / 25.4L * 72) - 1e-9)); };
    const QPageSize size(QSize(points(layout.widthMm()), points(layout.heightMm())), QString(), QPageSize::ExactMatch);
    if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter)))
        return ExportError::TooLargeForKind;
    QPainter painter;
    if (!painter.begin(&writer))
        return ExportError::EncoderFailed;
    // Picture pixels to the writer's dots: p pixels are one millimetre.
    const qreal s = DotsPerInch / 25.4 / double(layout.pixelsPerMm);
    painter.scale(s, s);
    paintSealsAsVectors(seals, layout, painter, mirror);
    return painter.end() ? ExportError::None : ExportError::WriteFailed;
}

} // namespace qm
