#pragma once

#include "seal/seal.h"
#include "seal/seallimits.h"

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QVariant>

#include <type_traits>

namespace qm {

class DecodeBudget;

// One row of the property table: how a property is named, typed, stored and set.
struct SealProperty {
    enum class Type { SealType, Color, BrushStyle, String, Bool, Float, Int, FrameType, Picture, FontSlot };

    const char *name;
    Type type;
    int recordOffset; // offset in the 660-byte seal record; -1 when not stored there
    bool published;   // false for the five font slots
    ValueRange range; // what a stored or edited value may be (SealLimits)
    // Through the property's getter and setter. A font slot goes in and out as its 64 raw
    // bytes; a shorter value fills the slot from the start, NULs after it.
    QVariant (*get)(const Seal &);
    void (*set)(Seal &, const QVariant &);
    // Every type but texts, pictures and font slots also goes in and out as a double, which
    // holds each of its values exactly; null for the others. The file readers and writers and
    // the seal copy take this way, a hundred fields a seal, without a QVariant for each.
    double (*getNumber)(const Seal &);
    void (*setNumber)(Seal &, double);

    bool isNumber() const { return getNumber != nullptr; }
    QString qname() const { return QString::fromLatin1(name); }
};

// Every property by its name, in table order: SealPropertyId::RealWidth is the row of RealWidth.
enum class SealPropertyId : int {
#define QM_PROPERTY(pname, ptype, def, offset, kind, prange) pname,
#include "seal/sealproperties.def"
#undef QM_PROPERTY
};

// False for every type; it holds the assertion below back until a type reaches it.
template <typename T> inline constexpr bool DependentFalse = false;

// The row type of a property of C++ type T.
template <typename T> constexpr SealProperty::Type sealPropertyTypeOf()
{
    using Type = SealProperty::Type;
    if constexpr (std::is_same_v<T, SealType>)
        return Type::SealType;
    else if constexpr (std::is_same_v<T, Colour>)
        return Type::Color;
    else if constexpr (std::is_same_v<T, BrushStyle>)
        return Type::BrushStyle;
    else if constexpr (std::is_same_v<T, QByteArray>)
        return Type::String;
    else if constexpr (std::is_same_v<T, bool>)
        return Type::Bool;
    else if constexpr (std::is_same_v<T, float>)
        return Type::Float;
    else if constexpr (std::is_same_v<T, int>)
        return Type::Int;
    else if constexpr (std::is_same_v<T, FrameType>)
        return Type::FrameType;
    else if constexpr (std::is_same_v<T, SealPicture>)
        return Type::Picture;
    else if constexpr (std::is_same_v<T, FontSlot>)
        return Type::FontSlot;
    else
        static_assert(DependentFalse<T>, "a property of a type the table does not know");
}

// The row type of a property, known while compiling, so that data naming properties can be
// checked against them.
constexpr SealProperty::Type sealPropertyType(SealPropertyId id)
{
    constexpr SealProperty::Type types[] = {
#define QM_PROPERTY(pname, ptype, def, offset, kind, prange) sealPropertyTypeOf<ptype>(),
#include "seal/sealproperties.def"
#undef QM_PROPERTY
    };
    return types[int(id)];
}

// The published properties in declaration order, then the five font slots: one row each of
// sealproperties.def.
const QList<SealProperty> &sealProperties();
// The row of the property.
const SealProperty &sealProperty(SealPropertyId id);
// The stored fields of the seal record in record order (ascending offset).
const QList<const SealProperty *> &sealRecordFields();
// Text, Text1, Text2, Text3, Code, Image: the counted texts, in file order.
const QList<const SealProperty *> &sealTextFields();
const SealProperty *findSealProperty(QStringView name);

// Copies every stored property (record fields in record order, then the texts, then the
// picture, an absent one included) through the setters, as export, thumbnails and the seal
// copy do.
void copySealProperties(const Seal &from, Seal &to);

// JSON form of a property: enumerations as ordinals, texts as UTF-8, floats as the shortest
// decimal that reads back to the same float, the picture as null or a summary.
QJsonValue propertyToJson(const SealProperty &p, const Seal &seal);
// Sets a property from JSON through its setter. A picture is {"file": path} relative to baseDir.
// A value of the wrong JSON type or outside the property's range is refused, with the reason
// the file readers give for the same value, and the seal is left unchanged. Pictures are decoded
// within *budget, which the seals of one input share (one picture's limits without it).
bool propertyFromJson(const SealProperty &p, Seal &seal, const QJsonValue &value, const QString &baseDir,
                      QString *error, DecodeBudget *budget = nullptr);

} // namespace qm
