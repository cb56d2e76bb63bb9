#pragma once

#include <QList>

#include <cstdint>

namespace qm {

class Surface;
class Seal;

// Where the seals land on the surface: a seal whose box at the target scale starts at pixel
// (left, top) is drawn with its top-left corner at (roundHalfEven(left + x), roundHalfEven(top + y)).
struct RenderOffset {
    long double x = 0;
    long double y = 0;
};

// Own: every seal in its own colours. Black: in black, except that white seals stay white.
enum class SealColours : std::uint8_t { Own, Black };

// Paints the seals in list order onto the surface at pixelsPerMm (zoom 100). Each is drawn
// through a scratch element of its own, created at that scale, that receives the seal's stored
// properties, texts and picture; so no seal's drawing depends on the seals before it, and the
// seals themselves are not changed. Export, library thumbnails, printing and every view of
// seals at a scale of their own draw through here.
void renderSeals(const QList<const Seal *> &seals, long double pixelsPerMm, Surface &surface, RenderOffset offset,
                 SealColours colours);

// The same at a resolution and zoom, as a page shows its seals: each scratch element is placed
// exactly as a seal of that resolution and zoom, so it covers the seal's own pixel box.
void renderSeals(const QList<const Seal *> &seals, float pixelsPerMm, int zoom, Surface &surface, RenderOffset offset,
                 SealColours colours);

} // namespace qm
