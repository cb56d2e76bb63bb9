#include "mainwindow/quillmarkapplication.h"

#include "companions/componentloaderror.h"
#include "mainwindow/userdialogs.h"

#include <QLibraryInfo>
#include <QLocale>

#include <exception>
#include <new>

using namespace Qt::StringLiterals;

namespace qm {

QuillmarkApplication::QuillmarkApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setOrganizationName(u"Lumenwerk"_s);
    setApplicationName(u"Quillmark"_s);
    installQtChinese(*this, m_qtTranslator);
}

bool installQtChinese(QCoreApplication &app, QTranslator &translator)
{
    if (!translator.load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&translator);
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
        message = OutOfMemoryMessage.toString();
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = u"未知错误"_s;
    }
    if (m_dialogs)
        m_dialogs->message(activeWindow(), QMessageBox::Critical, message);
    return false;
}

} // namespace qm
