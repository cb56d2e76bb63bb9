#include "mainwindow/recoverydialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace qm {

RecoveryDialog::RecoveryDialog(const std::vector<RecoverableCopy> &copies, QWidget *parent)
    : QDialog(parent), m_choices(copies.size(), RecoveryChoice::Keep)
{
    setWindowTitle(tr("恢复文档"));
    setAccessibleName(windowTitle());
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("以下文档在上次意外退出前未保存，可以恢复："), this);
    layout->addWidget(intro);

    m_list = new QTreeWidget(this);
    m_list->setAccessibleName(tr("可恢复的文档"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("文档"), tr("保存时间"), tr("印章数")});
    for (const RecoverableCopy &copy : copies) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(0, copy.caption);
        item->setToolTip(0, copy.originalFile.isEmpty() ? copy.caption : copy.originalFile);
        item->setText(1, copy.time.toLocalTime().toString(u"yyyy-MM-dd HH:mm:ss"_s));
        item->setText(2, QString::number(copy.sealCount));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setCheckState(0, Qt::Checked);
    }
    // The name takes what room is left; time and count are always read whole.
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_list->setMinimumWidth(520);
    intro->setBuddy(m_list);
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(tr("勾选的文档将被恢复或丢弃，未勾选的保留到下次启动。"), this));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *open = buttons->addButton(tr("恢复(&R)"), QDialogButtonBox::AcceptRole);
    QPushButton *discard = buttons->addButton(tr("丢弃(&D)"), QDialogButtonBox::DestructiveRole);
    QPushButton *later = buttons->addButton(tr("以后再说(&L)"), QDialogButtonBox::RejectRole);
    for (QPushButton *b : {open, discard, later})
        b->setAccessibleName(b->text().remove(u'&'));
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, [this] { finish(RecoveryChoice::Open); });
    connect(discard, &QPushButton::clicked, this, [this] { finish(RecoveryChoice::Discard); });
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void RecoveryDialog::finish(RecoveryChoice ticked)
{
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        m_choices[size_t(i)] = m_list->topLevelItem(i)->checkState(0) == Qt::Checked ? ticked : RecoveryChoice::Keep;
    accept();
}

std::vector<RecoveryChoice> RecoveryDialog::ask(QWidget *parent, const std::vector<RecoverableCopy> &copies)
{
    RecoveryDialog dialog(copies, parent);
    dialog.exec();
    return dialog.choices();
}

} // namespace qm
