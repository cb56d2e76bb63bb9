#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

struct FileReadResult;

// A picture file the user chose: its bytes, or why it cannot be used, as the message box says
// it.
struct PictureFile {
    QByteArray bytes;
    QString refusal;

    bool ok() const { return refusal.isEmpty(); }
};

// Reads the file as every picture path is read: a regular file only, no larger than a picture
// embedded in a document may be and no larger than a document, so that a pipe, a device or a
// huge file is refused at once.
PictureFile readPictureFile(const QString &path);

// "<name>不是普通文件，无法打开。" and the like; empty when the file was read.
QString fileReadMessage(const QString &path, const FileReadResult &read);

} // namespace qm
