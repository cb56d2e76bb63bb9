#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace qm {
class Seal;

// One page of a PDF as it is displayed: its crop box (defaulting to the media box) after /Rotate.
struct PdfPageInfo {
    QSizeF sizeMm;    // displayed width × height in millimetres
    int rotation = 0; // the page's /Rotate, normalised to 0, 90, 180 or 270
};

// What a PDF holds, or why it is refused.
struct PdfInspection {
    bool ok = false;
    QString message; // the refusal, user-visible Chinese (tr()), empty when ok
    QList<PdfPageInfo> pages;
};
PdfInspection inspectPdf(const QString &path);

// One seal group put on one page. Pages and seals counted from 1.
struct StampPlacement {
    int page = 1;
    QPointF centreMm;           // from the displayed page's top-left corner, y down
    double rotationDegrees = 0; // counter-clockwise
    QList<int> seals;           // empty: every seal, each kept where it stands relative to the
                                // first seal's centre
};

// One seal split across the right edges of the chosen pages (slice k on page k, same height).
struct StraddlePlacement {
    QList<int> pages;     // at least two
    double centreYMm = 0; // the seal's centre height from the displayed top
    int seal = 1;
};

struct StampOptions {
    double opacity = 1;   // 0 … 1
    bool multiply = true; // /BM /Multiply
};

struct StampResult {
    bool ok = false;
    QString message; // user-visible reason when !ok (names the page or placement)
};

// Writes `outPath` atomically (nothing is left behind on failure); never writes `inPath`.
// `seals` is the document's seal list in its order.
StampResult stampPdf(const QString &inPath, const QString &outPath, const QList<const Seal *> &seals,
                     const QList<StampPlacement> &placements, const QList<StraddlePlacement> &straddles,
                     const StampOptions &options);

// "all", "odd", or a list of pages and ranges such as "2-7,9"; pages counted from 1.
// Empty list and *error set when the text is malformed or names a page beyond pageCount.
QList<int> parsePageSelection(const QString &text, int pageCount, QString *error);
// Whether the text is such a selection at all, whatever the page count.
bool pageSelectionWellFormed(const QString &text);

} // namespace qm
