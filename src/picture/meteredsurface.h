#pragma once

#include "picture/surface.h"

#include <QRect>

namespace qm {

class DecodeBudget;

// A surface that passes everything on to another and first takes from a budget what each
// drawing operation may cost to paint: the pixels of its box (with the pen's width), clipped to
// the area drawn on, and one for the operation itself. Filling a whole picture costs little
// to describe and much to paint, so a metafile of a few kilobytes could otherwise keep the
// painter busy for seconds. Once the budget has no more, nothing more is passed on.
class MeteredSurface final : public Surface
{
public:
    // Starts with the state of `target`, so that what a player restores afterwards is its own.
    MeteredSurface(Surface &target, const QRect &clip, DecodeBudget &budget);

    bool exhausted() const { return m_exhausted; }

    void setPenColor(Colour c) override;
    void setPenWidth(int w) override;
    void setBrushColor(Colour c) override;
    void setBrushStyle(SurfaceBrush s) override;
    void setFontColor(Colour c) override;
    void setFont(const LogicalFont &f) override;
    void setBackgroundTransparent() override;
    void setCopyModeOr(bool on) override;
    void setPolyFillWinding(bool on) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void polygon(const QList<QPoint> &points) override;
    void polyBezier(const QList<QPoint> &points) override;
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void textOut(int x, int y, const QString &text) override;
    void beginPath() override;
    void endPath() override;
    void closeFigure() override;
    void strokeAndFillPath() override;
    void fillPath() override;
    void strokePath() override;
    void fillRect(int x1, int y1, int x2, int y2) override;
    void draw(int x, int y, const QImage &picture) override;
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage &bitmap, bool transparent,
                     Colour ink = clBlack) override;

private:
    // Takes the cost of painting within the box of the given corners; false once exhausted.
    bool pays(qint64 left, qint64 top, qint64 right, qint64 bottom, bool stroked);
    bool paysPoints(const QList<QPoint> &points, bool stroked);
    bool paysPath(bool stroked);
    bool paysOperation();
    void extendPath(qint64 x, qint64 y);

    Surface &m_target;
    QRect m_clip;
    DecodeBudget &m_budget;
    bool m_exhausted = false;
    QPoint m_position;
    bool m_inPath = false;
    bool m_pathEmpty = true;
    qint64 m_pathLeft = 0, m_pathTop = 0, m_pathRight = 0, m_pathBottom = 0;
};

} // namespace qm
