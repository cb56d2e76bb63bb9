#include "printwindow/sealloan.h"

#include "page/documentwindow.h"

namespace qm {

SealLoan::SealLoan(DocumentWindow &document) : m_document(&document)
{
    for (const auto &seal : document.sealList())
        m_seals.append(seal.get());
}

SealLoan::~SealLoan()
{
    if (!m_document)
        return;
    PagePanel *page = m_document->pagePanel();
    page->updateOverlay();
    page->update();
}

} // namespace qm
