#pragma once

#include "document/documenterror.h"
#include "picture/documentlimits.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;

namespace qm {

class PageModel;
class ProgressDisplay;
class Seal;
class SealDocument;

constexpr float DocumentVersion = 8.0f;
constexpr int DocumentHeaderSize = 48;
constexpr int LegacyHeaderSize = 28;

// Why our own reader would refuse a document, library item or paste of these seals (NotWritable
// with the reason in detail): more than MaxDocumentSeals, a value beyond its property's range or
// pictures beyond MaxDocumentPicturePixels; ok when it would read them.
DocumentResult sealsWriteRefusal(const std::vector<const Seal *> &seals,
                                 qint64 pictureBudget = MaxDocumentPicturePixels);
// NotWritable when a file of that many bytes is beyond MaxDocumentBytes.
DocumentResult fileSizeWriteRefusal(qint64 bytes);

// Writes a version 8 document: version, page size, left and top margins, the seal count and
// one entry per seal in stacking order. A document without seals is still a valid document.
// Nothing is written (NotWritable) when our reader would refuse the result.
DocumentResult writeDocument(QIODevice &out, const SealDocument &document, ProgressDisplay &progress);
// The same for a page and seals that need not belong to a document (a snapshot of one).
DocumentResult writeDocument(QIODevice &out, const PageModel &page, const std::vector<const Seal *> &seals,
                             ProgressDisplay &progress);
// The same into a file that replaces the old one only once everything was written.
DocumentResult writeDocument(const QString &fileName, const SealDocument &document, ProgressDisplay &progress);

// Saves a document or library item through saveAtomically(): write's result, or WriteFailed
// with the system's reason when the file could not be created or committed. The file name is
// filled in; write hides the progress display it shows, and it is hidden when write never ran.
DocumentResult saveDocumentFile(const QString &fileName, ProgressDisplay &progress,
                                const std::function<DocumentResult(QIODevice &)> &write);

// The Single at offset 0; nothing when there are fewer than 4 bytes or the file cannot be read.
std::optional<float> readFileVersion(const QString &fileName);
std::optional<float> readVersion(QByteArrayView data);

// Read a version 8 document (LoadDocument) or a version 5, 6 or 7 one (LoadLegacyDocument)
// into a document. The data are checked completely before the document changes: a refused file
// leaves the document as it was. Legacy pictures named by a relative path are looked for in
// pictureFolder.
DocumentResult loadDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress);
DocumentResult loadLegacyDocument(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                  const QString &pictureFolder = {});

// The opening rules: the version rounded half to even; below 5 refused with the version
// message, 5 to 7 read as legacy, 8 and above as version 8; any other failure is the format
// message. The file-name form also reports a missing file.
DocumentResult loadDocumentData(QByteArrayView data, SealDocument &document, ProgressDisplay &progress,
                                const QString &pictureFolder = {});
DocumentResult openDocument(const QString &fileName, SealDocument &document, ProgressDisplay &progress);

// A document read apart from any window, on any thread: its page values and its seals, shown
// but heard by no page yet.
struct DocumentContent {
    long double pageWidth = 0, pageHeight = 0;
    long double leftMargin = 0, rightMargin = 0, topMargin = 0, bottomMargin = 0;
    std::vector<std::unique_ptr<Seal>> seals;
};

// openDocument for a document of the given resolution and zoom, into content: it touches
// nothing but its arguments, so it may run on a worker thread. A progress display that is
// cancelled stops it between seals with nothing read.
DocumentResult readDocumentContent(const QString &fileName, float screenPixelsPerMm, int zoom, DocumentContent *content,
                                   ProgressDisplay &progress);
// Gives the content to an empty document on its own thread: the page values, then the seals
// at once, each heard by the document's listener from now on.
void adoptDocumentContent(SealDocument &document, DocumentContent &&content);

// Reads a whole document or library item file as the program opens one: FileNotFound when it
// does not exist; BadFormat when it is no regular file, cannot be read or holds more than
// MaxDocumentBytes.
DocumentResult readDocumentFile(const QString &fileName, QByteArray *data);

// Reads a whole device, refusing more than maxBytes.
std::optional<QByteArray> readWholeDevice(QIODevice &in, qint64 maxBytes);

} // namespace qm
