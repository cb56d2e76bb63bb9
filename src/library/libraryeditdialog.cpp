#include "library/libraryeditdialog.h"

#include "document/libraryfolder.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

LibraryEditDialog::LibraryEditDialog(const QString &libraryFolder, LibraryEditPrompts prompts, QWidget *parent)
    : QDialog(parent), m_prompts(std::move(prompts)), m_label(new QLabel(tr("库存印章"), this)),
      m_list(new QListWidget(this)), m_deleteButton(new QPushButton(tr("删    除"))),
      m_deleteAllButton(new QPushButton(tr("全部删除"))), m_closeButton(new QPushButton(tr("关    闭")))
{
    setWindowTitle(tr("编辑印章库"));
    setAccessibleName(windowTitle());
    setFont(QApplication::font("QMenu"));
    if (!m_prompts.ask)
        m_prompts.ask = [this](const QString &text) {
            return QMessageBox::question(this, windowTitle(), text) == QMessageBox::Yes;
        };
    if (!m_prompts.tell)
        m_prompts.tell = [this](const QString &text) { QMessageBox::warning(this, windowTitle(), text); };

    QPalette labelColours = m_label->palette();
    labelColours.setColor(QPalette::WindowText, QColor(0, 0x80, 0xC0));
    m_label->setPalette(labelColours);
    m_label->setAccessibleName(m_label->text());
    m_label->setBuddy(m_list);
    m_list->setAccessibleName(m_label->text());
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *band = new QFrame(this);
    band->setFrameShape(QFrame::Box);
    band->setFrameShadow(QFrame::Sunken);
    band->setAccessibleName(tr("按钮"));
    for (QPushButton *b : {m_deleteButton, m_deleteAllButton, m_closeButton}) {
        b->setParent(band);
        b->setAutoDefault(false);
        b->setAccessibleName(b->text().remove(u' '));
    }
    connect(m_deleteButton, &QPushButton::clicked, this, &LibraryEditDialog::onDelete);
    connect(m_deleteAllButton, &QPushButton::clicked, this, &LibraryEditDialog::onDeleteAll);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &LibraryEditDialog::updateButtons);

    // Sorted by name; upper and lower case sort together.
    m_paths = listFolderFiles(libraryFolder, libraryExtensions());
    std::stable_sort(m_paths.begin(), m_paths.end(), [](const QString &a, const QString &b) {
        return QFileInfo(a).fileName().compare(QFileInfo(b).fileName(), Qt::CaseInsensitive) < 0;
    });
    for (const QString &path : std::as_const(m_paths))
        m_list->addItem(libraryEntryName(path));

    // Everything in units of the screen's pixels per inch P, from the list's left L = P div 24.
    const int p = logicalDpiX();
    const int left = p / 24;
    m_label->adjustSize();
    m_label->move(left, left);
    const QRect list(left, m_label->geometry().bottom() + 1 + left, p * 5 / 3, 3 * p);
    m_list->setGeometry(list);
    QSize buttonSize = m_deleteButton->sizeHint();
    for (QPushButton *b : {m_deleteAllButton, m_closeButton})
        buttonSize = buttonSize.expandedTo(b->sizeHint());
    const QRect bandRect(list.right() + 1 + left, list.top(), buttonSize.width() + 2 * left, list.height());
    band->setGeometry(bandRect);
    const int buttonLeft = (bandRect.width() - buttonSize.width()) / 2;
    int k = 0;
    for (QPushButton *b : {m_deleteButton, m_deleteAllButton, m_closeButton}) {
        b->setGeometry(buttonLeft, bandRect.height() / 8 + k * bandRect.height() / 3, buttonSize.width(),
                       buttonSize.height());
        ++k;
    }
    setFixedSize(bandRect.right() + 1 + left, list.bottom() + 1 + left);
    updateButtons();
}

void LibraryEditDialog::updateButtons()
{
    m_deleteButton->setEnabled(!m_list->selectedItems().isEmpty());
    m_deleteAllButton->setEnabled(m_list->count() > 0);
}

void LibraryEditDialog::onDelete()
{
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected())
            rows.append(row);
    if (!rows.isEmpty() && m_prompts.ask(tr("确实要删除这些模板印章吗？")))
        deleteRows(rows);
    updateButtons();
}

void LibraryEditDialog::onDeleteAll()
{
    QList<int> rows;
    for (int row = 0; row < m_list->count(); ++row)
        rows.append(row);
    if (!rows.isEmpty() && m_prompts.ask(tr("确实要删除所有模板印章吗？")))
        deleteRows(rows);
    updateButtons();
}

void LibraryEditDialog::deleteRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QStringList kept;
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        const QString path = m_paths.at(*row);
        // A file that another program removed meanwhile is gone all the same.
        if (QFile::remove(path) || !QFileInfo(path).exists()) {
            m_paths.removeAt(*row);
            delete m_list->takeItem(*row);
        } else {
            kept.prepend(libraryEntryName(path));
        }
    }
    if (!kept.isEmpty())
        m_prompts.tell(tr("下列模板印章未能删除：\n") + kept.join(u'\n'));
}

} // namespace qm
