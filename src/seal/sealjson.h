#pragma once

#include <QString>

#include <memory>
#include <vector>

namespace qm {

class TSeal;

// Seals described as {"seals":[{...properties by name...}]}. Each seal starts as a new element;
// the properties present are applied through their setters in property-table order.
struct SealJsonResult {
    std::vector<std::unique_ptr<TSeal>> seals;
    QString error; // empty on success
};

SealJsonResult readSealJson(const QByteArray &json, const QString &baseDir);
SealJsonResult readSealJsonFile(const QString &path);

} // namespace qm
