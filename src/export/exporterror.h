#pragma once

#include <QString>

namespace qm {

// Why an export did not produce its picture. The GUI shows exportErrorMessage() in a box; the
// command-line tool prints the same text and exits with exportErrorExitCode().
enum class ExportError {
    None,
    EmptySelection,  // no seal to export: nothing happens, silently
    BadResolution,   // pixels per millimetre not a positive finite number
    PictureTooLarge, // width × height above the export limit
    TooLargeForKind, // a side beyond what the chosen file kind can store
    CannotCreateFile,
    WriteFailed,
    EncoderFailed,
};

// The user's text; fileName is named in file errors when given.
QString exportErrorMessage(ExportError error, const QString &fileName = {});

// 0 for None; 1 for a refused or failed export.
int exportErrorExitCode(ExportError error);

} // namespace qm
