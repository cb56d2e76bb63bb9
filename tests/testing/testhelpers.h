#pragma once

// Helpers that test files in several folders share: seals at a round scale, recorded drawing
// operations as text, pictures as file bytes, ink found in a picture, a program run to its end,
// and little-endian fields read from and written into bytes.

#include "seal/fontsubstitution.h"
#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QRawFont>
#include <QRect>
#include <QStringList>
#include <QtEndian>

#include <cstring>
#include <memory>

namespace qm::testing {

// 10 pixels per millimetre at zoom 100: every pixel length is the millimetre length times ten.
// A GBK letter that the family the stored face maps to has no glyph for; empty when it has all.
inline QString characterLackingIn(const QString &face)
{
    QFont font(FontSubstitution::familyFor(Gbk::fromUnicode(face)));
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    for (int code = 0x8140; code <= 0xFEFE; ++code) {
        const QString u = Gbk::toUnicode(QByteArray().append(char(code >> 8)).append(char(code & 0xFF)));
        if (u.size() == 1 && u[0].isLetter() && !raw.supportsCharacter(u[0]))
            return u;
    }
    return {};
}

inline void atTenPixelsPerMm(Seal &seal)
{
    seal.setPixelsPerMm(10);
    seal.setZoom(100);
}

// A seal of the given kind and size in millimetres at 10 pixels per millimetre.
inline void atTenPixelsPerMm(Seal &seal, SealType type, float width = 40, float height = 40)
{
    atTenPixelsPerMm(seal);
    seal.setSealType(type);
    seal.setRealWidth(width);
    seal.setRealHeight(height);
}

// A new element of the given kind, its size the default, at 10 pixels per millimetre.
inline std::unique_ptr<Seal> newElement(SealType type)
{
    auto seal = std::make_unique<Seal>();
    atTenPixelsPerMm(*seal);
    seal->setSealType(type);
    return seal;
}

// A new seal of the given kind, centre and size in millimetres at 10 pixels per millimetre.
inline std::unique_ptr<Seal> newSealAt(SealType type, float centreX, float centreY, float width, float height)
{
    auto seal = std::make_unique<Seal>();
    atTenPixelsPerMm(*seal, type, width, height);
    seal->setRealCenterX(centreX);
    seal->setRealCenterY(centreY);
    return seal;
}

// "Op arg arg (x,y) (x,y)" for one recorded operation.
inline QString describe(const TraceOp &op)
{
    QString s = op.op;
    for (int a : op.args)
        s += u' ' + QString::number(a);
    for (const QPoint &p : op.points)
        s += QStringLiteral(" (%1,%2)").arg(p.x()).arg(p.y());
    return s;
}

inline QStringList describeAll(const QList<TraceOp> &ops)
{
    QStringList out;
    for (const TraceOp &op : ops)
        out << describe(op);
    return out;
}

// A picture as the bytes of a file in one of Qt's formats ("BMP", "JPEG", "ICO", "PNG").
inline QByteArray imageBytes(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The smallest rectangle holding every pixel that is neither white nor fully transparent.
inline QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if ((c & 0xFFFFFF) != 0xFFFFFF && qAlpha(c) != 0)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

// A program run to its end, as a user runs it from a shell.
struct ProcessRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ProcessRun runProcess(const QString &program, const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(timeoutMs);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A little-endian field of written bytes; zero when it lies beyond their end.
template <typename T> T littleEndianAt(const QByteArray &b, qsizetype at)
{
    if (at < 0 || at + qsizetype(sizeof(T)) > b.size())
        return T(0);
    return qFromLittleEndian<T>(b.constData() + at);
}

inline quint16 uint16At(const QByteArray &b, qsizetype at)
{
    return littleEndianAt<quint16>(b, at);
}
inline quint32 uint32At(const QByteArray &b, qsizetype at)
{
    return littleEndianAt<quint32>(b, at);
}
inline qint16 int16At(const QByteArray &b, qsizetype at)
{
    return littleEndianAt<qint16>(b, at);
}
inline qint32 int32At(const QByteArray &b, qsizetype at)
{
    return littleEndianAt<qint32>(b, at);
}
inline qint64 int64At(const QByteArray &b, qsizetype at)
{
    return littleEndianAt<qint64>(b, at);
}

inline float singleAt(const QByteArray &b, qsizetype at)
{
    const quint32 bits = uint32At(b, at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// Writes a little-endian field over bytes that already reach past it.
template <typename T> void putLittleEndian(QByteArray &b, qsizetype at, T value)
{
    Q_ASSERT(at >= 0 && at + qsizetype(sizeof(T)) <= b.size());
    qToLittleEndian(value, b.data() + at);
}

inline void putInt16(QByteArray &b, qsizetype at, quint16 v)
{
    putLittleEndian(b, at, v);
}
inline void putInt32(QByteArray &b, qsizetype at, qint32 v)
{
    putLittleEndian(b, at, v);
}
inline void putInt64(QByteArray &b, qsizetype at, qint64 v)
{
    putLittleEndian(b, at, v);
}

inline void putSingle(QByteArray &b, qsizetype at, float f)
{
    quint32 bits;
    std::memcpy(&bits, &f, sizeof bits);
    putLittleEndian(b, at, bits);
}

} // namespace qm::testing
