// Seal library items (.YZL) from hostile bytes: the item with its seals and their pictures,
// and its thumbnail GIF decoded as the library panel and the command line's dump decode it.

#include "fuzzsupport.h"

#include "document/libraryitem.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealpicture.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    qm::SealDocument document;
    qm::LibraryItem item;
    if (!qm::readLibraryItem(bytes, document, &item).ok())
        return 0;
    (void)qm::SealPicture::fromData(item.thumbnail);
    // Placing the seals on a page, as inserting from the library does.
    qm::NoProgress progress;
    qm::loadLibraryItemData(bytes, document, progress, QPoint(120, 80));
    return 0;
}
