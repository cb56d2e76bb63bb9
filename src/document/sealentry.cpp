#include "document/sealentry.h"

#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/seallimits.h"
#include "seal/sealpropertytable.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr int RealCenterXOffset = 287;
constexpr int RealCenterYOffset = 291;

QVariant decodeField(const SealProperty &p, BinaryReader &r)
{
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
        return int(r.byte());
    case SealProperty::Type::Color:
        return QVariant::fromValue(uint(r.uint32()));
    case SealProperty::Type::Bool:
        return r.boolean();
    case SealProperty::Type::Float:
        return QVariant::fromValue(r.single());
    case SealProperty::Type::Int:
        return int(r.int32());
    case SealProperty::Type::FontSlot:
        return r.bytes(64).toByteArray();
    case SealProperty::Type::String:
    case SealProperty::Type::Picture:
        break;
    }
    r.fail();
    return {};
}

void encodeField(const SealProperty &p, const QVariant &v, BinaryWriter &w)
{
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
        w.byte(std::uint8_t(v.toInt()));
        break;
    case SealProperty::Type::Color:
        w.uint32(v.toUInt());
        break;
    case SealProperty::Type::Bool:
        w.boolean(v.toBool());
        break;
    case SealProperty::Type::Float:
        w.single(v.toFloat());
        break;
    case SealProperty::Type::Int:
        w.int32(v.toInt());
        break;
    case SealProperty::Type::FontSlot:
        // A slot goes out with all 64 bytes, so what follows the name survives a round trip.
        w.bytes(v.toByteArray());
        break;
    case SealProperty::Type::String:
    case SealProperty::Type::Picture:
        break;
    }
}

struct DecodedField {
    const SealProperty *property;
    QVariant value;
};

// Offset of a version 8 field in a legacy record of the given size; -1 when it is not there.
int legacyOffset(int offset, int recordSize)
{
    int at = -1;
    if (offset == 0 || offset == 1)
        at = offset; // SealType, PenColor
    else if (offset == 9)
        at = 5; // BrushStyle; there is no BrushColor
    else if (offset >= 10 && offset <= 240)
        at = offset - 4;
    else if (offset >= 241 && offset < 635)
        at = offset;
    return at >= 0 && at < recordSize ? at : -1;
}

bool refuse(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
    return false;
}

bool readTexts(BinaryReader &in, Seal &seal, QString *why)
{
    QList<QByteArray> texts;
    const auto &fields = sealTextFields();
    for (const SealProperty *p : fields) {
        const qint32 n = in.int32();
        if (!in.ok())
            return refuse(why, u"%1 is cut short"_s.arg(p->qname()));
        if (n < 0)
            return refuse(why, u"%1 has the negative length %2"_s.arg(p->qname()).arg(n));
        if (const QString reason = sealLengthRefusal(*p, n); !reason.isEmpty())
            return refuse(why, reason);
        if (!in.has(n))
            return refuse(why, u"%1 is cut short"_s.arg(p->qname()));
        texts.append(in.bytes(n).toByteArray());
    }
    for (int i = 0; i < 6; ++i)
        fields[i]->set(seal, texts[i]);
    return true;
}

// Every field is checked before any is applied. A stored face slot is 64 bytes whatever it
// holds: painting names the face by the bytes before a NUL.
bool fieldsWithinLimits(const QList<DecodedField> &fields, QString *why)
{
    for (const DecodedField &f : fields) {
        if (f.property->type == SealProperty::Type::FontSlot)
            continue;
        if (const QString reason = sealValueRefusal(*f.property, f.value); !reason.isEmpty())
            return refuse(why, reason);
    }
    return true;
}

} // namespace

std::uint8_t pictureKindCode(const SealPicture &picture)
{
    switch (picture.kind()) {
    case SealPicture::Kind::Bitmap:
    case SealPicture::Kind::Jpeg:
    case SealPicture::Kind::Metafile:
    case SealPicture::Kind::Icon:
    case SealPicture::Kind::Gif:
        return std::uint8_t(picture.kind());
    default:
        return 255;
    }
}

std::optional<SealPicture::Kind> pictureKindFromCode(std::uint8_t code)
{
    if (code > std::uint8_t(SealPicture::Kind::Gif))
        return std::nullopt;
    return SealPicture::Kind(code);
}

QByteArray sealRecord(const Seal &seal, SealFlavour flavour)
{
    QByteArray record(SealRecordSize, '\0');
    QByteArray field;
    for (const SealProperty *p : sealRecordFields()) {
        field.clear();
        QVariant v = p->get(seal);
        if (flavour == SealFlavour::Stream &&
            (p->recordOffset == RealCenterXOffset || p->recordOffset == RealCenterYOffset))
            v = QVariant::fromValue(float(double(v.toFloat()) + 2.0));
        BinaryWriter w(&field);
        encodeField(*p, v, w);
        record.replace(p->recordOffset, field.size(), field);
    }
    return record;
}

void writeSeal(QByteArray &out, const Seal &seal, SealFlavour flavour)
{
    out.append(sealRecord(seal, flavour));
    BinaryWriter w(&out);
    for (const SealProperty *p : sealTextFields())
        w.countedText(p->get(seal).toByteArray());
    const SealPicture &picture = seal.Picture();
    w.boolean(picture.hasGraphic());
    if (picture.hasGraphic()) {
        w.byte(pictureKindCode(picture));
        w.int64(picture.bytes().size());
        w.bytes(picture.bytes());
    }
}

bool readSeal(BinaryReader &in, Seal &seal, const SealDocument &document, QString *why, DecodeBudget *budget)
{
    seal.setListener(document.sealListener());
    seal.setPixelsPerMm(document.screenPixelsPerMm());

    const QByteArrayView record = in.bytes(SealRecordSize);
    if (!in.ok())
        return refuse(why, u"the seal record is cut short"_s);
    QList<DecodedField> fields;
    fields.reserve(sealRecordFields().size());
    for (const SealProperty *p : sealRecordFields()) {
        BinaryReader r(record.sliced(p->recordOffset));
        fields.append({p, decodeField(*p, r)});
        if (!r.ok())
            return refuse(why, u"the seal record is cut short"_s);
    }
    if (!fieldsWithinLimits(fields, why))
        return false;
    // A setter may derive an earlier field from a later one (a text block's height from its row
    // count): the second pass puts back what the first pass let later fields overwrite, and is
    // a no-op for every field that already holds its stored value.
    for (int pass = 0; pass < 2; ++pass)
        for (const DecodedField &f : fields)
            f.property->set(seal, f.value);
    if (!readTexts(in, seal, why))
        return false;

    const bool hasPicture = in.boolean();
    if (!in.ok())
        return refuse(why, u"the picture block is cut short"_s);
    if (hasPicture) {
        const std::uint8_t code = in.byte();
        const qint64 length = in.int64();
        if (!in.ok())
            return refuse(why, u"the picture block is cut short"_s);
        const auto kind = pictureKindFromCode(code);
        if (!kind)
            return refuse(why, u"picture kind code %1 is none of 0 ... 4"_s.arg(code));
        if (length < 0)
            return refuse(why, u"Picture has the negative length %1"_s.arg(length));
        if (const QString reason = sealLengthRefusal(*findSealProperty(u"Picture"), length); !reason.isEmpty())
            return refuse(why, reason);
        if (!in.has(length))
            return refuse(why, u"Picture is cut short"_s);
        QString reason;
        const SealPicture picture = SealPicture::fromData(in.bytes(length).toByteArray(), &reason, budget);
        // A graphic of one kind cannot load the bytes of another.
        if (!picture.hasGraphic() || picture.kind() != *kind)
            return refuse(why, reason.isEmpty() || picture.hasGraphic()
                                   ? u"the picture cannot be decoded as kind %1"_s.arg(code)
                                   : u"the picture cannot be decoded as kind %1 (%2)"_s.arg(code).arg(reason));
        seal.setPicture(picture);
    }
    seal.setZoom(document.page().zoom());
    return true;
}

int legacyRecordSize(int version)
{
    return version == 5 ? 295 : version == 6 ? 615 : 635;
}

bool readLegacySeal(BinaryReader &in, Seal &seal, int version, const SealDocument &document,
                    const QString &pictureFolder, QString *why, DecodeBudget *budget)
{
    seal.setListener(document.sealListener());
    seal.setPixelsPerMm(document.screenPixelsPerMm());

    const int size = legacyRecordSize(version);
    const QByteArrayView record = in.bytes(size);
    if (!in.ok())
        return refuse(why, u"the seal record is cut short"_s);
    QList<DecodedField> fields;
    fields.reserve(sealRecordFields().size());
    for (const SealProperty *p : sealRecordFields()) {
        const int at = legacyOffset(p->recordOffset, size);
        if (at < 0)
            continue;
        BinaryReader r(record.sliced(at));
        fields.append({p, decodeField(*p, r)});
        if (!r.ok())
            return refuse(why, u"the seal record is cut short"_s);
    }
    if (!fieldsWithinLimits(fields, why))
        return false;
    // Legacy records hold the left and top edges; the seal keeps its centre. Two passes, as for
    // current records.
    for (int pass = 0; pass < 2; ++pass) {
        for (const DecodedField &f : fields) {
            if (f.property->recordOffset == RealCenterXOffset)
                seal.setRealCenterX(float(seal.RealWidth() / 2.0L + f.value.toFloat()));
            else if (f.property->recordOffset == RealCenterYOffset)
                seal.setRealCenterY(float(seal.RealHeight() / 2.0L + f.value.toFloat()));
            else
                f.property->set(seal, f.value);
        }
    }
    seal.setPicClrChange(false);
    if (!readTexts(in, seal, why))
        return false;

    QString path = Gbk::toUnicode(seal.Image());
    if (!path.isEmpty()) {
        path.replace(u'\\', u'/');
        if (QFileInfo(path).isRelative())
            path = pictureFolder.isEmpty() ? QString() : QDir(pictureFolder).absoluteFilePath(path);
        // A picture that is missing or no regular file is left out, as an unreadable one is.
        if (!path.isEmpty()) {
            const SealPicture picture = SealPicture::fromFile(path, nullptr, budget);
            if (picture.hasGraphic())
                seal.setPicture(picture);
            else if (budget && budget->exhausted())
                return refuse(why, u"the pictures of the document exceed what may be decoded at %1"_s.arg(path));
        }
    }
    seal.setZoom(document.page().zoom());
    return true;
}

} // namespace qm
