#include "batchplan.h"

#include "export/exportkind.h"
#include "seal/gbk.h"
#include "seal/missingglyphs.h"
#include "seal/seal.h"
#include "seal/seallimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

struct TextField {
    const char *name;
    const QByteArray &(Seal::*get)() const;
    void (Seal::*set)(const QByteArray &);
};

const TextField textFields[BatchPlan::TextCount] = {
    {"Text", &Seal::Text, &Seal::setText},    {"Text1", &Seal::Text1, &Seal::setText1},
    {"Text2", &Seal::Text2, &Seal::setText2}, {"Text3", &Seal::Text3, &Seal::setText3},
    {"Code", &Seal::Code, &Seal::setCode},
};

// The characters of a cell that GBK has no bytes for; empty when it holds them all.
QString charactersOutsideGbk(const QString &text)
{
    if (Gbk::toUnicode(Gbk::fromUnicode(text)) == text)
        return {};
    QString missing;
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (Gbk::toUnicode(Gbk::fromUnicode(one)) != one && !missing.contains(one))
            missing += one;
    }
    return missing;
}

bool isControl(char32_t c)
{
    return QChar::category(c) == QChar::Other_Control || c == 0x2028 || c == 0x2029;
}

// The first placeholder's position: the first brace that is not half of a doubled one.
qsizetype firstPlaceholder(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text.at(i + 1) == c)
            ++i;
        else if (c == u'{')
            return i;
    }
    return -1;
}

// One line, for a row's report.
QString oneLine(QString text)
{
    text.replace(u"\r\r"_s, u" "_s);
    text.replace(u'\r', u"; "_s);
    text.replace(u'\n', u' ');
    return text.trimmed();
}

} // namespace

bool BatchPlan::prepare(const QList<const Seal *> &seals, const QString &outputPattern, QString *error)
{
    m_seals.clear();
    for (int s = 0; s < seals.size(); ++s) {
        SealTexts texts;
        texts.seal = seals[s];
        for (int t = 0; t < TextCount; ++t) {
            const TextField &field = textFields[t];
            const QByteArray &bytes = (seals[s]->*field.get)();
            if (!bytes.contains('{') && !bytes.contains('}'))
                continue;
            QString why;
            texts.texts[t].emplace(Gbk::toUnicode(bytes), &why);
            if (!why.isEmpty()) {
                *error = u"seal %1, %2: %3"_s.arg(s).arg(QLatin1StringView(textFields[t].name), why);
                return false;
            }
        }
        m_seals.append(texts);
    }

    // The folder is what the pattern names before its first placeholder; cells only ever name
    // files and folders inside it.
    const qsizetype first = firstPlaceholder(outputPattern);
    const qsizetype slash = outputPattern.lastIndexOf(u'/', first < 0 ? -1 : first);
    const QString folderPattern = slash < 0 ? QString() : outputPattern.left(slash);
    QString why;
    const PlaceholderText folder(folderPattern, &why);
    m_name = PlaceholderText(outputPattern.mid(slash + 1), &why);
    if (!why.isEmpty()) {
        *error = u"-o %1: %2"_s.arg(outputPattern, why);
        return false;
    }
    m_folder = slash == 0 ? u"/"_s : folder.fill({});
    const QString suffix = QFileInfo(outputPattern).suffix();
    const std::optional<ExportKind> kind =
        suffix.contains(u'{') || suffix.contains(u'}') ? std::nullopt : exportKindFromExtension(suffix);
    if (!kind) {
        *error = u"cannot tell the picture kind from %1"_s.arg(outputPattern);
        return false;
    }
    m_request.kind = *kind;
    return true;
}

QStringList BatchPlan::bind(const QStringList &columns)
{
    QStringList names = m_name.names();
    QStringList unknown = m_name.bind(columns);
    for (SealTexts &seal : m_seals)
        for (auto &text : seal.texts)
            if (text) {
                names += text->names();
                unknown += text->bind(columns);
            }
    QStringList problems;
    names.removeDuplicates();
    unknown.removeDuplicates();
    for (const QString &name : std::as_const(unknown))
        problems.append(u"no column is named %1"_s.arg(name));
    for (const QString &name : std::as_const(names))
        if (columns.count(name) > 1)
            problems.append(u"several columns are named %1"_s.arg(name));
    return problems;
}

QString BatchPlan::fileNameFor(const QStringList &cells, QString *problem) const
{
    QString relative;
    const bool filled = m_name.fill(
        cells,
        [&](const QString &column, const QString &value) {
            if (value.contains(u'/') || value.contains(u'\\')) {
                *problem = u"column %1 holds a path separator, which a file name cannot"_s.arg(column);
                return false;
            }
            for (char32_t c : value.toUcs4())
                if (isControl(c)) {
                    *problem = u"column %1 holds a control character, which a file name cannot"_s.arg(column);
                    return false;
                }
            return true;
        },
        &relative);
    if (!filled)
        return {};
    for (const QString &part : relative.split(u'/')) {
        if (part.isEmpty() || part == u"."_s || part == u".."_s) {
            *problem = u"the name %1 has an empty part, . or .."_s.arg(relative);
            return {};
        }
        if (QFile::encodeName(part).size() > 255) {
            *problem = u"the name %1 has a part longer than 255 bytes"_s.arg(relative);
            return {};
        }
    }
    const QString name = exportFileName(
        m_folder.isEmpty() ? relative : (m_folder.endsWith(u'/') ? m_folder : m_folder + u'/') + relative,
        m_request.kind);
    if (QFileInfo(name).completeBaseName().isEmpty()) {
        *problem = u"the name %1 is empty before its extension"_s.arg(relative);
        return {};
    }
    return name;
}

BatchOutcome BatchPlan::make(const BatchRow &row) const
{
    BatchOutcome outcome;
    outcome.line = row.line;
    outcome.number = row.number;
    outcome.fileName = row.fileName;
    std::vector<std::unique_ptr<Seal>> copies;
    QList<const Seal *> seals;
    for (int s = 0; s < m_seals.size(); ++s) {
        const Seal &original = *m_seals[s].seal;
        copies.push_back(original.storedCopy());
        Seal &copy = *copies.back();
        // The copy's pixel box, which export lays the picture out by, is the original's.
        copy.placeAtScale(original.PixelsPerMm(), original.Zoom());
        for (int t = 0; t < TextCount; ++t) {
            const std::optional<PlaceholderText> &text = m_seals[s].texts[t];
            if (!text)
                continue;
            QString filled;
            const bool held = text->fill(
                row.cells,
                [&](const QString &column, const QString &value) {
                    const QString outside = charactersOutsideGbk(value);
                    if (!outside.isEmpty())
                        outcome.problem =
                            u"column %1 holds characters that seal texts (GBK) cannot: %2"_s.arg(column, outside);
                    return outside.isEmpty();
                },
                &filled);
            if (!held)
                return outcome;
            const TextField &field = textFields[t];
            (copy.*field.set)(Gbk::fromUnicode(filled));
        }
        if (const QString why = sealRefusal(copy); !why.isEmpty()) {
            outcome.problem = u"seal %1: %2"_s.arg(s).arg(why);
            return outcome;
        }
        seals.append(&copy);
    }
    const QList<MissingGlyphs> missing = sealsWithMissingGlyphs(seals);
    if (!missing.isEmpty()) {
        outcome.problem = oneLine(describeMissingGlyphs(missing));
        return outcome;
    }
    const QString folder = QFileInfo(row.fileName).path();
    if (!QDir().mkpath(folder)) {
        outcome.problem = u"cannot make the folder %1"_s.arg(folder);
        return outcome;
    }
    const ExportResult result = SealExporter::writeFile(seals, m_request, row.fileName);
    if (result.error != ExportError::None) {
        outcome.problem = oneLine(exportErrorMessage(result.error, result.fileName));
        return outcome;
    }
    outcome.fileName = result.fileName;
    outcome.width = result.width;
    outcome.height = result.height;
    return outcome;
}

} // namespace qm::cli
