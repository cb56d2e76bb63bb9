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
    QStringView filter;    // the save dialog's "text|pattern"
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

// The required extension with its dot, lower case: ".emf", ".jpg", ".gif", ".tiff", ".bmp" …
QString exportKindExtension(ExportKind kind);

// The save dialog's filter, "text|pattern".
QString exportKindFilter(ExportKind kind);

// True for the kinds drawn as vectors rather than from the raster picture.
bool isVectorKind(ExportKind kind);

// The kind for a file extension without its dot, case-insensitively ("tif" and "jpeg" too).
std::optional<ExportKind> exportKindFromExtension(const QString &extension);

// The name a file is written under: when the lower-cased extension of `chosen` is not the
// kind's, the name's own extension (possibly none) is dropped and the kind's appended.
QString exportFileName(const QString &chosen, ExportKind kind);

} // namespace qm
