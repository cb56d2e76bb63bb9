#include "dumpcommand.h"

#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/libraryitem.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/sealpicture.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

// The GUI's message; the message box breaks lines at a carriage return, a terminal needs a newline.
int refuse(const DocumentResult &result)
{
    QString text = result.message();
    text.replace(u'\r', u'\n');
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return 1;
}

int dumpLibraryItem(const QString &path)
{
    if (!QFileInfo::exists(path))
        return refuse(documentFailure(DocumentError::FileNotFound, path));
    QFile file(path);
    std::optional<QByteArray> data;
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        data = readWholeDevice(file, MaxDocumentBytes);
    SealDocument document;
    LibraryItem item;
    DocumentResult result = data ? readLibraryItem(*data, document, &item) : documentFailure(DocumentError::BadFormat);
    if (!result.ok()) {
        result.fileName = path;
        return refuse(result);
    }
    const SealPicture thumbnail = SealPicture::fromData(item.thumbnail);
    const QByteArray json = libraryItemToJson(item, thumbnail.hasGraphic() ? thumbnail.image().size() : QSize(0, 0));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}

} // namespace

int runDump(const QStringList &args)
{
    if (args.size() != 1 || args[0].startsWith(u"--"_s)) {
        std::fputs("usage: quillmark-cli dump FILE.dyz|FILE.YZL\n", stderr);
        return 2;
    }
    const QString path = args[0];
    if (path.endsWith(u".yzl"_s, Qt::CaseInsensitive))
        return dumpLibraryItem(path);

    SealDocument document;
    NoProgress progress;
    const DocumentResult result = OpenDocument(path, document, progress);
    if (!result.ok())
        return refuse(result);
    const QByteArray json = documentToJson(document, ReadFileVersion(path).value_or(0));
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return 0;
}

} // namespace qm::cli
