#pragma once

#include "properties/propertycontrols.h"

#include <QDoubleSpinBox>
#include <QPlainTextEdit>

namespace qm {

// A numeric box of the window: a float box with two decimals and steps of 0.01, or a whole
// number box (counts, stroke widths, degrees). The three boxes that change with the kind of
// element switch between the two.
//
// A number beyond the range may be typed in full; when the typing is committed (Enter, leaving
// the box) it becomes the nearest bound and the box says so. Anything but digits, sign and
// decimal point is refused at the keystroke, and the box says that too.
class PropertySpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit PropertySpinBox(QWidget *parent = nullptr);

    void setBoxKind(BoxKind kind, bool typedLimit);
    BoxKind boxKind() const { return m_kind; }

    // Settles a typed number outside the range on its nearest bound; true when it did.
    bool commitTyped();

    QValidator::State validate(QString &input, int &pos) const override;

signals:
    // A typed number was set to the range's bound (maximum: the upper one).
    void typedClamped(double bound, bool maximum);
    // A typed character that no number holds was refused.
    void typingRefused() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    BoxKind m_kind = BoxKind::Float;
    bool m_typedLimit = false;
};

// The text of the chosen line, three lines high; Tab moves on to the next control as Enter does.
class PropertyMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit PropertyMemo(QWidget *parent = nullptr);
    QSize sizeHint() const override;
};

} // namespace qm
