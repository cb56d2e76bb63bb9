#include "shell/export/exportkind.h"

using namespace Qt::StringLiterals;

namespace qm {

ExportKind exportKindFromOption(std::uint8_t value)
{
    switch (value) {
    case 1:
        return ExportKind::Emf;
    case 2:
        return ExportKind::Jpeg;
    case 3:
        return ExportKind::Gif;
    case 4:
        return ExportKind::Tiff;
    default:
        return ExportKind::Bmp;
    }
}

QString exportKindExtension(ExportKind kind)
{
    switch (kind) {
    case ExportKind::Emf:
        return u".emf"_s;
    case ExportKind::Jpeg:
        return u".jpg"_s;
    case ExportKind::Gif:
        return u".gif"_s;
    case ExportKind::Tiff:
        return u".tiff"_s;
    case ExportKind::Bmp:
        return u".bmp"_s;
    case ExportKind::Png:
        return u".png"_s;
    case ExportKind::Svg:
        return u".svg"_s;
    case ExportKind::Pdf:
        return u".pdf"_s;
    }
    return u".bmp"_s;
}

QString exportKindFilter(ExportKind kind)
{
    switch (kind) {
    case ExportKind::Emf:
        return u"Windows矢量图(*.emf)|*.emf"_s;
    case ExportKind::Jpeg:
        return u"JPEG压缩影像(*.jpg)|*.jpg"_s;
    case ExportKind::Gif:
        return u"CompuServe GIF(*.gif)|*.gif"_s;
    case ExportKind::Tiff:
        return u"Tag影像(*.tiff)|*.tiff"_s;
    case ExportKind::Bmp:
        return u"Windows位图(*.bmp)|*.bmp"_s;
    case ExportKind::Png:
        return u"PNG透明图象(*.png)|*.png"_s;
    case ExportKind::Svg:
        return u"SVG矢量图(*.svg)|*.svg"_s;
    case ExportKind::Pdf:
        return u"PDF文档(*.pdf)|*.pdf"_s;
    }
    return {};
}

bool isVectorKind(ExportKind kind)
{
    return kind == ExportKind::Svg || kind == ExportKind::Pdf;
}

std::optional<ExportKind> exportKindFromExtension(const QString &extension)
{
    const QString e = extension.toLower();
    for (ExportKind k : {ExportKind::Emf, ExportKind::Jpeg, ExportKind::Gif, ExportKind::Tiff, ExportKind::Bmp,
                         ExportKind::Png, ExportKind::Svg, ExportKind::Pdf})
        if (u'.' + e == exportKindExtension(k))
            return k;
    if (e == QLatin1StringView("jpeg"))
        return ExportKind::Jpeg;
    if (e == QLatin1StringView("tif"))
        return ExportKind::Tiff;
    return std::nullopt;
}

QString exportFileName(const QString &chosen, ExportKind kind)
{
    const QString ext = exportKindExtension(kind);
    // The extension is what follows the last dot of the last path component.
    const qsizetype slash = chosen.lastIndexOf(u'/');
    const qsizetype dot = chosen.lastIndexOf(u'.');
    const QString own = dot > slash ? chosen.mid(dot) : QString();
    if (own.toLower() == ext)
        return chosen;
    return (dot > slash ? chosen.left(dot) : chosen) + ext;
}

} // namespace qm
