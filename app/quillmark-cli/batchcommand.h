#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax BatchSyntax;

// Exports one picture per row of a table, the row's cells filling the placeholders of the
// template's texts and of the output name. Returns the exit status: 0 every row written, 1 a
// row or the whole table failed (the reasons on stderr), 2 bad arguments.
int runBatch(const QStringList &args);

} // namespace qm::cli
