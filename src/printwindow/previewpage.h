#pragma once

#include "page/pagepanel.h"

#include <QList>

namespace qm {

// The sheet of the print window: the page with its margins but no grid, and the lent seals
// painted over it through the one render routine at the page's zoom. It never changes a seal.
class PreviewPage : public PagePanel
{
public:
    // screenPixelsPerMm: the document's, the resolution every seal is placed at.
    PreviewPage(PageModel &page, float screenPixelsPerMm, QWidget *parent = nullptr);

    void setLentSeals(const QList<const Seal *> &seals);
    const QList<const Seal *> &lentSeals() const { return m_seals; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<const Seal *> m_seals;
    float m_screenPixelsPerMm;
};

} // namespace qm
