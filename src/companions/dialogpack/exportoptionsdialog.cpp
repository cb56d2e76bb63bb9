#include "companions/dialogpack/dialogs.h"

#include "companions/dialogpack/dialogpackentries.h"
#include "document/extendedfloat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm::dialogpack {
namespace {

// Resolutions a seal is usually wanted at; the record holds pixels per millimetre.
constexpr int Resolutions[] = {72, 96, 150, 200, 300, 600, 1200, 2400};
constexpr int DefaultResolution = 300;

struct Kind {
    std::uint8_t code;
    const char *caption; // source text of the translation
};
// The record's codes: 1 … 4 as listed, 5 (any other) a bitmap; 6 … 8 only in the later kinds'
// byte of a version 2 record.
constexpr Kind Kinds[] = {
    {1, QT_TRANSLATE_NOOP("DialogPack", "Windows矢量图（EMF）")},
    {2, QT_TRANSLATE_NOOP("DialogPack", "JPEG压缩影像（JPG）")},
    {3, QT_TRANSLATE_NOOP("DialogPack", "CompuServe GIF（GIF）")},
    {4, QT_TRANSLATE_NOOP("DialogPack", "Tag影像（TIFF）")},
    {5, QT_TRANSLATE_NOOP("DialogPack", "Windows位图（BMP）")},
    {6, QT_TRANSLATE_NOOP("DialogPack", "PNG透明图象（PNG）")},
    {7, QT_TRANSLATE_NOOP("DialogPack", "SVG矢量图（SVG）")},
    {8, QT_TRANSLATE_NOOP("DialogPack", "PDF文档（PDF）")},
};
constexpr std::uint8_t TiffCode = 4;
constexpr std::uint8_t BitmapCode = 5;

// "11.81 像素/毫米（300 dpi）"
QString resolutionCaption(int dpi)
{
    return QCoreApplication::translate("DialogPack", "%1 像素/毫米（%2 dpi）")
        .arg(QString::number(dpi / 25.4, 'f', 2), QString::number(dpi));
}

} // namespace

void runExportOptions(ExportOptions &options, std::uint8_t *laterKind, QWidget *owner)
{
    options.confirmed = 0;

    QDialog box(owner);
    box.setObjectName(u"ExportOptions"_s);
    box.setWindowTitle(QCoreApplication::translate("DialogPack", "导出为图象"));
    box.setAccessibleName(box.windowTitle());

    auto *resolution = new QComboBox(&box);
    resolution->setObjectName(u"resolution"_s);
    for (int dpi : Resolutions)
        resolution->addItem(resolutionCaption(dpi), dpi);
    resolution->setCurrentIndex(resolution->findData(DefaultResolution));
    resolution->setAccessibleName(QCoreApplication::translate("DialogPack", "导出精度"));

    auto *kind = new QComboBox(&box);
    kind->setObjectName(u"kind"_s);
    for (const Kind &k : Kinds)
        if (k.code <= BitmapCode || laterKind)
            kind->addItem(QCoreApplication::translate("DialogPack", k.caption), int(k.code));
    kind->setCurrentIndex(kind->findData(2)); // JPEG opens everywhere
    kind->setAccessibleName(QCoreApplication::translate("DialogPack", "图象格式"));

    auto *mirror = new QCheckBox(QCoreApplication::translate("DialogPack", "镜像（左右翻转）(&M)"), &box);
    mirror->setObjectName(u"mirror"_s);
    mirror->setAccessibleName(QCoreApplication::translate("DialogPack", "镜像"));
    auto *toClipboard = new QCheckBox(QCoreApplication::translate("DialogPack", "放到剪贴板上，不写文件(&C)"), &box);
    toClipboard->setObjectName(u"toClipboard"_s);
    toClipboard->setAccessibleName(QCoreApplication::translate("DialogPack", "放到剪贴板"));

    // A TIFF file has no clipboard form: the box is off and cannot be checked for it.
    const auto kindChanged = [=] {
        const bool tiff = kind->currentData().toInt() == TiffCode;
        if (tiff)
            toClipboard->setChecked(false);
        toClipboard->setEnabled(!tiff);
        toClipboard->setToolTip(tiff ? QCoreApplication::translate("DialogPack", "TIFF 格式的图象只能保存为文件")
                                     : QString());
    };
    QObject::connect(kind, &QComboBox::currentIndexChanged, &box, kindChanged);
    kindChanged();

    auto *form = new QFormLayout;
    auto *resolutionLabel = new QLabel(QCoreApplication::translate("DialogPack", "导出精度(&R)："), &box);
    resolutionLabel->setBuddy(resolution);
    auto *kindLabel = new QLabel(QCoreApplication::translate("DialogPack", "图象格式(&F)："), &box);
    kindLabel->setBuddy(kind);
    form->addRow(resolutionLabel, resolution);
    form->addRow(kindLabel, kind);
    form->addRow(mirror);
    form->addRow(toClipboard);

    auto *buttons = new QDialogButtonBox(&box);
    buttons->addButton(QCoreApplication::translate("DialogPack", "确定"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(QCoreApplication::translate("DialogPack", "取消"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);

    auto *layout = new QVBoxLayout(&box);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (box.exec() != QDialog::Accepted)
        return;
    // dpi × 10 / 254 rounds once, so 300 dpi is the nearest extended float to 1500/127.
    const ExtendedBytes ppm = encodeExtended(resolution->currentData().toInt() * 10 / 254.0L);
    std::copy(ppm.begin(), ppm.end(), options.resolution);
    const auto code = std::uint8_t(kind->currentData().toInt());
    options.kind = std::min(code, BitmapCode);
    if (laterKind)
        *laterKind = code > BitmapCode ? code : 0;
    options.mirror = mirror->isChecked() ? 1 : 0;
    options.toClipboard = toClipboard->isChecked() ? 1 : 0;
    options.confirmed = 1;
}

} // namespace qm::dialogpack
