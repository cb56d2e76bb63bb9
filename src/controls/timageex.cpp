#include "controls/timageex.h"

#include <QMouseEvent>

namespace qm {

TImageEx::TImageEx(QWidget *parent) : QLabel(parent)
{
}

void TImageEx::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    if (m_autoSize)
        resize(picture.deviceIndependentSize().toSize());
}

void TImageEx::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && !pixmap().isNull())
        resize(pixmap().deviceIndependentSize().toSize());
}

void TImageEx::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    emit mouseEnter();
}

void TImageEx::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    emit mouseLeave();
}

void TImageEx::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void TImageEx::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace qm
