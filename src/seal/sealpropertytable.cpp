#include "seal/sealpropertytable.h"

#include "seal/gbk.h"
#include "seal/tseal.h"

#include <QDir>
#include <QJsonObject>

#include <algorithm>
#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Maps a C++ property type to its table type and QVariant form.
template <typename T> struct Traits;
template <> struct Traits<TSealType> {
    static constexpr auto type = SealProperty::Type::SealType;
    static QVariant to(TSealType v) { return int(v); }
    static TSealType from(const QVariant &v) { return TSealType(v.toInt()); }
};
template <> struct Traits<TBrushStyle> {
    static constexpr auto type = SealProperty::Type::BrushStyle;
    static QVariant to(TBrushStyle v) { return int(v); }
    static TBrushStyle from(const QVariant &v) { return TBrushStyle(v.toInt()); }
};
template <> struct Traits<TFrameType> {
    static constexpr auto type = SealProperty::Type::FrameType;
    static QVariant to(TFrameType v) { return int(v); }
    static TFrameType from(const QVariant &v) { return TFrameType(v.toInt()); }
};
template <> struct Traits<TColor> {
    static constexpr auto type = SealProperty::Type::Color;
    static QVariant to(TColor v) { return QVariant::fromValue(uint(v)); }
    static TColor from(const QVariant &v) { return TColor(v.toUInt()); }
};
template <> struct Traits<QByteArray> {
    static constexpr auto type = SealProperty::Type::String;
    static QVariant to(const QByteArray &v) { return v; }
    static QByteArray from(const QVariant &v) { return v.toByteArray(); }
};
template <> struct Traits<bool> {
    static constexpr auto type = SealProperty::Type::Bool;
    static QVariant to(bool v) { return v; }
    static bool from(const QVariant &v) { return v.toBool(); }
};
template <> struct Traits<float> {
    static constexpr auto type = SealProperty::Type::Float;
    static QVariant to(float v) { return QVariant::fromValue(v); }
    static float from(const QVariant &v) { return v.toFloat(); }
};
template <> struct Traits<int> {
    static constexpr auto type = SealProperty::Type::Int;
    static QVariant to(int v) { return v; }
    static int from(const QVariant &v) { return v.toInt(); }
};
template <> struct Traits<SealPicture> {
    static constexpr auto type = SealProperty::Type::Picture;
    static QVariant to(const SealPicture &v) { return QVariant::fromValue(v); }
    static SealPicture from(const QVariant &v) { return v.value<SealPicture>(); }
};

QList<SealProperty> buildTable()
{
    QList<SealProperty> t;
#define QM_PROPERTY(pname, ptype, def, offset, kind)                                                     \
    t.append(SealProperty{#pname, Traits<ptype>::type, offset, true,                                     \
                          [](const TSeal &s) { return Traits<ptype>::to(s.pname()); },                   \
                          [](TSeal &s, const QVariant &v) { s.Set##pname(Traits<ptype>::from(v)); }});
#include "seal/sealproperties.def"
#undef QM_PROPERTY
    static const char *const slotNames[] = {"FontName", "FontName1", "FontName2", "FontName3", "CodeFontName"};
    for (int i = 0; i < 5; ++i) {
        SealProperty p{slotNames[i], SealProperty::Type::FontSlot, 295 + 64 * i, false, nullptr, nullptr};
        // Captureless lambdas cannot see i; one getter and setter per slot.
        switch (i) {
        case 0:
            p.get = [](const TSeal &s) { return QVariant(fontSlotName(s.FontName())); };
            p.set = [](TSeal &s, const QVariant &v) { s.SetFontName(makeFontSlot(v.toByteArray())); };
            break;
        case 1:
            p.get = [](const TSeal &s) { return QVariant(fontSlotName(s.FontName1())); };
            p.set = [](TSeal &s, const QVariant &v) { s.SetFontName1(makeFontSlot(v.toByteArray())); };
            break;
        case 2:
            p.get = [](const TSeal &s) { return QVariant(fontSlotName(s.FontName2())); };
            p.set = [](TSeal &s, const QVariant &v) { s.SetFontName2(makeFontSlot(v.toByteArray())); };
            break;
        case 3:
            p.get = [](const TSeal &s) { return QVariant(fontSlotName(s.FontName3())); };
            p.set = [](TSeal &s, const QVariant &v) { s.SetFontName3(makeFontSlot(v.toByteArray())); };
            break;
        default:
            p.get = [](const TSeal &s) { return QVariant(fontSlotName(s.CodeFontName())); };
            p.set = [](TSeal &s, const QVariant &v) { s.SetCodeFontName(makeFontSlot(v.toByteArray())); };
            break;
        }
        t.append(p);
    }
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

void CopySealProperties(const TSeal &from, TSeal &to)
{
    for (const SealProperty *p : sealRecordFields())
        p->set(to, p->get(from));
    for (const SealProperty *p : sealTextFields())
        p->set(to, p->get(from));
    to.SetPicture(from.Picture()); // "no picture" too, so the target keeps none of its own
}

QJsonValue propertyToJson(const SealProperty &p, const TSeal &seal)
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
    case SealProperty::Type::FontSlot:
        return Gbk::toUnicode(v.toByteArray());
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

bool propertyFromJson(const SealProperty &p, TSeal &seal, const QJsonValue &value, const QString &baseDir,
                      QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = u"%1: %2"_s.arg(p.qname(), why);
        return false;
    };
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Int: {
        if (!value.isDouble())
            return fail(u"a whole number is expected"_s);
        const double d = value.toDouble();
        if (d != std::floor(d) || d < -2147483648.0 || d > 2147483647.0)
            return fail(u"a whole number is expected"_s);
        const int i = int(d);
        if (p.type == SealProperty::Type::SealType && (i < 0 || i > 255))
            return fail(u"out of range"_s);
        if ((p.type == SealProperty::Type::BrushStyle && (i < 0 || i > 7))
            || (p.type == SealProperty::Type::FrameType && (i < 0 || i > 3)))
            return fail(u"out of range"_s);
        p.set(seal, i);
        return true;
    }
    case SealProperty::Type::Color: {
        const double d = value.toDouble(-1);
        if (!value.isDouble() || d < 0 || d > 4294967295.0 || d != std::floor(d))
            return fail(u"a colour value 0 ... 4294967295 is expected"_s);
        p.set(seal, QVariant::fromValue(uint(d)));
        return true;
    }
    case SealProperty::Type::Bool:
        if (!value.isBool())
            return fail(u"true or false is expected"_s);
        p.set(seal, value.toBool());
        return true;
    case SealProperty::Type::Float:
        if (!value.isDouble())
            return fail(u"a number is expected"_s);
        p.set(seal, QVariant::fromValue(float(value.toDouble())));
        return true;
    case SealProperty::Type::String:
    case SealProperty::Type::FontSlot:
        if (!value.isString())
            return fail(u"a text is expected"_s);
        p.set(seal, Gbk::fromUnicode(value.toString()));
        return true;
    case SealProperty::Type::Picture: {
        if (value.isNull())
            return true;
        const QString file = value.toObject().value(u"file"_s).toString();
        if (file.isEmpty())
            return fail(u"{\"file\": name} is expected"_s);
        QString why;
        const SealPicture pic = SealPicture::fromFile(QDir(baseDir).absoluteFilePath(file), &why);
        if (!pic.hasGraphic())
            return fail(why);
        p.set(seal, QVariant::fromValue(pic));
        return true;
    }
    }
    return fail(u"unknown type"_s);
}

} // namespace qm
