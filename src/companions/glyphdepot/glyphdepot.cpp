#include "companions/glyphdepot/glyphdepot.h"

#include "picture/boundedread.h"
#include "picture/decodebudget.h"
#include "picture/picturedecoders.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPaintDevice>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

QString resourcePath(const QString &name)
{
    return u":/glyphdepot/"_s + name + u".gif"_s;
}

// Emblems are the numbers whose thumbnail and full picture are both built in, from 0 up.
qint32 countEmblems()
{
    qint32 n = 0;
    while (QFile::exists(resourcePath(u"A"_s + QString::number(n))) &&
           QFile::exists(resourcePath(u"B"_s + QString::number(n))))
        ++n;
    return n;
}

// Only the names the program forms; anything else (paths, stray characters, "A007") is unknown.
bool isBuiltInName(const QString &name)
{
    if (name == u"Splash"_s || name == u"Wallpaper"_s)
        return true;
    if (name.size() < 2 || (name.front() != u'A' && name.front() != u'B'))
        return false;
    const QStringView digits = QStringView(name).mid(1);
    if (digits.size() > 1 && digits.front() == u'0')
        return false;
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number < GetPictureCount();
}

// The largest wallpaper file: the largest picture uncompressed, four bytes a pixel.
constexpr qint64 MaxWallpaperBytes = 4 * MaxPicturePixels;

QImage readWallpaperFile(const QString &path)
{
    // The path comes from a setting: a pipe, a device or a huge file is refused before reading.
    const FileReadResult read = readRegularFile(path, MaxWallpaperBytes);
    if (!read.ok())
        return {};
    if (read.bytes.startsWith("GIF87a") || read.bytes.startsWith("GIF89a"))
        return decodeGif(read.bytes, nullptr);
    QBuffer buffer;
    buffer.setData(read.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPictureSide || size.height() > MaxPictureSide ||
        qint64(size.width()) * size.height() > MaxPicturePixels)
        return {};
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

// An address inside this library that nothing outside can take for its own.
void anchor()
{
}

} // namespace

bool LoadAPicture(GifPicture &picture, const QString &name)
{
    picture.clear();
    if (!isBuiltInName(name))
        return false;
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return picture.loadFromData(file.readAll());
}

qint32 GetPictureCount()
{
    static const qint32 count = countEmblems();
    return count;
}

QImage SetBkGnd(const QPaintDevice *clientArea, const QString &path)
{
    QImage image;
    if (path.isEmpty()) {
        GifPicture builtIn;
        if (LoadAPicture(builtIn, u"Wallpaper"_s))
            image = builtIn.image();
    } else {
        image = readWallpaperFile(path);
    }
    if (!image.isNull() && clientArea)
        image.setDevicePixelRatio(clientArea->devicePixelRatio());
    return image;
}

QString CompanionFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&anchor), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

} // namespace qm
