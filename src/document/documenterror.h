#pragma once

#include <QString>

namespace qm {

enum class DocumentError {
    None,
    FileNotFound,    // the file to open does not exist
    OldVersion,      // written by a version below 5 (documents) or 8 (library items)
    BadFormat,       // not a seal document, or damaged: refused as a whole
    NotRegularFile,  // a folder, a pipe or a device where a document was expected
    WriteFailed,     // the file could not be created or written; the old file is kept
    NotWritable,     // our own reader would refuse the file (detail says why): nothing was written
    TooMuchToAdd,    // the seals would take the document beyond its limits (detail says how)
    NothingSelected, // a library item needs at least one seal
    ThumbnailFailed, // the library thumbnail could not be made
};

// The outcome of a document operation; message() is what the user is told.
struct DocumentResult {
    DocumentError error = DocumentError::None;
    QString fileName; // full path, when the operation had one
    int version = 0;  // the rounded version, for OldVersion
    // The system's reason, for WriteFailed and ThumbnailFailed; for BadFormat, when known, what
    // was refused ("seal 2: SealType 24 is outside 0 ... 23"), which the message box leaves out.
    QString detail;
    bool diskFull = false; // WriteFailed for want of space; detail is then "disk full"

    bool ok() const { return error == DocumentError::None; }
    // The user's message. Lines are broken by a carriage return, as the message box expects.
    QString message() const;
};

DocumentResult documentFailure(DocumentError error, const QString &fileName = {});
// BadFormat for the seal at index (counted from 0) of a file, with the reader's reason.
DocumentResult sealRefused(qsizetype index, const QString &why);

} // namespace qm
