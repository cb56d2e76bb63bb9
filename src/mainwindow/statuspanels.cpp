#include "mainwindow/statuspanels.h"

#include "controls/statusbar.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

struct PanelLayout {
    int width;           // 0: the rest
    const char *text;    // source texts of the translations
    const char *longest; // the longest text it shows (a count up to a document's largest)
};

constexpr std::array<PanelLayout, StatusPanelCount> Panels{{
    {115, QT_TRANSLATE_NOOP("MainWindow", " 水平坐标："), QT_TRANSLATE_NOOP("MainWindow", " 水平坐标：-000.0mm")},
    {110, QT_TRANSLATE_NOOP("MainWindow", "垂直坐标："), QT_TRANSLATE_NOOP("MainWindow", "垂直坐标：-000.0mm")},
    {105, QT_TRANSLATE_NOOP("MainWindow", "文件状态："), QT_TRANSLATE_NOOP("MainWindow", "文件状态：已修改")},
    {90, QT_TRANSLATE_NOOP("MainWindow", "已画图形："), QT_TRANSLATE_NOOP("MainWindow", "已画图形：00000")},
    {0, "", ""},
    {60, "CAPS: OFF", "CAPS: OFF"},
    {55, "NUM :ON", "NUM: OFF"},
    {50, "SCRL: OFF", "SCRL: OFF"},
}};

} // namespace

void addStatusPanels(StatusBar &bar)
{
    // The widths were made for a smaller system font: a panel is widened to show its longest
    // text.
    const QFontMetrics fm = bar.fontMetrics();
    for (const PanelLayout &panel : Panels) {
        const int fitting =
            panel.width > 0 ? fm.horizontalAdvance(QCoreApplication::translate("MainWindow", panel.longest)) + 8 : 0;
        bar.addPanel(std::max(panel.width, fitting), QCoreApplication::translate("MainWindow", panel.text));
    }
    bar.setHintPanel(InformationPanel);
}

void layoutStatusPanels(StatusBar &bar, int pixelsPerInch)
{
    int others = 0;
    for (int i = 0; i < bar.panelCount(); ++i)
        if (i != InformationPanel)
            others += bar.panelWidth(i);
    bar.setPanelWidth(InformationPanel, std::max(0, bar.contentsRect().width() - others - pixelsPerInch / 3));
}

ProgressPanel::ProgressPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(u"Panel2"_s);
    setAccessibleName(QCoreApplication::translate("MainWindow", "进度"));
    m_caption = new QLabel(QCoreApplication::translate("MainWindow", "正在载入："), this);
    QPalette red = m_caption->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_caption->setPalette(red);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(u"ProgressBar1"_s);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QCoreApplication::translate("MainWindow", "进度"));
    QFrame::hide();
}

void ProgressPanel::placeOnBar(int pixelsPerInch)
{
    QWidget *bar = parentWidget();
    if (!bar)
        return;
    const int width = int(std::nearbyint(pixelsPerInch * 3.5));
    const int height = std::max(0, bar->height() - 5);
    setGeometry(bar->width() - width - pixelsPerInch / 8, 3, width, height);
    // The caption on the left, the bar in what its text leaves.
    const int captionWidth = m_caption->fontMetrics().horizontalAdvance(m_caption->text());
    m_caption->setGeometry(0, 0, captionWidth, height);
    m_bar->setGeometry(captionWidth, 0, std::max(0, width - captionWidth), height);
}

void ProgressPanel::showText(const QString &text)
{
    m_caption->setText(text);
    if (parentWidget())
        placeOnBar(logicalDpiX());
    raise();
    show();
    // Long operations block the event loop: the caption must be on screen before they start.
    repaint();
}

void ProgressPanel::setMaximum(int maximum)
{
    m_bar->setMaximum(std::max(0, maximum));
}

void ProgressPanel::setPosition(int position)
{
    m_bar->setValue(std::clamp(position, m_bar->minimum(), m_bar->maximum()));
}

void ProgressPanel::advance(int by)
{
    const int at = std::max(m_bar->value(), m_bar->minimum()); // -1 before the first position
    setPosition(at + by);
    m_bar->repaint();
}

void ProgressPanel::hide()
{
    QFrame::hide();
}

} // namespace qm
