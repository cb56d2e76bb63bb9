#include "document/libraryitem.h"

#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/documentfile.h"
#include "document/librarythumbnail.h"
#include "document/picturebudget.h"
#include "document/progressdisplay.h"
#include "document/sealentry.h"
#include "document/selectionbounds.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr int ItemOffsetsSize = 2 * 10;

bool valueAcceptable(long double v)
{
    return std::isfinite(v) && std::fabs(v) <= MaxPageMillimetres;
}

} // namespace

DocumentResult readLibraryItem(QByteArrayView data, const SealDocument &document, LibraryItem *item)
{
    BinaryReader in(data);
    LibraryItem read;
    read.version = in.single();
    if (!in.ok() || std::isnan(read.version))
        return documentFailure(DocumentError::BadFormat);
    if (roundHalfEven(read.version) < 8) {
        DocumentResult r = documentFailure(DocumentError::OldVersion);
        r.version = roundHalfEven(read.version);
        return r;
    }
    const qint64 thumbnailLength = in.int64();
    if (!in.has(thumbnailLength))
        return documentFailure(DocumentError::BadFormat);
    read.thumbnail = in.bytes(thumbnailLength).toByteArray();
    read.width = in.extended();
    read.height = in.extended();
    const qint32 count = in.int32();
    if (!in.ok() || !valueAcceptable(read.width) || !valueAcceptable(read.height) || count < 0 ||
        qint64(count) * (ItemOffsetsSize + MinSealEntrySize) > in.remaining())
        return documentFailure(DocumentError::BadFormat);
    if (count > MaxDocumentSeals)
        return documentFailure(DocumentError::BadFormat);
    read.items.reserve(size_t(count));
    // Pictures the document holds already are not decoded again, and what it keeps counts.
    DecodeBudget budget = documentDecodeBudget(document);
    for (qint32 i = 0; i < count; ++i) {
        LibraryItem::Entry entry;
        entry.dx = in.extended();
        entry.dy = in.extended();
        if (!in.ok() || !valueAcceptable(entry.dx) || !valueAcceptable(entry.dy))
            return documentFailure(DocumentError::BadFormat);
        entry.seal = document.createSeal();
        QString why;
        if (!readSeal(in, *entry.seal, document, &why, &budget))
            return budget.exhausted() ? pictureBudgetExhausted() : sealRefused(i, why);
        read.items.push_back(std::move(entry));
    }
    *item = std::move(read);
    return {};
}

DocumentResult saveLibraryItem(QIODevice &out, const SealSelection &selection, ProgressDisplay &progress)
{
    if (selection.empty())
        return documentFailure(DocumentError::NothingSelected);
    if (DocumentResult refused = sealsWriteRefusal({selection.begin(), selection.end()}); !refused.ok())
        return refused;
    ProgressHider hider(progress);
    const int n = int(selection.size());
    progress.setMaximum(3 * n);
    progress.setPosition(0);
    progress.showText(QCoreApplication::translate("Document", "正在保存："));

    QByteArray bytes;
    BinaryWriter w(&bytes);
    w.single(LibraryVersion);
    QByteArray gif;
    QString why;
    if (!makeLibraryThumbnail(selection, &gif, &why))
        return {DocumentError::ThumbnailFailed, {}, 0, why};
    progress.advance(n);
    w.int64(gif.size());
    w.bytes(gif);
    progress.advance(n);

    const SelectionBox box = selectionBounds(selection);
    w.extended(box.right - box.left);
    w.extended(box.bottom - box.top);
    w.int32(n);
    const long double centreX = (box.left + box.right) / 2;
    const long double centreY = (box.top + box.bottom) / 2;
    for (const Seal *seal : selection) {
        w.extended(seal->RealCenterX() - centreX);
        w.extended(seal->RealCenterY() - centreY);
        writeSeal(bytes, *seal, SealFlavour::File);
        if (DocumentResult refused = fileSizeWriteRefusal(bytes.size()); !refused.ok())
            return refused;
        progress.advance(1);
    }
    if (out.write(bytes) != bytes.size())
        return {DocumentError::WriteFailed, {}, 0, out.errorString()};
    return {};
}

DocumentResult saveLibraryItem(const QString &fileName, const SealSelection &selection, ProgressDisplay &progress)
{
    if (selection.empty())
        return documentFailure(DocumentError::NothingSelected, fileName);
    return saveDocumentFile(fileName, progress,
                            [&](QIODevice &out) { return saveLibraryItem(out, selection, progress); });
}

DocumentResult loadLibraryItemData(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                   QPoint scroll)
{
    ProgressHider hider(progress);
    progress.setPosition(0);
    progress.showText(QCoreApplication::translate("Document", "正在载入："));
    LibraryItem item;
    DocumentResult result = readLibraryItem(data, document, &item);
    if (!result.ok())
        return result;
    if (DocumentResult refused = sealCountAddRefusal(document, qint64(item.items.size())); !refused.ok())
        return refused;

    // Millimetres per screen pixel at the page's zoom.
    const long double m = 100 / (static_cast<long double>(document.page().zoom()) * document.screenPixelsPerMm());
    const long double x0 = scroll.x() * m + item.width / 2 + 2;
    const long double y0 = scroll.y() * m + item.height / 2 + 2;
    progress.setMaximum(8 * int(item.items.size()));
    SealList seals;
    seals.reserve(item.items.size());
    for (LibraryItem::Entry &entry : item.items) {
        entry.seal->setRealCenterX(float(x0 + entry.dx));
        entry.seal->setRealCenterY(float(y0 + entry.dy));
        seals.push_back(std::move(entry.seal));
        progress.advance(8);
    }
    document.appendSeals(std::move(seals), true);
    return {};
}

DocumentResult openLibraryItem(const QString &fileName, const SealDocument &document, LibraryItem *item)
{
    QByteArray data;
    DocumentResult result = readDocumentFile(fileName, &data);
    if (result.ok())
        result = readLibraryItem(data, document, item);
    result.fileName = fileName;
    return result;
}

DocumentResult loadLibraryItem(const QString &fileName, SealDocument &document, ProgressDisplay &progress,
                               QPoint scroll)
{
    QByteArray data;
    DocumentResult result = readDocumentFile(fileName, &data);
    if (result.ok())
        result = loadLibraryItemData(data, document, progress, scroll);
    result.fileName = fileName;
    return result;
}

} // namespace qm
