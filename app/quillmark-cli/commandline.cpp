#include "commandline.h"

#include "document/documenterror.h"

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

const QCommandLineOption &helpOption()
{
    static const QCommandLineOption help({u"h"_s, u"help"_s}, u"Shows this help."_s);
    return help;
}

QString synopsisLine(const CommandSyntax &syntax)
{
    return u"usage: quillmark-cli "_s + QString::fromUtf8(syntax.synopsis);
}

} // namespace

std::optional<int> parseCommandLine(QCommandLineParser &parser, const CommandSyntax &syntax, const QStringList &args,
                                    qsizetype files)
{
    parser.addOption(helpOption());
    parser.setApplicationDescription(QString::fromUtf8(syntax.summary));
    // The first argument is taken as the program's name.
    if (!parser.parse(QStringList{u"quillmark-cli "_s + QString::fromUtf8(syntax.name)} + args))
        return usageError(syntax, parser.errorText());
    if (parser.isSet(helpOption())) {
        // Qt's first line names the program without the command; ours names both.
        QString text = parser.helpText();
        text = synopsisLine(syntax) + text.mid(text.indexOf(u'\n'));
        const QByteArray utf8 = text.toUtf8();
        std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
        std::fflush(stdout);
        return 0;
    }
    const qsizetype given = parser.positionalArguments().size();
    if (given > files)
        return usageError(syntax, u"unexpected argument %1"_s.arg(parser.positionalArguments().at(files)));
    if (given < files)
        return usageError(syntax, files == 1 ? u"no input file"_s : u"too few files"_s);
    return std::nullopt;
}

int usageError(const CommandSyntax &syntax, const QString &why)
{
    printMessage(u"quillmark-cli %1: %2\n%3\n  (quillmark-cli %1 --help tells more)"_s.arg(
        QString::fromUtf8(syntax.name), why, synopsisLine(syntax)));
    return 2;
}

QString singleValue(const QCommandLineParser &parser, const QString &name, bool *twice)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        *twice = true;
    return values.isEmpty() ? QString() : values.first();
}

void printMessage(const QString &message)
{
    QString text = message;
    text.replace(u'\r', u'\n');
    const QByteArray utf8 = text.toUtf8() + '\n';
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stderr);
}

int printRefusal(const DocumentResult &result)
{
    printMessage(result.message());
    if (!result.detail.isEmpty() && (result.error == DocumentError::BadFormat || result.diskFull))
        printMessage(result.detail);
    return 1;
}

} // namespace qm::cli
