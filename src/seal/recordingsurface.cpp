#include "seal/recordingsurface.h"

#include "seal/fontsubstitution.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace qm {

QStringList TraceOp::argumentNames(const QString &op)
{
    static const QStringList xy{u"x"_s, u"y"_s};
    static const QStringList box{u"x1"_s, u"y1"_s, u"x2"_s, u"y2"_s};
    static const QStringList arc{u"x1"_s, u"y1"_s, u"x2"_s, u"y2"_s, u"x3"_s, u"y3"_s, u"x4"_s, u"y4"_s};
    static const QHash<QString, QStringList> names{
        {u"MoveTo"_s, xy},
        {u"LineTo"_s, xy},
        {u"TextOut"_s, xy},
        {u"Rectangle"_s, box},
        {u"Ellipse"_s, box},
        {u"FillRect"_s, box},
        {u"StretchDraw"_s, box},
        {u"RoundRect"_s, {u"x1"_s, u"y1"_s, u"x2"_s, u"y2"_s, u"w"_s, u"h"_s}},
        {u"Arc"_s, arc},
        {u"Pie"_s, arc},
        {u"Draw"_s, {u"x"_s, u"y"_s, u"width"_s, u"height"_s}},
    };
    return names.value(op);
}

QJsonObject TraceOp::toJson(int seal) const
{
    QJsonObject o;
    o.insert(u"seal"_s, seal);
    o.insert(u"op"_s, op);
    const QStringList names = argumentNames(op);
    for (qsizetype i = 0; i < names.size() && i < args.size(); ++i)
        o.insert(names[i], args[i]);
    if (op == u"Polygon"_s || op == u"PolyBezier"_s) {
        QJsonArray pts;
        for (const QPoint &p : points)
            pts.append(QJsonArray{p.x(), p.y()});
        o.insert(u"points"_s, pts);
    }
    if (isText())
        o.insert(u"text"_s, text);
    if (op == u"StretchDraw"_s)
        o.insert(u"transparent"_s, transparent);
    o.insert(u"pen"_s, QJsonObject{{u"color"_s, qint64(penColor)}, {u"width"_s, penWidth}});
    o.insert(u"brush"_s, QJsonObject{{u"color"_s, qint64(brushColor)},
                                     {u"style"_s, brushStyle == SurfaceBrush::Solid ? u"solid"_s : u"clear"_s}});
    if (isText()) {
        o.insert(u"font"_s, QJsonObject{{u"height"_s, font.height},
                                        {u"width"_s, font.width},
                                        {u"escapement"_s, font.escapement},
                                        {u"orientation"_s, font.orientation},
                                        {u"weight"_s, font.weight},
                                        {u"italic"_s, font.italic},
                                        {u"face"_s, FontSubstitution::faceName(font.face)}});
        o.insert(u"fontColor"_s, qint64(fontColor));
    }
    return o;
}

namespace {

QByteArray jsonString(const QString &s)
{
    QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray num(qint64 v)
{
    return QByteArray::number(v);
}

} // namespace

QByteArray TraceOp::toJsonLine(int seal) const
{
    QByteArray out = "{\"seal\":" + num(seal) + ",\"op\":" + jsonString(op);
    const QStringList names = argumentNames(op);
    for (qsizetype i = 0; i < names.size() && i < args.size(); ++i)
        out += ",\"" + names[i].toLatin1() + "\":" + num(args[i]);
    if (op == u"Polygon"_s || op == u"PolyBezier"_s) {
        out += ",\"points\":[";
        for (qsizetype i = 0; i < points.size(); ++i)
            out += (i ? ",[" : "[") + num(points[i].x()) + "," + num(points[i].y()) + "]";
        out += "]";
    }
    if (isText())
        out += ",\"text\":" + jsonString(text);
    if (op == u"StretchDraw"_s)
        out += QByteArray(",\"transparent\":") + (transparent ? "true" : "false");
    out += ",\"pen\":{\"color\":" + num(penColor) + ",\"width\":" + num(penWidth) + "}";
    out += ",\"brush\":{\"color\":" + num(brushColor) +
           ",\"style\":" + (brushStyle == SurfaceBrush::Solid ? "\"solid\"" : "\"clear\"") + "}";
    if (isText()) {
        out += ",\"font\":{\"height\":" + num(font.height) + ",\"width\":" + num(font.width) +
               ",\"escapement\":" + num(font.escapement) + ",\"orientation\":" + num(font.orientation) +
               ",\"weight\":" + num(font.weight) + ",\"italic\":" + (font.italic ? "true" : "false") +
               ",\"face\":" + jsonString(FontSubstitution::faceName(font.face)) + "}";
        out += ",\"fontColor\":" + num(fontColor);
    }
    out += "}";
    return out;
}

QList<TraceOp> RecordingSurface::ops(const QString &name) const
{
    QList<TraceOp> out;
    for (const TraceOp &op : m_ops)
        if (op.op == name)
            out.append(op);
    return out;
}

TraceOp &RecordingSurface::record(QStringView op, std::initializer_list<int> args)
{
    TraceOp t;
    t.op = op.toString();
    t.args = QList<int>(args);
    t.penColor = m_penColor;
    t.penWidth = m_penWidth;
    t.brushColor = m_brushColor;
    t.brushStyle = m_brushStyle;
    t.font = m_font;
    t.fontColor = m_fontColor;
    m_ops.append(t);
    return m_ops.last();
}

} // namespace qm
