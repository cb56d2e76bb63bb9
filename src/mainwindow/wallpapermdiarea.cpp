#include "mainwindow/wallpapermdiarea.h"

#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>

namespace qm {

WallpaperMdiArea::WallpaperMdiArea(QWidget *parent) : QMdiArea(parent)
{
}

void WallpaperMdiArea::setWallpaper(const QImage &picture)
{
    m_wallpaper = picture;
    viewport()->update();
}

QPoint WallpaperMdiArea::wallpaperOrigin(QSize viewport, QSize picture)
{
    return QPoint((viewport.width() - picture.width()) / 2, (viewport.height() - picture.height()) / 2);
}

void WallpaperMdiArea::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event);
    if (m_wallpaper.isNull())
        return;
    QPainter p(viewport());
    p.setClipRegion(event->region());
    p.drawImage(wallpaperOrigin(viewport()->size(), m_wallpaper.size()), m_wallpaper);
}

void WallpaperMdiArea::scrollContentsBy(int dx, int dy)
{
    QMdiArea::scrollContentsBy(dx, dy);
    // Scrolling moves the pixels; the picture stays centred only if all of it is painted anew.
    viewport()->update();
}

namespace {

bool isArranged(const QMdiSubWindow *w)
{
    return w->isVisible() && !w->isMinimized();
}

} // namespace

int WallpaperMdiArea::minimisedRowsHeight() const
{
    int height = 0;
    int x = 0;
    int row = 0;
    const int width = viewport()->width();
    for (QMdiSubWindow *w : subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > width) {
            height += row;
            x = 0;
            row = 0;
        }
        x += size.width();
        row = std::max(row, size.height());
    }
    return height + row;
}

void WallpaperMdiArea::tile(Qt::Orientation bands)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : subWindowList(QMdiArea::CreationOrder))
        if (isArranged(w) || w->isMaximized())
            windows.append(w);
    if (windows.isEmpty())
        return;
    const QRect area(QPoint(0, 0), QSize(viewport()->width(), viewport()->height() - minimisedRowsHeight()));
    const int n = int(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow *w = windows.at(i);
        if (w->isMaximized())
            w->showNormal();
        QRect r;
        if (bands == Qt::Horizontal) {
            const int top = area.height() * i / n;
            r = QRect(0, top, area.width(), area.height() * (i + 1) / n - top);
        } else {
            const int left = area.width() * i / n;
            r = QRect(left, 0, area.width() * (i + 1) / n - left, area.height());
        }
        w->setGeometry(r);
    }
}

void WallpaperMdiArea::tileHorizontally()
{
    tile(Qt::Horizontal);
}

void WallpaperMdiArea::tileVertically()
{
    tile(Qt::Vertical);
}

void WallpaperMdiArea::minimiseAll()
{
    for (QMdiSubWindow *w : subWindowList())
        w->showMinimized();
    arrangeMinimised();
}

void WallpaperMdiArea::arrangeMinimised()
{
    const int width = viewport()->width();
    int x = 0;
    int bottom = viewport()->height();
    int row = 0;
    for (QMdiSubWindow *w : subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > width) {
            bottom -= row;
            x = 0;
            row = 0;
        }
        w->move(x, bottom - size.height());
        x += size.width();
        row = std::max(row, size.height());
    }
}

} // namespace qm
