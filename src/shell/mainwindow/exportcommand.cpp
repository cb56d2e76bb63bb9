// The export command of the main window.

#include "shell/mainwindow/tfrmmain.h"

namespace qm {

void TfrmMain::exportSelectionToImage()
{
}

} // namespace qm
