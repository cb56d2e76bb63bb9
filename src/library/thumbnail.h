#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace qm {

// One thumbnail of the seal library or the emblem collection: its picture fitted into the
// control, an outline that shows whether it is selected or under the mouse, and what it stands
// for.
class Thumbnail : public QWidget
{
    Q_OBJECT

public:
    explicit Thumbnail(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    // The full path of a library entry or emblem file, or "B" and the number of a built-in
    // emblem.
    void setCaption(const QString &caption) { m_caption = caption; }
    QString caption() const { return m_caption; }
    void setPictureFromFile(bool fromFile) { m_fromFile = fromFile; }
    bool pictureFromFile() const { return m_fromFile; }
    // Set while the mouse is over it; repaints on change.
    bool isHovered() const { return m_hovered; }
    // Repaints on change.
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // The entry or emblem name: the accessible name and the tool tip.
    void setEntryName(const QString &name);
    QString entryName() const { return m_entryName; }

signals:
    void pressed(qm::Thumbnail *thumbnail, Qt::MouseButton button);
    void doubleClicked(qm::Thumbnail *thumbnail);
    void contextMenuRequested(qm::Thumbnail *thumbnail, const QPoint &globalPos);
    // A left-button drag of at least the start distance began.
    void dragStarted(qm::Thumbnail *thumbnail);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void setHovered(bool hovered);

    QImage m_picture;
    QString m_caption;
    QString m_entryName;
    bool m_fromFile = false;
    bool m_hovered = false;
    bool m_selected = false;
    QPoint m_pressPos;
    bool m_leftPressed = false;
};

} // namespace qm
