#include "document/atomicsave.h"

#include <QSaveFile>

namespace qm {

SaveOutcome saveAtomically(const QString &fileName, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {SaveError::CannotCreate, file.errorString()};
    if (!write(file)) {
        file.cancelWriting();
        return {SaveError::ContentFailed, {}};
    }
    // commit() also fails when an earlier write did; then the old file stays.
    if (!file.commit())
        return {SaveError::WriteFailed, file.errorString()};
    return {};
}

} // namespace qm
