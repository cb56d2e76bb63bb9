#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qm {

// File extensions of each folder, with the dot, compared without regard to case.
QStringList libraryExtensions(); // {".YZL"}
QStringList emblemExtensions();  // {".BMP", ".GIF", ".JPG", ".JPEG", ".EMF", ".WMF", ".PNG"}

// The folder's regular files whose extension is one of `extensions` (without regard to case),
// as full paths spelled as on disk, in the order the file system enumerates them. Folders,
// devices, pipes, sockets and dangling links are skipped; a missing folder lists nothing.
QStringList listFolderFiles(const QString &folder, const QStringList &extensions);

// Why `name` cannot name a library entry (empty, a path separator, "..", a control character,
// a character a file name cannot hold, a blank or dot at either end), as the message box says
// it; empty when it can.
QString libraryNameRefusal(const QString &name);
// The file name a new entry gets: the name with ASCII a-z upper-cased, and ".YZL".
QString newLibraryEntryFileName(const QString &name);
// The entry name of a path: its file name without the extension.
QString libraryEntryName(const QString &path);
// The listed entry of the folder whose entry name equals `name` without regard to case, as
// listed on disk; empty when there is none.
QString findLibraryEntry(const QString &folder, const QString &name);

// The size a picture is drawn at in a thumbnail of `size` pixels: unchanged when it fits; else
// a wide picture gets width size - 8 and its height in proportion, any other height size - 8
// and its width in proportion, rounded half to even.
QSize libraryThumbnailScale(QSize picture, int size);
// The thumbnail picture of a library entry: the GIF stored in the item, read through the
// checked file reader within the document size limit and scaled by libraryThumbnailScale. A
// null image when it cannot be read (short file, bad length, bad GIF).
QImage libraryEntryThumbnail(const QString &path, int size);
// An emblem file for a thumbnail: decoded (BMP, GIF, JPEG, EMF, WMF, PNG) and scaled by the
// same rule when larger than `size`; a null image when it cannot be read or decoded.
QImage emblemFileThumbnail(const QString &path, int size);
// The bytes a seal's picture gets from an emblem file: the file as stored, except a PNG, which
// becomes a 24-bit BMP with transparent pixels flattened onto white. Empty, with *refusal set,
// when the file cannot be read or decoded.
QByteArray emblemFilePictureBytes(const QString &path, QString *refusal);

} // namespace qm
