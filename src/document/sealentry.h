#pragma once

#include "seal/sealpicture.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace qm {

class BinaryReader;
class DecodeBudget;
class SealDocument;
class Seal;

// Documents and library items store seals as they are; the internal clipboard stores them
// 2 mm right of and below, so that a paste lands beside the copied seals.
enum class SealFlavour { File, Stream };

constexpr int SealRecordSize = 660;
// A record, six empty counted texts and a picture flag.
constexpr int MinSealEntrySize = SealRecordSize + 6 * 4 + 1;

// The stored kind code of a picture: 0 bitmap, 1 JPEG, 2 metafile, 3 icon, 4 GIF, 255 other.
std::uint8_t pictureKindCode(const SealPicture &picture);
// The picture kind for codes 0 ... 4; nothing for any other code.
std::optional<SealPicture::Kind> pictureKindFromCode(std::uint8_t code);

// The 660-byte seal record of a seal.
QByteArray sealRecord(const Seal &seal, SealFlavour flavour);
// Appends one seal entry: the record, the six counted texts and the picture block.
void writeSeal(QByteArray &out, const Seal &seal, SealFlavour flavour);

// Fills a new seal from one seal entry: PixelsPerMm and listener from the document, the record
// fields through their setters in record order, the texts, the picture, then the page's zoom.
// Returns false, with the reader failed or the seal half-filled, when the entry is truncated,
// holds a value beyond its property's range or a picture that cannot be decoded as its kind or
// within *budget (which the entries of one document share; one picture's limits without it);
// *why then says which ("SealType 24 is outside 0 ... 23") and the caller throws the seal away.
bool readSeal(BinaryReader &in, Seal &seal, const SealDocument &document, QString *why = nullptr,
              DecodeBudget *budget = nullptr);

// The record size of a legacy document version (5, 6 or 7).
int legacyRecordSize(int version);
// Fills a new seal from a legacy entry (record and texts, no picture block). The picture comes
// from the file named by Image, resolved against pictureFolder when relative, and only when it
// is a regular file that decodes as a picture. A picture beyond what is left of *budget fails
// the entry, so that many seals naming one large file cannot exhaust memory.
bool readLegacySeal(BinaryReader &in, Seal &seal, int version, const SealDocument &document,
                    const QString &pictureFolder, QString *why = nullptr, DecodeBudget *budget = nullptr);

} // namespace qm
