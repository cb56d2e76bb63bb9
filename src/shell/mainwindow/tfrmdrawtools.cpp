#include "shell/mainwindow/tfrmdrawtools.h"

namespace qm {

TFrmDrawTools::TFrmDrawTools(QWidget *parent) : QWidget(parent)
{
}

} // namespace qm
