#pragma once

// The entry points of the dialog component, exported with C linkage under these names. Each
// shows its modal dialog over the owner window and returns when it closes; none lets an
// exception out.

class QWidget;

namespace qm::dialogpack {

inline constexpr char ShowAboutBoxName[] = "ShowAboutBox";
inline constexpr char ShowHelpName[] = "Show_frmHelp";

using ShowAboutBoxEntry = void (*)(QWidget *owner);
using ShowHelpEntry = void (*)(QWidget *owner);

} // namespace qm::dialogpack
