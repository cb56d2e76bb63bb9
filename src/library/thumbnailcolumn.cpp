#include "library/thumbnailcolumn.h"

#include "controls/flatpanel.h"
#include "library/thumbnail.h"

#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollBar>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Holds back the column's repainting while thumbnails move, and lets it go whatever happens.
class RepaintBlock
{
public:
    explicit RepaintBlock(QWidget *widget) : m_widget(widget), m_wasEnabled(widget->updatesEnabled())
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~RepaintBlock() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    RepaintBlock(const RepaintBlock &) = delete;
    RepaintBlock &operator=(const RepaintBlock &) = delete;

private:
    QWidget *m_widget;
    bool m_wasEnabled;
};

} // namespace

QString libraryItemMimeType()
{
    return u"application/x-quillmark-library-item"_s;
}

QMimeData *libraryItemMimeData(const QString &path)
{
    auto *data = new QMimeData;
    data->setData(libraryItemMimeType(), path.toUtf8());
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

ThumbnailColumn::ThumbnailColumn(int size, PressRule rule, const QString &accessibleName, QWidget *parent)
    : QScrollArea(parent), m_size(size), m_rule(rule), m_column(new FlatPanel)
{
    setAccessibleName(accessibleName);
    m_column->setPanelStyle(PanelStyle::psDefault);
    m_column->setAccessibleName(accessibleName);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the client width does not change with the number of thumbnails.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setAccessibleName(accessibleName);
    setWidget(m_column);
    setFocusPolicy(Qt::StrongFocus);
    relayout();
}

QWidget *ThumbnailColumn::column() const
{
    return m_column;
}

Thumbnail *ThumbnailColumn::appendThumbnail(const QString &caption, const QImage &picture, bool fromFile,
                                            const QString &name)
{
    auto *thumbnail = new Thumbnail(m_column);
    thumbnail->setCaption(caption);
    thumbnail->setPicture(picture);
    thumbnail->setPictureFromFile(fromFile);
    thumbnail->setEntryName(name);
    thumbnail->resize(m_size, m_size);
    connect(thumbnail, &Thumbnail::pressed, this, &ThumbnailColumn::onThumbnailPressed);
    connect(thumbnail, &Thumbnail::doubleClicked, this, &ThumbnailColumn::thumbnailDoubleClicked);
    connect(thumbnail, &Thumbnail::contextMenuRequested, this, &ThumbnailColumn::onThumbnailMenu);
    connect(thumbnail, &Thumbnail::dragStarted, this, &ThumbnailColumn::onDragStarted);
    m_thumbnails.append(thumbnail);
    restack();
    return thumbnail;
}

Thumbnail *ThumbnailColumn::thumbnailWithCaption(const QString &caption) const
{
    for (Thumbnail *t : m_thumbnails)
        if (t->caption() == caption)
            return t;
    return nullptr;
}

void ThumbnailColumn::forget(Thumbnail *thumbnail)
{
    m_thumbnails.removeOne(thumbnail);
    const bool wasSelected = thumbnail == m_selected;
    if (wasSelected)
        m_selected = nullptr;
    // Freed later: the request may come from one of its own events.
    thumbnail->hide();
    thumbnail->disconnect(this);
    thumbnail->deleteLater();
    if (wasSelected)
        emit selectionChanged(nullptr);
}

void ThumbnailColumn::removeThumbnail(Thumbnail *thumbnail)
{
    if (!thumbnail || !m_thumbnails.contains(thumbnail))
        return;
    RepaintBlock block(this);
    forget(thumbnail);
    restack();
}

void ThumbnailColumn::keepOnly(const QStringList &captions)
{
    RepaintBlock block(this);
    const QList<Thumbnail *> all = m_thumbnails;
    for (Thumbnail *t : all)
        if (!captions.contains(t->caption()))
            forget(t);
    restack();
}

void ThumbnailColumn::clear()
{
    RepaintBlock block(this);
    const QList<Thumbnail *> all = m_thumbnails;
    for (Thumbnail *t : all)
        forget(t);
    restack();
}

void ThumbnailColumn::selectThumbnail(Thumbnail *thumbnail)
{
    if (!thumbnail) {
        if (!m_selected)
            return;
        m_selected->setSelected(false);
        m_selected = nullptr;
        emit selectionChanged(nullptr);
        return;
    }
    onThumbnailPressed(thumbnail, Qt::LeftButton);
    thumbnail->setSelected(true);
}

void ThumbnailColumn::onThumbnailPressed(Thumbnail *thumbnail, Qt::MouseButton button)
{
    if (!thumbnail || (m_rule == PressRule::LeftButtonOnly && button != Qt::LeftButton))
        return;
    if (m_selected)
        m_selected->setSelected(false);
    const bool changed = m_selected != thumbnail;
    m_selected = thumbnail;
    // One step at a time, as far as the thumbnail's height and the gap.
    QScrollBar *bar = verticalScrollBar();
    const int position = bar->value();
    const int step = thumbnail->height() + 2;
    if (thumbnail->y() < position)
        bar->setValue(position - step);
    else if (viewport()->height() + position < thumbnail->y() + thumbnail->height())
        bar->setValue(position + step);
    if (changed)
        emit selectionChanged(thumbnail);
}

void ThumbnailColumn::onThumbnailMenu(Thumbnail *, const QPoint &globalPos)
{
    if (m_menu)
        m_menu->popup(globalPos);
}

void ThumbnailColumn::onDragStarted(Thumbnail *thumbnail)
{
    if (!m_dragEnabled)
        return;
    // Owned by the column: the thumbnail may be freed while the drag runs.
    auto *drag = new QDrag(this);
    drag->setMimeData(libraryItemMimeData(thumbnail->caption()));
    if (!thumbnail->picture().isNull())
        drag->setPixmap(QPixmap::fromImage(thumbnail->picture()));
    drag->exec(Qt::CopyAction);
}

void ThumbnailColumn::setFilter(const QString &text)
{
    if (text == m_filter)
        return;
    RepaintBlock block(this);
    m_filter = text;
    restack();
}

QList<Thumbnail *> ThumbnailColumn::shownThumbnails() const
{
    QList<Thumbnail *> shown;
    for (Thumbnail *t : m_thumbnails)
        if (m_filter.isEmpty() || t->entryName().contains(m_filter, Qt::CaseInsensitive))
            shown.append(t);
    return shown;
}

void ThumbnailColumn::restack()
{
    const QList<Thumbnail *> shown = shownThumbnails();
    for (Thumbnail *t : std::as_const(m_thumbnails))
        t->setVisible(shown.contains(t));
    for (int k = 0; k < shown.size(); ++k)
        shown.at(k)->setGeometry(2, (m_size + 2) * k, m_size, m_size);
    relayout();
}

void ThumbnailColumn::relayout()
{
    const int columnWidth = m_size + 4;
    m_column->resize(columnWidth, qMax(viewport()->height(), int(shownThumbnails().size()) * (m_size + 2)));
    // The scroll box's client width is the column's + 4.
    setFixedWidth(2 * frameWidth() + verticalScrollBar()->sizeHint().width() + columnWidth + 4);
}

void ThumbnailColumn::keyPressEvent(QKeyEvent *event)
{
    const QList<Thumbnail *> shown = shownThumbnails();
    const qsizetype at = shown.indexOf(m_selected);
    qsizetype next = -1;
    switch (event->key()) {
    case Qt::Key_Up:
        next = at < 0 ? shown.size() - 1 : at - 1;
        break;
    case Qt::Key_Down:
        next = at + 1;
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = shown.size() - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (at >= 0)
            emit thumbnailDoubleClicked(m_selected);
        return;
    default:
        QScrollArea::keyPressEvent(event);
        return;
    }
    if (next >= 0 && next < shown.size()) {
        selectThumbnail(shown.at(next));
        ensureWidgetVisible(shown.at(next), 0, 0);
    }
}

void ThumbnailColumn::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    relayout();
}

} // namespace qm
