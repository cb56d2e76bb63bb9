#include "shell/functionlib/bitmapmirror.h"

namespace qm {

QImage mirrorLeftRight(const QImage &picture)
{
    // Reads from the unchanged source, so no pixel is read after it was overwritten.
    return picture.mirrored(true, false);
}

} // namespace qm
