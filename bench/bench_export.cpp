// Exporting the round company seal at 300, 600 and 1200 pixels per inch to every picture kind.
// Each figure is also reported as `x_raw`: its time divided by the time of writing the same
// number of bytes to a file, measured in the same run, so that results compare across machines.
// Kinds: 1 EMF, 2 JPEG, 3 GIF, 4 TIFF, 5 BMP, 6 PNG, 7 SVG, 8 PDF.
// BM_ExportRatio prints two ratios of whole exports: `long_over_short`, the 300 dpi PNG of the seal
// with a ring text of 32 000 characters (a 64 KiB text) over that of the same seal with its 8;
// `dpi1200_over_300`, the 1200 dpi PNG of the seal over its 300 dpi PNG (16 times the pixels); and
// the two 300 dpi times themselves, `long_ms` and `short_ms`.
// BM_PngEncode times the PNG encoding alone of the seal's 1200 dpi picture, with Qt's PNG writer at
// its default settings (encoder 0) as the yardstick beside ours (encoder 1); its `x_raw` is the time
// divided by that of writing the picture's uncompressed RGBA bytes to a file.

#include "document/selectionbounds.h"
#include "export/exportrender.h"
#include "export/pngwriter.h"
#include "export/sealexporter.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

// The round company seal as its creation tool makes it (42 mm, ring text, star emblem), on a
// page of 96 pixels per inch at zoom 100.
std::unique_ptr<qm::Seal> companySeal(int repeats = 1)
{
    auto seal = std::make_unique<qm::Seal>();
    seal->setPixelsPerMm(96 / 25.4f);
    seal->setZoom(100);
    seal->setSealType(qm::SealType::stEllipse);
    seal->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s.repeated(repeats)));
    seal->setHaveImage(true);
    seal->setImageIsStar(true);
    seal->setRealCenterX(30);
    seal->setRealCenterY(30);
    return seal;
}

// Seconds to write `size` bytes to a new file and close it.
double rawWriteSeconds(const QString &path, qint64 size)
{
    const QByteArray bytes(qsizetype(size), 'x');
    int writes = 0;
    const auto start = Clock::now();
    std::chrono::duration<double> spent{};
    while (writes < 5 || spent.count() < 0.05) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
        f.close();
        ++writes;
        spent = Clock::now() - start;
    }
    return spent.count() / writes;
}

void BM_Export(benchmark::State &state)
{
    const auto kind = qm::ExportKind(state.range(0));
    const int dpi = int(state.range(1));
    const auto seal = companySeal();
    QTemporaryDir dir;
    qm::ExportRequest request;
    request.kind = kind;
    request.pixelsPerMm = dpi / 25.4L;
    const QString name = dir.filePath(u"seal"_s);
    double total = 0;
    qm::ExportResult result;
    for (auto _ : state) {
        const auto start = Clock::now();
        result = qm::SealExporter::writeFile({seal.get()}, request, name);
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    if (result.error != qm::ExportError::None) {
        state.SkipWithError("export failed");
        return;
    }
    const qint64 bytes = QFileInfo(result.fileName).size();
    state.counters["pixels"] = double(result.width) * result.height;
    state.counters["bytes"] = double(bytes);
    state.counters["x_raw"] = total / double(state.iterations()) / rawWriteSeconds(dir.filePath(u"raw"_s), bytes);
}

// The best of a few whole exports to a file, in seconds.
double bestExportSeconds(const qm::Seal &seal, qm::ExportKind kind, int dpi, const QString &name)
{
    qm::ExportRequest request;
    request.kind = kind;
    request.pixelsPerMm = dpi / 25.4L;
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        if (qm::SealExporter::writeFile({&seal}, request, name).error != qm::ExportError::None)
            return -1;
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

void BM_ExportRatio(benchmark::State &state)
{
    const auto shortSeal = companySeal();
    const auto longSeal = companySeal(4000); // 32 000 characters, 64 000 bytes of GBK
    QTemporaryDir dir;
    const QString name = dir.filePath(u"seal"_s);
    double shortText = 0, longText = 0, dpi300 = 0, dpi1200 = 0;
    for (auto _ : state) {
        shortText = bestExportSeconds(*shortSeal, qm::ExportKind::Png, 300, name);
        longText = bestExportSeconds(*longSeal, qm::ExportKind::Png, 300, name);
        dpi300 = shortText;
        dpi1200 = bestExportSeconds(*shortSeal, qm::ExportKind::Png, 1200, name);
    }
    if (shortText <= 0 || longText <= 0 || dpi1200 <= 0) {
        state.SkipWithError("export failed");
        return;
    }
    state.counters["long_over_short"] = longText / shortText;
    state.counters["long_ms"] = longText * 1000;
    state.counters["short_ms"] = shortText * 1000;
    state.counters["dpi1200_over_300"] = dpi1200 / dpi300;
}

void kinds(benchmark::internal::Benchmark *b)
{
    for (qm::ExportKind k : {qm::ExportKind::Emf, qm::ExportKind::Jpeg, qm::ExportKind::Gif, qm::ExportKind::Tiff,
                             qm::ExportKind::Bmp, qm::ExportKind::Png, qm::ExportKind::Svg, qm::ExportKind::Pdf})
        for (int dpi : {300, 600, 1200})
            b->Args({int(k), dpi});
    b->ArgNames({"kind", "dpi"});
}

void BM_PngEncode(benchmark::State &state)
{
    const bool ours = state.range(0) == 1;
    const auto seal = companySeal();
    const QList<const qm::Seal *> seals{seal.get()};
    qm::ExportLayout layout;
    if (qm::planExport(qm::selectionBounds(seals), 1200 / 25.4L, &layout) != qm::ExportError::None) {
        state.SkipWithError("layout refused");
        return;
    }
    const QImage picture = qm::renderExportPicture(seals, layout, false);
    QByteArray bytes;
    double total = 0;
    for (auto _ : state) {
        bytes.clear();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const auto start = Clock::now();
        if (ours) {
            qm::PngWriter::write(picture, &buffer);
        } else {
            QImageWriter writer(&buffer, "png");
            writer.write(qm::PngWriter::withAlpha(picture));
        }
        total += std::chrono::duration<double>(Clock::now() - start).count();
    }
    QTemporaryDir dir;
    state.counters["bytes"] = double(bytes.size());
    state.counters["x_raw"] = total / double(state.iterations()) /
                              rawWriteSeconds(dir.filePath(u"raw"_s), qint64(picture.width()) * picture.height() * 4);
}

} // namespace

BENCHMARK(BM_Export)->Apply(kinds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportRatio)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngEncode)->Arg(0)->Arg(1)->ArgName("encoder")->Unit(benchmark::kMillisecond);

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
