#pragma once

#include "picture/metafileemf.h"
#include "picture/metafilewmf.h"

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

namespace qm {

class DecodeBudget;
class Surface;

// A metafile emblem picture: an enhanced metafile or a placeable Windows metafile, told
// apart by their signatures. Loading checks the whole file; playing issues the records that
// emblems use (pens, brushes, lines, polygons, Bezier curves, rectangles, ellipses, arcs,
// paths, bitmaps, mapping and world transforms) as Surface operations and skips the rest
// (text, regions, clipping, palettes).
class Metafile
{
public:
    enum class Format : std::uint8_t { None, Enhanced, Placeable };

    // The format the signature announces, without checking the rest.
    static Format formatOf(const QByteArray &bytes);

    // False with a reason when the data is neither format, truncated or corrupt. Hostile
    // data is refused, never read past its end.
    bool load(const QByteArray &bytes, QString *error = nullptr);
    Format format() const { return m_format; }

    // The picture's size at 96 pixels per inch (an enhanced metafile's frame, or its bounds
    // when the frame is empty; a placeable metafile's box in its units per inch), at least
    // one pixel and shrunk to at most MaxNaturalSide on its longer side.
    QSize naturalSize() const;

    // Plays the picture onto `surface` with its frame filling `target`. The surface's pen,
    // brush and fill mode are as before afterwards. False with a reason, and the rest of the
    // picture not drawn, when its paths grow beyond their limit, or its widenings or the
    // pixels it paints beyond `budget` (a budget of one picture when none is given).
    bool play(Surface &surface, const QRect &target, DecodeBudget *budget = nullptr, QString *error = nullptr) const;

    static constexpr int MaxNaturalSide = 4096;
    static constexpr qsizetype MaxBytes = qsizetype(64) << 20;

private:
    Format m_format = Format::None;
    MetafileEmf m_emf;
    MetafileWmf m_wmf;
};

} // namespace qm
