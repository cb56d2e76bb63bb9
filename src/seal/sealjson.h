#pragma once

#include "picture/documentlimits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonDocument>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace qm {

class DecodeBudget;
class Seal;

// Seals described as {"seals":[{...properties by name...}]}. Each seal starts as a new element;
// the properties present are applied through their setters in property-table order.
struct SealJsonResult {
    std::vector<std::unique_ptr<Seal>> seals;
    QString error; // empty on success
};

// More seals than a document holds are refused before any is made; the pictures of all the seals
// are decoded within *budget (a document's budget without it), a file named twice once.
SealJsonResult readSealJson(const QByteArray &json, const QString &baseDir, DecodeBudget *budget = nullptr);
// Reads the file with readSealJsonBytes(), pictures relative to its folder.
SealJsonResult readSealJsonFile(const QString &path);

// Objects and arrays in a JSON text, counted without parsing it.
qint64 jsonContainerCount(QByteArrayView json);
// Parses JSON text into *parsed; otherwise the parser's reason and where it stopped ("not valid
// JSON: unterminated object at offset 12"), or the refusal of a text with more containers than
// the largest document's seals need.
QString jsonSyntaxRefusal(const QByteArray &json, QJsonDocument *parsed);

// The one rule for telling JSON from a seal document, by content: after an optional UTF-8 byte
// order mark and white space the first character is "{". A document starts with its version.
bool isSealJson(QByteArrayView head);

// The bytes of a JSON file: refused with *error, before anything is read, when it does not
// exist, is no regular file (a pipe, a device, a folder) or is larger than MaxSealJsonBytes.
std::optional<QByteArray> readSealJsonBytes(const QString &path, QString *error);

} // namespace qm
