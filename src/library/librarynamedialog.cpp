#include "library/librarynamedialog.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace qm {

LibraryNameDialog::LibraryNameDialog(QWidget *mainWindow, const QString &name)
    : QDialog(mainWindow), m_label(new QLabel(tr("请输入一个章名："), this)), m_nameBox(new QLineEdit(name, this)),
      m_storeButton(new QPushButton(tr("存入(&S)..."))), m_cancelButton(new QPushButton(tr("取  消(&C)")))
{
    setWindowTitle(tr("保存到印章库"));
    setAccessibleName(windowTitle());
    setFont(QApplication::font("QMenu"));

    QPalette labelColours = m_label->palette();
    labelColours.setColor(QPalette::WindowText, QColor(0, 0x80, 0xFF));
    m_label->setPalette(labelColours);
    m_label->setAccessibleName(tr("请输入一个章名："));
    m_label->setBuddy(m_nameBox);
    QPalette boxColours = m_nameBox->palette();
    boxColours.setColor(QPalette::Text, Qt::red);
    m_nameBox->setPalette(boxColours);
    m_nameBox->setAccessibleName(tr("章名"));
    auto *band = new QFrame(this);
    band->setFrameShape(QFrame::Box);
    band->setFrameShadow(QFrame::Sunken);
    band->setAccessibleName(tr("按钮"));
    m_storeButton->setParent(band);
    m_cancelButton->setParent(band);
    m_storeButton->setDefault(true);
    m_storeButton->setAccessibleName(tr("存入"));
    m_cancelButton->setAccessibleName(tr("取消"));
    connect(m_storeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Everything in units of the screen's pixels per inch P, from the label's left L = P div 24.
    const int p = logicalDpiX();
    const int clientWidth = 2 * p;
    const int left = p / 24;
    m_label->adjustSize();
    m_label->move(left, p / 12);
    const int boxTop = m_label->geometry().bottom() + 1 + left;
    m_nameBox->setGeometry(left, boxTop, clientWidth - 2 * left, m_nameBox->sizeHint().height());
    const QSize buttonHint = m_storeButton->sizeHint().expandedTo(m_cancelButton->sizeHint());
    const int buttonWidth = qMin(buttonHint.width(), (clientWidth - 7 * left) / 2);
    const int buttonHeight = buttonHint.height();
    const int bandTop = m_nameBox->geometry().bottom() + 1 + left;
    const int bandHeight = buttonHeight + 4 * left;
    band->setGeometry(0, bandTop, clientWidth, bandHeight);
    const int buttonTop = (bandHeight - buttonHeight) / 2;
    m_storeButton->setGeometry(3 * left, buttonTop, buttonWidth, buttonHeight);
    m_cancelButton->setGeometry(clientWidth - 3 * left - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    setFixedSize(clientWidth, bandTop + bandHeight + left);

    if (mainWindow) {
        QRect placed(QPoint(), frameGeometry().size());
        placed.moveCenter(mainWindow->frameGeometry().center());
        move(placed.topLeft());
    }
    m_nameBox->setFocus();
}

QString LibraryNameDialog::name() const
{
    return m_nameBox->text();
}

} // namespace qm
