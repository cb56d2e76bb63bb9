#pragma once

#include "picture/decodebudget.h"
#include "picture/surface.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <cstdint>
#include <optional>

namespace qm {

// The device context a metafile is played into: its objects, mapping, current position and
// path. The record readers call it in the metafile's logical units; it maps every point
// through world transform, window and viewport onto the metafile's device space and from
// there onto the target rectangle, and issues the drawing as integer Surface operations.
class MetafileCanvas
{
public:
    struct Pen {
        bool null = false;
        Colour color = clBlack;
        double width = 0; // logical units; 0 is the thinnest line
    };
    struct Brush {
        bool null = false;
        Colour color = clWhite;
    };
    enum class ArcKind : std::uint8_t { Arc, ArcTo, Chord, Pie };

    // deviceToTarget places the metafile's device space on the surface; devicePixelsPerMm
    // gives the size of the fixed map modes' units there. With a fixed viewport (placeable
    // metafiles) only the window moves: it is mapped onto the device rectangle `frame`.
    // Widenings take the elements they make from `budget`.
    MetafileCanvas(Surface &surface, const QTransform &deviceToTarget, QSizeF devicePixelsPerMm, DecodeBudget &budget);
    void fixViewport(const QRectF &frame);
    ~MetafileCanvas();

    MetafileCanvas(const MetafileCanvas &) = delete;
    MetafileCanvas &operator=(const MetafileCanvas &) = delete;

    // Mapping.
    void setMapMode(int mode);
    void setWindowOrg(QPointF p);
    void setWindowExt(QSizeF e);
    void setViewportOrg(QPointF p);
    void setViewportExt(QSizeF e);
    void offsetWindowOrg(QPointF d);
    void offsetViewportOrg(QPointF d);
    void scaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
    void scaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
    void setWorldTransform(const QTransform &t);
    void modifyWorldTransform(const QTransform &t, int mode);
    void saveState();
    void restoreState(int which);

    // Objects. Handles are the metafile's own numbers; stock objects have the top bit set.
    void createPen(std::uint32_t handle, const Pen &pen);
    void createBrush(std::uint32_t handle, const Brush &brush);
    void createOther(std::uint32_t handle);
    void deleteObject(std::uint32_t handle);
    void selectObject(std::uint32_t handle);
    bool hasObject(std::uint32_t handle) const { return m_objects.contains(handle); }

    void setPolyFillMode(int mode);
    void setArcDirection(int direction);

    // Drawing, in logical units.
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const QList<QPointF> &points);
    void polylineTo(const QList<QPointF> &points);
    void polyBezier(const QList<QPointF> &points);
    void polyBezierTo(const QList<QPointF> &points);
    void polygon(const QList<QPointF> &points);
    void polyPolygon(const QList<QList<QPointF>> &polygons);
    void rectangle(const QRectF &box);
    void roundRect(const QRectF &box, QSizeF corner);
    void ellipse(const QRectF &box);
    void arc(const QRectF &box, QPointF start, QPointF end, ArcKind kind);
    void angleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees);
    // A block transfer without a source: fills with the brush, black or white as `rop` says.
    void patBlt(const QRectF &box, std::uint32_t rop);
    // Draws `image` into the logical rectangle; a negative width or height mirrors it.
    void bitmap(const QRectF &dest, const QImage &image, std::uint32_t rop);

    // Paths.
    void beginPath();
    void endPath();
    void closeFigure();
    void abortPath();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    void widenPath();
    void discardPath();

    // The path is larger than any emblem's, or widening it would go beyond the budget: the
    // picture is refused and nothing more is drawn.
    bool refused() const { return !m_refusal.isEmpty(); }
    const QString &refusal() const { return m_refusal; }
    // Refuses when the path has grown beyond MaxPathElements; the player asks after each record.
    void checkPath();
    // Takes the pixels of a bitmap a record carries from the budget before it is decoded; false,
    // and the picture refused, when they are beyond it.
    bool takeBitmap(QSize size);

    // Far beyond any emblem (24 bytes each, so about 25 MB).
    static constexpr qsizetype MaxPathElements = qsizetype(1) << 20;
    // Widening makes about seven elements of each; one is only begun when this many times its
    // elements are still within the budget.
    static constexpr qint64 WidenGrowth = 8;

private:
    struct State {
        int mapMode = 1;
        QPointF windowOrg;
        QPointF viewportOrg;
        QSizeF windowExt{1, 1};
        QSizeF viewportExt{1, 1};
        QTransform world;
        Pen pen;
        Brush brush;
        bool winding = false;
        bool clockwise = false;
        QPointF position;
    };
    struct Object {
        enum Kind : std::uint8_t { PenObject, BrushObject, OtherObject } kind = OtherObject;
        Pen pen;
        Brush brush;
    };
    enum class Paint : std::uint8_t { Fill, Stroke, StrokeAndFill };

    // Far beyond any target; keeps hostile coordinates out of the rasteriser's overflow range.
    static constexpr double CoordinateLimit = 1 << 24;

    QPointF pageScale() const;
    void updateTransform();
    QPointF map(QPointF p) const { return m_transform.map(p); }
    static QPoint pixel(QPointF p);
    QList<QPoint> pixels(const QList<QPointF> &points) const;
    int penPixels() const;
    bool drawsNothing() const { return m_state.pen.null && m_state.brush.null; }
    void usePen();
    void useBrush();
    void lineSegmentTo(QPointF from, QPointF to);
    void startFigure();
    void addShape(const QPainterPath &logicalShape, bool filled);
    void emitPath(const QPainterPath &path, Paint paint);
    std::optional<QPainterPath> takePath();
    void paintPath(Paint paint);
    QPainterPath arcPath(const QRectF &box, QPointF start, QPointF end, ArcKind kind) const;
    bool arcSwapped() const;

    Surface &m_surface;
    QTransform m_deviceToTarget;
    QSizeF m_devicePerMm;
    std::optional<QRectF> m_fixedViewport;
    State m_state;
    QList<State> m_saved;
    QHash<std::uint32_t, Object> m_objects;
    bool m_advanced = false; // a world transform has been set: arcs keep their logical direction
    QTransform m_transform;  // logical to target
    bool m_usable = true;    // the mapping is finite
    std::optional<QPoint> m_surfacePosition;

    bool m_inPath = false;
    bool m_figureOpen = false;
    std::optional<QPainterPath> m_path; // target coordinates
    bool m_pathWidened = false;
    DecodeBudget &m_budget;
    QString m_refusal;

    // What the surface had before playing, given back afterwards.
    Colour m_oldPenColor;
    int m_oldPenWidth;
    Colour m_oldBrushColor;
    SurfaceBrush m_oldBrushStyle;
    bool m_oldWinding;
};

} // namespace qm
