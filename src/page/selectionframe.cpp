#include "page/selectionframe.h"

#include "page/grabhandles.h"

#include <QPainter>

namespace qm {

void SelectionFrame::paint(QPainter &painter) const
{
    if (!m_visible || m_bounds.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toColour(m_penColor), 0);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_bounds.x(), m_bounds.y(), m_bounds.width() - 1, m_bounds.height() - 1);
    painter.restore();
}

} // namespace qm
