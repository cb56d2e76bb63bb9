// quillmark-cli: seals from the command line, without a window.

#include "batchcommand.h"
#include "buildcommand.h"
#include "commandline.h"
#include "dumpcommand.h"
#include "rendercommand.h"
#include "stampcommand.h"
#include "tracecommand.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <new>

using namespace Qt::StringLiterals;

namespace {

struct Command {
    const qm::cli::CommandSyntax &syntax;
    int (*run)(const QStringList &args);
};

const Command commands[] = {
    {qm::cli::TraceSyntax, qm::cli::runTrace}, {qm::cli::RenderSyntax, qm::cli::runRender},
    {qm::cli::DumpSyntax, qm::cli::runDump},   {qm::cli::BuildSyntax, qm::cli::runBuild},
    {qm::cli::StampSyntax, qm::cli::runStamp}, {qm::cli::BatchSyntax, qm::cli::runBatch},
};

// The synopsis of every command: on stdout when asked for, on stderr after a mistake.
int usage(FILE *to, int status)
{
    std::fputs("usage:\n", to);
    for (const Command &c : commands)
        std::fprintf(to, "  quillmark-cli %s\n", c.syntax.synopsis);
    std::fputs("quillmark-cli COMMAND --help tells more of each.\n", to);
    return status;
}

// Qt's own chatter (missing runtime folders and the like) would mix with the tool's output.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg || qEnvironmentVariableIsSet("QUILLMARK_DEBUG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Inputs are bounded so that no command should run out of memory; when one does all the same,
// it says so and fails instead of aborting.
int runCommand(const Command &c, const QStringList &args)
{
    try {
        return c.run(args);
    } catch (const std::bad_alloc &) {
        qm::cli::printMessage(u"quillmark-cli %1: out of memory"_s.arg(QLatin1StringView(c.syntax.name)));
        return 1;
    }
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
    if (args.isEmpty())
        return usage(stderr, 2);
    const QString command = args.takeFirst();
    if (command == u"-h"_s || command == u"--help"_s || command == u"help"_s)
        return usage(stdout, 0);
    for (const Command &c : commands)
        if (command == QLatin1StringView(c.syntax.name))
            return runCommand(c, args);
    qm::cli::printMessage(u"quillmark-cli: unknown command "_s + command);
    return usage(stderr, 2);
}
