#pragma once

namespace qm {

// Drop-down lists that have an accessible name are announced by it (the label they stand
// beside, such as "显示比例"), with their current text as the value; without this the name of
// a list is its current text on this platform. Installing twice does nothing more.
void installNamedListAccessibility();

} // namespace qm
