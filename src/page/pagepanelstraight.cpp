// Seals painted straight onto the page, when it is not double buffered: in slices on screen, and
// in bands on the processor's cores wherever the page is painted into memory.

#include "page/pagepanel.h"

#include <QElapsedTimer>
#include <QPaintEngine>
#include <QPainter>
#include <QtConcurrentMap>

#include <algorithm>
#include <utility>

namespace qm {

namespace {

// The image in memory the painter paints into, when it is one in a format whose rows can be
// painted apart, and the painter only shifts: a widget's backing store and a grab's pixmap are.
QImage *memoryImage(QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice())
        return nullptr;
    QPaintDevice *device = engine->paintDevice();
    if (device->devType() != QInternal::Image)
        return nullptr;
    auto *image = static_cast<QImage *>(device);
    if (image->depth() != 32 || image->devicePixelRatio() != 1 ||
        painter.deviceTransform().type() > QTransform::TxTranslate)
        return nullptr;
    return image;
}

} // namespace

bool PagePanel::continuesStraightPainting(const QRegion &region, bool onScreen)
{
    if (!onScreen)
        return false;
    m_straightBacklog -= region;
    if (!m_straightProgress)
        return false;
    StraightProgress &progress = *m_straightProgress;
    if (progress.requested && progress.region == region && progress.changes == m_changes) {
        progress.requested = false;
        return true;
    }
    // This paint starts afresh where it paints; elsewhere the slices go on.
    progress.requested = false;
    progress.region -= region;
    if (progress.region.isEmpty())
        m_straightProgress.reset();
    return false;
}

void PagePanel::requestStraightSlice()
{
    if (!isVisible()) {
        // A page shown again paints itself afresh.
        m_straightProgress.reset();
        m_straightBacklog = QRegion();
        return;
    }
    // Asked for together, they come as one paint: the backlog makes it start afresh.
    if (!m_straightBacklog.isEmpty())
        update(std::exchange(m_straightBacklog, QRegion()));
    if (m_straightProgress) {
        m_straightProgress->requested = m_straightProgress->changes == m_changes;
        update(m_straightProgress->region);
    }
}

size_t PagePanel::paintStraight(QPainter &painter, const QRegion &region, size_t from,
                                std::optional<std::chrono::milliseconds> budget)
{
    QElapsedTimer clock;
    clock.start();
    const std::vector<ShownSeal> shown = sealsMeeting(region);
    auto next = std::lower_bound(shown.begin(), shown.end(), from,
                                 [](const ShownSeal &seal, size_t index) { return seal.index < index; });
    std::vector<const Seal *> batch;
    // Small batches first, so a paint on a budget shows something soon; larger ones after.
    size_t batchSize = 4;
    while (next != shown.end()) {
        batch.clear();
        for (; next != shown.end() && batch.size() < batchSize; ++next) {
            m_straightBoxes[next->seal] = next->box;
            batch.push_back(next->seal);
        }
        const qint64 before = clock.nsecsElapsed();
        paintStraightBatch(painter, region, batch);
        const qint64 after = clock.nsecsElapsed();
        if (budget && next != shown.end() && after >= std::chrono::nanoseconds(*budget).count())
            return next->index;
        // Larger batches keep the cores busy, but none may outlast what is left of the budget.
        if (!budget || 4 * (after - before) < std::chrono::nanoseconds(*budget).count() - after)
            batchSize = std::min<size_t>(batchSize * 2, 256);
    }
    return m_seals->size();
}

void PagePanel::paintStraightBatch(QPainter &painter, const QRegion &region, const std::vector<const Seal *> &seals)
{
    if (seals.empty())
        return;
    const QRect dirty = region.boundingRect();
    QImage *target = m_paintThreads > 1 && seals.size() > 1 ? memoryImage(painter) : nullptr;
    if (!target) {
        for (const Seal *seal : seals)
            paintSealInBox(painter, *seal, dirty, Qt::ReplaceClip);
        return;
    }
    // Rows of the image apart, each painted by its own painter: the pixels are those one painter
    // makes, as each is blended in the same order from the same seals.
    const QPoint shift(qRound(painter.deviceTransform().dx()), qRound(painter.deviceTransform().dy()));
    const QRect area = dirty.translated(shift).intersected(target->rect());
    const int bands = std::min(m_paintThreads, area.height());
    if (bands < 2) {
        for (const Seal *seal : seals)
            paintSealInBox(painter, *seal, dirty, Qt::ReplaceClip);
        return;
    }
    struct Band {
        int top; // image rows
        int bottom;
    };
    std::vector<Band> rows;
    for (int i = 0; i < bands; ++i)
        rows.push_back({area.top() + area.height() * i / bands, area.top() + area.height() * (i + 1) / bands});
    const QRegion clip = region.translated(shift);
    QtConcurrent::blockingMap(rows, [&](const Band &band) {
        const int height = band.bottom - band.top;
        // Not a copy: the band's rows of the target itself.
        QImage rowsImage(const_cast<uchar *>(target->constScanLine(band.top)), target->width(), height,
                         target->bytesPerLine(), target->format());
        const QRect bandArea(area.left(), band.top, area.width(), height);
        QPainter p(&rowsImage);
        p.translate(shift.x(), shift.y() - band.top);
        p.setClipRegion(clip.intersected(bandArea).translated(-shift));
        const QRect widgetBand = bandArea.translated(-shift);
        for (const Seal *seal : seals)
            if (sealBox(*seal).intersects(widgetBand))
                paintSealInBox(p, *seal, dirty, Qt::IntersectClip);
    });
}

} // namespace qm
