// Saving, loading and dumping a seal document of 10 000 seals. Each figure is also reported as
// `x_copy`: its time divided by the time of copying the document's bytes once, measured in the
// same run, so that results compare across machines.

#include "benchdocument.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"

#include <QBuffer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

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

} // namespace

BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DumpDocument)->Unit(benchmark::kMillisecond);

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
