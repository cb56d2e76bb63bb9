#pragma once

#include <QColor>
#include <QWidget>

namespace qm {

enum class PanelStyle : quint8 { psPhotoShop, psDefault };

// A flat, opaque panel. In the psPhotoShop style it draws a line down its left edge and a
// framed band inset by frameWidth (6 × FrameWidth from the left); psDefault shows only the
// background. Children are given to it at run time; it does not lay them out.
class FlatPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FlatPanel(QWidget *parent = nullptr);

    // Each setter stores the value and repaints only when it changed.
    PanelStyle panelStyle() const { return m_style; }
    void setPanelStyle(PanelStyle style);
    int frameWidth() const { return m_frameWidth; }
    void setFrameWidth(int width);
    QColor PenColor() const { return m_penColor; }
    void setPenColor(const QColor &colour);
    // The band's fill; the inactive-border colour of the palette until set.
    QColor bandColour() const;
    void setBandColour(const QColor &colour);
    // The background; the parent's button face until set.
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor &colour);

    QSize sizeHint() const override { return {100, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PanelStyle m_style = PanelStyle::psPhotoShop;
    int m_frameWidth = 6;
    QColor m_penColor = Qt::black;
    QColor m_colorA; // invalid: follow the palette
    QColor m_color;
};

} // namespace qm
