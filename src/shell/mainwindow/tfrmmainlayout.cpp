// The main window's bars and menus that follow the documents: the bar layout, the window list
// and the recent files.

#include "shell/mainwindow/tfrmmain.h"

#include "page/tfrmchild.h"
#include "shell/mainwindow/configuration.h"
#include "shell/mainwindow/statuspanels.h"
#include "shell/mainwindow/wallpapermdiarea.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {

void TfrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    LayoutBars();
}

void TfrmMain::LayoutBars()
{
    if (!m_panels)
        return;
    const int p = logicalDpiX();
    const int w = fontMetrics().horizontalAdvance(u"我"_s);
    auto round = [](double v) { return int(std::nearbyint(v)); };
    setUpdatesEnabled(false);
    m_panels->layout(p);
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
    setUpdatesEnabled(true);
}

void TfrmMain::fillWindowMenu()
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

void TfrmMain::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_config.recentFiles();
    if (files.isEmpty()) {
        m_recentMenu->addAction(u"（无）"_s)->setEnabled(false);
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
