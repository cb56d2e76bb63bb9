#pragma once

#include <QByteArray>

namespace qm {

// A logical-font description as the glyph routines create it. The face is the stored
// 64-byte slot content in GBK up to its first NUL; at most 31 bytes of it are used.
struct LogicalFont {
    int height = 0;      // cell height in pixels (ascent + descent)
    int width = 0;       // average character width in pixels; 0 lets the face choose
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int orientation = 0; // tenths of a degree
    int weight = 400;    // 100 ... 900
    bool italic = false;
    QByteArray face; // GBK

    friend bool operator==(const LogicalFont &, const LogicalFont &) = default;
};

} // namespace qm
