#pragma once

#include <QApplication>

namespace qm {

class UserDialogs;

// The application object: an exception thrown by a command is shown in an error box and the
// program goes on; none ever crosses Qt's event loop.
class QuillmarkApplication : public QApplication
{
public:
    QuillmarkApplication(int &argc, char **argv);

    void setDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    UserDialogs *m_dialogs = nullptr;
};

} // namespace qm
