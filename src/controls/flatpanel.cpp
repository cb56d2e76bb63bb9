#include "controls/flatpanel.h"

#include "controls/accessibletabs.h"
#include "controls/systemcolours.h"

#include <QPainter>

namespace qm {

FlatPanel::FlatPanel(QWidget *parent) : QWidget(parent)
{
    installTabAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void FlatPanel::setPanelStyle(PanelStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void FlatPanel::setFrameWidth(int width)
{
    if (width == m_frameWidth)
        return;
    m_frameWidth = width;
    update();
}

void FlatPanel::setPenColor(const QColor &colour)
{
    if (colour == m_penColor)
        return;
    m_penColor = colour;
    update();
}

QColor FlatPanel::bandColour() const
{
    return m_colorA.isValid() ? m_colorA : inactiveBorderColour(palette());
}

void FlatPanel::setBandColour(const QColor &colour)
{
    if (colour == m_colorA)
        return;
    m_colorA = colour;
    update();
}

QColor FlatPanel::backgroundColour() const
{
    return m_color.isValid() ? m_color : buttonFaceColour(palette());
}

void FlatPanel::setBackgroundColour(const QColor &colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    update();
}

void FlatPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), backgroundColour());
    if (m_style != PanelStyle::psPhotoShop)
        return;
    const int w = width();
    const int h = height();
    p.setPen(QPen(m_penColor, 0));
    p.drawLine(0, 0, 0, h);
    // The band covers [6F, w) × [F, h − F); its one-pixel outline lies on the inner edge of
    // that box, as a filled rectangle with an outline does on the desktop this was drawn for.
    const QRect band(QPoint(6 * m_frameWidth, m_frameWidth), QPoint(w - 1, h - m_frameWidth - 1));
    if (band.isEmpty())
        return;
    p.fillRect(band, bandColour());
    p.drawRect(band.adjusted(0, 0, -1, -1));
}

} // namespace qm
