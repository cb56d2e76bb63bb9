#pragma once

#include "commandline.h"

#include <QStringList>

namespace qm::cli {

extern const CommandSyntax RenderSyntax;

// Exports seals of a document or JSON file as a picture. Returns the exit status: 0 written,
// 1 refused or failed (the user's message on stderr), 2 bad arguments.
int runRender(const QStringList &args);

} // namespace qm::cli
