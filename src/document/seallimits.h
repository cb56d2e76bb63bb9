#pragma once

#include <QVariant>

namespace qm {

struct SealProperty;
class TSeal;

// Bounds that no real seal reaches, so that a damaged or hostile file cannot make reading or
// painting run away (millions of pattern lines, a table of a billion cells, a ring swept a
// million times, megabytes of text). A file holding a value beyond them is refused.
namespace SealLimits {
constexpr float MaxMillimetres = 100000.0f;     // every float field: 100 m
constexpr int MaxLineCount = 3600;               // one pattern line per tenth of a degree
constexpr int MaxRowColCount = 1000;             // rows, columns or cells of a text or table
constexpr int MaxAngle = 36000;                  // ten full turns, in tenths of a degree
constexpr int MaxOtherInt = 100000;              // weights and stroke widths
constexpr qsizetype MaxTextBytes = 64 * 1024;    // one counted text
constexpr qint64 MaxPictureBytes = 256LL << 20;  // one embedded picture
} // namespace SealLimits

// True when a value read for a stored field (record field or counted text) is acceptable:
// enumerations within their values, floats finite and within bounds, counts and angles within
// the limits above.
bool sealValueWithinLimits(const SealProperty &property, const QVariant &value);
// The same for every stored field of a seal, as the command-line builder checks.
bool sealWithinLimits(const TSeal &seal, QString *offending = nullptr);

} // namespace qm
