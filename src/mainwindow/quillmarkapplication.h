#pragma once

#include "mainwindow/interfacelanguage.h"

#include <QApplication>

namespace qm {

class UserDialogs;

// The application object: an exception thrown by a command is shown in an error box and the
// program goes on; none ever crosses Qt's event loop.
class QuillmarkApplication : public QApplication
{
public:
    // What the box says when a command ran out of memory.
    static QString outOfMemoryMessage();

    QuillmarkApplication(int &argc, char **argv);

    void setDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }
    // Installs the catalogues of the language; the interface is Chinese until then.
    void useLanguage(InterfaceLanguage language) { m_translators.install(*this, language); }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    UserDialogs *m_dialogs = nullptr;
    InterfaceTranslators m_translators;
};

} // namespace qm
