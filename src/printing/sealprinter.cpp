#include "printing/sealprinter.h"

#include "picture/drawingtypes.h"
#include "seal/gbk.h"
#include "seal/paintersurface.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <new>

using namespace Qt::StringLiterals;

namespace qm {

int PrintPlacement::offsetX() const
{
    return roundHalfEven(leftMarginMm * pixelsPerMm);
}

int PrintPlacement::offsetY() const
{
    return roundHalfEven(topMarginMm * pixelsPerMm);
}

int PrintPlacement::printableWidth() const
{
    return roundHalfEven((pageWidthMm - 2 * leftMarginMm) * pixelsPerMm);
}

QRect printerBox(const Seal &seal, long double pixelsPerMm)
{
    // The same placement the render routine gives its scratch element.
    Seal scratch;
    scratch.placeAtScale(float(pixelsPerMm), 100);
    copySealProperties(seal, scratch);
    return {scratch.left(), scratch.top(), scratch.width(), scratch.height()};
}

QPoint printedCorner(const QRect &box, const PrintPlacement &placement)
{
    const int y = box.top() - placement.offsetY();
    if (placement.mirrored)
        return {placement.printableWidth() + placement.offsetX() - box.left() - box.width(), y};
    return {box.left() - placement.offsetX(), y};
}

namespace {

// The seal by its number in the list and its first text, as the other warnings name seals.
QString sealName(const QList<const Seal *> &seals, int index)
{
    QString text = Gbk::toUnicode(seals[index]->Text()).trimmed();
    if (text.size() > 16)
        text = text.left(15) + u'…';
    const QString number = QString::number(index + 1);
    return text.isEmpty() ? QCoreApplication::translate("Printing", "第%1个印章").arg(number)
                          : QCoreApplication::translate("Printing", "第%1个印章“%2”").arg(number, text);
}

QString tooLargeMessage(const QList<const Seal *> &seals, int index)
{
    const Seal &seal = *seals[index];
    return QCoreApplication::translate(
               "Printing", "%1（%2 x %3 毫米）在打印机的分辨率下太大，\r内存不足以生成它的镜像，什么也没有打印。")
        .arg(sealName(seals, index), QString::number(double(seal.RealWidth())),
             QString::number(double(seal.RealHeight())));
}

bool pictureFits(const QRect &box)
{
    if (box.width() <= 0 || box.height() <= 0)
        return true;
    return qint64(box.width()) * box.height() * 4 <= MirrorPictureByteLimit;
}

// The seal painted into a picture of its box, white left out, mirrored left to right; null when
// the picture cannot be had.
QImage mirrorPicture(const Seal &seal, const QRect &box, const PrintPlacement &placement)
{
    if (!pictureFits(box))
        return {};
    QImage picture(box.size(), QImage::Format_ARGB32);
    if (picture.isNull())
        return {};
    picture.fill(0xFFFFFFFFu);
    {
        QPainter painter(&picture);
        PainterSurface surface(&painter);
        renderSeals({&seal}, placement.pixelsPerMm, surface,
                    RenderOffset{static_cast<long double>(-box.left()), static_cast<long double>(-box.top())},
                    placement.colours);
    }
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        std::replace(line, line + picture.width(), QRgb(0xFFFFFFFFu), QRgb(0));
    }
    return std::move(picture).mirrored(true, false);
}

} // namespace

std::optional<QString> mirrorPictureRefusal(const QList<const Seal *> &seals, long double pixelsPerMm)
{
    for (int i = 0; i < seals.size(); ++i) {
        if (!pictureFits(printerBox(*seals[i], pixelsPerMm)))
            return tooLargeMessage(seals, i);
    }
    return std::nullopt;
}

std::optional<QString> paintSealsOnSheet(QPainter &painter, const QList<const Seal *> &seals,
                                         const PrintPlacement &placement, const std::function<void(int)> &progress)
{
    painter.save();
    painter.translate(placement.printableOrigin);
    painter.scale(placement.scaleX, placement.scaleY);
    PainterSurface surface(&painter);
    std::optional<QString> failure;
    for (int i = 0; i < seals.size(); ++i) {
        const Seal &seal = *seals[i];
        const QRect box = printerBox(seal, placement.pixelsPerMm);
        const QPoint at = printedCorner(box, placement);
        if (placement.mirrored) {
            const QImage picture = mirrorPicture(seal, box, placement);
            if (picture.isNull() && !box.isEmpty()) {
                failure = tooLargeMessage(seals, i);
                break;
            }
            if (!picture.isNull())
                painter.drawImage(at, picture);
        } else {
            renderSeals({&seal}, placement.pixelsPerMm, surface,
                        RenderOffset{static_cast<long double>(at.x() - box.left()),
                                     static_cast<long double>(at.y() - box.top())},
                        placement.colours);
        }
        if (progress)
            progress(i + 1);
    }
    painter.restore();
    return failure;
}

std::optional<QString> printSeals(QPrinter &printer, const QList<const Seal *> &seals, const PrintPlacement &placement,
                                  int copies, const std::function<void(int done, int total)> &progress)
{
    if (placement.mirrored) {
        if (std::optional<QString> refusal = mirrorPictureRefusal(seals, placement.pixelsPerMm))
            return refusal;
    }
    copies = std::max(copies, 1);
    printer.setCopyCount(copies);
    // A printer that cannot make copies itself gets one sheet per copy.
    const int sheets = printer.supportsMultipleCopies() ? 1 : copies;
    if (sheets > 1)
        printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("Printing", "打印机无法开始打印，什么也没有打印。");
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0)
            printer.newPage();
        const int done = sheet * int(seals.size());
        std::optional<QString> failure;
        try {
            failure = paintSealsOnSheet(painter, seals, placement, [&](int n) {
                if (progress)
                    progress(done + n, sheets * int(seals.size()));
            });
        } catch (const std::bad_alloc &) {
            // Painting runs out of memory: the job is abandoned like any other failed seal.
            failure = QCoreApplication::translate("Printing", "内存不足，打印没有完成，什么也没有打印。");
        }
        if (failure) {
            printer.abort();
            painter.end();
            return failure;
        }
    }
    if (!painter.end())
        return QCoreApplication::translate("Printing", "打印文件没有写完，打印没有完成。");
    return std::nullopt;
}

QPointF physicalOrigin(const QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimum = layout.minimumMargins();
    const double p = printer.resolution() / 25.4;
    return {minimum.left() * p, minimum.top() * p};
}

} // namespace qm
