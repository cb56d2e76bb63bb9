#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax StampSyntax;

// Stamps seals of a document onto pages of an existing PDF. Returns the exit status: 0 written,
// 1 refused or failed (the user's message on stderr), 2 bad arguments.
int runStamp(const QStringList &args);

} // namespace qm::cli
