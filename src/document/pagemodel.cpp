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
    m_width = Round(m_pageWidth * m_scale);
    m_height = Round(m_pageHeight * m_scale);
    resized();
}

void PageModel::SetZoom(int zoom)
{
    if (m_zoom == zoom)
        return;
    m_zoom = zoom;
    rescale();
}

void PageModel::SetPixelsPerInch(int ppi)
{
    if (m_pixelsPerInch == ppi)
        return;
    m_pixelsPerInch = ppi;
    rescale();
}

void PageModel::SetPageWidth(long double mm)
{
    if (m_pageWidth == mm)
        return;
    m_pageWidth = mm;
    m_width = Round(m_pageWidth * m_scale);
    resized();
    repaint();
}

void PageModel::SetPageHeight(long double mm)
{
    if (m_pageHeight == mm)
        return;
    m_pageHeight = mm;
    m_height = Round(m_pageHeight * m_scale);
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

void PageModel::SetLeftMargin(long double mm)
{
    setMargin(m_leftMargin, mm);
}

void PageModel::SetTopMargin(long double mm)
{
    setMargin(m_topMargin, mm);
}

void PageModel::SetRightMargin(long double mm)
{
    setMargin(m_rightMargin, mm);
}

void PageModel::SetBottomMargin(long double mm)
{
    setMargin(m_bottomMargin, mm);
}

void PageModel::SetGrid(bool grid)
{
    if (m_grid == grid)
        return;
    m_grid = grid;
    repaint();
}

} // namespace qm
