#pragma once

namespace qm {

// Assistive tools meet the tab buttons as page tabs (selected while open, pressed by their one
// action) and a flat panel that holds tab buttons as the list of those tabs. Safe to call more
// than once; the controls call it when they are made.
void installTabAccessibility();

} // namespace qm
