#include "document/pagemodel.h"

#include "seal/sealtypes.h"

namespace qm {

PageModel::PageModel()
{
    m_scale = static_cast<long double>(m_pixelsPerInch) * m_zoom / 2540;
}

void PageModel::repaint()
{
    if (m_listener)
        m_listener->pageRepaint(*this);
}

void PageModel::resized()
{
    if (m_listener)
        m_listener->pageResized(*this);
}

void PageModel::rescale()
{
    m_scale = static_cast<long double>(m_pixelsPerInch) * m_zoom / 2540;
    m_width = roundHalfEven(m_pageWidth * m_scale);
    m_height = roundHalfEven(m_pageHeight * m_scale);
    resized();
}

void PageModel::setZoom(int zoom)
{
    if (m_zoom == zoom)
        return;
    m_zoom = zoom;
    rescale();
}

void PageModel::setPixelsPerInch(int ppi)
{
    if (m_pixelsPerInch == ppi)
        return;
    m_pixelsPerInch = ppi;
    rescale();
}

void PageModel::setPageWidth(long double mm)
{
    if (m_pageWidth == mm)
        return;
    m_pageWidth = mm;
    m_width = roundHalfEven(m_pageWidth * m_scale);
    resized();
    repaint();
}

void PageModel::setPageHeight(long double mm)
{
    if (m_pageHeight == mm)
        return;
    m_pageHeight = mm;
    m_height = roundHalfEven(m_pageHeight * m_scale);
    resized();
    repaint();
}

void PageModel::setMargin(long double &margin, long double mm)
{
    if (margin == mm)
        return;
    margin = mm;
    repaint();
}

void PageModel::setLeftMargin(long double mm)
{
    setMargin(m_leftMargin, mm);
}

void PageModel::setTopMargin(long double mm)
{
    setMargin(m_topMargin, mm);
}

void PageModel::setRightMargin(long double mm)
{
    setMargin(m_rightMargin, mm);
}

void PageModel::setBottomMargin(long double mm)
{
    setMargin(m_bottomMargin, mm);
}

void PageModel::setGrid(bool grid)
{
    if (m_grid == grid)
        return;
    m_grid = grid;
    repaint();
}

} // namespace qm
