#include "document/placeholdertext.h"

using namespace Qt::StringLiterals;

namespace qm {

PlaceholderText::PlaceholderText(const QString &text, QString *error)
{
    QString literal;
    const auto refuse = [&](const QString &why) {
        if (error)
            *error = why;
        m_pieces = {{text, -1}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text.at(i + 1) == c) {
            literal.append(c);
            ++i;
            continue;
        }
        if (c == u'}') {
            refuse(u"a } without its {"_s);
            return;
        }
        if (c != u'{') {
            literal.append(c);
            continue;
        }
        const qsizetype close = text.indexOf(u'}', i + 1);
        const qsizetype nested = text.indexOf(u'{', i + 1);
        if (close < 0 || (nested >= 0 && nested < close)) {
            refuse(u"a { without its }"_s);
            return;
        }
        if (close == i + 1) {
            refuse(u"an empty placeholder {}"_s);
            return;
        }
        if (!literal.isEmpty())
            m_pieces.append({literal, -1});
        literal.clear();
        m_pieces.append({text.mid(i + 1, close - i - 1), -2});
        i = close;
    }
    if (!literal.isEmpty())
        m_pieces.append({literal, -1});
}

bool PlaceholderText::hasPlaceholders() const
{
    for (const Piece &piece : m_pieces)
        if (piece.column != -1)
            return true;
    return false;
}

QStringList PlaceholderText::names() const
{
    QStringList out;
    for (const Piece &piece : m_pieces)
        if (piece.column != -1 && !out.contains(piece.literal))
            out.append(piece.literal);
    return out;
}

QStringList PlaceholderText::bind(const QStringList &columns)
{
    QStringList unknown;
    for (Piece &piece : m_pieces) {
        if (piece.column == -1)
            continue;
        piece.column = int(columns.indexOf(piece.literal));
        if (piece.column < 0) {
            piece.column = -2;
            if (!unknown.contains(piece.literal))
                unknown.append(piece.literal);
        }
    }
    return unknown;
}

QString PlaceholderText::fill(const QStringList &cells) const
{
    QString out;
    fill(
        cells, [](const QString &, const QString &) { return true; }, &out);
    return out;
}

} // namespace qm
