#include "rendercommand.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealjson.h"
#include "seal/tseal.h"
#include "shell/export/exportkind.h"
#include "shell/export/sealexporter.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

const char Usage[] =
    "usage: quillmark-cli render FILE -o OUT.EXT [--ppm P | --dpi D] [--mirror] [--seals I,J,...]\n"
    "  FILE is a .dyz document or a JSON file; EXT is emf, jpg, gif, tiff, bmp, png, svg or pdf\n";

int usageError(const QString &why)
{
    std::fprintf(stderr, "quillmark-cli render: %s\n", qPrintable(why));
    std::fputs(Usage, stderr);
    return 2;
}

// The user's messages break lines with carriage returns, as the message box wants; a terminal
// wants line feeds.
void printMessage(const QString &message)
{
    QString text = message;
    text.replace(u'\r', u'\n');
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

bool looksLikeJson(const QString &path)
{
    if (path.endsWith(u".json"_s, Qt::CaseInsensitive))
        return true;
    if (path.endsWith(u".dyz"_s, Qt::CaseInsensitive))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(64).trimmed();
    return head.startsWith('{');
}

// The seals of the input in list order, placed on a page at the screen resolution a new
// document gets, as the GUI would show them. Empty with *error set on failure.
struct Loaded {
    SealDocument document;
    std::vector<std::unique_ptr<TSeal>> jsonSeals;
    QList<const TSeal *> seals;
    QString error;
};

void loadInput(const QString &path, Loaded &out)
{
    if (looksLikeJson(path)) {
        SealJsonResult json = readSealJsonFile(path);
        if (!json.error.isEmpty()) {
            out.error = json.error;
            return;
        }
        out.jsonSeals = std::move(json.seals);
        for (auto &seal : out.jsonSeals) {
            seal->placeAtScale(out.document.screenPixelsPerMm(), out.document.page().Zoom());
            out.seals.append(seal.get());
        }
        return;
    }
    NoProgress progress;
    const DocumentResult result = OpenDocument(path, out.document, progress);
    if (!result.ok()) {
        out.error = result.message();
        return;
    }
    for (const auto &seal : out.document.seals())
        out.seals.append(seal.get());
}

} // namespace

int runRender(const QStringList &args)
{
    QString input;
    QString output;
    std::optional<long double> ppm;
    bool mirror = false;
    QString sealList;
    bool haveSealList = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        QString v;
        if (a == u"-o"_s || a == u"--output"_s) {
            if (!value(&output) || output.isEmpty())
                return usageError(u"-o needs a file name"_s);
        } else if (a == u"--ppm"_s || a == u"--dpi"_s) {
            if (ppm)
                return usageError(u"give either --ppm or --dpi, once"_s);
            bool ok = value(&v);
            const double number = v.toDouble(&ok);
            if (!ok || !(number > 0) || !std::isfinite(number))
                return usageError(u"bad value for %1"_s.arg(a));
            ppm = a == u"--dpi"_s ? number / 25.4L : static_cast<long double>(number);
        } else if (a == u"--mirror"_s) {
            mirror = true;
        } else if (a == u"--seals"_s) {
            if (!value(&sealList))
                return usageError(u"--seals needs a list"_s);
            haveSealList = true;
        } else if (a.startsWith(u"-"_s) || !input.isEmpty()) {
            return usageError(u"unexpected argument %1"_s.arg(a));
        } else {
            input = a;
        }
    }
    if (input.isEmpty())
        return usageError(u"no input file"_s);
    if (output.isEmpty())
        return usageError(u"no output file (-o)"_s);
    const std::optional<ExportKind> kind = exportKindFromExtension(QFileInfo(output).suffix());
    if (!kind)
        return usageError(u"cannot tell the picture kind from %1"_s.arg(output));

    QList<int> indices;
    if (haveSealList) {
        for (const QString &part : sealList.split(u',')) {
            bool ok = false;
            const int index = part.trimmed().toInt(&ok);
            if (!ok || index < 0)
                return usageError(u"bad seal index %1"_s.arg(part));
            indices.append(index);
        }
    }

    Loaded loaded;
    loadInput(input, loaded);
    if (!loaded.error.isEmpty()) {
        printMessage(loaded.error);
        return 1;
    }
    QList<const TSeal *> chosen = loaded.seals;
    if (haveSealList) {
        chosen.clear();
        for (int index : indices) {
            if (index >= loaded.seals.size()) {
                std::fprintf(stderr, "there is no seal %d\n", index);
                return 1;
            }
            chosen.append(loaded.seals[index]);
        }
    }
    if (chosen.isEmpty()) {
        std::fputs("there is no seal to export\n", stderr);
        return 1;
    }

    ExportRequest request;
    request.kind = *kind;
    if (ppm)
        request.pixelsPerMm = *ppm;
    request.mirror = mirror;
    const ExportResult result = SealExporter::writeFile(chosen, request, output);
    if (result.error != ExportError::None) {
        printMessage(exportErrorMessage(result.error, result.fileName));
        return exportErrorExitCode(result.error);
    }
    std::printf("%s %d %d\n", qPrintable(result.fileName), result.width, result.height);
    return 0;
}

} // namespace qm::cli
