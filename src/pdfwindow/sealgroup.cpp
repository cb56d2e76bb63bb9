#include "pdfwindow/sealgroup.h"

#include "seal/seal.h"

#include <QTransform>

namespace qm {

namespace {

QRectF sealBox(const Seal &seal, QPointF anchor)
{
    const qreal w = seal.RealWidth();
    const qreal h = seal.RealHeight();
    return {seal.RealCenterX() - anchor.x() - w / 2, seal.RealCenterY() - anchor.y() - h / 2, w, h};
}

// From the group's own millimetres to the page's: a counter-clockwise turn on a y-down page is a
// negative angle for QTransform.
QTransform placing(QPointF centreMm, double degrees)
{
    QTransform t;
    t.translate(centreMm.x(), centreMm.y());
    t.rotate(-degrees);
    return t;
}

} // namespace

SealGroup::SealGroup(QList<const Seal *> seals) : m_seals(std::move(seals))
{
    const QPointF anchor = anchorMm();
    for (const Seal *seal : std::as_const(m_seals))
        m_box = m_box.isNull() ? sealBox(*seal, anchor) : m_box.united(sealBox(*seal, anchor));
}

QPointF SealGroup::anchorMm() const
{
    if (m_seals.isEmpty())
        return {};
    return {m_seals.first()->RealCenterX(), m_seals.first()->RealCenterY()};
}

QRectF SealGroup::pageBoxMm(QPointF centreMm, double degrees) const
{
    return placing(centreMm, degrees).mapRect(m_box);
}

bool SealGroup::contains(QPointF pointMm, QPointF centreMm, double degrees) const
{
    const QPointF local = placing(centreMm, degrees).inverted().map(pointMm);
    const QPointF anchor = anchorMm();
    for (const Seal *seal : m_seals) {
        if (sealBox(*seal, anchor).contains(local))
            return true;
    }
    return false;
}

QPointF SealGroup::startCentre(QPointF documentCentreMm, QSizeF pageSizeMm) const
{
    const QRectF page(QPointF(0, 0), pageSizeMm);
    if (page.contains(m_box.translated(documentCentreMm)))
        return documentCentreMm;
    return page.center() - m_box.center();
}

} // namespace qm
