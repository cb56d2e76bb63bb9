#include "page/overridecursor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

namespace qm {

OverrideCursorGuard::OverrideCursorGuard(const QCursor &cursor)
{
    QGuiApplication::setOverrideCursor(cursor);
}

OverrideCursorGuard::~OverrideCursorGuard()
{
    QGuiApplication::restoreOverrideCursor();
}

QCursor dragCursor()
{
    return QCursor(Qt::DragMoveCursor);
}

// An arrow carrying a small stack of sheets: the platform has no cursor for moving several
// things at once.
QCursor multiDragCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QPolygon arrow{{0, 0}, {0, 16}, {4, 12}, {7, 19}, {9, 18}, {6, 11}, {11, 11}};
    p.setPen(Qt::white);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    for (int i = 2; i >= 0; --i)
        p.drawRect(12 + 3 * i, 14 + 3 * i, 10, 8);
    p.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace qm
