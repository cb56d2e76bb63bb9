#include "document/selectionbounds.h"

#include "seal/tseal.h"

#include <algorithm>

namespace qm {
namespace {

template <typename List>
SelectionBox boundsOf(const List &seals)
{
    SelectionBox box;
    if (seals.empty())
        return box;
    const TSeal *first = seals.front();
    const long double k = static_cast<long double>(first->Zoom()) * first->PixelsPerMm();
    if (!(k > 0))
        return box;
    // 64-bit edges: a saturated pixel box must not overflow its right edge.
    qint64 left = first->Left();
    qint64 top = first->Top();
    qint64 right = left + first->Width();
    qint64 bottom = top + first->Height();
    for (const TSeal *s : seals) {
        left = std::min<qint64>(left, s->Left());
        top = std::min<qint64>(top, s->Top());
        right = std::max<qint64>(right, qint64(s->Left()) + s->Width());
        bottom = std::max<qint64>(bottom, qint64(s->Top()) + s->Height());
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

SelectionBox SelectionBounds(const std::vector<TSeal *> &seals)
{
    return boundsOf(seals);
}

SelectionBox SelectionBounds(const QList<const TSeal *> &seals)
{
    return boundsOf(seals);
}

} // namespace qm
