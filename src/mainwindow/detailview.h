#pragma once

#include "document/selectionbounds.h"

#include <QDialog>
#include <QImage>
#include <QList>

#include <memory>
#include <optional>

class QLabel;

namespace qm {

class Seal;

// Where the detail view puts things. Sizes and positions in the view's pixels.
struct DetailViewLayout {
    int stripHeight = 0;         // P div 4
    int zoom = 0;                // whole percent
    long double pixelsPerMm = 0; // zoom × p / 100
    QSize picture;               // the box at that scale and a 2-pixel white border
    QPoint picturePosition;
};

// The layout of the detail view of a box of seals shown at p screen pixels per millimetre, on
// a client area of that size at P pixels per inch: the largest whole zoom at which the box fits
// below the strip. A box without width fits by its height and one without height by its width;
// none for a box with neither, or one that does not fit at 1 %.
std::optional<DetailViewLayout> detailViewLayout(const SelectionBox &box, long double screenPixelsPerMm, QSize client,
                                                 int pixelsPerInch);

// The detail view: a borderless white window the size of the screen that shows the selected
// seals as large as they fit, with the zoom in a strip along the top. A click anywhere closes it.
class DetailView : public QDialog
{
    Q_OBJECT

public:
    // The view of the seals, in selection order, drawn afresh at the view's scale in their own
    // colours; the seals themselves are left as they are. None when there is nothing to show.
    static std::unique_ptr<DetailView> create(const QList<const Seal *> &seals, long double screenPixelsPerMm,
                                              const QRect &screen, int pixelsPerInch, QWidget *parent = nullptr);

    const DetailViewLayout &layout() const { return m_layout; }
    const QImage &picture() const { return m_picture; }
    QLabel *strip() const { return m_strip; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    DetailView(const DetailViewLayout &layout, QImage picture, const QRect &screen, QWidget *parent);

    DetailViewLayout m_layout;
    QImage m_picture;
    QLabel *m_strip = nullptr;
};

} // namespace qm
