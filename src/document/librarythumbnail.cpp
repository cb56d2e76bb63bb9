#include "document/librarythumbnail.h"

#include "document/selectionbounds.h"
#include "picture/gifencoder.h"
#include "seal/paintersurface.h"
#include "seal/renderseals.h"
#include "seal/sealpicture.h"

#include <QCoreApplication>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace qm {

QImage renderLibraryThumbnail(const SealSelection &seals)
{
    const SelectionBox box = selectionBounds(seals);
    if (!box.notEmpty)
        return {};
    const long double s = ThumbnailPixelsPerMm;
    const long double w = (box.right - box.left) * s;
    const long double h = (box.bottom - box.top) * s;
    if (!(w >= 0 && h >= 0 && w <= SealPicture::MaxSide && h <= SealPicture::MaxSide &&
          (w + 2 * ThumbnailBorder) * (h + 2 * ThumbnailBorder) <= SealPicture::MaxPixels))
        return {};
    QImage bitmap(roundHalfEven(w) + 2 * ThumbnailBorder, roundHalfEven(h) + 2 * ThumbnailBorder, QImage::Format_RGB32);
    if (bitmap.isNull())
        return {};
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        PainterSurface surface(&painter);
        renderSeals(QList<const Seal *>(seals.begin(), seals.end()), s, surface,
                    {ThumbnailBorder - box.left * s, ThumbnailBorder - box.top * s}, SealColours::Own);
    }
    softenBitmap(bitmap);
    return bitmap;
}

bool makeLibraryThumbnail(const SealSelection &seals, QByteArray *gif, QString *error)
{
    const QImage bitmap = renderLibraryThumbnail(seals);
    if (bitmap.isNull()) {
        if (error)
            *error = seals.empty() ? QCoreApplication::translate("Document", "没有选中的印章")
                                   : QCoreApplication::translate("Document", "印章太大");
        return false;
    }
    QString why;
    const QByteArray bytes = encodeGif(bitmap, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    *gif = bytes;
    return true;
}

void softenBitmap(QImage &bitmap)
{
    int bytesPerPixel = 0;
    switch (bitmap.format()) {
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        bytesPerPixel = 3;
        break;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        bytesPerPixel = 4;
        break;
    default:
        bitmap = bitmap.convertToFormat(QImage::Format_RGB32);
        bytesPerPixel = 4;
        break;
    }
    const int width = bitmap.width();
    const int height = bitmap.height();
    for (int y = 0; y < height; ++y) {
        uchar *row = bitmap.scanLine(y);
        const uchar *up = y >= 2 ? bitmap.constScanLine(y - 2) : nullptr;
        const uchar *down = y + 2 < height ? bitmap.constScanLine(y + 2) : nullptr;
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int at = x * bytesPerPixel + c;
                const int centre = row[at];
                const int left = x >= 2 ? row[at - 2 * bytesPerPixel] : centre;
                const int right = x + 2 < width ? row[at + 2 * bytesPerPixel] : centre;
                const int above = up ? up[at] : centre;
                const int below = down ? down[at] : centre;
                row[at] = uchar((16 * centre + 4 * left + 4 * right + 4 * above + 4 * below) / 32);
            }
        }
    }
}

} // namespace qm
