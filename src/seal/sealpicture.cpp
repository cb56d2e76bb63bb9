#include "seal/sealpicture.h"

#include "picture/metafile.h"
#include "picture/picturedecoders.h"
#include "seal/paintersurface.h"
#include "seal/seallimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    if (b.size() < at + 4)
        return 0;
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

QImage decodeWithQt(const QByteArray &bytes, const char *format, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && (qint64(size.width()) * size.height() > SealPicture::MaxPixels
                           || size.width() > SealPicture::MaxSide || size.height() > SealPicture::MaxSide)) {
        if (error)
            *error = u"picture too large"_s;
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    return image;
}

// A metafile drawn at its natural size on white, without antialiasing, as the platform's
// player draws it.
QImage renderMetafile(const QByteArray &bytes, QString *error)
{
    Metafile metafile;
    if (!metafile.load(bytes, error))
        return {};
    const QSize size = metafile.naturalSize();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error)
            *error = u"metafile picture too large"_s;
        return {};
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PainterSurface surface(&painter);
    metafile.play(surface, QRect(QPoint(0, 0), size));
    painter.end();
    return image;
}

} // namespace

SealPicture::Kind SealPicture::sniff(const QByteArray &b)
{
    if (b.startsWith("BM"))
        return Kind::Bitmap;
    if (b.startsWith("\xFF\xD8"))
        return Kind::Jpeg;
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a"))
        return Kind::Gif;
    if (b.startsWith(QByteArray("\x00\x00\x01\x00", 4)))
        return Kind::Icon;
    if (le32(b, 0) == 1 && le32(b, 40) == 0x464D4520) // EMR_HEADER with the " EMF" signature
        return Kind::Metafile;
    if (le32(b, 0) == 0x9AC6CDD7) // placeable metafile key
        return Kind::Metafile;
    return Kind::None;
}

SealPicture SealPicture::fromData(const QByteArray &bytes, QString *error)
{
    const Kind kind = sniff(bytes);
    QString why;
    QImage image;
    switch (kind) {
    case Kind::Bitmap:
        image = decodeWithQt(bytes, "bmp", &why);
        break;
    case Kind::Icon:
        image = decodeWithQt(bytes, "ico", &why);
        break;
    case Kind::Jpeg:
        image = decodeJpeg(bytes, &why);
        break;
    case Kind::Gif:
        image = decodeGif(bytes, &why);
        break;
    case Kind::Metafile:
        image = renderMetafile(bytes, &why);
        break;
    default:
        why = u"not a picture format Quillmark reads"_s;
        break;
    }
    if (image.isNull()) {
        if (error)
            *error = why.isEmpty() ? u"the picture cannot be decoded"_s : why;
        return {};
    }
    SealPicture p;
    p.m_kind = kind;
    p.m_bytes = bytes;
    p.m_image = image.convertToFormat(QImage::Format_RGB32);
    return p;
}

SealPicture SealPicture::fromFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = u"cannot open %1"_s.arg(path);
        return {};
    }
    // The same bound as a picture embedded in a document.
    if (file.size() > SealLimits::MaxPictureBytes) {
        if (error)
            *error = u"picture file too large"_s;
        return {};
    }
    return fromData(file.readAll(), error);
}

} // namespace qm
