#include "controls/tqmvflatpanel.h"

#include "controls/systemcolours.h"

#include <QPainter>

namespace qm {

TQMVFlatPanel::TQMVFlatPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(sizeHint());
}

void TQMVFlatPanel::SetPanelStyle(TPanelStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TQMVFlatPanel::SetFrameWidth(int width)
{
    if (width == m_frameWidth)
        return;
    m_frameWidth = width;
    update();
}

void TQMVFlatPanel::SetPenColor(const QColor &colour)
{
    if (colour == m_penColor)
        return;
    m_penColor = colour;
    update();
}

QColor TQMVFlatPanel::ColorA() const
{
    return m_colorA.isValid() ? m_colorA : inactiveBorderColour(palette());
}

void TQMVFlatPanel::SetColorA(const QColor &colour)
{
    if (colour == m_colorA)
        return;
    m_colorA = colour;
    update();
}

QColor TQMVFlatPanel::Color() const
{
    return m_color.isValid() ? m_color : buttonFaceColour(palette());
}

void TQMVFlatPanel::SetColor(const QColor &colour)
{
    if (colour == m_color)
        return;
    m_color = colour;
    update();
}

void TQMVFlatPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(rect(), Color());
    if (m_style != TPanelStyle::psPhotoShop)
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
    p.fillRect(band, ColorA());
    p.drawRect(band.adjusted(0, 0, -1, -1));
}

} // namespace qm
