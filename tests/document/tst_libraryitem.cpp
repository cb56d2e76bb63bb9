#include "documenttesting.h"

#include "document/extendedfloat.h"
#include "document/libraryitem.h"
#include "document/librarythumbnail.h"
#include "document/sealdocument.h"
#include "document/sealentry.h"
#include "document/selectionbounds.h"
#include "seal/seal.h"
#include "seal/sealpicture.h"
#include "seal/sealpropertytable.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// At 10 px/mm and zoom 100: A is a round seal 42 x 42 mm at (50, 60), pixel box
// [290, 710) x [390, 810); B a star 10 x 10 mm at (80, 70), box [750, 850) x [650, 750).
// The group's box is 29 ... 85 mm by 39 ... 81 mm: 56 x 42 mm around the centre (57, 60).
struct Group {
    SealDocument doc;
    Seal *a = nullptr;
    Seal *b = nullptr;
    Group()
    {
        doc.setScreenPixelsPerMm(10);
        a = add(SealType::stEllipse, 42, 50, 60);
        b = add(SealType::stFiveStar, 10, 80, 70);
        b->setPenColor(0x00FF0000);
    }
    Seal *add(SealType type, float size, float x, float y)
    {
        auto seal = doc.createSeal();
        seal->setZoom(100);
        seal->setSealType(type);
        seal->setRealWidth(size);
        seal->setRealHeight(size);
        seal->setRealCenterX(x);
        seal->setRealCenterY(y);
        doc.seals().push_back(std::move(seal));
        return doc.seals().back().get();
    }
    SealSelection selection() const { return {a, b}; }
};

long double extendedAt(const QByteArray &b, qsizetype at)
{
    return decodeExtended(reinterpret_cast<const std::uint8_t *>(b.constData() + at));
}

QByteArray savedItem(const SealSelection &selection)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    NoProgress progress;
    return saveLibraryItem(buffer, selection, progress).ok() ? buffer.data() : QByteArray();
}

} // namespace

class TestLibraryItem : public QObject
{
    Q_OBJECT

private slots:
    void bounds()
    {
        Group g;
        const SelectionBox box = selectionBounds(g.selection());
        QVERIFY(box.notEmpty);
        QCOMPARE(double(box.left), 290 * 0.1);
        QCOMPARE(double(box.top), 390 * 0.1);
        QCOMPARE(double(box.right), 850 * 0.1);
        QCOMPARE(double(box.bottom), 810 * 0.1);
        QVERIFY(!selectionBounds(SealSelection{}).notEmpty);

        // At zoom 200 the pixel boxes double: A is roundHalfEven(20 * (50 - 21)) = 580 ... 580 + 840,
        // B ends at roundHalfEven(20 * 85) = 1700 across and 1500 down; A's bottom is 780 + 840 = 1620.
        // The factor is 100 / (200 * 10) = 0.05 mm a pixel.
        g.a->setZoom(200);
        g.b->setZoom(200);
        const SelectionBox zoomed = selectionBounds(g.selection());
        QCOMPARE(double(zoomed.left), 580 * 0.05);
        QCOMPARE(double(zoomed.top), 780 * 0.05);
        QCOMPARE(double(zoomed.right), 1700 * 0.05);
        QCOMPARE(double(zoomed.bottom), 1620 * 0.05);
    }

    void layout()
    {
        Group g;
        const QByteArray b = savedItem(g.selection());
        QCOMPARE(b.left(4), hex("00 00 00 41"));
        const qint64 gifLength = int64At(b, 4);
        QVERIFY(gifLength > 0);
        QCOMPARE(b.mid(12, 6), QByteArray("GIF89a"));
        const qint64 at = 12 + gifLength;
        QCOMPARE(double(extendedAt(b, at)), 85.0 - 29.0);
        QCOMPARE(double(extendedAt(b, at + 10)), 81.0 - 39.0);
        QCOMPARE(int32At(b, int(at + 20)), 2);
        // dx, dy of A: 50 - (29 + 85) / 2 and 60 - (39 + 81) / 2.
        QCOMPARE(double(extendedAt(b, at + 24)), 50.0 - 57.0);
        QCOMPARE(double(extendedAt(b, at + 34)), 60.0 - 60.0);
        // The entry repeats A's own centre.
        QCOMPARE(singleAt(b, at + 44 + 287), 50.0f);
        const qint64 second = at + 44 + MinSealEntrySize;
        QCOMPARE(double(extendedAt(b, second)), 80.0 - 57.0);
        QCOMPARE(double(extendedAt(b, second + 10)), 70.0 - 60.0);
        QCOMPARE(b.size(), second + 20 + MinSealEntrySize);
    }

    void thumbnail()
    {
        Group g;
        const QByteArray b = savedItem(g.selection());
        const SealPicture gif = SealPicture::fromData(b.mid(12, int64At(b, 4)));
        QCOMPARE(gif.kind(), SealPicture::Kind::Gif);
        // roundHalfEven(56 * 288 / 25.4) + 8 = roundHalfEven(634.96) + 8; roundHalfEven(42 * 288 / 25.4) + 8 =
        // roundHalfEven(476.22) + 8.
        QCOMPARE(gif.width(), 635 + 8);
        QCOMPARE(gif.height(), 476 + 8);
        const QImage image = gif.image();
        // Softening reaches two pixels to the left and up only from ink, which starts 4 pixels in.
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < 2; ++y)
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 2; ++x)
                QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
        bool red = false;
        bool blue = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                red = red || (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60);
                blue = blue || (qBlue(p) > 200 && qGreen(p) < 60 && qRed(p) < 60);
            }
        QVERIFY(red);  // the round seal in its own colour
        QVERIFY(blue); // the star in its own
    }

    // A solid picture element shows exactly where the seal lands: softening reaches two pixels
    // left of and above the first ink column and row, no further.
    void thumbnailPlacement()
    {
        SealDocument doc;
        doc.setScreenPixelsPerMm(10);
        auto seal = doc.createSeal();
        seal->setZoom(100);
        seal->setSealType(SealType::stAnyImage);
        seal->setRealWidth(10);
        seal->setRealHeight(10);
        seal->setRealCenterX(50);
        seal->setRealCenterY(60);
        seal->setHaveImage(true);
        seal->setImageIsStar(false);
        seal->setPicTransParnt(false);
        QImage black(4, 4, QImage::Format_RGB32);
        black.fill(Qt::black);
        QVERIFY(seal->loadPictureData(imageBytes(black, "BMP")));
        // Box on the page: roundHalfEven(10 * 45) = 450 ... 550 across, 550 ... 650 down, so L = 45, T = 55 mm.
        const QImage image = renderLibraryThumbnail({seal.get()});
        // s = 288 / 25.4 = 11.33858...: roundHalfEven(10 * s) + 8 = roundHalfEven(113.39) + 8.
        QCOMPARE(image.size(), QSize(113 + 8, 113 + 8));
        // The scratch seal's left is roundHalfEven(45 * 11.338583) = roundHalfEven(510.24) = 510, so the seal is
        // painted at roundHalfEven(510 - 45 * s + 4) = roundHalfEven(3.76) = 4; its top roundHalfEven(55 * 11.338583) =
        // roundHalfEven(623.62) = 624 puts it at roundHalfEven(624 - 55 * s + 4) = roundHalfEven(4.38) = 4.
        const int middle = 60;
        auto inked = [](QRgb p) { return p != qRgb(255, 255, 255); };
        QVERIFY(!inked(image.pixel(1, middle)));
        QVERIFY(inked(image.pixel(2, middle)));
        QVERIFY(!inked(image.pixel(middle, 1)));
        QVERIFY(inked(image.pixel(middle, 2)));
        // Ink keeps its own colour well inside: the element is red.
        QCOMPARE(image.pixel(middle, middle), qRgb(255, 0, 0));
    }

    void soften_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("format");
        QTest::newRow("row, 32-bit") << false << int(QImage::Format_RGB32);
        QTest::newRow("column, 32-bit") << true << int(QImage::Format_RGB32);
        QTest::newRow("row, 24-bit") << false << int(QImage::Format_RGB888);
    }
    void soften()
    {
        QFETCH(bool, vertical);
        QFETCH(int, format);
        const int in[5] = {100, 0, 200, 0, 40};
        // Neighbours outside count as the centre; the left (upper) one is already softened:
        // 0: (16*100 + 4*100 + 4*200 + 4*100 + 4*100) / 32 = 3600 / 32 = 112
        // 1: everything around is 0 = 0
        // 2: (16*200 + 4*112 + 4*40 + 4*200 + 4*200) / 32 = 5408 / 32 = 169
        // 3: 0
        // 4: (16*40 + 4*169 + 4*40 + 4*40 + 4*40) / 32 = 1796 / 32 = 56
        const int out[5] = {112, 0, 169, 0, 56};
        QImage image(vertical ? 1 : 5, vertical ? 5 : 1, QImage::Format(format));
        for (int i = 0; i < 5; ++i)
            image.setPixel(vertical ? 0 : i, vertical ? i : 0, qRgb(in[i], in[i], 255 - in[i]));
        softenBitmap(image);
        QCOMPARE(image.format(), QImage::Format(format));
        for (int i = 0; i < 5; ++i) {
            const QRgb p = image.pixel(vertical ? 0 : i, vertical ? i : 0);
            QCOMPARE(qRed(p), out[i]);
            QCOMPARE(qGreen(p), out[i]);
        }
        // A white picture stays white: the weights add up to 32.
        QImage white(4, 4, QImage::Format_RGB32);
        white.fill(Qt::white);
        softenBitmap(white);
        QCOMPARE(white.pixel(2, 2), qRgb(255, 255, 255));
    }

    void loadPlacesTheGroup_data()
    {
        QTest::addColumn<QPoint>("scroll");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        // x0 = scroll x * 100 / (zoom * 10) + W / 2 + 2, y0 likewise with H.
        QTest::newRow("unscrolled") << QPoint(0, 0) << 100 << 0 + 56 / 2 + 2.0f << 0 + 42 / 2 + 2.0f;
        QTest::newRow("scrolled") << QPoint(100, 50) << 100 << 10 + 56 / 2 + 2.0f << 5 + 42 / 2 + 2.0f;
        // 100 * 100 / (200 * 10) = 5 and 50 * 100 / (200 * 10) = 2.5 mm scrolled at zoom 200.
        QTest::newRow("scrolled at zoom 200") << QPoint(100, 50) << 200 << 5 + 56 / 2 + 2.0f << 2.5f + 42 / 2 + 2.0f;
    }
    void loadPlacesTheGroup()
    {
        QFETCH(QPoint, scroll);
        QFETCH(int, zoom);
        QFETCH(float, x0);
        QFETCH(float, y0);
        Group g;
        const QByteArray b = savedItem(g.selection());
        SealDocument doc;
        doc.setScreenPixelsPerMm(10);
        doc.page().setZoom(zoom);
        RecordingProgress progress;
        QVERIFY(loadLibraryItemData(b, doc, progress, scroll).ok());
        QCOMPARE(progress.events, QStringList({u"pos 0"_s, u"show 正在载入："_s, u"max 16"_s, u"advance 8"_s,
                                               u"advance 8"_s, u"hide"_s}));
        QCOMPARE(doc.seals().size(), size_t(2));
        QCOMPARE(doc.selection().size(), size_t(2));
        const Seal &a = *doc.seals()[0];
        const Seal &star = *doc.seals()[1];
        QCOMPARE(a.RealCenterX(), x0 - 7);
        QCOMPARE(a.RealCenterY(), y0 + 0);
        QCOMPARE(star.RealCenterX(), x0 + 23);
        QCOMPARE(star.RealCenterY(), y0 + 10);
        QCOMPARE(star.SealType(), SealType::stFiveStar);
        QCOMPARE(star.PenColor(), 0x00FF0000u);
        QCOMPARE(a.RealWidth(), 42.0f);
        QCOMPARE(a.Zoom(), zoom);
        QCOMPARE(star.Zoom(), zoom);
        QVERIFY(a.isVisible());
    }

    void saveProgressAndFile()
    {
        Group g;
        QTemporaryDir dir;
        const QString path = dir.filePath(u"GROUP.YZL"_s);
        RecordingProgress progress;
        QVERIFY(saveLibraryItem(path, g.selection(), progress).ok());
        QCOMPARE(progress.events, QStringList({u"max 6"_s, u"pos 0"_s, u"show 正在保存："_s, u"advance 2"_s,
                                               u"advance 2"_s, u"advance 1"_s, u"advance 1"_s, u"hide"_s}));
        SealDocument doc;
        NoProgress none;
        QVERIFY(loadLibraryItem(path, doc, none).ok());
        QCOMPARE(doc.seals().size(), size_t(2));

        // Nothing selected: nothing written, the old item stays.
        const qint64 size = QFileInfo(path).size();
        QCOMPARE(saveLibraryItem(path, {}, none).error, DocumentError::NothingSelected);
        QCOMPARE(QFileInfo(path).size(), size);
        QCOMPARE(saveLibraryItem(dir.filePath(u"NEW.YZL"_s), {}, none).error, DocumentError::NothingSelected);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"NEW.YZL"_s)));
    }

    void refused()
    {
        Group g;
        const QByteArray full = savedItem(g.selection());
        NoProgress progress;
        // Every truncation, in steps that cross each field.
        for (qsizetype n = 0; n < full.size(); n += 13) {
            SealDocument doc;
            QCOMPARE(loadLibraryItemData(full.left(n), doc, progress).error, DocumentError::BadFormat);
            QVERIFY(doc.seals().empty());
        }
        const qint64 gifLength = int64At(full, 4);
        QByteArray b = full;
        putInt64(b, 4, qint64(1) << 62);
        SealDocument doc;
        QCOMPARE(loadLibraryItemData(b, doc, progress).error, DocumentError::BadFormat);
        b = full;
        putInt32(b, int(12 + gifLength + 20), 0x7FFFFFFF);
        QCOMPARE(loadLibraryItemData(b, doc, progress).error, DocumentError::BadFormat);
        b = full;
        putSingle(b, 0, 7.0f);
        const DocumentResult old = loadLibraryItemData(b, doc, progress);
        QCOMPARE(old.error, DocumentError::OldVersion);
        QVERIFY(doc.seals().empty());
        QCOMPARE(loadLibraryItem(u"/no/such/item.YZL"_s, doc, progress).error, DocumentError::FileNotFound);
    }
};

QTEST_MAIN(TestLibraryItem)
#include "tst_libraryitem.moc"
