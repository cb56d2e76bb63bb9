// The embedded picture decoders (bitmap, JPEG, icon, GIF and metafile)
// and the seal's prepared copy of a picture.

#include "fuzzsupport.h"

#include "seal/seal.h"
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
    const qm::SealPicture picture = qm::SealPicture::fromData(bytes);
    if (picture.hasGraphic()) {
        qm::Seal seal;
        seal.setPicture(picture);
    }
    return 0;
}
