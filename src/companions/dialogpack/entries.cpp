#include "companions/dialogpack/dialogpackentries.h"
#include "companions/dialogpack/dialogs.h"

#include <QtCore/qglobal.h>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

// The record version agreed for the next export dialog; each dialog uses it up.
std::uint8_t agreedExportVersion = 1;

} // namespace

extern "C" {

Q_DECL_EXPORT std::uint8_t ExportOptionsVersion(std::uint8_t callerVersion) noexcept
{
    agreedExportVersion = std::clamp<std::uint8_t>(callerVersion, 1, qm::dialogpack::ExportRecordVersion);
    return agreedExportVersion;
}

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
    // A caller that did not ask has room for the 14 bytes only.
    const std::uint8_t version = std::exchange(agreedExportVersion, std::uint8_t(1));
    if (!options)
        return;
    std::uint8_t *laterKind =
        version >= 2 ? &reinterpret_cast<qm::dialogpack::ExportOptionsRecord *>(options)->laterKind : nullptr;
    try {
        qm::dialogpack::runExportOptions(*options, laterKind, owner);
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
static_assert(std::is_convertible_v<decltype(&ExportOptionsVersion), qm::dialogpack::ExportOptionsVersionEntry>);
static_assert(std::is_convertible_v<decltype(&ShowPrintSetupBox), qm::dialogpack::ShowPrintSetupBoxEntry>);
