#include "seal/sealjson.h"

#include "picture/boundedread.h"
#include "picture/decodebudget.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace qm {

QString jsonSyntaxRefusal(const QByteArray &json, QJsonDocument *parsed)
{
    // Parsing keeps every container and value: a count beyond what a document can hold is
    // refused before the text is parsed at all.
    if (jsonContainerCount(json) > 2 * MaxDocumentSeals + 3)
        return u"more than %1 seals"_s.arg(MaxDocumentSeals);
    QJsonParseError parseError;
    *parsed = QJsonDocument::fromJson(json, &parseError);
    if (parsed->isNull())
        return u"not valid JSON: %1 at offset %2"_s.arg(parseError.errorString()).arg(parseError.offset);
    return {};
}

qint64 jsonContainerCount(QByteArrayView json)
{
    qint64 count = 0;
    bool inString = false, escaped = false;
    for (const char c : json) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++count;
        }
    }
    return count;
}

SealJsonResult readSealJson(const QByteArray &json, const QString &baseDir, DecodeBudget *budget)
{
    SealJsonResult result;
    QJsonDocument doc;
    if (const QString why = jsonSyntaxRefusal(json, &doc); !why.isEmpty()) {
        result.error = why;
        return result;
    }
    const QJsonValue seals = doc.object().value(u"seals"_s);
    if (!doc.isObject() || !seals.isArray()) {
        result.error = u"expected {\"seals\": [...]}"_s;
        return result;
    }
    const QJsonArray entries = seals.toArray();
    if (entries.size() > MaxDocumentSeals) {
        result.error = u"%1 seals, more than the %2 a document holds"_s.arg(entries.size()).arg(MaxDocumentSeals);
        return result;
    }
    // One budget for all the pictures: seals naming one file decode it once.
    DecodeBudget own;
    DecodeBudget &spend = budget ? *budget : own;
    int index = 0;
    for (const QJsonValue &entry : entries) {
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
            if (!propertyFromJson(p, *seal, it.value(), baseDir, &why, &spend)) {
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
    FileReadResult read = readRegularFile(path, MaxSealJsonBytes);
    if (!read.ok()) {
        if (error)
            *error = fileReadRefusal(path, read, MaxSealJsonBytes);
        return std::nullopt;
    }
    return std::move(read.bytes);
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
