#pragma once

#include "pdfwindow/sealgroup.h"

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace qm {

// One page of the PDF as a picture at the window's zoom, with the seal group painted over it
// through the one render routine at the same scale. The mouse drags the group; the arrow keys
// nudge it and Ctrl with the arrows turns it. The view only reports what the user did; the
// window makes each of it an undo step and gives the placement back.
class PdfPageView : public QWidget
{
    Q_OBJECT

public:
    // Nudges: 0.1 mm, with Shift 1 mm. Turns: 1°, with Shift 15°.
    static constexpr double FineStepMm = 0.1;
    static constexpr double CoarseStepMm = 1;
    static constexpr double FineTurnDegrees = 1;
    static constexpr double CoarseTurnDegrees = 15;

    explicit PdfPageView(QWidget *parent = nullptr);

    // screenPixelsPerMm and zoom give the scale, as a document page has it.
    void setScale(float screenPixelsPerMm, int zoom);
    // Pixels per millimetre on this view.
    long double pixelsPerMm() const;
    // The page's picture and the size the scale gives it, which the view takes; a picture
    // smaller than that (a very large page) is drawn enlarged.
    void setPageImage(const QImage &image, QSize pageSize);
    const QImage &pageImage() const { return m_page; }
    void setGroup(const SealGroup *group) { m_group = group; }
    void setPlacement(QPointF centreMm, double degrees);
    void setBlend(double opacity, bool multiply);

    QPointF centreMm() const { return m_centre; }
    // The group's centre in pixels of this view, as it is painted.
    QPointF centrePixels() const;

signals:
    // A drag ended (release) or an arrow key was pressed; millimetres, y down.
    void movedBy(QPointF deltaMm);
    // Ctrl with an arrow key; degrees counter-clockwise.
    void turnedBy(double degrees);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPointF toMm(QPointF pixels) const;
    // The placement as painted: a drag in progress moves it with the mouse.
    QPointF shownCentre() const;

    QImage m_page;
    const SealGroup *m_group = nullptr;
    float m_screenPixelsPerMm = 96 / 25.4f;
    int m_zoom = 100;
    QPointF m_centre;
    double m_degrees = 0;
    double m_opacity = 1;
    bool m_multiply = true;
    bool m_dragging = false;
    QPointF m_dragStart;
    QPointF m_dragNow;
};

} // namespace qm
