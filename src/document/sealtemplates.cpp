#include "document/sealtemplates.h"

#include "seal/tseal.h"

namespace qm {

bool TemplateNeedsPicture(int tag)
{
    return tag == 16 || tag == 41;
}

std::unique_ptr<TSeal> NewSealFromTemplate(int tag, QPoint pressPixels, const TemplateContext &context, QString *error)
{
    Q_UNUSED(tag);
    Q_UNUSED(pressPixels);
    Q_UNUSED(context);
    Q_UNUSED(error);
    return nullptr;
}

} // namespace qm
