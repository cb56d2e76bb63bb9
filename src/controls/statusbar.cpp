#include "controls/statusbar.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace qm {

namespace {
constexpr int PanelGap = 2; // between neighbouring panels, as the desktop's status bar leaves
}

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false); // the last panel reaches the right edge
    setAccessibleName(tr("状态栏"));
    connect(this, &QStatusBar::messageChanged, this, &StatusBar::showHint);
}

int StatusBar::addPanel(int width, const QString &text)
{
    Panel panel;
    panel.label = new QLabel(text, this);
    panel.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel.label->setTextFormat(Qt::PlainText);
    panel.label->setIndent(2);
    panel.label->lower(); // owner's controls stay on top of the panels
    panel.label->show();
    panel.width = width;
    panel.text = text;
    m_panels.append(panel);
    layoutPanels();
    return int(m_panels.size()) - 1;
}

QString StatusBar::panelText(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels.at(index).text : QString();
}

void StatusBar::setPanelText(int index, const QString &text)
{
    if (index < 0 || index >= m_panels.size())
        return;
    m_panels[index].text = text;
    if (index != m_hintPanel || m_hint.isEmpty())
        m_panels[index].label->setText(text);
}

int StatusBar::panelWidth(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels.at(index).width : 0;
}

void StatusBar::setPanelWidth(int index, int width)
{
    if (index < 0 || index >= m_panels.size() || m_panels.at(index).width == width)
        return;
    m_panels[index].width = width;
    layoutPanels();
}

QRect StatusBar::panelRect(int index) const
{
    return index >= 0 && index < m_panels.size() ? m_panels.at(index).label->geometry() : QRect();
}

void StatusBar::setHintPanel(int index)
{
    showHint({});
    m_hintPanel = index;
    showHint(currentMessage());
}

void StatusBar::showHint(const QString &hint)
{
    m_hint = hint;
    if (m_hintPanel < 0 || m_hintPanel >= m_panels.size())
        return;
    const Panel &panel = m_panels.at(m_hintPanel);
    panel.label->setText(hint.isEmpty() ? panel.text : hint);
}

void StatusBar::paintEvent(QPaintEvent *)
{
    // Only the bar's ground: the panels are labels, and a status tip goes to the hint panel
    // rather than being painted over them.
    QPainter p(this);
    QStyleOption opt;
    opt.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &opt, &p, this);
}

void StatusBar::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    layoutPanels();
}

void StatusBar::layoutPanels()
{
    int x = 0;
    for (const Panel &panel : std::as_const(m_panels)) {
        const int w = std::max(0, panel.width);
        panel.label->setGeometry(x, 1, w, std::max(0, height() - 2));
        x += w + PanelGap;
    }
}

} // namespace qm
