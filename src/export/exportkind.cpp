#include "export/exportkind.h"

#include "export/bmpwriter.h"
#include "export/emfwriter.h"
#include "export/gifwriter.h"
#include "export/jpegwriter.h"
#include "export/pdfwriter.h"
#include "export/pngwriter.h"
#include "export/svgwriter.h"
#include "export/tiffwriter.h"
#include "seal/sealtypes.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

// The resolution each file kind states: JPEG in dots per inch, bitmaps and PNG per metre.
int perInch(long double pixelsPerMm)
{
    return roundHalfEven(pixelsPerMm * 25.4L);
}

int perMetre(long double pixelsPerMm)
{
    return roundHalfEven(pixelsPerMm * 1000);
}

const ExportKindInfo Kinds[] = {
    {ExportKind::Emf, u".emf", QT_TRANSLATE_NOOP("Export", "Windows矢量图(*.emf)|*.emf"),
     [](const QImage &p, long double ppm, QIODevice *d) { return EmfWriter::write(p, d, ppm); }, nullptr},
    {ExportKind::Jpeg, u".jpg", QT_TRANSLATE_NOOP("Export", "JPEG压缩影像(*.jpg)|*.jpg"),
     [](const QImage &p, long double ppm, QIODevice *d) { return JpegWriter::write(p, d, perInch(ppm)); }, nullptr},
    {ExportKind::Gif, u".gif", QT_TRANSLATE_NOOP("Export", "CompuServe GIF(*.gif)|*.gif"),
     [](const QImage &p, long double, QIODevice *d) { return GifWriter::write(p, d); }, nullptr},
    {ExportKind::Tiff, u".tiff", QT_TRANSLATE_NOOP("Export", "Tag影像(*.tiff)|*.tiff"),
     [](const QImage &p, long double, QIODevice *d) { return TiffWriter::write(p, d); }, nullptr},
    {ExportKind::Bmp, u".bmp", QT_TRANSLATE_NOOP("Export", "Windows位图(*.bmp)|*.bmp"),
     [](const QImage &p, long double ppm, QIODevice *d) { return BmpWriter::write(p, d, perMetre(ppm)); }, nullptr},
    {ExportKind::Png, u".png", QT_TRANSLATE_NOOP("Export", "PNG透明图象(*.png)|*.png"),
     [](const QImage &p, long double ppm, QIODevice *d) { return PngWriter::write(p, d, perMetre(ppm)); }, nullptr},
    {ExportKind::Svg, u".svg", QT_TRANSLATE_NOOP("Export", "SVG矢量图(*.svg)|*.svg"), nullptr, &SvgWriter::write},
    {ExportKind::Pdf, u".pdf", QT_TRANSLATE_NOOP("Export", "PDF文档(*.pdf)|*.pdf"), nullptr, &PdfWriter::write},
};

} // namespace

std::span<const ExportKindInfo> exportKinds()
{
    return Kinds;
}

const ExportKindInfo &exportKindInfo(ExportKind kind)
{
    for (const ExportKindInfo &k : Kinds)
        if (k.kind == kind)
            return k;
    return Kinds[4]; // not an enumerator: a bitmap, as for an unknown option byte
}

ExportKind exportKindFromOption(std::uint8_t value)
{
    // Only 1 … 4 name a kind; every other value, 5 included, is a bitmap.
    return value >= 1 && value <= 4 ? ExportKind(value) : ExportKind::Bmp;
}

ExportKind exportKindFromOptions(std::uint8_t value, std::uint8_t laterKind)
{
    switch (laterKind) {
    case std::uint8_t(ExportKind::Png):
    case std::uint8_t(ExportKind::Svg):
    case std::uint8_t(ExportKind::Pdf):
        return ExportKind(laterKind);
    default:
        return exportKindFromOption(value);
    }
}

QList<ExportKind> offeredExportKinds(int recordVersion)
{
    QList<ExportKind> kinds;
    for (const ExportKindInfo &k : Kinds)
        if (recordVersion >= 2 || k.kind <= ExportKind::Bmp)
            kinds.append(k.kind);
    return kinds;
}

QString exportKindExtension(ExportKind kind)
{
    return exportKindInfo(kind).extension.toString();
}

QString exportKindName(ExportKind kind)
{
    return exportKindInfo(kind).extension.mid(1).toString().toUpper();
}

QString exportKindFilter(ExportKind kind)
{
    return QCoreApplication::translate("Export", exportKindInfo(kind).filter);
}

bool isVectorKind(ExportKind kind)
{
    return exportKindInfo(kind).isVector();
}

std::optional<ExportKind> exportKindFromExtension(const QString &extension)
{
    const QString e = u'.' + extension.toLower();
    for (const ExportKindInfo &k : Kinds)
        if (e == k.extension)
            return k.kind;
    if (e == u".jpeg"_s)
        return ExportKind::Jpeg;
    if (e == u".tif"_s)
        return ExportKind::Tiff;
    return std::nullopt;
}

namespace {

// The extension with its dot: what follows the last dot of the last path component.
QString ownExtension(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > slash ? name.mid(dot) : QString();
}

} // namespace

QString exportFileName(const QString &chosen, ExportKind kind)
{
    const QString ext = exportKindExtension(kind);
    const QString own = ownExtension(chosen);
    const qsizetype dot = chosen.size() - own.size();
    if (own.toLower() == ext)
        return chosen;
    return chosen.left(dot) + ext;
}

ExportFileChoice exportFileChoice(const QString &typed, ExportKind kind, const QList<ExportKind> &offered)
{
    const QString own = ownExtension(typed);
    const std::optional<ExportKind> named = own.isEmpty() ? std::nullopt : exportKindFromExtension(own.mid(1));
    if (named && *named != kind && offered.contains(*named))
        return {exportFileName(typed, *named), *named};
    return {exportFileName(typed, kind), kind};
}

} // namespace qm
