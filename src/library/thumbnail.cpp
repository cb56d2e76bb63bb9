#include "library/thumbnail.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace qm {
namespace {

// Round half to even, as every pixel length of the program.
int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

// Where a picture is drawn: fitted into the control less 4 pixels, keeping its proportions,
// when it is larger than the control; as it is otherwise; centred either way.
QRect pictureRect(QSize picture, QSize control)
{
    QSize drawn = picture;
    const int w = control.width();
    const int h = control.height();
    if (picture.width() > w || picture.height() > h) {
        // (w - 4) / (h - 4) >= pw / ph, compared exactly.
        if (qint64(w - 4) * picture.height() >= qint64(picture.width()) * (h - 4))
            drawn = {roundHalfEven(double(picture.width()) * (h - 4) / picture.height()), h - 4};
        else
            drawn = {w - 4, roundHalfEven(double(picture.height()) * (w - 4) / picture.width())};
    }
    return {QPoint((w - drawn.width()) / 2, (h - drawn.height()) / 2), drawn};
}

} // namespace

Thumbnail::Thumbnail(QWidget *parent) : QWidget(parent)
{
}

void Thumbnail::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void Thumbnail::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    update();
}

void Thumbnail::setHovered(bool hovered)
{
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    update();
}

void Thumbnail::setEntryName(const QString &name)
{
    m_entryName = name;
    setAccessibleName(name);
    setToolTip(name);
}

void Thumbnail::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (m_picture.isNull()) {
        if (m_hovered) {
            // A focus rectangle over the whole control: every other pixel of its edge.
            QList<QPoint> dots;
            const int right = width() - 1;
            const int bottom = height() - 1;
            for (int x = 0; x <= right; ++x)
                for (int y : {0, bottom})
                    if ((x + y) % 2 == 0)
                        dots.append({x, y});
            for (int y = 1; y < bottom; ++y)
                for (int x : {0, right})
                    if ((x + y) % 2 == 0)
                        dots.append({x, y});
            p.setPen(QPen(QColor(0, 0xFF, 0xFF), 0));
            p.drawPoints(dots.constData(), int(dots.size()));
        }
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(pictureRect(m_picture.size(), size()), m_picture);
    QPen pen;
    if (m_selected)
        pen = QPen(palette().color(QPalette::Active, QPalette::Highlight), 3);
    else
        pen = QPen(m_hovered ? QColor(0, 0, 0xFF) : QColor(0xEF, 0xB0, 0x40), 1);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // The outline from (1, 1) to (width - 1, height - 1), right and bottom edges excluded: its
    // pen runs along the pixels 1 and width - 2.
    p.drawRect(QRect(1, 1, width() - 3, height() - 3));
}

void Thumbnail::enterEvent(QEnterEvent *event)
{
    setHovered(true);
    QWidget::enterEvent(event);
}

void Thumbnail::leaveEvent(QEvent *event)
{
    setHovered(false);
    QWidget::leaveEvent(event);
}

void Thumbnail::mousePressEvent(QMouseEvent *event)
{
    const Qt::MouseButton button = event->button();
    m_leftPressed = button == Qt::LeftButton;
    m_pressPos = event->position().toPoint();
    // The column's press handler runs first: it unselects the thumbnail it remembered, which
    // may be this one, so that the toggle below always leaves this one selected.
    emit pressed(this, button);
    if (button == Qt::LeftButton)
        setSelected(!m_selected);
}

void Thumbnail::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_leftPressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_leftPressed = false;
    emit dragStarted(this);
}

void Thumbnail::mouseReleaseEvent(QMouseEvent *event)
{
    m_leftPressed = false;
    event->accept();
}

void Thumbnail::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    m_leftPressed = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}

void Thumbnail::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(this, event->globalPos());
}

} // namespace qm
