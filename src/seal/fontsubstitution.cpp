#include "seal/fontsubstitution.h"

#include "seal/gbk.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

#include <mutex>

using namespace Qt::StringLiterals;

namespace qm::FontSubstitution {
namespace {

const QStringList &songFaces()
{
    static const QStringList f{u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s, u"AR PL UMing TW"_s, u"Noto Sans CJK SC"_s,
                               u"WenQuanYi Zen Hei"_s};
    return f;
}

const QStringList &heiFaces()
{
    static const QStringList f{u"WenQuanYi Zen Hei"_s, u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s,
                               u"AR PL UMing CN"_s};
    return f;
}

const QStringList &kaiFaces()
{
    static const QStringList f{u"AR PL UKai CN"_s,  u"AR PL KaitiM GB"_s,   u"AR PL UKai TW"_s,
                               u"AR PL UMing CN"_s, u"Noto Serif CJK SC"_s, u"WenQuanYi Zen Hei"_s};
    return f;
}

const QStringList *candidatesFor(const QString &face)
{
    static const QHash<QString, const QStringList *> table = {
        {u"宋体"_s, &songFaces()},
        {u"SimSun"_s, &songFaces()},
        {u"新宋体"_s, &songFaces()},
        {u"NSimSun"_s, &songFaces()},
        {u"仿宋"_s, &songFaces()},
        {u"仿宋_GB2312"_s, &songFaces()},
        {u"FangSong"_s, &songFaces()},
        {u"FangSong_GB2312"_s, &songFaces()},
        {u"宋体-方正超大字符集"_s, &songFaces()},
        {u"黑体"_s, &heiFaces()},
        {u"SimHei"_s, &heiFaces()},
        {u"微软雅黑"_s, &heiFaces()},
        {u"Microsoft YaHei"_s, &heiFaces()},
        {u"楷体"_s, &kaiFaces()},
        {u"楷体_GB2312"_s, &kaiFaces()},
        {u"KaiTi"_s, &kaiFaces()},
        {u"KaiTi_GB2312"_s, &kaiFaces()},
        {u"隶书"_s, &kaiFaces()},
        {u"LiSu"_s, &kaiFaces()},
    };
    auto it = table.constFind(face);
    return it == table.constEnd() ? nullptr : it.value();
}

QString firstInstalled(const QStringList &candidates, const QStringList &installed)
{
    for (const QString &c : candidates)
        if (installed.contains(c, Qt::CaseInsensitive))
            return c;
    return candidates.constFirst();
}

} // namespace

QString faceName(const QByteArray &faceGbk)
{
    QByteArray bytes = faceGbk;
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    if (bytes.size() > 31)
        bytes.truncate(31);
    return Gbk::toUnicode(bytes);
}

QString familyFor(const QByteArray &faceGbk)
{
    // Painting may run on several threads.
    static std::mutex lock;
    static QHash<QByteArray, QString> resolved;
    {
        std::lock_guard guard(lock);
        auto it = resolved.constFind(faceGbk);
        if (it != resolved.constEnd())
            return it.value();
    }

    const QString face = faceName(faceGbk);
    const QStringList installed = QFontDatabase::families();
    QString family;
    if (const QStringList *candidates = candidatesFor(face))
        family = firstInstalled(*candidates, installed);
    else if (!face.isEmpty() && installed.contains(face, Qt::CaseInsensitive) &&
             QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese))
        family = face;
    else
        family = firstInstalled(songFaces(), installed); // never draw boxes
    std::lock_guard guard(lock);
    resolved.insert(faceGbk, family);
    return family;
}

} // namespace qm::FontSubstitution
