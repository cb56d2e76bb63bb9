// Seals painted from several threads at once must come out exactly as painted one after another:
// the caches painting fills (faces, glyph metrics and outlines, text conversion) are shared.

#include "seal/paintersurface.h"
#include "seal/renderseals.h"
#include "seal/seal.h"
#include "seal/sealjson.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

const QString GalleryPath = QStringLiteral(QM_SOURCE_DIR "/examples/gallery.json");

// Beside the gallery: light and italic ring texts, thickened and hollow glyphs (text made into
// paths), a negative seal and a long ring text.
const char *const ExtraSeals = R"({"seals": [
  {"SealType": 10, "Text": "示例应用软件公司ABC123", "TextWeight": 400, "Italic": true, "HaveImage": true,
   "ImageIsStar": true, "RealCenterX": 30, "RealCenterY": 30},
  {"SealType": 10, "Text": "示例应用软件公司", "TextPenWidth": 20, "Code": "1234567890123", "RealCenterX": 80,
   "RealCenterY": 30},
  {"SealType": 11, "BrushStyle": 0, "Text": "示例应用软件公司", "Blank": true, "RealCenterX": 130, "RealCenterY": 30},
  {"SealType": 10, "Text": "示例应用软件公司示例应用软件公司示例应用软件公司示例应用软件公司示例应用软件公司",
   "HaveImage": true, "ImageIsStar": true, "RealCenterX": 30, "RealCenterY": 80}
]})";

struct Picture {
    int seal;
    long double pixelsPerMm;
    bool antialiased;
};

QImage paint(const qm::Seal &seal, const Picture &p)
{
    const long double k = p.pixelsPerMm;
    QImage image(int(seal.RealWidth() * k) + 8, int(seal.RealHeight() * k) + 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, p.antialiased);
    qm::PainterSurface surface(&painter);
    const qm::RenderOffset offset{4 - (seal.RealCenterX() - seal.RealWidth() / 2) * k,
                                  4 - (seal.RealCenterY() - seal.RealHeight() / 2) * k};
    qm::renderSeals({&seal}, k, surface, offset, qm::SealColours::Own);
    return image;
}

} // namespace

class TestThreadedPaint : public QObject
{
    Q_OBJECT

    std::vector<std::unique_ptr<qm::Seal>> m_seals;

private slots:
    void initTestCase()
    {
        qm::SealJsonResult gallery = qm::readSealJsonFile(GalleryPath);
        QVERIFY2(gallery.error.isEmpty(), qPrintable(gallery.error));
        qm::SealJsonResult extra = qm::readSealJson(ExtraSeals, QString());
        QVERIFY2(extra.error.isEmpty(), qPrintable(extra.error));
        for (auto *list : {&gallery.seals, &extra.seals})
            for (auto &seal : *list)
                m_seals.push_back(std::move(seal));
    }

    // Every thread paints every seal, each starting at another one, so that different threads
    // fill the same cache entries at the same time; every round starts new threads, whose glyph
    // caches start empty.
    void sameSealsFromSeveralThreads()
    {
        std::vector<Picture> pictures;
        for (int i = 0; i < int(m_seals.size()); ++i)
            for (bool antialiased : {false, true})
                pictures.push_back({i, 4.0L, antialiased});
        pictures.push_back({int(m_seals.size()) - 1, 300 / 25.4L, false});

        std::vector<QImage> serial;
        for (const Picture &p : pictures)
            serial.push_back(paint(*m_seals[size_t(p.seal)], p));

        constexpr int Threads = 4;
        constexpr int Rounds = 3;
        for (int round = 0; round < Rounds; ++round) {
            std::vector<std::vector<QImage>> painted(Threads, std::vector<QImage>(pictures.size()));
            std::atomic<int> ready{0};
            std::vector<std::thread> threads;
            for (int t = 0; t < Threads; ++t) {
                threads.emplace_back([&, t] {
                    ready.fetch_add(1);
                    while (ready.load() < Threads)
                        std::this_thread::yield();
                    const size_t n = pictures.size();
                    for (size_t i = 0; i < n; ++i) {
                        const size_t at = (i + size_t(t) * n / Threads) % n;
                        painted[size_t(t)][at] = paint(*m_seals[size_t(pictures[at].seal)], pictures[at]);
                    }
                });
            }
            for (std::thread &thread : threads)
                thread.join();
            for (int t = 0; t < Threads; ++t)
                for (size_t i = 0; i < pictures.size(); ++i)
                    QVERIFY2(painted[size_t(t)][i] == serial[i],
                             qPrintable(QStringLiteral("round %1, thread %2: seal %3 (antialiased %4) differs")
                                            .arg(round)
                                            .arg(t)
                                            .arg(pictures[i].seal)
                                            .arg(pictures[i].antialiased)));
        }
    }
};

QTEST_MAIN(TestThreadedPaint)
#include "tst_threadedpaint.moc"
