#pragma once

#include <QList>
#include <QPointer>

namespace qm {

class Seal;
class DocumentWindow;

// The document's seals on loan to a print window for as long as this lives. The seals are only
// read while lent; giving them back repaints the document's page with the seals at its own
// zoom and the selection marks over them again, whatever ended the loan.
class SealLoan
{
public:
    explicit SealLoan(DocumentWindow &document);
    ~SealLoan();
    SealLoan(const SealLoan &) = delete;
    SealLoan &operator=(const SealLoan &) = delete;

    const QList<const Seal *> &seals() const { return m_seals; }

private:
    QPointer<DocumentWindow> m_document;
    QList<const Seal *> m_seals;
};

} // namespace qm
