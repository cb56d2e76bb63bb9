#include "tracecommand.h"

#include "commandline.h"
#include "sealinput.h"

#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

void printLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

} // namespace

const CommandSyntax TraceSyntax = {
    "trace", "trace FILE [--ppm P] [--zoom Z] [--seal I] [--black]",
    "Prints the drawing operations of the seals of FILE, a seal document or seal JSON, one JSON object "
    "a line: a Begin line with the seal's pixel box, then what it draws."};

int runTrace(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"FILE"_s, u"A seal document (.dyz) or seal JSON, told apart by content."_s);
    parser.addOption({u"ppm"_s, u"Pixels per millimetre (default 10)."_s, u"P"_s});
    parser.addOption({u"zoom"_s, u"Zoom in percent (default 100)."_s, u"Z"_s});
    parser.addOption({u"seal"_s, u"Only the seal of this index, counted from 0."_s, u"I"_s});
    parser.addOption({u"black"_s, u"Draws in black, as printing does, instead of the seals' colours."_s});
    if (const auto stop = parseCommandLine(parser, TraceSyntax, args, 1))
        return *stop;

    bool twice = false;
    double ppm = 10;
    int zoom = 100;
    int only = -1;
    bool ok = true;
    if (parser.isSet(u"ppm"_s)) {
        ppm = singleValue(parser, u"ppm"_s, &twice).toDouble(&ok);
        if (!ok || !(ppm > 0 && ppm < 1e6))
            return usageError(TraceSyntax, u"bad value for --ppm"_s);
    }
    if (parser.isSet(u"zoom"_s)) {
        zoom = singleValue(parser, u"zoom"_s, &twice).toInt(&ok);
        if (!ok || zoom <= 0 || zoom > 100000)
            return usageError(TraceSyntax, u"bad value for --zoom"_s);
    }
    if (parser.isSet(u"seal"_s)) {
        only = singleValue(parser, u"seal"_s, &twice).toInt(&ok);
        if (!ok || only < 0)
            return usageError(TraceSyntax, u"bad value for --seal"_s);
    }
    if (twice)
        return usageError(TraceSyntax, u"give each option once"_s);

    SealInput input;
    if (const auto failed = openSealInput(parser.positionalArguments().first(), input))
        return *failed;
    if (only >= 0 && only >= input.seals.size()) {
        printMessage(u"there is no seal %1"_s.arg(only));
        return 1;
    }
    for (int i = 0; i < int(input.seals.size()); ++i) {
        if (only >= 0 && i != only)
            continue;
        Seal &seal = *input.seals[i];
        seal.placeAtScale(float(ppm), zoom);
        printLine(QByteArray("{\"seal\":") + QByteArray::number(i) +
                  ",\"op\":\"Begin\",\"left\":" + QByteArray::number(seal.left()) +
                  ",\"top\":" + QByteArray::number(seal.top()) + ",\"width\":" + QByteArray::number(seal.width()) +
                  ",\"height\":" + QByteArray::number(seal.height()) + "}");
        RecordingSurface surface;
        seal.paintTo(0, 0, surface, !parser.isSet(u"black"_s));
        for (const TraceOp &op : surface.ops())
            printLine(op.toJsonLine(i));
    }
    std::fflush(stdout);
    return 0;
}

} // namespace qm::cli
