#include "document/documentfile.h"

#include "document/atomicsave.h"
#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/picturebudget.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "document/sealentry.h"
#include "picture/boundedread.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"
#include "seal/seallimits.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cmath>
#include <iterator>
#include <thread>
#include <vector>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

bool pageValueAcceptable(long double v)
{
    return std::isfinite(v) && std::fabs(v) <= MaxPageMillimetres;
}

constexpr long double LegacyFallbackPageWidth = 210;
constexpr long double LegacyFallbackPageHeight = 297;

// A new page has no size until one is chosen, so a document may hold 0; never less.
bool pageSizeAcceptable(long double v)
{
    return pageValueAcceptable(v) && v >= 0;
}

bool marginAcceptable(long double v)
{
    return pageValueAcceptable(v) && v >= 0;
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

DocumentResult sealsWriteRefusal(const std::vector<const Seal *> &seals, qint64 pictureBudget)
{
    auto refuse = [](const QString &why) {
        DocumentResult r = documentFailure(DocumentError::NotWritable);
        r.detail = why;
        return r;
    };
    if (qint64(seals.size()) > MaxDocumentSeals)
        return refuse(QCoreApplication::translate("Document", "有%1个印章，超过%2个的上限。")
                          .arg(seals.size())
                          .arg(MaxDocumentSeals));
    for (size_t i = 0; i < seals.size(); ++i)
        if (const QString why = sealRefusal(*seals[i]); !why.isEmpty())
            return refuse(
                QCoreApplication::translate("Document", "第%1个印章的值超出范围（%2）。").arg(i + 1).arg(why));
    if (const qint64 pixels = picturePixelsKept(seals); pixels > pictureBudget)
        return refuse(QCoreApplication::translate("Document", "图片共需%1万像素，超过每个文档%2万像素的上限。")
                          .arg(tenThousandsUp(pixels), tenThousandsDown(pictureBudget)));
    return {};
}

DocumentResult fileSizeWriteRefusal(qint64 bytes)
{
    if (bytes <= MaxDocumentBytes)
        return {};
    DocumentResult r = documentFailure(DocumentError::NotWritable);
    r.detail = QCoreApplication::translate("Document", "文件将超过%1字节的上限。").arg(MaxDocumentBytes);
    return r;
}

DocumentResult writeDocument(QIODevice &out, const SealDocument &document, ProgressDisplay &progress)
{
    return writeDocument(out, document.page(), sealsOf(document), progress);
}

DocumentResult writeDocument(QIODevice &out, const PageModel &page, const std::vector<const Seal *> &seals,
                             ProgressDisplay &progress)
{
    // What our reader would refuse is not written: every document written opens again.
    if (DocumentResult refused = sealsWriteRefusal(seals); !refused.ok())
        return refused;
    if (!pageSizeAcceptable(page.pageWidth()) || !pageSizeAcceptable(page.pageHeight()) ||
        !marginAcceptable(page.leftMargin()) || !marginAcceptable(page.topMargin())) {
        DocumentResult r = documentFailure(DocumentError::NotWritable);
        r.detail = QCoreApplication::translate("Document", "纸张大小或页边距超出范围。");
        return r;
    }
    ProgressHider hider(progress);
    progress.showText(QCoreApplication::translate("Document", "正在保存："));
    QByteArray bytes;
    BinaryWriter w(&bytes);
    w.single(DocumentVersion);
    w.extended(page.pageWidth());
    w.extended(page.pageHeight());
    w.extended(page.leftMargin());
    w.extended(page.topMargin());
    w.int32(qint32(seals.size()));
    progress.setMaximum(int(seals.size()) + 5);
    progress.setPosition(6);
    // Composed whole before anything is written, and given up as soon as it is too large.
    for (const Seal *seal : seals) {
        writeSeal(bytes, *seal, SealFlavour::File);
        if (DocumentResult refused = fileSizeWriteRefusal(bytes.size()); !refused.ok())
            return refused;
        progress.advance(1);
    }
    if (!writeAll(out, bytes))
        return {DocumentError::WriteFailed, {}, 0, out.errorString()};
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
        result = {DocumentError::WriteFailed, {}, 0, saved.detail, saved.diskFull};
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
    const FileReadResult start = readRegularFileStart(fileName, 4);
    if (!start.ok())
        return std::nullopt;
    return readVersion(start.bytes);
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
        if (progress.cancelled())
            return badFormat();
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

// Where each of `count` current entries starts, and where the last ends, found from their
// lengths alone; empty when an entry is cut short or holds a picture. Pictures share one decode
// budget, and what it lets through depends on the order they come in.
std::vector<qsizetype> plainEntryBounds(BinaryReader in, qint32 count)
{
    std::vector<qsizetype> bounds;
    bounds.reserve(size_t(count) + 1);
    for (qint32 i = 0; i < count; ++i) {
        bounds.push_back(in.pos());
        in.skip(SealRecordSize);
        for (int text = 0; text < 6; ++text)
            in.skip(in.int32());
        if (in.boolean() || !in.ok())
            return {};
    }
    bounds.push_back(in.pos());
    return bounds;
}

// Below this many seals a reader of its own costs more than it saves.
constexpr qint32 SealsPerReader = 1000;

// How many threads read the seals of the document: one unless there are many seals and more
// than one core, and nobody listens to the document yet (a listener would hear setters from
// several threads).
int sealReaders(qint32 count, const SealDocument &document)
{
    if (document.sealListener())
        return 1;
    return std::max(1, std::min(QThread::idealThreadCount(), int(count / SealsPerReader)));
}

// Reads the entries at `bounds` on `readers` threads, each a run of them into a list of its
// own, and gives the runs to the document in order: the seals, and the first refusal, are those
// of reading them one after the other.
DocumentResult readSealsInParallel(QByteArrayView data, const std::vector<qsizetype> &bounds, int readers,
                                   const PageValues &page, SealDocument &document, ProgressDisplay &progress)
{
    const qint32 count = qint32(bounds.size()) - 1;

    struct Run {
        qint32 first = 0, end = 0;
        SealList seals;
        qint32 refused = -1;
        QString why;
    };
    std::vector<Run> runs(static_cast<size_t>(readers));
    for (int r = 0; r < readers; ++r) {
        runs[size_t(r)].first = qint32(qint64(count) * r / readers);
        runs[size_t(r)].end = qint32(qint64(count) * (r + 1) / readers);
    }
    std::atomic<bool> stop{false};
    // The calling thread reads the first run and speaks for all: a progress display belongs to it.
    auto readRun = [&](Run &run, bool reports) {
        const qsizetype from = bounds[size_t(run.first)];
        BinaryReader in(data.sliced(from, bounds[size_t(run.end)] - from));
        run.seals.reserve(size_t(run.end - run.first));
        for (qint32 i = run.first; i < run.end; ++i) {
            if (reports && progress.cancelled())
                stop.store(true, std::memory_order_relaxed);
            if (stop.load(std::memory_order_relaxed))
                return;
            auto seal = document.createSeal();
            if (!readSeal(in, *seal, document, &run.why)) {
                run.refused = i;
                return;
            }
            run.seals.push_back(std::move(seal));
            if (reports)
                progress.advance(readers);
        }
    };
    {
        std::vector<std::jthread> others;
        for (size_t r = 1; r < runs.size(); ++r)
            others.emplace_back([&, r] { readRun(runs[r], false); });
        readRun(runs.front(), true);
    }
    if (progress.cancelled())
        return badFormat();
    for (const Run &run : runs)
        if (run.refused >= 0)
            return sealRefused(run.refused, run.why);
    SealList seals;
    seals.reserve(size_t(count));
    for (Run &run : runs)
        std::move(run.seals.begin(), run.seals.end(), std::back_inserter(seals));
    progress.setPosition(6 + count);
    applyPage(document, page);
    document.appendSeals(std::move(seals), false);
    return {};
}

DocumentResult loadDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress)
{
    ProgressHider hider(progress);
    progress.showText(QCoreApplication::translate("Document", "正在载入："));
    BinaryReader in(data);
    in.skip(4);
    PageValues page;
    page.width = in.extended();
    page.height = in.extended();
    page.left = page.right = in.extended();
    page.top = page.bottom = in.extended();
    const qint32 count = in.int32();
    if (!in.ok() || !pageSizeAcceptable(page.width) || !pageSizeAcceptable(page.height) ||
        !marginAcceptable(page.left) || !marginAcceptable(page.top) || count > MaxDocumentSeals)
        return badFormat();
    // Every entry takes at least MinSealEntrySize bytes: a count the file cannot hold is damage.
    if (count < 0 || qint64(count) * MinSealEntrySize > in.remaining())
        return badFormat();
    // A page never chosen has no size and would open as an empty view: it reads as A4, as an
    // older document's does, which keeps its seals in reach.
    if (page.width == 0)
        page.width = LegacyFallbackPageWidth;
    if (page.height == 0)
        page.height = LegacyFallbackPageHeight;
    if (const int readers = sealReaders(count, document); readers > 1) {
        const std::vector<qsizetype> bounds = plainEntryBounds(in, count);
        if (!bounds.empty()) {
            progress.setMaximum(count + 5);
            progress.setPosition(6);
            return readSealsInParallel(data, bounds, readers, page, document, progress);
        }
    }
    DecodeBudget budget; // shared by all the pictures read and their prepared copies
    return readSeals(count, page, document, progress,
                     [&](Seal &seal, QString *why) { return readSeal(in, seal, document, why, &budget); });
}

DocumentResult loadLegacyDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                  const QString &pictureFolder)
{
    ProgressHider hider(progress);
    progress.showText(QCoreApplication::translate("Document", "正在载入："));
    BinaryReader in(data);
    const std::optional<float> stored = readVersion(data);
    in.skip(4);
    PageValues page;
    page.width = in.extended();
    page.height = in.extended();
    page.left = page.right = page.top = page.bottom = 6;
    const qint32 count = in.int32();
    if (!stored || !in.ok() || !pageValueAcceptable(page.width) || !pageValueAcceptable(page.height) ||
        count > MaxDocumentSeals)
        return badFormat();
    // Older versions wrote what the page setup held; a page of no size (or less) is read as A4,
    // which keeps its seals in reach.
    if (page.width <= 0)
        page.width = LegacyFallbackPageWidth;
    if (page.height <= 0)
        page.height = LegacyFallbackPageHeight;
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
    FileReadResult read = readRegularFile(fileName, MaxDocumentBytes);
    switch (read.error) {
    case FileReadError::None:
        *data = std::move(read.bytes);
        return {};
    case FileReadError::Missing:
        return documentFailure(DocumentError::FileNotFound, fileName);
    case FileReadError::NotRegular:
        return documentFailure(DocumentError::NotRegularFile, fileName);
    case FileReadError::TooLarge:
    case FileReadError::Unreadable:
        break;
    }
    DocumentResult result = documentFailure(DocumentError::BadFormat, fileName);
    result.detail = fileReadRefusal(fileName, read, MaxDocumentBytes);
    return result;
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

DocumentResult readDocumentContent(const QString &fileName, float screenPixelsPerMm, int zoom, DocumentContent *content,
                                   ProgressDisplay &progress)
{
    // A document of its own, made and freed on this thread, that nobody listens to.
    SealDocument scratch;
    scratch.setScreenPixelsPerMm(screenPixelsPerMm);
    scratch.page().setZoom(zoom);
    const DocumentResult result = openDocument(fileName, scratch, progress);
    if (!result.ok())
        return result;
    const PageModel &page = scratch.page();
    content->pageWidth = page.pageWidth();
    content->pageHeight = page.pageHeight();
    content->leftMargin = page.leftMargin();
    content->rightMargin = page.rightMargin();
    content->topMargin = page.topMargin();
    content->bottomMargin = page.bottomMargin();
    content->seals = std::move(scratch.seals());
    scratch.seals().clear();
    return result;
}

void adoptDocumentContent(SealDocument &document, DocumentContent &&content)
{
    PageValues page;
    page.width = content.pageWidth;
    page.height = content.pageHeight;
    page.left = content.leftMargin;
    page.right = content.rightMargin;
    page.top = content.topMargin;
    page.bottom = content.bottomMargin;
    applyPage(document, page);
    // Already shown: the page is told once, by the list's change, not seal by seal.
    for (const auto &seal : content.seals)
        seal->setListener(document.sealListener());
    document.appendSeals(std::move(content.seals), false);
    content.seals.clear();
}

} // namespace qm
