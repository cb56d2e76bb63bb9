#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace qm {

class Seal;

// Seals described as {"seals":[{...properties by name...}]}. Each seal starts as a new element;
// the properties present are applied through their setters in property-table order.
struct SealJsonResult {
    std::vector<std::unique_ptr<Seal>> seals;
    QString error; // empty on success
};

// Seal JSON larger than this is refused unread: real files are a few kilobytes.
constexpr qint64 MaxSealJsonBytes = 64LL << 20;

SealJsonResult readSealJson(const QByteArray &json, const QString &baseDir);
// Reads the file with readSealJsonBytes(), pictures relative to its folder.
SealJsonResult readSealJsonFile(const QString &path);

// The one rule for telling JSON from a seal document, by content: after an optional UTF-8 byte
// order mark and white space the first character is "{". A document starts with its version.
bool isSealJson(QByteArrayView head);

// The bytes of a JSON file: refused with *error, before anything is read, when it does not
// exist, is no regular file (a pipe, a device, a folder) or is larger than MaxSealJsonBytes.
std::optional<QByteArray> readSealJsonBytes(const QString &path, QString *error);

} // namespace qm
