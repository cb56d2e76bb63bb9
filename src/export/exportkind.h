#pragma once

#include "export/exporterror.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>

class QIODevice;

namespace qm {

struct ExportLayout;
class Seal;

// The kinds of exported picture. The first five are the option byte's values; the raster
// kinds with an alpha channel and the vector kinds come after them.
enum class ExportKind { Emf = 1, Jpeg = 2, Gif = 3, Tiff = 4, Bmp = 5, Png, Svg, Pdf };

// One row of the export kinds: how the kind is named, offered and written. A raster kind writes
// the rendered picture at its resolution; a vector kind draws the seals itself.
struct ExportKindInfo {
    ExportKind kind;
    QStringView extension; // the required one, with its dot, lower case
    const char *filter;    // the save dialog's "text|pattern", the source text of its translation
    ExportError (*writeRaster)(const QImage &picture, long double pixelsPerMm, QIODevice *device);
    ExportError (*writeVector)(const QList<const Seal *> &seals, const ExportLayout &layout, bool mirror,
                               QIODevice *device);

    bool isVector() const { return writeVector != nullptr; }
};

// Every kind, in the enumeration's order.
std::span<const ExportKindInfo> exportKinds();
const ExportKindInfo &exportKindInfo(ExportKind kind);

// The kind an option byte names: 1 … 4 as listed, any other value a bitmap.
ExportKind exportKindFromOption(std::uint8_t value);
// The kind of an options record that has the later kinds' byte: 6 PNG, 7 SVG, 8 PDF there win;
// any other value leaves the kind to the option byte (0 from a record without that byte).
ExportKind exportKindFromOptions(std::uint8_t value, std::uint8_t laterKind);

// The kinds the options dialog of that record version offers: the five of the option byte,
// and from version 2 every kind.
QList<ExportKind> offeredExportKinds(int recordVersion);

// The required extension with its dot, lower case: ".emf", ".jpg", ".gif", ".tiff", ".bmp" …
QString exportKindExtension(ExportKind kind);
// The short name users know the kind by: "EMF", "JPG", "TIFF", "PNG" …
QString exportKindName(ExportKind kind);

// The save dialog's filter, "text|pattern".
QString exportKindFilter(ExportKind kind);

// True for the kinds drawn as vectors rather than from the raster picture.
bool isVectorKind(ExportKind kind);

// The kind for a file extension without its dot, case-insensitively ("tif" and "jpeg" too).
std::optional<ExportKind> exportKindFromExtension(const QString &extension);

// The name a file is written under: when the lower-cased extension of `chosen` is not the
// kind's, the name's own extension (possibly none) is dropped and the kind's appended.
QString exportFileName(const QString &chosen, ExportKind kind);

// The file and the kind a typed name asks for.
struct ExportFileChoice {
    QString fileName; // empty: nothing chosen
    ExportKind kind = ExportKind::Bmp;
    bool operator==(const ExportFileChoice &) const = default;
};

// A name ending in an extension of another of the `offered` kinds (any of its spellings) is
// written as that kind, under that kind's extension: "seal.png" for an EMF export is a PNG. Any
// other name follows exportFileName for `kind`: "seal" and "seal.txt" get its extension, "a.tif"
// of a TIFF export becomes "a.tiff".
ExportFileChoice exportFileChoice(const QString &typed, ExportKind kind, const QList<ExportKind> &offered);

} // namespace qm
