#include "companions/dialogpack/dialogs.h"

#include "companions/dialogpack/dialogpackentries.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <QtEndian>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm::dialogpack {
namespace {

constexpr int MaxCopies = 999;

void fill(PrintOptions &result, bool colour, bool mirrored, bool confirmed, std::int32_t copies)
{
    result.printInColour = colour ? 1 : 0;
    result.printMirrored = mirrored ? 1 : 0;
    result.printConfirmed = confirmed ? 1 : 0;
    qToLittleEndian<std::int32_t>(copies, result.copies);
}

} // namespace

void runPrintOptions(PrintOptions &result, QWidget *owner, bool printInColour, bool printMirrored, std::int32_t copies)
{
    // The print window copies every field back: a cancelled dialog hands it its own options
    // unchanged, not a cleared record with no copies.
    fill(result, printInColour, printMirrored, false, copies);

    QDialog box(owner);
    box.setObjectName(u"PrintOptions"_s);
    box.setWindowTitle(u"打印设置"_s);
    box.setAccessibleName(box.windowTitle());

    auto *inkGroup = new QGroupBox(u"印色"_s, &box);
    auto *colour = new QRadioButton(u"彩色：按印章自己的颜色(&C)"_s, inkGroup);
    colour->setObjectName(u"colour"_s);
    colour->setAccessibleName(u"彩色"_s);
    auto *black = new QRadioButton(u"黑色(&B)"_s, inkGroup);
    black->setObjectName(u"black"_s);
    black->setAccessibleName(u"黑色"_s);
    (printInColour ? colour : black)->setChecked(true);
    auto *inkLayout = new QHBoxLayout(inkGroup);
    inkLayout->addWidget(colour);
    inkLayout->addWidget(black);

    auto *mirror = new QCheckBox(u"镜像打印（左右翻转）(&M)"_s, &box);
    mirror->setObjectName(u"mirror"_s);
    mirror->setAccessibleName(u"镜像打印"_s);
    mirror->setChecked(printMirrored);

    auto *count = new QSpinBox(&box);
    count->setObjectName(u"copies"_s);
    count->setRange(1, MaxCopies);
    count->setValue(std::clamp<std::int32_t>(copies, 1, MaxCopies));
    count->setAccessibleName(u"份数"_s);
    auto *countLabel = new QLabel(u"份数(&N)："_s, &box);
    countLabel->setBuddy(count);
    auto *form = new QFormLayout;
    form->addRow(countLabel, count);

    auto *buttons = new QDialogButtonBox(&box);
    buttons->addButton(u"打印"_s, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(u"取消"_s, QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(inkGroup);
    layout->addWidget(mirror);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (box.exec() != QDialog::Accepted)
        return;
    fill(result, colour->isChecked(), mirror->isChecked(), true, count->value());
}

} // namespace qm::dialogpack
