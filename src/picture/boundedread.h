#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// Why a file was not read.
enum class FileReadError {
    None,
    Missing,    // no such file
    NotRegular, // a folder, a pipe, a device or a socket
    TooLarge,   // more bytes than the caller accepts, by its size or by what it held when read
    Unreadable, // the system refused to open or read it; reason says why
};

struct FileReadResult {
    QByteArray bytes;
    FileReadError error = FileReadError::None;
    QString reason; // the system's reason, for Missing and Unreadable

    bool ok() const { return error == FileReadError::None; }
};

// Reads a file named by a user or a setting. Only regular files are read: the file is opened
// without waiting (a pipe without writer would block a plain open) and its open descriptor is
// examined, so nothing swapped in between is read instead. A file larger than maxBytes is
// refused before anything is read, and one that grows while read is refused too: no path can
// block the caller or make it read without end.
FileReadResult readRegularFile(const QString &path, qint64 maxBytes);
// The first `count` bytes (fewer when the file is shorter) under the same rules, for telling
// formats apart by their start.
FileReadResult readRegularFileStart(const QString &path, qint64 count);

// "<path> is not a regular file" and the like, for the command-line tool; empty when ok.
QString fileReadRefusal(const QString &path, const FileReadResult &result, qint64 maxBytes);

} // namespace qm
