#include "seal/sealjson.h"

#include "seal/seal.h"
#include "seal/sealpropertytable.h"

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
        auto seal = std::make_unique<Seal>();
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

bool isSealJson(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    for (const char c : head) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        return c == '{';
    }
    return false;
}

std::optional<QByteArray> readSealJsonBytes(const QString &path, QString *error)
{
    auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(u"%1 does not exist"_s.arg(path));
    // A pipe would block at opening and a device never end: only regular files are read.
    if (!info.isFile())
        return fail(u"%1 is not a regular file"_s.arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(u"cannot open %1: %2"_s.arg(path, file.errorString()));
    const QString tooLarge = u"%1 is larger than %2 bytes"_s.arg(path).arg(MaxSealJsonBytes);
    if (file.size() > MaxSealJsonBytes)
        return fail(tooLarge);
    // The size a file states is not always what it holds (files of the kernel state 0).
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0)
            return fail(u"cannot read %1: %2"_s.arg(path, file.errorString()));
        if (n == 0)
            return bytes;
        if (bytes.size() + n > MaxSealJsonBytes)
            return fail(tooLarge);
        bytes.append(chunk, n);
    }
}

SealJsonResult readSealJsonFile(const QString &path)
{
    SealJsonResult r;
    const std::optional<QByteArray> bytes = readSealJsonBytes(path, &r.error);
    if (!bytes)
        return r;
    return readSealJson(*bytes, QFileInfo(path).absolutePath());
}

} // namespace qm
