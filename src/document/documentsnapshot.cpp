#include "document/documentsnapshot.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/seal.h"

namespace qm {

DocumentSnapshot::DocumentSnapshot(const SealDocument &document) : m_page(document.page())
{
    // The copy must not tell the page widget of anything.
    m_page.setListener(nullptr);
    m_seals.reserve(document.seals().size());
    for (const auto &seal : document.seals())
        m_seals.push_back(seal->storedCopy());
}

DocumentSnapshot::~DocumentSnapshot() = default;

DocumentResult DocumentSnapshot::write(QIODevice &out) const
{
    std::vector<const Seal *> seals;
    seals.reserve(m_seals.size());
    for (const auto &seal : m_seals)
        seals.push_back(seal.get());
    NoProgress progress;
    return writeDocument(out, m_page, seals, progress);
}

} // namespace qm
