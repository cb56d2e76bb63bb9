#include "controls/hints.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace qm {

QString captionText(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            out.append(caption.at(i));
        else if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
            out.append(caption.at(++i));
    }
    return out;
}

QString shortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void applyHint(QWidget *widget, const QString &hint)
{
    QString tip = shortHint(hint);
    tip.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    widget->setToolTip(tip);
    widget->setStatusTip(longHint(hint));
    if (widget->accessibleName().isEmpty())
        widget->setAccessibleName(tip.section(u'\n', 0, 0));
}

} // namespace qm
