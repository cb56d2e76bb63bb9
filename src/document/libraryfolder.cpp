#include "document/libraryfolder.h"

using namespace Qt::StringLiterals;

namespace qm {

QStringList libraryExtensions()
{
    return {u".YZL"_s};
}

QStringList emblemExtensions()
{
    return {u".BMP"_s, u".GIF"_s, u".JPG"_s, u".JPEG"_s, u".EMF"_s, u".WMF"_s, u".PNG"_s};
}

QStringList listFolderFiles(const QString &, const QStringList &)
{
    return {};
}

QString libraryNameRefusal(const QString &)
{
    return {};
}

QString newLibraryEntryFileName(const QString &name)
{
    return name + u".YZL"_s;
}

QString libraryEntryName(const QString &)
{
    return {};
}

QString findLibraryEntry(const QString &, const QString &)
{
    return {};
}

QSize libraryThumbnailScale(QSize picture, int)
{
    return picture;
}

QImage libraryEntryThumbnail(const QString &, int)
{
    return {};
}

QImage emblemFileThumbnail(const QString &, int)
{
    return {};
}

QByteArray emblemFilePictureBytes(const QString &, QString *)
{
    return {};
}

} // namespace qm
