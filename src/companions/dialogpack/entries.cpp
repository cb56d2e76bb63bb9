#include "companions/dialogpack/dialogpackentries.h"
#include "companions/dialogpack/dialogs.h"

#include <QtCore/qglobal.h>

#include <type_traits>

extern "C" {

Q_DECL_EXPORT void ShowAboutBox(QWidget *owner) noexcept
{
    try {
        qm::dialogpack::runAboutBox(owner);
    } catch (...) {
        // An exception must not unwind into the caller through C linkage.
    }
}

Q_DECL_EXPORT void Show_frmHelp(QWidget *owner) noexcept
{
    try {
        qm::dialogpack::runHelpWindow(owner);
    } catch (...) {
    }
}

} // extern "C"

// The program calls through these types; they must stay in step with the definitions.
static_assert(std::is_convertible_v<decltype(&Show_frmHelp), qm::dialogpack::ShowHelpEntry>);
static_assert(std::is_convertible_v<decltype(&ShowAboutBox), qm::dialogpack::ShowAboutBoxEntry>);
