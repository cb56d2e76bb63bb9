// Library items on the page: inserted by the library command, or dropped from the library
// column or a file manager.

#include "page/documentwindow.h"

#include "document/libraryitem.h"
#include "page/overridecursor.h"
#include "seal/seal.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// The item's seals into the document (a scratch one), the group centred on a point in mm.
DocumentResult loadLibraryItemCentredAt(const QString &fileName, SealDocument &document, QPointF centreMm)
{
    LibraryItem item;
    DocumentResult result = openLibraryItem(fileName, document, &item);
    if (!result.ok())
        return result;
    SealList seals;
    seals.reserve(item.items.size());
    for (LibraryItem::Entry &entry : item.items) {
        entry.seal->setRealCenterX(float(centreMm.x() + entry.dx));
        entry.seal->setRealCenterY(float(centreMm.y() + entry.dy));
        seals.push_back(std::move(entry.seal));
    }
    document.appendSeals(std::move(seals), true);
    return result;
}

} // namespace

QPoint DocumentWindow::visiblePageOrigin() const
{
    // A page that starts inside the view is visible from its own corner.
    const QPoint corner = m_page->mapFrom(viewport(), QPoint(0, 0));
    return {std::max(0, corner.x()), std::max(0, corner.y())};
}

DocumentResult DocumentWindow::insertLibraryItem(const QString &fileName, ProgressDisplay &progress,
                                                 std::optional<QPoint> centre)
{
    if (busy())
        return {};
    const OverrideCursorGuard wait(QCursor(Qt::WaitCursor));
    const QPoint origin = visiblePageOrigin();
    const long double mmPerPixel =
        100 / (static_cast<long double>(m_document->page().zoom()) * m_document->screenPixelsPerMm());
    const DocumentResult result =
        m_document->insertSeals(tr("插入模板印章"), [&](SealDocument &scratch) -> DocumentResult {
            if (!centre)
                return loadLibraryItem(fileName, scratch, progress, origin);
            return loadLibraryItemCentredAt(
                fileName, scratch, QPointF(double(centre->x() * mmPerPixel), double(centre->y() * mmPerPixel)));
        });
    if (result.ok()) {
        selectPasted();
        if (const Seal *seal = currentSeal())
            m_host.showSealToggles(seal);
        showDocumentStatus();
    }
    return result;
}

QString DocumentWindow::draggedLibraryItem(const QMimeData *data) const
{
    if (!data || busy() || m_document->pageLocked())
        return {};
    const QString format = m_host.libraryItemFormat();
    if (!format.isEmpty() && data->hasFormat(format))
        return QString::fromUtf8(data->data(format));
    // A file manager's .yzl; documents (.dyz) are the main window's to open.
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(u"yzl"_s, Qt::CaseInsensitive) == 0)
            return url.toLocalFile();
    return {};
}

void DocumentWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (draggedLibraryItem(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void DocumentWindow::dragMoveEvent(QDragMoveEvent *event)
{
    // Only the page itself takes the item.
    const QRect page(m_page->mapTo(viewport(), QPoint(0, 0)), m_page->size());
    if (page.contains(event->position().toPoint()) && !draggedLibraryItem(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void DocumentWindow::dropEvent(QDropEvent *event)
{
    const QString fileName = draggedLibraryItem(event->mimeData());
    const QPoint point = m_page->mapFrom(viewport(), event->position().toPoint());
    if (fileName.isEmpty() || !m_page->rect().contains(point)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    setFocus(Qt::OtherFocusReason);
    const DocumentResult result = insertLibraryItem(fileName, m_host.progress(), point);
    if (!result.ok())
        m_host.reportPictureError(result.message());
}

} // namespace qm
