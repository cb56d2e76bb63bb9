// The part of an autosave that runs on the GUI thread against a full save of the same
// 10 000-seal document into a file, measured in the same run: each figure's `x_save` is its time
// divided by that of the full save. Taking a snapshot is the GUI thread's part; composing the
// bytes in memory is shown beside it as what the GUI thread is spared.

#include "benchdocument.h"
#include "document/documentfile.h"
#include "document/documentsnapshot.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using qm::bench::SealCount;
using Clock = std::chrono::steady_clock;

const qm::SealDocument &document()
{
    return qm::bench::largeDocument();
}

double seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One full save as the save command does it: composed, written, synced and renamed.
double fullSaveSeconds()
{
    static const double result = [] {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"document.dyz"_s);
        qm::NoProgress progress;
        int saves = 0;
        double spent = 0;
        while (saves < 5 || spent < 0.5) {
            const auto start = Clock::now();
            qm::writeDocument(file, document(), progress);
            spent += seconds(start);
            ++saves;
        }
        return spent / saves;
    }();
    return result;
}

void report(benchmark::State &state, double total)
{
    state.counters["seals"] = SealCount;
    state.counters["x_save"] = total / double(state.iterations()) / fullSaveSeconds();
}

void BM_FullSave(benchmark::State &state)
{
    qm::NoProgress progress;
    QTemporaryDir dir;
    const QString file = dir.filePath(u"document.dyz"_s);
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        qm::writeDocument(file, document(), progress);
        total += seconds(start);
    }
    report(state, total);
}

void BM_AutosaveSnapshot(benchmark::State &state)
{
    const qm::SealDocument &doc = document();
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        auto snapshot = std::make_unique<qm::DocumentSnapshot>(doc);
        total += seconds(start);
        benchmark::DoNotOptimize(snapshot->sealCount());
        // Freed by the worker after writing, not by the GUI thread.
        state.PauseTiming();
        snapshot.reset();
        state.ResumeTiming();
    }
    report(state, total);
}

void BM_ComposeInMemory(benchmark::State &state)
{
    const qm::SealDocument &doc = document();
    qm::NoProgress progress;
    double total = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        qm::writeDocument(buffer, doc, progress);
        benchmark::DoNotOptimize(buffer.data().size());
        total += seconds(start);
    }
    report(state, total);
}

} // namespace

BENCHMARK(BM_FullSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutosaveSnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeInMemory)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
