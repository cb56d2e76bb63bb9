#pragma once

#include "seal/sealtypes.h"

#include <QString>
#include <QVariant>

namespace qm {

struct SealProperty;
class Seal;

// The smallest and largest value a property may hold. Numbers are compared as given; texts,
// face names and pictures by their length in bytes.
struct ValueRange {
    double minimum;
    double maximum;

    constexpr bool contains(double v) const { return v >= minimum && v <= maximum; }
};

// Bounds that no real seal reaches, so that a damaged or hostile file cannot make reading or
// painting run away (millions of pattern lines, a table of a billion cells, a ring swept a
// million times, megabytes of text). Every property row names its range; the document, library
// and clipboard readers, the JSON reader and the property window all take them from there.
namespace SealLimits {
constexpr ValueRange Kind{0, SealTypeCount - 1};
constexpr ValueRange Rgb{0, 4294967295.0};
constexpr ValueRange Brush{0, double(BrushStyle::bsDiagCross)};
constexpr ValueRange Frame{0, double(FrameType::ftEllipse)};
constexpr ValueRange Flag{0, 1};
constexpr ValueRange Length{-100000, 100000};              // millimetres: 100 m either way
constexpr ValueRange Resolution{0, 100000};                // pixels per millimetre
constexpr ValueRange Lines{-3600, 3600};                   // one pattern line per tenth of a degree
constexpr ValueRange Cells{-1000, 1000};                   // rows, columns or cells of a text or table
constexpr ValueRange Angle{-36000, 36000};                 // ten full turns, in tenths of a degree
constexpr ValueRange Whole{-100000, 100000};               // weights, stroke widths, zoom
constexpr ValueRange TextBytes{0, 64 * 1024};              // one counted text
constexpr ValueRange FaceBytes{0, 63};                     // a face name; its slot keeps a NUL after it
constexpr ValueRange PictureBytes{0, 256.0 * 1024 * 1024}; // one embedded picture

constexpr qsizetype MaxTextBytes = qsizetype(TextBytes.maximum);
constexpr qint64 MaxPictureBytes = qint64(PictureBytes.maximum);
} // namespace SealLimits

// Why a value of a property is refused: "SealType 24 is outside 0 ... 23"; empty when it is
// acceptable. Numbers must also be finite; enumerations, flags and counts whole. Texts are GBK
// bytes, a face name its bytes before the first NUL, a picture its encoded bytes.
QString sealValueRefusal(const SealProperty &property, const QVariant &value);
// The same for a value of a number row (every type but texts, pictures and font slots).
QString sealNumberRefusal(const SealProperty &property, double value);
// Whether sealNumberRefusal has nothing to say, without making its words: readers check a
// hundred numbers a seal and almost never refuse one.
bool sealNumberAcceptable(const SealProperty &property, double value);
// The same for a text, face name or picture of that many bytes, before it is read.
QString sealLengthRefusal(const SealProperty &property, qint64 bytes);
inline bool sealValueWithinLimits(const SealProperty &property, const QVariant &value)
{
    return sealValueRefusal(property, value).isEmpty();
}

// The first refusal among the stored fields of a seal (record fields and counted texts), as a
// writer checks before it writes what a reader would refuse; empty when all are acceptable.
QString sealRefusal(const Seal &seal);
inline bool sealWithinLimits(const Seal &seal)
{
    return sealRefusal(seal).isEmpty();
}

} // namespace qm
