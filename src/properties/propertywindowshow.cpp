// Showing a seal: masks, the kind-dependent forms of the boxes, and their values. Nothing here
// writes to the seal or the document.

#include "document/sealdocument.h"
#include "properties/propertyboxes.h"
#include "properties/propertymasks.h"
#include "properties/propertywindow.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// The face name of a slot, up to its first NUL.
QByteArray faceName(const SealProperty &p, const Seal &seal)
{
    QByteArray raw = p.get(seal).toByteArray();
    const qsizetype end = raw.indexOf('\0');
    if (end >= 0)
        raw.truncate(end);
    return raw;
}

// Counts the nested showings, so that the change handler knows a value is shown, not typed.
class ShowingGuard
{
public:
    explicit ShowingGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~ShowingGuard() { --m_depth; }
    ShowingGuard(const ShowingGuard &) = delete;
    ShowingGuard &operator=(const ShowingGuard &) = delete;

private:
    int &m_depth;
};

} // namespace

void PropertyWindow::refresh()
{
    showSealProperties(currentSeal());
}

void PropertyWindow::setDocument(SealDocument *document)
{
    if (m_document == document) {
        refresh();
        return;
    }
    if (m_document)
        m_document->disconnect(this);
    m_document = document;
    if (document) {
        connect(document, &SealDocument::selectionChanged, this, &PropertyWindow::refresh);
        connect(document, &SealDocument::sealsChanged, this, &PropertyWindow::refresh);
        connect(document, &SealDocument::sealsEdited, this, &PropertyWindow::documentEdited);
        connect(document, &QObject::destroyed, this, [this] { showSealProperties(nullptr); });
    }
    refresh();
}

void PropertyWindow::documentEdited(const QList<int> &indices)
{
    const Seal *seal = currentSeal();
    if (seal && indices.contains(m_document->indexOf(seal)))
        showSealProperties(seal);
}

void PropertyWindow::applyControlMask(const QString &mask)
{
    applyMask(MaskKind::General, mask);
}

void PropertyWindow::applyTextMask(const QString &mask)
{
    applyMask(MaskKind::Text, mask);
}

void PropertyWindow::applyMask(MaskKind mask, const QString &digits)
{
    for (Slot &s : m_slots) {
        if (s.control->mask != mask)
            continue;
        const int p = s.control->position - 1;
        s.enabled = p < digits.size() && digits.at(p) != u'0';
        s.box->setEnabled(s.enabled);
        if (s.label)
            s.label->setEnabled(s.enabled);
    }
}

void PropertyWindow::showSealProperties(const Seal *seal)
{
    const ShowingGuard showing(m_showing);
    const QString mask = generalMask(seal);
    applyControlMask(mask);
    if (seal && mask.at(controlByTag(TextLineChoiceTag)->position - 1) == u'0' && textLine() != 0 &&
        textMask(seal, 0) != QString(18, u'0')) {
        // A text element without the line choice could not reach its text on another line.
        auto *lines = static_cast<QComboBox *>(control(TextLineChoiceTag));
        const QSignalBlocker block(lines);
        lines->setCurrentIndex(0);
    }
    showTextLine(seal);
    if (seal) {
        const bool arc = seal->SealType() == SealType::stArc;
        groupBox(3)->setTitle(arc ? arcGroupCaption() : propertyText(propertyGroups().at(2).caption));
        for (Slot &s : m_slots) {
            if (s.control->mask != MaskKind::General)
                continue;
            bindSlot(s, seal->SealType(), 0);
            if (s.enabled)
                showSlot(s, *seal);
        }
    }
    clearDisabled(MaskKind::General);
}

void PropertyWindow::showTextLine(const Seal *seal)
{
    const ShowingGuard showing(m_showing);
    const int line = textLine();
    applyTextMask(textMask(seal, line));
    if (seal) {
        for (Slot &s : m_slots) {
            if (s.control->mask != MaskKind::Text)
                continue;
            bindSlot(s, seal->SealType(), line);
            if (s.enabled)
                showSlot(s, *seal);
        }
    }
    clearDisabled(MaskKind::Text);
}

void PropertyWindow::clearDisabled(MaskKind mask)
{
    // A disabled box shows nothing, never a value of the element shown before.
    for (Slot &s : m_slots) {
        if (s.control->mask != mask || s.enabled)
            continue;
        const QSignalBlocker block(s.box);
        if (auto *spin = qobject_cast<PropertySpinBox *>(s.box))
            spin->clear();
        else if (auto *check = qobject_cast<QCheckBox *>(s.box))
            check->setChecked(false);
        else if (auto *list = qobject_cast<QComboBox *>(s.box); list && list->isEditable())
            list->setEditText(QString());
        else if (list && s.control->box == BoxKind::FrameList)
            list->setCurrentIndex(-1);
        else if (auto *edit = qobject_cast<QLineEdit *>(s.box))
            edit->clear();
        else if (auto *memo = qobject_cast<PropertyMemo *>(s.box))
            memo->clear();
    }
}

void PropertyWindow::nameSlot(Slot &slot)
{
    // Named by group and label, without the label's padding: "主边框 线宽".
    QString group = groupBox(slot.control->group)->title();
    if (const qsizetype unit = group.indexOf(u'['); unit >= 0)
        group.truncate(unit);
    QString label = slot.binding.label.isEmpty() ? propertyText(slot.control->label) : slot.binding.label;
    if (!qobject_cast<QCheckBox *>(slot.box))
        label = compactLabel(label);
    const QString name = group + u' ' + label;
    if (slot.box->accessibleName() != name)
        slot.box->setAccessibleName(name);
}

void PropertyWindow::bindSlot(Slot &slot, SealType kind, int line)
{
    slot.binding = bindControl(*slot.control, kind, line);
    const QString &label = slot.binding.label;
    if (slot.label && slot.label->text() != label)
        slot.label->setText(label);
    if (auto *check = qobject_cast<QCheckBox *>(slot.box); check && check->text() != label)
        check->setText(label);
    if (!label.isEmpty())
        nameSlot(slot);
    if (auto *spin = qobject_cast<PropertySpinBox *>(slot.box)) {
        const QSignalBlocker block(spin);
        if (spin->boxKind() != slot.binding.box)
            spin->setBoxKind(slot.binding.box, slot.binding.typedLimit);
        spin->setRange(slot.binding.minimum, slot.binding.maximum);
        spin->setToolTip(label + rangeHint(slot.binding, *slot.control));
    }
}

void PropertyWindow::showSlot(Slot &slot, const Seal &seal)
{
    const SealProperty *p = slot.binding.property;
    if (!p || slot.box == m_editing)
        return;
    const QSignalBlocker block(slot.box);
    switch (slot.binding.box) {
    case BoxKind::Float:
    case BoxKind::Integer:
    case BoxKind::Angle: {
        auto *spin = static_cast<PropertySpinBox *>(slot.box);
        const double v = shownValue(slot.binding.box, p->get(seal));
        // A stored value beyond the box's own range is shown as it is, not clamped.
        spin->setRange(std::min(slot.binding.minimum, v), std::max(slot.binding.maximum, v));
        spin->setValue(v);
        break;
    }
    case BoxKind::Check:
        static_cast<QCheckBox *>(slot.box)->setChecked(p->get(seal).toBool());
        break;
    case BoxKind::Weight:
        static_cast<QCheckBox *>(slot.box)->setChecked(p->get(seal).toInt() == 100);
        break;
    case BoxKind::FrameList:
        static_cast<QComboBox *>(slot.box)->setCurrentIndex(p->get(seal).toInt());
        break;
    case BoxKind::Font: {
        auto *fonts = static_cast<QComboBox *>(slot.box);
        const QString name = Gbk::toUnicode(faceName(*p, seal));
        if (fonts->currentText() != name)
            fonts->setEditText(name);
        break;
    }
    case BoxKind::Text: {
        auto *edit = static_cast<QLineEdit *>(slot.box);
        const QString text = Gbk::toUnicode(p->get(seal).toByteArray());
        if (edit->text() != text)
            edit->setText(text);
        break;
    }
    case BoxKind::Memo: {
        auto *memo = static_cast<PropertyMemo *>(slot.box);
        const QString text = Gbk::toUnicode(p->get(seal).toByteArray());
        if (memo->toPlainText() != text) {
            memo->setPlainText(text);
            memo->moveCursor(QTextCursor::End);
        }
        break;
    }
    case BoxKind::LineList:
        break;
    }
}

} // namespace qm
