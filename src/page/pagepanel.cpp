#include "page/pagepanel.h"

#include "page/grabhandles.h"
#include "page/pageaccessible.h"
#include "page/pagesheet.h"
#include "page/selectionframe.h"

#include <QAccessible>
#include <QBackingStore>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// The four one-pixel strips a dotted outline covers: repainting them is enough to erase it.
QRegion outlineRegion(const QRect &r)
{
    if (r.isEmpty())
        return {};
    QRegion region;
    region += QRect(r.left(), r.top(), r.width(), 1);
    region += QRect(r.left(), r.bottom(), r.width(), 1);
    region += QRect(r.left(), r.top(), 1, r.height());
    region += QRect(r.right(), r.top(), 1, r.height());
    return region;
}

// The band as drawn may run up or left of its press point; the rectangle on screen is the same.
QRect bandBox(const QRect &band)
{
    return QRect(QPoint(std::min(band.left(), band.right()), std::min(band.top(), band.bottom())),
                 QPoint(std::max(band.left(), band.right()), std::max(band.top(), band.bottom())));
}

// The pictures the last repaint on screen makes itself at most, on every core at once.
constexpr size_t CompletePaintPictures = 64;

void paintDotted(QPainter &painter, const QRect &r)
{
    QPen pen(Qt::black, 0);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.x(), r.y(), std::max(0, r.width() - 1), std::max(0, r.height() - 1));
}

} // namespace

PagePanel::PagePanel(PageModel &page, QWidget *parent) : QWidget(parent), m_page(page), m_tickFont(u"Small Fonts"_s, 6)
{
    installPageAccessibility();
    setAccessibleName(QCoreApplication::translate("Page", "页面"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_page.setListener(this);
    resize(m_page.width(), m_page.height());
    m_paintThreads = std::max(1, QThread::idealThreadCount());
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    QObject::connect(&m_sliceTimer, &QTimer::timeout, this, [this] { paintSlice(); });
    hide(); // shown by the first zoom of its window
}

PagePanel::~PagePanel()
{
    m_page.setListener(nullptr);
    for (const auto &[seal, id] : m_accessibleSeals)
        QAccessible::deleteAccessibleInterface(id);
}

int PagePanel::indexOfSeal(const Seal *seal) const
{
    if (!m_seals || !seal)
        return -1;
    const auto it = std::find_if(m_seals->begin(), m_seals->end(), [seal](const auto &s) { return s.get() == seal; });
    return it == m_seals->end() ? -1 : int(it - m_seals->begin());
}

QAccessibleInterface *PagePanel::accessibleSeal(Seal *seal) const
{
    if (indexOfSeal(seal) < 0)
        return nullptr;
    if (const auto it = m_accessibleSeals.find(seal); it != m_accessibleSeals.end())
        return QAccessible::accessibleInterface(it->second);
    QAccessibleInterface *iface = newSealAccessible(const_cast<PagePanel *>(this), seal);
    m_accessibleSeals[seal] = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

void PagePanel::announceCurrentSeal(Seal *seal)
{
    if (!QAccessible::isActive() || !seal)
        return;
    if (QAccessibleInterface *iface = accessibleSeal(seal)) {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void PagePanel::setSeals(const SealList *seals)
{
    m_seals = seals;
    m_cache.clear();
    m_known.clear();
    sealsReset();
}

void PagePanel::setHandles(GrabHandles *handles)
{
    m_handles = handles;
    updateOverlay();
}

void PagePanel::setSelectFrame(SelectionFrame *frame)
{
    m_frame = frame;
    updateOverlay();
}

void PagePanel::setTickFont(const QFont &font)
{
    m_tickFont = font;
    update();
}

void PagePanel::setBand(const std::optional<QRect> &band)
{
    if (m_band)
        update(outlineRegion(bandBox(*m_band).adjusted(0, 0, 1, 1)));
    m_band = band;
    if (m_band)
        update(outlineRegion(bandBox(*m_band).adjusted(0, 0, 1, 1)));
}

void PagePanel::setOutline(const std::optional<QRect> &outline)
{
    if (m_outline)
        update(outlineRegion(*m_outline));
    m_outline = outline;
    if (m_outline)
        update(outlineRegion(*m_outline));
}

void PagePanel::setToolCursor(const QCursor &cursor, bool toolActive)
{
    m_toolCursor = cursor;
    m_toolActive = toolActive;
    setCursor(cursor);
}

void PagePanel::setDoubleBuffered(bool on)
{
    if (m_doubleBuffered == on)
        return;
    m_doubleBuffered = on;
    ++m_changes;
    m_cache.clear();
    update();
}

void PagePanel::setPaintBudget(std::chrono::milliseconds inPaint, std::chrono::milliseconds perSlice)
{
    m_paintBudget = inPaint;
    m_sliceBudget = perSlice;
}

void PagePanel::setPicturePool(SealPicturePool &pool)
{
    m_cache.setPool(pool);
    update();
}

QRect PagePanel::overlayArea() const
{
    QRect r;
    if (m_handles && m_handles->shown())
        r |= m_handles->area();
    if (m_frame && m_frame->isVisible())
        r |= m_frame->bounds();
    return r;
}

void PagePanel::updateOverlay()
{
    update(m_paintedOverlay);
    m_paintedOverlay = overlayArea();
    update(m_paintedOverlay);
}

void PagePanel::dropPictures()
{
    m_cache.clear();
    update();
}

void PagePanel::sealsReset()
{
    m_boxesStale = true;
    std::vector<const Seal *> order;
    if (m_seals) {
        order.reserve(m_seals->size());
        for (const auto &seal : *m_seals)
            order.push_back(seal.get());
    }
    std::vector<const Seal *> now = order;
    std::sort(now.begin(), now.end());
    std::vector<const Seal *> stayed;
    std::set_intersection(now.begin(), now.end(), m_known.begin(), m_known.end(), std::back_inserter(stayed));
    const auto hasStayed = [&](const Seal *seal) { return std::binary_search(stayed.begin(), stayed.end(), seal); };
    // Seals that stayed in the same order only need the places of those that came and went
    // repainted: every change of a seal itself repaints its own box.
    std::vector<const Seal *> stayedNow, stayedBefore;
    std::copy_if(order.begin(), order.end(), std::back_inserter(stayedNow), hasStayed);
    std::copy_if(m_knownOrder.begin(), m_knownOrder.end(), std::back_inserter(stayedBefore), hasStayed);
    if (stayedNow == stayedBefore) {
        for (const Seal *seal : order)
            if (!hasStayed(seal))
                update(sealBox(*seal));
        for (const Seal *gone : m_knownOrder)
            if (!hasStayed(gone)) {
                update(m_cache.lastBox(gone));
                if (const auto it = m_straightBoxes.find(gone); it != m_straightBoxes.end())
                    update(it->second);
            }
    } else {
        update();
    }
    m_cache.keepOnly(stayed);
    std::erase_if(m_straightBoxes, [&](const auto &entry) { return !hasStayed(entry.first); });
    // A seal that left the list takes its accessible object with it.
    std::erase_if(m_accessibleSeals, [&](const auto &entry) {
        if (hasStayed(entry.first))
            return false;
        QAccessible::deleteAccessibleInterface(entry.second);
        return true;
    });
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    m_known = std::move(now);
    m_knownOrder = std::move(order);
    ++m_changes; // list places moved: painting in slices starts afresh
    // The pressed seal may be gone; the press still belongs to where it began.
    if (m_captured)
        m_captured->seal = nullptr;
}

void PagePanel::updateSeal(const Seal &seal)
{
    if (!updatesEnabled())
        return; // the whole page is repainted when they are enabled again (a zoom)
    update(m_cache.lastBox(seal));
    if (const auto it = m_straightBoxes.find(&seal); it != m_straightBoxes.end())
        update(it->second);
    update(sealBox(seal));
}

void PagePanel::sealRepaint(Seal &seal)
{
    m_boxesStale = true; // it may have been shown or hidden
    m_cache.invalidate(seal);
    updateSeal(seal);
}

void PagePanel::sealGeometryChanged(Seal &seal)
{
    m_boxesStale = true;
    // The picture knows its size and scale: moved, the seal keeps it; resized or zoomed, the old
    // one stands in until the new one is made.
    updateSeal(seal);
}

void PagePanel::pageRepaint(PageModel &)
{
    update();
}

void PagePanel::pageResized(PageModel &page)
{
    m_slicePictures = 0; // a new zoom: the pictures made for the last one tell nothing of the pool
    resize(page.width(), page.height());
    update();
}

bool PagePanel::paintsOnScreen(const QPainter &painter) const
{
    QBackingStore *store = window()->backingStore();
    const QPaintEngine *engine = painter.paintEngine();
    return store && engine && engine->paintDevice() == store->paintDevice();
}

void PagePanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion &region = event->region();
    const QRect dirty = event->rect();
    const bool onScreen = paintsOnScreen(painter);
    if (m_seals && continuesStraightPainting(region, onScreen)) {
        m_straightProgress->next = paintStraight(painter, region, m_straightProgress->next, m_sliceBudget);
        if (m_straightProgress->next < m_seals->size()) {
            m_sliceTimer.start();
            return; // the overlay comes with the last slice
        }
        m_straightProgress.reset();
        paintOverlay(painter);
        return;
    }
    painter.fillRect(dirty, Qt::white);
    paintPageSheet(painter, m_page, m_tickFont, palette().color(QPalette::WindowText));

    // When the pool cannot hold the pictures of what shows, keeping them would only paint each
    // again and again: the seals are painted straight instead, as without double buffering.
    // So is the last repaint on screen when the pool dropped many of the pictures the slices
    // made (other pages took the room): making them all at once would freeze the window.
    const std::vector<ShownSeal> shown = m_seals && m_doubleBuffered ? sealsMeeting(region) : std::vector<ShownSeal>();
    bool straight = m_seals && (!m_doubleBuffered || !m_cache.canHold(picturePixels(shown)));
    if (m_seals && !straight && onScreen && m_completeNext && lacksPictures(shown, CompletePaintPictures)) {
        m_completeNext = false;
        straight = true;
    }
    if (straight) {
        // Only the screen waits; a grab, a render or a print is complete.
        const size_t next = paintStraight(painter, region, 0, onScreen ? std::optional(m_paintBudget) : std::nullopt);
        if (next < m_seals->size()) {
            if (m_straightProgress)
                m_straightBacklog += m_straightProgress->region;
            m_straightProgress = StraightProgress{region, next, m_changes, false};
            m_sliceTimer.start();
            return;
        }
    } else if (m_seals) {
        const qreal ratio = devicePixelRatioF();
        // Only the screen waits for pictures; a grab, a render or a print is complete.
        bool sliced = false;
        if (onScreen) {
            sliced = !m_completeNext;
            m_completeNext = false;
        }
        QElapsedTimer clock;
        clock.start();
        QRect missing;
        std::vector<const Seal *> batch;
        for (size_t at = 0; at < shown.size();) {
            // A complete paint makes the missing pictures of a batch on every core, then shows
            // them before the next batch may need their room in the pool.
            const size_t first = at;
            at = std::min(at + CompletePaintPictures, shown.size());
            if (!sliced) {
                batch.clear();
                for (size_t i = first; i < at; ++i)
                    batch.push_back(shown[i].seal);
                m_cache.makePictures(batch, ratio);
            }
            for (size_t i = first; i < at; ++i) {
                const Seal *seal = shown[i].seal;
                const QRect &box = shown[i].box;
                // Thousands of pictures take longer to copy than a step may: the rest of the
                // region shows with the next slice.
                if (sliced && clock.elapsed() >= 3 * m_paintBudget.count()) {
                    missing = dirty;
                    at = shown.size();
                    break;
                }
                const QImage *image = m_cache.ready(*seal, ratio);
                if (!image && (!sliced || clock.elapsed() < m_paintBudget.count()))
                    image = &m_cache.image(*seal, ratio);
                if (!image) {
                    // Its picture comes in a later slice; meanwhile the old one stands in, scaled,
                    // as long as the paint has time: thousands of them cost as much as a picture.
                    missing |= box;
                    if (clock.elapsed() < 2 * m_paintBudget.count())
                        if (const QImage *old = m_cache.standIn(*seal))
                            painter.drawImage(QRectF(box), *old, QRectF(old->rect()));
                } else if (!image->isNull()) {
                    painter.drawImage(box.topLeft(), *image);
                } else if (!box.isEmpty()) {
                    // Too large to keep: painted straight onto the page, inside its box.
                    m_straightBoxes[seal] = box;
                    paintSealInBox(painter, *seal, dirty, Qt::ReplaceClip);
                }
            }
        }
        if (!missing.isEmpty()) {
            m_unfinished += region.intersected(missing);
            m_sliceTimer.start();
        }
    }
    paintOverlay(painter);
}

const std::vector<QRect> &PagePanel::sealBoxes() const
{
    // The list may have changed before the page hears of it.
    if (m_boxesStale || (m_seals ? m_seals->size() : 0) != m_boxes.size()) {
        m_boxes.clear();
        if (m_seals) {
            m_boxes.reserve(m_seals->size());
            for (const auto &seal : *m_seals)
                m_boxes.push_back(seal->isVisible() ? sealBox(*seal) : QRect());
        }
        m_boxesStale = false;
    }
    return m_boxes;
}

std::vector<PagePanel::ShownSeal> PagePanel::sealsMeeting(const QRegion &region) const
{
    const QRect dirty = region.boundingRect();
    const bool pieces = region.rectCount() > 1;
    const std::vector<QRect> &boxes = sealBoxes();
    std::vector<ShownSeal> shown;
    for (size_t at = 0; at < boxes.size(); ++at) {
        const QRect &box = boxes[at];
        if (box.intersects(dirty) && (!pieces || region.intersects(box)))
            shown.push_back({(*m_seals)[at].get(), box, at});
    }
    return shown;
}

bool PagePanel::lacksPictures(const std::vector<ShownSeal> &shown, size_t limit) const
{
    const qreal ratio = devicePixelRatioF();
    size_t lacking = 0;
    for (const ShownSeal &s : shown)
        if (!m_cache.isReady(*s.seal, ratio) && ++lacking > limit)
            return true;
    return false;
}

qint64 PagePanel::picturePixels(const std::vector<ShownSeal> &shown) const
{
    const qreal ratio = devicePixelRatioF();
    qint64 pixels = 0;
    for (const ShownSeal &s : shown)
        pixels += SealImageCache::picturePixels(s.box.size(), ratio);
    return pixels;
}

void PagePanel::paintOverlay(QPainter &painter)
{
    if (m_frame)
        m_frame->paint(painter);
    if (m_handles)
        m_handles->paint(painter);
    if (m_band) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        paintDotted(painter, bandBox(*m_band).adjusted(0, 0, 1, 1));
    }
    if (m_outline) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        paintDotted(painter, *m_outline);
    }
}

void PagePanel::paintSlice()
{
    requestStraightSlice();
    if (m_unfinished.isEmpty())
        return;
    if (!m_seals || !isVisible()) {
        // A page shown again paints itself afresh.
        m_unfinished = QRegion();
        m_slicePictures = 0;
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QElapsedTimer clock;
    clock.start();
    QRect painted;
    bool left = false;
    const std::vector<ShownSeal> waiting = sealsMeeting(m_unfinished);
    const size_t meeting = waiting.size();
    std::vector<const Seal *> lacking;
    for (const ShownSeal &shown : waiting)
        if (!m_cache.ready(*shown.seal, ratio))
            lacking.push_back(shown.seal);
    // A few pictures at a time on every core, until the slice is spent.
    constexpr size_t Batch = 8;
    for (size_t at = 0; at < lacking.size(); at += Batch) {
        if (clock.elapsed() >= m_sliceBudget.count() && !painted.isEmpty()) {
            left = true;
            break;
        }
        const std::vector<const Seal *> batch(lacking.begin() + qsizetype(at),
                                              lacking.begin() + qsizetype(std::min(at + Batch, lacking.size())));
        m_cache.makePictures(batch, ratio);
        for (const Seal *seal : batch) {
            // What the pool could not take in one go is painted alone.
            m_cache.image(*seal, ratio);
            ++m_slicePictures;
            painted |= sealBox(*seal);
        }
    }
    // When more pictures were painted than seals wait, the pool cannot hold them all at once:
    // the last repaint paints what it lacks itself rather than slicing forever.
    if (left && m_slicePictures <= meeting) {
        update(painted); // what is ready shows now
        m_sliceTimer.start();
        return;
    }
    m_completeNext = true;
    m_slicePictures = 0;
    update(m_unfinished);
    m_unfinished = QRegion();
}

PageHit PagePanel::hitAt(QPoint point) const
{
    PageHit hit;
    if (m_handles) {
        const int h = m_handles->handleAt(point);
        if (h >= 0) {
            hit.kind = PageHit::OnHandle;
            hit.handle = h;
            hit.seal = m_handles->target();
            return hit;
        }
    }
    if (m_frame && m_frame->contains(point)) {
        hit.kind = PageHit::OnFrame;
        return hit;
    }
    if (Seal *seal = sealAt(point)) {
        hit.kind = PageHit::OnSeal;
        hit.seal = seal;
    }
    return hit;
}

Seal *PagePanel::sealAt(QPoint point) const
{
    if (!m_seals)
        return nullptr;
    const std::vector<QRect> &boxes = sealBoxes();
    for (size_t at = boxes.size(); at-- > 0;) {
        if (boxes[at].contains(point))
            return (*m_seals)[at].get();
    }
    return nullptr;
}

QPoint PagePanel::clampToPage(QPoint point) const
{
    return QPoint(std::clamp(point.x(), 0, std::max(0, width() - 1)),
                  std::clamp(point.y(), 0, std::max(0, height() - 1)));
}

PageMouse PagePanel::mouseOf(const QMouseEvent *event) const
{
    PageMouse m;
    m.pos = event->position().toPoint();
    m.global = event->globalPosition().toPoint();
    m.button = event->button();
    m.buttons = event->buttons();
    m.modifiers = event->modifiers();
    return m;
}

void PagePanel::mousePressEvent(QMouseEvent *event)
{
    const PageMouse m = mouseOf(event);
    if (!m_captured)
        m_captured = hitAt(m.pos);
    const PageHit hit = *m_captured;
    if (m_handler)
        m_handler->pageMousePress(hit, m);
}

void PagePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double click is a second press for the tools and drags.
    mousePressEvent(event);
}

void PagePanel::mouseMoveEvent(QMouseEvent *event)
{
    const PageMouse m = mouseOf(event);
    const PageHit hit = m_captured ? *m_captured : hitAt(m.pos);
    if (!m_captured)
        hover(hit);
    if (m_handler)
        m_handler->pageMouseMove(hit, m);
}

void PagePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const PageMouse m = mouseOf(event);
    const PageHit hit = m_captured ? *m_captured : hitAt(m.pos);
    if (m.buttons == Qt::NoButton)
        m_captured.reset();
    if (m_handler)
        m_handler->pageMouseRelease(hit, m);
}

void PagePanel::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = m_handler ? m_handler->pageContextMenu(hitAt(event->pos())) : nullptr;
    if (menu)
        menu->popup(event->globalPos());
}

void PagePanel::leaveEvent(QEvent *event)
{
    if (m_handles && m_handles->setHovered(-1))
        updateOverlay();
    QWidget::leaveEvent(event);
}

void PagePanel::hover(const PageHit &hit)
{
    if (m_handles && m_handles->setHovered(hit.kind == PageHit::OnHandle ? hit.handle : -1))
        update(m_handles->area());
    // With a tool chosen a press anywhere belongs to the tool, and so does the cursor.
    if (m_toolActive)
        setCursor(m_toolCursor);
    else if (hit.kind == PageHit::OnHandle)
        setCursor(GrabHandles::cursor(hit.handle));
    else if (hit.kind == PageHit::OnFrame)
        setCursor(Qt::SizeAllCursor);
    else
        setCursor(m_toolCursor);
}

} // namespace qm
