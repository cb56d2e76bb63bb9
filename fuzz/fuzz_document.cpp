// Seal documents of every version and the internal clipboard stream, from hostile bytes.

#include "fuzzsupport.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qm::NoProgress progress;
    qm::SealDocument document;
    qm::loadDocumentData(bytes, document, progress);

    qm::ClipboardStream stream;
    stream.setData(bytes);
    qm::SealDocument pasted;
    qm::pasteSealsFromStream(stream, pasted);
    return 0;
}
