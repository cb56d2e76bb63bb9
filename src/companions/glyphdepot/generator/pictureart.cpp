#include "companions/glyphdepot/generator/pictureart.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr double Pi = std::numbers::pi;

QPointF polar(QPointF centre, double radius, double degrees)
{
    const double a = degrees * Pi / 180.0; // counter-clockwise from 3 o'clock, y grows down
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// A star with `points` tips, the first pointing up.
QPolygonF star(QPointF centre, double outer, double inner, int points = 5)
{
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i)
        poly << polar(centre, i % 2 ? inner : outer, 90.0 + i * 180.0 / points);
    return poly;
}

// The classic five-pointed star: its inner corners lie on the lines between the tips.
QPolygonF fivePointStar(QPointF centre, double outer)
{
    const double inner = outer * std::sin(18.0 * Pi / 180.0) / std::sin(126.0 * Pi / 180.0);
    return star(centre, outer, inner, 5);
}

void fill(QPainter &p, const QPolygonF &poly, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(poly, Qt::WindingFill);
}

void ring(QPainter &p, QPointF centre, double radius, double width, const QColor &ink)
{
    p.setPen(QPen(ink, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

void disc(QPainter &p, QPointF centre, double radius, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

const QPointF Mid(50, 50);

void solidStar(QPainter &p, const QColor &ink)
{
    fill(p, fivePointStar({50, 53}, 47), ink);
}

void hollowStar(QPainter &p, const QColor &ink)
{
    p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(fivePointStar({50, 54}, 42));
}

void starInRing(QPainter &p, const QColor &ink)
{
    ring(p, Mid, 45, 6, ink);
    fill(p, fivePointStar({50, 52}, 33), ink);
}

void doubleRing(QPainter &p, const QColor &ink)
{
    ring(p, Mid, 45, 5, ink);
    ring(p, Mid, 36, 2, ink);
    for (int i = 0; i < 12; ++i)
        disc(p, polar(Mid, 26, i * 30.0), 3, ink);
    disc(p, Mid, 14, ink);
}

void sixPointStar(QPainter &p, const QColor &ink)
{
    QPolygonF up, down;
    for (int i = 0; i < 3; ++i) {
        up << polar(Mid, 46, 90.0 + i * 120.0);
        down << polar(Mid, 46, 270.0 + i * 120.0);
    }
    fill(p, up, ink);
    fill(p, down, ink);
    disc(p, Mid, 11, Qt::white);
}

void eightPointStar(QPainter &p, const QColor &ink)
{
    fill(p, star(Mid, 47, 21, 8), ink);
    fill(p, star(Mid, 17, 7, 8), Qt::white);
}

void sun(QPainter &p, const QColor &ink)
{
    for (int i = 0; i < 16; ++i) {
        const double a = i * 22.5;
        const double tip = i % 2 ? 36 : 47;
        fill(p, QPolygonF({polar(Mid, 24, a - 7), polar(Mid, tip, a), polar(Mid, 24, a + 7)}), ink);
    }
    disc(p, Mid, 20, ink);
}

void gear(QPainter &p, const QColor &ink)
{
    QPolygonF outline;
    const int teeth = 12;
    const double step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step;
        outline << polar(Mid, 38, a - step * 0.5) << polar(Mid, 38, a - step * 0.22) << polar(Mid, 47, a - step * 0.15)
                << polar(Mid, 47, a + step * 0.15) << polar(Mid, 38, a + step * 0.22);
    }
    fill(p, outline, ink);
    disc(p, Mid, 27, Qt::white);
    fill(p, fivePointStar({50, 52}, 22), ink);
}

void shield(QPainter &p, const QColor &ink)
{
    QPainterPath path;
    path.moveTo(14, 10);
    path.lineTo(86, 10);
    path.lineTo(86, 48);
    path.cubicTo(86, 72, 66, 84, 50, 93);
    path.cubicTo(34, 84, 14, 72, 14, 48);
    path.closeSubpath();
    p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(QPen(ink, 3));
    p.drawLine(QPointF(20, 24), QPointF(80, 24));
    fill(p, fivePointStar({50, 52}, 22), ink);
}

void banner(QPainter &p, const QColor &ink)
{
    // The tails lie behind the band, their notches cut in.
    fill(p, QPolygonF({{3, 70}, {24, 70}, {24, 88}, {3, 88}, {11, 79}}), ink);
    fill(p, QPolygonF({{97, 70}, {76, 70}, {76, 88}, {97, 88}, {89, 79}}), ink);
    QPainterPath band;
    band.moveTo(16, 64);
    band.quadTo(50, 56, 84, 64);
    band.lineTo(84, 82);
    band.quadTo(50, 74, 16, 82);
    band.closeSubpath();
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(ink);
    p.drawPath(band);
    fill(p, fivePointStar({50, 33}, 28), ink);
}

void wreath(QPainter &p, const QColor &ink)
{
    // Two branches rising from the bottom, leaves in pairs along them, a star in the middle.
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF branch(50 - 36, 50 - 36, 72, 72);
    p.drawArc(branch, 255 * 16, -120 * 16); // left, from the bottom up and over
    p.drawArc(branch, 285 * 16, 120 * 16);  // right
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < 6; ++i) {
            const double a = side == 0 ? 245.0 - i * 19.0 : 295.0 + i * 19.0;
            const double climb = side == 0 ? -90.0 : 90.0; // the branch's direction upwards
            for (const double spread : {-38.0, 38.0}) {
                const double dir = a + climb + spread;
                const QPointF base = polar(Mid, 36, a);
                p.save();
                p.translate(polar(base, 6.5, dir));
                p.rotate(-dir);
                p.drawEllipse(QPointF(0, 0), 7, 2.8);
                p.restore();
            }
        }
    }
    fill(p, fivePointStar({50, 52}, 22), ink);
}

void fiveStars(QPainter &p, const QColor &ink)
{
    fill(p, fivePointStar({50, 60}, 28), ink);
    for (const double a : {160.0, 125.0, 55.0, 20.0})
        fill(p, fivePointStar(polar({50, 60}, 41, a), 9), ink);
}

void rhombInRing(QPainter &p, const QColor &ink)
{
    ring(p, Mid, 45, 4, ink);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({{50, 14}, {86, 50}, {50, 86}, {14, 50}}));
    fill(p, QPolygonF({{50, 30}, {70, 50}, {50, 70}, {30, 50}}), ink);
}

void rosette(QPainter &p, const QColor &ink)
{
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(Mid);
        p.rotate(i * 45.0);
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, -28), 12, 20);
        p.restore();
    }
    disc(p, Mid, 15, Qt::white);
    ring(p, Mid, 11, 4, ink);
    disc(p, Mid, 4, ink);
}

void crossedRings(QPainter &p, const QColor &ink)
{
    ring(p, {36, 50}, 28, 5, ink);
    ring(p, {64, 50}, 28, 5, ink);
    fill(p, fivePointStar({50, 52}, 14), ink);
}

// Ring letters set one by one, upright along the circle, centred on the top.
void ringText(QPainter &p, QPointF centre, double radius, const QString &text, double spanDegrees)
{
    const double step = text.size() > 1 ? spanDegrees / double(text.size() - 1) : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const double a = 90.0 + spanDegrees / 2 - step * double(i);
        p.save();
        p.translate(polar(centre, radius, a));
        p.rotate(90.0 - a);
        const QString ch(text.at(i));
        const double w = p.fontMetrics().horizontalAdvance(ch);
        p.drawText(QPointF(-w / 2, 0), ch);
        p.restore();
    }
}

} // namespace

const QList<EmblemArt> &emblemArts()
{
    static const QList<EmblemArt> arts = {
        {u"五角星"_s, solidStar},    {u"空心星"_s, hollowStar},     {u"星环"_s, starInRing},   {u"双环"_s, doubleRing},
        {u"六角星"_s, sixPointStar}, {u"八角星"_s, eightPointStar}, {u"光芒"_s, sun},          {u"齿轮"_s, gear},
        {u"盾徽"_s, shield},         {u"绶带"_s, banner},           {u"嘉禾"_s, wreath},       {u"五星"_s, fiveStars},
        {u"菱环"_s, rhombInRing},    {u"花瓣"_s, rosette},          {u"连环"_s, crossedRings},
    };
    return arts;
}

void drawSplash(QPainter &p, QSize size)
{
    const QColor seal(196, 24, 32);
    const QColor navy(24, 40, 96);
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);

    // The name as large as fits left of the seal.
    QFont title;
    title.setFamilies({u"DejaVu Serif"_s, u"Noto Serif"_s});
    title.setBold(true);
    QFont version = title;
    int px = 44;
    for (; px > 20; --px) {
        title.setPixelSize(px);
        version.setPixelSize(px * 2 / 3);
        if (QFontMetrics(title).horizontalAdvance(u"Quillmark"_s) + 4 +
                QFontMetrics(version).horizontalAdvance(u"8"_s) <=
            222)
            break;
    }
    p.setFont(title);
    p.setPen(seal);
    p.drawText(QPointF(28, 78), u"Quillmark"_s);
    const double titleRight = 28 + p.fontMetrics().horizontalAdvance(u"Quillmark"_s);
    p.setFont(version);
    p.drawText(QPointF(titleRight + 4, 78), u"8"_s);

    QFont sub;
    sub.setFamilies({u"宋体"_s, u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s});
    sub.setPixelSize(15);
    p.setFont(sub);
    p.setPen(navy);
    p.drawText(QPointF(30, 108), u"印章设计 · 编辑 · 打印 · 导出"_s);
    p.setPen(QPen(seal, 2));
    p.drawLine(QPointF(30, 124), QPointF(236, 124));

    // A round seal on the right, clear of the progress label's band below.
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(322, 94);
    ring(p, c, 60, 4, seal);
    ring(p, c, 53, 1.2, seal);
    fill(p, fivePointStar({c.x(), c.y() + 2}, 20), seal);
    QFont ringFont;
    ringFont.setFamilies({u"DejaVu Sans"_s, u"Noto Sans"_s});
    ringFont.setPixelSize(11);
    ringFont.setBold(true);
    p.setFont(ringFont);
    p.setPen(seal);
    ringText(p, c, 40, u"QUILLMARK SEAL STUDIO"_s, 250);

    p.fillRect(QRectF(0, size.height() - 12, size.width(), 12), seal);
    QFont small = ringFont;
    small.setBold(false);
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(110, 110, 110));
    const QString maker = u"© Lumenwerk"_s;
    p.drawText(QPointF(size.width() - 16 - p.fontMetrics().horizontalAdvance(maker), size.height() - 20), maker);
}

void drawWallpaper(QPainter &p, QSize size)
{
    p.fillRect(QRect(QPoint(0, 0), size), QColor(226, 231, 239));

    p.setRenderHint(QPainter::Antialiasing);
    const QColor faint(200, 208, 222);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double r = std::min(size.width(), size.height()) * 0.36;
    ring(p, c, r, 10, faint);
    ring(p, c, r * 0.88, 3, faint);
    fill(p, fivePointStar(c, r * 0.42), faint);
    QFont font;
    font.setFamilies({u"DejaVu Serif"_s, u"Noto Serif"_s});
    font.setPixelSize(int(r * 0.16));
    font.setBold(true);
    p.setFont(font);
    p.setPen(faint);
    ringText(p, c, r * 0.72, u"QUILLMARK"_s, 150);
}

} // namespace qm
