#include "seal/renderseals.h"

#include "seal/seal.h"
#include "seal/sealpropertytable.h"

namespace qm {

void renderSeals(const QList<const Seal *> &seals, float pixelsPerMm, int zoom, Surface &surface, RenderOffset offset,
                 SealColours colours)
{
    for (const Seal *seal : seals) {
        // A fresh element for each seal: setters that act only on a change (the row count, the
        // pen colour) would otherwise start from whatever the seal before left behind.
        Seal scratch;
        scratch.placeAtScale(pixelsPerMm, zoom);
        copySealProperties(*seal, scratch);
        scratch.paintTo(roundHalfEven(scratch.left() + offset.x), roundHalfEven(scratch.top() + offset.y), surface,
                        colours == SealColours::Own);
    }
}

void renderSeals(const QList<const Seal *> &seals, long double pixelsPerMm, Surface &surface, RenderOffset offset,
                 SealColours colours)
{
    renderSeals(seals, float(pixelsPerMm), 100, surface, offset, colours);
}

} // namespace qm
