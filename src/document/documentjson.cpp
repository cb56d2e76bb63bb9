#include "document/documentjson.h"

#include "document/documentfile.h"
#include "document/libraryitem.h"
#include "document/sealdocument.h"
#include "seal/seal.h"
#include "seal/sealjson.h"
#include "seal/seallimits.h"
#include "seal/sealpropertytable.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace qm {
namespace {

void appendString(QByteArray &out, const QString &text)
{
    out.append('"');
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '"':
            out.append("\\\"");
            break;
        case '\\':
            out.append("\\\\");
            break;
        case '\n':
            out.append("\\n");
            break;
        case '\r':
            out.append("\\r");
            break;
        case '\t':
            out.append("\\t");
            break;
        default:
            if (uchar(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", uchar(c));
                out.append(buf);
            } else {
                out.append(c);
            }
        }
    }
    out.append('"');
}

void appendNumber(QByteArray &out, double d)
{
    if (d == std::floor(d) && std::fabs(d) < 9007199254740992.0) {
        out.append(QByteArray::number(qint64(d)));
        return;
    }
    out.append(QByteArray::number(d, 'g', QLocale::FloatingPointShortest));
}

// A float version reads as "8.0" rather than "8".
void appendVersion(QByteArray &out, float v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    QByteArray text(buf, r.ptr - buf);
    if (!text.contains('.') && !text.contains('e') && std::isfinite(v))
        text.append(".0");
    out.append(std::isfinite(v) ? text : QByteArray("null"));
}

void appendValue(QByteArray &out, const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Bool:
        out.append(v.toBool() ? "true" : "false");
        break;
    case QJsonValue::Double:
        appendNumber(out, v.toDouble());
        break;
    case QJsonValue::String:
        appendString(out, v.toString());
        break;
    default:
        out.append("null");
        break;
    }
}

void appendKey(QByteArray &out, const char *key, bool &first)
{
    if (!first)
        out.append(',');
    first = false;
    out.append('"').append(key).append("\":");
}

// Sizes must be above zero, margins at least zero.
bool pageValue(const QJsonObject &page, const QString &key, bool size, long double *value, QString *error)
{
    const auto it = page.constFind(key);
    if (it == page.constEnd())
        return true;
    const double d = it->toDouble(qQNaN());
    if (!it->isDouble() || !std::isfinite(d) || std::fabs(d) > MaxPageMillimetres) {
        *error = u"page: %1 must be a number of millimetres"_s.arg(key);
        return false;
    }
    if (size ? d <= 0 : d < 0) {
        *error = u"page: %1 must be %2"_s.arg(key, size ? u"above 0"_s : u"at least 0"_s);
        return false;
    }
    *value = d;
    return true;
}

// The page values of the text into v (width, height, left, top, right, bottom margins), or why
// they cannot be read.
QString pageFromJson(const QByteArray &json, long double v[6])
{
    QJsonDocument doc;
    if (QString syntax = jsonSyntaxRefusal(json, &doc); !syntax.isEmpty())
        return syntax;
    if (!doc.isObject())
        return u"expected {\"page\": {...}, \"seals\": [...]}"_s;
    const QJsonObject root = doc.object();
    const QJsonValue pageJson = root.value(u"page"_s);
    if (!pageJson.isUndefined() && !pageJson.isObject())
        return u"page: an object is expected"_s;
    const QJsonObject page = pageJson.toObject();
    static const QStringList pageKeys = {u"PageWidth"_s, u"PageHeight"_s,  u"LeftMargin"_s,
                                         u"TopMargin"_s, u"RightMargin"_s, u"BottomMargin"_s};
    for (auto it = page.begin(); it != page.end(); ++it)
        if (!pageKeys.contains(it.key()))
            return u"page: unknown value %1"_s.arg(it.key());
    QString why;
    for (int i = 0; i < 6; ++i)
        if (!pageValue(page, pageKeys[i], i < 2, &v[i], &why))
            return why;
    return {};
}

} // namespace

QByteArray sealToJson(const Seal &seal)
{
    QByteArray out("{");
    bool first = true;
    const SealProperty *picture = nullptr;
    for (const SealProperty &p : sealProperties()) {
        if (p.type == SealProperty::Type::Picture) {
            picture = &p;
            continue;
        }
        appendKey(out, p.name, first);
        appendValue(out, propertyToJson(p, seal));
    }
    if (picture) {
        appendKey(out, picture->name, first);
        const SealPicture &pic = seal.Picture();
        if (!pic.hasGraphic()) {
            out.append("null");
        } else {
            out.append("{\"kind\":").append(QByteArray::number(int(pic.kind())));
            out.append(",\"bytes\":").append(QByteArray::number(pic.bytes().size()));
            out.append(",\"width\":").append(QByteArray::number(pic.width()));
            out.append(",\"height\":").append(QByteArray::number(pic.height())).append('}');
        }
    }
    out.append('}');
    return out;
}

QByteArray documentToJson(const SealDocument &document, float version)
{
    const PageModel &page = document.page();
    QByteArray out("{\"format\":\"dyz\",\"version\":");
    appendVersion(out, version);
    out.append(",\"page\":{");
    const std::pair<const char *, long double> values[] = {
        {"PageWidth", page.pageWidth()}, {"PageHeight", page.pageHeight()},   {"LeftMargin", page.leftMargin()},
        {"TopMargin", page.topMargin()}, {"RightMargin", page.rightMargin()}, {"BottomMargin", page.bottomMargin()},
    };
    bool first = true;
    for (const auto &[key, value] : values) {
        appendKey(out, key, first);
        appendNumber(out, double(value));
    }
    out.append("},\"seals\":[");
    for (size_t i = 0; i < document.seals().size(); ++i) {
        if (i)
            out.append(',');
        out.append(sealToJson(*document.seals()[i]));
    }
    out.append("]}");
    return out;
}

QByteArray libraryItemToJson(const LibraryItem &item, QSize thumbnailSize)
{
    QByteArray out("{\"format\":\"yzl\",\"version\":");
    appendVersion(out, item.version);
    out.append(",\"thumbnail\":{\"bytes\":").append(QByteArray::number(item.thumbnail.size()));
    out.append(",\"width\":").append(QByteArray::number(thumbnailSize.width()));
    out.append(",\"height\":").append(QByteArray::number(thumbnailSize.height()));
    out.append("},\"width\":");
    appendNumber(out, double(item.width));
    out.append(",\"height\":");
    appendNumber(out, double(item.height));
    out.append(",\"items\":[");
    for (size_t i = 0; i < item.items.size(); ++i) {
        if (i)
            out.append(',');
        out.append("{\"dx\":");
        appendNumber(out, double(item.items[i].dx));
        out.append(",\"dy\":");
        appendNumber(out, double(item.items[i].dy));
        out.append(",\"seal\":").append(sealToJson(*item.items[i].seal)).append('}');
    }
    out.append("]}");
    return out;
}

bool documentFromJson(const QByteArray &json, const QString &baseDir, SealDocument &document, QString *error)
{
    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    long double v[6] = {210, 297, 6, 6, 6, 6};
    // The parsed text is let go before the seals parse it again.
    if (const QString refused = pageFromJson(json, v); !refused.isEmpty())
        return fail(refused);

    SealJsonResult seals = readSealJson(json, baseDir);
    if (!seals.error.isEmpty())
        return fail(seals.error);
    // A setter can derive a value beyond its range from two within theirs (a row count times
    // a character width); the document would then be refused on reading.
    for (size_t i = 0; i < seals.seals.size(); ++i)
        if (const QString why = sealRefusal(*seals.seals[i]); !why.isEmpty())
            return fail(u"seal %1: %2"_s.arg(i).arg(why));
    PageModel &p = document.page();
    p.setPageWidth(v[0]);
    p.setPageHeight(v[1]);
    p.setLeftMargin(v[2]);
    p.setTopMargin(v[3]);
    p.setRightMargin(v[4]);
    p.setBottomMargin(v[5]);
    SealList list;
    for (auto &seal : seals.seals) {
        seal->setListener(document.sealListener());
        seal->setPixelsPerMm(document.screenPixelsPerMm());
        seal->setZoom(document.page().zoom());
        list.push_back(std::move(seal));
    }
    document.appendSeals(std::move(list), false);
    return true;
}

} // namespace qm
