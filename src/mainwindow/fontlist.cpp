#include "mainwindow/fontlist.h"

#include "seal/gbk.h"

#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace qm {

QStringList windowsChineseFaces()
{
    return {u"宋体"_s, u"黑体"_s, u"楷体"_s, u"仿宋"_s, u"隶书"_s, u"新宋体"_s, u"微软雅黑"_s};
}

bool hasDoubleByteCharacter(const QString &name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return Gbk::isDoubleByte(c); });
}

QStringList chineseOnly(const QStringList &names)
{
    QStringList kept;
    for (const QString &name : names) {
        if (hasDoubleByteCharacter(name) ||
            QFontDatabase::writingSystems(name).contains(QFontDatabase::SimplifiedChinese))
            kept.append(name);
    }
    return kept;
}

QStringList fontListItems(bool chineseOnlyFilter)
{
    QStringList items = windowsChineseFaces();
    for (const QString &family : QFontDatabase::families())
        if (!items.contains(family))
            items.append(family);
    return chineseOnlyFilter ? chineseOnly(items) : items;
}

QByteArray gbkCutToBytes(const QString &name, int maxBytes)
{
    QByteArray out;
    // Character by character, so a surrogate pair or a two-byte character is kept or dropped
    // as a whole.
    for (qsizetype i = 0; i < name.size(); ++i) {
        qsizetype len = 1;
        if (name.at(i).isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            len = 2;
        const QByteArray bytes = Gbk::fromUnicode(name.mid(i, len));
        if (out.size() + bytes.size() > maxBytes)
            break;
        out += bytes;
        i += len - 1;
    }
    return out;
}

} // namespace qm
