#pragma once

#include "document/pagemodel.h"
#include "document/sealdocument.h"
#include "page/sealimagecache.h"
#include "seal/seal.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>
#include <unordered_map>

class QAccessibleInterface;
class QMenu;

namespace qm {

class GrabHandles;
class SelectionFrame;

// What the mouse is on. Seals are no widgets: the page finds them by their boxes, the top of
// the stack first, with the selection frame above the seals and the grab handles above all.
struct PageHit {
    enum Kind { OnPage, OnSeal, OnFrame, OnHandle };
    Kind kind = OnPage;
    Seal *seal = nullptr;
    int handle = -1;
};

// One mouse event on the page: the point in page pixels and on the screen.
struct PageMouse {
    QPoint pos;
    QPoint global;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// Receives the page's mouse events, each with the thing it belongs to: the thing under the
// press keeps the mouse until every button is up, as a pressed control does.
class PageMouseHandler
{
public:
    virtual ~PageMouseHandler() = default;
    virtual void pageMousePress(const PageHit &hit, const PageMouse &mouse) = 0;
    virtual void pageMouseMove(const PageHit &hit, const PageMouse &mouse) = 0;
    virtual void pageMouseRelease(const PageHit &hit, const PageMouse &mouse) = 0;
    // The pop-up menu for the thing, or none (while a band or drag lasts).
    virtual QMenu *pageContextMenu(const PageHit &hit) = 0;
};

// The selection as assistive technology reads and changes it through the page.
class PageSelectionAccess
{
public:
    virtual ~PageSelectionAccess() = default;
    virtual bool isSealSelected(const Seal *seal) const = 0;
    // The single selected seal; none when zero or several are selected.
    virtual const Seal *currentPageSeal() const = 0;
    // Chooses the seal alone, as a click does, or with toggle adds it to the selection or takes
    // it out; false when the page takes no choice now (locked, or a drag under way).
    virtual bool chooseFromPage(Seal *seal, bool toggle) = 0;
    virtual bool canChooseFromPage() const = 0;
    // The page's window holds the keyboard.
    virtual bool pageHasKeyboard() const = 0;
};

// One sheet of paper on screen: white, with grid, centimetre numbers and margins, and the seals
// of its list painted on it in list order, each at its pixel box. Its size follows the page
// model. Handles, selection frame, rubber band and drag outline are painted over the seals.
class PagePanel : public QWidget, public PageListener, public SealListener
{
public:
    explicit PagePanel(PageModel &page, QWidget *parent = nullptr);
    ~PagePanel() override;

    PageModel &page() { return m_page; }
    const PageModel &page() const { return m_page; }

    void setSeals(const SealList *seals);
    void setMouseHandler(PageMouseHandler *handler) { m_handler = handler; }
    void setSelectionAccess(PageSelectionAccess *access) { m_selectionAccess = access; }
    PageSelectionAccess *selectionAccess() const { return m_selectionAccess; }
    const SealList *seals() const { return m_seals; }
    int indexOfSeal(const Seal *seal) const;
    void setHandles(GrabHandles *handles);
    void setSelectFrame(SelectionFrame *frame);

    const QFont &tickFont() const { return m_tickFont; }
    void setTickFont(const QFont &font);

    // The rubber band, corner to corner as drawn, and the dotted outline of a move or resize.
    void setBand(const std::optional<QRect> &band);
    void setOutline(const std::optional<QRect> &outline);
    std::optional<QRect> band() const { return m_band; }
    std::optional<QRect> outline() const { return m_outline; }

    // The cursor of the page while the tool is active (the arrow for none).
    void setToolCursor(const QCursor &cursor, bool toolActive);
    bool toolActive() const { return m_toolActive; }

    // Double buffered, the page keeps each seal's picture and a repaint only copies it;
    // otherwise every repaint draws the seals afresh and nothing is kept.
    void setDoubleBuffered(bool on);
    bool doubleBuffered() const { return m_doubleBuffered; }

    // What lies at the point, the topmost thing first.
    PageHit hitAt(QPoint point) const;
    // The topmost seal whose box holds the point, under the frame and handles; none if no seal.
    Seal *sealAt(QPoint point) const;
    QPoint clampToPage(QPoint point) const;

    // Seals were added, removed, reordered or replaced: the pictures of seals that left the list,
    // or that are new in it, are dropped; the others are kept.
    void sealsReset();
    // Forgets every kept picture, so each seal is painted afresh.
    void dropPictures();
    // Repaints the part of the page the handles or the frame cover, before and after a change.
    void updateOverlay();

    // SealListener
    void sealRepaint(Seal &seal) override;
    void sealGeometryChanged(Seal &seal) override;
    // PageListener
    void pageRepaint(PageModel &page) override;
    void pageResized(PageModel &page) override;

    const SealImageCache &cache() const { return m_cache; }
    // Keeps the seal pictures in another pool than the program's one.
    void setPicturePool(SealPicturePool &pool);

    // On screen, a paint event paints the seal pictures that are missing for at most `inPaint`
    // and shows the rest by their old pictures, or not at all, until they are ready; they are
    // then painted in slices of `perSlice` from the event loop, and the page shows each batch as
    // it comes. The last repaint is complete and stacked in list order. Rendering the page
    // elsewhere (grab, render, print) is always complete.
    void setPaintBudget(std::chrono::milliseconds inPaint, std::chrono::milliseconds perSlice);
    // Part of the page on screen still waits for seal pictures, or, not double buffered, for
    // seals to be painted.
    bool paintPending() const
    {
        return !m_unfinished.isEmpty() || m_completeNext || m_straightProgress || !m_straightBacklog.isEmpty();
    }
    // Seals painted straight onto a page in memory are painted in this many bands at once (one
    // per processor core by default).
    void setPaintThreads(int threads) { m_paintThreads = std::max(1, threads); }

    // The accessible object of a seal of the list, made when first asked for and kept while the
    // seal stays in the list.
    QAccessibleInterface *accessibleSeal(Seal *seal) const;
    // Tells assistive technology that the seal is now the one with the keyboard.
    void announceCurrentSeal(Seal *seal);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    PageMouse mouseOf(const QMouseEvent *event) const;
    void hover(const PageHit &hit);
    void updateSeal(const Seal &seal);
    QRect overlayArea() const;
    // The painter paints into the window's backing store, that is onto the screen.
    bool paintsOnScreen(const QPainter &painter) const;
    // Paints the missing pictures of the unfinished part for one slice and shows them.
    void paintSlice();
    // Paints the seals of the list from `from` on that meet `region` straight onto the painter's
    // device, within `budget` when there is one; returns the list index it stopped at.
    size_t paintStraight(QPainter &painter, const QRegion &region, size_t from,
                         std::optional<std::chrono::milliseconds> budget);
    // Paints `seals` straight, in horizontal bands on the processor's cores at once when the
    // painter's device is an image in memory.
    void paintStraightBatch(QPainter &painter, const QRegion &region, const std::vector<const Seal *> &seals);
    // The seals painted straight onto the screen are painted in slices: the paint event that
    // continues a slice paints over what the one before left.
    bool continuesStraightPainting(const QRegion &region, bool onScreen);
    void requestStraightSlice();
    // Each seal's box in list order, empty for a hidden seal: read far more often than the seals
    // change, and scanned without touching the seals themselves.
    const std::vector<QRect> &sealBoxes() const;
    struct ShownSeal {
        const Seal *seal;
        QRect box;
        size_t index; // in the list
    };
    // The shown seals whose boxes meet the region, in list order.
    std::vector<ShownSeal> sealsMeeting(const QRegion &region) const;
    // The pixels the pictures of these seals need.
    qint64 picturePixels(const std::vector<ShownSeal> &shown) const;
    // More than `limit` of them lack their picture.
    bool lacksPictures(const std::vector<ShownSeal> &shown, size_t limit) const;
    // The selection frame, the handles, the rubber band and the move outline, over the seals.
    void paintOverlay(QPainter &painter);

    PageModel &m_page;
    const SealList *m_seals = nullptr;
    PageMouseHandler *m_handler = nullptr;
    PageSelectionAccess *m_selectionAccess = nullptr;
    GrabHandles *m_handles = nullptr;
    SelectionFrame *m_frame = nullptr;
    QFont m_tickFont;
    std::optional<QRect> m_band;
    std::optional<QRect> m_outline;
    QRect m_paintedOverlay;
    QCursor m_toolCursor;
    bool m_toolActive = false;
    bool m_doubleBuffered = true;
    std::optional<PageHit> m_captured;
    SealImageCache m_cache;
    // The seals of the list when it last changed: a new seal may reuse a freed one's address.
    std::vector<const Seal *> m_known;
    std::vector<const Seal *> m_knownOrder; // the same in list order
    mutable std::vector<QRect> m_boxes;
    mutable bool m_boxesStale = true;
    // Where seals painted straight onto the page were last drawn, so a move repaints there too.
    std::unordered_map<const Seal *, QRect> m_straightBoxes;
    std::chrono::milliseconds m_paintBudget{3};
    std::chrono::milliseconds m_sliceBudget{25};
    // The part of the page on screen painted without some of its seals.
    QRegion m_unfinished;
    // Pictures painted since the page last was complete, to notice a pool too small to hold
    // everything on screen.
    size_t m_slicePictures = 0;
    // The next paint is complete whatever it costs.
    bool m_completeNext = false;
    int m_paintThreads = 1;
    // Straight painting on screen that ran out of time: in `region`, the seals before list index
    // `next` are painted. Any change of the seals makes it start afresh.
    struct StraightProgress {
        QRegion region;
        size_t next = 0;
        quint64 changes = 0;
        bool requested = false; // its next slice is asked for
    };
    std::optional<StraightProgress> m_straightProgress;
    // Parts of the page on screen to be painted afresh when the next slice is asked for.
    QRegion m_straightBacklog;
    quint64 m_changes = 0;
    QTimer m_sliceTimer;
    // Ids of the seals' accessible objects in the accessibility cache.
    mutable std::unordered_map<const Seal *, unsigned> m_accessibleSeals;
};

} // namespace qm
