// Repainting a page of 1 000 seals on screen. Each figure is also reported as `x_fill`: the time
// of one repaint of the whole A4 page at 100 % divided by the time of filling an image of the
// page's size white, measured in the same run; 1 would mean the seals cost nothing.
//
// After the benchmarks the program prints the cost of steps on a shown document window as
// ratios to the same step on a page of two seals: a zoom step and a wheel scroll step over
// 20 000 stacked seals, and dragging one seal on a page of 1 000. A step is timed from the
// command to the end of the paint it causes, when the window takes input again; the time until
// the picture is complete and the longest pass of the event loop are printed beside it.

#include "document/clipboardstream.h"
#include "document/pagemodel.h"
#include "document/sealdocument.h"
#include "page/documentwindow.h"
#include "page/pagehost.h"
#include "page/pagepanel.h"
#include "quiethost.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

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

using BenchHost = qm::bench::QuietHost;

// Counts the paint events the page receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A round company seal, a name seal or a rectangular seal, `size` mm across, centred at (x, y).
void addStackedSeal(qm::SealDocument &doc, qm::SealList &list, int i, float size, float x, float y)
{
    auto seal = doc.createSeal();
    seal->setZoom(doc.page().zoom());
    switch (i % 3) {
    case 0:
        seal->setSealType(qm::SealType::stEllipse);
        seal->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s));
        seal->setHaveImage(true);
        seal->setImageIsStar(true);
        seal->setTextWidth(1.0f);
        seal->setTextHeight(1.6f);
        break;
    case 1:
        seal->setSealType(qm::SealType::stName22);
        seal->setText(qm::Gbk::fromUnicode(u"甲乙丙印"_s));
        seal->setTextWidth(size * 0.4f);
        seal->setTextHeight(size * 0.4f);
        break;
    default:
        seal->setSealType(qm::SealType::stRect);
        seal->setText(qm::Gbk::fromUnicode(u"合同专用章"_s));
        seal->setTextWidth(1.4f);
        seal->setTextHeight(1.6f);
        break;
    }
    seal->setRealWidth(size);
    seal->setRealHeight(i % 3 == 2 ? size * 0.6f : size);
    seal->setTextsWidth(size - 1);
    seal->setTextsHeight(size - 1);
    seal->setRealCenterX(x);
    seal->setRealCenterY(y);
    list.push_back(std::move(seal));
}

// The page keeps seal pictures (double buffered) or paints the seals straight, as the program
// does by default.
bool doubleBuffered = true;

// A shown document window of 1 000 × 800 pixels on an A4 page at `zoom`, holding `count` seals
// of 8 to 10 mm: 20 000 fill a grid of 100 × 200 points 1.9 mm and 1.4 mm apart, so that about
// forty stack over every spot; two stand near the top-left corner.
struct Window {
    BenchHost host;
    qm::DocumentWindow *window;
    PaintCounter counter;

    // `rows`: the page of the repaint benchmarks instead, 25 seals of 12 and 7 mm to a row.
    Window(int count, int zoom, bool rows = false)
    {
        window = new qm::DocumentWindow(host, Ppi);
        window->document().page().setPageWidth(210);
        window->document().page().setPageHeight(297);
        window->resize(1000, 800);
        window->document().page().setZoom(zoom);
        qm::SealList list;
        for (int i = 0; i < count; ++i) {
            const float size = 8.0f + float(i % 5) * 0.5f;
            if (rows)
                addStackedSeal(window->document(), list, i, i % 2 == 0 ? 12.0f : 7.0f, float(8 + (i % 25) * 8),
                               float(8 + (i / 25) * 7));
            else if (count <= 2)
                addStackedSeal(window->document(), list, i, size, 20.0f + float(i) * 6, 20.0f + float(i) * 4);
            else
                addStackedSeal(window->document(), list, i, size, 10.0f + float(i % 100) * 1.9f,
                               10.0f + float(i / 100) * 1.4f);
        }
        window->document().appendSeals(std::move(list), false);
        window->pagePanel()->setDoubleBuffered(doubleBuffered);
        window->pagePanel()->installEventFilter(&counter);
    }
    // Shows the window as opening a document does.
    void show()
    {
        window->show();
        window->zoomPage(window->document().page().zoom());
    }
    ~Window() { delete window; }
};

struct StepFigures {
    double step = 0;     // the command and the paint it causes
    double complete = 0; // until the picture is complete or the drain gave up
    double longest = 0;  // the longest pass of the event loop after the step
};

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs the event loop until the page stops painting, for at most `limit` seconds; returns the
// longest pass.
double drain(Window &w, double limit = 3)
{
    double longest = 0;
    int quiet = 0;
    const auto begin = Clock::now();
    while (quiet < 3 && secondsSince(begin) < limit) {
        const int before = w.counter.paints;
        const auto start = Clock::now();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        longest = std::max(longest, secondsSince(start));
        quiet = w.counter.paints == before ? quiet + 1 : 0;
    }
    return longest;
}

StepFigures timeStep(Window &w, const std::function<void()> &step)
{
    drain(w);
    StepFigures f;
    const auto start = Clock::now();
    step();
    QCoreApplication::sendPostedEvents(w.window, QEvent::UpdateRequest);
    f.step = secondsSince(start);
    f.longest = drain(w);
    f.complete = secondsSince(start);
    return f;
}

// The median of `runs` steps, each undone by its opposite step untimed.
StepFigures medianSteps(Window &w, int runs, const std::function<void()> &step, const std::function<void()> &back)
{
    std::vector<StepFigures> all;
    for (int i = 0; i < runs; ++i) {
        all.push_back(timeStep(w, step));
        timeStep(w, back);
    }
    std::sort(all.begin(), all.end(), [](const auto &a, const auto &b) { return a.step < b.step; });
    StepFigures f = all[all.size() / 2];
    for (const auto &a : all)
        f.longest = std::max(f.longest, a.longest);
    return f;
}

void wheel(qm::DocumentWindow *window, int notches)
{
    QWidget *viewport = window->viewport();
    const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

void printRatio(const char *what, const StepFigures &small, const StepFigures &large)
{
    std::printf("%-34s small %8.2f ms  large %8.2f ms  ratio %6.2f  (large done or given up after %8.1f ms, "
                "longest event-loop pass %6.1f ms)\n",
                what, small.step * 1e3, large.step * 1e3, large.step / small.step, large.complete * 1e3,
                large.longest * 1e3);
}

void reportSteps()
{
    const int runs =
        qEnvironmentVariableIntValue("QM_BENCH_STEPS") > 0 ? qEnvironmentVariableIntValue("QM_BENCH_STEPS") : 5;
    std::printf("\nSteps on a shown 1000 x 800 document window, %s (median of %d):\n",
                doubleBuffered ? "double buffered" : "seals painted straight (the default)", runs);
    {
        // Opening: from the seals being there to the first paint of the page.
        auto open = [](int count) {
            Window w(count, 100);
            const auto start = Clock::now();
            w.show();
            while (w.counter.paints == 0)
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            StepFigures f;
            f.step = secondsSince(start);
            f.longest = drain(w);
            f.complete = secondsSince(start);
            return f;
        };
        const StepFigures small = open(2);
        const StepFigures large = open(20000);
        printRatio("first paint, 20000 / 2 seals", small, large);
    }
    // Each page is measured alone, after its first paint is complete: a page still painting in
    // slices would take the event loop's time from the other's steps.
    using Step = std::function<void()>;
    auto measure = [runs](int count, int zoom, bool rows, const std::function<Step(Window &, int)> &step) {
        Window w(count, zoom, rows);
        w.show();
        drain(w, 120);
        return medianSteps(w, runs, step(w, 1), step(w, -1));
    };
    {
        auto zoom = [](Window &w, int sign) {
            return [&w, sign] { w.window->zoomPage(w.window->document().page().zoom() + 10 * sign); };
        };
        const StepFigures s = measure(2, 100, false, zoom);
        const StepFigures l = measure(20000, 100, false, zoom);
        printRatio("zoom step, 20000 / 2 seals", s, l);
    }
    {
        // Both scroll over the same spot near the top, where the two seals stand.
        auto scroll = [](Window &w, int sign) { return [&w, sign] { wheel(w.window, -sign); }; };
        const StepFigures s = measure(2, 200, false, scroll);
        const StepFigures l = measure(20000, 200, false, scroll);
        printRatio("wheel scroll step, 20000 / 2 seals", s, l);
    }
    {
        // Dragging the second seal of the list, near the top-left corner where both pages have
        // it and the larger one overlaps it with its neighbours, 40 pixels right and down.
        auto drag = [](Window &w, int sign) {
            return [&w, sign] {
                const qm::Seal &seal = *w.window->document().seals()[1];
                const QPoint from(seal.left() + seal.width() / 2, seal.top() + seal.height() / 2);
                const QPoint to = from + QPoint(40, 40) * sign;
                QWidget *page = w.window->pagePanel();
                auto send = [page](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
                    QMouseEvent e(type, p, page->mapToGlobal(p), button, buttons, Qt::NoModifier);
                    QApplication::sendEvent(page, &e);
                };
                send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
                send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
                send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
            };
        };
        const StepFigures s = measure(2, 100, true, drag);
        const StepFigures l = measure(1000, 100, true, drag);
        printRatio("drag one seal, 1000 / 2 seals", s, l);
    }
}

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
    // QM_BENCH_PAGE_MODE=straight or =pictures measures one of the two.
    const QByteArray mode = qgetenv("QM_BENCH_PAGE_MODE");
    for (const bool pictures : {false, true}) {
        if (mode.isEmpty() || mode == (pictures ? "pictures" : "straight")) {
            doubleBuffered = pictures;
            reportSteps();
        }
    }
    return 0;
}
