#pragma once

#include <QApplication>
#include <QTranslator>

namespace qm {

class UserDialogs;

// The application object: an exception thrown by a command is shown in an error box and the
// program goes on; none ever crosses Qt's event loop.
class QuillmarkApplication : public QApplication
{
public:
    // What the box says when a command ran out of memory.
    static constexpr QStringView OutOfMemoryMessage = u"内存不足，操作未完成。";

    QuillmarkApplication(int &argc, char **argv);

    void setDialogs(UserDialogs *dialogs) { m_dialogs = dialogs; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    UserDialogs *m_dialogs = nullptr;
    QTranslator m_qtTranslator;
};

// Qt's own texts (the buttons and labels of its file, colour and page set-up dialogs) in
// Simplified Chinese like the rest of the program, whatever the system's language; false when
// the platform's translations are not installed and they stay in English.
bool installQtChinese(QCoreApplication &app, QTranslator &translator);

} // namespace qm
