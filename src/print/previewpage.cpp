#include "print/previewpage.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"

#include <QPaintEvent>
#include <QPainter>

namespace qm {

PreviewPage::PreviewPage(PageModel &page, float screenPixelsPerMm, QWidget *parent)
    : TQMVDrawPanel(page, parent), m_screenPixelsPerMm(screenPixelsPerMm)
{
    setAccessibleName(QStringLiteral("打印预览页面"));
}

void PreviewPage::setLentSeals(const QList<const TSeal *> &seals)
{
    m_seals = seals;
    update();
}

void PreviewPage::paintEvent(QPaintEvent *event)
{
    TQMVDrawPanel::paintEvent(event);
    QList<const TSeal *> visible;
    for (const TSeal *seal : m_seals) {
        if (seal->Visible())
            visible.append(seal);
    }
    if (visible.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSurface surface(&painter);
    renderSeals(visible, m_screenPixelsPerMm, page().Zoom(), surface, RenderOffset{}, SealColours::Own);
}

} // namespace qm
