// Saving, loading, dumping and editing all of a seal document of 10 000 seals. Each figure is also reported as
// `x_copy`: its time divided by the time of copying the document's bytes once, measured in the
// same run, so that results compare across machines.
//
// Opening is what the user waits for before a document window can be used: the file read from
// disk (from the system's cache) and parsed (a large one without pictures on several threads),
// its window made and the seals given to it, the page laid out at the zoom; nothing is painted.
// BM_OpenDocument/10000 reports `x_two`, its time over that of opening a document of 2 seals in
// the same run. BM_OpeningStall opens the 20 000-seal document as the main window does (read on
// a worker, the window made when the seals are there) while a 1 ms timer runs, and reports the
// longest gap between its ticks as `stall_ms`: how long the event loop was blocked at once.

#include "benchdocument.h"
#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "mainwindow/documentopening.h"
#include "page/documentwindow.h"
#include "page/pagehost.h"
#include "quiethost.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

using qm::bench::SealCount;

const qm::SealDocument &document()
{
    return qm::bench::largeDocument();
}

QByteArray savedBytes()
{
    static QByteArray bytes = [] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        qm::NoProgress progress;
        qm::writeDocument(buffer, document(), progress);
        return buffer.data();
    }();
    return bytes;
}

double copySeconds()
{
    static const double seconds = [] {
        const QByteArray source = savedBytes();
        QByteArray target(source.size(), '\0');
        const auto start = std::chrono::steady_clock::now();
        int copies = 0;
        std::chrono::duration<double> spent{};
        while (copies < 20 || spent.count() < 0.1) {
            std::memcpy(target.data(), source.constData(), size_t(source.size()));
            benchmark::DoNotOptimize(target.data());
            ++copies;
            spent = std::chrono::steady_clock::now() - start;
        }
        return spent.count() / copies;
    }();
    return seconds;
}

void report(benchmark::State &state, double seconds)
{
    state.counters["seals"] = SealCount;
    state.counters["x_copy"] = seconds / copySeconds();
}

void BM_SaveDocument(benchmark::State &state)
{
    const qm::SealDocument &doc = document();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        qm::NoProgress progress;
        qm::writeDocument(buffer, doc, progress);
        benchmark::DoNotOptimize(buffer.data().size());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, total / double(state.iterations()));
}

void BM_LoadDocument(benchmark::State &state)
{
    const QByteArray bytes = savedBytes();
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        qm::SealDocument doc;
        qm::NoProgress progress;
        qm::loadDocument(bytes, doc, progress);
        benchmark::DoNotOptimize(doc.seals().size());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, total / double(state.iterations()));
}

void BM_DumpDocument(benchmark::State &state)
{
    const QByteArray bytes = savedBytes();
    qm::SealDocument doc;
    qm::NoProgress progress;
    qm::loadDocument(bytes, doc, progress);
    double total = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QByteArray json = qm::documentToJson(doc, qm::DocumentVersion);
        benchmark::DoNotOptimize(json.size());
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    report(state, total / double(state.iterations()));
}

using qm::bench::QuietHost;

constexpr int Ppi = 96;

// A file of the first `count` seals of the large document (repeated beyond 10 000).
QString documentFile(int count)
{
    static QTemporaryDir dir;
    const QString name = dir.filePath(u"seals%1.dyz"_s.arg(count));
    if (!QFile::exists(name)) {
        std::vector<const qm::Seal *> seals;
        for (int i = 0; i < count; ++i)
            seals.push_back(document().seals()[size_t(i) % document().seals().size()].get());
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        qm::NoProgress progress;
        qm::writeDocument(file, document().page(), seals, progress);
    }
    return name;
}

// The main window's last steps once the seals are read: the window, the seals, the layout.
std::unique_ptr<qm::DocumentWindow> windowFor(QuietHost &host, qm::DocumentContent &&content, int zoom)
{
    auto child = std::make_unique<qm::DocumentWindow>(host, Ppi);
    child->resize(800, 600);
    child->zoomPage(zoom);
    qm::adoptDocumentContent(child->document(), std::move(content));
    child->document().clearHistory();
    child->zoomPage(zoom);
    child->showDocumentStatus();
    return child;
}

double openSeconds(int count)
{
    const QString name = documentFile(count);
    QuietHost host;
    const auto start = std::chrono::steady_clock::now();
    qm::DocumentContent content;
    qm::NoProgress progress;
    qm::readDocumentContent(name, float(Ppi / 25.4), 100, &content, progress);
    auto child = windowFor(host, std::move(content), 100);
    benchmark::DoNotOptimize(child->document().sealCount());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_OpenDocument(benchmark::State &state)
{
    const int count = int(state.range(0));
    double total = 0;
    for (auto _ : state)
        total += openSeconds(count);
    const double seconds = total / double(state.iterations());
    state.counters["seals"] = count;
    if (count != 2) {
        // The two-seal figure in the same run, from as many openings as make 0.2 s.
        double twoTotal = 0;
        int twoRuns = 0;
        while (twoRuns < 5 || twoTotal < 0.2) {
            twoTotal += openSeconds(2);
            ++twoRuns;
        }
        state.counters["x_two"] = seconds / (twoTotal / twoRuns);
    }
}

void BM_OpeningStall(benchmark::State &state)
{
    const QString name = documentFile(int(qm::MaxDocumentSeals));
    double worst = 0;
    for (auto _ : state) {
        QuietHost host;
        std::unique_ptr<qm::DocumentWindow> child;
        QEventLoop loop;
        QElapsedTimer sinceTick;
        qint64 longest = 0;
        QTimer ticks;
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.nsecsElapsed());
            sinceTick.restart();
        });
        qm::DocumentOpening opening(name, float(Ppi / 25.4), 100);
        QObject::connect(&opening, &qm::DocumentOpening::finished, [&] {
            child = windowFor(host, std::move(opening.content()), 100);
            // One more tick, so that the gap of the window's making is counted.
            QTimer::singleShot(0, &loop, [&] { QTimer::singleShot(2, &loop, &QEventLoop::quit); });
        });
        sinceTick.start();
        ticks.start();
        opening.start();
        loop.exec();
        benchmark::DoNotOptimize(child->document().sealCount());
        worst = std::max(worst, double(longest) / 1e6);
    }
    state.counters["seals"] = double(qm::MaxDocumentSeals);
    state.counters["stall_ms"] = worst;
}

// One edit of every seal, each step as the user would take it: all selected, nudged, the nudge
// undone and redone, all deleted and the deletion undone. Each step's time is reported in
// milliseconds and as `x_copy`.
void BM_EditAll(benchmark::State &state)
{
    std::map<std::string, double> seconds;
    for (auto _ : state) {
        qm::SealDocument doc;
        qm::NoProgress progress;
        qm::loadDocument(savedBytes(), doc, progress);
        doc.clearHistory();
        qm::SealSelection all;
        for (const auto &seal : doc.seals())
            all.push_back(seal.get());
        const std::pair<const char *, std::function<void()>> steps[] = {
            {"select", [&] { doc.setSelection(all); }}, {"nudge", [&] { doc.nudgeSelection(1, 0, false); }},
            {"undo", [&] { doc.undoStack().undo(); }},  {"redo", [&] { doc.undoStack().redo(); }},
            {"delete", [&] { doc.deleteSelection(); }}, {"undelete", [&] { doc.undoStack().undo(); }},
        };
        for (const auto &[name, step] : steps) {
            const auto start = std::chrono::steady_clock::now();
            step();
            seconds[name] += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    for (const auto &[name, total] : seconds) {
        state.counters[name + "_ms"] = benchmark::Counter(total * 1e3, benchmark::Counter::kAvgIterations);
        state.counters[name + "_x_copy"] =
            benchmark::Counter(total / copySeconds(), benchmark::Counter::kAvgIterations);
    }
    state.counters["seals"] = SealCount;
}

} // namespace

BENCHMARK(BM_OpenDocument)->Arg(2)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpeningStall)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DumpDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditAll)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
