#include "buildcommand.h"

#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

int usageError(const QString &why)
{
    std::fprintf(stderr, "quillmark-cli build: %s\n", why.toUtf8().constData());
    std::fputs("usage: quillmark-cli build IN.json -o OUT.dyz\n", stderr);
    return 2;
}

} // namespace

int runBuild(const QStringList &args)
{
    QString in;
    QString out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"-o"_s) {
            if (i + 1 >= args.size() || !out.isEmpty())
                return usageError(u"-o needs one output file"_s);
            out = args[++i];
        } else if (args[i].startsWith(u"-"_s) || !in.isEmpty()) {
            return usageError(u"unexpected argument %1"_s.arg(args[i]));
        } else {
            in = args[i];
        }
    }
    if (in.isEmpty() || out.isEmpty())
        return usageError(u"an input and an output file are needed"_s);

    QFile file(in);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", in.toUtf8().constData());
        return 1;
    }
    SealDocument document;
    QString error;
    if (!documentFromJson(file.readAll(), QFileInfo(in).absolutePath(), document, &error)) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    NoProgress progress;
    const DocumentResult result = SaveDocument(out, document, progress);
    if (!result.ok()) {
        std::fprintf(stderr, "%s\n", result.message().toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace qm::cli
