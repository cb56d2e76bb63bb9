#include "seal/fivestar.h"

#include "picture/surface.h"
#include "seal/drawingelements.h"
#include "seal/glyph.h"

#include <cmath>
#include <numbers>

namespace qm {

QList<QPoint> fiveStarPoints(long double cx, long double cy, long double rx, long double ry, long double ix,
                             long double iy)
{
    const long double pi = std::numbers::pi_v<long double>;
    QList<QPoint> points;
    points.reserve(10);
    for (int k = 0; k < 10; ++k) {
        // 90 degrees plus 36 degrees per vertex; subtracting the cosine walks clockwise.
        const long double theta = pi / 2 + k * pi / 5;
        const bool tip = k % 2 == 0;
        const long double x = cx - (tip ? rx : ix) * std::cos(theta);
        const long double y = cy - (tip ? ry : iy) * std::sin(theta);
        points.append(QPoint(roundHalfEven(x), roundHalfEven(y)));
    }
    return points;
}

void drawFiveStar(Surface &surface, int ox, int oy, BrushStyle brushStyle, Colour brushColor, Colour penColor, int pen,
                  int H, int W)
{
    // A filled star takes its shape from the fill; its outline is the thinnest line.
    setStrokeStyle(surface, brushStyle == BrushStyle::bsClear ? pen : 0, brushStyle, brushColor, penColor);
    const long double w = static_cast<long double>(W) - pen, h = static_cast<long double>(H) - pen;
    surface.polygon(fiveStarPoints(ox + W / 2.0L, oy + H / 2.0L, w / 2, h / 2, w / 5.3L, h / 5.3L));
}

void drawPictureOrStar(Surface &surface, int ox, int oy, const PictureOrStar &p)
{
    if (!p.haveImage)
        return;
    const long double cx = ox + p.boxW / 2.0L + p.icx;
    const long double cy = oy + p.boxH / 2.0L + p.icy;

    if (p.imageIsStar) {
        if (p.brushStyle == BrushStyle::bsSolid) {
            // Cut out of a negative seal: a white outline only.
            surface.setPenWidth(p.pen);
            surface.setPenColor(clWhite);
            surface.setBrushStyle(SurfaceBrush::Clear);
        } else {
            surface.setPenWidth(1);
            surface.setPenColor(p.penColor);
            surface.setBrushColor(p.penColor);
        }
        const long double w = static_cast<long double>(p.iw) - p.pen;
        const long double h = static_cast<long double>(p.ih) - p.pen;
        surface.polygon(fiveStarPoints(cx, cy, w / 2, h / 2, w / 5.3L, h / 5.3L));
        return;
    }

    if (p.picBitmap.isNull())
        return;
    const long double left = cx - p.iw / 2.0L;
    const long double top = cy - p.ih / 2.0L;
    surface.stretchDraw(roundHalfEven(left), roundHalfEven(top), roundHalfEven(left + p.iw), roundHalfEven(top + p.ih),
                        p.picBitmap, p.transparent, p.picInk);
}

} // namespace qm
