// Repainting a page of 1 000 seals on screen. Each figure is also reported as `x_fill`: the time
// of one repaint of the whole A4 page at 100 % divided by the time of filling an image of the
// page's size white, measured in the same run; 1 would mean the seals cost nothing.

#include "document/pagemodel.h"
#include "document/sealdocument.h"
#include "page/pagepanel.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Ppi = 96;
constexpr int Seals = 1000;

double fillSeconds(const QSize &size)
{
    static double measured = 0;
    if (measured > 0)
        return measured;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    int fills = 0;
    const auto start = Clock::now();
    std::chrono::duration<double> spent{};
    while (fills < 5 || spent.count() < 0.2) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
        ++fills;
        spent = Clock::now() - start;
    }
    measured = spent.count() / fills;
    return measured;
}

// 1 000 seals in rows over an A4 page: round company seals of 12 mm and square name seals of
// 7 mm, alternately, each with its texts.
struct Page {
    qm::PageModel model;
    qm::SealList seals;
    std::unique_ptr<qm::PagePanel> panel;

    Page()
    {
        model.setPixelsPerInch(Ppi);
        model.setPageWidth(210);
        model.setPageHeight(297);
        panel = std::make_unique<qm::PagePanel>(model);
        const float ppm = float(Ppi / 25.4);
        for (int i = 0; i < Seals; ++i) {
            auto seal = std::make_unique<qm::Seal>();
            seal->setListener(panel.get());
            seal->setPixelsPerMm(ppm);
            seal->setZoom(100);
            if (i % 2 == 0) {
                seal->setSealType(qm::SealType::stEllipse);
                seal->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s));
                seal->setHaveImage(true);
                seal->setImageIsStar(true);
                seal->setRealWidth(12);
                seal->setRealHeight(12);
                seal->setTextsWidth(11);
                seal->setTextsHeight(11);
                seal->setTextWidth(1.2f);
                seal->setTextHeight(2);
            } else {
                seal->setSealType(qm::SealType::stName22);
                seal->setText(qm::Gbk::fromUnicode(u"甲乙丙印"_s));
                seal->setRealWidth(7);
                seal->setRealHeight(7);
                seal->setTextWidth(3);
                seal->setTextHeight(3);
                seal->setTextsWidth(6);
                seal->setTextsHeight(6);
            }
            // 25 to a row, 8 mm apart; rows 7 mm apart, overlapping a little.
            seal->setRealCenterX(float(8 + (i % 25) * 8));
            seal->setRealCenterY(float(8 + (i / 25) * 7));
            seal->setVisible(true);
            seals.push_back(std::move(seal));
        }
        panel->setSeals(&seals);
    }
    ~Page()
    {
        panel->setSeals(nullptr);
        for (auto &seal : seals)
            seal->setListener(nullptr);
    }
};

void repaintLoop(benchmark::State &state, bool keepPictures)
{
    Page page;
    QImage image(page.panel->size(), QImage::Format_RGB32);
    page.panel->render(&image); // the first paint makes every seal's picture
    const auto start = Clock::now();
    for (auto _ : state) {
        if (!keepPictures)
            page.panel->dropPictures();
        page.panel->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    const std::chrono::duration<double> spent = Clock::now() - start;
    if (state.iterations() > 0)
        state.counters["x_fill"] = spent.count() / double(state.iterations()) / fillSeconds(image.size());
}

// Every repaint after the first: the seals' pictures are copied.
void BM_Repaint1000(benchmark::State &state)
{
    repaintLoop(state, true);
}
BENCHMARK(BM_Repaint1000)->Unit(benchmark::kMillisecond);

// For comparison: every seal painted afresh, as without the pictures.
void BM_FirstPaint1000(benchmark::State &state)
{
    repaintLoop(state, false);
}
BENCHMARK(BM_FirstPaint1000)->Unit(benchmark::kMillisecond);

// The baseline itself: an A4 page at 100 % filled white.
void BM_FillWhitePage(benchmark::State &state)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillWhitePage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
