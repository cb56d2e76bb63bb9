#pragma once

#include "seal/renderseals.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QPainter;
class QPrinter;

namespace qm {

class Seal;

// How the seals of a page land on a printer's sheet. Seal positions are measured from the
// page's top-left corner; the printer draws from its printable area's corner, which lies the
// page's left and top margins inside the paper.
struct PrintPlacement {
    // Printer pixels per millimetre, used for both axes (horizontal pixels per inch / 25.4).
    long double pixelsPerMm = 0;
    long double leftMarginMm = 0;
    long double topMarginMm = 0;
    long double pageWidthMm = 0;
    // The printable area's corner in the painter's coordinates: the physical margins of a
    // printer whose painter starts at the paper's corner.
    QPointF printableOrigin;
    // Size correction of the printer, about the printable area's corner.
    double scaleX = 1;
    double scaleY = 1;
    bool mirrored = false;
    SealColours colours = SealColours::Own;

    // roundHalfEven(LeftMargin * p) and roundHalfEven(TopMargin * p).
    int offsetX() const;
    int offsetY() const;
    // roundHalfEven((PageWidth - 2 * LeftMargin) * p): the printable width a mirrored page turns about.
    int printableWidth() const;
};

// The printer-pixel box of a seal at the placement's resolution, as its page measures it.
QRect printerBox(const Seal &seal, long double pixelsPerMm);
// Where a seal's box goes on the printable area: normal (left - offX, top - offY), mirrored
// (w + offX - left - width, top - offY).
QPoint printedCorner(const QRect &box, const PrintPlacement &placement);

// A mirrored seal is first painted into a picture of its printer-pixel size; larger pictures
// than this are refused before anything is printed.
inline constexpr qint64 MirrorPictureByteLimit = 1024LL * 1024 * 1024;

// The message naming the first seal whose mirror picture cannot be made at the placement's
// resolution, or nothing when every one fits.
std::optional<QString> mirrorPictureRefusal(const QList<const Seal *> &seals, long double pixelsPerMm);

// Paints the seals in list order onto an active painter, each through the one render routine at
// the printer's resolution; progress(n) after the n-th seal. Returns a message when a seal could
// not be painted; the seals before it are then on the sheet, so the caller abandons the job.
std::optional<QString> paintSealsOnSheet(QPainter &painter, const QList<const Seal *> &seals,
                                         const PrintPlacement &placement,
                                         const std::function<void(int)> &progress = {});

// One print job: checks that every mirror picture can be made, begins the job, paints `copies`
// sheets (emulating copies the printer cannot make itself) and ends it; progress(done, total)
// counts seals over all sheets. On any failure the job
// is aborted, so nothing half printed goes out, and the message is returned.
std::optional<QString> printSeals(QPrinter &printer, const QList<const Seal *> &seals, const PrintPlacement &placement,
                                  int copies, const std::function<void(int done, int total)> &progress = {});

// The printable area's corner of the printer in its full-page device pixels.
QPointF physicalOrigin(const QPrinter &printer);

} // namespace qm
