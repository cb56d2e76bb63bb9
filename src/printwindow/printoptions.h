#pragma once

#include "companions/dialogpack/dialogpackentries.h"

#include <QString>

#include <cstdint>

class QWidget;

namespace qm {

class DialogPackLoader;

// The four fields the print options dialog returns, in the order of its record.
struct PrintOptionsState {
    bool printInColour = true;
    bool printMirrored = false;
    bool printConfirmed = false;
    std::int32_t copies = 1;
};

// The fields of the dialog's 7-byte record (three flags, then a little-endian copy count).
PrintOptionsState fromRecord(const dialogpack::PrintOptions &record);
dialogpack::PrintOptions toRecord(const PrintOptionsState &state);

// Shows the dialog component's print options over `owner` with the current flags and copy
// count and returns the record it filled. ComponentLoadError "DLL文件错误！" when the library cannot be
// loaded, "文件损坏，请重新安装该程序！" when it lacks the entry; the library is released in
// every case.
dialogpack::PrintOptions askPrintOptionsFromDialogPack(const DialogPackLoader &loader, QWidget *owner,
                                                       const PrintOptionsState &current);

} // namespace qm
