#pragma once

#include "document/progressdisplay.h"
#include "document/tools.h"
#include "seal/sealtypes.h"

#include <QByteArray>
#include <QCursor>
#include <QString>

#include <optional>

class QMenu;

namespace qm {

class ClipboardStream;
class Seal;
class DocumentWindow;

// What a document window needs of the main window around it. The main window implements it;
// tests use a fake, so no message box or file dialog ever blocks them.
class PageHost
{
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~PageHost() = default;

    // The tool of the checked placing or tool command, none when no command is checked.
    virtual std::optional<Tool> checkedDrawAction() const = 0;
    // Unchecks the checked placing command without running it.
    virtual void uncheckDrawAction() = 0;
    // Runs the tool's command once more, as its menu item or button would: it toggles its check
    // mark and sets the page cursor of the active document for it.
    virtual void triggerDrawAction(Tool tool) = 0;

    // The face shown in the font list, in GBK; every text of a new element gets it.
    virtual QByteArray fontFaceGbk() const = 0;
    // The colour square of the drawing tools palette.
    virtual Colour swatchColor() const = 0;
    virtual void setSwatchColor(Colour colour) = 0;

    // Status bar panels 0 … 3.
    virtual void setStatusText(int panel, const QString &text) = 0;
    // The zoom list's text, e.g. "100%".
    virtual void setZoomText(const QString &text) = 0;
    // Shows the options of the seal (polarity, star, emblem); nothing for none.
    virtual void showSealToggles(const Seal *seal) = 0;
    // The registered cursors: 2 hand, 4 zoom in, 5 zoom out, 6 drawing.
    virtual QCursor cursorSlot(int slot) const = 0;
    // The caption of the seal-lock command, so the pop-up menu offers the right action.
    virtual void setSealLockCaption(const QString &caption) = 0;

    // Tool::PictureFromFile: the picture file the user chooses; empty when the dialog is cancelled.
    virtual QString askPictureFile() = 0;
    // Tool::EmblemPicture: the bytes of the chosen emblem; empty when none is chosen.
    virtual QByteArray emblemPicture() = 0;
    // A picture for either picture tool that cannot be read or decoded; no element is made.
    virtual void reportPictureError(const QString &message) = 0;

    // The internal clipboard shared by every document.
    virtual ClipboardStream &clipboard() = 0;

    // Closing a modified document: save it? Then saving it (false when the user cancelled the
    // save dialog or the file could not be written).
    virtual SaveAnswer askSaveOnClose(DocumentWindow &child) = 0;
    virtual bool saveDocument(DocumentWindow &child) = 0;

    // The pop-up menus of the page and of seals and frames; none by default.
    virtual QMenu *pagePopupMenu() { return nullptr; }
    virtual QMenu *sealPopupMenu() { return nullptr; }
    // Whether a new page keeps its seals' pictures off screen (see PagePanel).
    virtual bool pageDoubleBuffered() const { return true; }

    // The progress display lent to long operations (a library item dropped on the page); by
    // default one that shows nothing.
    virtual ProgressDisplay &progress()
    {
        static NoProgress none;
        return none;
    }
    // The drag format that carries the path of a library entry as UTF-8; none by default.
    virtual QString libraryItemFormat() const { return {}; }
};

} // namespace qm
