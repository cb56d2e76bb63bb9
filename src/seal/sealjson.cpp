#include "seal/sealjson.h"

#include "seal/sealpropertytable.h"
#include "seal/tseal.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace qm {

SealJsonResult readSealJson(const QByteArray &json, const QString &baseDir)
{
    SealJsonResult result;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        result.error = u"not valid JSON: %1"_s.arg(parseError.errorString());
        return result;
    }
    const QJsonValue seals = doc.object().value(u"seals"_s);
    if (!doc.isObject() || !seals.isArray()) {
        result.error = u"expected {\"seals\": [...]}"_s;
        return result;
    }
    int index = 0;
    for (const QJsonValue &entry : seals.toArray()) {
        if (!entry.isObject()) {
            result.error = u"seal %1: expected an object"_s.arg(index);
            result.seals.clear();
            return result;
        }
        const QJsonObject o = entry.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!findSealProperty(it.key())) {
                result.error = u"seal %1: unknown property %2"_s.arg(index).arg(it.key());
                result.seals.clear();
                return result;
            }
        }
        auto seal = std::make_unique<TSeal>();
        for (const SealProperty &p : sealProperties()) {
            const auto it = o.constFind(p.qname());
            if (it == o.constEnd())
                continue;
            QString why;
            if (!propertyFromJson(p, *seal, it.value(), baseDir, &why)) {
                result.error = u"seal %1: %2"_s.arg(index).arg(why);
                result.seals.clear();
                return result;
            }
        }
        result.seals.push_back(std::move(seal));
        ++index;
    }
    return result;
}

SealJsonResult readSealJsonFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SealJsonResult r;
        r.error = u"cannot open %1"_s.arg(path);
        return r;
    }
    return readSealJson(file.readAll(), QFileInfo(path).absolutePath());
}

} // namespace qm
