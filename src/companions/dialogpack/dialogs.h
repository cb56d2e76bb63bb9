#pragma once

class QWidget;

namespace qm::dialogpack {

// The dialogs themselves, each shown modally over `owner` and destroyed before returning, so
// that nothing made here outlives the call once the program unloads the library.
void runAboutBox(QWidget *owner);
void runHelpWindow(QWidget *owner);

} // namespace qm::dialogpack
