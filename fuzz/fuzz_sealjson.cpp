// Seal JSON and document JSON, as the command-line tool reads them, from hostile bytes. Pictures
// are named relative to the picture seeds, so that {"file": "tiny.gif"} reaches the decoders.

#include "fuzzsupport.h"

#include "document/documentjson.h"
#include "document/sealdocument.h"
#include "seal/seal.h"
#include "seal/sealjson.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString pictures = QStringLiteral(QM_SOURCE_DIR "/fuzz/corpus/picture");
    (void)qm::readSealJson(bytes, pictures);
    qm::SealDocument document;
    QString error;
    (void)qm::documentFromJson(bytes, pictures, document, &error);
    return 0;
}
