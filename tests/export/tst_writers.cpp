#include "testing/testhelpers.h"

#include "export/bmpwriter.h"
#include "export/emfwriter.h"
#include "export/gifwriter.h"
#include "export/jpegwriter.h"
#include "export/pngwriter.h"
#include "export/sealexporter.h"
#include "export/tiffwriter.h"
#include "seal/sealtypes.h"

#include <QBuffer>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace qm::testing;

using qm::ExportError;
using qm::ExportKind;

Q_DECLARE_METATYPE(qm::ExportKind)

namespace {

// Red ink on white, drawn aliased like an exported seal: a ring, a bar and a dot of another
// colour, with a white margin so that the bottom-left pixel is white.
QImage sealLike(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 0, 0), 3));
    p.drawEllipse(QRect(8, 8, w - 17, h - 17));
    p.fillRect(QRect(w / 3, h / 2, w / 3, 4), QColor(255, 0, 0));
    p.fillRect(QRect(w / 2, h / 3, 2, 2), QColor(0, 0, 255));
    return img;
}

QImage noise(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    quint32 s = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1103515245u + 12345u;
            img.setPixel(x, y, qRgb(int(s >> 8) & 0xFF, int(s >> 16) & 0xFF, int(s >> 24) & 0xFF));
        }
    img.setPixel(0, h - 1, qRgb(255, 255, 255));
    return img;
}

QByteArray written(ExportKind kind, const QImage &img, long double ppm = 300 / 25.4L, ExportError *error = nullptr)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const ExportError e = qm::SealExporter::writePicture(img, kind, ppm, &buffer);
    if (error)
        *error = e;
    return bytes;
}

// Plays the metafile's records that the writer uses onto a white picture.
struct EmfPlayback {
    QImage image;
    QList<quint32> types;
    QString problem;
};

EmfPlayback playEmf(const QByteArray &emf, int w, int h)
{
    EmfPlayback out;
    out.image = QImage(w, h, QImage::Format_RGB32);
    out.image.fill(Qt::white);
    QRgb brush = 0;
    QPainter p(&out.image);
    qsizetype at = 0;
    while (at + 8 <= emf.size()) {
        const quint32 type = uint32At(emf, at), size = uint32At(emf, at + 4);
        if (size < 8 || at + size > emf.size()) {
            out.problem = u"record %1 overruns the file"_s.arg(out.types.size());
            return out;
        }
        out.types.append(type);
        if (type == 39) { // CREATEBRUSHINDIRECT: ihBrush, style, colour r g b
            brush = qRgb(uchar(emf[at + 16]), uchar(emf[at + 17]), uchar(emf[at + 18]));
        } else if (type == 91 || type == 8) { // POLYPOLYGON16 / POLYPOLYGON of rectangles
            const quint32 polys = uint32At(emf, at + 24), points = uint32At(emf, at + 28);
            qsizetype pt = at + 32 + 4 * polys;
            const int step = type == 91 ? 4 : 8;
            for (quint32 i = 0; i < points; i += 4, pt += 4 * step) {
                auto coord = [&](qsizetype o) { return type == 91 ? int(int16At(emf, o)) : int(int32At(emf, o)); };
                const int x1 = coord(pt), y1 = coord(pt + step / 2);
                const int x2 = coord(pt + 2 * step), y2 = coord(pt + 2 * step + step / 2);
                p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(brush));
            }
        } else if (type == 81) { // STRETCHDIBITS, 24-bit bottom-up
            const quint32 offBmi = uint32At(emf, at + 48), offBits = uint32At(emf, at + 56);
            const int bw = int32At(emf, at + offBmi + 4), bh = int32At(emf, at + offBmi + 8);
            const qsizetype stride = (3 * qsizetype(bw) + 3) / 4 * 4;
            for (int y = 0; y < bh; ++y)
                for (int x = 0; x < bw; ++x) {
                    const qsizetype px = at + offBits + qsizetype(bh - 1 - y) * stride + 3 * x;
                    out.image.setPixel(x, y, qRgb(uchar(emf[px + 2]), uchar(emf[px + 1]), uchar(emf[px])));
                }
        }
        at += size;
    }
    if (at != emf.size())
        out.problem = u"trailing bytes"_s;
    return out;
}

// A device that refuses every write, like a full disk.
class FullDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

} // namespace

class TestWriters : public QObject
{
    Q_OBJECT

private slots:
    void bmpLayout();
    void bmpReadsBackPixelEqual_data();
    void bmpReadsBackPixelEqual();
    void jpegSettings();
    void jpegDecodes();
    void gifKeepsExactColours();
    void pngTransparentWhereNothingIsInked_data();
    void pngTransparentWhereNothingIsInked();
    void emfHeader();
    void emfPlaysBackAsThePicture_data();
    void emfPlaysBackAsThePicture();
    void refusals_data();
    void refusals();
    void writeFailures_data();
    void writeFailures();
};

void TestWriters::bmpLayout()
{
    const QImage img = sealLike(17, 16);
    const QByteArray b = written(ExportKind::Bmp, img, 10);
    const int stride = (3 * 17 + 3) / 4 * 4; // 52: rows padded to 4 bytes
    QCOMPARE(stride, 52);
    QCOMPARE(b.size(), 14 + 40 + stride * 16);
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(uint32At(b, 2), quint32(b.size()));
    QCOMPARE(uint32At(b, 10), quint32(54));
    QCOMPARE(uint32At(b, 14), quint32(40));
    QCOMPARE(int32At(b, 18), 17);
    QCOMPARE(int32At(b, 22), 16); // positive: bottom-up
    QCOMPARE(uint16At(b, 26), quint16(1));
    QCOMPARE(uint16At(b, 28), quint16(24));
    QCOMPARE(uint32At(b, 30), quint32(0));
    QCOMPARE(uint32At(b, 34), quint32(stride * 16));
    QCOMPARE(int32At(b, 38), 10 * 1000); // 10 pixels per millimetre
    // The first stored row is the bottom row, blue-green-red.
    const QRgb bottomLeft = img.pixel(0, 15);
    QCOMPARE(uchar(b[54]), uchar(qBlue(bottomLeft)));
    QCOMPARE(uchar(b[56]), uchar(qRed(bottomLeft)));
}

void TestWriters::bmpReadsBackPixelEqual_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("seal-like 17 x 16") << sealLike(17, 16);
    QTest::newRow("seal-like 64 x 33") << sealLike(64, 33);
    QTest::newRow("noise 5 x 7") << noise(5, 7);
}

void TestWriters::bmpReadsBackPixelEqual()
{
    QFETCH(QImage, picture);
    const QImage back = QImage::fromData(written(ExportKind::Bmp, picture), "BMP");
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), picture);
}

void TestWriters::jpegSettings()
{
    const QByteArray j = written(ExportKind::Jpeg, sealLike(40, 30), 300 / 25.4L);
    QVERIFY(j.startsWith("\xFF\xD8"));
    bool sawFrame = false, sawTable = false;
    for (qsizetype at = 2; at + 4 <= j.size() && !sawFrame;) {
        QCOMPARE(uchar(j[at]), uchar(0xFF));
        const uchar marker = uchar(j[at + 1]);
        const int length = qFromBigEndian<quint16>(j.constData() + at + 2);
        const qsizetype body = at + 4;
        if (marker == 0xE0) { // JFIF: density in dots per inch, roundHalfEven(300 / 25.4 × 25.4) = 300
            QCOMPARE(uchar(j[body + 7]), uchar(1));
            QCOMPARE(qFromBigEndian<quint16>(j.constData() + body + 8), quint16(300));
        } else if (marker == 0xDB) { // quality 100: every quantiser is 1
            sawTable = true;
            for (qsizetype i = body; i < at + 2 + length; i += 65) {
                QCOMPARE(uchar(j[i]) >> 4, 0); // 8-bit entries
                for (int k = 1; k <= 64; ++k)
                    QCOMPARE(uchar(j[i + k]), uchar(1));
            }
        } else if (marker == 0xC0) { // baseline frame: three components, none subsampled
            sawFrame = true;
            QCOMPARE(qFromBigEndian<quint16>(j.constData() + body + 1), quint16(30));
            QCOMPARE(qFromBigEndian<quint16>(j.constData() + body + 3), quint16(40));
            QCOMPARE(uchar(j[body + 5]), uchar(3));
            for (int c = 0; c < 3; ++c)
                QCOMPARE(uchar(j[body + 6 + 3 * c + 1]), uchar(0x11));
        }
        at += 2 + length;
    }
    QVERIFY(sawTable);
    QVERIFY(sawFrame);
}

void TestWriters::jpegDecodes()
{
    const QImage img = sealLike(61, 47);
    const QImage back = QImage::fromData(written(ExportKind::Jpeg, img), "JPG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), img.size());
    // Full-resolution colour keeps thin red strokes red; halved chroma would smear them far more.
    int worst = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb a = img.pixel(x, y), b = back.pixel(x, y);
            worst = std::max(
                {worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    QVERIFY2(worst <= 12, qPrintable(QString::number(worst)));
}

void TestWriters::gifKeepsExactColours()
{
    const QImage img = sealLike(50, 40);
    const QImage back = QImage::fromData(written(ExportKind::Gif, img), "GIF").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(back.size(), img.size());
    QCOMPARE(back, img);
}

void TestWriters::pngTransparentWhereNothingIsInked_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::newRow("seal-like") << sealLike(30, 20);
    // Every row differs from the one above in every byte, so the row differences wrap around.
    QTest::newRow("noise") << noise(40, 30);
    // 160 000 bytes that do not compress: the stream spans several data chunks.
    QTest::newRow("larger than one data chunk") << noise(200, 200);
}

void TestWriters::pngTransparentWhereNothingIsInked()
{
    QFETCH(QImage, picture);
    QImage img = picture;
    const QImage back = QImage::fromData(written(ExportKind::Png, img, 10), "PNG");
    QCOMPARE(back.size(), img.size());
    QVERIFY(back.hasAlphaChannel());
    QCOMPARE(back.dotsPerMeterX(), 10 * 1000);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y), b = back.pixel(x, y);
            if (c == qRgb(255, 255, 255))
                QCOMPARE(qAlpha(b), 0);
            else
                QCOMPARE(b, c | 0xFF000000u);
        }

    // The transparent colour is the bottom-left pixel's, not always white.
    img.fill(qRgb(200, 200, 200));
    img.setPixel(3, 3, qRgb(255, 255, 255));
    const QImage grey = qm::PngWriter::withAlpha(img);
    QCOMPARE(qAlpha(grey.pixel(0, 0)), 0);
    QCOMPARE(grey.pixel(3, 3), qRgb(255, 255, 255));
}

void TestWriters::emfHeader()
{
    const QImage img = sealLike(40, 30);
    const QByteArray e = written(ExportKind::Emf, img, 10);
    QCOMPARE(uint32At(e, 0), quint32(1)); // header record
    QCOMPARE(e.mid(40, 4), QByteArray(" EMF"));
    QCOMPARE(uint32At(e, 48), quint32(e.size()));
    // Bounds in pixels, inclusive; frame in 0.01 mm: 40 pixels at 10 per mm are 4 mm.
    QCOMPARE(int32At(e, 8), 0);
    QCOMPARE(int32At(e, 16), 40 - 1);
    QCOMPARE(int32At(e, 20), 30 - 1);
    QCOMPARE(int32At(e, 32), 400 - 1);
    QCOMPARE(int32At(e, 36), 300 - 1);
    // Reference device: 1000 mm at 10 pixels per mm.
    QCOMPARE(int32At(e, 72), 10000);
    QCOMPARE(int32At(e, 80), 1000);
    const EmfPlayback play = playEmf(e, 40, 30);
    QVERIFY2(play.problem.isEmpty(), qPrintable(play.problem));
    QCOMPARE(uint32At(e, 52), quint32(play.types.size()));
    QCOMPARE(play.types.last(), quint32(14)); // EOF
}

void TestWriters::emfPlaysBackAsThePicture_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("asBitmap");
    QTest::newRow("seal-like") << sealLike(70, 50) << false;
    QImage wide(40000, 3, QImage::Format_RGB32); // beyond 16-bit coordinates
    wide.fill(Qt::white);
    wide.setPixel(39999, 1, qRgb(255, 0, 0));
    wide.setPixel(20000, 0, qRgb(0, 128, 0));
    QTest::newRow("wide") << wide << false;
    // Every pixel its own colour: more rectangles than a bitmap has bytes.
    QTest::newRow("noise") << noise(100, 100) << true;
}

void TestWriters::emfPlaysBackAsThePicture()
{
    QFETCH(QImage, picture);
    QFETCH(bool, asBitmap);
    const QByteArray e = written(ExportKind::Emf, picture);
    const EmfPlayback play = playEmf(e, picture.width(), picture.height());
    QVERIFY2(play.problem.isEmpty(), qPrintable(play.problem));
    QCOMPARE(play.types.contains(81), asBitmap);
    QCOMPARE(play.types.contains(91) || play.types.contains(8), !asBitmap);
    // White is left out, everything else is drawn: on white the picture comes back.
    QCOMPARE(play.image, picture);
}

void TestWriters::refusals_data()
{
    QTest::addColumn<ExportKind>("kind");
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<ExportError>("error");
    QImage jpegWide(65500 + 1, 1, QImage::Format_RGB32); // libjpeg's largest side is 65500
    jpegWide.fill(Qt::white);
    QImage gifWide(65535 + 1, 1, QImage::Format_RGB32); // a GIF side is 16 bits
    gifWide.fill(Qt::white);
    QTest::newRow("jpeg too wide") << ExportKind::Jpeg << jpegWide << ExportError::TooLargeForKind;
    QTest::newRow("gif too wide") << ExportKind::Gif << gifWide << ExportError::TooLargeForKind;
    for (ExportKind k :
         {ExportKind::Emf, ExportKind::Jpeg, ExportKind::Gif, ExportKind::Tiff, ExportKind::Bmp, ExportKind::Png})
        QTest::addRow("null picture, kind %d", int(k)) << k << QImage() << ExportError::EncoderFailed;
}

void TestWriters::refusals()
{
    QFETCH(ExportKind, kind);
    QFETCH(QImage, picture);
    QFETCH(ExportError, error);
    ExportError e = ExportError::None;
    const QByteArray bytes = written(kind, picture, 300 / 25.4L, &e);
    QCOMPARE(e, error);
    QVERIFY(bytes.isEmpty());
}

void TestWriters::writeFailures_data()
{
    QTest::addColumn<ExportKind>("kind");
    for (ExportKind k :
         {ExportKind::Emf, ExportKind::Jpeg, ExportKind::Gif, ExportKind::Tiff, ExportKind::Bmp, ExportKind::Png})
        QTest::addRow("kind %d", int(k)) << k;
}

void TestWriters::writeFailures()
{
    QFETCH(ExportKind, kind);
    FullDevice full;
    full.open(QIODevice::WriteOnly);
    QCOMPARE(qm::SealExporter::writePicture(sealLike(20, 20), kind, 10, &full), ExportError::WriteFailed);
}

QTEST_GUILESS_MAIN(TestWriters)
#include "tst_writers.moc"
