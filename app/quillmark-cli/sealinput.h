#pragma once

#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace qm::cli {

// The seals of an input file in list order: those of a seal document, or new elements described
// by JSON, told apart by content.
struct SealInput {
    bool fromJson = false;
    SealDocument document;                        // the document read, or an empty one for JSON
    std::vector<std::unique_ptr<Seal>> jsonSeals; // owned here when fromJson
    QList<Seal *> seals;
};

// Opens FILE as the program does, after asking whether it exists and is a regular file, so a pipe
// or device is refused instead of read: JSON when isSealJson() says so of its first bytes, read
// within MaxSealJsonBytes; any other content through OpenDocument. Returns the exit status on
// failure (1, the message printed), nothing on success.
std::optional<int> openSealInput(const QString &path, SealInput &input);

} // namespace qm::cli
