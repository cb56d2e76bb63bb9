#include "seal/renderseals.h"

#include "seal/sealpropertytable.h"
#include "seal/tseal.h"

namespace qm {

void renderSeals(const QList<const TSeal *> &seals, float pixelsPerMm, int zoom, Surface &surface,
                 RenderOffset offset, SealColours colours)
{
    for (const TSeal *seal : seals) {
        // A fresh element for each seal: setters that act only on a change (the row count, the
        // pen colour) would otherwise start from whatever the seal before left behind.
        TSeal scratch;
        scratch.placeAtScale(pixelsPerMm, zoom);
        CopySealProperties(*seal, scratch);
        scratch.PaintTo(Round(scratch.Left() + offset.x), Round(scratch.Top() + offset.y), surface,
                        colours == SealColours::Own);
    }
}

void renderSeals(const QList<const TSeal *> &seals, long double pixelsPerMm, Surface &surface,
                 RenderOffset offset, SealColours colours)
{
    renderSeals(seals, float(pixelsPerMm), 100, surface, offset, colours);
}

} // namespace qm
