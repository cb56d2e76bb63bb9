#include "properties/propertytabs.h"

#include <QPainter>

namespace qm {

PropertyTabButton::PropertyTabButton(const QString &caption, int tag, QWidget *parent)
    : QToolButton(parent)
    , m_tag(tag)
{
    setText(caption);
    setAccessibleName(caption);
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setProperty("Tag", tag);
}

void PropertyTabButton::setBtnState(State state)
{
    // A click toggles the check mark by itself; the state decides it.
    setChecked(state == State::Down);
    if (state == m_state)
        return;
    m_state = state;
    setTabSize(m_width, height());
}

void PropertyTabButton::setTabSize(int width, int height)
{
    m_width = width;
    setFixedSize(width + (m_state == State::Down ? height / 2 : 0), height);
}

PropertyTabStrip::PropertyTabStrip(QWidget *parent)
    : QFrame(parent)
{
}

void PropertyTabStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawLine(0, 0, 0, height());
    p.setBrush(palette().color(QPalette::Mid));
    p.drawRect(6 * m_frameWidth, m_frameWidth, width() - 6 * m_frameWidth - 1, height() - 2 * m_frameWidth - 1);
}

} // namespace qm
