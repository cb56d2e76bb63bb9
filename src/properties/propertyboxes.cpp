#include "properties/propertyboxes.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

bool numberCharacter(QChar c)
{
    return c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c.isSpace();
}

} // namespace

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
    if (!std::all_of(input.cbegin(), input.cend(), numberCharacter)) {
        emit typingRefused();
        return QValidator::Invalid;
    }
    // What is shown may be longer (a stored 1234.56); only typing is held to six characters.
    if (m_typedLimit && input.size() > MaxTypedCharacters && input != textFromValue(value()))
        return QValidator::Invalid;
    const QValidator::State state = QDoubleSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    // A number beyond the range waits for the commit, which takes the bound; a sign alone may
    // begin one below a range that starts at zero.
    const QString typed = input.trimmed();
    if (typed == u"-"_s || typed == u"+"_s)
        return QValidator::Intermediate;
    bool ok = false;
    const double number = locale().toDouble(typed, &ok);
    const qsizetype point = typed.indexOf(u'.');
    const qsizetype decimalsTyped = point < 0 ? 0 : typed.size() - point - 1;
    if (ok && (number > maximum() || number < minimum()) && decimalsTyped <= decimals())
        return QValidator::Intermediate;
    return QValidator::Invalid;
}

bool PropertySpinBox::commitTyped()
{
    bool ok = false;
    const double number = locale().toDouble(lineEdit()->text().trimmed(), &ok);
    if (!ok || (number >= minimum() && number <= maximum()))
        return false;
    const bool above = number > maximum();
    const double bound = above ? maximum() : minimum();
    setValue(bound);
    emit typedClamped(bound, above);
    return true;
}

void PropertySpinBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        commitTyped();
    QDoubleSpinBox::keyPressEvent(event);
}

void PropertySpinBox::focusOutEvent(QFocusEvent *event)
{
    commitTyped();
    QDoubleSpinBox::focusOutEvent(event);
}

void PropertySpinBox::hideEvent(QHideEvent *event)
{
    commitTyped();
    QDoubleSpinBox::hideEvent(event);
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
