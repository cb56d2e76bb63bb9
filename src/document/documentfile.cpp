#include "document/documentfile.h"

#include "document/atomicsave.h"
#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "document/sealentry.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

bool pageValueAcceptable(long double v)
{
    return std::isfinite(v) && std::fabs(v) <= MaxPageMillimetres;
}

DocumentResult badFormat()
{
    return documentFailure(DocumentError::BadFormat);
}

bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    return out.write(bytes) == bytes.size();
}

struct PageValues {
    long double width = 0, height = 0, left = 0, top = 0, right = 0, bottom = 0;
};

void applyPage(SealDocument &document, const PageValues &v)
{
    PageModel &page = document.page();
    page.setPageWidth(v.width);
    page.setPageHeight(v.height);
    page.setLeftMargin(v.left);
    page.setRightMargin(v.right);
    page.setTopMargin(v.top);
    page.setBottomMargin(v.bottom);
}

} // namespace

DocumentResult writeDocument(QIODevice &out, const SealDocument &document, ProgressDisplay &progress)
{
    ProgressHider hider(progress);
    progress.showText(u"正在保存："_s);
    const auto &seals = document.seals();
    const PageModel &page = document.page();
    QByteArray bytes;
    BinaryWriter w(&bytes);
    w.single(DocumentVersion);
    w.extended(page.pageWidth());
    w.extended(page.pageHeight());
    w.extended(page.leftMargin());
    w.extended(page.topMargin());
    w.int32(qint32(seals.size()));
    if (!writeAll(out, bytes))
        return {DocumentError::WriteFailed, {}, 0, out.errorString()};
    progress.setMaximum(int(seals.size()) + 5);
    progress.setPosition(6);
    for (const auto &seal : seals) {
        bytes.clear();
        writeSeal(bytes, *seal, SealFlavour::File);
        if (!writeAll(out, bytes))
            return {DocumentError::WriteFailed, {}, 0, out.errorString()};
        progress.advance(1);
    }
    return {};
}

DocumentResult saveDocumentFile(const QString &fileName, ProgressDisplay &progress,
                                const std::function<DocumentResult(QIODevice &)> &write)
{
    DocumentResult result;
    const SaveOutcome saved = saveAtomically(fileName, [&](QIODevice &out) {
        result = write(out);
        return result.ok();
    });
    switch (saved.error) {
    case SaveError::None:
    case SaveError::ContentFailed:
        break;
    case SaveError::CannotCreate:
        progress.hide(); // the writer that shows and hides it never ran
        result = {DocumentError::WriteFailed, {}, 0, saved.detail};
        break;
    case SaveError::WriteFailed:
        result = {DocumentError::WriteFailed, {}, 0, saved.detail};
        break;
    }
    result.fileName = fileName;
    return result;
}

DocumentResult writeDocument(const QString &fileName, const SealDocument &document, ProgressDisplay &progress)
{
    return saveDocumentFile(fileName, progress, [&](QIODevice &out) { return writeDocument(out, document, progress); });
}

std::optional<float> readVersion(QByteArrayView data)
{
    BinaryReader r(data);
    const float v = r.single();
    if (!r.ok())
        return std::nullopt;
    return v;
}

std::optional<float> readFileVersion(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readVersion(file.read(4));
}

// Reads `count` entries with readOne, then applies the page and the seals together: a file refused
// half-way leaves the document as it was.
template <typename ReadOne>
DocumentResult readSeals(qint32 count, const PageValues &page, SealDocument &document, ProgressDisplay &progress,
                         ReadOne readOne)
{
    progress.setMaximum(count + 5);
    progress.setPosition(6);
    SealList seals;
    seals.reserve(size_t(count));
    for (qint32 i = 0; i < count; ++i) {
        auto seal = document.createSeal();
        QString why;
        if (!readOne(*seal, &why))
            return sealRefused(i, why);
        seals.push_back(std::move(seal));
        progress.advance(1);
    }
    applyPage(document, page);
    document.appendSeals(std::move(seals), false);
    return {};
}

DocumentResult loadDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress)
{
    ProgressHider hider(progress);
    progress.showText(u"正在载入："_s);
    BinaryReader in(data);
    in.skip(4);
    PageValues page;
    page.width = in.extended();
    page.height = in.extended();
    page.left = page.right = in.extended();
    page.top = page.bottom = in.extended();
    const qint32 count = in.int32();
    if (!in.ok() || !pageValueAcceptable(page.width) || !pageValueAcceptable(page.height) ||
        !pageValueAcceptable(page.left) || !pageValueAcceptable(page.top))
        return badFormat();
    // Every entry takes at least MinSealEntrySize bytes: a count the file cannot hold is damage.
    if (count < 0 || qint64(count) * MinSealEntrySize > in.remaining())
        return badFormat();
    DecodeBudget budget; // shared by all the pictures read
    return readSeals(count, page, document, progress,
                     [&](Seal &seal, QString *why) { return readSeal(in, seal, document, why, &budget); });
}

DocumentResult loadLegacyDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                  const QString &pictureFolder)
{
    ProgressHider hider(progress);
    progress.showText(u"正在载入："_s);
    BinaryReader in(data);
    const std::optional<float> stored = readVersion(data);
    in.skip(4);
    PageValues page;
    page.width = in.extended();
    page.height = in.extended();
    page.left = page.right = page.top = page.bottom = 6;
    const qint32 count = in.int32();
    if (!stored || !in.ok() || !pageValueAcceptable(page.width) || !pageValueAcceptable(page.height))
        return badFormat();
    const int version = roundHalfEven(*stored);
    const int entrySize = legacyRecordSize(version) + 6 * 4;
    if (count < 0 || qint64(count) * entrySize > in.remaining())
        return badFormat();
    DecodeBudget budget; // shared by all the pictures read
    return readSeals(count, page, document, progress, [&](Seal &seal, QString *why) {
        return readLegacySeal(in, seal, version, document, pictureFolder, why, &budget);
    });
}

DocumentResult loadDocumentData(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                const QString &pictureFolder)
{
    const std::optional<float> stored = readVersion(data);
    if (!stored || std::isnan(*stored))
        return badFormat();
    const int version = roundHalfEven(*stored);
    if (version < 5) {
        DocumentResult r = documentFailure(DocumentError::OldVersion);
        r.version = version;
        return r;
    }
    if (version < 8)
        return loadLegacyDocument(data, document, progress, pictureFolder);
    return loadDocument(data, document, progress);
}

std::optional<QByteArray> readWholeDevice(QIODevice &in, qint64 maxBytes)
{
    if (!in.isSequential()) {
        if (in.size() - in.pos() > maxBytes)
            return std::nullopt;
        return in.readAll();
    }
    QByteArray all;
    char chunk[65536];
    for (;;) {
        const qint64 n = in.read(chunk, sizeof chunk);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        if (all.size() + n > maxBytes)
            return std::nullopt;
        all.append(chunk, n);
    }
    return all;
}

DocumentResult readDocumentFile(const QString &fileName, QByteArray *data)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return documentFailure(DocumentError::FileNotFound, fileName);
    // A folder, a pipe or a device is no document: asked before opening, which could block.
    QFile file(fileName);
    std::optional<QByteArray> read;
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        read = readWholeDevice(file, MaxDocumentBytes);
    if (!read)
        return documentFailure(DocumentError::BadFormat, fileName);
    *data = std::move(*read);
    return {};
}

DocumentResult openDocument(const QString &fileName, SealDocument &document, ProgressDisplay &progress)
{
    QByteArray data;
    DocumentResult result = readDocumentFile(fileName, &data);
    if (result.ok())
        result = loadDocumentData(data, document, progress, QFileInfo(fileName).absolutePath());
    result.fileName = fileName;
    return result;
}

} // namespace qm
