#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm {
struct DocumentResult;
}

namespace qm::cli {

// How one command is called: its name, the line that shows its arguments and what it does.
struct CommandSyntax {
    const char *name;
    const char *synopsis; // "render FILE -o OUT.EXT [options]"
    const char *summary;
};

// Reads a command's arguments with its options added to the parser, which also learns -h and
// --help. Returns the exit status when the command is to stop: 0 after printing its help to
// stdout, 2 after an unknown option, a missing value or not exactly `files` file names (the
// reason and the synopsis on stderr). Nothing when the command goes on.
std::optional<int> parseCommandLine(QCommandLineParser &parser, const CommandSyntax &syntax, const QStringList &args,
                                    qsizetype files);

// Says why the arguments are wrong, with the synopsis, and returns 2.
int usageError(const CommandSyntax &syntax, const QString &why);

// The value of an option given at most once; *twice is set when it was given more often.
QString singleValue(const QCommandLineParser &parser, const QString &name, bool *twice);

// Every message of the tool goes to stderr through here, in UTF-8. The user's messages break
// lines with carriage returns, as the message box wants; a terminal wants line feeds.
void printMessage(const QString &message);
// Prints a refused document's message, then what exactly was refused when known; returns 1.
int printRefusal(const DocumentResult &result);

} // namespace qm::cli
