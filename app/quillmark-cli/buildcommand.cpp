#include "buildcommand.h"

#include "commandline.h"

#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealjson.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qm::cli {

const CommandSyntax BuildSyntax = {
    "build", "build IN.json -o OUT.dyz",
    "Writes a seal document from JSON: {\"page\": {...}, \"seals\": [{...}]}, seals by property name; "
    "what is left out keeps the value of a new page or seal."};

int runBuild(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"IN.json"_s, u"The page and seals as JSON."_s);
    parser.addOption({{u"o"_s, u"output"_s}, u"The seal document to write."_s, u"OUT.dyz"_s});
    if (const auto stop = parseCommandLine(parser, BuildSyntax, args, 1))
        return *stop;
    bool twice = false;
    const QString out = singleValue(parser, u"output"_s, &twice);
    if (twice || out.isEmpty())
        return usageError(BuildSyntax, u"-o needs one output file"_s);
    const QString in = parser.positionalArguments().first();

    QString error;
    const std::optional<QByteArray> json = readSealJsonBytes(in, &error);
    SealDocument document;
    if (!json || !documentFromJson(*json, QFileInfo(in).absolutePath(), document, &error)) {
        printMessage(error);
        return 1;
    }
    NoProgress progress;
    const DocumentResult result = writeDocument(out, document, progress);
    if (!result.ok())
        return printRefusal(result);
    return 0;
}

} // namespace qm::cli
