#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>

namespace qm {

class Seal;

// The seals that go onto the PDF together: each keeps where it stands relative to the centre of
// the first of them (the anchor), and the group turns about that centre, as the stamping core
// places them.
class SealGroup
{
public:
    SealGroup() = default;
    explicit SealGroup(QList<const Seal *> seals);

    const QList<const Seal *> &seals() const { return m_seals; }
    bool isEmpty() const { return m_seals.isEmpty(); }
    // The anchor's centre on its document page, in millimetres.
    QPointF anchorMm() const;
    // The union of the seals' boxes in millimetres, relative to the anchor's centre, unturned.
    QRectF boxMm() const { return m_box; }
    // The box on the page when the anchor's centre stands at centreMm and the group is turned by
    // degrees counter-clockwise: the bounding rectangle of the turned box.
    QRectF pageBoxMm(QPointF centreMm, double degrees) const;
    // A point of the page (millimetres) lies on one of the seals' turned boxes.
    bool contains(QPointF pointMm, QPointF centreMm, double degrees) const;
    // Where the anchor's centre goes on a page of pageSizeMm: where it stands on its document
    // page when the whole group fits the page there, else so that the box sits in the middle.
    QPointF startCentre(QPointF documentCentreMm, QSizeF pageSizeMm) const;

private:
    QList<const Seal *> m_seals;
    QRectF m_box;
};

} // namespace qm
