#include "seal/seallimits.h"

#include "seal/seal.h"
#include "seal/sealpicture.h"
#include "seal/sealpropertytable.h"

#include <QLocale>

#include <cmath>
#include <cstring>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// Whole numbers in full (100000, not 1e+05); others as the shortest decimal that reads back.
QString number(double d)
{
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', QLocale::FloatingPointShortest);
}

QString outside(const SealProperty &p, double v)
{
    return u"%1 %2 is outside %3 ... %4"_s.arg(p.qname(), number(v), number(p.range.minimum), number(p.range.maximum));
}

} // namespace

QString sealLengthRefusal(const SealProperty &p, qint64 bytes)
{
    if (p.range.contains(double(bytes)))
        return {};
    return u"%1 is %2 bytes long, more than %3"_s.arg(p.qname()).arg(bytes).arg(number(p.range.maximum));
}

bool sealNumberAcceptable(const SealProperty &p, double d)
{
    switch (p.type) {
    case SealProperty::Type::Bool:
        return true;
    case SealProperty::Type::Float:
        return std::isfinite(d) && p.range.contains(d);
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
    case SealProperty::Type::Int:
    case SealProperty::Type::Color:
        return std::isfinite(d) && d == std::floor(d) && p.range.contains(d);
    default:
        return false;
    }
}

QString sealNumberRefusal(const SealProperty &p, double d)
{
    if (sealNumberAcceptable(p, d))
        return {};
    if (!p.isNumber())
        return u"%1 is no number"_s.arg(p.qname());
    if (!std::isfinite(d))
        return u"%1 %2 is not a finite number"_s.arg(p.qname(), number(d));
    if (p.type != SealProperty::Type::Float && d != std::floor(d))
        return u"%1 %2 is not a whole number"_s.arg(p.qname(), number(d));
    return outside(p, d);
}

QString sealValueRefusal(const SealProperty &p, const QVariant &v)
{
    if (p.isNumber())
        return sealNumberRefusal(p, v.toDouble());
    switch (p.type) {
    case SealProperty::Type::String:
        return sealLengthRefusal(p, v.toByteArray().size());
    case SealProperty::Type::FontSlot: {
        // Only the bytes before the first NUL name the face.
        const QByteArray face = v.toByteArray();
        return sealLengthRefusal(p, qint64(::strnlen(face.constData(), size_t(face.size()))));
    }
    case SealProperty::Type::Picture:
        return sealLengthRefusal(p, v.value<SealPicture>().bytes().size());
    default:
        break;
    }
    return u"%1 has an unknown type"_s.arg(p.qname());
}

QString sealRefusal(const Seal &seal)
{
    for (const QList<const SealProperty *> *fields : {&sealRecordFields(), &sealTextFields()})
        for (const SealProperty *p : *fields) {
            // A stored slot is 64 bytes whatever it holds; painting takes the name before a NUL.
            if (p->type == SealProperty::Type::FontSlot)
                continue;
            if (QString why =
                    p->isNumber() ? sealNumberRefusal(*p, p->getNumber(seal)) : sealValueRefusal(*p, p->get(seal));
                !why.isEmpty())
                return why;
        }
    return {};
}

} // namespace qm
