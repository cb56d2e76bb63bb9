#include "document/selectionbounds.h"

#include "seal/seal.h"

#include <algorithm>

namespace qm {
namespace {

template <typename List> SelectionBox boundsOf(const List &seals)
{
    SelectionBox box;
    if (seals.empty())
        return box;
    const Seal *first = seals.front();
    const long double k = static_cast<long double>(first->Zoom()) * first->PixelsPerMm();
    if (!(k > 0))
        return box;
    // 64-bit edges: a saturated pixel box must not overflow its right edge.
    qint64 left = first->left();
    qint64 top = first->top();
    qint64 right = left + first->width();
    qint64 bottom = top + first->height();
    for (const Seal *s : seals) {
        left = std::min<qint64>(left, s->left());
        top = std::min<qint64>(top, s->top());
        right = std::max<qint64>(right, qint64(s->left()) + s->width());
        bottom = std::max<qint64>(bottom, qint64(s->top()) + s->height());
    }
    const long double mmPerPixel = 100 / k;
    box.right = right * mmPerPixel;
    box.bottom = bottom * mmPerPixel;
    box.left = left * mmPerPixel;
    box.top = top * mmPerPixel;
    box.notEmpty = true;
    return box;
}

} // namespace

SelectionBox selectionBounds(const std::vector<Seal *> &seals)
{
    return boundsOf(seals);
}

SelectionBox selectionBounds(const QList<const Seal *> &seals)
{
    return boundsOf(seals);
}

} // namespace qm
