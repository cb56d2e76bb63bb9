#include "controls/hoverimage.h"

#include <QMouseEvent>

namespace qm {

HoverImage::HoverImage(QWidget *parent) : QLabel(parent)
{
}

void HoverImage::setPicture(const QPixmap &picture)
{
    setPixmap(picture);
    if (m_autoSize)
        resize(picture.deviceIndependentSize().toSize());
}

void HoverImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && !pixmap().isNull())
        resize(pixmap().deviceIndependentSize().toSize());
}

void HoverImage::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    emit mouseEnter();
}

void HoverImage::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    emit mouseLeave();
}

void HoverImage::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void HoverImage::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace qm
