#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace qm::Gbk {

// Code page 936 to Unicode. Invalid or truncated sequences become U+FFFD and the rest of
// the text is still converted.
QString toUnicode(const QByteArray &gbk);

// Unicode to code page 936. Characters without a GBK form become '?'.
QByteArray fromUnicode(const QString &text);

// True when the character's code page 936 form takes more than one byte.
bool isDoubleByte(QChar c);

} // namespace qm::Gbk
