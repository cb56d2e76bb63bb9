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

Q_DECL_EXPORT void ShowExportToImage(qm::dialogpack::ExportOptions *options, QWidget *owner) noexcept
{
    if (!options)
        return;
    try {
        qm::dialogpack::runExportOptions(*options, owner);
    } catch (...) {
        options->confirmed = 0; // nothing is exported unless the dialog came back confirmed
    }
}

Q_DECL_EXPORT void ShowPrintSetupBox(qm::dialogpack::PrintOptions *result, QWidget *owner, bool printInColour,
                                     bool printMirrored, std::int32_t copies) noexcept
{
    if (!result)
        return;
    try {
        qm::dialogpack::runPrintOptions(*result, owner, printInColour, printMirrored, copies);
    } catch (...) {
        result->printConfirmed = 0;
    }
}

} // extern "C"

// The program calls through these types; they must stay in step with the definitions.
static_assert(std::is_convertible_v<decltype(&Show_frmHelp), qm::dialogpack::ShowHelpEntry>);
static_assert(std::is_convertible_v<decltype(&ShowAboutBox), qm::dialogpack::ShowAboutBoxEntry>);
static_assert(std::is_convertible_v<decltype(&ShowExportToImage), qm::dialogpack::ShowExportToImageEntry>);
static_assert(std::is_convertible_v<decltype(&ShowPrintSetupBox), qm::dialogpack::ShowPrintSetupBoxEntry>);
