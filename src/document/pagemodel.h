#pragma once

namespace qm {

class PageModel;

// Told when the page must be painted again or its pixel size changed; the page widget
// implements it.
class PageListener
{
public:
    virtual ~PageListener() = default;
    virtual void pageRepaint(PageModel &page) = 0;
    virtual void pageResized(PageModel &page) = 0;
};

// One sheet of paper: its size and margins in millimetres (extended precision, as stored in
// documents), the zoom and the resolution of the display it is shown on, and the pixel size
// that follows from them. Every setter does nothing when the value is unchanged.
class PageModel
{
public:
    PageModel();

    void setListener(PageListener *listener) { m_listener = listener; }

    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom);
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int ppi);

    long double PageWidth() const { return m_pageWidth; }
    void SetPageWidth(long double mm);
    long double PageHeight() const { return m_pageHeight; }
    void SetPageHeight(long double mm);

    long double LeftMargin() const { return m_leftMargin; }
    void SetLeftMargin(long double mm);
    long double TopMargin() const { return m_topMargin; }
    void SetTopMargin(long double mm);
    long double RightMargin() const { return m_rightMargin; }
    void SetRightMargin(long double mm);
    long double BottomMargin() const { return m_bottomMargin; }
    void SetBottomMargin(long double mm);

    bool Grid() const { return m_grid; }
    void SetGrid(bool grid);

    // Pixels per millimetre at the current zoom: PixelsPerInch * Zoom / 2540.
    long double PixelsPerMm() const { return m_scale; }
    // The page's pixel size: Round(PageWidth * scale) by Round(PageHeight * scale).
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    void rescale();
    void setMargin(long double &margin, long double mm);
    void repaint();
    void resized();

    int m_zoom = 100;
    int m_pixelsPerInch = 96;
    long double m_pageWidth = 0;
    long double m_pageHeight = 0;
    long double m_leftMargin = 5;
    long double m_topMargin = 5;
    long double m_rightMargin = 5;
    long double m_bottomMargin = 5;
    bool m_grid = true;
    long double m_scale = 0;
    int m_width = 0;
    int m_height = 0;
    PageListener *m_listener = nullptr;
};

} // namespace qm
