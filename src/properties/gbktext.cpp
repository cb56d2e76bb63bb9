#include "properties/gbktext.h"

#include "seal/gbk.h"

namespace qm {

GbkText toGbkText(const QString &text, qsizetype maxBytes)
{
    GbkText out;
    const QByteArray gbk = Gbk::fromUnicode(text);
    if (Gbk::toUnicode(gbk) != text) {
        // Only then look for the culprits, one character (code point) at a time.
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString ch = text.mid(i, n);
            if (Gbk::toUnicode(Gbk::fromUnicode(ch)) != ch && !out.refused.contains(ch))
                out.refused += ch;
            i += n;
        }
        if (!out.refused.isEmpty())
            return out;
    }
    out.bytes = cutGbk(gbk, maxBytes);
    out.cut = out.bytes.size() < gbk.size();
    return out;
}

QByteArray cutGbk(const QByteArray &gbk, qsizetype maxBytes)
{
    if (gbk.size() <= maxBytes)
        return gbk;
    qsizetype end = 0;
    while (end < gbk.size()) {
        // 0x81 … 0xFE lead a double-byte character; every other byte stands alone.
        const uchar lead = uchar(gbk.at(end));
        const qsizetype width = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return gbk.left(end);
}

} // namespace qm
