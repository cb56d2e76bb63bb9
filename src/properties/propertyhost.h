#pragma once

#include <QString>

namespace qm {

// What the property window needs of the main window around it. The main window implements it;
// tests use a fake, so no message box ever blocks them.
class PropertyHost
{
public:
    virtual ~PropertyHost() = default;

    // Places the grab handles of the active document window around its CurrentSeal again.
    virtual void placeHandles() = 0;
    // Writes a panel of the main window's status bar.
    virtual void setStatusText(int panel, const QString &text) = 0;
    // Tells the user why a typed text was not taken (a character the seal cannot store).
    virtual void showRefusal(const QString &message) = 0;
    // Whether the window stays open when it loses the focus, as the user last left it.
    virtual bool propertyWindowPinned() const = 0;
    virtual void setPropertyWindowPinned(bool pinned) = 0;
};

} // namespace qm
