#include "page/pagesheet.h"

#include "document/pagemodel.h"
#include "seal/sealtypes.h"

#include <QPainter>

#include <algorithm>

namespace qm {

namespace {

QPen gridPen(bool solid)
{
    QPen pen{QColor(GridColour), 0};
    pen.setStyle(solid ? Qt::SolidLine : Qt::DotLine);
    return pen;
}

// Text placed by the top-left corner of its cell on the page's white, as the numbers always were.
void tick(QPainter &painter, int x, int y, int number)
{
    const QFontMetrics fm(painter.font());
    const QString text = QString::number(number);
    const QRect cell(x, y, fm.horizontalAdvance(text), fm.height());
    painter.fillRect(cell, Qt::white);
    painter.drawText(x, y + fm.ascent(), text);
}

void paintGrid(QPainter &painter, const PageModel &page, const QColor &tickColour)
{
    const int width = page.width();
    const int height = page.height();
    const long double scale = page.pixelsPerMm();
    const bool numbers = page.zoom() > 50;
    const int step = numbers ? 5 : 10;
    const int limit = std::max(width, height);
    if (limit <= 0 || scale <= 0)
        return;
    int p = 0;
    int x = 0;
    do {
        p += step;
        x = roundHalfEven(p * scale);
        const bool centimetre = p % 10 == 0;
        if (x < width) {
            if (centimetre && numbers) {
                painter.setPen(tickColour);
                tick(painter, x + 1, 0, p / 10);
            }
            painter.setPen(gridPen(centimetre));
            painter.drawLine(x, 0, x, height);
        }
        if (x < height) {
            if (centimetre && numbers) {
                painter.setPen(tickColour);
                tick(painter, 1, x, p / 10);
            }
            painter.setPen(gridPen(centimetre));
            painter.drawLine(0, x, width, x);
        }
    } while (x < limit);
}

} // namespace

void paintPageSheet(QPainter &painter, const PageModel &page, const QFont &tickFont, const QColor &tickColour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(tickFont);
    if (page.grid())
        paintGrid(painter, page, tickColour);

    const long double scale = page.pixelsPerMm();
    const int left = roundHalfEven(page.leftMargin() * scale);
    const int top = roundHalfEven(page.topMargin() * scale);
    const int right = page.width() - roundHalfEven(page.rightMargin() * scale);
    const int bottom = page.height() - roundHalfEven(page.bottomMargin() * scale);
    QPen margin{QColor(MarginColour), 0};
    margin.setStyle(Qt::DotLine);
    painter.setPen(margin);
    painter.setBrush(Qt::NoBrush);
    // The box [left, right) x [top, bottom): its outline covers the columns left … right − 1.
    if (right > left && bottom > top)
        painter.drawRect(left, top, right - left - 1, bottom - top - 1);
    painter.restore();
}

} // namespace qm
