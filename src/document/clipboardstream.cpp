#include "document/clipboardstream.h"

#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/documentfile.h"
#include "document/picturebudget.h"
#include "document/sealentry.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"

namespace qm {

DocumentResult copySealsToStream(const SealSelection &selection, ClipboardStream &stream)
{
    if (selection.empty())
        return {};
    const std::vector<const Seal *> seals(selection.begin(), selection.end());
    if (DocumentResult refused = sealsWriteRefusal(seals); !refused.ok())
        return refused;
    QByteArray data;
    BinaryWriter w(&data);
    w.int32(qint32(selection.size()));
    for (const Seal *seal : selection) {
        writeSeal(data, *seal, SealFlavour::Stream);
        if (DocumentResult refused = fileSizeWriteRefusal(data.size()); !refused.ok())
            return refused;
    }
    stream.setData(data);
    return {};
}

DocumentResult pasteSealsFromStream(const ClipboardStream &stream, SealDocument &document)
{
    if (stream.isEmpty())
        return {};
    BinaryReader in(stream.data());
    const qint32 count = in.int32();
    if (!in.ok() || count < 0 || qint64(count) * MinSealEntrySize > in.remaining())
        return documentFailure(DocumentError::BadFormat);
    if (DocumentResult refused = sealCountAddRefusal(document, count); !refused.ok())
        return refused;
    SealList seals;
    seals.reserve(size_t(count));
    // Pictures the document holds already are not decoded again, and what it keeps counts.
    DecodeBudget budget = documentDecodeBudget(document);
    for (qint32 i = 0; i < count; ++i) {
        auto seal = document.createSeal();
        QString why;
        if (!readSeal(in, *seal, document, &why, &budget))
            return budget.exhausted() ? pictureBudgetExhausted() : sealRefused(i, why);
        seals.push_back(std::move(seal));
    }
    document.appendSeals(std::move(seals), true);
    return {};
}

} // namespace qm
