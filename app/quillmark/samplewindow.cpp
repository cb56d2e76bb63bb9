#include "samplewindow.h"

#include "seal/paintersurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace qm {

SampleWindow::SampleWindow(std::vector<std::unique_ptr<TSeal>> seals, QWidget *parent)
    : QWidget(parent), m_seals(std::move(seals))
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    layoutSeals();
}

void SampleWindow::layoutSeals()
{
    const float ppm = float(logicalDpiX() / 25.4);
    QRect bounds;
    for (auto &seal : m_seals) {
        seal->placeAtScale(ppm, 100);
        seal->SetVisible(true);
        seal->setListener(this);
        bounds |= QRect(seal->Left(), seal->Top(), seal->Width(), seal->Height());
    }
    resize(std::max(400, bounds.right() + 40), std::max(300, bounds.bottom() + 40));
}

void SampleWindow::sealRepaint(TSeal &seal)
{
    update(QRect(seal.Left(), seal.Top(), seal.Width(), seal.Height()).adjusted(-2, -2, 2, 2));
}

void SampleWindow::sealGeometryChanged(TSeal &)
{
    update();
}

void SampleWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSurface surface(&painter);
    for (auto &seal : m_seals)
        if (seal->Visible())
            seal->PaintTo(seal->Left(), seal->Top(), surface, true);
}

} // namespace qm
