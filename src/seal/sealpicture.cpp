#include "seal/sealpicture.h"

#include "picture/boundedread.h"
#include "picture/metafile.h"
#include "picture/picturedecoders.h"
#include "seal/paintersurface.h"
#include "seal/seallimits.h"

#include <QBuffer>
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

QImage decodeWithQt(const QByteArray &bytes, const char *format, QString *error, DecodeBudget &budget)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The header's size is what the reader allocates; it is taken before reading.
    const QSize size = reader.size();
    if (!size.isValid() || !budget.takePixels(size.width(), size.height())) {
        if (error)
            *error = size.isValid() ? u"picture too large"_s : reader.errorString();
        return {};
    }
    QImage image = reader.read();
    if (image.isNull() || qint64(image.width()) * image.height() > qint64(size.width()) * size.height()) {
        if (error)
            *error = image.isNull() ? reader.errorString() : u"picture larger than its header says"_s;
        return {};
    }
    return image;
}

// A metafile drawn at its natural size on white, without antialiasing, as the platform's
// player draws it.
QImage renderMetafile(const QByteArray &bytes, QString *error, DecodeBudget &budget)
{
    Metafile metafile;
    if (!metafile.load(bytes, error))
        return {};
    const QSize size = metafile.naturalSize();
    QImage image;
    if (budget.takePixels(size.width(), size.height()))
        image = QImage(size, QImage::Format_RGB32);
    if (image.isNull()) {
        if (error)
            *error = u"metafile picture too large"_s;
        return {};
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PainterSurface surface(&painter);
    const bool played = metafile.play(surface, QRect(QPoint(0, 0), size), &budget, error);
    painter.end();
    return played ? image : QImage();
}

QImage decode(SealPicture::Kind kind, const QByteArray &bytes, QString *why, DecodeBudget &budget)
{
    switch (kind) {
    case SealPicture::Kind::Bitmap:
        return decodeWithQt(bytes, "bmp", why, budget);
    case SealPicture::Kind::Icon:
        return decodeWithQt(bytes, "ico", why, budget);
    case SealPicture::Kind::Jpeg:
        return decodeJpeg(bytes, why, &budget);
    case SealPicture::Kind::Gif:
        return decodeGif(bytes, why, &budget);
    case SealPicture::Kind::Metafile:
        return renderMetafile(bytes, why, budget);
    default:
        *why = u"not a picture format Quillmark reads"_s;
        return {};
    }
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

SealPicture SealPicture::fromData(const QByteArray &bytes, QString *error, DecodeBudget *budget)
{
    DecodeBudget single;
    DecodeBudget &spend = budget ? *budget : single;
    const Kind kind = sniff(bytes);
    QString why;
    QImage image;
    // A picture that other seals of the document carry too is decoded once and counts once.
    const QImage *known = budget ? budget->decoded(bytes) : nullptr;
    if (known)
        image = *known;
    else
        image = decode(kind, bytes, &why, spend);
    if (image.isNull()) {
        if (error)
            *error = why.isEmpty() ? u"the picture cannot be decoded"_s : why;
        return {};
    }
    SealPicture p;
    p.m_kind = kind;
    p.m_bytes = bytes;
    p.m_image = image.convertToFormat(QImage::Format_RGB32);
    if (budget && !known)
        budget->keepDecoded(bytes, p.m_image);
    return p;
}

SealPicture SealPicture::fromFile(const QString &path, QString *error, DecodeBudget *budget)
{
    // The same bound as a picture embedded in a document.
    const FileReadResult read = readRegularFile(path, SealLimits::MaxPictureBytes);
    if (!read.ok()) {
        if (error)
            *error = fileReadRefusal(path, read, SealLimits::MaxPictureBytes);
        return {};
    }
    return fromData(read.bytes, error, budget);
}

} // namespace qm
