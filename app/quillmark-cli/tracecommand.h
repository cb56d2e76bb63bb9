#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax TraceSyntax;

// Prints the drawing operations of seals, one JSON object a line. Returns the exit status.
int runTrace(const QStringList &args);

} // namespace qm::cli
