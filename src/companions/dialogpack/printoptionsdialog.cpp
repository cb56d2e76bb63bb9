#include "companions/dialogpack/dialogs.h"

#include "companions/dialogpack/dialogpackentries.h"

#include <QCheckBox>
#include <QCoreApplication>
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
    box.setWindowTitle(QCoreApplication::translate("DialogPack", "打印设置"));
    box.setAccessibleName(box.windowTitle());

    auto *inkGroup = new QGroupBox(QCoreApplication::translate("DialogPack", "印色"), &box);
    auto *colour = new QRadioButton(QCoreApplication::translate("DialogPack", "彩色：按印章自己的颜色(&C)"), inkGroup);
    colour->setObjectName(u"colour"_s);
    colour->setAccessibleName(QCoreApplication::translate("DialogPack", "彩色"));
    auto *black = new QRadioButton(QCoreApplication::translate("DialogPack", "黑色(&B)"), inkGroup);
    black->setObjectName(u"black"_s);
    black->setAccessibleName(QCoreApplication::translate("DialogPack", "黑色"));
    (printInColour ? colour : black)->setChecked(true);
    auto *inkLayout = new QHBoxLayout(inkGroup);
    inkLayout->addWidget(colour);
    inkLayout->addWidget(black);

    auto *mirror = new QCheckBox(QCoreApplication::translate("DialogPack", "镜像打印（左右翻转）(&M)"), &box);
    mirror->setObjectName(u"mirror"_s);
    mirror->setAccessibleName(QCoreApplication::translate("DialogPack", "镜像打印"));
    mirror->setChecked(printMirrored);

    auto *count = new QSpinBox(&box);
    count->setObjectName(u"copies"_s);
    count->setRange(1, MaxCopies);
    count->setValue(std::clamp<std::int32_t>(copies, 1, MaxCopies));
    count->setAccessibleName(QCoreApplication::translate("DialogPack", "份数"));
    auto *countLabel = new QLabel(QCoreApplication::translate("DialogPack", "份数(&N)："), &box);
    countLabel->setBuddy(count);
    auto *form = new QFormLayout;
    form->addRow(countLabel, count);

    auto *buttons = new QDialogButtonBox(&box);
    buttons->addButton(QCoreApplication::translate("DialogPack", "打印"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QCoreApplication::translate("DialogPack", "取消"), QDialogButtonBox::RejectRole);
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
