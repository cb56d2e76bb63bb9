#pragma once

#include "document/progressdisplay.h"

#include <QFrame>

#include <array>

class QLabel;
class QProgressBar;
class QStatusBar;

namespace qm {

// The eight panels of the main window's status bar: mouse position (0, 1), file state (2),
// element count (3), information (4, all the width left) and the three lock keys (5 … 7).
class StatusPanels
{
public:
    static constexpr int Count = 8;
    static constexpr int Information = 4;

    // Fills the bar with the panels at their first widths and texts.
    explicit StatusPanels(QStatusBar *bar);

    QString text(int panel) const;
    void setText(int panel, const QString &text);
    QLabel *panel(int index) const { return m_panels.at(size_t(index)); }
    int width(int panel) const;
    // Panel 4 takes what the others leave, less a third of an inch.
    void layout(int pixelsPerInch);

private:
    QStatusBar *m_bar;
    std::array<QLabel *, Count> m_panels{};
};

// "Panel2" with "ProgressBar1": a captioned progress bar lent to long document operations,
// standing on the right of the status bar and hidden between them.
class ProgressPanel : public QFrame, public ProgressDisplay
{
public:
    explicit ProgressPanel(QWidget *parent);

    QLabel *caption() const { return m_caption; }
    QProgressBar *bar() const { return m_bar; }
    // Height from the status bar, width Round(3.5 × P), P div 8 from the right edge.
    void placeOnBar(int pixelsPerInch);

    void showText(const QString &text) override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    void advance(int by) override;
    void hide() override;

private:
    QLabel *m_caption;
    QProgressBar *m_bar;
};

} // namespace qm
