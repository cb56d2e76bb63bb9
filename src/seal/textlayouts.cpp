#include "seal/textlayouts.h"

#include "seal/surface.h"

namespace qm {

void DrawTextBlock(Surface &, int, int, const TextBlock &) {}
void DrawEllipseText(Surface &, int, int, const EllipseText &) {}

} // namespace qm
