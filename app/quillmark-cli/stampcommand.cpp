#include "stampcommand.h"

#include "commandline.h"
#include "sealinput.h"

#include "pdfstamp/pdfstamp.h"

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {

const CommandSyntax StampSyntax = {
    "stamp",
    "stamp IN.pdf -o OUT.pdf --seals DOC.dyz [--seal N ...] --page P --at X,Y [--rotate DEG] [--opacity F] "
    "[--no-multiply] [--straddle PAGES --at-y Y [--seal N]]",
    "Puts seals of DOC.dyz onto pages of IN.pdf at true size and writes OUT.pdf; IN.pdf is left as it is. Each "
    "placement is --page P --at X,Y [--seal N ...] [--rotate DEG], and placements repeat: --at puts the seal's "
    "centre X, Y millimetres from the top-left corner of the page as shown. Pages and seals count from 1; "
    "without --seal every seal goes on, kept where it stands relative to the first. --rotate turns "
    "counter-clockwise. --straddle PAGES --at-y Y splits one seal across the right edges of the pages (all, odd, "
    "or a list such as 2-7,9), its centre Y millimetres from their top. Options before the first --page or "
    "--straddle are defaults."};

namespace {

struct Group {
    bool straddle = false;
    QString pages; // --page P or --straddle PAGES, as given
    bool hasPosition = false;
    QPointF at;
    double rotation = 0;
    bool hasRotation = false;
    QList<int> seals;
    bool ownSeals = false; // seals given in this group, which replace the defaults
};

bool parseNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(*value);
}

} // namespace

int runStamp(const QStringList &args)
{
    // The parser checks the names, the values and the file count and prints the help; the
    // placements are read from the arguments in order below, since they group.
    QCommandLineParser parser;
    parser.addPositionalArgument(u"IN.pdf"_s, u"The PDF to stamp; it is not changed."_s);
    parser.addOption({{u"o"_s, u"output"_s}, u"The stamped PDF to write."_s, u"OUT.pdf"_s});
    parser.addOption({u"seals"_s, u"The seal document (or seal JSON) the seals come from."_s, u"DOC.dyz"_s});
    parser.addOption({u"seal"_s, u"A seal of the document, counted from 1; repeat for more."_s, u"N"_s});
    parser.addOption({u"page"_s, u"Starts a placement on page P, counted from 1."_s, u"P"_s});
    parser.addOption({u"at"_s, u"The seal's centre in millimetres from the page's top-left corner."_s, u"X,Y"_s});
    parser.addOption({u"rotate"_s, u"Turns the seal counter-clockwise by DEG degrees."_s, u"DEG"_s});
    parser.addOption({u"opacity"_s, u"The ink's opacity, 0 to 1 (default 1)."_s, u"F"_s});
    parser.addOption({u"no-multiply"_s, u"Paints the ink over the page instead of multiplying with it."_s});
    parser.addOption({u"straddle"_s, u"Splits one seal across the right edges of these pages."_s, u"PAGES"_s});
    parser.addOption({u"at-y"_s, u"The cross-page seal's centre in millimetres from the top."_s, u"Y"_s});
    if (const auto stop = parseCommandLine(parser, StampSyntax, args, 1))
        return *stop;

    bool twice = false;
    const QString output = singleValue(parser, u"output"_s, &twice);
    const QString sealsPath = singleValue(parser, u"seals"_s, &twice);
    const QString opacityText = singleValue(parser, u"opacity"_s, &twice);
    if (twice)
        return usageError(StampSyntax, u"give -o, --seals and --opacity once"_s);
    if (output.isEmpty())
        return usageError(StampSyntax, u"no output file (-o)"_s);
    if (sealsPath.isEmpty())
        return usageError(StampSyntax, u"no seal document (--seals)"_s);
    StampOptions options;
    options.multiply = !parser.isSet(u"no-multiply"_s);
    if (parser.isSet(u"opacity"_s) &&
        (!parseNumber(opacityText, &options.opacity) || options.opacity < 0 || options.opacity > 1))
        return usageError(StampSyntax, u"--opacity takes a number from 0 to 1"_s);

    // The grouping options in order, with their values as the parser would take them.
    Group defaults;
    QList<Group> groups;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args.at(i);
        if (!name.startsWith(u"--"_s) || name == u"--no-multiply"_s) {
            if (name == u"-o"_s)
                ++i; // its value
            continue;
        }
        name = name.mid(2);
        QString value;
        if (const qsizetype equals = name.indexOf(u'='); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < args.size()) {
            value = args.at(++i);
        }
        Group &current = groups.isEmpty() ? defaults : groups.last();
        double number = 0;
        if (name == u"page"_s || name == u"straddle"_s) {
            groups.append(defaults);
            groups.last().straddle = name == u"straddle"_s;
            groups.last().pages = value;
            groups.last().hasPosition = false;
        } else if (name == u"at"_s) {
            const QStringList xy = value.split(u',');
            double x = 0;
            double y = 0;
            if (groups.isEmpty() || current.straddle)
                return usageError(StampSyntax, u"--at belongs after --page"_s);
            if (xy.size() != 2 || !parseNumber(xy.at(0), &x) || !parseNumber(xy.at(1), &y))
                return usageError(StampSyntax, u"bad value for --at: %1"_s.arg(value));
            current.at = {x, y};
            current.hasPosition = true;
        } else if (name == u"at-y"_s) {
            if (groups.isEmpty() || !current.straddle)
                return usageError(StampSyntax, u"--at-y belongs after --straddle"_s);
            if (!parseNumber(value, &number))
                return usageError(StampSyntax, u"bad value for --at-y: %1"_s.arg(value));
            current.at = {0, number};
            current.hasPosition = true;
        } else if (name == u"rotate"_s) {
            if (current.straddle)
                return usageError(StampSyntax, u"a cross-page seal is not turned (--rotate)"_s);
            if (!parseNumber(value, &number))
                return usageError(StampSyntax, u"bad value for --rotate: %1"_s.arg(value));
            current.rotation = number;
            current.hasRotation = true;
        } else if (name == u"seal"_s) {
            bool ok = false;
            const int seal = value.trimmed().toInt(&ok);
            if (!ok || seal < 1)
                return usageError(StampSyntax, u"bad seal number %1 (seals count from 1)"_s.arg(value));
            // A group's own seals replace the defaults it started with.
            if (&current != &defaults && !current.ownSeals) {
                current.seals.clear();
                current.ownSeals = true;
            }
            current.seals.append(seal);
            if (current.straddle && current.seals.size() > 1)
                return usageError(StampSyntax, u"a cross-page seal is one seal (--seal N once)"_s);
        }
    }
    if (groups.isEmpty())
        return usageError(StampSyntax, u"nothing to stamp: give --page P --at X,Y or --straddle PAGES --at-y Y"_s);
    QList<StampPlacement> placements;
    QList<Group> straddleGroups;
    for (const Group &group : std::as_const(groups)) {
        const QString option = group.straddle ? u"--straddle"_s : u"--page"_s;
        if (!group.hasPosition)
            return usageError(StampSyntax,
                              u"%1 %2 has no %3"_s.arg(option, group.pages, group.straddle ? u"--at-y"_s : u"--at"_s));
        if (group.straddle) {
            // Its form is checked here; its pages against the document's below.
            if (!pageSelectionWellFormed(group.pages))
                return usageError(StampSyntax, u"bad pages for --straddle: %1"_s.arg(group.pages));
            straddleGroups.append(group);
            continue;
        }
        bool ok = false;
        StampPlacement placement;
        placement.page = group.pages.trimmed().toInt(&ok);
        if (!ok || placement.page < 1)
            return usageError(StampSyntax, u"bad page number %1 (pages count from 1)"_s.arg(group.pages));
        placement.centreMm = group.at;
        placement.rotationDegrees = group.rotation;
        placement.seals = group.seals;
        placements.append(placement);
    }

    SealInput input;
    if (const auto failed = openSealInput(sealsPath, input))
        return *failed;
    // JSON seals stand on the page a new document would have, at its screen resolution.
    if (input.fromJson) {
        for (Seal *seal : input.seals)
            seal->placeAtScale(input.document.screenPixelsPerMm(), input.document.page().zoom());
    }
    QList<const Seal *> seals;
    for (const Seal *seal : input.seals)
        seals.append(seal);

    QList<StraddlePlacement> straddles;
    if (!straddleGroups.isEmpty()) {
        const PdfInspection inspection = inspectPdf(parser.positionalArguments().first());
        if (!inspection.ok) {
            printMessage(inspection.message);
            return 1;
        }
        for (const Group &group : std::as_const(straddleGroups)) {
            QString error;
            StraddlePlacement straddle;
            straddle.pages = parsePageSelection(group.pages, int(inspection.pages.size()), &error);
            if (straddle.pages.isEmpty()) {
                printMessage(error);
                return 1;
            }
            straddle.centreYMm = group.at.y();
            straddle.seal = group.seals.isEmpty() ? 1 : group.seals.first();
            straddles.append(straddle);
        }
    }

    const StampResult result =
        stampPdf(parser.positionalArguments().first(), output, seals, placements, straddles, options);
    if (!result.ok) {
        printMessage(result.message);
        return 1;
    }
    const QByteArray line = output.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    return 0;
}

} // namespace qm::cli
