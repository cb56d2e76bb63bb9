#pragma once

#include <QByteArray>
#include <QString>

namespace qm::FontSubstitution {

// The installed family that shows a stored face name (GBK, as in the font slots). Documents
// keep their face names; only the family used for drawing changes. Needs a QGuiApplication.
QString familyFor(const QByteArray &faceGbk);

// The stored face, cut to the 31 bytes the original platform kept, as Unicode.
QString faceName(const QByteArray &faceGbk);

} // namespace qm::FontSubstitution
