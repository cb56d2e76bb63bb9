// The main window's bars and menus that follow the documents: the bar layout, the window list
// and the recent files.

#include "mainwindow/mainwindow.h"

#include "controls/flatpanel.h"
#include "controls/statusbar.h"
#include "controls/tabbutton.h"
#include "mainwindow/configuration.h"
#include "mainwindow/statuspanels.h"
#include "mainwindow/wallpapermdiarea.h"
#include "page/documentwindow.h"
#include "page/updatesguard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOutBars();
    keepToolWindowsOnScreen();
}

void MainWindow::layOutBars()
{
    if (!m_statusBar)
        return;
    const int p = logicalDpiX();
    const int w = fontMetrics().horizontalAdvance(u"我"_s);
    auto round = [](double v) { return int(std::nearbyint(v)); };
    const UpdatesGuard frozen(this);
    layoutStatusPanels(*m_statusBar, p);
    m_progress->placeOnBar(p);
    // The list must still show "600%" beside its arrow where half an inch is too narrow.
    m_zoomBox->setFixedWidth(std::max(round(p / 2.0), m_zoomBox->minimumSizeHint().width()));
    m_fontBox->setFixedWidth(10 * w);
    m_chineseOnly->setFixedWidth(std::max(round(4.5 * w), m_chineseOnly->sizeHint().width()));
    m_toggles[0]->setFixedWidth(std::max(round(3.5 * w), m_toggles[0]->sizeHint().width()));
    m_toggles[1]->setFixedWidth(m_toggles[0]->width());
    m_toggles[2]->setFixedWidth(std::max(m_chineseOnly->width(), m_toggles[2]->sizeHint().width()));
    for (QWidget *panel : {m_zoomPanel, m_fontPanel, m_togglePanel})
        panel->adjustSize();
    layoutTabs();
}

void MainWindow::layoutTabs()
{
    const int p = logicalDpiX();
    const int w = fontMetrics().horizontalAdvance(u"我"_s);
    const int frame = int(std::nearbyint(p / 100.0));
    m_tabPanel->setFrameWidth(frame);
    const QRect room = m_rightPanel->contentsRect();
    const int width = std::min(18 * w, room.width());
    // The band stands at the right end, above the columns the tabs open.
    m_tabPanel->setGeometry(room.right() + 1 - width, room.top(), width, room.height());
    const int height = m_tabPanel->height() * 3 / 4;
    const int top = m_tabPanel->height() - height - frame;
    int left = 5 * frame;
    for (TabButton *tab : m_tabs) {
        // An open tab keeps the extra half height it took for its arrow.
        const int extra = tab->buttonState() == ButtonState::bsDown ? height / 2 : 0;
        // A longer caption (the English one) still fits beside the slanted edge, in bold.
        QFont bold = tab->font();
        bold.setBold(true);
        const int captionRoom = QFontMetrics(bold).horizontalAdvance(tab->caption()) + height + w / 2;
        tab->setGeometry(left, top, std::max(6 * w, captionRoom) + extra, height);
        // The next tab overlaps this one by half a height.
        left += tab->width() - height / 2;
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_rightPanel && event->type() == QEvent::Resize)
        layoutTabs();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fillWindowMenu()
{
    const bool any = !m_mdi->subWindowList().isEmpty();
    action(u"WindowsCloseAll"_s)->setEnabled(any);
    for (QAction *a : std::as_const(m_windowListActions)) {
        m_windowMenu->removeAction(a);
        delete a;
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    m_windowListActions.append(m_windowMenu->addSeparator());
    int number = 0;
    for (QMdiSubWindow *window : windows) {
        ++number;
        const QString title = window->widget() ? window->widget()->windowTitle() : window->windowTitle();
        QString text = title;
        text.replace(u'&', u"&&"_s);
        if (number < 10)
            text = u'&' + QString::number(number) + u' ' + text;
        QAction *a = m_windowMenu->addAction(text);
        a->setCheckable(true);
        a->setChecked(window == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (!window)
                return;
            if (window->isMinimized())
                window->showNormal();
            m_mdi->setActiveSubWindow(window);
        });
        m_windowListActions.append(a);
    }
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_config.recentFiles();
    if (files.isEmpty()) {
        m_recentMenu->addAction(tr("（无）"))->setEnabled(false);
        return;
    }
    int number = 0;
    for (const QString &file : files) {
        ++number;
        QString text = file;
        text.replace(u'&', u"&&"_s);
        QAction *a = m_recentMenu->addAction(u'&' + QString::number(number) + u' ' + text);
        a->setToolTip(file);
        connect(a, &QAction::triggered, this, [this, file] { openChosenFile(file); });
    }
}

} // namespace qm
