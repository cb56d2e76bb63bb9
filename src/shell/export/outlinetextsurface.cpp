#include "shell/export/outlinetextsurface.h"

#include <QPainter>

namespace qm {

OutlineTextSurface::OutlineTextSurface(QPainter *painter) : PainterSurface(painter), m_painter(painter) {}

void OutlineTextSurface::setBackgroundTransparent()
{
    m_bkTransparent = true;
    PainterSurface::setBackgroundTransparent();
}

void OutlineTextSurface::beginPath()
{
    m_inPath = true;
    PainterSurface::beginPath();
}

void OutlineTextSurface::endPath()
{
    m_inPath = false;
    PainterSurface::endPath();
}

void OutlineTextSurface::textOut(int x, int y, const QString &text)
{
    // Text collected into a path, and text on an opaque background box, stay with the base.
    if (m_inPath || text.isEmpty() || (brushStyle() == SurfaceBrush::Solid && !m_bkTransparent)) {
        PainterSurface::textOut(x, y, text);
        return;
    }
    m_painter->fillPath(textPath(x, y, text), toQColor(fontColor()));
}

} // namespace qm
