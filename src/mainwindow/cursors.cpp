#include "mainwindow/cursors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

struct CursorPicture {
    int slot;
    const char16_t *resource;
    QPoint hotSpot; // in the 32 × 32 picture
};

constexpr CursorPicture Pictures[] = {
    {2, u":/quillmark/cursors/hand.svg", {16, 12}},        {3, u":/quillmark/cursors/zoom.svg", {12, 12}},
    {4, u":/quillmark/cursors/zoomin.svg", {12, 12}},      {5, u":/quillmark/cursors/zoomout.svg", {12, 12}},
    {6, u":/quillmark/cursors/drawcharset.svg", {16, 16}},
};

} // namespace

QCursor loadCursorSlot(int slot)
{
    for (const CursorPicture &c : Pictures) {
        if (c.slot != slot)
            continue;
        QSvgRenderer svg(QString::fromUtf16(c.resource));
        if (!svg.isValid())
            break;
        // Drawn at the screen's pixel ratio, so the cursor is sharp on a dense screen.
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        QPixmap pixmap(QSize(32, 32) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        svg.render(&p, QRectF(0, 0, 32, 32));
        p.end();
        return QCursor(pixmap, c.hotSpot.x(), c.hotSpot.y());
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace qm
