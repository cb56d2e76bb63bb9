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

    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    int pixelsPerInch() const { return m_pixelsPerInch; }
    void setPixelsPerInch(int ppi);

    long double pageWidth() const { return m_pageWidth; }
    void setPageWidth(long double mm);
    long double pageHeight() const { return m_pageHeight; }
    void setPageHeight(long double mm);

    long double leftMargin() const { return m_leftMargin; }
    void setLeftMargin(long double mm);
    long double topMargin() const { return m_topMargin; }
    void setTopMargin(long double mm);
    long double rightMargin() const { return m_rightMargin; }
    void setRightMargin(long double mm);
    long double bottomMargin() const { return m_bottomMargin; }
    void setBottomMargin(long double mm);

    bool grid() const { return m_grid; }
    void setGrid(bool grid);

    // Pixels per millimetre at the current zoom: PixelsPerInch * Zoom / 2540.
    long double pixelsPerMm() const { return m_scale; }
    // The page's pixel size: roundHalfEven(PageWidth * scale) by roundHalfEven(PageHeight * scale).
    int width() const { return m_width; }
    int height() const { return m_height; }

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
