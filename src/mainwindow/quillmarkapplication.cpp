#include "mainwindow/quillmarkapplication.h"

#include "companions/componentloaderror.h"
#include "mainwindow/userdialogs.h"

#include <QCoreApplication>

#include <exception>
#include <new>

using namespace Qt::StringLiterals;

namespace qm {

QuillmarkApplication::QuillmarkApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(u"Lumenwerk"_s);
    setApplicationName(u"Quillmark"_s);
    // Lets the desktop match the window to its launcher and icon.
    setDesktopFileName(u"org.lumenwerk.Quillmark"_s);
}

QString QuillmarkApplication::outOfMemoryMessage()
{
    return QCoreApplication::translate("MainWindow", "内存不足，操作未完成。");
}

bool QuillmarkApplication::notify(QObject *receiver, QEvent *event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const ComponentLoadError &e) {
        message = e.message();
    } catch (const std::bad_alloc &) {
        // What was being done is dropped; the documents open stay as they were.
        message = outOfMemoryMessage();
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QCoreApplication::translate("MainWindow", "未知错误");
    }
    if (m_dialogs)
        m_dialogs->message(activeWindow(), QMessageBox::Critical, message);
    return false;
}

} // namespace qm
