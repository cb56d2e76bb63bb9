#pragma once

#include <QImage>
#include <QMdiArea>

namespace qm {

// The area behind the document windows: the workspace colour with the wallpaper centred on it,
// unscaled, wherever the area is resized or scrolled. It also has the window arrangements
// the workspace lacks.
class WallpaperMdiArea : public QMdiArea
{
    Q_OBJECT

public:
    explicit WallpaperMdiArea(QWidget *parent = nullptr);

    // Replaces the picture; a null image leaves the plain colour.
    void setWallpaper(const QImage &picture);
    const QImage &wallpaper() const { return m_wallpaper; }
    // Where the picture goes for a viewport of the size: centred, halves cut towards zero.
    static QPoint wallpaperOrigin(QSize viewport, QSize picture);

    // Windows one above the other, each the full width (minimised ones stay along the bottom).
    void tileHorizontally();
    // Windows side by side, each the full height.
    void tileVertically();
    void minimiseAll();
    // Lines the minimised windows up along the bottom edge, left to right, row above row.
    void arrangeMinimised();

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void tile(Qt::Orientation bands);
    // The room the minimised windows take at the bottom.
    int minimisedRowsHeight() const;

    QImage m_wallpaper;
};

} // namespace qm
