#pragma once

#include "companions/componentloaderror.h"

#include <QLibrary>
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace qm {

namespace dialogpack {
struct ExportOptionsRecord;
}

// The program's side of the dialog component. For each use the library is loaded from an
// absolute path (never searched for by name), the entry is looked up by its C name and called,
// and the library is unloaded afterwards in every case. A library that cannot be loaded
// raises ComponentLoadError with the dialog's own message; a missing entry does nothing.
//
//     DialogPackLoader dialogs;                      // the folder the program was installed in
//     catchComponentLoadError(this, [&] { dialogs.showAboutBox(this); });
class DialogPackLoader
{
public:
    // "libDialogPack.so"
    static QString libraryFileName();
    // The first folder that holds the library: the executable's folder, then the folder of the
    // picture component (lib/ of an installation or of the build tree). The executable's
    // folder when neither does, so that the use fails with the component's message.
    static QString defaultFolder();

    explicit DialogPackLoader(const QString &folder = defaultFolder());
    const QString &folder() const { return m_folder; }
    QString libraryPath() const;

    // The about box over `owner`; ComponentLoadError "该资源已缺失！" when the library cannot be loaded.
    void showAboutBox(QWidget *owner) const;
    // The help window over `owner`; ComponentLoadError "帮助资源缺失！" when the library cannot be loaded.
    void showHelpWindow(QWidget *owner) const;

    // The export options dialog over `owner`, in one loading of the library: first the record
    // version is agreed (1 with a component that cannot say), then the dialog fills `record`,
    // the 14 bytes of version 1 or all of version 2. Returns the agreed version, 0 when the
    // component has no export dialog (the record is left as it was). ComponentLoadError
    // "文件缺失！" when the library cannot be loaded.
    int showExportOptions(dialogpack::ExportOptionsRecord &record, QWidget *owner) const;

    // Loads the library (ComponentLoadError with `loadError` when it cannot be), calls `invoke` with
    // the entry `name` cast to `Entry` when the library exports it, and unloads the library,
    // also when `invoke` throws. Returns whether the entry was there: the about box and help
    // ignore a missing entry, a dialog whose missing entry is an error can report it.
    template <typename Entry, typename Invoke>
    bool callEntry(const char *name, const QString &loadError, Invoke &&invoke) const
    {
        return callResolved(name, loadError, [&](QFunctionPointer entry) { invoke(reinterpret_cast<Entry>(entry)); });
    }

private:
    // Loads the library, lets `use` resolve and call its entries, and unloads it in every case.
    void withLibrary(const QString &loadError, const std::function<void(QLibrary &library)> &use) const;
    bool callResolved(const char *name, const QString &loadError,
                      const std::function<void(QFunctionPointer)> &invoke) const;

    QString m_folder;
};

} // namespace qm
