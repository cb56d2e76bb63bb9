#include "mainwindow/zoomlist.h"

using namespace Qt::StringLiterals;

namespace qm {

QStringList zoomListItems()
{
    QStringList items;
    for (int i = 0; i < ZoomListCount; ++i)
        items.append(zoomText(ZoomListFirst + i * ZoomListStep));
    return items;
}

std::optional<int> parseZoomText(const QString &text)
{
    QString number = text.trimmed();
    if (number.endsWith(u'%'))
        number.chop(1);
    number = number.trimmed();
    if (number.isEmpty() || number.size() > 4)
        return std::nullopt;
    for (const QChar c : number)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    const int zoom = number.toInt();
    if (zoom < ZoomInputMin || zoom > ZoomInputMax)
        return std::nullopt;
    return zoom;
}

QString zoomText(int zoom)
{
    return QString::number(zoom) + u'%';
}

} // namespace qm
