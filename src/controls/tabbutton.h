#pragma once

#include <QWidget>

namespace qm {

enum class ButtonState : quint8 { bsUp, bsDown, bsActive };

// A flat tab: a polygon with a vertical left edge and a right edge slanting up to the left, so
// that neighbouring tabs can overlap by half a height. Up, down (an open tab: highlighted, bold
// white caption and an arrow, H div 2 wider) or active (hot: the mouse is over an up tab).
// A left press toggles between up and down; entering raises the tab above its siblings.
class TabButton : public QWidget
{
    Q_OBJECT

public:
    explicit TabButton(QWidget *parent = nullptr);

    ButtonState buttonState() const { return m_state; }
    // Nothing when unchanged. Entering the down state widens the tab by height div 2, leaving
    // it narrows it by as much; the hot state never changes the width.
    void setButtonState(ButtonState state);

    QString caption() const { return m_caption; }
    // The caption is also the accessible name (without "&").
    void setCaption(const QString &caption);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // What a left click does, for the keyboard and assistive tools: mouseDown, the toggle,
    // mouseUp and clicked, at the middle of the tab.
    void click();

    QSize sizeHint() const override { return {70, 22}; }

signals:
    // The mouse events of any control. mouseDown comes before the press toggles the state,
    // mouseUp and clicked (a left press released over the tab) after it.
    void mouseDown(Qt::MouseButton button, const QPoint &pos);
    void mouseUp(Qt::MouseButton button, const QPoint &pos);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void press(Qt::MouseButton button, const QPoint &pos);

    ButtonState m_state = ButtonState::bsUp;
    QString m_caption;
    int m_tag = 0;
    bool m_leftPressed = false;
};

} // namespace qm
