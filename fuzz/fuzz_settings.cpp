// The settings file, as the program reads it at start-up, from hostile bytes: every value the
// window asks for, and the list of recent documents.

#include "fuzzsupport.h"

#include "mainwindow/configuration.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillmark.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const qm::Configuration configuration(path);
    (void)configuration.readText(qm::Configuration::UserInfoKey, QStringLiteral("BackGround"));
    (void)configuration.readText(qm::Configuration::HomePageKey, QStringLiteral("HomePage"));
    (void)configuration.readText(qm::Configuration::SystemKey, QStringLiteral("PageDoubleBuffered"));
    (void)configuration.pageDoubleBuffered();
    (void)configuration.recentFiles();
    return 0;
}
