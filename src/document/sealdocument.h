#pragma once

#include "document/pagemodel.h"

#include <memory>
#include <vector>

namespace qm {

class SealListener;
class TSeal;

using SealList = std::vector<std::unique_ptr<TSeal>>;
using SealSelection = std::vector<TSeal *>;

// The model half of a document window: the page, the seals in stacking order (bottom first,
// also the file order), the selection and the screen resolution every seal gets.
class SealDocument
{
public:
    SealDocument();
    ~SealDocument();
    SealDocument(const SealDocument &) = delete;
    SealDocument &operator=(const SealDocument &) = delete;

    PageModel &page() { return m_page; }
    const PageModel &page() const { return m_page; }
    SealList &seals() { return m_seals; }
    const SealList &seals() const { return m_seals; }
    SealSelection &selection() { return m_selection; }
    const SealSelection &selection() const { return m_selection; }

    // The horizontal pixels per inch of the window / 25.4: every seal's PixelsPerMm.
    float screenPixelsPerMm() const { return m_screenPixelsPerMm; }
    void setScreenPixelsPerMm(float ppm) { m_screenPixelsPerMm = ppm; }

    // Given to every seal this document creates, so that the page hears of its changes.
    SealListener *sealListener() const { return m_sealListener; }
    void setSealListener(SealListener *listener) { m_sealListener = listener; }

    // A new hidden seal at the document's resolution and zoom, not yet in the list.
    std::unique_ptr<TSeal> createSeal() const;

    // Appends seals read from a file or stream and shows them; with toSelection they are also
    // selected.
    void appendSeals(SealList &&seals, bool toSelection);

private:
    PageModel m_page;
    SealList m_seals;
    SealSelection m_selection;
    float m_screenPixelsPerMm = 96 / 25.4f;
    SealListener *m_sealListener = nullptr;
};

} // namespace qm
