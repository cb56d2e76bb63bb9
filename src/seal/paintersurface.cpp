#include "seal/paintersurface.h"

#include "seal/glyphoutlines.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace qm {

PainterSurface::PainterSurface(QPainter *painter) : m_painter(painter)
{
}

PainterSurface::~PainterSurface()
{
    if (m_painter->isActive())
        paintCoverage();
}

QPen PainterSurface::currentPen() const
{
    if (m_penWidth <= 1) {
        // The thinnest line; flat caps keep the end point out as the platform does.
        QPen pen(toQColor(m_penColor), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        pen.setCosmetic(true);
        return pen;
    }
    return QPen(toQColor(m_penColor), m_penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush PainterSurface::currentBrush() const
{
    return m_brushStyle == SurfaceBrush::Solid ? QBrush(toQColor(m_brushColor)) : QBrush(Qt::NoBrush);
}

void PainterSurface::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
    if (m_inPath)
        m_path.moveTo(m_position);
}

void PainterSurface::lineTo(int x, int y)
{
    settleGlyphs();
    const QPoint to(x, y);
    if (m_inPath) {
        if (m_path.elementCount() == 0)
            m_path.moveTo(m_position);
        m_path.lineTo(to);
        m_pathHasShapes = true;
        m_position = to;
        return;
    }
    if (to != m_position) {
        m_painter->setPen(currentPen());
        m_painter->drawLine(m_position, to);
    }
    m_position = to;
}

void PainterSurface::rectangle(int x1, int y1, int x2, int y2)
{
    settleGlyphs();
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (m_brushStyle == SurfaceBrush::Solid)
        m_painter->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(m_brushColor));
    m_painter->setPen(currentPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterSurface::roundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    settleGlyphs();
    m_painter->setPen(currentPen());
    m_painter->setBrush(currentBrush());
    m_painter->drawRoundedRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1), w / 2.0, h / 2.0, Qt::AbsoluteSize);
}

void PainterSurface::ellipse(int x1, int y1, int x2, int y2)
{
    settleGlyphs();
    m_painter->setPen(currentPen());
    m_painter->setBrush(currentBrush());
    m_painter->drawEllipse(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PainterSurface::polygon(const QList<QPoint> &points)
{
    settleGlyphs();
    if (points.isEmpty())
        return;
    if (m_inPath) {
        m_path.addPolygon(QPolygonF(QPolygon(points)));
        m_path.closeSubpath();
        m_pathHasShapes = true;
        return;
    }
    m_painter->setPen(currentPen());
    m_painter->setBrush(currentBrush());
    m_painter->drawPolygon(points.constData(), int(points.size()), polyFillRule());
}

void PainterSurface::polyBezier(const QList<QPoint> &points)
{
    settleGlyphs();
    if (points.size() < 4)
        return;
    if (m_inPath) {
        // Curves that start where the figure stands continue it, as a PolyBezierTo would.
        if (m_path.elementCount() == 0 || m_path.currentPosition() != QPointF(points.first()))
            m_path.moveTo(points.first());
        for (qsizetype i = 1; i + 2 < points.size(); i += 3)
            m_path.cubicTo(points[i], points[i + 1], points[i + 2]);
        m_pathHasShapes = true;
        return;
    }
    QPainterPath path(points.first());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    m_painter->setPen(currentPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPath(path);
}

QPainterPath PainterSurface::arcPath(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, bool pie) const
{
    const QRectF box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    const QPointF c = box.center();
    const qreal a = box.width() / 2, b = box.height() / 2;
    // The rays through p3 and p4 are true directions; Qt's arc angles are parametric.
    auto parametric = [&](int px, int py) {
        if (a == 0 || b == 0)
            return qRadiansToDegrees(std::atan2(c.y() - py, px - c.x()));
        return qRadiansToDegrees(std::atan2((c.y() - py) / b, (px - c.x()) / a));
    };
    const qreal t3 = parametric(x3, y3);
    const qreal t4 = parametric(x4, y4);
    qreal span = std::fmod(t4 - t3, 360.0);
    if (span <= 0)
        span += 360.0;
    QPainterPath path;
    if (pie) {
        path.moveTo(c);
        path.arcTo(box, t3, span);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, t3);
        path.arcTo(box, t3, span);
    }
    return path;
}

void PainterSurface::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    settleGlyphs();
    m_painter->setPen(currentPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPath(arcPath(x1, y1, x2, y2, x3, y3, x4, y4, false));
}

void PainterSurface::pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    settleGlyphs();
    m_painter->setPen(currentPen());
    m_painter->setBrush(currentBrush());
    m_painter->drawPath(arcPath(x1, y1, x2, y2, x3, y3, x4, y4, true));
}

namespace {

// How many device pixels a unit of pen width covers under a transform, as the raster engine
// reckons it when it chooses between outlining a pen and drawing thin lines, and whether the
// transform keeps right angles (a uniform scale and a rotation), which those thin lines need.
struct PenScale {
    qreal scale = 1;
    bool keepsAngles = true;
};

PenScale penScale(const QTransform &t)
{
    if (t.type() <= QTransform::TxTranslate)
        return {};
    if (t.type() == QTransform::TxScale) {
        const qreal x = std::abs(t.m11());
        const qreal y = std::abs(t.m22());
        return {std::max(x, y), qFuzzyCompare(x, y)};
    }
    const qreal columnX = t.m11() * t.m11() + t.m21() * t.m21();
    const qreal columnY = t.m12() * t.m12() + t.m22() * t.m22();
    const qreal rowX = t.m11() * t.m11() + t.m12() * t.m12();
    const qreal rowY = t.m21() * t.m21() + t.m22() * t.m22();
    const bool rotation = t.type() == QTransform::TxRotate;
    if (std::abs(columnX - columnY) > std::abs(rowX - rowY))
        return {std::sqrt(std::max(columnX, columnY)), rotation && qFuzzyCompare(columnX, columnY)};
    return {std::sqrt(std::max(rowX, rowY)), rotation && qFuzzyCompare(rowX, rowY)};
}

// The transform that places a glyph of metrics g at angle `escapement` with its cell's top-left
// corner at (x, y).
QTransform glyphPlacement(const GlyphMetrics &g, int escapement, int x, int y)
{
    QTransform t;
    t.translate(x, y);
    t.rotate(-escapement / 10.0);
    t.scale(g.scaleX, g.scaleY);
    t.translate(0, g.ascent);
    return t;
}

// Fills a glyph's outlines on a painter already transformed to place it.
void fillGlyph(QPainter &painter, const GlyphMetrics &g, const GlyphOutlines &o, const QColor &colour, bool raster)
{
    painter.fillPath(o.outline, colour);
    if (g.emboldenWidth > 0) {
        // The raster engine fills a wide pen's stroke as the stroker outlines it; filling the
        // kept stroke saves outlining it again. A pen a pixel wide or less it draws as thin
        // lines instead, unless the glyph is stretched and turned (a ring's) and antialiased;
        // vector output keeps the compact stroke: both are left to it.
        const PenScale pen = penScale(painter.combinedTransform());
        const bool thinLines = pen.keepsAngles || !painter.testRenderHint(QPainter::Antialiasing);
        if (raster && (g.emboldenWidth * pen.scale > 1.02 || !thinLines))
            painter.fillPath(o.boldStroke, colour);
        else
            painter.strokePath(o.outline, QPen(colour, g.emboldenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
}

} // namespace

QTransform PainterSurface::glyphTransform(int x, int y, const GlyphMetrics &g) const
{
    return glyphPlacement(g, m_font.escapement, x, y);
}

QPainterPath PainterSurface::textPath(int x, int y, const QString &text) const
{
    const GlyphMetrics g = GlyphMetrics::forFont(m_font);
    return glyphTransform(x, y, g).map(glyphShape(g, text));
}

void PainterSurface::textOut(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    if (m_inPath) {
        m_path.addPath(textPath(x, y, text));
        return;
    }
    if (m_denseRun) {
        if (drawFromMask(x, y, text))
            return;
        paintCoverage();
    }
    const GlyphMetrics g = GlyphMetrics::forFont(m_font);
    if (g.scaleX == 0 || g.scaleY == 0)
        return;
    // Font text is left to the engine's glyph rendering, which may blend even when aliased.
    const bool asOutline = g.emboldenWidth > 0 || m_textAsOutlines;
    if (m_inGlyphRun && asOutline && repeatsAreInvisible()) {
        // Ink of another colour may cover what the run has drawn so far.
        if (m_painter->combinedTransform() != m_glyphRunTransform || m_fontColor != m_glyphRunColour) {
            m_glyphRunTransform = m_painter->combinedTransform();
            m_glyphRunColour = m_fontColor;
            m_drawnGlyphs.clear();
        }
        const DrawnGlyph drawn{x, y, m_font, text, m_fontColor};
        if (m_drawnGlyphs.contains(drawn))
            return;
        m_drawnGlyphs.insert(drawn);
    } else {
        settleGlyphs();
    }
    const bool background = m_brushStyle == SurfaceBrush::Solid && !m_bkTransparent;
    const GlyphOutlines o = asOutline ? glyphOutlines(g, text) : GlyphOutlines();
    if (asOutline && !background && m_painter->hasClipping()) {
        // The engine skips what lies off the device but rasterises what lies outside the clip:
        // a glyph wholly outside changes no pixel. A page paints each seal clipped to its box.
        const qreal margin = g.emboldenWidth;
        const QRectF bounds =
            glyphTransform(x, y, g).mapRect(o.outline.controlPointRect().adjusted(-margin, -margin, margin, margin));
        if (!bounds.intersects(m_painter->clipBoundingRect()))
            return;
    }
    m_painter->save();
    m_painter->setTransform(glyphTransform(x, y, g), true);
    if (background) {
        // An opaque text background, as the platform paints under text with a solid brush.
        const QFontMetricsF fm(g.font);
        m_painter->fillRect(QRectF(0, -g.ascent, fm.horizontalAdvance(text), fm.ascent() + fm.descent()),
                            toQColor(m_brushColor));
    }
    if (asOutline) {
        fillGlyph(*m_painter, g, o, toQColor(m_fontColor), isRaster());
    } else {
        m_painter->setFont(g.font);
        m_painter->setPen(toQColor(m_fontColor));
        m_painter->drawText(QPointF(0, 0), text);
    }
    m_painter->restore();
}

bool PainterSurface::wholePixelOrigin(QPoint *origin) const
{
    const QTransform t = m_painter->deviceTransform();
    if (t.type() > QTransform::TxTranslate || t != m_painter->combinedTransform())
        return false;
    const qreal dx = std::round(t.dx()), dy = std::round(t.dy());
    if (dx != t.dx() || dy != t.dy() || std::abs(dx) > 1e6 || std::abs(dy) > 1e6)
        return false;
    *origin = QPoint(int(dx), int(dy));
    return true;
}

bool PainterSurface::drawFromMask(int x, int y, const QString &text)
{
    // Masks hold whole pixels: only aliased opaque ink on pixels the surface's units match, moved
    // by whole pixels, lands exactly where the mask says.
    QPoint origin;
    if (!repeatsAreInvisible() || !wholePixelOrigin(&origin))
        return false;
    const GlyphMask *mask = maskFor(text);
    if (!mask)
        return false;
    const QPoint at(int(std::clamp<qint64>(qint64(x) + origin.x(), -(1 << 28), 1 << 28)),
                    int(std::clamp<qint64>(qint64(y) + origin.y(), -(1 << 28), 1 << 28)));
    const QColor colour = toQColor(m_fontColor);
    if (!m_coverage.isEmpty() && m_coverage.colour() != colour)
        paintCoverage();
    m_coverage.setColour(colour);
    if (m_coverage.add(*mask, at))
        return true;
    paintCoverage();
    return m_coverage.add(*mask, at);
}

const GlyphMask *PainterSurface::maskFor(const QString &text)
{
    MaskKey key{m_font, text};
    int angle = m_font.escapement % 3600;
    if (angle < 0)
        angle += 3600;
    angle = roundHalfEven(angle / qreal(MaskAngleStep)) * MaskAngleStep % 3600;
    key.font.escapement = key.font.orientation = angle;
    auto it = m_masks.constFind(key);
    if (it != m_masks.constEnd())
        return it->width > 0 ? &*it : nullptr;

    GlyphMask mask;
    // Metrics do not depend on the angle; a ring's characters share one font but for it.
    LogicalFont upright = key.font;
    upright.escapement = upright.orientation = 0;
    if (!m_maskMetrics || m_maskMetricsFont != upright) {
        m_maskMetrics = GlyphMetrics::forFont(upright);
        m_maskMetricsFont = upright;
    }
    const GlyphMetrics &g = *m_maskMetrics;
    if (g.scaleX != 0 && g.scaleY != 0 && (g.emboldenWidth > 0 || m_textAsOutlines)) {
        const QTransform t = glyphPlacement(g, angle, 0, 0);
        if (g.emboldenWidth > 0 && g.emboldenWidth * penScale(t).scale <= 1.02)
            mask = paintedMask(g, text, t);
        else
            mask = flatGlyphFor(key, g).rasterize(QTransform().rotate(-angle / 10.0), MaxMaskSide);
    }
    if (m_maskBytes + mask.bytes() > MaxMaskBytes) {
        m_masks.clear();
        m_maskBytes = 0;
    }
    m_maskBytes += mask.bytes();
    it = m_masks.emplace(key, std::move(mask));
    return it->width > 0 ? &*it : nullptr;
}

GlyphMask PainterSurface::paintedMask(const GlyphMetrics &g, const QString &text, const QTransform &t)
{
    const GlyphOutlines o = glyphOutlines(g, text);
    const QRectF bounds = t.mapRect(o.outline.controlPointRect().united(o.boldStroke.controlPointRect()));
    // A pixel to spare beyond the control points, and one more for a thin pen's half width.
    const qreal left = std::floor(bounds.left()) - 2, top = std::floor(bounds.top()) - 2;
    const qreal width = std::ceil(bounds.right()) + 2 - left, height = std::ceil(bounds.bottom()) + 2 - top;
    if (!bounds.isValid() || width > MaxMaskSide || height > MaxMaskSide)
        return {};
    QImage picture(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(t * QTransform::fromTranslate(-left, -top));
    fillGlyph(painter, g, o, Qt::black, true);
    painter.end();
    return GlyphMask::fromImage(picture, int(left), int(top));
}

const FlatGlyph &PainterSurface::flatGlyphFor(const MaskKey &key, const GlyphMetrics &g)
{
    MaskKey upright = key;
    upright.font.escapement = upright.font.orientation = 0;
    auto it = m_flatGlyphs.constFind(upright);
    if (it != m_flatGlyphs.constEnd())
        return *it;
    if (m_flatGlyphs.size() >= MaxFlatGlyphs)
        m_flatGlyphs.clear();
    const GlyphOutlines o = glyphOutlines(g, key.text);
    QList<QPainterPath> paths{o.outline};
    if (g.emboldenWidth > 0)
        paths.append(o.boldStroke);
    // Far finer than a pixel: what moves the ink is the rounded angle.
    return *m_flatGlyphs.insert(upright, FlatGlyph::fromPaths(paths, glyphPlacement(g, 0, 0, 0), 0.15));
}

void PainterSurface::beginGlyphRun(qreal spacing)
{
    settleGlyphs();
    m_inGlyphRun = true;
    m_drawnGlyphs.clear();
    m_denseRun = spacing > 0 && spacing < 1;
}

void PainterSurface::endGlyphRun()
{
    paintCoverage();
    m_inGlyphRun = false;
    m_drawnGlyphs.clear();
    m_denseRun = false;
    m_masks.clear();
    m_maskBytes = 0;
    m_flatGlyphs.clear();
    m_maskMetrics.reset();
    m_coverage.release();
}

// Opaque ink set without blending sets the same pixels to the same colour however often it is
// drawn; antialiased edges would darken with every repetition, and an opaque text background
// would cover what was drawn since.
bool PainterSurface::repeatsAreInvisible() const
{
    return isRaster() && !m_painter->renderHints().testFlag(QPainter::Antialiasing) &&
           m_painter->compositionMode() == QPainter::CompositionMode_SourceOver && m_painter->opacity() == 1.0 &&
           (m_brushStyle != SurfaceBrush::Solid || m_bkTransparent);
}

size_t qHash(const PainterSurface::DrawnGlyph &g, size_t seed)
{
    return qHashMulti(seed, g.x, g.y, g.font.height, g.font.width, g.font.escapement, g.font.orientation, g.font.weight,
                      g.font.italic, g.font.face, g.text, quint32(g.colour));
}

size_t qHash(const PainterSurface::MaskKey &k, size_t seed)
{
    return qHashMulti(seed, k.font.height, k.font.width, k.font.escapement, k.font.orientation, k.font.weight,
                      k.font.italic, k.font.face, k.text);
}

bool PainterSurface::isRaster() const
{
    return m_painter->paintEngine() && m_painter->paintEngine()->type() == QPaintEngine::Raster;
}

void PainterSurface::beginPath()
{
    m_inPath = true;
    m_pathHasShapes = false;
    m_path = QPainterPath();
    m_path.setFillRule(Qt::WindingFill);
}

void PainterSurface::endPath()
{
    m_inPath = false;
}

void PainterSurface::closeFigure()
{
    if (m_inPath)
        m_path.closeSubpath();
}

void PainterSurface::finishPath()
{
    m_inPath = false;
    m_path = QPainterPath();
    m_pathHasShapes = false;
}

void PainterSurface::fillCollectedPath()
{
    settleGlyphs();
    // Glyph outlines need winding; figures of lines and curves follow the poly fill mode.
    if (m_pathHasShapes)
        m_path.setFillRule(polyFillRule());
    if (m_brushStyle == SurfaceBrush::Solid)
        m_painter->fillPath(m_path, toQColor(m_brushColor));
}

void PainterSurface::strokeAndFillPath()
{
    fillCollectedPath();
    m_painter->strokePath(m_path, currentPen());
    finishPath();
}

void PainterSurface::fillPath()
{
    fillCollectedPath();
    finishPath();
}

void PainterSurface::strokePath()
{
    settleGlyphs();
    m_painter->strokePath(m_path, currentPen());
    finishPath();
}

void PainterSurface::fillRect(int x1, int y1, int x2, int y2)
{
    settleGlyphs();
    if (m_brushStyle == SurfaceBrush::Solid)
        m_painter->fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), toQColor(m_brushColor));
}

void PainterSurface::draw(int x, int y, const QImage &picture)
{
    settleGlyphs();
    const QPainter::CompositionMode old = m_painter->compositionMode();
    // Raster operations exist only on raster devices; elsewhere the picture is drawn plainly.
    if (m_copyOr && isRaster())
        m_painter->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    m_painter->drawImage(QPoint(x, y), picture);
    m_painter->setCompositionMode(old);
}

void PainterSurface::stretchDraw(int x1, int y1, int x2, int y2, const QImage &bitmap, bool transparent, Colour ink)
{
    settleGlyphs();
    if (bitmap.isNull())
        return;
    const QRect target(x1, y1, x2 - x1, y2 - y1);
    if (x1 == x2 || y1 == y2)
        return;
    if (!transparent && ink == clBlack) {
        m_painter->drawImage(target, bitmap);
        return;
    }
    // Inked and masked band by band: a whole copy of a large picture (and the painter's own
    // premultiplied copy of that) would hold it three times over.
    const QRgb inkRgb = toQColor(ink).rgb();
    const int w = bitmap.width(), h = bitmap.height();
    const QRgb key = bitmap.pixel(0, h - 1) | inkRgb;
    const int bandRows = int(std::clamp<qint64>(PictureBandPixels / w, 1, h));
    const qreal scale = qreal(target.height()) / h;
    // Rows beyond either end of a band, so that it covers its clip with a pixel to spare
    // however small it is scaled; the clip keeps each band to its own rows.
    const qreal rowsPerPixel = std::min<qreal>(1 / std::max<qreal>(std::abs(scale), 1e-9), bandRows);
    const int margin = 1 + int(std::ceil(rowsPerPixel));
    for (int top = 0; top < h; top += bandRows) {
        const int bottom = std::min(h, top + bandRows);
        const int from = std::max(0, top - margin), to = std::min(h, bottom + margin);
        QImage band = bitmap.copy(0, from, w, to - from).convertToFormat(QImage::Format_ARGB32);
        for (int row = 0; row < band.height(); ++row) {
            auto *line = reinterpret_cast<QRgb *>(band.scanLine(row));
            for (int col = 0; col < w; ++col) {
                const QRgb pixel = line[col] | inkRgb;
                line[col] = transparent && pixel == key ? 0 : pixel;
            }
        }
        // Every pixel is opaque or wholly clear, which reads the same premultiplied.
        band.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        m_painter->save();
        m_painter->setClipRect(
            QRectF(target.x(), target.y() + top * scale, target.width(), (bottom - top) * scale).normalized(),
            Qt::IntersectClip);
        m_painter->drawImage(QRectF(target.x(), target.y() + from * scale, target.width(), (to - from) * scale), band);
        m_painter->restore();
    }
}

QImage preparedPicture(const QImage &picture, Colour ink)
{
    if (picture.isNull() || (ink == clBlack && picture.format() == QImage::Format_RGB32))
        return picture;
    QImage prepared = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb inkRgb = toQColor(ink).rgb();
    for (int row = 0; row < prepared.height(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(prepared.scanLine(row));
        for (int col = 0; col < prepared.width(); ++col)
            line[col] |= inkRgb;
    }
    return prepared;
}

} // namespace qm
