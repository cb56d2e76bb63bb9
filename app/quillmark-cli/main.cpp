// quillmark-cli: seals from the command line, without a window.

#include "tracecommand.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void usage()
{
    std::fputs("usage: quillmark-cli trace FILE.json [--ppm P] [--zoom Z] [--seal I] [--black]\n", stderr);
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
    if (command == u"trace"_s)
        return qm::cli::runTrace(args);
    usage();
    return 2;
}
