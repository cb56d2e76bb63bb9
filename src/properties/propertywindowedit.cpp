// Editing: every change of a control becomes one step on the document's undo stack.

#include "document/sealdocument.h"
#include "properties/gbktext.h"
#include "properties/propertyboxes.h"
#include "properties/propertywindow.h"
#include "seal/seal.h"
#include "seal/seallimits.h"
#include "seal/sealpropertytable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Merge keys of the window's edits: one per tag and text line, clear of the document's own.
constexpr int MergeKeyBase = 4096;

bool typedOrHeld(BoxKind box)
{
    switch (box) {
    case BoxKind::Float:
    case BoxKind::Integer:
    case BoxKind::Angle:
    case BoxKind::Font:
    case BoxKind::Text:
    case BoxKind::Memo:
        return true;
    default:
        return false;
    }
}

// A face name keeps a terminating NUL in its 64-byte slot.
constexpr qsizetype MaxFaceBytes = qsizetype(SealLimits::FaceBytes.maximum);

} // namespace

void PropertyWindow::onNumberBoxChanged(QWidget *sender)
{
    if (m_showing > 0)
        return;
    Slot *slot = slotOf(sender);
    if (!slot || !slot->enabled)
        return;
    Seal *seal = currentSeal();
    if (!seal)
        return;
    if (slot->control->tag == TextLineChoiceTag) {
        // Choosing another line only shows it.
        showTextLine(seal);
        return;
    }
    QVariant value;
    if (!slot->binding.property || !valueOf(*slot, value))
        return;

    const SealProperty *property = slot->binding.property;
    const int mergeKey = typedOrHeld(slot->binding.box) ? MergeKeyBase + slot->control->tag * 4 + textLine() : 0;
    m_editing = sender;
    const bool edited = m_document->editSeals(
        {m_document->indexOf(seal)}, undoText(*slot),
        [&](const SealSelection &seals) { property->set(*seals.front(), value); }, mergeKey);
    m_editing = nullptr;
    if (edited) {
        m_host.placeHandles();
        m_host.setStatusText(2, tr("文件状态：已修改"));
    }
    // A text cut to its limit, or a value the document refused, shows as stored; a number being
    // typed is left alone until the box is left.
    if (Seal *now = currentSeal(); now && !typedOrHeld(slot->binding.box)) {
        const QSignalBlocker block(sender);
        showSlot(*slot, *now);
    } else if (now && (slot->binding.box == BoxKind::Text || slot->binding.box == BoxKind::Memo)) {
        showSlot(*slot, *now);
    }
}

bool PropertyWindow::valueOf(Slot &slot, QVariant &value)
{
    const BoxKind box = slot.binding.box;
    switch (box) {
    case BoxKind::Float:
    case BoxKind::Integer:
    case BoxKind::Angle:
        value = storedValue(box, static_cast<PropertySpinBox *>(slot.box)->value());
        return true;
    case BoxKind::Check:
        value = static_cast<QCheckBox *>(slot.box)->isChecked();
        return true;
    case BoxKind::Weight:
        value = static_cast<QCheckBox *>(slot.box)->isChecked() ? 100 : 700;
        return true;
    case BoxKind::FrameList: {
        const int index = static_cast<QComboBox *>(slot.box)->currentIndex();
        value = index;
        return index >= 0;
    }
    case BoxKind::LineList:
        return false;
    case BoxKind::Font:
    case BoxKind::Text:
    case BoxKind::Memo: {
        QString typed;
        if (box == BoxKind::Font)
            typed = static_cast<QComboBox *>(slot.box)->currentText();
        else if (box == BoxKind::Text)
            typed = static_cast<QLineEdit *>(slot.box)->text();
        else
            typed = static_cast<PropertyMemo *>(slot.box)->toPlainText();
        const GbkText gbk = toGbkText(typed, box == BoxKind::Font ? MaxFaceBytes : SealLimits::MaxTextBytes);
        if (!gbk.refused.isEmpty()) {
            // Stored, it would turn into '?': take nothing and say why.
            if (Seal *seal = currentSeal())
                showSlot(slot, *seal);
            m_host.showRefusal(tr("字符“%1”不能保存在印章中，这次输入未被采用。").arg(gbk.refused));
            return false;
        }
        value = gbk.bytes;
        return true;
    }
    }
    return false;
}

void PropertyWindow::endEdit(QWidget *box)
{
    if (!m_document)
        return;
    // The next change of any box starts a new undo step.
    m_document->endMerge();
    Slot *slot = slotOf(box);
    Seal *seal = currentSeal();
    if (slot && slot->enabled && seal && box != m_editing)
        showSlot(*slot, *seal);
}

QString PropertyWindow::undoText(const Slot &slot) const
{
    QString name = slot.binding.label.isEmpty() ? slot.box->accessibleName() : slot.binding.label;
    return tr("修改%1").arg(compactLabel(name));
}

} // namespace qm
