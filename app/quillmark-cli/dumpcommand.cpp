#include "dumpcommand.h"

#include "commandline.h"

#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/libraryitem.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealpicture.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

void printJson(const QByteArray &json)
{
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

const CommandSyntax DumpSyntax = {
    "dump", "dump FILE.dyz|FILE.YZL",
    "Prints a seal document or, for a name ending in .YZL, a seal library item as JSON: every stored "
    "value of every seal, by property name. The file is opened as the program opens it."};

int runDump(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"FILE"_s, u"A seal document (.dyz) or library item (.YZL)."_s);
    if (const auto stop = parseCommandLine(parser, DumpSyntax, args, 1))
        return *stop;
    const QString path = parser.positionalArguments().first();

    SealDocument document;
    if (path.endsWith(u".yzl"_s, Qt::CaseInsensitive)) {
        LibraryItem item;
        const DocumentResult result = openLibraryItem(path, document, &item);
        if (!result.ok())
            return printRefusal(result);
        const SealPicture thumbnail = SealPicture::fromData(item.thumbnail);
        printJson(libraryItemToJson(item, thumbnail.hasGraphic() ? thumbnail.image().size() : QSize(0, 0)));
        return 0;
    }
    NoProgress progress;
    const DocumentResult result = openDocument(path, document, progress);
    if (!result.ok())
        return printRefusal(result);
    printJson(documentToJson(document, readFileVersion(path).value_or(0)));
    return 0;
}

} // namespace qm::cli
