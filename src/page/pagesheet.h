#pragma once

#include <QColor>
#include <QFont>

class QPainter;

namespace qm {

class PageModel;

// The grid pen and the margin pen of every page.
constexpr QRgb GridColour = 0xF3F3F3;
constexpr QRgb MarginColour = 0x0000FF; // pure blue

// Draws the grid with its centimetre numbers and the margin rectangle of the page onto the
// painter, whose origin is the page's top-left corner; the white ground is already there. Above
// 50 % dotted lines every 5 mm alternate with numbered solid ones every centimetre; at 50 % and
// below only unnumbered centimetre lines remain.
void paintPageSheet(QPainter &painter, const PageModel &page, const QFont &tickFont, const QColor &tickColour);

} // namespace qm
