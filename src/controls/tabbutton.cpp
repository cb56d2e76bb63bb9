#include "controls/tabbutton.h"

#include "controls/accessibletabs.h"
#include "controls/hints.h"
#include "controls/systemcolours.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

using namespace Qt::StringLiterals;

namespace qm {

TabButton::TabButton(QWidget *parent) : QWidget(parent)
{
    installTabAccessibility();
    resize(sizeHint());
    setCaption(u"QMVBtn"_s);
}

void TabButton::setButtonState(ButtonState state)
{
    if (state == m_state)
        return;
    const int room = height() / 2; // for the arrow of an open tab
    if (state == ButtonState::bsDown)
        resize(width() + room, height());
    else if (m_state == ButtonState::bsDown)
        resize(width() - room, height());
    m_state = state;
    update();
}

void TabButton::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(captionText(caption));
    update();
}

void TabButton::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    const QPalette &pal = palette();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);

    QColor fill = buttonFaceColour(pal);
    if (m_state == ButtonState::bsDown)
        fill = highlightColour(pal);
    else if (m_state == ButtonState::bsActive)
        fill = light3DColour(pal);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(fill);
    p.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, h - 1), QPoint(w - 1, h - 1), QPoint(w - h + 1, 1)}));

    QFont f = font();
    f.setBold(m_state == ButtonState::bsDown);
    p.setFont(f);
    const QFontMetrics fm(f);
    const int tw = fm.horizontalAdvance(m_caption);
    const int th = fm.height();
    const int ty = (h - th) / 2 + 1;
    p.setBrush(Qt::NoBrush);

    switch (m_state) {
    case ButtonState::bsUp:
        p.setPen(Qt::black);
        p.drawText(QPoint((w - h - tw) / 2, ty + fm.ascent()), m_caption);
        break;
    case ButtonState::bsDown: {
        p.setPen(QPen(Qt::black, 0));
        p.drawLine(2, 2, 2, h);
        const int c = m_caption.isEmpty() ? 0 : tw / int(m_caption.size()) - 2;
        p.setPen(Qt::white);
        p.drawText(QPoint(c, ty + fm.ascent()), m_caption);
        const int a = th / 2 - 2;
        const int x = tw + 2 * c;
        p.setPen(QPen(Qt::white, 0));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(x, h / 2 - a), QPoint(x + a, h / 2), QPoint(x, h / 2 + a)}));
        break;
    }
    case ButtonState::bsActive:
        p.setPen(QPen(Qt::white, 0));
        p.drawLine(2, 2, 2, h - 2);
        p.drawLine(2, 2, w - h + 1, 2);
        p.setPen(QPen(inactiveBorderColour(pal), 0));
        p.drawLine(w - h + 1, 2, w - 3, h - 2);
        p.drawLine(w - 3, h - 2, 2, h - 2);
        p.setPen(hotLightColour(pal));
        p.drawText(QPoint((w - h - tw) / 2, ty + fm.ascent()), m_caption);
        break;
    }
}

void TabButton::mousePressEvent(QMouseEvent *event)
{
    press(event->button(), event->position().toPoint());
}

void TabButton::press(Qt::MouseButton button, const QPoint &pos)
{
    emit mouseDown(button, pos);
    if (button != Qt::LeftButton)
        return;
    m_leftPressed = true;
    setButtonState(m_state == ButtonState::bsDown ? ButtonState::bsUp : ButtonState::bsDown);
}

void TabButton::click()
{
    const QPoint middle = rect().center();
    press(Qt::LeftButton, middle);
    m_leftPressed = false;
    emit mouseUp(Qt::LeftButton, middle);
    emit clicked();
}

void TabButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && m_leftPressed && rect().contains(pos);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    emit mouseUp(event->button(), pos);
    if (click)
        emit clicked();
}

void TabButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    raise(); // cover the overlapping neighbour tab
    if (m_state == ButtonState::bsUp) {
        m_state = ButtonState::bsActive;
        update();
    }
}

void TabButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_state == ButtonState::bsActive) {
        m_state = ButtonState::bsUp;
        update();
    }
}

} // namespace qm
