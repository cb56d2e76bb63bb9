// The decoders of embedded pictures against hostile headers: what they take from the decoding
// budget, and that a GIF frame or a JPEG is refused before its pixels are allocated or walked.

#include "testing/testhelpers.h"

#include "picture/decodebudget.h"
#include "picture/gifencoder.h"
#include "picture/picturedecoders.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// A GIF of a few bytes: a screen with a two-colour table, one frame whose descriptor says what
// the caller likes, an LZW code size and no image data.
QByteArray hostileGif(int screenWidth, int screenHeight, int frameWidth, int frameHeight)
{
    QByteArray g("GIF89a", 6);
    g += QByteArray(7, '\0');
    putInt16(g, 6, screenWidth);
    putInt16(g, 8, screenHeight);
    g[10] = char(0x80); // a global table of two entries
    g += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    g += QByteArray(10, '\0');
    g[19] = 0x2C;
    putInt16(g, 24, frameWidth);
    putInt16(g, 26, frameHeight);
    g += QByteArray("\x02\x00;", 3);
    return g;
}

// Where the encoder's image descriptor starts: after the screen and its colour table.
qsizetype descriptorAt(const QByteArray &gif)
{
    return 13 + 3 * (qsizetype(1) << ((uchar(gif[10]) & 7) + 1));
}

QImage column(const QList<QRgb> &colours)
{
    QImage img(1, int(colours.size()), QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        img.setPixel(0, y, colours[y]);
    return img;
}

QByteArray jpeg(const QImage &img, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setQuality(100);
    writer.setProgressiveScanWrite(progressive);
    writer.write(img);
    return bytes;
}

const QRgb White = qRgb(255, 255, 255), Black = qRgb(0, 0, 0);

} // namespace

class TestPictureDecoders : public QObject
{
    Q_OBJECT

private slots:
    void pictureLimits_data()
    {
        QTest::addColumn<qint64>("width");
        QTest::addColumn<qint64>("height");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("8192 x 8192, exactly 64 Mi pixels") << 8192LL << 8192LL << true;
        QTest::newRow("one row more") << 8192LL << 8193LL << false;
        QTest::newRow("longest side") << 32768LL << 2048LL << true;
        QTest::newRow("side beyond") << 32769LL << 1LL << false;
        QTest::newRow("empty") << 0LL << 5LL << false;
        QTest::newRow("the frame of a 31-byte GIF") << 35860LL << 30477LL << false;
    }
    void pictureLimits()
    {
        QFETCH(qint64, width);
        QFETCH(qint64, height);
        QFETCH(bool, acceptable);
        QCOMPARE(pictureSizeAcceptable(width, height), acceptable);
    }

    void budgetSharedByPictures()
    {
        DecodeBudget budget(100, 50);
        QVERIFY(budget.takePixels(8, 8));  // 100 - 64 = 36 left
        QVERIFY(!budget.takePixels(6, 7)); // 42 > 36
        QVERIFY(budget.exhausted());
        QCOMPARE(budget.pixelsLeft(), 36); // a refusal takes nothing
        QVERIFY(budget.takePixels(6, 6));
        QCOMPARE(budget.pixelsLeft(), 0);
        QVERIFY(budget.takeWidened(50));
        QVERIFY(!budget.takeWidened(1));
        DecodeBudget fresh;
        QVERIFY(!fresh.takePixels(35860, 30477)); // beyond one picture's limits, not the budget's
        QVERIFY(!fresh.exhausted());
        QCOMPARE(fresh.pixelsLeft(), MaxDocumentPicturePixels);
    }

    // A frame that declares more than a picture may hold is refused before anything is taken,
    // allocated or decoded, whatever the screen.
    void gifFrameRefusedBeforeAllocation()
    {
        const QByteArray gif = hostileGif(4, 1, 35860, 30477);
        QCOMPARE(gif.size(), 32);
        DecodeBudget budget;
        QString error;
        QVERIFY(decodeGif(gif, &error, &budget).isNull());
        QVERIFY2(error.contains(u"frame too large"_s), qPrintable(error));
        QCOMPARE(budget.pixelsLeft(), MaxDocumentPicturePixels);
    }

    // A frame larger than the screen is decoded row by row, so its own size is what it costs;
    // one whose rows cannot be decoded refuses the picture.
    void gifFrameCostsItsOwnSize()
    {
        // A budget of one picture of the largest size.
        DecodeBudget budget(MaxPicturePixels);
        QString error;
        QVERIFY(decodeGif(hostileGif(4, 1, 8192, 8192), &error, &budget).isNull());
        QVERIFY(!error.isEmpty());
        QCOMPARE(budget.pixelsLeft(), MaxPicturePixels - 8192LL * 8192);
        // Nothing left for the next picture of the same document.
        error.clear();
        QVERIFY(decodeGif(hostileGif(4, 1, 2, 2), &error, &budget).isNull());
        QVERIFY2(error.contains(u"too large"_s), qPrintable(error));
    }

    // Only the part of a frame on the screen is copied; the rest of the screen is white.
    void gifFramePartlyOffScreen()
    {
        QImage two(2, 2, QImage::Format_RGB32);
        two.fill(White);
        two.setPixel(0, 0, Black);
        QByteArray gif = encodeGif(two);
        const qsizetype d = descriptorAt(gif);
        QCOMPARE(gif[d], char(0x2C));
        putInt16(gif, 6, 4); // a 4 x 4 screen
        putInt16(gif, 8, 4);
        putInt16(gif, d + 1, 3); // the frame at (3, 3): only its top-left pixel is on the screen
        putInt16(gif, d + 3, 3);
        DecodeBudget budget;
        QString error;
        const QImage image = decodeGif(gif, &error, &budget);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.size(), QSize(4, 4));
        QCOMPARE(budget.pixelsLeft(), MaxDocumentPicturePixels - 16);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(image.pixel(x, y), x == 3 && y == 3 ? Black : White);
    }

    // Stored rows 0, 1, 2, 3 of an interlaced frame of four rows land on rows 0, 2, 1, 3: the
    // passes take every 8th row from 0, every 8th from 4 (none), every 4th from 2, every 2nd from 1.
    void gifInterlacedRows()
    {
        const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
        QByteArray gif = encodeGif(column({red, green, blue, Black}));
        const qsizetype d = descriptorAt(gif);
        gif[d + 9] = char(uchar(gif[d + 9]) | 0x40);
        QString error;
        const QImage image = decodeGif(gif, &error);
        QVERIFY2(!image.isNull(), qPrintable(error));
        QCOMPARE(image.pixel(0, 0), red);
        QCOMPARE(image.pixel(0, 1), blue);
        QCOMPARE(image.pixel(0, 2), green);
        QCOMPARE(image.pixel(0, 3), Black);
    }

    // A first frame that ends before its last row is refused, not shown half decoded.
    void gifFrameCutShort()
    {
        QImage noise(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                noise.setPixel(x, y, (x * 7 + y * 13) % 5 ? White : Black);
        const QByteArray gif = encodeGif(noise);
        QVERIFY(!decodeGif(gif, nullptr).isNull());
        const qsizetype data = descriptorAt(gif) + 10;
        QVERIFY(gif.size() > data + 40);
        for (qsizetype cut : {data + 2, data + 20, gif.size() - 3}) {
            QString error;
            QVERIFY2(decodeGif(gif.left(cut), &error).isNull(), qPrintable(u"cut at %1"_s.arg(cut)));
            QVERIFY(!error.isEmpty());
        }
    }

    // Rows come out of libjpeg straight as RGB32: red stays red, blue stays blue.
    void jpegChannels()
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(qRgb(255, 0, 0));
        for (int y = 8; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                img.setPixel(x, y, qRgb(0, 0, 255));
        for (bool progressive : {false, true}) {
            DecodeBudget budget;
            QString error;
            const QImage image = decodeJpeg(jpeg(img, progressive), &error, &budget);
            QVERIFY2(!image.isNull(), qPrintable(error));
            QCOMPARE(image.format(), QImage::Format_RGB32);
            QCOMPARE(budget.pixelsLeft(), MaxDocumentPicturePixels - 256);
            const QRgb top = image.pixel(4, 2), bottom = image.pixel(4, 13);
            QVERIFY(qRed(top) > 200 && qBlue(top) < 60);
            QVERIFY(qBlue(bottom) > 200 && qRed(bottom) < 60);
            QCOMPARE(qAlpha(top), 255);
        }
    }

    // A JPEG header declaring 8192 x 8192 takes the whole budget of a picture; the next one is
    // refused before libjpeg starts decompressing.
    void jpegHeaderTakesItsSize()
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(White);
        QByteArray bytes = jpeg(img, false);
        const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(sof > 0);
        bytes[sof + 5] = char(0x20); // height 0x2000
        bytes[sof + 6] = 0;
        bytes[sof + 7] = char(0x20); // width 0x2000
        bytes[sof + 8] = 0;
        DecodeBudget budget(MaxPicturePixels - 1);
        QString error;
        QVERIFY(decodeJpeg(bytes, &error, &budget).isNull());
        QVERIFY2(error.contains(u"too large"_s), qPrintable(error));
        QVERIFY(budget.exhausted());
        QCOMPARE(budget.pixelsLeft(), MaxPicturePixels - 1);
    }

    // Scans beyond the limit stop the decoder: a few hundred bytes of repeated scans would
    // otherwise each pass over the whole picture.
    void jpegScansLimited()
    {
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(qRgb(10, 200, 30));
        const QByteArray progressive = jpeg(img, true);
        const qsizetype lastScan = progressive.lastIndexOf(QByteArray("\xFF\xDA", 2));
        const qsizetype end = progressive.lastIndexOf(QByteArray("\xFF\xD9", 2));
        QVERIFY(lastScan > 0 && end > lastScan);
        const QByteArray scan = progressive.mid(lastScan, end - lastScan);
        const int scans = int(progressive.count(QByteArray("\xFF\xDA", 2)));
        QVERIFY(scans > 1 && scans < MaxJpegScans);
        QString error;
        QVERIFY2(!decodeJpeg(progressive, &error).isNull(), qPrintable(error));
        // Repeat the last scan until there are MaxJpegScans + 1.
        QByteArray many = progressive.left(end);
        for (int i = scans; i <= MaxJpegScans; ++i)
            many += scan;
        many += progressive.mid(end);
        QCOMPARE(int(many.count(QByteArray("\xFF\xDA", 2))), MaxJpegScans + 1);
        QVERIFY(decodeJpeg(many, &error).isNull());
        QVERIFY2(error.contains(u"scans"_s), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPictureDecoders)
#include "tst_picturedecoders.moc"
