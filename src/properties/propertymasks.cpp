#include "properties/propertymasks.h"

#include "seal/seal.h"

using namespace Qt::StringLiterals;

namespace qm {
namespace {

enum class Emblem { Star, Picture, None };

Emblem emblemOf(const Seal &s)
{
    if (!s.HaveImage())
        return Emblem::None;
    return s.ImageIsStar() ? Emblem::Star : Emblem::Picture;
}

QString pick(Emblem e, const QString &star, const QString &picture, const QString &none)
{
    return e == Emblem::Star ? star : e == Emblem::Picture ? picture : none;
}

bool isEllipseOfLine(const Seal &s, int line)
{
    switch (line) {
    case 0:
        return s.IsEllipse();
    case 1:
        return s.IsEllipse1();
    case 2:
        return s.IsEllipse2();
    default:
        return s.IsEllipse3();
    }
}

} // namespace

QString generalMask(const Seal *seal)
{
    if (!seal)
        return QString(50, u'0');
    const Seal &s = *seal;
    const int kind = int(s.SealType());
    const Emblem emblem = emblemOf(s);
    const FrameType frame = s.NameSealFrameType();
    const bool ellipse = frame == FrameType::ftEllipse;

    if (kind <= int(SealType::stRect)) {
        const QString a = pick(emblem, u"11111110011"_s, u"11011111111"_s, u"11000000011"_s);
        const QString b = ellipse ? u"1111111110"_s : u"0111111111"_s;
        const QString c = s.CodeOn() ? u"0"_s : u"1"_s;
        const QString d = ellipse ? u"111111000000"_s : u"011111000000"_s;
        const QString e = frame == FrameType::ftRoundRect || frame == FrameType::ftDiamond ? u"1"_s : u"0"_s;
        const QString head = kind == int(SealType::stRect) ? u"111111011111111"_s : u"111111011000000"_s;
        return head + a + b + c + d + e;
    }
    switch (SealType(kind)) {
    case SealType::stEllipse:
    case SealType::stEpsCL:
        return u"11111001111111111"_s +
               pick(emblem, u"1111100111111111110"_s, u"0111111111111111110"_s, u"0000000111111111110"_s) +
               (s.CodeOn() ? u"01111110000000"_s : u"11111110000000"_s);
    case SealType::stTriangle:
    case SealType::stRhomb:
        return u"11111001111111111"_s +
               pick(emblem, u"1111100110111111111"_s, u"0111111110111111111"_s, u"0000000110111111111"_s) +
               (s.CodeOn() ? u"00111110000000"_s : u"10111110000000"_s);
    case SealType::stHorzLine:
        return u"11110000000000000000000000000000000000000000000000"_s;
    case SealType::stVertLine:
        return u"11101000000000000000000000000000000000000000000000"_s;
    case SealType::stAnyAngleLine:
        return u"11111000000000000000000000000000000000000000000001"_s;
    case SealType::stArc:
        return u"11111011100000000000000000000000000000000000000000"_s;
    case SealType::stHorzText:
    case SealType::stEllipseText:
        return u"11000000000000000000000000000010000000000000000000"_s;
    case SealType::stAnyAngleText:
        return u"11000000000000000000000000000000000000000000000000"_s;
    case SealType::stFiveStar:
        return u"11000000000000000111000000000000000000000000000000"_s;
    case SealType::stCell:
        return u"11000000000000000000000000000000000000000001111110"_s;
    case SealType::stAnyImage:
        return u"11000000000000000111001100000000000000000000000000"_s;
    default:
        return QString(50, u'0');
    }
}

QString textMask(const Seal *seal, int line)
{
    const QString none(18, u'0');
    if (!seal)
        return none;
    const int kind = int(seal->SealType());
    if (kind >= int(SealType::stRect) && kind <= int(SealType::stRhomb) && line >= 0 && line <= 3)
        return u"11111111"_s + (isEllipseOfLine(*seal, line) ? u"0111110011"_s : u"1011111110"_s);
    if (line == 0) {
        if (kind <= int(SealType::stName111))
            return u"111111110011110000"_s;
        switch (SealType(kind)) {
        case SealType::stHorzText:
            return u"111111001011111100"_s;
        case SealType::stEllipseText:
            return u"111111000111110001"_s;
        case SealType::stAnyAngleText:
            return u"111111000111110000"_s;
        default:
            return none;
        }
    }
    // The odd cell of the three-character name seals has a size of its own.
    if (line == 1 && kind >= int(SealType::stName12) && kind <= int(SealType::stName21A))
        return u"000011000000000000"_s;
    return none;
}

} // namespace qm
