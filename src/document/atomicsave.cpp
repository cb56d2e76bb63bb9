#include "document/atomicsave.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace qm {

SaveOutcome writeFailure(const QFileDevice &file)
{
    // A full disk is the one write failure Qt tells apart (ENOSPC); its text is otherwise lost
    // when the temporary file is removed.
    if (file.error() == QFileDevice::ResourceError)
        return {SaveError::WriteFailed, u"disk full"_s, true};
    return {SaveError::WriteFailed, file.errorString(), false};
}

SaveOutcome saveAtomically(const QString &fileName, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {SaveError::CannotCreate, file.errorString()};
    const bool written = write(file);
    // commit() renames the file even when flushing its last bytes failed, and ignores a
    // failing sync: both are asked here, so that a full disk never leaves an empty file behind.
    if (written && file.error() == QFileDevice::NoError && file.flush() && ::fsync(file.handle()) != 0) {
        const int code = errno;
        file.cancelWriting();
        if (code == ENOSPC)
            return {SaveError::WriteFailed, u"disk full"_s, true};
        return {SaveError::WriteFailed, QString::fromLocal8Bit(std::strerror(code)), false};
    }
    if (file.error() != QFileDevice::NoError) {
        const SaveOutcome failed = writeFailure(file);
        file.cancelWriting();
        return failed;
    }
    if (!written) {
        file.cancelWriting();
        return {SaveError::ContentFailed, {}};
    }
    // commit() also fails when an earlier write did; then the old file stays.
    if (!file.commit())
        return writeFailure(file);
    return {};
}

} // namespace qm
