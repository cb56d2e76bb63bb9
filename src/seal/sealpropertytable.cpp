#include "seal/sealpropertytable.h"

#include "seal/gbk.h"
#include "seal/seal.h"

#include <QDir>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Maps a C++ property type to its QVariant form.
template <typename T> struct Traits;
template <> struct Traits<SealType> {
    static QVariant to(SealType v) { return int(v); }
    static SealType from(const QVariant &v) { return SealType(v.toInt()); }
};
template <> struct Traits<BrushStyle> {
    static QVariant to(BrushStyle v) { return int(v); }
    static BrushStyle from(const QVariant &v) { return BrushStyle(v.toInt()); }
};
template <> struct Traits<FrameType> {
    static QVariant to(FrameType v) { return int(v); }
    static FrameType from(const QVariant &v) { return FrameType(v.toInt()); }
};
template <> struct Traits<Colour> {
    static QVariant to(Colour v) { return QVariant::fromValue(uint(v)); }
    static Colour from(const QVariant &v) { return Colour(v.toUInt()); }
};
template <> struct Traits<QByteArray> {
    static QVariant to(const QByteArray &v) { return v; }
    static QByteArray from(const QVariant &v) { return v.toByteArray(); }
};
template <> struct Traits<bool> {
    static QVariant to(bool v) { return v; }
    static bool from(const QVariant &v) { return v.toBool(); }
};
template <> struct Traits<float> {
    static QVariant to(float v) { return QVariant::fromValue(v); }
    static float from(const QVariant &v) { return v.toFloat(); }
};
template <> struct Traits<int> {
    static QVariant to(int v) { return v; }
    static int from(const QVariant &v) { return v.toInt(); }
};
template <> struct Traits<FontSlot> {
    static QVariant to(const FontSlot &v) { return QByteArray(v.data(), qsizetype(v.size())); }
    static FontSlot from(const QVariant &v)
    {
        const QByteArray raw = v.toByteArray();
        FontSlot slot{};
        std::memcpy(slot.data(), raw.constData(), size_t(std::min<qsizetype>(raw.size(), qsizetype(slot.size()))));
        return slot;
    }
};
template <> struct Traits<SealPicture> {
    static QVariant to(const SealPicture &v) { return QVariant::fromValue(v); }
    static SealPicture from(const QVariant &v) { return v.value<SealPicture>(); }
};

// The types a double holds exactly, and how.
template <typename T>
constexpr bool IsNumber =
    !std::is_same_v<T, QByteArray> && !std::is_same_v<T, SealPicture> && !std::is_same_v<T, FontSlot>;

template <typename T> double toNumber(T v)
{
    if constexpr (std::is_enum_v<T>)
        return double(int(v));
    else
        return double(v);
}

template <typename T> T fromNumber(double d)
{
    if constexpr (std::is_same_v<T, bool>)
        return d != 0;
    else if constexpr (std::is_enum_v<T>)
        return T(int(d));
    else
        return T(d);
}

// Plain function pointers made from the captureless getter and setter lambdas of a row.
template <typename T, typename Get> double (*numberGetter(Get))(const Seal &)
{
    if constexpr (IsNumber<T>)
        return [](const Seal &s) { return toNumber<T>(Get{}(s)); };
    else
        return nullptr;
}

template <typename T, typename Set> void (*numberSetter(Set))(Seal &, double)
{
    if constexpr (IsNumber<T>)
        return [](Seal &s, double d) { Set{}(s, fromNumber<T>(d)); };
    else
        return nullptr;
}

QList<SealProperty> buildTable()
{
    QList<SealProperty> t;
#define QM_PROPERTY(pname, ptype, def, offset, kind, prange)                                                           \
    t.append(SealProperty{#pname, sealPropertyTypeOf<ptype>(), offset, #kind[0] != 'S', SealLimits::prange,            \
                          [](const Seal &s) { return Traits<ptype>::to(s.pname()); },                                  \
                          [](Seal &s, const QVariant &v) { s.set##pname(Traits<ptype>::from(v)); },                    \
                          numberGetter<ptype>([](const Seal &s) { return s.pname(); }),                                \
                          numberSetter<ptype>([](Seal &s, const ptype &v) { s.set##pname(v); })});
#include "seal/sealproperties.def"
#undef QM_PROPERTY
    return t;
}

double shortestDouble(float f)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, f);
    return QByteArray(buffer, r.ptr - buffer).toDouble();
}

} // namespace

const QList<SealProperty> &sealProperties()
{
    static const QList<SealProperty> table = buildTable();
    return table;
}

const SealProperty &sealProperty(SealPropertyId id)
{
    // The table holds the rows in the order the ids count them.
    return sealProperties().at(qsizetype(id));
}

const QList<const SealProperty *> &sealRecordFields()
{
    static const QList<const SealProperty *> fields = [] {
        QList<const SealProperty *> f;
        for (const SealProperty &p : sealProperties())
            if (p.recordOffset >= 0)
                f.append(&p);
        std::stable_sort(f.begin(), f.end(), [](auto a, auto b) { return a->recordOffset < b->recordOffset; });
        return f;
    }();
    return fields;
}

const QList<const SealProperty *> &sealTextFields()
{
    static const QList<const SealProperty *> fields = [] {
        QList<const SealProperty *> f;
        for (const SealProperty &p : sealProperties())
            if (p.type == SealProperty::Type::String)
                f.append(&p);
        return f;
    }();
    return fields;
}

const SealProperty *findSealProperty(QStringView name)
{
    for (const SealProperty &p : sealProperties())
        if (name == QLatin1StringView(p.name))
            return &p;
    return nullptr;
}

void copySealProperties(const Seal &from, Seal &to)
{
    for (const SealProperty *p : sealRecordFields()) {
        if (p->isNumber())
            p->setNumber(to, p->getNumber(from));
        else
            p->set(to, p->get(from));
    }
    for (const SealProperty *p : sealTextFields())
        p->set(to, p->get(from));
    to.setPicture(from.Picture()); // "no picture" too, so the target keeps none of its own
}

QJsonValue propertyToJson(const SealProperty &p, const Seal &seal)
{
    const QVariant v = p.get(seal);
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Int:
        return v.toInt();
    case SealProperty::Type::Color:
        return qint64(v.toUInt());
    case SealProperty::Type::Bool:
        return v.toBool();
    case SealProperty::Type::Float:
        return shortestDouble(v.toFloat());
    case SealProperty::Type::String:
        return Gbk::toUnicode(v.toByteArray());
    case SealProperty::Type::FontSlot:
        return Gbk::toUnicode(fontSlotName(Traits<FontSlot>::from(v)));
    case SealProperty::Type::Picture: {
        const SealPicture pic = v.value<SealPicture>();
        if (!pic.hasGraphic())
            return QJsonValue::Null;
        return QJsonObject{{u"kind"_s, int(pic.kind())},
                           {u"bytes"_s, qint64(pic.bytes().size())},
                           {u"width"_s, pic.width()},
                           {u"height"_s, pic.height()}};
    }
    }
    return {};
}

bool propertyFromJson(const SealProperty &p, Seal &seal, const QJsonValue &value, const QString &baseDir,
                      QString *error, DecodeBudget *budget)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    auto expected = [&](const QString &what) { return fail(u"%1: %2 is expected"_s.arg(p.qname(), what)); };
    // The value as the setter takes it, checked against the same limits as a file's.
    QVariant v;
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Int:
    case SealProperty::Type::Color:
    case SealProperty::Type::Float:
        if (!value.isDouble())
            return expected(p.type == SealProperty::Type::Float ? u"a number"_s : u"a whole number"_s);
        v = value.toDouble();
        break;
    case SealProperty::Type::Bool:
        if (!value.isBool())
            return expected(u"true or false"_s);
        v = value.toBool();
        break;
    case SealProperty::Type::String:
    case SealProperty::Type::FontSlot:
        if (!value.isString())
            return expected(u"a text"_s);
        v = Gbk::fromUnicode(value.toString());
        break;
    case SealProperty::Type::Picture: {
        if (value.isNull())
            return true;
        const QString file = value.toObject().value(u"file"_s).toString();
        if (file.isEmpty())
            return expected(u"{\"file\": name}"_s);
        QString why;
        const SealPicture pic = SealPicture::fromFile(QDir(baseDir).absoluteFilePath(file), &why, budget);
        if (!pic.hasGraphic())
            return fail(u"%1: %2"_s.arg(p.qname(), why));
        v = QVariant::fromValue(pic);
        break;
    }
    }
    if (const QString why = sealValueRefusal(p, v); !why.isEmpty())
        return fail(why);
    // Within its range a number converts exactly to the setter's type.
    switch (p.type) {
    case SealProperty::Type::Color:
        v = QVariant::fromValue(uint(v.toDouble()));
        break;
    case SealProperty::Type::Float:
        v = QVariant::fromValue(float(v.toDouble()));
        break;
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Int:
        v = int(v.toDouble());
        break;
    default:
        break;
    }
    p.set(seal, v);
    return true;
}

} // namespace qm
