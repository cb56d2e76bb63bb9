#include "seal/missingglyphs.h"

#include "seal/fontsubstitution.h"
#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QRawFont>

#include <algorithm>

#include <utility>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Whether the family's own font, not a fallback Qt would merge in, has a glyph for c.
bool familyHas(const QString &family, char32_t c)
{
    // A raw font belongs to the thread that made it.
    thread_local QHash<QString, QRawFont> fonts;
    auto it = fonts.find(family);
    if (it == fonts.end()) {
        QFont font(family);
        font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::NoFontMerging));
        it = fonts.insert(family, QRawFont::fromFont(font));
    }
    return it->isValid() && it->supportsCharacter(uint(c));
}

bool countsAsGlyph(char32_t c)
{
    const QChar::Category cat = QChar::category(c);
    return !QChar::isSpace(c) && cat != QChar::Other_Control && cat != QChar::Other_Format;
}

QString firstText(const Seal &seal)
{
    for (const QByteArray *text : {&seal.Text(), &seal.Text1(), &seal.Text2(), &seal.Text3(), &seal.Code()})
        if (!text->isEmpty())
            return Gbk::toUnicode(*text);
    return {};
}

} // namespace

QList<MissingGlyphs> sealsWithMissingGlyphs(const QList<const Seal *> &seals)
{
    QList<MissingGlyphs> out;
    for (int i = 0; i < seals.size(); ++i) {
        // What the seal really draws, and in which face: the kind decides which of its texts
        // appear, and the code has a face of its own.
        RecordingSurface surface;
        renderSeals({seals[i]}, 4.0L, surface, {}, SealColours::Own);
        QList<std::pair<QByteArray, QString>> drawn; // face, characters, in drawing order
        for (const TraceOp &op : surface.ops()) {
            if (!op.isText())
                continue;
            auto it = std::find_if(drawn.begin(), drawn.end(), [&](const auto &d) { return d.first == op.font.face; });
            if (it == drawn.end())
                drawn.append({op.font.face, op.text});
            else
                it->second += op.text;
        }
        for (const auto &[faceGbk, text] : std::as_const(drawn)) {
            const QString family = FontSubstitution::familyFor(faceGbk);
            QString missing;
            for (char32_t c : text.toUcs4()) {
                const QString one = QString::fromUcs4(&c, 1);
                if (countsAsGlyph(c) && !missing.contains(one) && !familyHas(family, c))
                    missing += one;
            }
            if (!missing.isEmpty())
                out.append({i, seals[i], FontSubstitution::faceName(faceGbk), family, missing});
        }
    }
    return out;
}

QString describeMissingGlyphs(const QList<MissingGlyphs> &missing)
{
    QStringList lines;
    for (const MissingGlyphs &m : missing) {
        QString name = firstText(*m.seal);
        if (name.size() > 16)
            name = name.left(15) + u'…';
        const QString seal =
            name.isEmpty()
                ? QCoreApplication::translate("Seal", "第%1个印章").arg(m.index + 1)
                : QCoreApplication::translate("Seal", "第%1个印章“%2”").arg(QString::number(m.index + 1), name);
        lines << QCoreApplication::translate("Seal", "%1：字体“%2”缺少“%3”")
                     .arg(seal, m.face.isEmpty() ? m.family : m.face, m.characters);
    }
    return lines.join(u'\r');
}

} // namespace qm
