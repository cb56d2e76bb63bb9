#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// A typed text as a seal stores it: GBK bytes, cut to a byte limit.
struct GbkText {
    QByteArray bytes; // empty when something is refused
    QString refused;  // the characters GBK cannot hold, each once, in order; empty when none
    bool cut = false; // the text was longer than the limit
};

// Converts a typed text to GBK and cuts it to at most maxBytes, never inside a double-byte
// character. A text holding a character GBK cannot hold is refused rather than stored with '?'.
GbkText toGbkText(const QString &text, qsizetype maxBytes);

// The longest start of a GBK byte string of at most maxBytes that ends on a character boundary.
QByteArray cutGbk(const QByteArray &gbk, qsizetype maxBytes);

} // namespace qm
