#pragma once

#include "document/documenterror.h"
#include "document/sealdocument.h"

#include <QByteArray>

namespace qm {

// The internal clipboard shared by all documents: a seal count and the copied seals as
// entries placed 2 mm right of and below the originals. It keeps its content until the next
// copy, so one copy pastes any number of times, into any document.
class ClipboardStream
{
public:
    bool isEmpty() const { return m_data.isEmpty(); }
    const QByteArray &data() const { return m_data; }
    void setData(const QByteArray &data) { m_data = data; }
    void clear() { m_data.clear(); }

private:
    QByteArray m_data;
};

// Replaces the stream's content with the selected seals, in selection order; leaves it as it
// is when nothing is selected, or when they could not be pasted (NotWritable).
DocumentResult copySealsToStream(const SealSelection &selection, ClipboardStream &stream);

// Appends copies of the streamed seals to the document's seals and selection and shows them;
// nothing when the stream is empty. A damaged stream adds nothing, nor one that would take the
// document beyond its seal count or picture budget (TooMuchToAdd).
DocumentResult pasteSealsFromStream(const ClipboardStream &stream, SealDocument &document);

} // namespace qm
