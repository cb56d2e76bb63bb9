#include "picture/metafile.h"

#include "picture/decodebudget.h"
#include "picture/drawingtypes.h"

#include <QtEndian>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

Metafile::Format Metafile::formatOf(const QByteArray &bytes)
{
    auto le32 = [&](qsizetype at) {
        return bytes.size() >= at + 4 ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0u;
    };
    if (le32(0) == 1 && le32(40) == 0x464D4520) // header record with the " EMF" signature
        return Format::Enhanced;
    if (le32(0) == 0x9AC6CDD7) // placeable key
        return Format::Placeable;
    return Format::None;
}

bool Metafile::load(const QByteArray &bytes, QString *error)
{
    m_format = Format::None;
    if (bytes.size() > MaxBytes) {
        if (error)
            *error = u"metafile too large"_s;
        return false;
    }
    const Format format = formatOf(bytes);
    bool ok = false;
    if (format == Format::Enhanced)
        ok = m_emf.load(bytes, error);
    else if (format == Format::Placeable)
        ok = m_wmf.load(bytes, error);
    else if (error)
        *error = u"not a metafile"_s;
    if (ok)
        m_format = format;
    return ok;
}

QSize Metafile::naturalSize() const
{
    QSize size;
    if (m_format == Format::Enhanced)
        size = m_emf.naturalSize();
    else if (m_format == Format::Placeable)
        size = m_wmf.naturalSize();
    else
        return {};
    int w = std::max(size.width(), 1), h = std::max(size.height(), 1);
    // A picture drawn for a huge page is kept in proportion within the side limit.
    if (w > MaxNaturalSide || h > MaxNaturalSide) {
        const long double scale = (long double)MaxNaturalSide / std::max(w, h);
        w = std::clamp(roundHalfEven(w * scale), 1, MaxNaturalSide);
        h = std::clamp(roundHalfEven(h * scale), 1, MaxNaturalSide);
    }
    return QSize(w, h);
}

bool Metafile::play(Surface &surface, const QRect &target, DecodeBudget *budget, QString *error) const
{
    const QRectF box(target);
    DecodeBudget single;
    if (m_format == Format::Enhanced)
        return m_emf.play(surface, box, budget ? *budget : single, error);
    if (m_format == Format::Placeable)
        return m_wmf.play(surface, box, budget ? *budget : single, error);
    return true;
}

} // namespace qm
