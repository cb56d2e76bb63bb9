#include "document/libraryfolder.h"

#include "document/binaryreader.h"
#include "picture/boundedread.h"
#include "picture/decodebudget.h"
#include "picture/documentlimits.h"
#include "picture/picturedecoders.h"
#include "seal/seallimits.h"
#include "seal/sealpicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Characters that no file name of the library may hold, on this system or on the ones its
// files are carried to.
const QString &forbiddenCharacters()
{
    static const QString chars = u"\\/:*?\"<>|"_s;
    return chars;
}

// The longest file name most file systems hold, in bytes.
constexpr int MaxFileNameBytes = 255;

bool isPng(const QByteArray &bytes)
{
    return bytes.startsWith("\x89PNG\r\n\x1A\n");
}

// A PNG decoded within the limits of one picture: its header's size is checked before the
// pixels are allocated.
QImage decodePng(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    DecodeBudget budget(MaxPicturePixels);
    if (!size.isValid() || !budget.takePixels(size.width(), size.height()))
        return {};
    const QImage image = reader.read();
    return image.size() == size ? image : QImage();
}

// The picture of an emblem file as the seal would show it; a null image when it cannot be read
// or decoded.
QImage decodeEmblem(const QByteArray &bytes)
{
    if (isPng(bytes))
        return decodePng(bytes);
    return SealPicture::fromData(bytes).image();
}

QImage scaledForThumbnail(const QImage &picture, int size)
{
    const QSize scaled = libraryThumbnailScale(picture.size(), size);
    if (picture.isNull() || scaled == picture.size())
        return picture;
    return picture.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QStringList libraryExtensions()
{
    return {u".YZL"_s};
}

QStringList emblemExtensions()
{
    return {u".BMP"_s, u".GIF"_s, u".JPG"_s, u".JPEG"_s, u".EMF"_s, u".WMF"_s, u".PNG"_s};
}

QStringList listFolderFiles(const QString &folder, const QStringList &extensions)
{
    QStringList paths;
    if (folder.isEmpty())
        return paths;
    // Files only: a folder, a pipe or a device named like an entry would block or fail the
    // reads that follow. Hidden files count as any other.
    QDirIterator it(folder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (!info.isFile())
            continue;
        const QString name = info.fileName();
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot < 0)
            continue;
        const QString extension = name.mid(dot);
        if (extensions.contains(extension, Qt::CaseInsensitive))
            paths.append(it.filePath());
    }
    return paths;
}

QString libraryNameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("Document", "请给印章提供一个名字！");
    for (const QChar c : name) {
        if (forbiddenCharacters().contains(c))
            return QCoreApplication::translate("Document", "章名不能含有 \\ / : * ? \" < > | 等字符。");
        if (c.category() == QChar::Other_Control)
            return QCoreApplication::translate("Document", "章名不能含有控制字符。");
    }
    if (name.contains(u".."_s))
        return QCoreApplication::translate("Document", "章名不能含有“..”。");
    if (name.front().isSpace() || name.back().isSpace() || name.front() == u'.' || name.back() == u'.')
        return QCoreApplication::translate("Document", "章名不能以空格或句点开头或结尾。");
    if (newLibraryEntryFileName(name).toUtf8().size() > MaxFileNameBytes)
        return QCoreApplication::translate("Document", "章名太长。");
    return {};
}

QString newLibraryEntryFileName(const QString &name)
{
    QString upper = name;
    for (QChar &c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return upper + u".YZL"_s;
}

QString libraryEntryName(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

QString findLibraryEntry(const QString &folder, const QString &name)
{
    for (const QString &path : listFolderFiles(folder, libraryExtensions()))
        if (libraryEntryName(path).compare(name, Qt::CaseInsensitive) == 0)
            return path;
    return {};
}

QSize libraryThumbnailScale(QSize picture, int size)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0 || (w <= size && h <= size))
        return picture;
    const int limit = size - 8;
    // At least a pixel, so that a hairline picture still shows.
    if (w > h)
        return {limit, qMax(1, int(std::nearbyint(double(h) * limit / w)))};
    return {qMax(1, int(std::nearbyint(double(w) * limit / h))), limit};
}

QImage libraryEntryThumbnail(const QString &path, int size)
{
    const FileReadResult read = readRegularFile(path, MaxDocumentBytes);
    if (!read.ok())
        return {};
    // The version, the GIF's length and the GIF; the length is only believed when the bytes
    // are there.
    BinaryReader in(read.bytes);
    in.single();
    const qint64 length = in.int64();
    if (length <= 0 || !in.has(length))
        return {};
    QString why;
    const QImage gif = decodeGif(in.bytes(length).toByteArray(), &why);
    return scaledForThumbnail(gif, size);
}

QImage emblemFileThumbnail(const QString &path, int size)
{
    const FileReadResult read = readRegularFile(path, SealLimits::MaxPictureBytes);
    if (!read.ok())
        return {};
    return scaledForThumbnail(decodeEmblem(read.bytes), size);
}

QByteArray emblemFilePictureBytes(const QString &path, QString *refusal)
{
    const QString name = QFileInfo(path).fileName();
    const FileReadResult read = readRegularFile(path, SealLimits::MaxPictureBytes);
    if (!read.ok()) {
        if (refusal)
            *refusal = QCoreApplication::translate("Document", "无法读取徽标文件<%1>。").arg(name);
        return {};
    }
    const QImage picture = decodeEmblem(read.bytes);
    if (picture.isNull()) {
        if (refusal)
            *refusal = QCoreApplication::translate("Document", "<%1>不是可以识别的图片。").arg(name);
        return {};
    }
    if (!isPng(read.bytes))
        return read.bytes;
    // The seal keeps bitmaps without transparency: what shows through is the paper's white.
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, picture);
    }
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes a picture without alpha as a 24-bit bitmap.
    if (!flat.save(&buffer, "BMP")) {
        if (refusal)
            *refusal = QCoreApplication::translate("Document", "<%1>不是可以识别的图片。").arg(name);
        return {};
    }
    return bmp;
}

} // namespace qm
