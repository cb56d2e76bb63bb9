#include "document/clipboardstream.h"

#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/sealentry.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"

namespace qm {

void copySealsToStream(const SealSelection &selection, ClipboardStream &stream)
{
    if (selection.empty())
        return;
    QByteArray data;
    BinaryWriter w(&data);
    w.int32(qint32(selection.size()));
    for (const Seal *seal : selection)
        writeSeal(data, *seal, SealFlavour::Stream);
    stream.setData(data);
}

DocumentResult pasteSealsFromStream(const ClipboardStream &stream, SealDocument &document)
{
    if (stream.isEmpty())
        return {};
    BinaryReader in(stream.data());
    const qint32 count = in.int32();
    if (!in.ok() || count < 0 || qint64(count) * MinSealEntrySize > in.remaining())
        return documentFailure(DocumentError::BadFormat);
    SealList seals;
    seals.reserve(size_t(count));
    DecodeBudget budget; // shared by all the pictures read
    for (qint32 i = 0; i < count; ++i) {
        auto seal = document.createSeal();
        QString why;
        if (!readSeal(in, *seal, document, &why, &budget))
            return sealRefused(i, why);
        seals.push_back(std::move(seal));
    }
    document.appendSeals(std::move(seals), true);
    return {};
}

} // namespace qm
