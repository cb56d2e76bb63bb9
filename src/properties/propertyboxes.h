#pragma once

#include "properties/propertycontrols.h"

#include <QDoubleSpinBox>
#include <QPlainTextEdit>

namespace qm {

// A numeric box of the window: a float box with two decimals and steps of 0.01, or a whole
// number box (counts, stroke widths, degrees). The three boxes that change with the kind of
// element switch between the two.
class PropertySpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit PropertySpinBox(QWidget *parent = nullptr);

    void setBoxKind(BoxKind kind, bool typedLimit);
    BoxKind boxKind() const { return m_kind; }

    QValidator::State validate(QString &input, int &pos) const override;

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
