#include "picture/colourquantizer.h"
#include "picture/gifencoder.h"

#include <QBuffer>
#include <QImage>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

using qm::ColourQuantizer;
using qm::GifStatus;

namespace {

// A picture of exactly n distinct colours, spread over the cube so they are far apart.
QImage pictureWithColours(int n, int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (y * width + x) % n;
            img.setPixel(x, y, qRgb((i * 37) % 256, (i * 101) % 256, (i * 13 + i / 7) % 256));
        }
    return img;
}

// A picture of n neighbouring greys (n <= 256), many of them sharing a cell of a coarse colour
// histogram.
QImage greys(int n, int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = (y * width + x) % n;
            img.setPixel(x, y, qRgb(i, i, i));
        }
    return img;
}

int distinctColours(const QImage &img)
{
    QSet<QRgb> set;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            set.insert(img.pixel(x, y) | 0xFF000000u);
    return int(set.size());
}

// A device that refuses every write, like a full disk.
class FullDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

QImage decodeGif(const QByteArray &bytes)
{
    return QImage::fromData(bytes, "GIF").convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestGifEncoder : public QObject
{
    Q_OBJECT

private slots:
    void fewColoursStayExact_data();
    void fewColoursStayExact();
    void manyColoursMapToNearest_data();
    void manyColoursMapToNearest();
    void refusals();
    void writeFailureIsReported();
};

void TestGifEncoder::fewColoursStayExact_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("neighbours");
    QTest::newRow("one colour") << 1 << 5 << 3 << false;
    QTest::newRow("red ink on white") << 2 << 17 << 16 << false;
    QTest::newRow("200 colours") << 200 << 40 << 10 << false;
    QTest::newRow("exactly 256") << 256 << 16 << 16 << false;
    QTest::newRow("256 over odd size") << 256 << 33 << 31 << false;
    // Colours far apart survive even a reduction; 256 neighbours only when nothing is reduced.
    QTest::newRow("256 neighbouring greys") << 256 << 16 << 16 << true;
    QTest::newRow("2 neighbouring greys") << 2 << 4 << 4 << true;
}

void TestGifEncoder::fewColoursStayExact()
{
    QFETCH(int, colours);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, neighbours);
    const QImage img = neighbours ? greys(colours, width, height) : pictureWithColours(colours, width, height);
    QCOMPARE(distinctColours(img), colours);

    const qm::QuantizedImage q = ColourQuantizer::quantize(img);
    QCOMPARE(q.palette.size(), colours);
    QCOMPARE(q.indices.size(), qsizetype(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            QCOMPARE(q.palette[uchar(q.indices[y * width + x])], img.pixel(x, y));

    QString error;
    const QByteArray gif = qm::encodeGif(img, &error);
    QVERIFY2(!gif.isEmpty(), qPrintable(error));
    QVERIFY(gif.startsWith("GIF89a"));
    const QImage back = decodeGif(gif);
    QCOMPARE(back.size(), img.size());
    QCOMPARE(back, img);
}

void TestGifEncoder::manyColoursMapToNearest_data()
{
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("maxColours");
    QTest::newRow("257 colours") << 257 << 256;
    QTest::newRow("4096 colours") << 4096 << 256;
    QTest::newRow("into 16") << 1000 << 16;
    QTest::newRow("into 1") << 300 << 1;
}

void TestGifEncoder::manyColoursMapToNearest()
{
    QFETCH(int, colours);
    QFETCH(int, maxColours);
    const QImage img = pictureWithColours(colours, 64, 64);
    const qm::QuantizedImage q = ColourQuantizer::quantize(img, maxColours);
    QVERIFY(q.palette.size() <= maxColours);
    QVERIFY(!q.palette.isEmpty());
    // No dithering: equal pixels get equal indices, and each index is a nearest colour.
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            const QRgb got = q.palette[uchar(q.indices[y * img.width() + x])];
            const QRgb best = q.palette[ColourQuantizer::nearest(q.palette, c)];
            auto d2 = [c](QRgb p) {
                return (qRed(p) - qRed(c)) * (qRed(p) - qRed(c)) + (qGreen(p) - qGreen(c)) * (qGreen(p) - qGreen(c)) +
                       (qBlue(p) - qBlue(c)) * (qBlue(p) - qBlue(c));
            };
            QCOMPARE(d2(got), d2(best));
        }

    if (maxColours == 256) {
        const QImage back = decodeGif(qm::encodeGif(img));
        QCOMPARE(back.size(), img.size());
        QVERIFY(distinctColours(back) <= 256);
    }
}

void TestGifEncoder::refusals()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(qm::writeGif(QImage(), &buffer), GifStatus::EmptyPicture);
    // 65535 is the largest side a GIF screen can describe.
    QImage wide(65535 + 1, 1, QImage::Format_RGB32);
    wide.fill(Qt::white);
    QCOMPARE(qm::writeGif(wide, &buffer), GifStatus::TooLarge);
    QCOMPARE(buffer.size(), 0);

    QString error;
    QVERIFY(qm::encodeGif(wide, &error).isEmpty());
    QCOMPARE(error, qm::gifStatusText(GifStatus::TooLarge));
    QVERIFY(!error.isEmpty());
}

void TestGifEncoder::writeFailureIsReported()
{
    FullDevice full;
    full.open(QIODevice::WriteOnly);
    QCOMPARE(qm::writeGif(pictureWithColours(3, 8, 8), &full), GifStatus::WriteFailed);
}

QTEST_GUILESS_MAIN(TestGifEncoder)
#include "tst_gifencoder.moc"
