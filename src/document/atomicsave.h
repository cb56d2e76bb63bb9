#pragma once

#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

namespace qm {

// Why a file could not be saved.
enum class SaveError {
    None,
    CannotCreate,  // the file (or its temporary twin) could not be opened for writing
    ContentFailed, // the writer gave up; its own result says why
    WriteFailed,   // the bytes did not all reach the disk, or the file could not replace the old one
};

struct SaveOutcome {
    SaveError error = SaveError::None;
    QString detail; // the system's reason for CannotCreate and WriteFailed ("disk full" when so)
    bool diskFull = false;

    bool ok() const { return error == SaveError::None; }
};

// Saves documents, library items and exported pictures alike: `write` fills the device, and the
// file of that name is replaced only when it returned true and every byte was committed. After
// any failure an existing file of that name is as it was and nothing half-written is left.
SaveOutcome saveAtomically(const QString &fileName, const std::function<bool(QIODevice &)> &write);
// WriteFailed with the reason of a file's failed write, a full disk told as such.
SaveOutcome writeFailure(const QFileDevice &file);

} // namespace qm
