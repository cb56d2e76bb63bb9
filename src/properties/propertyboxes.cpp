#include "properties/propertyboxes.h"

namespace qm {

PropertySpinBox::PropertySpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    // One notation whatever the desktop's language: a point, no group separators.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(c);
    setKeyboardTracking(true);
    setAccelerated(true);
    setBoxKind(BoxKind::Float, true);
}

void PropertySpinBox::setBoxKind(BoxKind kind, bool typedLimit)
{
    m_kind = kind;
    m_typedLimit = typedLimit;
    const bool whole = kind != BoxKind::Float;
    setDecimals(whole ? 0 : 2);
    setSingleStep(whole ? 1.0 : 0.01);
}

QValidator::State PropertySpinBox::validate(QString &input, int &pos) const
{
    // What is shown may be longer (a stored 1234.56); only typing is held to six characters.
    if (m_typedLimit && input.size() > MaxTypedCharacters && input != textFromValue(value()))
        return QValidator::Invalid;
    return QDoubleSpinBox::validate(input, pos);
}

PropertyMemo::PropertyMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QSize PropertyMemo::sizeHint() const
{
    const QSize base = QPlainTextEdit::sizeHint();
    return {base.width(), fontMetrics().lineSpacing() * 3 + 2 * frameWidth() + 8};
}

} // namespace qm
