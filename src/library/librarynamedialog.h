#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

// "保存到印章库": asks for the name a seal group is stored under in the library.
class LibraryNameDialog : public QDialog
{
    Q_OBJECT

public:
    // Centred on `mainWindow`, proposing `name`.
    LibraryNameDialog(QWidget *mainWindow, const QString &name);

    QString name() const;
    QLineEdit *nameBox() const { return m_nameBox; }
    QPushButton *storeButton() const { return m_storeButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

private:
    QLabel *m_label;
    QLineEdit *m_nameBox;
    QPushButton *m_storeButton;
    QPushButton *m_cancelButton;
};

} // namespace qm
