#include "printwindow/previewpage.h"

#include "seal/paintersurface.h"
#include "seal/renderseals.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

namespace qm {

PreviewPage::PreviewPage(PageModel &page, float screenPixelsPerMm, QWidget *parent)
    : PagePanel(page, parent), m_screenPixelsPerMm(screenPixelsPerMm)
{
    setAccessibleName(QCoreApplication::translate("PrintWindow", "打印预览页面"));
}

void PreviewPage::setLentSeals(const QList<const Seal *> &seals)
{
    m_seals = seals;
    update();
}

void PreviewPage::paintEvent(QPaintEvent *event)
{
    PagePanel::paintEvent(event);
    // Only the seals near the part to paint: each seal's own box, scaled from its zoom and
    // resolution to the sheet's, with room for rounding.
    const QRect dirty = event->rect();
    QList<const Seal *> visible;
    for (const Seal *seal : m_seals) {
        if (!seal->isVisible())
            continue;
        const long double own = static_cast<long double>(seal->Zoom()) * seal->PixelsPerMm();
        if (own > 0) {
            const long double f = page().zoom() * static_cast<long double>(m_screenPixelsPerMm) / own;
            const int slack = 4 + int(f);
            const QRect near(int(seal->left() * f) - slack, int(seal->top() * f) - slack,
                             int(seal->width() * f) + 2 * slack, int(seal->height() * f) + 2 * slack);
            if (!near.intersects(dirty))
                continue;
        }
        visible.append(seal);
    }
    if (visible.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(dirty);
    painter.setRenderHint(QPainter::Antialiasing);
    PainterSurface surface(&painter);
    renderSeals(visible, m_screenPixelsPerMm, page().zoom(), surface, RenderOffset{}, SealColours::Own);
}

} // namespace qm
