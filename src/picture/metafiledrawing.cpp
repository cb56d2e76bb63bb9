#include "picture/metafilecanvas.h"

#include <QtMath>

#include <cmath>

// The drawing records of MetafileCanvas; the state, mapping and paths are in metafilecanvas.cpp.

namespace qm {
namespace {

// Raster operations of the block transfers.
constexpr std::uint32_t RopSrcCopy = 0x00CC0020;
constexpr std::uint32_t RopSrcPaint = 0x00EE0086;
constexpr std::uint32_t RopSrcAnd = 0x008800C6;
constexpr std::uint32_t RopSrcInvert = 0x00660046;
constexpr std::uint32_t RopNotSrcCopy = 0x00330008;
constexpr std::uint32_t RopPatCopy = 0x00F00021;
constexpr std::uint32_t RopBlackness = 0x00000042;
constexpr std::uint32_t RopWhiteness = 0x00FF0062;

// Corners in any order, as the box from the smaller to the larger coordinates.
struct PixelBox {
    int x1, y1, x2, y2;
};

PixelBox pixelBox(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())};
}

// The colour of `key` turns fully transparent: what an AND or OR transfer leaves untouched.
QImage keyedOut(const QImage &image, QRgb key)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == (key | 0xFF000000u))
                line[x] = 0;
    }
    return out;
}

} // namespace

void MetafileCanvas::lineSegmentTo(QPointF from, QPointF to)
{
    if (!m_usable || m_state.pen.null)
        return;
    usePen();
    const QPoint a = pixel(map(from));
    const QPoint b = pixel(map(to));
    if (m_surfacePosition != a)
        m_surface.moveTo(a.x(), a.y());
    m_surface.lineTo(b.x(), b.y());
    m_surfacePosition = b;
}

void MetafileCanvas::startFigure()
{
    if (!m_figureOpen) {
        m_path->moveTo(map(m_state.position));
        m_figureOpen = true;
    }
}

void MetafileCanvas::moveTo(QPointF p)
{
    m_state.position = p;
    if (m_inPath) {
        m_path->moveTo(map(p));
        m_figureOpen = true;
    }
}

void MetafileCanvas::lineTo(QPointF p)
{
    if (m_inPath) {
        startFigure();
        m_path->lineTo(map(p));
    } else {
        lineSegmentTo(m_state.position, p);
    }
    m_state.position = p;
}

void MetafileCanvas::polyline(const QList<QPointF> &points)
{
    if (points.size() < 2)
        return;
    if (m_inPath) {
        m_path->moveTo(map(points.first()));
        for (qsizetype i = 1; i < points.size(); ++i)
            m_path->lineTo(map(points[i]));
        m_figureOpen = false; // the current position has not moved
        return;
    }
    for (qsizetype i = 1; i < points.size(); ++i)
        lineSegmentTo(points[i - 1], points[i]);
}

void MetafileCanvas::polylineTo(const QList<QPointF> &points)
{
    for (const QPointF &p : points)
        lineTo(p);
}

void MetafileCanvas::polyBezier(const QList<QPointF> &points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;
    if (m_inPath) {
        m_path->moveTo(map(points.first()));
        for (qsizetype i = 1; i + 2 < points.size(); i += 3)
            m_path->cubicTo(map(points[i]), map(points[i + 1]), map(points[i + 2]));
        m_figureOpen = false;
        return;
    }
    if (!m_usable || m_state.pen.null)
        return;
    usePen();
    m_surface.polyBezier(pixels(points));
}

void MetafileCanvas::polyBezierTo(const QList<QPointF> &points)
{
    if (points.isEmpty() || points.size() % 3 != 0)
        return;
    if (m_inPath) {
        startFigure();
        for (qsizetype i = 0; i + 2 < points.size(); i += 3)
            m_path->cubicTo(map(points[i]), map(points[i + 1]), map(points[i + 2]));
    } else if (m_usable && !m_state.pen.null) {
        usePen();
        m_surface.polyBezier(pixels(QList<QPointF>{m_state.position} + points));
        m_surfacePosition.reset();
    }
    m_state.position = points.last();
}

void MetafileCanvas::polygon(const QList<QPointF> &points)
{
    if (points.size() < 2)
        return;
    if (!m_inPath && m_usable && !m_state.pen.null) {
        usePen();
        useBrush();
        m_surface.polygon(pixels(points));
        return;
    }
    QPainterPath shape;
    shape.addPolygon(QPolygonF(points));
    shape.closeSubpath();
    addShape(shape, true);
}

void MetafileCanvas::polyPolygon(const QList<QList<QPointF>> &polygons)
{
    QPainterPath shape;
    int count = 0;
    const QList<QPointF> *only = nullptr;
    for (const QList<QPointF> &points : polygons) {
        if (points.size() < 2)
            continue;
        shape.addPolygon(QPolygonF(points));
        shape.closeSubpath();
        only = &points;
        ++count;
    }
    if (count == 1)
        polygon(*only);
    else if (count > 1)
        addShape(shape, true); // one path, so inner rings cut holes by the fill mode
}

void MetafileCanvas::rectangle(const QRectF &box)
{
    if (!m_inPath && m_usable && !m_state.pen.null && m_transform.type() <= QTransform::TxScale) {
        const PixelBox r = pixelBox(pixel(map(box.topLeft())), pixel(map(box.bottomRight())));
        usePen();
        useBrush();
        m_surface.rectangle(r.x1, r.y1, r.x2, r.y2);
        return;
    }
    QPainterPath shape;
    shape.addRect(box.normalized());
    addShape(shape, true);
}

void MetafileCanvas::roundRect(const QRectF &box, QSizeF corner)
{
    if (!m_inPath && m_usable && !m_state.pen.null && m_transform.type() <= QTransform::TxScale) {
        const PixelBox r = pixelBox(pixel(map(box.topLeft())), pixel(map(box.bottomRight())));
        const int w = roundHalfEven(std::min(std::abs(corner.width() * m_transform.m11()), CoordinateLimit));
        const int h = roundHalfEven(std::min(std::abs(corner.height() * m_transform.m22()), CoordinateLimit));
        usePen();
        useBrush();
        m_surface.roundRect(r.x1, r.y1, r.x2, r.y2, w, h);
        return;
    }
    QPainterPath shape;
    shape.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    addShape(shape, true);
}

void MetafileCanvas::ellipse(const QRectF &box)
{
    if (!m_inPath && m_usable && !m_state.pen.null && m_transform.type() <= QTransform::TxScale) {
        const PixelBox r = pixelBox(pixel(map(box.topLeft())), pixel(map(box.bottomRight())));
        usePen();
        useBrush();
        m_surface.ellipse(r.x1, r.y1, r.x2, r.y2);
        return;
    }
    QPainterPath shape;
    shape.addEllipse(box.normalized());
    addShape(shape, true);
}

bool MetafileCanvas::arcSwapped() const
{
    // Arcs run counter-clockwise on the device unless the direction says otherwise; once a
    // world transform is in use they keep their direction in logical space instead.
    return m_state.clockwise != (m_advanced && m_transform.determinant() < 0);
}

QPainterPath MetafileCanvas::arcPath(const QRectF &box, QPointF start, QPointF end, ArcKind kind) const
{
    const QRectF r = box.normalized();
    const QPointF c = r.center();
    const double a = r.width() / 2, b = r.height() / 2;
    // The start and end points only give directions from the centre; the arc's own angles are
    // parametric on the ellipse.
    auto angle = [&](QPointF p) { return qRadiansToDegrees(std::atan2((c.y() - p.y()) / b, (p.x() - c.x()) / a)); };
    const double t1 = angle(start), t2 = angle(end);
    const bool logicalClockwise = m_state.clockwise != (!m_advanced && m_transform.determinant() < 0);
    double span;
    if (logicalClockwise) {
        span = std::fmod(t1 - t2, 360.0);
        if (span <= 0)
            span += 360;
        span = -span;
    } else {
        span = std::fmod(t2 - t1, 360.0);
        if (span <= 0)
            span += 360;
    }
    QPainterPath path;
    switch (kind) {
    case ArcKind::Arc:
    case ArcKind::Chord:
        path.arcMoveTo(r, t1);
        break;
    case ArcKind::ArcTo:
        path.moveTo(m_state.position); // arcTo draws the line from here to the arc's start
        break;
    case ArcKind::Pie:
        path.moveTo(c);
        break;
    }
    path.arcTo(r, t1, span);
    if (kind == ArcKind::Chord || kind == ArcKind::Pie)
        path.closeSubpath();
    return path;
}

void MetafileCanvas::arc(const QRectF &box, QPointF start, QPointF end, ArcKind kind)
{
    const QRectF r = box.normalized();
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QPainterPath logical = arcPath(box, start, end, kind);
    if (kind == ArcKind::ArcTo)
        m_state.position = logical.currentPosition();
    const bool filled = kind == ArcKind::Chord || kind == ArcKind::Pie;
    if (m_inPath) {
        if (kind == ArcKind::ArcTo) {
            startFigure();
            m_path->connectPath(m_transform.map(logical));
        } else {
            m_path->addPath(m_transform.map(logical));
            m_figureOpen = false;
        }
        return;
    }
    const bool native = m_usable && !m_state.pen.null && m_transform.type() <= QTransform::TxScale &&
                        (kind == ArcKind::Arc || kind == ArcKind::Pie);
    if (!native) {
        addShape(logical, filled);
        return;
    }
    const PixelBox b = pixelBox(pixel(map(r.topLeft())), pixel(map(r.bottomRight())));
    QPoint s = pixel(map(start)), e = pixel(map(end));
    if (arcSwapped())
        std::swap(s, e);
    usePen();
    if (kind == ArcKind::Pie) {
        useBrush();
        m_surface.pie(b.x1, b.y1, b.x2, b.y2, s.x(), s.y(), e.x(), e.y());
    } else {
        m_surface.arc(b.x1, b.y1, b.x2, b.y2, s.x(), s.y(), e.x(), e.y());
    }
}

void MetafileCanvas::angleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees)
{
    if (!std::isfinite(radius) || !std::isfinite(startDegrees) || !std::isfinite(sweepDegrees) || radius < 0 ||
        radius > CoordinateLimit)
        return;
    // More than a full turn draws the same circle again.
    sweepDegrees = std::clamp(sweepDegrees, -360.0, 360.0);
    startDegrees = std::fmod(startDegrees, 360.0);
    const QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath logical(m_state.position);
    logical.arcTo(r, startDegrees, sweepDegrees);
    m_state.position = logical.currentPosition();
    if (m_inPath) {
        startFigure();
        m_path->connectPath(m_transform.map(logical));
        return;
    }
    addShape(logical, false);
}

void MetafileCanvas::addShape(const QPainterPath &logicalShape, bool filled)
{
    if (m_inPath) {
        m_path->addPath(m_transform.map(logicalShape));
        m_figureOpen = false;
        return;
    }
    if (!m_usable)
        return;
    const bool stroke = !m_state.pen.null;
    const bool fill = filled && !m_state.brush.null;
    if (stroke && fill)
        emitPath(m_transform.map(logicalShape), Paint::StrokeAndFill);
    else if (stroke)
        emitPath(m_transform.map(logicalShape), Paint::Stroke);
    else if (fill)
        emitPath(m_transform.map(logicalShape), Paint::Fill);
}

void MetafileCanvas::patBlt(const QRectF &box, std::uint32_t rop)
{
    Colour colour;
    switch (rop) {
    case RopPatCopy:
        if (m_state.brush.null)
            return;
        colour = m_state.brush.color;
        break;
    case RopBlackness:
        colour = clBlack;
        break;
    case RopWhiteness:
        colour = clWhite;
        break;
    default:
        return; // combinations with the ground are not drawn
    }
    if (!m_usable)
        return;
    if (m_transform.type() <= QTransform::TxScale) {
        const PixelBox r = pixelBox(pixel(map(box.topLeft())), pixel(map(box.bottomRight())));
        m_surface.setBrushColor(colour);
        m_surface.fillRect(r.x1, r.y1, r.x2, r.y2);
        return;
    }
    QPainterPath shape;
    shape.addRect(box.normalized());
    const Brush brush = m_state.brush;
    m_state.brush = Brush{false, colour};
    emitPath(m_transform.map(shape), Paint::Fill);
    m_state.brush = brush;
}

void MetafileCanvas::bitmap(const QRectF &dest, const QImage &image, std::uint32_t rop)
{
    if (image.isNull() || !m_usable)
        return;
    QImage picture;
    switch (rop) {
    case RopSrcCopy:
        picture = image;
        break;
    case RopNotSrcCopy:
        picture = image;
        picture.invertPixels();
        break;
    case RopSrcAnd:
        picture = keyedOut(image, qRgb(255, 255, 255));
        break; // white leaves the ground
    case RopSrcPaint:
    case RopSrcInvert:
        picture = keyedOut(image, qRgb(0, 0, 0));
        break; // black leaves the ground
    default:
        return;
    }
    QPointF a = map(dest.topLeft()), b = map(dest.bottomRight());
    if (m_transform.type() <= QTransform::TxScale) {
        // A destination running right to left or bottom to top mirrors the picture.
        const bool flipX = b.x() < a.x(), flipY = b.y() < a.y();
        if (flipX || flipY)
            picture = picture.mirrored(flipX, flipY);
    } else {
        // Turned pictures are drawn upright into the box they cover.
        const QRectF around = m_transform.mapRect(dest.normalized());
        a = around.topLeft();
        b = around.bottomRight();
    }
    const PixelBox r = pixelBox(pixel(a), pixel(b));
    if (r.x1 == r.x2 || r.y1 == r.y2)
        return;
    m_surface.stretchDraw(r.x1, r.y1, r.x2, r.y2, picture, false, clBlack);
}

} // namespace qm
