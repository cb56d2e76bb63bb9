#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax BuildSyntax;

// Writes a version 8 seal document from {"page":{...},"seals":[...]}. Returns the exit status.
int runBuild(const QStringList &args);

} // namespace qm::cli
