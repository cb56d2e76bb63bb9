#include "mainwindow/documentplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace qm {

namespace {

// How many positions a window of `size` has in `room`, `step` apart on both axes.
int positions(QSize room, QSize size, int step)
{
    if (step <= 0)
        return 1;
    const int spare = std::min(room.width() - size.width(), room.height() - size.height());
    return spare > 0 ? 1 + spare / step : 1;
}

// A free part narrower than this leaves no useful window: the tool windows are then ignored.
constexpr int MinimumFreeWidth = 200;

} // namespace

QList<QRect> cascadeGeometries(QSize area, int count, int step)
{
    const QSize size(area.width() * 2 / 3, area.height() * 2 / 3);
    const int n = positions(area, size, step);
    QList<QRect> out;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % n) * step;
        out.append(QRect(QPoint(offset, offset), size));
    }
    return out;
}

QRect freeDocumentArea(QSize area, const QList<QRect> &toolWindows)
{
    const QRect whole(QPoint(0, 0), area);
    int left = 0;
    int right = area.width();
    for (const QRect &tool : toolWindows) {
        if (!tool.intersects(whole))
            continue;
        if (tool.center().x() < area.width() / 2)
            left = std::max(left, tool.right() + 1);
        else
            right = std::min(right, tool.left());
    }
    if (right - left < MinimumFreeWidth)
        return whole;
    return QRect(left, 0, right - left, area.height());
}

QRect newDocumentGeometry(const QRect &free, int index, int step)
{
    const QSize size(std::min(free.width(), std::max(320, free.width() * 3 / 4)),
                     std::min(free.height(), std::max(240, free.height() * 3 / 4)));
    const int offset = (std::max(0, index) % positions(free.size(), size, step)) * step;
    return QRect(free.topLeft() + QPoint(offset, offset), size);
}

QPoint keptInside(const QRect &frame, const QRect &room)
{
    const int x = std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height()));
    return QPoint(x, y);
}

int titleBarHeight(const QMdiSubWindow &window)
{
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    option.titleBarFlags = window.windowFlags();
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
}

void cascadeDocumentWindows(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : area.subWindowList(QMdiArea::StackingOrder))
        if (!w->isMinimized() && !w->isHidden())
            windows.append(w);
    if (windows.isEmpty())
        return;
    const QList<QRect> places =
        cascadeGeometries(area.viewport()->size(), int(windows.size()), titleBarHeight(*windows.constFirst()));
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *w = windows.at(i);
        if (w->isMaximized())
            w->showNormal();
        w->setGeometry(places.at(i));
        w->raise();
    }
}

} // namespace qm
