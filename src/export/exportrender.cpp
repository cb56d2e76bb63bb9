#include "export/exportrender.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"

#include <QPainter>

#include <cmath>

namespace qm {

bool withinExportLimit(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= ExportLayout::MaxPixels / height;
}

ExportError planExport(const SelectionBox &box, long double pixelsPerMm, ExportLayout *layout)
{
    if (!box.notEmpty)
        return ExportError::EmptySelection;
    // The scratch seal holds the resolution as a float.
    if (!(pixelsPerMm > 0) || !std::isfinite(static_cast<float>(pixelsPerMm)))
        return ExportError::BadResolution;
    // Round saturates, so a huge box or resolution ends up refused instead of wrapping.
    const qint64 width = qint64(roundHalfEven((box.right - box.left) * pixelsPerMm)) + 2 * ExportLayout::Margin;
    const qint64 height = qint64(roundHalfEven((box.bottom - box.top) * pixelsPerMm)) + 2 * ExportLayout::Margin;
    if (!withinExportLimit(width, height))
        return ExportError::PictureTooLarge;
    layout->pixelsPerMm = pixelsPerMm;
    layout->left = box.left;
    layout->top = box.top;
    layout->width = int(width);
    layout->height = int(height);
    return ExportError::None;
}

void paintSeals(const QList<const Seal *> &seals, const ExportLayout &layout, Surface &surface)
{
    const long double p = layout.pixelsPerMm;
    renderSeals(seals, p, surface, {ExportLayout::Margin - layout.left * p, ExportLayout::Margin - layout.top * p},
                SealColours::Own);
}

void paintSealsAsVectors(const QList<const Seal *> &seals, const ExportLayout &layout, QPainter &painter, bool mirror)
{
    painter.save();
    if (mirror) {
        // Pixel column x covers [x, x + 1), which lands on [W − 1 − x, W − x): the raster mirror.
        painter.translate(layout.width, 0);
        painter.scale(-1, 1);
    }
    PainterSurface surface(&painter);
    surface.setTextAsOutlines(true);
    paintSeals(seals, layout, surface);
    painter.restore();
}

QImage renderExportPicture(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror)
{
    // 32 bits per pixel in memory: the OR drawing mode of seal pictures needs it. Writers store
    // 24 bits.
    QImage picture(layout.width, layout.height, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        PainterSurface surface(&painter);
        paintSeals(seals, layout, surface);
    }
    // In every row column x takes what column W − 1 − x had, read from the unchanged source.
    if (mirror)
        picture = picture.mirrored(true, false);
    return picture;
}

QRgb transparentColour(const QImage &picture)
{
    if (picture.isNull())
        return qRgb(255, 255, 255);
    return picture.pixel(0, picture.height() - 1);
}

} // namespace qm
