#include "companions/dialogpackloader.h"

#include "companions/dialogpack/dialogpackentries.h"
#include "companions/glyphdepot/glyphdepot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

QString DialogPackLoader::libraryFileName()
{
    return u"libDialogPack.so"_s;
}

QString DialogPackLoader::defaultFolder()
{
    const QString beside = QCoreApplication::applicationDirPath();
    for (const QString &folder : {beside, CompanionFolder()}) {
        if (!folder.isEmpty() && QFileInfo(QDir(folder).filePath(libraryFileName())).isFile())
            return folder;
    }
    return beside;
}

DialogPackLoader::DialogPackLoader(const QString &folder) : m_folder(folder)
{
}

QString DialogPackLoader::libraryPath() const
{
    return QDir(m_folder).absoluteFilePath(libraryFileName());
}

void DialogPackLoader::showAboutBox(QWidget *owner) const
{
    callEntry<dialogpack::ShowAboutBoxEntry>(dialogpack::ShowAboutBoxName,
                                             QCoreApplication::translate("DialogPack", "该资源已缺失！"),
                                             [&](auto entry) { entry(owner); });
}

void DialogPackLoader::showHelpWindow(QWidget *owner) const
{
    callEntry<dialogpack::ShowHelpEntry>(dialogpack::ShowHelpName,
                                         QCoreApplication::translate("DialogPack", "帮助资源缺失！"),
                                         [&](auto entry) { entry(owner); });
}

int DialogPackLoader::showExportOptions(dialogpack::ExportOptionsRecord &record, QWidget *owner) const
{
    int version = 0;
    withLibrary(QCoreApplication::translate("DialogPack", "文件缺失！"), [&](QLibrary &library) {
        const auto show =
            reinterpret_cast<dialogpack::ShowExportToImageEntry>(library.resolve(dialogpack::ShowExportToImageName));
        if (!show)
            return;
        // Asked in this loading: the component keeps the answer for the dialog that follows.
        const auto ask = reinterpret_cast<dialogpack::ExportOptionsVersionEntry>(
            library.resolve(dialogpack::ExportOptionsVersionName));
        version = ask ? ask(dialogpack::ExportRecordVersion) : 1;
        // An answer beyond what the program knows is taken as the nearest version it does.
        version = std::clamp<int>(version, 1, dialogpack::ExportRecordVersion);
        show(&record.options, owner);
    });
    return version;
}

void DialogPackLoader::withLibrary(const QString &loadError, const std::function<void(QLibrary &)> &use) const
{
    // Only the absolute path: a bare name would let the loader's search path pick the file.
    const QString path = libraryPath();
    if (!QFileInfo(path).isFile())
        throw ComponentLoadError(loadError);
    QLibrary library(path);
    if (!library.load())
        throw ComponentLoadError(loadError);
    struct Unload {
        QLibrary &library;
        ~Unload() { library.unload(); }
    } unload{library};
    use(library);
}

bool DialogPackLoader::callResolved(const char *name, const QString &loadError,
                                    const std::function<void(QFunctionPointer)> &invoke) const
{
    bool found = false;
    withLibrary(loadError, [&](QLibrary &library) {
        const QFunctionPointer entry = library.resolve(name);
        if (!entry)
            return;
        found = true;
        invoke(entry);
    });
    return found;
}

} // namespace qm
