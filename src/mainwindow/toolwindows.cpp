// The tool windows over the main window: the drawing tools palette and the property window.

#include "mainwindow/mainwindow.h"

#include "mainwindow/documentplacement.h"
#include "mainwindow/toolpalette.h"
#include "mainwindow/wallpapermdiarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace qm {

QList<QWidget *> MainWindow::toolWindows() const
{
    QList<QWidget *> tools;
    if (m_drawTools)
        tools.append(m_drawTools);
    if (m_propertyWindow)
        tools.append(m_propertyWindow);
    return tools;
}

void MainWindow::keepAboveMainWindow(QWidget *tool)
{
    // A tool window made before this window had a native window of its own is no transient of
    // it, and some window managers (openbox) then leave it behind the maximised main window.
    if (!windowHandle())
        return;
    tool->winId();
    if (QWindow *own = tool->windowHandle(); own && own->transientParent() != windowHandle())
        own->setTransientParent(windowHandle());
}

void MainWindow::remapToolWindows()
{
    // The first show maps the tool windows before this window: a window manager that looks for
    // the transient's parent only as the transient maps (openbox) finds none and leaves them
    // behind the maximised main window. Mapped again now, they are transients of it.
    if (QGuiApplication::platformName() != u"xcb"_s)
        return;
    for (QWidget *tool : toolWindows()) {
        if (!tool->isVisible())
            continue;
        const QPoint at = tool->pos();
        tool->hide();
        keepAboveMainWindow(tool);
        tool->move(at);
        tool->show();
    }
}

void MainWindow::placePaletteBelowToolBar()
{
    const QPoint home = m_toolBar->mapToGlobal(QPoint(0, m_toolBar->height()));
    m_drawTools->placeAt(home);
    m_paletteHome = m_drawTools->pos();
}

void MainWindow::keepToolWindowsOnScreen()
{
    // The window manager may shift the palette by its frame as it maps it: that is no move of
    // the user's, who would take it further.
    constexpr int FrameShift = 64;
    if (m_drawTools && m_paletteHome && (m_drawTools->pos() - *m_paletteHome).manhattanLength() <= FrameShift)
        placePaletteBelowToolBar();
    else
        m_paletteHome.reset(); // moved by the user: it stays where it was put
    const QScreen *screen = this->screen();
    if (!screen || !isVisible())
        return;
    const QRect room = screen->availableGeometry();
    for (QWidget *tool : toolWindows()) {
        if (!tool->isVisible())
            continue;
        const QRect frame = tool->frameGeometry();
        const QPoint at = keptInside(frame, room);
        if (at != frame.topLeft())
            tool->move(tool->pos() + (at - frame.topLeft()));
    }
}

QList<QRect> MainWindow::toolWindowFrames() const
{
    QList<QRect> frames;
    const QWidget *viewport = m_mdi->viewport();
    for (const QWidget *tool : toolWindows()) {
        if (!tool->isVisible())
            continue;
        const QRect frame = tool->frameGeometry();
        frames.append(QRect(viewport->mapFromGlobal(frame.topLeft()), frame.size()));
    }
    return frames;
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    keepToolWindowsOnScreen();
}

} // namespace qm
