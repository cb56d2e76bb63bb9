#include "picture/meteredsurface.h"

#include "picture/decodebudget.h"

#include <algorithm>

namespace qm {

MeteredSurface::MeteredSurface(Surface &target, const QRect &clip, DecodeBudget &budget)
    : m_target(target), m_clip(clip), m_budget(budget)
{
    m_penColor = target.penColor();
    m_penWidth = target.penWidth();
    m_brushColor = target.brushColor();
    m_brushStyle = target.brushStyle();
    m_fontColor = target.fontColor();
    m_font = target.font();
    m_copyOr = target.copyModeOr();
    m_polyFillWinding = target.polyFillWinding();
}

bool MeteredSurface::pays(qint64 left, qint64 top, qint64 right, qint64 bottom, bool stroked)
{
    if (m_exhausted)
        return false;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    // A pen reaches half its width beyond the outline.
    const qint64 reach = stroked ? std::max(m_penWidth, 1) / 2 + 1 : 0;
    const qint64 w = std::min<qint64>(right + reach, qint64(m_clip.x()) + m_clip.width()) -
                     std::max<qint64>(left - reach, m_clip.x());
    const qint64 h = std::min<qint64>(bottom + reach, qint64(m_clip.y()) + m_clip.height()) -
                     std::max<qint64>(top - reach, m_clip.y());
    const qint64 area = w > 0 && h > 0 ? w * h : 0;
    if (!m_budget.takePainted(1 + area))
        m_exhausted = true;
    return !m_exhausted;
}

bool MeteredSurface::paysOperation()
{
    if (!m_exhausted && !m_budget.takePainted(1))
        m_exhausted = true;
    return !m_exhausted;
}

bool MeteredSurface::paysPath(bool stroked)
{
    return m_pathEmpty ? paysOperation() : pays(m_pathLeft, m_pathTop, m_pathRight, m_pathBottom, stroked);
}

bool MeteredSurface::paysPoints(const QList<QPoint> &points, bool stroked)
{
    if (points.isEmpty())
        return paysOperation();
    qint64 left = points[0].x(), right = left, top = points[0].y(), bottom = top;
    for (const QPoint &p : points) {
        left = std::min<qint64>(left, p.x());
        right = std::max<qint64>(right, p.x());
        top = std::min<qint64>(top, p.y());
        bottom = std::max<qint64>(bottom, p.y());
    }
    return pays(left, top, right, bottom, stroked);
}

void MeteredSurface::extendPath(qint64 x, qint64 y)
{
    if (m_pathEmpty) {
        m_pathLeft = m_pathRight = x;
        m_pathTop = m_pathBottom = y;
        m_pathEmpty = false;
        return;
    }
    m_pathLeft = std::min(m_pathLeft, x);
    m_pathRight = std::max(m_pathRight, x);
    m_pathTop = std::min(m_pathTop, y);
    m_pathBottom = std::max(m_pathBottom, y);
}

void MeteredSurface::setPenColor(Colour c)
{
    Surface::setPenColor(c);
    m_target.setPenColor(c);
}

void MeteredSurface::setPenWidth(int w)
{
    Surface::setPenWidth(w);
    m_target.setPenWidth(w);
}

void MeteredSurface::setBrushColor(Colour c)
{
    Surface::setBrushColor(c);
    m_target.setBrushColor(c);
}

void MeteredSurface::setBrushStyle(SurfaceBrush s)
{
    Surface::setBrushStyle(s);
    m_target.setBrushStyle(s);
}

void MeteredSurface::setFontColor(Colour c)
{
    Surface::setFontColor(c);
    m_target.setFontColor(c);
}

void MeteredSurface::setFont(const LogicalFont &f)
{
    Surface::setFont(f);
    m_target.setFont(f);
}

void MeteredSurface::setBackgroundTransparent()
{
    m_target.setBackgroundTransparent();
}

void MeteredSurface::setCopyModeOr(bool on)
{
    Surface::setCopyModeOr(on);
    m_target.setCopyModeOr(on);
}

void MeteredSurface::setPolyFillWinding(bool on)
{
    Surface::setPolyFillWinding(on);
    m_target.setPolyFillWinding(on);
}

void MeteredSurface::moveTo(int x, int y)
{
    if (m_exhausted)
        return;
    m_position = QPoint(x, y);
    if (m_inPath)
        extendPath(x, y);
    m_target.moveTo(x, y);
}

void MeteredSurface::lineTo(int x, int y)
{
    if (m_inPath) {
        if (m_exhausted)
            return;
        extendPath(x, y);
    } else if (!pays(m_position.x(), m_position.y(), x, y, true)) {
        return;
    }
    m_position = QPoint(x, y);
    m_target.lineTo(x, y);
}

void MeteredSurface::rectangle(int x1, int y1, int x2, int y2)
{
    if (pays(x1, y1, x2, y2, true))
        m_target.rectangle(x1, y1, x2, y2);
}

void MeteredSurface::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    if (pays(x1, y1, x2, y2, true))
        m_target.roundRect(x1, y1, x2, y2, w, h);
}

void MeteredSurface::ellipse(int x1, int y1, int x2, int y2)
{
    if (pays(x1, y1, x2, y2, true))
        m_target.ellipse(x1, y1, x2, y2);
}

void MeteredSurface::polygon(const QList<QPoint> &points)
{
    if (m_inPath) {
        if (m_exhausted)
            return;
        for (const QPoint &p : points)
            extendPath(p.x(), p.y());
    } else if (!paysPoints(points, true)) {
        return;
    }
    m_target.polygon(points);
}

void MeteredSurface::polyBezier(const QList<QPoint> &points)
{
    // A Bezier curve stays within the box of its control points.
    if (m_inPath) {
        if (m_exhausted)
            return;
        for (const QPoint &p : points)
            extendPath(p.x(), p.y());
    } else if (!paysPoints(points, true)) {
        return;
    }
    if (!points.isEmpty())
        m_position = points.last();
    m_target.polyBezier(points);
}

void MeteredSurface::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (pays(x1, y1, x2, y2, true))
        m_target.arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void MeteredSurface::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (pays(x1, y1, x2, y2, true))
        m_target.pie(x1, y1, x2, y2, x3, y3, x4, y4);
}

void MeteredSurface::textOut(int x, int y, const QString &text)
{
    // Metafile emblems draw no text; the cell is taken as the font's height square per character.
    const qint64 size = std::max(std::abs(qint64(m_font.height)), qint64(1));
    if (pays(x, y, x + size * text.size(), y + size, false))
        m_target.textOut(x, y, text);
}

void MeteredSurface::beginPath()
{
    if (m_exhausted)
        return;
    m_inPath = true;
    m_pathEmpty = true;
    m_target.beginPath();
}

void MeteredSurface::endPath()
{
    if (m_exhausted)
        return;
    m_inPath = false;
    m_target.endPath();
}

void MeteredSurface::closeFigure()
{
    if (!m_exhausted)
        m_target.closeFigure();
}

void MeteredSurface::strokeAndFillPath()
{
    if (paysPath(true))
        m_target.strokeAndFillPath();
}

void MeteredSurface::fillPath()
{
    if (paysPath(false))
        m_target.fillPath();
}

void MeteredSurface::strokePath()
{
    if (paysPath(true))
        m_target.strokePath();
}

void MeteredSurface::fillRect(int x1, int y1, int x2, int y2)
{
    if (pays(x1, y1, x2, y2, false))
        m_target.fillRect(x1, y1, x2, y2);
}

void MeteredSurface::draw(int x, int y, const QImage &picture)
{
    if (pays(x, y, qint64(x) + picture.width(), qint64(y) + picture.height(), false))
        m_target.draw(x, y, picture);
}

void MeteredSurface::stretchDraw(int x1, int y1, int x2, int y2, const QImage &bitmap, bool transparent, Colour ink)
{
    if (pays(x1, y1, x2, y2, false))
        m_target.stretchDraw(x1, y1, x2, y2, bitmap, transparent, ink);
}

} // namespace qm
