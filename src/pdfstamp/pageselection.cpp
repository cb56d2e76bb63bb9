#include "pdfstamp/pdfstamp.h"

#include <QCoreApplication>
#include <QSet>

using namespace Qt::StringLiterals;

namespace qm {

namespace {

// One part of a list, "7" or "2-7"; false when it is neither.
bool parseRange(const QString &part, int *first, int *last)
{
    const QStringList ends = part.split(u'-');
    if (ends.size() > 2)
        return false;
    bool firstOk = false;
    bool lastOk = true;
    *first = ends.first().trimmed().toInt(&firstOk);
    *last = ends.size() == 2 ? ends.last().trimmed().toInt(&lastOk) : *first;
    return firstOk && lastOk && *first >= 1 && *last >= *first;
}

bool isWholeSelection(const QString &chosen)
{
    return chosen == u"all"_s || chosen == u"odd"_s;
}

} // namespace

bool pageSelectionWellFormed(const QString &text)
{
    const QString chosen = text.trimmed().toLower();
    if (isWholeSelection(chosen))
        return true;
    if (chosen.isEmpty())
        return false;
    int first = 0;
    int last = 0;
    for (const QString &part : chosen.split(u',')) {
        if (!parseRange(part.trimmed(), &first, &last))
            return false;
    }
    return true;
}

QList<int> parsePageSelection(const QString &text, int pageCount, QString *error)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return QList<int>();
    };
    if (error)
        error->clear();
    const QString chosen = text.trimmed().toLower();
    QList<int> pages;
    if (isWholeSelection(chosen)) {
        for (int page = 1; page <= pageCount; page += chosen == u"odd"_s ? 2 : 1)
            pages.append(page);
        return pages;
    }
    const QString unknown = QCoreApplication::translate("PdfStamp", "页码“%1”无法识别。");
    if (chosen.isEmpty())
        return fail(unknown.arg(text));
    QSet<int> seen;
    for (const QString &rawPart : chosen.split(u',')) {
        const QString part = rawPart.trimmed();
        int first = 0;
        int last = 0;
        if (!parseRange(part, &first, &last))
            return fail(unknown.arg(part));
        // A range is checked before it is walked: "1-2000000000" must not fill memory.
        if (last > pageCount)
            return fail(
                QCoreApplication::translate("PdfStamp", "第%1页不存在（文件共%2页）。").arg(last).arg(pageCount));
        for (int page = first; page <= last; ++page) {
            if (seen.contains(page))
                return fail(QCoreApplication::translate("PdfStamp", "第%1页选了两次。").arg(page));
            seen.insert(page);
            pages.append(page);
        }
    }
    return pages;
}

} // namespace qm
