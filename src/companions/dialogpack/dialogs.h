#pragma once

#include <cstdint>

class QWidget;

namespace qm::dialogpack {

struct ExportOptions;
struct PrintOptions;

// The dialogs themselves, each shown modally over `owner` and destroyed before returning, so
// that nothing made here outlives the call once the program unloads the library.
void runAboutBox(QWidget *owner);
void runHelpWindow(QWidget *owner);

// Fills the whole record with the user's choices and sets `confirmed` when the user pressed
// OK; on cancel only `confirmed` is written, as 0. With `laterKind` (a version 2 record) the
// later kinds are offered too, and their byte is written on OK.
void runExportOptions(ExportOptions &options, std::uint8_t *laterKind, QWidget *owner);

// Fills the record: on OK the user's choices with the confirm byte set; on cancel the options
// passed in, unchanged, with the confirm byte 0.
void runPrintOptions(PrintOptions &result, QWidget *owner, bool printInColour, bool printMirrored, std::int32_t copies);

} // namespace qm::dialogpack
