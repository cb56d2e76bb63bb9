// quillmark-cli: seals from the command line, without a window.

#include "buildcommand.h"
#include "dumpcommand.h"
#include "rendercommand.h"
#include "tracecommand.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct Command {
    const char *name;
    int (*run)(const QStringList &args);
    const char *usage;
};

// One line per command.
const Command commands[] = {
    {"trace", qm::cli::runTrace, "trace FILE.json|FILE.dyz [--ppm P] [--zoom Z] [--seal I] [--black]"},
    {"render", qm::cli::runRender, "render FILE -o OUT.EXT [--ppm P | --dpi D] [--mirror] [--seals I,J,...]"},
    {"dump", qm::cli::runDump, "dump FILE.dyz|FILE.YZL"},
    {"build", qm::cli::runBuild, "build IN.json -o OUT.dyz"},
};

void usage()
{
    std::fputs("usage:\n", stderr);
    for (const Command &c : commands)
        std::fprintf(stderr, "  quillmark-cli %s\n", c.usage);
}

// Qt's own chatter (missing runtime folders and the like) would mix with the tool's output.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("QUILLMARK_DEBUG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    // Seals measure glyphs only when painted onto pixels; a platform is still needed for fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        usage();
        return 2;
    }
    const QString command = args.takeFirst();
    for (const Command &c : commands)
        if (command == QLatin1StringView(c.name))
            return c.run(args);
    usage();
    return 2;
}
