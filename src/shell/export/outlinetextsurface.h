#pragma once

#include "seal/paintersurface.h"

namespace qm {

// A painter surface for vector output: plain text is drawn as filled glyph outlines, so an SVG
// or PDF shows the seal's characters exactly, whatever fonts the viewer has.
class OutlineTextSurface : public PainterSurface
{
public:
    explicit OutlineTextSurface(QPainter *painter);

    void setBackgroundTransparent() override;
    void beginPath() override;
    void endPath() override;
    void textOut(int x, int y, const QString &text) override;

private:
    QPainter *m_painter;
    bool m_inPath = false;
    bool m_bkTransparent = false;
};

} // namespace qm
