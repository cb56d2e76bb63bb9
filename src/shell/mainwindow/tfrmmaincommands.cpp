// The main window's commands that edit the active document.

#include "shell/mainwindow/tfrmmain.h"

namespace qm {

void TfrmMain::SetColor()
{
}

} // namespace qm
