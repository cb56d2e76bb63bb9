#pragma once

#include <QStringList>

namespace qm::cli {

// Writes a version 8 seal document from {"page":{...},"seals":[...]}. Returns the exit status.
int runBuild(const QStringList &args);

} // namespace qm::cli
