#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

namespace qm {

// A status bar of panels with fixed widths, laid out from the left edge, that also accepts
// child controls placed by their owner (the progress display sits over the panels). Usable as
// a main window's status bar. Each panel is a label, so screen readers read its text.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Appends a panel and returns its index.
    int addPanel(int width, const QString &text = {});
    int panelCount() const { return int(m_panels.size()); }
    // Out-of-range indices read as empty and are ignored when written.
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    QRect panelRect(int index) const;

    // The panel that shows the status tips of menus and actions while one is showing; -1 (the
    // default) for none. The panel's own text comes back when the tip goes.
    void setHintPanel(int index);
    int hintPanel() const { return m_hintPanel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Panel {
        QLabel *label = nullptr;
        int width = 0;
        QString text;
    };
    void layoutPanels();
    void showHint(const QString &hint);

    QList<Panel> m_panels;
    int m_hintPanel = -1;
    QString m_hint;
};

} // namespace qm
