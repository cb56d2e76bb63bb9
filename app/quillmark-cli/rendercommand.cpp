#include "rendercommand.h"

#include "commandline.h"
#include "sealinput.h"

#include "export/exportkind.h"
#include "export/sealexporter.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace qm::cli {

const CommandSyntax RenderSyntax = {
    "render", "render FILE -o OUT.EXT [--ppm P | --dpi D] [--mirror] [--seals I,J,...]",
    "Exports the seals of FILE, a seal document or seal JSON, as one picture. EXT names the kind: emf, "
    "jpg, gif, tiff, bmp, png, svg or pdf. Prints the name written and the picture's size in pixels."};

int runRender(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"FILE"_s, u"A seal document (.dyz) or seal JSON, told apart by content."_s);
    parser.addOption({{u"o"_s, u"output"_s}, u"The picture to write."_s, u"OUT.EXT"_s});
    parser.addOption({u"ppm"_s, u"Pixels per millimetre (default 11.811, 300 per inch)."_s, u"P"_s});
    parser.addOption({u"dpi"_s, u"Pixels per inch, instead of --ppm."_s, u"D"_s});
    parser.addOption({u"mirror"_s, u"Flips the picture left to right."_s});
    parser.addOption({u"seals"_s, u"Only these seals, counted from 0, in this order."_s, u"I,J,..."_s});
    if (const auto stop = parseCommandLine(parser, RenderSyntax, args, 1))
        return *stop;

    bool twice = false;
    const QString output = singleValue(parser, u"output"_s, &twice);
    const QString ppmText = singleValue(parser, u"ppm"_s, &twice);
    const QString dpiText = singleValue(parser, u"dpi"_s, &twice);
    const QString sealList = singleValue(parser, u"seals"_s, &twice);
    if (twice || (parser.isSet(u"ppm"_s) && parser.isSet(u"dpi"_s)))
        return usageError(RenderSyntax, u"give each option once, and either --ppm or --dpi"_s);
    if (output.isEmpty())
        return usageError(RenderSyntax, u"no output file (-o)"_s);
    const std::optional<ExportKind> kind = exportKindFromExtension(QFileInfo(output).suffix());
    if (!kind)
        return usageError(RenderSyntax, u"cannot tell the picture kind from %1"_s.arg(output));

    ExportRequest request;
    request.kind = *kind;
    request.mirror = parser.isSet(u"mirror"_s);
    if (parser.isSet(u"ppm"_s) || parser.isSet(u"dpi"_s)) {
        const bool perInch = parser.isSet(u"dpi"_s);
        bool ok = false;
        const double number = (perInch ? dpiText : ppmText).toDouble(&ok);
        if (!ok || !(number > 0) || !std::isfinite(number))
            return usageError(RenderSyntax, u"bad value for %1"_s.arg(perInch ? u"--dpi"_s : u"--ppm"_s));
        request.pixelsPerMm = perInch ? number / 25.4L : static_cast<long double>(number);
    }
    QList<int> indices;
    if (parser.isSet(u"seals"_s)) {
        for (const QString &part : sealList.split(u',')) {
            bool ok = false;
            const int index = part.trimmed().toInt(&ok);
            if (!ok || index < 0)
                return usageError(RenderSyntax, u"bad seal index %1"_s.arg(part));
            indices.append(index);
        }
    }

    SealInput input;
    if (const auto failed = openSealInput(parser.positionalArguments().first(), input))
        return *failed;
    // JSON seals stand on the page a new document would have, at its screen resolution.
    if (input.fromJson) {
        for (Seal *seal : input.seals)
            seal->placeAtScale(input.document.screenPixelsPerMm(), input.document.page().zoom());
    }
    QList<const Seal *> chosen;
    if (!parser.isSet(u"seals"_s)) {
        for (const Seal *seal : input.seals)
            chosen.append(seal);
    }
    for (int index : indices) {
        if (index >= input.seals.size()) {
            printMessage(u"there is no seal %1"_s.arg(index));
            return 1;
        }
        chosen.append(input.seals[index]);
    }
    if (chosen.isEmpty()) {
        printMessage(u"there is no seal to export"_s);
        return 1;
    }

    const ExportResult result = SealExporter::writeFile(chosen, request, output);
    if (result.error != ExportError::None) {
        printMessage(exportErrorMessage(result.error, result.fileName));
        return exportErrorExitCode(result.error);
    }
    const QByteArray line = u"%1 %2 %3\n"_s.arg(result.fileName).arg(result.width).arg(result.height).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}

} // namespace qm::cli
