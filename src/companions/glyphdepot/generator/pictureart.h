#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

class QPainter;

namespace qm {

// The drawings behind the built-in pictures. Emblems are drawn in a 100 × 100 box (the
// painter is scaled to the picture's size first), in `ink` on a white ground that is already
// there; white is used for cut-outs.
struct EmblemArt {
    QString title;
    void (*draw)(QPainter &painter, const QColor &ink);
};

const QList<EmblemArt> &emblemArts();

// The start-up picture; it leaves the band from y = 172 to 202, x ≥ 60, plain white for the
// progress label the splash window writes at (65, 180).
void drawSplash(QPainter &painter, QSize size);
void drawWallpaper(QPainter &painter, QSize size);

} // namespace qm
