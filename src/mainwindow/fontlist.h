#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qm {

// The face names documents of the original platform use. They are offered in the font list
// although no Linux font carries them: the seal's font substitution draws them with an
// installed Chinese face.
QStringList windowsChineseFaces();

// A family name that holds a character taking two bytes in GBK.
bool hasDoubleByteCharacter(const QString &name);

// The Chinese-only filter over a list of names, keeping the order: a name with a double-byte
// character stays, and so does an installed family that writes Simplified Chinese (Linux CJK
// fonts have Latin names); a Latin-only face goes.
QStringList chineseOnly(const QStringList &names);

// The items of the font list: the Windows face names first, then the installed families in
// the font database's order, filtered when chineseOnlyFilter is set.
QStringList fontListItems(bool chineseOnlyFilter);

// The name in GBK cut to at most maxBytes bytes, never inside a double-byte character.
QByteArray gbkCutToBytes(const QString &name, int maxBytes);

} // namespace qm
