#pragma once

// Small helpers shared by the document tests: reading little-endian values out of written
// bytes, and a progress display that records what it was told.

#include "document/progressdisplay.h"
#include "seal/sealtypes.h"

#include <QByteArray>
#include <QStringList>

#include <cstring>

namespace qm::testing {

inline qint32 int32At(const QByteArray &b, qsizetype at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | uchar(b.at(at + i));
    return qint32(v);
}

inline qint64 int64At(const QByteArray &b, qsizetype at)
{
    quint64 v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | uchar(b.at(at + i));
    return qint64(v);
}

inline float singleAt(const QByteArray &b, qsizetype at)
{
    const quint32 bits = quint32(int32At(b, at));
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline void putInt32(QByteArray &b, qsizetype at, qint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(quint32(v) >> (8 * i));
}

inline void putSingle(QByteArray &b, qsizetype at, float f)
{
    quint32 bits;
    std::memcpy(&bits, &f, sizeof bits);
    putInt32(b, at, qint32(bits));
}

inline void putInt64(QByteArray &b, qsizetype at, qint64 v)
{
    for (int i = 0; i < 8; ++i)
        b[at + i] = char(quint64(v) >> (8 * i));
}

inline QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A legacy record of a rectangular seal 40 x 20 mm whose top-left corner is at (10, 5) mm.
inline QByteArray legacyRecord(int size)
{
    QByteArray r(size, '\0');
    r[0] = char(TSealType::stRect);
    putInt32(r, 1, 0x00FF0000); // PenColor, blue
    r[5] = char(TBrushStyle::bsClear);
    r[6] = 1;                   // CodeOn
    putSingle(r, 21 - 4, 40);   // RealWidth
    putSingle(r, 25 - 4, 20);   // RealHeight
    putSingle(r, 69 - 4, 5);    // TextWidth
    putInt32(r, 201 - 4, 400);  // TextWeight
    putInt32(r, 225 - 4, 2400); // TextAngle
    putInt32(r, 237 - 4, 1200); // TextAngle3, the last field moved by 4
    putInt32(r, 237, 0x7FFFFFFF); // the four ignored bytes
    putInt32(r, 242, 3000);     // LineAngle
    putSingle(r, 287, 10);      // left edge
    putSingle(r, 291, 5);       // top edge
    if (size >= 615)
        r.replace(295, 5, hex("BA DA CC E5 00")); // FontName 黑体
    if (size >= 635)
        putInt32(r, 615, 30); // TextPenWidth
    return r;
}

inline QByteArray legacyDocument(float version, int recordSize, const QByteArray &image = {})
{
    QByteArray b(28, '\0');
    putSingle(b, 0, version);
    b.replace(4, 10, hex("00 00 00 00 00 00 00 D2 06 40"));  // 210
    b.replace(14, 10, hex("00 00 00 00 00 00 80 94 07 40")); // 297
    putInt32(b, 24, 1);
    b.append(legacyRecord(recordSize));
    const QList<QByteArray> texts = {"AB", {}, {}, {}, "007", image};
    for (const QByteArray &t : texts) {
        QByteArray n(4, '\0');
        putInt32(n, 0, qint32(t.size()));
        b.append(n).append(t);
    }
    return b;
}

class RecordingProgress final : public ProgressDisplay
{
public:
    QStringList events;
    void showText(const QString &text) override { events << QStringLiteral("show ") + text; }
    void setMaximum(int m) override { events << QStringLiteral("max ") + QString::number(m); }
    void setPosition(int p) override { events << QStringLiteral("pos ") + QString::number(p); }
    void advance(int by) override { events << QStringLiteral("advance ") + QString::number(by); }
    void hide() override { events << QStringLiteral("hide"); }
};

} // namespace qm::testing
