#pragma once

class QAccessibleInterface;

namespace qm {

class PagePanel;
class Seal;

// Gives every page panel an accessible object whose children are the seals on it, so a screen
// reader can list, read and choose them. Installed once per program, before the first page.
void installPageAccessibility();

// A new accessible object for a seal of the page; the page registers and keeps it.
QAccessibleInterface *newSealAccessible(PagePanel *page, Seal *seal);

} // namespace qm
