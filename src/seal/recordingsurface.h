#pragma once

#include "picture/surface.h"

#include <QJsonObject>

namespace qm {

// One recorded drawing operation with the state in force when it was issued.
struct TraceOp {
    QString op;               // MoveTo, LineTo, Rectangle, ... as in the trace format
    QList<int> args;          // the op's integer arguments in order (see argumentNames)
    QList<QPoint> points;     // Polygon, PolyBezier
    QString text;             // TextOut
    bool transparent = false; // StretchDraw
    Colour penColor = 0;
    int penWidth = 0;
    Colour brushColor = 0;
    SurfaceBrush brushStyle = SurfaceBrush::Solid;
    LogicalFont font;
    Colour fontColor = 0;

    bool isText() const { return op == QLatin1String("TextOut"); }
    QJsonObject toJson(int seal) const;
    // One trace line with the keys in the trace format's order: seal, op, arguments, pen, brush,
    // then font and fontColor for text.
    QByteArray toJsonLine(int seal) const;
    static QStringList argumentNames(const QString &op);
};

// Records every operation instead of drawing: the trace that tests and `quillmark-cli trace`
// read.
class RecordingSurface : public Surface
{
public:
    const QList<TraceOp> &ops() const { return m_ops; }
    QList<TraceOp> ops(const QString &name) const;
    void clear() { m_ops.clear(); }

    void moveTo(int x, int y) override { record(u"MoveTo", {x, y}); }
    void lineTo(int x, int y) override { record(u"LineTo", {x, y}); }
    void rectangle(int x1, int y1, int x2, int y2) override { record(u"Rectangle", {x1, y1, x2, y2}); }
    void roundRect(int x1, int y1, int x2, int y2, int w, int h) override
    {
        record(u"RoundRect", {x1, y1, x2, y2, w, h});
    }
    void ellipse(int x1, int y1, int x2, int y2) override { record(u"Ellipse", {x1, y1, x2, y2}); }
    void polygon(const QList<QPoint> &points) override { record(u"Polygon", {}).points = points; }
    void polyBezier(const QList<QPoint> &points) override { record(u"PolyBezier", {}).points = points; }
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        record(u"Arc", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        record(u"Pie", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void textOut(int x, int y, const QString &text) override { record(u"TextOut", {x, y}).text = text; }
    void beginPath() override { record(u"BeginPath", {}); }
    void endPath() override { record(u"EndPath", {}); }
    void closeFigure() override { record(u"CloseFigure", {}); }
    void strokeAndFillPath() override { record(u"StrokeAndFillPath", {}); }
    void fillPath() override { record(u"FillPath", {}); }
    void strokePath() override { record(u"StrokePath", {}); }
    void fillRect(int x1, int y1, int x2, int y2) override { record(u"FillRect", {x1, y1, x2, y2}); }
    void draw(int x, int y, const QImage &picture) override
    {
        record(u"Draw", {x, y, picture.width(), picture.height()});
    }
    void stretchDraw(int x1, int y1, int x2, int y2, const QImage &, bool transparent, Colour = clBlack) override
    {
        record(u"StretchDraw", {x1, y1, x2, y2}).transparent = transparent;
    }

private:
    TraceOp &record(QStringView op, std::initializer_list<int> args);

    QList<TraceOp> m_ops;
};

} // namespace qm
