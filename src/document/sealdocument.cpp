#include "document/sealdocument.h"

#include "seal/tseal.h"

namespace qm {

SealDocument::SealDocument() = default;
SealDocument::~SealDocument() = default;

std::unique_ptr<TSeal> SealDocument::createSeal() const
{
    auto seal = std::make_unique<TSeal>();
    seal->setListener(m_sealListener);
    seal->SetPixelsPerMm(m_screenPixelsPerMm);
    return seal;
}

void SealDocument::appendSeals(SealList &&seals, bool toSelection)
{
    const size_t first = m_seals.size();
    m_seals.reserve(first + seals.size());
    for (auto &seal : seals) {
        if (toSelection)
            m_selection.push_back(seal.get());
        m_seals.push_back(std::move(seal));
    }
    seals.clear();
    // Shown only once all are in place, so the page does not repaint seal by seal.
    for (size_t i = first; i < m_seals.size(); ++i)
        m_seals[i]->SetVisible(true);
}

} // namespace qm
