#pragma once

#include <QFrame>
#include <QToolButton>

namespace qm {

// A tab of the window's tab strip. A pressed tab (down) is half its height wider, as the
// program's tab buttons are, so its caption keeps room for the arrow behind it.
class PropertyTabButton : public QToolButton
{
    Q_OBJECT

public:
    enum class State { Up, Down };

    PropertyTabButton(const QString &caption, int tag, QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    State btnState() const { return m_state; }
    void setBtnState(State state);
    // The size of an up tab; a down tab is height / 2 wider.
    void setTabSize(int width, int height);

private:
    int m_tag;
    State m_state = State::Up;
    int m_width = 0;
};

// The band behind the tabs: a line along the left edge and a framed band inset by the frame
// width, six frame widths from the left.
class PropertyTabStrip : public QFrame
{
    Q_OBJECT

public:
    explicit PropertyTabStrip(QWidget *parent = nullptr);

    int frameWidthPixels() const { return m_frameWidth; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_frameWidth = 1;
};

} // namespace qm
