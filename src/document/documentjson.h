#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

namespace qm {

class SealDocument;
class Seal;
struct LibraryItem;

// JSON text for inspecting files, keys in a fixed order: every published property of a seal by
// name in declaration order, the five font slots, then the picture (null or its kind, byte
// count and size). Enumerations as ordinals, texts as UTF-8, floats as the shortest decimal
// that reads back to the same float.
QByteArray sealToJson(const Seal &seal);
QByteArray documentToJson(const SealDocument &document, float version);
QByteArray libraryItemToJson(const LibraryItem &item, QSize thumbnailSize);

// Fills an empty document from {"page":{...},"seals":[...]}: absent page values give an A4
// page with 6 mm margins, absent seal properties keep a new element's defaults, a picture is
// {"file": name} relative to baseDir. False with *error when the text is not that shape or a
// value is beyond what a document may hold; the document is then unchanged.
bool documentFromJson(const QByteArray &json, const QString &baseDir, SealDocument &document, QString *error);

} // namespace qm
