#include "sealinput.h"

#include "commandline.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "picture/boundedread.h"
#include "seal/sealjson.h"

namespace qm::cli {
namespace {

bool startsLikeJson(const QString &path)
{
    const FileReadResult start = readRegularFileStart(path, 64);
    return start.ok() && isSealJson(start.bytes);
}

} // namespace

std::optional<int> openSealInput(const QString &path, SealInput &input)
{
    if (startsLikeJson(path)) {
        SealJsonResult json = readSealJsonFile(path);
        if (!json.error.isEmpty()) {
            printMessage(json.error);
            return 1;
        }
        input.fromJson = true;
        input.jsonSeals = std::move(json.seals);
        for (auto &seal : input.jsonSeals)
            input.seals.append(seal.get());
        return std::nullopt;
    }
    // What is missing, no regular file or no JSON is reported as the program reports a document.
    NoProgress progress;
    const DocumentResult result = openDocument(path, input.document, progress);
    if (!result.ok())
        return printRefusal(result);
    for (const auto &seal : input.document.seals())
        input.seals.append(seal.get());
    return std::nullopt;
}

} // namespace qm::cli
