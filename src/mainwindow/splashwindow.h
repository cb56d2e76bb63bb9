#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

namespace qm {

// The splash window: the built-in picture "Splash" in a borderless white window at the centre
// of the screen, a lilac outline around it and the start-up stage written on it.
class SplashWindow : public QWidget
{
public:
    explicit SplashWindow(const QImage &picture, QWidget *parent = nullptr);

    // "Quillmark 正在" followed by the stage, painted at once, then a pause of pauseMs so a
    // person can read it.
    void showSplashStage(int pauseMs, const QString &stage);
    QString stageText() const;
    QLabel *progressLabel() const { return m_label; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QLabel *m_label;
};

} // namespace qm
