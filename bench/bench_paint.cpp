// Painting cost of seals onto print-resolution images. Each figure is also reported as
// `x_fill`: the time of one pass (fill white, then paint) divided by the time of filling the same
// image white alone, measured in the same run, so that results compare across machines; 1 would
// mean painting is free.

#include "seal/gbk.h"
#include "seal/paintersurface.h"
#include "seal/seal.h"
#include "seal/sealjson.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

float pixelsPerMm(int dpi)
{
    return float(dpi / 25.4);
}

// Seconds to fill an image of this size white, averaged over enough fills to be steady; measured
// once per size.
double fillSeconds(const QSize &size)
{
    static QHash<quint64, double> measured;
    const quint64 key = (quint64(size.width()) << 32) | quint64(size.height());
    if (const auto it = measured.constFind(key); it != measured.constEnd())
        return it.value();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white); // first touch of the pages is not part of a fill
    int fills = 0;
    const auto start = Clock::now();
    std::chrono::duration<double> spent{};
    while (fills < 5 || spent.count() < 0.2) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
        ++fills;
        spent = Clock::now() - start;
    }
    const double seconds = spent.count() / fills;
    measured.insert(key, seconds);
    return seconds;
}

// Places `seals` at their page positions at `dpi`; the image spans their common box.
QSize prepare(const std::vector<qm::Seal *> &seals, int dpi)
{
    QRect bounds;
    for (qm::Seal *seal : seals) {
        seal->placeAtScale(pixelsPerMm(dpi), 100);
        bounds |= QRect(seal->left(), seal->top(), seal->width(), seal->height());
    }
    for (qm::Seal *seal : seals)
        seal->setBounds(seal->left() - bounds.left(), seal->top() - bounds.top(), seal->width(), seal->height());
    return bounds.size() + QSize(2, 2);
}

// Fills the image white and paints the seals, once per iteration, as a print or export pass does.
void paintLoop(benchmark::State &state, const std::vector<qm::Seal *> &seals, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const auto start = Clock::now();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        qm::PainterSurface surface(&painter);
        for (qm::Seal *seal : seals)
            seal->paintTo(seal->left(), seal->top(), surface, true);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    const std::chrono::duration<double> spent = Clock::now() - start;
    if (state.iterations() > 0)
        state.counters["x_fill"] = spent.count() / double(state.iterations()) / fillSeconds(size);
    state.counters["pixels"] = double(size.width()) * size.height();
}

// The round company seal as its creation tool makes it: 42 mm, ring text, star emblem.
std::unique_ptr<qm::Seal> companySeal()
{
    auto seal = std::make_unique<qm::Seal>();
    seal->setSealType(qm::SealType::stEllipse);
    seal->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s));
    seal->setHaveImage(true);
    seal->setImageIsStar(true);
    return seal;
}

// The four-character square name seal of its creation tool.
std::unique_ptr<qm::Seal> nameSeal()
{
    auto seal = std::make_unique<qm::Seal>();
    seal->setSealType(qm::SealType::stName22);
    seal->setText(qm::Gbk::fromUnicode(u"甲乙丙印"_s));
    seal->setPenWidth(2);
    seal->setRealWidth(20);
    seal->setRealHeight(20);
    seal->setTextWidth(8);
    seal->setTextHeight(8);
    seal->setTextsWidth(15.5f);
    seal->setTextsHeight(15.5f);
    return seal;
}

void paintOne(benchmark::State &state, std::unique_ptr<qm::Seal> seal)
{
    const int dpi = int(state.range(0));
    const std::vector<qm::Seal *> seals{seal.get()};
    const QSize size = prepare(seals, dpi);
    paintLoop(state, seals, size);
}

void BM_DefaultSeal(benchmark::State &state)
{
    paintOne(state, std::make_unique<qm::Seal>());
}
BENCHMARK(BM_DefaultSeal)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_CompanySeal(benchmark::State &state)
{
    paintOne(state, companySeal());
}
BENCHMARK(BM_CompanySeal)->Arg(600)->Arg(1200)->Unit(benchmark::kMillisecond);

void BM_NameSeal(benchmark::State &state)
{
    paintOne(state, nameSeal());
}
BENCHMARK(BM_NameSeal)->Arg(600)->Unit(benchmark::kMillisecond);

void BM_Gallery(benchmark::State &state)
{
    qm::SealJsonResult loaded = qm::readSealJsonFile(QStringLiteral(QM_SOURCE_DIR "/examples/gallery.json"));
    if (!loaded.error.isEmpty()) {
        state.SkipWithError(qPrintable(loaded.error));
        return;
    }
    std::vector<qm::Seal *> seals;
    for (const auto &seal : loaded.seals)
        seals.push_back(seal.get());
    const QSize size = prepare(seals, int(state.range(0)));
    paintLoop(state, seals, size);
}
BENCHMARK(BM_Gallery)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

// The baseline itself, for reading the ratios against: a 42 mm square at 600 dpi.
void BM_FillWhite(benchmark::State &state)
{
    const int side = qm::roundHalfEven(42 * pixelsPerMm(int(state.range(0)))) + 2;
    QImage image(side, side, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillWhite)->Arg(600)->Arg(1200)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QGuiApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
