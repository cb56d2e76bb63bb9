#include "print/sealloan.h"

#include "page/tfrmchild.h"

namespace qm {

SealLoan::SealLoan(TfrmChild &document) : m_document(&document)
{
    for (const auto &seal : document.sealList())
        m_seals.append(seal.get());
}

SealLoan::~SealLoan()
{
    if (!m_document)
        return;
    TQMVDrawPanel *page = m_document->QMVDrawPanel1();
    page->updateOverlay();
    page->update();
}

} // namespace qm
