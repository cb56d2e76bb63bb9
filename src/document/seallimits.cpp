#include "document/seallimits.h"

#include "seal/sealpropertytable.h"
#include "seal/sealtypes.h"
#include "seal/tseal.h"

#include <cmath>
#include <cstdlib>

namespace qm {
namespace {

int intLimit(QLatin1StringView name)
{
    if (name == QLatin1StringView("LineCount"))
        return SealLimits::MaxLineCount;
    if (name.startsWith(QLatin1StringView("RowColCount")))
        return SealLimits::MaxRowColCount;
    if (name.startsWith(QLatin1StringView("TextAngle")) || name == QLatin1StringView("CodeAngle")
        || name == QLatin1StringView("LineAngle"))
        return SealLimits::MaxAngle;
    return SealLimits::MaxOtherInt;
}

} // namespace

bool sealValueWithinLimits(const SealProperty &p, const QVariant &v)
{
    switch (p.type) {
    case SealProperty::Type::SealType:
        return v.toInt() >= 0 && v.toInt() < SealTypeCount;
    case SealProperty::Type::BrushStyle:
        return v.toInt() >= 0 && v.toInt() <= int(TBrushStyle::bsDiagCross);
    case SealProperty::Type::FrameType:
        return v.toInt() >= 0 && v.toInt() <= int(TFrameType::ftEllipse);
    case SealProperty::Type::Float: {
        const float f = v.toFloat();
        return std::isfinite(f) && std::fabs(f) <= SealLimits::MaxMillimetres;
    }
    case SealProperty::Type::Int: {
        const long long i = v.toLongLong();
        return std::llabs(i) <= intLimit(QLatin1StringView(p.name));
    }
    case SealProperty::Type::String:
        return v.toByteArray().size() <= SealLimits::MaxTextBytes;
    case SealProperty::Type::Color:
    case SealProperty::Type::Bool:
    case SealProperty::Type::FontSlot:
    case SealProperty::Type::Picture:
        return true;
    }
    return false;
}

bool sealWithinLimits(const TSeal &seal, QString *offending)
{
    auto check = [&](const SealProperty *p) {
        if (sealValueWithinLimits(*p, p->get(seal)))
            return true;
        if (offending)
            *offending = p->qname();
        return false;
    };
    for (const SealProperty *p : sealRecordFields())
        if (!check(p))
            return false;
    for (const SealProperty *p : sealTextFields())
        if (!check(p))
            return false;
    return true;
}

} // namespace qm
