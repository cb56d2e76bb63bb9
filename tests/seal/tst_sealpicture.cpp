// Emblem pictures: recognised by signature, decoded, kept byte for byte; bad data refused.

#include "testing/testhelpers.h"

#include "seal/sealpicture.h"

#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

QImage sample()
{
    QImage img(6, 5, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

// A 1 x 1 GIF with the palette black, white and its one pixel at index 0.
QByteArray tinyGif(bool transparent)
{
    QByteArray g("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    g += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    if (transparent)
        g += QByteArray("\x21\xF9\x04\x01\x00\x00\x00\x00", 8); // index 0 is transparent
    g += QByteArray("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    g += QByteArray("\x02\x02\x44\x01\x00", 5);
    g += ';';
    return g;
}

} // namespace

class TestSealPicture : public QObject
{
    Q_OBJECT

private slots:
    void kindsAndBytesKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::newRow("bmp") << imageBytes(sample(), "BMP") << int(SealPicture::Kind::Bitmap) << QSize(6, 5);
        QTest::newRow("jpeg") << imageBytes(sample(), "JPEG") << int(SealPicture::Kind::Jpeg) << QSize(6, 5);
        QTest::newRow("icon") << imageBytes(sample(), "ICO") << int(SealPicture::Kind::Icon) << QSize(6, 5);
        QTest::newRow("gif") << tinyGif(false) << int(SealPicture::Kind::Gif) << QSize(1, 1);
    }
    void kindsAndBytesKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QFETCH(QSize, size);
        QVERIFY(!bytes.isEmpty());
        QString error;
        const SealPicture p = SealPicture::fromData(bytes, &error);
        QVERIFY2(p.hasGraphic(), qPrintable(error));
        QCOMPARE(int(p.kind()), kind);
        QCOMPARE(p.bytes(), bytes);
        QCOMPARE(p.image().size(), size);
    }

    void decodedPixels()
    {
        const SealPicture jpeg = SealPicture::fromData(imageBytes(sample(), "JPEG"));
        // Lossy, but black stays dark and white stays light.
        QVERIFY(qGray(jpeg.image().pixel(0, 2)) < 60);
        QVERIFY(qGray(jpeg.image().pixel(5, 2)) > 195);
        QCOMPARE(SealPicture::fromData(tinyGif(false)).image().pixel(0, 0), qRgb(0, 0, 0));
        // A transparent GIF pixel shows the white ground.
        QCOMPARE(SealPicture::fromData(tinyGif(true)).image().pixel(0, 0), qRgb(255, 255, 255));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = imageBytes(sample(), "JPEG");
        const QByteArray gif = tinyGif(false);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello, seal");
        QTest::newRow("bmp header only") << imageBytes(sample(), "BMP").left(20);
        QTest::newRow("jpeg cut") << jpeg.left(jpeg.size() / 3);
        QTest::newRow("jpeg marker only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("gif cut") << gif.left(15);
        // A GIF claiming a 65535 x 65535 screen must not allocate 4 gigapixels.
        QByteArray huge = gif;
        huge[6] = huge[7] = huge[8] = huge[9] = char(0xFF);
        QTest::newRow("gif huge") << huge;
        QTest::newRow("emf without a player")
            << QByteArray(40, '\0').replace(0, 4, QByteArray("\x01\0\0\0", 4)) + QByteArray(" EMF");
    }
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QString error;
        const SealPicture p = SealPicture::fromData(bytes, &error);
        QVERIFY(!p.hasGraphic());
        QVERIFY(!error.isEmpty());
    }

    // Every cut of a good file is refused or decoded, never a crash or a hang. A cut that ends
    // inside the headers cannot describe a picture; a longer one may decode, but only at the
    // picture's own size.
    void everyCutOfAGoodFileIsSafe_data()
    {
        QTest::addColumn<QByteArray>("good");
        QTest::addColumn<qsizetype>("header");
        // The pixels start where the file header's bfOffBits says.
        const QByteArray bmp = imageBytes(sample(), "BMP");
        QTest::newRow("bmp") << bmp << qsizetype(uint32At(bmp, 10));
        // Signature and screen 13, colour table 2 x 3, control extension 8, image descriptor 10
        // and the code size 1.
        QTest::newRow("gif") << tinyGif(true) << qsizetype(13 + 6 + 8 + 10 + 1);
        // Up to the end of the start-of-scan segment: its marker and its stated length.
        const QByteArray jpeg = imageBytes(sample(), "JPEG");
        const qsizetype scan = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
        QTest::newRow("jpeg") << jpeg << scan + 2 + (uchar(jpeg[scan + 2]) << 8 | uchar(jpeg[scan + 3]));
    }
    void everyCutOfAGoodFileIsSafe()
    {
        QFETCH(QByteArray, good);
        QFETCH(qsizetype, header);
        QVERIFY(header > 0 && header < good.size());
        const QSize size = SealPicture::fromData(good).image().size();
        QVERIFY(!size.isEmpty());
        for (qsizetype n = 0; n < good.size(); ++n) {
            QString error;
            const SealPicture p = SealPicture::fromData(good.left(n), &error);
            const QString at = u"cut at %1"_s.arg(n);
            if (n < header) {
                QVERIFY2(!p.hasGraphic(), qPrintable(at));
                QVERIFY2(!error.isEmpty(), qPrintable(at));
            } else if (p.hasGraphic()) {
                QVERIFY2(p.image().size() == size, qPrintable(at));
            }
        }
    }

    void equalityIsByBytes()
    {
        const SealPicture a = SealPicture::fromData(tinyGif(false));
        const SealPicture b = SealPicture::fromData(tinyGif(false));
        const SealPicture c = SealPicture::fromData(tinyGif(true));
        QVERIFY(a == b);
        QVERIFY(!(a == c));
    }
};

QTEST_GUILESS_MAIN(TestSealPicture)
#include "tst_sealpicture.moc"
