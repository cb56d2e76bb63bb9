#pragma once

#include "document/documenterror.h"
#include "document/pagemodel.h"

#include <memory>
#include <vector>

class QIODevice;

namespace qm {

class Seal;
class SealDocument;

// A document's page and seals as they were at one moment. Taking one copies the stored values
// only, which costs far less than writing the document; the snapshot shares nothing that an
// edit of the document changes, so it may be written on another thread while editing goes on.
class DocumentSnapshot
{
public:
    explicit DocumentSnapshot(const SealDocument &document);
    ~DocumentSnapshot();
    DocumentSnapshot(const DocumentSnapshot &) = delete;
    DocumentSnapshot &operator=(const DocumentSnapshot &) = delete;

    int sealCount() const { return int(m_seals.size()); }
    // The bytes of the document as saving it would have written them then.
    DocumentResult write(QIODevice &out) const;

private:
    PageModel m_page;
    std::vector<std::unique_ptr<Seal>> m_seals;
};

} // namespace qm
