#pragma once

#include "document/sealdocument.h"
#include "page/grabhandles.h"
#include "page/pagehost.h"
#include "page/pagepanel.h"
#include "page/selectionframe.h"

#include <QScrollArea>

#include <memory>
#include <optional>

class QFrame;
class QMimeData;

namespace qm {

class OverrideCursorGuard;

// The window of one seal document: its page, the seals on it and the editing done with the
// mouse — placing with the current tool, selecting by click or band, moving, resizing with the
// grab handles, scrolling by hand, zooming by click — and the editing commands of the main
// window's menus. The document itself (seals, selection, undo, modified state) is the
// widget-free SealDocument; this window routes the mouse and keeps the page on screen.
class DocumentWindow : public QScrollArea, private PageMouseHandler, private PageSelectionAccess
{
    Q_OBJECT

public:
    // pixelsPerInch: the horizontal resolution of the screen the window shows on; every seal of
    // the document is drawn at it / 25.4 pixels per millimetre at 100 %.
    DocumentWindow(PageHost &host, int pixelsPerInch, QWidget *parent = nullptr);
    ~DocumentWindow() override;

    SealDocument &document() { return *m_document; }
    const SealDocument &document() const { return *m_document; }
    PagePanel *pagePanel() const { return m_page; }
    QWidget *pageBack() const { return m_pageBack; }
    int pixelsPerInch() const { return m_pixelsPerInch; }
    float screenPixelsPerMm() const;

    const SealList &sealList() const { return m_document->seals(); }
    const SealSelection &selection() const { return m_document->selection(); }
    // The single selected seal; none when zero or several are selected.
    Seal *currentSeal() const { return m_document->currentSeal(); }
    bool isModified() const { return m_document->isModified(); }
    GrabHandles *handles() const { return m_handles.get(); }
    SelectionFrame *selectionFrame() const { return m_frame.get(); }

    // A rubber band, a move, a hand scroll or a resize is under way; editing, zoom and close
    // commands wait for its end.
    bool busy() const { return m_gesture != Gesture::None; }
    bool isBanding() const { return m_gesture == Gesture::Band; }
    bool isDragging() const { return m_gesture == Gesture::Move || m_gesture == Gesture::Hand; }

    // Page operations.
    void layOutPage();
    void zoomPage(int zoom);
    void initPageFromPrinter();

    // Editing commands; each does nothing without its precondition or while busy.
    void deleteSelection();
    void clearPage();
    void bringSealToFront();
    void sendSealToBack();
    void centreSelection();
    void toggleSealLock();
    void togglePageLock();
    void copySelection();
    void cutSelection();
    void paste();
    void clearSelection();
    // Selects what a paste or a library insert has just appended to the selection.
    void selectPasted();
    // Inserts the seals of a library item as one undo step and selects them: the group's
    // top-left corner 2 mm right of and below the top-left corner of the visible part of the
    // page, or the group centred on `centre` (page pixels) when given. The result says why
    // nothing was added.
    DocumentResult insertLibraryItem(const QString &fileName, ProgressDisplay &progress,
                                     std::optional<QPoint> centre = std::nullopt);
    // The top-left corner of the visible part of the page, in page pixels.
    QPoint visiblePageOrigin() const;
    void undo();
    void redo();

    // Window events the main window forwards.
    void onActivated();
    void onDeactivated();
    // The page cursor for the host's active tool.
    void applyToolCursor();
    // Writes status panels 2 and 3 from the modified state and the number of seals.
    void showDocumentStatus();

    // The position readout of panels 0 and 1 for a page point.
    static QString positionText(int pixels, int zoom, float screenPixelsPerMm);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    // A library entry dragged from the library column, or a .yzl file, dropped on the page.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class Gesture { None, Band, Move, Hand, Resize };

    // PageMouseHandler
    void pageMousePress(const PageHit &hit, const PageMouse &mouse) override;
    void pageMouseMove(const PageHit &hit, const PageMouse &mouse) override;
    void pageMouseRelease(const PageHit &hit, const PageMouse &mouse) override;
    QMenu *pageContextMenu(const PageHit &hit) override;

    // PageSelectionAccess
    bool isSealSelected(const Seal *seal) const override;
    const Seal *currentPageSeal() const override { return currentSeal(); }
    bool chooseFromPage(Seal *seal, bool toggle) override;
    bool canChooseFromPage() const override;
    bool pageHasKeyboard() const override;

    // Selects the seal alone, shows its options and scrolls it into view.
    void chooseSeal(Seal *seal);
    // A one-shot tool waiting for its press is put down, its command unchecked.
    void disarmOneShotTool();

    // The mouse handlers of the page, the seals, the frame and the handles.
    // `mouse.button` is the button pressed; `button` the one the press counts as (a press on a
    // seal with a tool active counts as a left press on the page).
    void onPageMousePress(Qt::MouseButton button, const PageMouse &mouse);
    void sealMouseDown(Seal *seal, const PageMouse &mouse);
    void frameMouseDown(const PageMouse &mouse);
    void handleMouseDown(int position, const PageMouse &mouse);
    Seal *deepestSealAt(Seal *pressed, QPoint point) const;
    // Shift/Ctrl+click: the seal joins the selection, or leaves it when it was in it.
    void toggleInSelection(Seal *seal);
    void placeNewSeal(Tool tool, QPoint point);
    void zoomByTool(int step);

    // Selection marks: handles for one seal, the frame for several.
    void removeHandlesAndFrame();
    void syncSelectionMarks();
    void placeSelectionMarks();
    void showSealOptions(Seal *seal);
    QRect selectionRect() const;
    bool ensureSelectionFrame();
    void hookSelectionFrame();
    void placeSelectionFrame(const QRect &rect);
    void freeSelectionFrame();
    void replaceFrameAroundSelection();

    // Gestures.
    // An adding band keeps the selection and appends the seals it encloses.
    void startBand(const PageMouse &mouse, bool adding);
    void moveBand(QPoint point);
    void endBand(QPoint point);
    void startDrag(bool hand, const PageMouse &mouse);
    void moveDrag(QPoint point, QPoint global);
    void endDrag(QPoint point, QPoint global);
    void startResize(int position, const PageMouse &mouse);
    void moveResize(QPoint point);
    void endResize(QPoint point);
    void startGesture(Gesture gesture, Qt::MouseButton button);
    void endGesture();
    void releasePage();
    QRect movedObjectRect() const;
    QPoint clampGlobal(QPoint global) const;

    // The resize a handle drag asks for, applied to the document as one step.
    bool applyResize(Seal *seal, const QRect &box);
    void nudge(int dx, int dy, bool coarse);

    void showPosition(QPoint pagePoint);
    // The library item a drag carries; empty when it carries none or the page takes no drop.
    QString draggedLibraryItem(const QMimeData *data) const;

    PageHost &m_host;
    int m_pixelsPerInch;
    std::unique_ptr<SealDocument> m_document;
    QWidget *m_canvas = nullptr;
    QFrame *m_pageBack = nullptr;
    PagePanel *m_page = nullptr;
    std::unique_ptr<GrabHandles> m_handles;
    std::unique_ptr<SelectionFrame> m_frame;

    Gesture m_gesture = Gesture::None;
    Qt::MouseButton m_gestureButton = Qt::NoButton;
    QRect m_bandRect;
    bool m_bandAdds = false;
    QPoint m_lastPoint;
    QRect m_outlineRect;
    int m_resizePosition = -1;
    QPoint m_grabOffset;
    QRect m_resizeRect;
    QRect m_grabRect; // the page on the screen when the drag began
    std::unique_ptr<OverrideCursorGuard> m_dragCursor;
};

} // namespace qm
