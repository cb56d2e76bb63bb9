#include "mainwindow/splashwindow.h"

#include "picture/surface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThread>

using namespace Qt::StringLiterals;

namespace qm {

SplashWindow::SplashWindow(const QImage &picture, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(picture)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAccessibleName(u"Quillmark"_s);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(m_picture.isNull() ? QSize(400, 260) : m_picture.size());

    m_label = new QLabel(this);
    QFont font(u"宋体"_s);
    font.setPixelSize(13);
    m_label->setFont(font);
    QPalette navy = m_label->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    m_label->setPalette(navy);
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_label->move(65, 180);
    m_label->resize(std::max(0, width() - 65 - 4), m_label->sizeHint().height());

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashWindow::showSplashStage(int pauseMs, const QString &stage)
{
    m_label->setText(QCoreApplication::translate("MainWindow", "Quillmark 正在%1").arg(stage));
    m_label->setAccessibleName(m_label->text());
    if (isVisible())
        repaint();
    if (pauseMs > 0)
        QThread::msleep(static_cast<unsigned long>(pauseMs));
}

QString SplashWindow::stageText() const
{
    return m_label->text();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_picture.isNull())
        p.drawImage(0, 0, m_picture);
    // Rectangle (1, 1)–(width, height) with a pen of width 2 in 0xC080FF (BGR), unfilled.
    const Colour outline = 0xC080FF;
    p.setPen(QPen(toQColor(outline), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(1, 1, width() - 1, height() - 1));
}

} // namespace qm
