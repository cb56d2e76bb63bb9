// Seal library items (.YZL) from hostile bytes.

#include "fuzzsupport.h"

#include "document/libraryitem.h"
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
    qm::LoadLibraryItemData(bytes, document, progress, QPoint(120, 80));
    return 0;
}
