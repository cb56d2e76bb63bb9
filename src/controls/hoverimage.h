#pragma once

#include <QLabel>

namespace qm {

// A picture that tells when the mouse enters and leaves it (after the label's own handling),
// and when it is clicked, for hover pictures such as the palette's banner.
class HoverImage : public QLabel
{
    Q_OBJECT

public:
    explicit HoverImage(QWidget *parent = nullptr);

    // Shows the picture; with AutoSize the control takes the picture's size.
    void setPicture(const QPixmap &picture);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

signals:
    void mouseEnter();
    void mouseLeave();
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
    bool m_leftPressed = false;
};

} // namespace qm
