#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax DumpSyntax;

// Prints a seal document (.dyz) or a library item (.YZL) as JSON. Returns the exit status.
int runDump(const QStringList &args);

} // namespace qm::cli
