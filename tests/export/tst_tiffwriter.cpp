#include "testing/testhelpers.h"

#include "export/tiffwriter.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <tiffio.h>

using namespace Qt::StringLiterals;
using namespace qm::testing;

using qm::ExportError;
using qm::TiffWriter;

namespace {

// A picture whose every pixel differs from its neighbours, so any swap of rows, columns or
// channels shows.
QImage patterned(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 13 + 7) % 256, (y * 29 + 3) % 256, (x * y + 101) % 256));
    return img;
}

QByteArray tiffOf(const QImage &img)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const ExportError e = TiffWriter::write(img, &buffer);
    return e == ExportError::None ? bytes : QByteArray();
}

struct Entry {
    quint16 tag, type;
    quint32 count, value;
};

} // namespace

class TestTiffWriter : public QObject
{
    Q_OBJECT

private slots:
    void sizesAndDirectoryOffset_data();
    void sizesAndDirectoryOffset();
    void header();
    void directoryEntries_data();
    void directoryEntries();
    void libtiffReadsTheSamePixels_data();
    void libtiffReadsTheSamePixels();
    void nullPictureWritesNothing();
};

void TestTiffWriter::sizesAndDirectoryOffset_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pixelBytes");
    QTest::addColumn<int>("dirOffset");
    QTest::addColumn<int>("fileSize");
    // pixel bytes 3WH; directory at 40 + 3WH; then 2 + 15 × 12 + 4 = 186 bytes.
    QTest::newRow("17 x 16") << 17 << 16 << 816 << 856 << 1042;
    QTest::newRow("17 x 17, odd offset") << 17 << 17 << 3 * 17 * 17 << 907 << 907 + 186;
    QTest::newRow("1 x 1") << 1 << 1 << 3 << 43 << 43 + 186;
}

void TestTiffWriter::sizesAndDirectoryOffset()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pixelBytes);
    QFETCH(int, dirOffset);
    QFETCH(int, fileSize);
    const QByteArray t = tiffOf(patterned(w, h));
    QCOMPARE(t.size(), fileSize);
    QCOMPARE(uint32At(t, 4), quint32(dirOffset));
    QCOMPARE(TiffWriter::directoryOffset(w, h), dirOffset);
    QCOMPARE(uint16At(t, dirOffset), quint16(15));
    QCOMPARE(uint32At(t, dirOffset + 2 + 9 * 12 + 8), quint32(pixelBytes)); // StripByteCounts, the 10th entry
    QCOMPARE(uint32At(t, dirOffset + 2 + 15 * 12), quint32(0));             // no next directory
}

void TestTiffWriter::header()
{
    const QByteArray t = tiffOf(patterned(17, 16));
    QCOMPARE(t.left(2), QByteArray("II"));
    QCOMPARE(uint16At(t, 2), quint16(42));
    QCOMPARE(uint32At(t, 8), quint32(877)); // X resolution 877 / 10
    QCOMPARE(uint32At(t, 12), quint32(10));
    QCOMPARE(uint32At(t, 16), quint32(877)); // Y resolution
    QCOMPARE(uint32At(t, 20), quint32(10));
    QCOMPARE(uint16At(t, 24), quint16(8)); // bits per sample
    QCOMPARE(uint16At(t, 26), quint16(8));
    QCOMPARE(uint16At(t, 28), quint16(8));
    QCOMPARE(t.mid(30, 10), QByteArray("Tiffwriter"));
}

void TestTiffWriter::directoryEntries_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("sideType");
    QTest::newRow("17 x 16") << 17 << 16 << 3;
    QTest::newRow("17 x 17") << 17 << 17 << 3;
    // 65535 is the largest SHORT; a wider picture needs a LONG width to stay readable.
    QTest::newRow("wider than a SHORT") << 65536 << 1 << 4;
}

void TestTiffWriter::directoryEntries()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, sideType);
    const QByteArray t = tiffOf(patterned(w, h));
    const quint32 strip = quint32(3 * w * h);
    const Entry expected[15] = {
        {254, 4, 1, 0},
        {256, quint16(sideType), 1, quint32(w)},
        {257, quint16(sideType), 1, quint32(h)},
        {258, 3, 3, 24},
        {259, 3, 1, 1},
        {262, 3, 1, 2},
        {273, 4, 1, 40},
        {277, 3, 1, 3},
        {278, 4, 1, quint32(h)},
        {279, 4, 1, strip},
        {282, 5, 1, 8},
        {283, 5, 1, 16},
        {284, 3, 1, 1},
        {296, 3, 1, 2},
        {305, 2, 10, 30},
    };
    const qsizetype dir = 40 + qsizetype(strip);
    for (int i = 0; i < 15; ++i) {
        const qsizetype at = dir + 2 + 12 * i;
        QCOMPARE(uint16At(t, at), expected[i].tag);
        QCOMPARE(uint16At(t, at + 2), expected[i].type);
        QCOMPARE(uint32At(t, at + 4), expected[i].count);
        if (expected[i].type == 3) {
            // A SHORT occupies the low two bytes of the value field.
            QCOMPARE(uint16At(t, at + 8), quint16(expected[i].value));
            QCOMPARE(uint16At(t, at + 10), quint16(0));
        } else {
            QCOMPARE(uint32At(t, at + 8), expected[i].value);
        }
    }
}

void TestTiffWriter::libtiffReadsTheSamePixels_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("17 x 16") << 17 << 16;
    QTest::newRow("17 x 17, odd directory offset") << 17 << 17;
    QTest::newRow("wide") << 70000 << 2;
}

void TestTiffWriter::libtiffReadsTheSamePixels()
{
    QFETCH(int, w);
    QFETCH(int, h);
    const QImage img = patterned(w, h);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"picture.tiff"_s);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(TiffWriter::write(img, &f), ExportError::None);
    }
    // The software name has no terminating zero; libtiff only warns about it.
    TIFFSetWarningHandler(nullptr);
    TIFF *tif = TIFFOpen(QFile::encodeName(path).constData(), "r");
    QVERIFY(tif);
    uint32_t tw = 0, th = 0;
    uint16_t spp = 0, bps = 0, photometric = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &tw);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &th);
    TIFFGetField(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
    TIFFGetField(tif, TIFFTAG_BITSPERSAMPLE, &bps);
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    float xres = 0;
    TIFFGetField(tif, TIFFTAG_XRESOLUTION, &xres);
    QCOMPARE(tw, uint32_t(w));
    QCOMPARE(th, uint32_t(h));
    QCOMPARE(spp, uint16_t(3));
    QCOMPARE(bps, uint16_t(8));
    QCOMPARE(photometric, uint16_t(PHOTOMETRIC_RGB));
    QCOMPARE(xres, 87.7f); // 877 / 10
    QByteArray line(TIFFScanlineSize(tif), '\0');
    bool same = true;
    for (int y = 0; y < h && same; ++y) {
        QVERIFY(TIFFReadScanline(tif, line.data(), uint32_t(y), 0) == 1);
        for (int x = 0; x < w && same; ++x)
            same = qRgb(uchar(line[3 * x]), uchar(line[3 * x + 1]), uchar(line[3 * x + 2])) == img.pixel(x, y);
    }
    TIFFClose(tif);
    QVERIFY(same);
}

void TestTiffWriter::nullPictureWritesNothing()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(TiffWriter::write(QImage(), &buffer) != ExportError::None);
    QVERIFY(bytes.isEmpty());
}

QTEST_GUILESS_MAIN(TestTiffWriter)
#include "tst_tiffwriter.moc"
