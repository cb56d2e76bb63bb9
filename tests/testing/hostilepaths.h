#pragma once

// Paths that a careless reader would block on or read without end: a pipe without writer, an
// endless device, a folder and a huge sparse file. Every reader of a path a user or a setting
// names must refuse each of them at once; tests make one table of named readers and walk it
// with these.

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <sys/stat.h>

namespace qm::testing {

struct HostilePath {
    const char *name;
    QString path;
};

// A reader under test: true when it refused the path (and so did not hang on it).
struct PathReader {
    const char *name;
    std::function<bool(const QString &path)> refuses;
};

// The huge file is 4 GiB of nothing, which takes no room on disk. Empty when one could not be
// made; the names end in the extension given, so that readers telling kinds by name see theirs.
inline QList<HostilePath> hostilePaths(const QTemporaryDir &dir, const QString &extension)
{
    QList<HostilePath> paths;
    const QString fifo = dir.filePath(QStringLiteral("pipe.") + extension);
    if (::mkfifo(QFile::encodeName(fifo).constData(), 0600) != 0)
        return {};
    paths.append({"a pipe without writer", fifo});
    const QString zero = dir.filePath(QStringLiteral("zero.") + extension);
    if (!QFile::link(QStringLiteral("/dev/zero"), zero))
        return {};
    paths.append({"a link to /dev/zero", zero});
    paths.append({"/dev/zero itself", QStringLiteral("/dev/zero")});
    const QString folder = dir.filePath(QStringLiteral("folder.") + extension);
    if (!QDir().mkpath(folder))
        return {};
    paths.append({"a folder", folder});
    const QString huge = dir.filePath(QStringLiteral("huge.") + extension);
    QFile file(huge);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(4LL << 30))
        return {};
    paths.append({"a sparse file of 4 GiB", huge});
    return paths;
}

// A link to a file that does not exist: refused as missing, never created through.
inline QString danglingLink(const QTemporaryDir &dir, const QString &extension)
{
    const QString link = dir.filePath(QStringLiteral("dangling.") + extension);
    if (!QFile::link(dir.filePath(QStringLiteral("nothing-here")), link))
        return {};
    return link;
}

} // namespace qm::testing
