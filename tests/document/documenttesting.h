#pragma once

// Small helpers shared by the document tests: legacy documents built byte by byte, a saved
// document's bytes, and a progress display that records what it was told.

#include "testing/testhelpers.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealtypes.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

namespace qm::testing {

inline QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A legacy record of a rectangular seal 40 x 20 mm whose top-left corner is at (10, 5) mm.
inline QByteArray legacyRecord(int size)
{
    QByteArray r(size, '\0');
    r[0] = char(SealType::stRect);
    putInt32(r, 1, 0x00FF0000); // PenColor, blue
    r[5] = char(BrushStyle::bsClear);
    r[6] = 1;                     // CodeOn
    putSingle(r, 21 - 4, 40);     // RealWidth
    putSingle(r, 25 - 4, 20);     // RealHeight
    putSingle(r, 69 - 4, 5);      // TextWidth
    putInt32(r, 201 - 4, 400);    // TextWeight
    putInt32(r, 225 - 4, 2400);   // TextAngle
    putInt32(r, 237 - 4, 1200);   // TextAngle3, the last field moved by 4
    putInt32(r, 237, 0x7FFFFFFF); // the four ignored bytes
    putInt32(r, 242, 3000);       // LineAngle
    putSingle(r, 287, 10);        // left edge
    putSingle(r, 291, 5);         // top edge
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

// The bytes SaveDocument writes for the document; empty when saving fails.
inline QByteArray savedDocument(const SealDocument &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NoProgress progress;
    return writeDocument(buffer, doc, progress).ok() ? buffer.data() : QByteArray();
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
