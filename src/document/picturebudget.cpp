#include "document/picturebudget.h"

#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

qint64 pixelsOf(const QImage &image)
{
    return qint64(image.width()) * image.height();
}

// The distinct pictures of the seals, each once. Seals that share a picture share its bytes
// too, which are told apart by address before by content: thousands of seals repeating a large
// picture must not mean hashing it thousands of times.
template <typename Visit> void forEachPicture(const std::vector<const Seal *> &seals, Visit visit)
{
    QSet<const char *> buffers;
    QSet<QByteArray> contents;
    for (const Seal *seal : seals) {
        const SealPicture &picture = seal->Picture();
        if (!picture.hasGraphic() || buffers.contains(picture.bytes().constData()))
            continue;
        buffers.insert(picture.bytes().constData());
        if (contents.contains(picture.bytes()))
            continue;
        contents.insert(picture.bytes());
        visit(picture);
    }
}

} // namespace

// Pixel counts are told in ten thousands (万): what is needed rounded up, the budget down, so
// that the one told always exceeds the other.
QString tenThousandsUp(qint64 pixels)
{
    return QString::number((pixels + 9999) / 10000);
}

QString tenThousandsDown(qint64 pixels)
{
    return QString::number(pixels / 10000);
}

DocumentResult sealCountAddRefusal(const SealDocument &document, qint64 adding)
{
    const qint64 total = qint64(document.seals().size()) + adding;
    if (total <= MaxDocumentSeals)
        return {};
    DocumentResult r = documentFailure(DocumentError::TooMuchToAdd);
    r.detail = QCoreApplication::translate("Document", "印章太多，不能加入：文档将有%1个印章，超过%2个的上限。")
                   .arg(total)
                   .arg(MaxDocumentSeals);
    return r;
}

DocumentResult pictureBudgetExhausted()
{
    DocumentResult r = documentFailure(DocumentError::TooMuchToAdd);
    r.detail = QCoreApplication::translate("Document", "图片太大，不能加入：文档的图片将超过每个文档%1万像素的上限。")
                   .arg(tenThousandsDown(MaxDocumentPicturePixels));
    return r;
}

std::vector<const Seal *> sealsOf(const SealDocument &document)
{
    std::vector<const Seal *> seals;
    seals.reserve(document.seals().size());
    for (const auto &seal : document.seals())
        seals.push_back(seal.get());
    return seals;
}

qint64 picturePixelsKept(const std::vector<const Seal *> &seals)
{
    qint64 pixels = 0;
    forEachPicture(seals, [&](const SealPicture &picture) { pixels += pixelsOf(picture.image()); });
    return pixels;
}

QString pictureBudgetRefusal(const std::vector<const Seal *> &kept, const std::vector<const Seal *> &entering,
                             qint64 budget)
{
    std::vector<const Seal *> all = kept;
    all.insert(all.end(), entering.begin(), entering.end());
    const qint64 pixels = picturePixelsKept(all);
    if (pixels <= budget)
        return {};
    const Seal *largest = nullptr;
    for (const Seal *seal : entering)
        if (seal->Picture().hasGraphic() &&
            (!largest || pixelsOf(seal->Picture().image()) > pixelsOf(largest->Picture().image())))
            largest = seal;
    const QString total =
        QCoreApplication::translate("Document", "文档的图片共需%1万像素，超过每个文档%2万像素的上限。")
            .arg(tenThousandsUp(pixels), tenThousandsDown(budget));
    if (!largest)
        return QCoreApplication::translate("Document", "图片太大，不能加入：") + total;
    return QCoreApplication::translate("Document", "图片太大，不能加入：加入%1×%2像素的图片后，")
               .arg(largest->Picture().width())
               .arg(largest->Picture().height()) +
           total;
}

QString pictureBudgetRefusal(const SealDocument &document, const std::vector<const Seal *> &entering,
                             const std::vector<const Seal *> &leaving)
{
    std::vector<const Seal *> kept;
    for (const auto &seal : document.seals())
        if (std::find(leaving.begin(), leaving.end(), seal.get()) == leaving.end())
            kept.push_back(seal.get());
    return pictureBudgetRefusal(kept, entering, document.picturePixelBudget());
}

DecodeBudget documentDecodeBudget(const SealDocument &document, qint64 pixels)
{
    const std::vector<const Seal *> seals = sealsOf(document);
    DecodeBudget budget(std::max<qint64>(0, pixels - picturePixelsKept(seals)));
    forEachPicture(seals, [&](const SealPicture &picture) { budget.keepDecoded(picture.bytes(), picture.image()); });
    return budget;
}

} // namespace qm
