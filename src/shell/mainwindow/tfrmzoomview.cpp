// The detail view of the main window.

#include "shell/mainwindow/tfrmmain.h"

namespace qm {

void TfrmMain::showDetailView()
{
}

} // namespace qm
