#include "picture/metafilecanvas.h"

#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Map modes and world-transform modes of the metafile formats.
enum : int { MmText = 1, MmLoMetric, MmHiMetric, MmLoEnglish, MmHiEnglish, MmTwips, MmIsotropic, MmAnisotropic };
enum : int { MwtIdentity = 1, MwtLeftMultiply, MwtRightMultiply, MwtSet };

constexpr std::uint32_t StockBit = 0x80000000u;
constexpr std::uint32_t MaxHandle = 0xFFFF;
constexpr qsizetype MaxSavedStates = 1024;
constexpr int MaxPenPixels = 1 << 16;

bool finite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22()) &&
           std::isfinite(t.dx()) && std::isfinite(t.dy());
}

// Only these map modes take the window's and viewport's extents.
bool scalable(int mode)
{
    return mode == MmIsotropic || mode == MmAnisotropic;
}

bool usableExtent(QSizeF e)
{
    return std::isfinite(e.width()) && std::isfinite(e.height()) && e.width() != 0 && e.height() != 0;
}

} // namespace

MetafileCanvas::MetafileCanvas(Surface &surface, const QTransform &deviceToTarget, QSizeF devicePixelsPerMm,
                               DecodeBudget &budget)
    : m_surface(surface), m_deviceToTarget(deviceToTarget), m_devicePerMm(devicePixelsPerMm), m_budget(budget),
      m_oldPenColor(surface.penColor()), m_oldPenWidth(surface.penWidth()), m_oldBrushColor(surface.brushColor()),
      m_oldBrushStyle(surface.brushStyle()), m_oldWinding(surface.polyFillWinding())
{
    updateTransform();
}

MetafileCanvas::~MetafileCanvas()
{
    m_surface.setPenColor(m_oldPenColor);
    m_surface.setPenWidth(m_oldPenWidth);
    m_surface.setBrushColor(m_oldBrushColor);
    m_surface.setBrushStyle(m_oldBrushStyle);
    m_surface.setPolyFillWinding(m_oldWinding);
}

void MetafileCanvas::fixViewport(const QRectF &frame)
{
    m_fixedViewport = frame;
    m_state.windowOrg = frame.topLeft();
    m_state.windowExt = frame.size();
    updateTransform();
}

QPointF MetafileCanvas::pageScale() const
{
    const State &s = m_state;
    double sx = 1, sy = 1;
    const double mmX = m_devicePerMm.width(), mmY = m_devicePerMm.height();
    auto fixed = [&](double mmPerUnit) {
        sx = mmPerUnit * mmX;
        sy = -mmPerUnit * mmY; // the metric and English modes count y upwards
    };
    if (m_fixedViewport) {
        sx = m_fixedViewport->width() / s.windowExt.width();
        sy = m_fixedViewport->height() / s.windowExt.height();
    } else {
        switch (s.mapMode) {
        case MmLoMetric:
            fixed(0.1);
            break;
        case MmHiMetric:
            fixed(0.01);
            break;
        case MmLoEnglish:
            fixed(0.254);
            break;
        case MmHiEnglish:
            fixed(0.0254);
            break;
        case MmTwips:
            fixed(25.4 / 1440);
            break;
        case MmIsotropic:
        case MmAnisotropic:
            sx = s.viewportExt.width() / s.windowExt.width();
            sy = s.viewportExt.height() / s.windowExt.height();
            if (s.mapMode == MmIsotropic) {
                // Both axes get the smaller scale, as the viewport is shrunk to keep the aspect.
                const double m = std::min(std::abs(sx), std::abs(sy));
                sx = std::copysign(m, sx);
                sy = std::copysign(m, sy);
            }
            break;
        default:
            break;
        }
    }
    return QPointF(sx, sy);
}

void MetafileCanvas::updateTransform()
{
    const State &s = m_state;
    const QPointF scale = pageScale();
    const QPointF viewportOrg = m_fixedViewport ? m_fixedViewport->topLeft() : s.viewportOrg;
    const QTransform page = QTransform::fromTranslate(-s.windowOrg.x(), -s.windowOrg.y()) *
                            QTransform::fromScale(scale.x(), scale.y()) *
                            QTransform::fromTranslate(viewportOrg.x(), viewportOrg.y());
    m_transform = s.world * page * m_deviceToTarget;
    m_usable = finite(m_transform);
}

void MetafileCanvas::setMapMode(int mode)
{
    if (m_fixedViewport || mode < MmText || mode > MmAnisotropic)
        return;
    if (!scalable(m_state.mapMode) && scalable(mode)) {
        // The extents start out as the old mode's scale, until the metafile sets its own.
        const QPointF scale = pageScale();
        m_state.windowExt = QSizeF(1, 1);
        m_state.viewportExt = QSizeF(scale.x(), scale.y());
    }
    m_state.mapMode = mode;
    updateTransform();
}

void MetafileCanvas::setWindowOrg(QPointF p)
{
    m_state.windowOrg = p;
    updateTransform();
}

void MetafileCanvas::setWindowExt(QSizeF e)
{
    // Fixed map modes ignore extents; a placeable metafile's window always scales.
    if (!usableExtent(e) || (!m_fixedViewport && !scalable(m_state.mapMode)))
        return;
    m_state.windowExt = e;
    updateTransform();
}

void MetafileCanvas::setViewportOrg(QPointF p)
{
    m_state.viewportOrg = p;
    updateTransform();
}

void MetafileCanvas::setViewportExt(QSizeF e)
{
    if (!usableExtent(e) || m_fixedViewport || !scalable(m_state.mapMode))
        return;
    m_state.viewportExt = e;
    updateTransform();
}

void MetafileCanvas::offsetWindowOrg(QPointF d)
{
    setWindowOrg(m_state.windowOrg + d);
}

void MetafileCanvas::offsetViewportOrg(QPointF d)
{
    setViewportOrg(m_state.viewportOrg + d);
}

void MetafileCanvas::scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom)
{
    if (xDenom == 0 || yDenom == 0)
        return;
    setWindowExt(QSizeF(m_state.windowExt.width() * xNum / xDenom, m_state.windowExt.height() * yNum / yDenom));
}

void MetafileCanvas::scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom)
{
    if (xDenom == 0 || yDenom == 0)
        return;
    setViewportExt(QSizeF(m_state.viewportExt.width() * xNum / xDenom, m_state.viewportExt.height() * yNum / yDenom));
}

void MetafileCanvas::setWorldTransform(const QTransform &t)
{
    if (!finite(t))
        return;
    m_advanced = true;
    m_state.world = t;
    updateTransform();
}

void MetafileCanvas::modifyWorldTransform(const QTransform &t, int mode)
{
    QTransform world;
    switch (mode) {
    case MwtIdentity:
        break;
    case MwtLeftMultiply:
        world = t * m_state.world;
        break;
    case MwtRightMultiply:
        world = m_state.world * t;
        break;
    case MwtSet:
        world = t;
        break;
    default:
        return;
    }
    setWorldTransform(world);
}

void MetafileCanvas::saveState()
{
    if (m_saved.size() < MaxSavedStates)
        m_saved.append(m_state);
}

void MetafileCanvas::restoreState(int which)
{
    // Negative: that many levels back; positive: the saved state of that number.
    const qsizetype n = m_saved.size();
    qsizetype keep;
    if (which < 0 && -qint64(which) <= n)
        keep = n + which;
    else if (which > 0 && which <= n)
        keep = which - 1;
    else
        return;
    m_state = m_saved[keep];
    m_saved.resize(keep);
    updateTransform();
}

void MetafileCanvas::createPen(std::uint32_t handle, const Pen &pen)
{
    if (handle <= MaxHandle)
        m_objects.insert(handle, Object{Object::PenObject, pen, {}});
}

void MetafileCanvas::createBrush(std::uint32_t handle, const Brush &brush)
{
    if (handle <= MaxHandle)
        m_objects.insert(handle, Object{Object::BrushObject, {}, brush});
}

void MetafileCanvas::createOther(std::uint32_t handle)
{
    if (handle <= MaxHandle)
        m_objects.insert(handle, Object{});
}

void MetafileCanvas::deleteObject(std::uint32_t handle)
{
    // The selected pen and brush were copied into the state, so drawing keeps them.
    m_objects.remove(handle);
}

void MetafileCanvas::selectObject(std::uint32_t handle)
{
    if (handle & StockBit) {
        switch (handle & ~StockBit) {
        case 0:
            m_state.brush = Brush{false, clWhite};
            break;
        case 1:
            m_state.brush = Brush{false, 0xC0C0C0};
            break;
        case 2:
            m_state.brush = Brush{false, 0x808080};
            break;
        case 3:
            m_state.brush = Brush{false, 0x404040};
            break;
        case 4:
            m_state.brush = Brush{false, clBlack};
            break;
        case 5:
            m_state.brush = Brush{true, clWhite};
            break;
        case 6:
            m_state.pen = Pen{false, clWhite, 0};
            break;
        case 7:
            m_state.pen = Pen{false, clBlack, 0};
            break;
        case 8:
            m_state.pen = Pen{true, clBlack, 0};
            break;
        default:
            break; // fonts, palettes and the colour-settable DC objects
        }
        return;
    }
    const auto it = m_objects.constFind(handle);
    if (it == m_objects.constEnd())
        return;
    if (it->kind == Object::PenObject)
        m_state.pen = it->pen;
    else if (it->kind == Object::BrushObject)
        m_state.brush = it->brush;
}

void MetafileCanvas::setPolyFillMode(int mode)
{
    if (mode == 1 || mode == 2)
        m_state.winding = mode == 2;
}

void MetafileCanvas::setArcDirection(int direction)
{
    if (direction == 1 || direction == 2)
        m_state.clockwise = direction == 2;
}

QPoint MetafileCanvas::pixel(QPointF p)
{
    return QPoint(roundHalfEven(std::clamp(p.x(), -CoordinateLimit, CoordinateLimit)),
                  roundHalfEven(std::clamp(p.y(), -CoordinateLimit, CoordinateLimit)));
}

QList<QPoint> MetafileCanvas::pixels(const QList<QPointF> &points) const
{
    QList<QPoint> out;
    out.reserve(points.size());
    for (const QPointF &p : points)
        out.append(pixel(map(p)));
    return out;
}

int MetafileCanvas::penPixels() const
{
    if (m_state.pen.width <= 0)
        return 1;
    // A geometric pen scales with the mapping; its area scale keeps it fair under uneven axes.
    const double scale =
        std::sqrt(std::abs(m_transform.m11() * m_transform.m22() - m_transform.m12() * m_transform.m21()));
    return std::clamp(roundHalfEven(m_state.pen.width * scale), 1, MaxPenPixels);
}

void MetafileCanvas::usePen()
{
    m_surface.setPenColor(m_state.pen.color);
    m_surface.setPenWidth(penPixels());
}

void MetafileCanvas::useBrush()
{
    if (m_state.brush.null)
        m_surface.setBrushStyle(SurfaceBrush::Clear);
    else
        m_surface.setBrushColor(m_state.brush.color);
    m_surface.setPolyFillWinding(m_state.winding);
}

void MetafileCanvas::emitPath(const QPainterPath &path, Paint paint)
{
    if (path.isEmpty())
        return;
    usePen();
    useBrush();
    m_surface.beginPath();
    QPoint first, last;
    bool figure = false;
    auto finishFigure = [&] {
        if (figure && last == first)
            m_surface.closeFigure();
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            finishFigure();
            first = last = pixel(e);
            m_surface.moveTo(first.x(), first.y());
            figure = false;
        } else if (e.isLineTo()) {
            last = pixel(e);
            m_surface.lineTo(last.x(), last.y());
            figure = true;
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPoint c1 = pixel(e), c2 = pixel(path.elementAt(i + 1)), to = pixel(path.elementAt(i + 2));
            m_surface.polyBezier({last, c1, c2, to});
            last = to;
            figure = true;
            i += 2;
        }
    }
    finishFigure();
    m_surface.endPath();
    switch (paint) {
    case Paint::Fill:
        m_surface.fillPath();
        break;
    case Paint::Stroke:
        m_surface.strokePath();
        break;
    case Paint::StrokeAndFill:
        m_surface.strokeAndFillPath();
        break;
    }
    m_surfacePosition.reset();
}

void MetafileCanvas::beginPath()
{
    m_inPath = true;
    m_figureOpen = false;
    m_path = QPainterPath();
}

void MetafileCanvas::endPath()
{
    m_inPath = false;
}

void MetafileCanvas::closeFigure()
{
    if (m_inPath && m_figureOpen) {
        m_path->closeSubpath();
        m_figureOpen = false;
    }
}

void MetafileCanvas::abortPath()
{
    discardPath();
}

void MetafileCanvas::discardPath()
{
    takePath();
    m_pathWidened = false;
}

std::optional<QPainterPath> MetafileCanvas::takePath()
{
    std::optional<QPainterPath> path = std::move(m_path);
    m_inPath = false;
    m_figureOpen = false;
    m_path.reset();
    return path;
}

void MetafileCanvas::paintPath(Paint paint)
{
    const bool widened = m_pathWidened;
    m_pathWidened = false;
    const std::optional<QPainterPath> path = takePath();
    if (!path || !m_usable)
        return;
    const bool stroke = paint != Paint::Fill && !m_state.pen.null;
    const bool fill = paint != Paint::Stroke && !m_state.brush.null;
    // A widened outline overlaps itself at every join; only the winding rule fills it whole.
    const bool winding = m_state.winding;
    if (widened)
        m_state.winding = true;
    if (stroke && fill)
        emitPath(*path, Paint::StrokeAndFill);
    else if (stroke)
        emitPath(*path, Paint::Stroke);
    else if (fill)
        emitPath(*path, Paint::Fill);
    m_state.winding = winding;
}

void MetafileCanvas::fillPath()
{
    paintPath(Paint::Fill); // filling closes open figures, as QPainterPath fills them
}

void MetafileCanvas::strokePath()
{
    paintPath(Paint::Stroke);
}

void MetafileCanvas::strokeAndFillPath()
{
    paintPath(Paint::StrokeAndFill);
}

void MetafileCanvas::widenPath()
{
    if (!m_path || m_inPath || m_state.pen.null || refused())
        return;
    // Widening the outline again multiplies the elements each time: a few bytes of repeated
    // widenings would take seconds and gigabytes.
    if (!m_budget.affordsWidened(m_path->elementCount() * WidenGrowth)) {
        m_refusal = u"metafile path widened beyond the limit"_s;
        return;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(penPixels());
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    m_path = stroker.createStroke(*m_path);
    m_pathWidened = true;
    if (!m_budget.takeWidened(m_path->elementCount()))
        m_refusal = u"metafile path widened beyond the limit"_s;
}

bool MetafileCanvas::takeBitmap(QSize size)
{
    if (!refused() && !m_budget.takePixels(size.width(), size.height()))
        m_refusal = u"metafile bitmap too large"_s;
    return !refused();
}

void MetafileCanvas::checkPath()
{
    if (m_path && m_path->elementCount() > MaxPathElements && !refused())
        m_refusal = u"metafile path too large"_s;
}

} // namespace qm
