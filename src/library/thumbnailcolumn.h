#pragma once

#include <QList>
#include <QScrollArea>
#include <QString>
#include <QStringList>

class QMenu;
class QMimeData;

namespace qm {

class FlatPanel;
class Thumbnail;

// The MIME type of a library entry dragged out of its column; the data is the entry's path.
QString libraryItemMimeType();
// What a dragged library entry carries: its path under libraryItemMimeType() and as a file URL.
QMimeData *libraryItemMimeData(const QString &path);

// One side panel: a scroll box holding a column of thumbnails of side S, each at left 2 and
// S + 2 below the one before.
class ThumbnailColumn : public QScrollArea
{
    Q_OBJECT

public:
    // Which presses select a thumbnail: the emblems' left button, the library's every button
    // (a right click chooses the entry under the pop-up menu).
    enum class PressRule { LeftButtonOnly, EveryButton };

    ThumbnailColumn(int size, PressRule rule, const QString &accessibleName, QWidget *parent = nullptr);

    int thumbnailSize() const { return m_size; }
    QWidget *column() const;
    // In stacking order.
    const QList<Thumbnail *> &thumbnails() const { return m_thumbnails; }
    // Appends below the lowest one and grows the column to hold it.
    Thumbnail *appendThumbnail(const QString &caption, const QImage &picture, bool fromFile, const QString &name);
    Thumbnail *thumbnailWithCaption(const QString &caption) const;
    // Frees it (forgotten as the selection) and stacks the rest again without gaps.
    void removeThumbnail(Thumbnail *thumbnail);
    // Keeps the thumbnails whose caption is listed, frees the others and stacks the rest again
    // without gaps.
    void keepOnly(const QStringList &captions);
    void clear();
    Thumbnail *selectedThumbnail() const { return m_selected; }
    // What a press that the rule accepts does: the remembered thumbnail is drawn unselected, the
    // given one is remembered, drawn selected and scrolled into view. Null forgets the selection.
    void selectThumbnail(Thumbnail *thumbnail);
    // Shows only the thumbnails whose entry name contains `text` (without regard to case),
    // stacked without gaps; an empty text shows them all.
    void setFilter(const QString &text);
    QString filter() const { return m_filter; }
    // Column width S + 4, the scroll box's client width the column's + 4, the column's height
    // the larger of the client height and the shown thumbnails' pitch sum.
    void relayout();
    // The pop-up menu of every thumbnail.
    void setThumbnailMenu(QMenu *menu) { m_menu = menu; }
    // Library thumbnails dragged with the left button carry the entry's path.
    void setDragEnabled(bool on) { m_dragEnabled = on; }

signals:
    void thumbnailDoubleClicked(qm::Thumbnail *thumbnail);
    // The remembered thumbnail changed; null when it was freed.
    void selectionChanged(qm::Thumbnail *thumbnail);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Up and Down choose the shown thumbnail above or below, Home and End the first and the
    // last; Enter acts as a double-click on the chosen one.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onThumbnailPressed(Thumbnail *thumbnail, Qt::MouseButton button);
    void onThumbnailMenu(Thumbnail *thumbnail, const QPoint &globalPos);
    void onDragStarted(Thumbnail *thumbnail);
    void restack();
    void forget(Thumbnail *thumbnail);
    QList<Thumbnail *> shownThumbnails() const;

    int m_size;
    PressRule m_rule;
    FlatPanel *m_column;
    QList<Thumbnail *> m_thumbnails;
    Thumbnail *m_selected = nullptr;
    QMenu *m_menu = nullptr;
    QString m_filter;
    bool m_dragEnabled = false;
};

} // namespace qm
