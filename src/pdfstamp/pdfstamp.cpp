#include "pdfstamp/pdfstamp.h"

#include <QCoreApplication>

namespace qm {

PdfInspection inspectPdf(const QString &)
{
    return {};
}

StampResult stampPdf(const QString &, const QString &, const QList<const Seal *> &, const QList<StampPlacement> &,
                     const QList<StraddlePlacement> &, const StampOptions &)
{
    return {};
}

QList<int> parsePageSelection(const QString &, int, QString *error)
{
    if (error)
        *error = QString();
    return {};
}

} // namespace qm
