#pragma once

#include <QColor>
#include <QWidget>

namespace qm {

enum class TPanelStyle : quint8 { psPhotoShop, psDefault };

// A flat, opaque panel. In the psPhotoShop style it draws a line down its left edge and a
// framed band inset by FrameWidth (6 × FrameWidth from the left); psDefault shows only the
// background. Children are given to it at run time; it does not lay them out.
class TQMVFlatPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TQMVFlatPanel(QWidget *parent = nullptr);

    // Each setter stores the value and repaints only when it changed.
    TPanelStyle PanelStyle() const { return m_style; }
    void SetPanelStyle(TPanelStyle style);
    int FrameWidth() const { return m_frameWidth; }
    void SetFrameWidth(int width);
    QColor PenColor() const { return m_penColor; }
    void SetPenColor(const QColor &colour);
    // The band's fill; the inactive-border colour of the palette until set.
    QColor ColorA() const;
    void SetColorA(const QColor &colour);
    // The background; the parent's button face until set.
    QColor Color() const;
    void SetColor(const QColor &colour);

    QSize sizeHint() const override { return {100, 22}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TPanelStyle m_style = TPanelStyle::psPhotoShop;
    int m_frameWidth = 6;
    QColor m_penColor = Qt::black;
    QColor m_colorA; // invalid: follow the palette
    QColor m_color;
};

} // namespace qm
