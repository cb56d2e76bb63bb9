#include "companions/dialogpack/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace qm::dialogpack {
namespace {

// A small round seal with a star, the program's mark.
QPixmap sealMark(int side, qreal dpr)
{
    QPixmap pixmap(QSize(side, side) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(196, 24, 32);
    const QPointF c(side / 2.0, side / 2.0);
    p.setPen(QPen(ink, side / 20.0));
    p.drawEllipse(c, side * 0.45, side * 0.45);
    QPolygonF star;
    const double inner = std::sin(std::numbers::pi / 10) / std::sin(0.7 * std::numbers::pi);
    for (int i = 0; i < 10; ++i) {
        const double a = std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = side * 0.3 * (i % 2 ? inner : 1.0);
        star << QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(star);
    return pixmap;
}

} // namespace

void runAboutBox(QWidget *owner)
{
    QDialog box(owner);
    box.setObjectName(u"AboutBox"_s);
    box.setWindowTitle(QCoreApplication::translate("DialogPack", "关于 Quillmark"));
    box.setAccessibleName(box.windowTitle());

    auto *mark = new QLabel(&box);
    mark->setPixmap(sealMark(72, box.devicePixelRatio()));
    mark->setAccessibleName(QCoreApplication::translate("DialogPack", "Quillmark 标志"));

    auto *name = new QLabel(u"<b style='font-size:large'>Quillmark 8</b>"_s, &box);
    name->setAccessibleName(u"Quillmark 8"_s);
    auto *what = new QLabel(QCoreApplication::translate("DialogPack", "印章的设计、编辑、打印与导出"), &box);
    auto *maker = new QLabel(u"© Lumenwerk"_s, &box);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(what);
    texts->addStretch();
    texts->addWidget(maker);
    auto *row = new QHBoxLayout;
    row->addWidget(mark, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(&box);
    buttons->addButton(QCoreApplication::translate("DialogPack", "确定"), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto *layout = new QVBoxLayout(&box);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
}

} // namespace qm::dialogpack
