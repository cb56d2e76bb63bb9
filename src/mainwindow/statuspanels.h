#pragma once

#include "document/progressdisplay.h"

#include <QFrame>

class QLabel;
class QProgressBar;

namespace qm {

class StatusBar;

// The eight panels of the main window's status bar: mouse position (0, 1), file state (2),
// element count (3), information and hints (4, all the width left) and the lock keys (5 … 7).
constexpr int StatusPanelCount = 8;
constexpr int InformationPanel = 4;

// Fills the bar with the panels at their first widths and texts.
void addStatusPanels(StatusBar &bar);
// Panel 4 takes what the others leave, less a third of an inch.
void layoutStatusPanels(StatusBar &bar, int pixelsPerInch);

// "Panel2" with "ProgressBar1": a captioned progress bar lent to long document operations,
// standing on the right of the status bar and hidden between them.
class ProgressPanel : public QFrame, public ProgressDisplay
{
public:
    explicit ProgressPanel(QWidget *parent);

    QLabel *caption() const { return m_caption; }
    QProgressBar *bar() const { return m_bar; }
    // Height from the status bar, width roundHalfEven(3.5 × P), P div 8 from the right edge.
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
