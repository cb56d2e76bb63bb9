#include "shell/mainwindow/companions.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace qm {

QImage StandInPictures::LoadAPicture(const QByteArray &name)
{
    if (name != "Splash")
        return {};
    QImage splash(420, 260, QImage::Format_RGB32);
    splash.fill(Qt::white);
    QPainter p(&splash);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 6));
    p.drawEllipse(QRectF(30, 30, 120, 120));
    QFont title(u"Sans"_s);
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(QRect(170, 60, 240, 60), Qt::AlignLeft | Qt::AlignVCenter, u"Quillmark 8"_s);
    return splash;
}

QImage StandInPictures::SetBkGnd(QWidget *, const QString &path)
{
    if (path.isEmpty())
        return {};
    return QImage(path);
}

DLLLoadError::DLLLoadError(const QString &message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

DialogComponent::DialogComponent(const QString &libraryPath) : m_path(libraryPath) {}

QString DialogComponent::defaultLibraryPath()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(u"../lib/libquillmark-dialogs.so"_s);
}

void DialogComponent::call(const char *function, const QString &loadError, QWidget *owner) const
{
    QLibrary library(m_path);
    if (m_path.isEmpty() || !QDir::isAbsolutePath(m_path) || !library.load())
        throw DLLLoadError(loadError);
    // Unloaded however the call ends; nothing of the library outlives it.
    struct Unloader {
        QLibrary &library;
        ~Unloader() { library.unload(); }
    } unloader{library};
    using Entry = void (*)(QWidget *);
    if (auto entry = reinterpret_cast<Entry>(library.resolve(function)))
        entry(owner);
}

void DialogComponent::ShowAboutBox(QWidget *owner) const
{
    call("ShowAboutBox", u"该资源已缺失！"_s, owner);
}

void DialogComponent::Show_frmHelp(QWidget *owner) const
{
    call("Show_frmHelp", u"帮助资源缺失！"_s, owner);
}

} // namespace qm
