#include "document/sealentry.h"

#include "document/binaryreader.h"
#include "document/binarywriter.h"
#include "document/sealdocument.h"
#include "document/seallimits.h"
#include "seal/gbk.h"
#include "seal/sealpropertytable.h"
#include "seal/tseal.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr int FontSlotsOffset = 295;
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
    case SealProperty::Type::String:
    case SealProperty::Type::Picture:
        break;
    }
}

int fontSlotIndex(const SealProperty &p)
{
    return (p.recordOffset - FontSlotsOffset) / 64;
}

// A slot goes in and out with all 64 bytes, so what follows the name survives a round trip.
void applyField(TSeal &seal, const SealProperty &p, const QVariant &v)
{
    if (p.type == SealProperty::Type::FontSlot) {
        const QByteArray raw = v.toByteArray();
        FontSlot slot{};
        std::memcpy(slot.data(), raw.constData(), size_t(std::min<qsizetype>(raw.size(), 64)));
        seal.setFontSlot(fontSlotIndex(p), slot);
        return;
    }
    p.set(seal, v);
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

bool readTexts(BinaryReader &in, TSeal &seal)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 6; ++i) {
        const qint32 n = in.int32();
        if (!in.ok() || n < 0 || n > SealLimits::MaxTextBytes || !in.has(n))
            return false;
        texts.append(in.bytes(n).toByteArray());
    }
    const auto &fields = sealTextFields();
    for (int i = 0; i < 6; ++i)
        fields[i]->set(seal, texts[i]);
    return true;
}

bool applyDecoded(TSeal &seal, const QList<DecodedField> &fields)
{
    for (const DecodedField &f : fields)
        if (!sealValueWithinLimits(*f.property, f.value))
            return false;
    for (const DecodedField &f : fields)
        applyField(seal, *f.property, f.value);
    return true;
}

} // namespace

std::uint8_t PictureKindCode(const SealPicture &picture)
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

QByteArray sealRecord(const TSeal &seal, SealFlavour flavour)
{
    QByteArray record(SealRecordSize, '\0');
    QByteArray field;
    for (const SealProperty *p : sealRecordFields()) {
        field.clear();
        if (p->type == SealProperty::Type::FontSlot) {
            const FontSlot &slot = seal.fontSlot(fontSlotIndex(*p));
            field = QByteArray(slot.data(), qsizetype(slot.size()));
        } else {
            QVariant v = p->get(seal);
            if (flavour == SealFlavour::Stream
                && (p->recordOffset == RealCenterXOffset || p->recordOffset == RealCenterYOffset))
                v = QVariant::fromValue(float(double(v.toFloat()) + 2.0));
            BinaryWriter w(&field);
            encodeField(*p, v, w);
        }
        record.replace(p->recordOffset, field.size(), field);
    }
    return record;
}

void WriteSeal(QByteArray &out, const TSeal &seal, SealFlavour flavour)
{
    out.append(sealRecord(seal, flavour));
    BinaryWriter w(&out);
    for (const SealProperty *p : sealTextFields())
        w.countedText(p->get(seal).toByteArray());
    const SealPicture &picture = seal.Picture();
    w.boolean(picture.hasGraphic());
    if (picture.hasGraphic()) {
        w.byte(PictureKindCode(picture));
        w.int64(picture.bytes().size());
        w.bytes(picture.bytes());
    }
}

bool ReadSeal(BinaryReader &in, TSeal &seal, const SealDocument &document, DecodeBudget *budget)
{
    seal.setListener(document.sealListener());
    seal.SetPixelsPerMm(document.screenPixelsPerMm());

    const QByteArrayView record = in.bytes(SealRecordSize);
    if (!in.ok())
        return false;
    QList<DecodedField> fields;
    for (const SealProperty *p : sealRecordFields()) {
        BinaryReader r(record.sliced(p->recordOffset));
        fields.append({p, decodeField(*p, r)});
        if (!r.ok())
            return false;
    }
    if (!applyDecoded(seal, fields) || !readTexts(in, seal))
        return false;

    const bool hasPicture = in.boolean();
    if (!in.ok())
        return false;
    if (hasPicture) {
        const auto kind = pictureKindFromCode(in.byte());
        const qint64 length = in.int64();
        if (!in.ok() || !kind || length < 0 || length > SealLimits::MaxPictureBytes || !in.has(length))
            return false;
        const SealPicture picture = SealPicture::fromData(in.bytes(length).toByteArray(), nullptr, budget);
        // A graphic of one kind cannot load the bytes of another.
        if (!picture.hasGraphic() || picture.kind() != *kind)
            return false;
        seal.SetPicture(picture);
    }
    seal.SetZoom(document.page().Zoom());
    return true;
}

int legacyRecordSize(int version)
{
    return version == 5 ? 295 : version == 6 ? 615 : 635;
}

bool ReadLegacySeal(BinaryReader &in, TSeal &seal, int version, const SealDocument &document,
                    const QString &pictureFolder, DecodeBudget *budget)
{
    seal.setListener(document.sealListener());
    seal.SetPixelsPerMm(document.screenPixelsPerMm());

    const int size = legacyRecordSize(version);
    const QByteArrayView record = in.bytes(size);
    if (!in.ok())
        return false;
    QList<DecodedField> fields;
    for (const SealProperty *p : sealRecordFields()) {
        const int at = legacyOffset(p->recordOffset, size);
        if (at < 0)
            continue;
        BinaryReader r(record.sliced(at));
        fields.append({p, decodeField(*p, r)});
        if (!r.ok())
            return false;
    }
    for (const DecodedField &f : fields)
        if (!sealValueWithinLimits(*f.property, f.value))
            return false;
    // Legacy records hold the left and top edges; the seal keeps its centre.
    for (const DecodedField &f : fields) {
        if (f.property->recordOffset == RealCenterXOffset)
            seal.SetRealCenterX(float(seal.RealWidth() / 2.0L + f.value.toFloat()));
        else if (f.property->recordOffset == RealCenterYOffset)
            seal.SetRealCenterY(float(seal.RealHeight() / 2.0L + f.value.toFloat()));
        else
            applyField(seal, *f.property, f.value);
    }
    seal.SetPicClrChange(false);
    if (!readTexts(in, seal))
        return false;

    QString path = Gbk::toUnicode(seal.Image());
    if (!path.isEmpty()) {
        path.replace(u'\\', u'/');
        if (QFileInfo(path).isRelative())
            path = pictureFolder.isEmpty() ? QString() : QDir(pictureFolder).absoluteFilePath(path);
        const QFileInfo info(path);
        if (!path.isEmpty() && info.exists() && info.isFile()) {
            const SealPicture picture = SealPicture::fromFile(path, nullptr, budget);
            if (picture.hasGraphic())
                seal.SetPicture(picture);
            else if (budget && budget->exhausted())
                return false;
        }
    }
    seal.SetZoom(document.page().Zoom());
    return true;
}

} // namespace qm
