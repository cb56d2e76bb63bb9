#pragma once

#include <QList>
#include <QString>

namespace qm {

class Seal;

// One face of one seal that lacks characters the seal draws with it.
struct MissingGlyphs {
    int index = 0; // the seal's position in the list given
    const Seal *seal = nullptr;
    QString face;       // the face name stored in the seal
    QString family;     // the installed family that face is drawn with
    QString characters; // each missing character once, in the order they are drawn
};

// The seals whose drawn texts (ring, flat and code texts alike) hold characters that the
// family their face maps to has no glyph for. Such a character comes out in some other face,
// or as an empty box, in print and export alike. Spaces and control characters are not
// counted. Widget-free; needs a QGuiApplication for the fonts.
QList<MissingGlyphs> sealsWithMissingGlyphs(const QList<const Seal *> &seals);

// One line per entry, carriage returns between them, naming the seal by its number in the list
// and its first text: "第1个印章“某某公司”：字体“宋体”缺少“…”".
QString describeMissingGlyphs(const QList<MissingGlyphs> &missing);

} // namespace qm
