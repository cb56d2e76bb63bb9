#pragma once

#include <QString>

namespace qm {

enum class DocumentError {
    None,
    FileNotFound,    // the file to open does not exist
    OldVersion,      // written by a version below 5 (documents) or 8 (library items)
    BadFormat,       // not a seal document, or damaged: refused as a whole
    WriteFailed,     // the file could not be created or written; the old file is kept
    NothingSelected, // a library item needs at least one seal
    ThumbnailFailed, // the library thumbnail could not be made
};

// The outcome of a document operation; message() is what the user is told.
struct DocumentResult {
    DocumentError error = DocumentError::None;
    QString fileName; // full path, when the operation had one
    int version = 0;  // the rounded version, for OldVersion
    QString detail;   // the system's reason, for WriteFailed and ThumbnailFailed

    bool ok() const { return error == DocumentError::None; }
    // The user's message. Lines are broken by a carriage return, as the message box expects.
    QString message() const;
};

DocumentResult documentFailure(DocumentError error, const QString &fileName = {});

} // namespace qm
