#pragma once

// Small helpers shared by the document tests: reading little-endian values out of written
// bytes, and a progress display that records what it was told.

#include "document/progressdisplay.h"

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
