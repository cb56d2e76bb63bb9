#include "printwindow/printoptions.h"

#include "companions/dialogpackloader.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

using namespace Qt::StringLiterals;

namespace qm {

PrintOptionsState fromRecord(const dialogpack::PrintOptions &record)
{
    PrintOptionsState state;
    state.printInColour = record.printInColour != 0;
    state.printMirrored = record.printMirrored != 0;
    state.printConfirmed = record.printConfirmed != 0;
    state.copies = qFromLittleEndian<std::int32_t>(record.copies);
    return state;
}

dialogpack::PrintOptions toRecord(const PrintOptionsState &state)
{
    dialogpack::PrintOptions record{};
    record.printInColour = state.printInColour ? 1 : 0;
    record.printMirrored = state.printMirrored ? 1 : 0;
    record.printConfirmed = state.printConfirmed ? 1 : 0;
    qToLittleEndian<std::int32_t>(state.copies, record.copies);
    return record;
}

dialogpack::PrintOptions askPrintOptionsFromDialogPack(const DialogPackLoader &loader, QWidget *owner,
                                                       const PrintOptionsState &current)
{
    dialogpack::PrintOptions record{};
    const bool found = loader.callEntry<dialogpack::ShowPrintSetupBoxEntry>(
        dialogpack::ShowPrintSetupBoxName, QCoreApplication::translate("PrintWindow", "DLL文件错误！"),
        [&](auto entry) { entry(&record, owner, current.printInColour, current.printMirrored, current.copies); });
    if (!found)
        throw ComponentLoadError(QCoreApplication::translate("PrintWindow", "文件损坏，请重新安装该程序！"));
    return record;
}

} // namespace qm
