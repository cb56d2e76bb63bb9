#include "batchcommand.h"

#include "batchplan.h"
#include "commandline.h"
#include "sealinput.h"

#include "document/csvtable.h"
#include "export/exportkind.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <limits>
#include <unistd.h>
#include <unordered_set>

using namespace Qt::StringLiterals;

namespace qm::cli {
namespace {

struct RowRange {
    qint64 from = 1;
    qint64 to = std::numeric_limits<qint64>::max();
};

// "FROM-TO" or "FROM-", counted from 1.
std::optional<RowRange> parseRows(const QString &text)
{
    const qsizetype dash = text.indexOf(u'-');
    if (dash < 0)
        return std::nullopt;
    RowRange range;
    bool ok = false;
    range.from = text.left(dash).toLongLong(&ok);
    if (!ok || range.from < 1)
        return std::nullopt;
    if (dash + 1 < text.size()) {
        range.to = text.mid(dash + 1).toLongLong(&ok);
        if (!ok || range.to < range.from)
            return std::nullopt;
    }
    return range;
}

// Tells how far a long table has got: rewritten in place on a terminal, a line every ten
// seconds into a log once a thousand rows are done.
class Progress
{
public:
    Progress() : m_terminal(::isatty(STDERR_FILENO) == 1) { m_clock.start(); }

    void update(qint64 rows, qint64 written, qint64 failed)
    {
        // A short table says nothing, so that its messages stand alone in a log.
        const qint64 now = m_clock.elapsed();
        if (now - m_last < (m_terminal ? 500 : 10000) || (!m_terminal && rows < 1000))
            return;
        m_last = now;
        const QByteArray line = u"batch: %1 rows, %2 written, %3 failed"_s.arg(rows).arg(written).arg(failed).toUtf8();
        std::fprintf(stderr, m_terminal ? "\r%s\033[K" : "%s\n", line.constData());
        m_shown = m_terminal;
    }
    // Before any other message: a progress line on a terminal is taken away.
    void clear()
    {
        if (m_shown)
            std::fputs("\r\033[K", stderr);
        m_shown = false;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    bool m_terminal;
    bool m_shown = false;
};

} // namespace

const CommandSyntax BatchSyntax = {
    "batch",
    "batch TEMPLATE TABLE.csv -o 'OUT/{column}.EXT' [--dpi D | --ppm P] [--mirror] [--seal I] [--encoding E] "
    "[--rows FROM-TO] [--jobs N]",
    "Exports one picture per row of TABLE.csv. The first row names the columns; a column's name in braces, "
    "{name}, in the texts (Text, Text1 ... Text3, Code) of the seals of TEMPLATE, a seal document or seal "
    "JSON, and in the output name stands for the row's cell; {{ and }} stand for braces. A row that cannot "
    "be made is reported with its line and skipped. Prints the name written and the picture's size in "
    "pixels for each row written."};

int runBatch(const QStringList &args)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(u"TEMPLATE"_s, u"A seal document (.dyz) or seal JSON, told apart by content."_s);
    parser.addPositionalArgument(u"TABLE"_s, u"Comma-separated values (RFC 4180) with a header line."_s);
    parser.addOption({{u"o"_s, u"output"_s},
                      u"The pictures to write; the extension names their kind, placeholders the row's cells. "
                      u"Nothing is written outside the folder before the first placeholder."_s,
                      u"OUT.EXT"_s});
    parser.addOption({u"ppm"_s, u"Pixels per millimetre (default 11.811, 300 per inch)."_s, u"P"_s});
    parser.addOption({u"dpi"_s, u"Pixels per inch, instead of --ppm."_s, u"D"_s});
    parser.addOption({u"mirror"_s, u"Flips the pictures left to right."_s});
    parser.addOption({u"seal"_s, u"Only the seal of this index, counted from 0."_s, u"I"_s});
    parser.addOption({u"encoding"_s,
                      u"The table's encoding (default: UTF-8 when the table is valid UTF-8, else GB18030)."_s, u"E"_s});
    parser.addOption({u"rows"_s,
                      u"Only these rows, counted from 1 after the header (FROM- to the end). Names and "
                      u"clashes between names are those of the whole table."_s,
                      u"FROM-TO"_s});
    parser.addOption({u"jobs"_s, u"Rows made at once (default: one per processor)."_s, u"N"_s});
    if (const auto stop = parseCommandLine(parser, BatchSyntax, args, 2))
        return *stop;

    bool twice = false;
    const QString output = singleValue(parser, u"output"_s, &twice);
    const QString ppmText = singleValue(parser, u"ppm"_s, &twice);
    const QString dpiText = singleValue(parser, u"dpi"_s, &twice);
    const QString sealText = singleValue(parser, u"seal"_s, &twice);
    const QString encoding = singleValue(parser, u"encoding"_s, &twice);
    const QString rowsText = singleValue(parser, u"rows"_s, &twice);
    const QString jobsText = singleValue(parser, u"jobs"_s, &twice);
    if (twice || (parser.isSet(u"ppm"_s) && parser.isSet(u"dpi"_s)))
        return usageError(BatchSyntax, u"give each option once, and either --ppm or --dpi"_s);
    if (output.isEmpty())
        return usageError(BatchSyntax, u"no output file (-o)"_s);
    const QString suffix = QFileInfo(output).suffix();
    if (suffix.contains(u'{') || suffix.contains(u'}') || !exportKindFromExtension(suffix))
        return usageError(BatchSyntax, u"cannot tell the picture kind from %1"_s.arg(output));
    double pixelsPerMm = 0;
    if (parser.isSet(u"ppm"_s) || parser.isSet(u"dpi"_s)) {
        const bool perInch = parser.isSet(u"dpi"_s);
        bool ok = false;
        const double number = (perInch ? dpiText : ppmText).toDouble(&ok);
        if (!ok || !(number > 0) || !std::isfinite(number))
            return usageError(BatchSyntax, u"bad value for %1"_s.arg(perInch ? u"--dpi"_s : u"--ppm"_s));
        pixelsPerMm = perInch ? number / 25.4 : number;
    }
    int only = -1;
    if (parser.isSet(u"seal"_s)) {
        bool ok = false;
        only = sealText.toInt(&ok);
        if (!ok || only < 0)
            return usageError(BatchSyntax, u"bad value for --seal"_s);
    }
    RowRange rows;
    if (parser.isSet(u"rows"_s)) {
        const std::optional<RowRange> range = parseRows(rowsText);
        if (!range)
            return usageError(BatchSyntax, u"bad value for --rows, give FROM-TO counted from 1"_s);
        rows = *range;
    }
    int jobs = std::max(1, QThread::idealThreadCount());
    if (parser.isSet(u"jobs"_s)) {
        bool ok = false;
        jobs = jobsText.toInt(&ok);
        if (!ok || jobs < 1 || jobs > 1024)
            return usageError(BatchSyntax, u"bad value for --jobs"_s);
    }
    TableDecoder forcedDecoder(encoding);
    if (parser.isSet(u"encoding"_s) && !forcedDecoder.isValid())
        return usageError(BatchSyntax, u"unknown encoding %1"_s.arg(encoding));

    SealInput input;
    if (const auto failed = openSealInput(parser.positionalArguments().at(0), input))
        return *failed;
    // JSON seals stand on the page a new document would have, at its screen resolution.
    if (input.fromJson) {
        for (Seal *seal : input.seals)
            seal->placeAtScale(input.document.screenPixelsPerMm(), input.document.page().zoom());
    }
    QList<const Seal *> seals;
    for (int i = 0; i < int(input.seals.size()); ++i)
        if (only < 0 || i == only)
            seals.append(input.seals[i]);
    if (only >= int(input.seals.size())) {
        printMessage(u"there is no seal %1"_s.arg(only));
        return 1;
    }
    if (seals.isEmpty()) {
        printMessage(u"there is no seal to export"_s);
        return 1;
    }
    BatchPlan plan;
    QString why;
    if (!plan.prepare(seals, output, &why)) {
        printMessage(why);
        return 1;
    }
    if (pixelsPerMm > 0)
        plan.request().pixelsPerMm = pixelsPerMm;
    plan.request().mirror = parser.isSet(u"mirror"_s);

    const QString tablePath = parser.positionalArguments().at(1);
    TableFile table = openTableFile(tablePath);
    if (table.error != FileReadError::None) {
        FileReadResult refused;
        refused.error = table.error;
        refused.reason = table.reason;
        printMessage(fileReadRefusal(tablePath, refused, 0));
        return 1;
    }
    TableDecoder detectedDecoder(parser.isSet(u"encoding"_s) ? QString() : TableDecoder::encodingOf(*table.file));
    const TableDecoder &decoder = parser.isSet(u"encoding"_s) ? forcedDecoder : detectedDecoder;
    CsvReader reader(table.file.get());
    CsvRecord record;
    if (!reader.next(record)) {
        printMessage(reader.error().isEmpty() ? u"%1 has no header line"_s.arg(tablePath) : reader.error());
        return 1;
    }
    QStringList columns;
    for (const QByteArray &field : std::as_const(record.fields)) {
        QString name;
        if (!decoder.decode(field, &name)) {
            printMessage(u"line %1: the header is not valid %2"_s.arg(record.line).arg(decoder.encoding()));
            return 1;
        }
        // A byte order mark of another encoding than UTF-8 is no part of the first name.
        if (columns.isEmpty() && name.startsWith(QChar(0xFEFF)))
            name.remove(0, 1);
        columns.append(name);
    }
    if (const QStringList problems = plan.bind(columns); !problems.isEmpty()) {
        for (const QString &problem : problems)
            printMessage(problem);
        return 1;
    }
    if (!plan.folder().isEmpty() && !QDir().mkpath(plan.folder())) {
        printMessage(u"cannot make the folder %1"_s.arg(plan.folder()));
        return 1;
    }

    QThreadPool pool;
    pool.setMaxThreadCount(jobs);
    std::deque<QFuture<BatchOutcome>> pending;
    const size_t inFlight = size_t(jobs) * 4;
    Progress progress;
    qint64 written = 0;
    qint64 failed = 0;
    qint64 number = 0;
    // Names are claimed by the first row that has them, made or not, so a slice of the table
    // refuses the same rows as the whole table does.
    std::unordered_set<size_t> claimed;
    const auto report = [&] {
        const BatchOutcome outcome = pending.front().result();
        pending.pop_front();
        if (outcome.problem.isEmpty()) {
            ++written;
            const QByteArray line =
                u"%1 %2 %3\n"_s.arg(outcome.fileName).arg(outcome.width).arg(outcome.height).toUtf8();
            std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        } else {
            ++failed;
            progress.clear();
            printMessage(u"line %1 (row %2): %3"_s.arg(outcome.line).arg(outcome.number).arg(outcome.problem));
        }
        progress.update(number, written, failed);
    };

    while (number < rows.to && reader.next(record)) {
        ++number;
        BatchRow row;
        row.line = record.line;
        row.number = number;
        QString problem;
        if (record.fields.size() != columns.size())
            problem = u"%1 fields, but the header has %2"_s.arg(record.fields.size()).arg(columns.size());
        for (qsizetype i = 0; problem.isEmpty() && i < record.fields.size(); ++i) {
            QString cell;
            if (!decoder.decode(record.fields.at(i), &cell))
                problem = u"column %1 is not valid %2"_s.arg(columns.at(i), decoder.encoding());
            row.cells.append(cell);
        }
        if (problem.isEmpty())
            row.fileName = plan.fileNameFor(row.cells, &problem);
        if (problem.isEmpty() && !claimed.insert(qHash(row.fileName, 0)).second)
            problem = u"an earlier row has the name %1"_s.arg(row.fileName);
        if (number < rows.from)
            continue;
        if (!problem.isEmpty()) {
            pending.push_back(QtFuture::makeReadyFuture(BatchOutcome{row.line, row.number, problem, row.fileName}));
        } else if (jobs == 1) {
            pending.push_back(QtFuture::makeReadyFuture(plan.make(row)));
        } else {
            pending.push_back(QtConcurrent::run(&pool, [&plan, row = std::move(row)] { return plan.make(row); }));
        }
        while (pending.size() > (jobs == 1 ? 0 : inFlight))
            report();
    }
    while (!pending.empty())
        report();
    progress.clear();
    std::fflush(stdout);
    if (!reader.error().isEmpty()) {
        printMessage(reader.error());
        return 1;
    }
    if (failed > 0) {
        printMessage(u"%1 of %2 rows written, %3 failed"_s.arg(written).arg(written + failed).arg(failed));
        return 1;
    }
    return 0;
}

} // namespace qm::cli
