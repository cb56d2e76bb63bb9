#include "documenttesting.h"

#include "document/documentfile.h"
#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestLegacyDocument : public QObject
{
    Q_OBJECT

private slots:
    void versions_data()
    {
        QTest::addColumn<float>("version");
        QTest::addColumn<int>("recordSize");
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("textPenWidth");
        QTest::addColumn<int>("frameType");
        QTest::addColumn<int>("lineAngle");
        // The frame type at 241 and LineAngle at 242 keep their offsets in every version.
        QTest::newRow("5") << 5.0f << 295 << u"宋体"_s << 0 << int(FrameType::ftRoundRect) << 450;
        QTest::newRow("6") << 6.0f << 615 << u"黑体"_s << 0 << int(FrameType::ftDiamond) << -900;
        QTest::newRow("5.5 rounds to 6") << 5.5f << 615 << u"黑体"_s << 0 << int(FrameType::ftEllipse) << 1800;
        QTest::newRow("7") << 7.0f << 635 << u"黑体"_s << 30 << int(FrameType::ftDiamond) << 2700;
    }
    void versions()
    {
        QFETCH(float, version);
        QFETCH(int, recordSize);
        QFETCH(QString, face);
        QFETCH(int, textPenWidth);
        QFETCH(int, frameType);
        QFETCH(int, lineAngle);
        QByteArray bytes = legacyDocument(version, recordSize);
        constexpr int Record = 28; // after the version, page size and count
        bytes[Record + 241] = char(frameType);
        putInt32(bytes, Record + 242, lineAngle);
        SealDocument doc;
        doc.setScreenPixelsPerMm(10);
        doc.page().setLeftMargin(1);
        NoProgress progress;
        QVERIFY(loadDocumentData(bytes, doc, progress).ok());
        QCOMPARE(double(doc.page().pageWidth()), 210.0);
        QCOMPARE(double(doc.page().pageHeight()), 297.0);
        QCOMPARE(double(doc.page().leftMargin()), 6.0);
        QCOMPARE(double(doc.page().rightMargin()), 6.0);
        QCOMPARE(double(doc.page().topMargin()), 6.0);
        QCOMPARE(double(doc.page().bottomMargin()), 6.0);
        QCOMPARE(doc.seals().size(), size_t(1));
        const Seal &s = *doc.seals()[0];
        QCOMPARE(s.SealType(), SealType::stRect);
        QCOMPARE(s.PenColor(), 0x00FF0000u);
        QCOMPARE(s.BrushColor(), 0x00FF0000u); // follows PenColor; the record has none
        QCOMPARE(s.RealWidth(), 40.0f);
        QCOMPARE(s.RealHeight(), 20.0f);
        QCOMPARE(s.TextWidth(), 5.0f);
        QCOMPARE(s.TextWeight(), 400);
        QCOMPARE(s.TextAngle(), 2400);
        QCOMPARE(s.TextAngle3(), 1200);
        QCOMPARE(s.NameSealFrameType(), FrameType(frameType)); // not the ignored bytes before it
        QCOMPARE(s.LineAngle(), lineAngle);
        // Centre = RealWidth / 2 + left edge = 40 / 2 + 10; RealHeight / 2 + top edge = 20 / 2 + 5.
        QCOMPARE(s.RealCenterX(), 30.0f);
        QCOMPARE(s.RealCenterY(), 15.0f);
        QCOMPARE(Gbk::toUnicode(fontSlotName(s.FontName())), face);
        QCOMPARE(s.TextPenWidth(), textPenWidth);
        QVERIFY(!s.PicClrChange());
        // What no legacy record holds keeps the value of a new element: the other font slots of a
        // version 5 record, the stroke widths of versions 5 and 6, and everything from offset 635 on.
        QCOMPARE(Gbk::toUnicode(fontSlotName(s.FontName3())), recordSize == 295 ? u"宋体"_s : QString());
        QCOMPARE(Gbk::toUnicode(fontSlotName(s.CodeFontName())), recordSize == 295 ? u"黑体"_s : QString());
        QCOMPARE(s.CodePenWidth(), 0);
        QVERIFY(s.PicTransParnt());
        QVERIFY(!s.CBlank());
        QVERIFY(!s.Bold2());
        QVERIFY(!s.Italic3());
        QCOMPARE(s.RealSR(), 0.0f);
        QCOMPARE(s.RealTextLength(), 0.0f);
        QCOMPARE(s.Text(), QByteArray("AB"));
        QCOMPARE(s.Code(), QByteArray("007"));
        QCOMPARE(s.Zoom(), 100);
        QVERIFY(s.isVisible());
    }

    // A page of no size or less keeps its seals: it reads as A4. A version 8 document may hold
    // the size of a page not chosen yet (0), read as A4 too, never a negative one.
    void pageOfNoSize_data()
    {
        QTest::addColumn<QByteArray>("width");
        QTest::addColumn<QByteArray>("height");
        QTest::addColumn<double>("readWidth");
        QTest::addColumn<double>("readHeight");
        const QByteArray zero = hex("00 00 00 00 00 00 00 00 00 00");
        const QByteArray minus297 = hex("00 00 00 00 00 00 80 94 07 C0");
        const QByteArray plus100 = hex("00 00 00 00 00 00 00 C8 05 40");
        QTest::newRow("zero width") << zero << plus100 << 210.0 << 100.0;
        QTest::newRow("negative height") << plus100 << minus297 << 100.0 << 297.0;
        QTest::newRow("neither") << zero << minus297 << 210.0 << 297.0;
    }
    void pageOfNoSize()
    {
        QFETCH(QByteArray, width);
        QFETCH(QByteArray, height);
        QFETCH(double, readWidth);
        QFETCH(double, readHeight);
        QByteArray legacy = legacyDocument(7, 635);
        legacy.replace(4, 10, width);
        legacy.replace(14, 10, height);
        SealDocument doc;
        NoProgress progress;
        QVERIFY(loadDocumentData(legacy, doc, progress).ok());
        QCOMPARE(double(doc.page().pageWidth()), readWidth);
        QCOMPARE(double(doc.page().pageHeight()), readHeight);
        QCOMPARE(doc.seals().size(), size_t(1));

        // The same page values in a version 8 document: refused when negative.
        SealDocument written;
        written.seals().push_back(written.createSeal());
        QByteArray current = savedDocument(written);
        QVERIFY(!current.isEmpty());
        current.replace(4, 10, width);
        current.replace(14, 10, height);
        SealDocument read;
        const DocumentResult r = loadDocumentData(current, read, progress);
        const bool negative = height == hex("00 00 00 00 00 00 80 94 07 C0");
        QCOMPARE(r.error, negative ? DocumentError::BadFormat : DocumentError::None);
        QCOMPARE(read.seals().size(), size_t(negative ? 0 : 1));
        if (!negative) {
            QCOMPARE(double(read.page().pageWidth()), readWidth);
            QCOMPARE(double(read.page().pageHeight()), readHeight);
        }
    }

    void truncatedOrOverCounted()
    {
        const QByteArray full = legacyDocument(7, 635);
        NoProgress progress;
        for (qsizetype n = 0; n < full.size(); n += 7) {
            SealDocument doc;
            QCOMPARE(loadDocumentData(full.left(n), doc, progress).error, DocumentError::BadFormat);
            QVERIFY(doc.seals().empty());
        }
        QByteArray twice = full;
        putInt32(twice, 24, 2);
        SealDocument doc;
        QCOMPARE(loadDocumentData(twice, doc, progress).error, DocumentError::BadFormat);
        QVERIFY(doc.seals().empty());
    }

    void pictureFromImagePath_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("relative to the document") << u"emblem.bmp"_s << true;
        QTest::newRow("absolute") << u"ABS/emblem.bmp"_s << true;
        QTest::newRow("not a picture") << u"notes.txt"_s << false;
        QTest::newRow("a folder") << u"sub"_s << false;
        QTest::newRow("missing") << u"gone.bmp"_s << false;
        QTest::newRow("Windows path") << u"C:\\印章\\emblem.bmp"_s << false;
    }
    void pictureFromImagePath()
    {
        QFETCH(QString, image);
        QFETCH(bool, loaded);
        QTemporaryDir dir;
        QImage picture(5, 3, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QVERIFY(picture.save(dir.filePath(u"emblem.bmp"_s), "BMP"));
        writeFile(dir.filePath(u"notes.txt"_s), "no picture here");
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        image.replace(u"ABS"_s, dir.path());

        const QString path = dir.filePath(u"old.dyz"_s);
        writeFile(path, legacyDocument(7, 635, Gbk::fromUnicode(image)));
        SealDocument doc;
        NoProgress progress;
        QVERIFY(openDocument(path, doc, progress).ok());
        const Seal &s = *doc.seals()[0];
        QCOMPARE(s.Picture().hasGraphic(), loaded);
        QCOMPARE(s.Image(), Gbk::fromUnicode(image)); // the text itself is kept
        if (loaded) {
            QCOMPARE(s.Picture().kind(), SealPicture::Kind::Bitmap);
            QCOMPARE(s.Picture().width(), 5);
        }
    }
};

QTEST_MAIN(TestLegacyDocument)
#include "tst_legacydocument.moc"
