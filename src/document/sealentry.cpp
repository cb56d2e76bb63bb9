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
#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

constexpr int RealCenterXOffset = 287;
constexpr int RealCenterYOffset = 291;

// A record field as read: a number for every number row, the slot's 64 bytes for a font slot.
struct DecodedField {
    const SealProperty *property;
    double number = 0;
    QByteArrayView slot;
};

// Reads the field at the start of `at` into f; false when the record ends before it does.
bool decodeField(DecodedField &f, QByteArrayView at)
{
    BinaryReader r(at);
    switch (f.property->type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
        f.number = r.byte();
        break;
    case SealProperty::Type::Color:
        f.number = r.uint32();
        break;
    case SealProperty::Type::Bool:
        f.number = r.boolean() ? 1 : 0;
        break;
    case SealProperty::Type::Float:
        f.number = r.single();
        break;
    case SealProperty::Type::Int:
        f.number = r.int32();
        break;
    case SealProperty::Type::FontSlot:
        f.slot = r.bytes(64);
        break;
    case SealProperty::Type::String:
    case SealProperty::Type::Picture:
        r.fail();
        break;
    }
    return r.ok();
}

void applyField(const DecodedField &f, Seal &seal)
{
    if (f.property->isNumber())
        f.property->setNumber(seal, f.number);
    else
        f.property->set(seal, f.slot.toByteArray());
}

// Writes the little-endian fields of a seal record in place: undo snapshots write a record for
// every seal an edit touches, twice.
class RecordWriter
{
public:
    explicit RecordWriter(char *at) : m_at(at) {}

    void byte(std::uint8_t v) { *m_at++ = char(v); }
    void boolean(bool v) { byte(v ? 1 : 0); }
    void uint32(std::uint32_t v)
    {
        qToLittleEndian(v, m_at);
        m_at += 4;
    }
    void int32(std::int32_t v) { uint32(std::uint32_t(v)); }
    void single(float v) { uint32(std::bit_cast<std::uint32_t>(v)); }
    // A face slot: its 64 bytes, NULs after a shorter value.
    void slot(const QByteArray &b)
    {
        constexpr qsizetype SlotSize = 64;
        const qsizetype n = std::min(b.size(), SlotSize);
        std::memcpy(m_at, b.constData(), size_t(n));
        std::memset(m_at + n, 0, size_t(SlotSize - n));
        m_at += SlotSize;
    }
    const char *position() const { return m_at; }

private:
    char *m_at;
};

void encodeField(const SealProperty &p, const Seal &seal, RecordWriter &w)
{
    if (p.type == SealProperty::Type::FontSlot) {
        // A slot goes out with all 64 bytes, so what follows the name survives a round trip.
        w.slot(p.get(seal).toByteArray());
        return;
    }
    if (!p.isNumber())
        return;
    const double v = p.getNumber(seal);
    switch (p.type) {
    case SealProperty::Type::SealType:
    case SealProperty::Type::BrushStyle:
    case SealProperty::Type::FrameType:
        w.byte(std::uint8_t(int(v)));
        break;
    case SealProperty::Type::Color:
        w.uint32(std::uint32_t(v));
        break;
    case SealProperty::Type::Bool:
        w.boolean(v != 0);
        break;
    case SealProperty::Type::Float:
        w.single(float(v));
        break;
    case SealProperty::Type::Int:
        w.int32(std::int32_t(v));
        break;
    default:
        break;
    }
}

// The fields of one record, on the stack: a document reads thousands.
using DecodedFields = QVarLengthArray<DecodedField, 128>;

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
    std::array<QByteArrayView, 6> texts;
    const auto &fields = sealTextFields();
    Q_ASSERT(fields.size() == qsizetype(texts.size()));
    for (size_t i = 0; i < texts.size(); ++i) {
        const SealProperty *p = fields[qsizetype(i)];
        const qint32 n = in.int32();
        if (!in.ok())
            return refuse(why, u"%1 is cut short"_s.arg(p->qname()));
        if (n < 0)
            return refuse(why, u"%1 has the negative length %2"_s.arg(p->qname()).arg(n));
        if (const QString reason = sealLengthRefusal(*p, n); !reason.isEmpty())
            return refuse(why, reason);
        if (!in.has(n))
            return refuse(why, u"%1 is cut short"_s.arg(p->qname()));
        texts[i] = in.bytes(n);
    }
    for (size_t i = 0; i < texts.size(); ++i)
        fields[qsizetype(i)]->set(seal, texts[i].toByteArray());
    return true;
}

// Every field is checked before any is applied. A stored face slot is 64 bytes whatever it
// holds: painting names the face by the bytes before a NUL.
bool fieldsWithinLimits(const DecodedFields &fields, QString *why)
{
    for (const DecodedField &f : fields) {
        if (f.property->isNumber() && !sealNumberAcceptable(*f.property, f.number))
            return refuse(why, sealNumberRefusal(*f.property, f.number));
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
    // The fields tile the record in offset order, so each is written where the last ended.
    QByteArray record(SealRecordSize, Qt::Uninitialized);
    RecordWriter w(record.data());
    for (const SealProperty *p : sealRecordFields()) {
        Q_ASSERT(w.position() == record.constData() + p->recordOffset);
        if (flavour == SealFlavour::Stream &&
            (p->recordOffset == RealCenterXOffset || p->recordOffset == RealCenterYOffset))
            w.single(float(double(float(p->getNumber(seal))) + 2.0));
        else
            encodeField(*p, seal, w);
    }
    Q_ASSERT(w.position() == record.constData() + SealRecordSize);
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
    DecodedFields fields;
    for (const SealProperty *p : sealRecordFields()) {
        fields.append(DecodedField{p, 0, {}});
        if (!decodeField(fields.back(), record.sliced(p->recordOffset)))
            return refuse(why, u"the seal record is cut short"_s);
    }
    if (!fieldsWithinLimits(fields, why))
        return false;
    // A setter may derive an earlier field from a later one (a text block's height from its row
    // count): the second pass puts back what the first pass let later fields overwrite, and is
    // a no-op for every field that already holds its stored value.
    for (int pass = 0; pass < 2; ++pass)
        for (const DecodedField &f : fields)
            applyField(f, seal);
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
    DecodedFields fields;
    for (const SealProperty *p : sealRecordFields()) {
        const int at = legacyOffset(p->recordOffset, size);
        if (at < 0)
            continue;
        fields.append(DecodedField{p, 0, {}});
        if (!decodeField(fields.back(), record.sliced(at)))
            return refuse(why, u"the seal record is cut short"_s);
    }
    if (!fieldsWithinLimits(fields, why))
        return false;
    // Legacy records hold the left and top edges; the seal keeps its centre. Two passes, as for
    // current records.
    for (int pass = 0; pass < 2; ++pass) {
        for (const DecodedField &f : fields) {
            if (f.property->recordOffset == RealCenterXOffset)
                seal.setRealCenterX(float(seal.RealWidth() / 2.0L + float(f.number)));
            else if (f.property->recordOffset == RealCenterYOffset)
                seal.setRealCenterY(float(seal.RealHeight() / 2.0L + float(f.number)));
            else
                applyField(f, seal);
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
