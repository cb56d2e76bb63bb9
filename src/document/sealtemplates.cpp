#include "document/sealtemplates.h"

#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

namespace qm {
namespace {

// The value as the property's setter takes it.
QVariant settable(const SealProperty &property, const TemplateValue &value)
{
    switch (property.type) {
    case SealProperty::Type::String:
        return *value.text ? Gbk::fromUnicode(QString::fromUtf16(value.text)) : QByteArray();
    case SealProperty::Type::Float:
        return QVariant::fromValue(float(value.number));
    case SealProperty::Type::Bool:
        return value.number != 0;
    default: // whole numbers and kinds
        return int(value.number);
    }
}

void apply(Seal &seal, std::span<const TemplateValue> values)
{
    for (const TemplateValue &value : values) {
        const SealProperty &property = sealProperty(value.property);
        property.set(seal, settable(property, value));
    }
}

} // namespace

bool templateNeedsPicture(Tool tool)
{
    const ToolInfo *row = findTool(tool);
    return row && row->sealTemplate.picture;
}

std::unique_ptr<Seal> newSealFromTemplate(Tool tool, QPoint pressPixels, const TemplateContext &context, QString *error)
{
    const ToolInfo *row = findTool(tool);
    if (!row || row->use.pageTool != PageTool::Place)
        return nullptr;
    const SealTemplate &t = row->sealTemplate;
    // Without a positive scale the press point has no place in millimetres.
    if (!(context.pixelsPerMm > 0) || context.zoom <= 0)
        return nullptr;
    // A cancelled picture dialog makes nothing; that is not an error.
    if (t.picture && context.picture.isEmpty())
        return nullptr;

    auto seal = std::make_unique<Seal>();
    Seal &s = *seal;
    // Also sized at the new scale when the zoom equals the new element's placeholder.
    s.placeAtScale(context.pixelsPerMm, context.zoom);

    apply(s, t.values);
    if (t.picture && !s.loadPictureData(context.picture, error))
        return nullptr;
    apply(s, t.valuesAfter);

    const FontSlot face = makeFontSlot(context.faceGbk);
    s.setFontName(face);
    s.setFontName1(face);
    s.setFontName2(face);
    s.setFontName3(face);
    s.setCodeFontName(face);
    s.setPenColor(context.penColor);

    const long double f = 100.0L / (static_cast<long double>(s.Zoom()) * s.PixelsPerMm());
    s.setRealCenterX(static_cast<float>(pressPixels.x() * f));
    s.setRealCenterY(static_cast<float>(pressPixels.y() * f));
    s.setVisible(true);
    return seal;
}

} // namespace qm
