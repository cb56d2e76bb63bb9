// The pictures of one document, library item or paste share one decoding budget: a file of a
// few hundred bytes per seal cannot ask for gigabytes by repeating a picture that declares a
// large size. Beyond the budget the whole file is refused with the format message.

#include "documenttesting.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/libraryitem.h"
#include "document/picturebudget.h"
#include "document/sealdocument.h"
#include "picture/decodebudget.h"
#include "picture/gifencoder.h"
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

QImage dot()
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void putBe16(QByteArray &b, qsizetype at, int v)
{
    b[at] = char((v >> 8) & 0xFF);
    b[at + 1] = char(v & 0xFF);
}

// Makes the k-th picture from `from` on declare width × height pixels, in place: a GIF's
// logical screen (its one-pixel frame stays) or a JPEG's frame header. The bytes keep their
// length.
void declare(QByteArray &file, qsizetype from, int k, int width, int height)
{
    qsizetype at = from;
    for (int i = 0;; ++i) {
        const qsizetype gif = file.indexOf("GIF89a", at);
        const qsizetype jpeg = file.indexOf(QByteArray("\xFF\xD8\xFF", 3), at);
        QVERIFY(gif >= 0 || jpeg >= 0);
        at = gif >= 0 && (jpeg < 0 || gif < jpeg) ? gif : jpeg;
        if (i == k)
            break;
        ++at;
    }
    if (file.mid(at, 6) == "GIF89a") {
        putInt16(file, at + 6, quint16(width));
        putInt16(file, at + 8, quint16(height));
    } else {
        const qsizetype sof = file.indexOf(QByteArray("\xFF\xC0", 2), at);
        QVERIFY(sof > at);
        putBe16(file, sof + 5, height);
        putBe16(file, sof + 7, width);
    }
}

void declare(QByteArray &file, qsizetype from, int k, int side)
{
    declare(file, from, k, side, side);
}

// One seal per picture, each carrying a one-pixel GIF or JPEG.
void addSeals(SealDocument &doc, const QList<bool> &jpegs)
{
    for (bool jpeg : jpegs) {
        auto seal = doc.createSeal();
        seal->setZoom(100);
        seal->setSealType(SealType::stEllipse);
        seal->setRealWidth(40);
        seal->setRealHeight(40);
        seal->setRealCenterX(30);
        seal->setRealCenterY(30);
        seal->setHaveImage(true);
        QVERIFY(seal->loadPictureData(jpeg ? imageBytes(dot(), "JPG") : encodeGif(dot())));
        doc.seals().push_back(std::move(seal));
    }
}

enum class Container { Document, Paste, LibraryItem };

// The file of the seals and where its seal entries (and so their pictures) begin.
QByteArray written(Container container, const SealDocument &doc, qsizetype *entries)
{
    NoProgress progress;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SealSelection all;
    for (const auto &s : doc.seals())
        all.push_back(s.get());
    switch (container) {
    case Container::Document:
        *entries = DocumentHeaderSize;
        return savedDocument(doc);
    case Container::Paste: {
        ClipboardStream stream;
        copySealsToStream(all, stream);
        *entries = 4;
        return stream.data();
    }
    case Container::LibraryItem:
        saveLibraryItem(buffer, all, progress);
        *entries = 12 + int64At(buffer.data(), 4); // past the thumbnail, itself a GIF
        return buffer.data();
    }
    return {};
}

DocumentResult read(Container container, const QByteArray &bytes, SealDocument &doc)
{
    NoProgress progress;
    switch (container) {
    case Container::Document:
        return loadDocumentData(bytes, doc, progress);
    case Container::Paste: {
        ClipboardStream stream;
        stream.setData(bytes);
        return pasteSealsFromStream(stream, doc);
    }
    case Container::LibraryItem:
        return loadLibraryItemData(bytes, doc, progress);
    }
    return {};
}

} // namespace

class TestPictureBudget : public QObject
{
    Q_OBJECT

private slots:
    // Sides declared by the pictures in order; the budget is 128 Mi pixels, two of 8192 × 8192.
    // Equal bytes are one picture, so the large ones differ in kind or size.
    void sharedByTheSeals_data()
    {
        QTest::addColumn<int>("container");
        QTest::addColumn<QList<bool>>("jpegs");
        QTest::addColumn<QList<int>>("sides");
        QTest::addColumn<bool>("accepted");
        const QList<std::pair<const char *, Container>> containers{
            {"document", Container::Document}, {"paste", Container::Paste}, {"library item", Container::LibraryItem}};
        for (const auto &[name, c] : containers) {
            // 4 × 2048² = 16 Mi pixels.
            QTest::addRow("%s: four of 2048", name)
                << int(c) << QList<bool>{false, true, false, true} << QList<int>{2048, 2048, 2048, 2048} << true;
            // 4096² = 16 Mi and 8192² = 64 Mi make 80 Mi; a second of 8192 makes 144 Mi, beyond
            // the 128 Mi budget though within one picture's limit.
            QTest::addRow("%s: JPEG of 8192 after GIFs of 4096 and 8192", name)
                << int(c) << QList<bool>{false, false, true} << QList<int>{4096, 8192, 8192} << false;
            QTest::addRow("%s: GIF of 8192 after JPEGs of 4096 and 8192", name)
                << int(c) << QList<bool>{true, true, false} << QList<int>{4096, 8192, 8192} << false;
        }
    }
    void sharedByTheSeals()
    {
        QFETCH(int, container);
        QFETCH(QList<bool>, jpegs);
        QFETCH(QList<int>, sides);
        QFETCH(bool, accepted);
        const auto c = Container(container);
        SealDocument source;
        addSeals(source, jpegs);
        qsizetype entries = 0;
        QByteArray bytes = written(c, source, &entries);
        for (int k = 0; k < sides.size(); ++k)
            declare(bytes, entries, k, sides[k]);

        SealDocument doc;
        const DocumentResult result = read(c, bytes, doc);
        if (!accepted) {
            if (c == Container::Document) {
                QCOMPARE(result.error, DocumentError::BadFormat);
                // The third seal's picture, refused before it was decoded.
                QVERIFY2(result.detail.startsWith(u"seal 2:"_s) && result.detail.contains(u"too large"_s),
                         qPrintable(result.detail));
            } else {
                // Seals entering a document are refused with the budget's message.
                QCOMPARE(result.error, DocumentError::TooMuchToAdd);
                QCOMPARE(result.message(), u"图片太大，不能加入：文档的图片将超过每个文档13421万像素的上限。"_s);
            }
            QVERIFY(doc.seals().empty());
            return;
        }
        QVERIFY(result.ok());
        QCOMPARE(doc.seals().size(), size_t(sides.size()));
        for (int k = 0; k < sides.size(); ++k)
            QCOMPARE(doc.seals()[k]->Picture().image().size(), QSize(sides[k], sides[k]));
    }

    // Three seals sharing one photo of 6000 × 4000 keep 24 000 000 pixels, not three times that
    // (72 000 000, beyond a budget of 64 Mi = 67 108 864): the picture is decoded once and
    // counts once, in every container, and what was read saves and opens again.
    void onePhotoOnThreeSeals_data()
    {
        QTest::addColumn<int>("container");
        QTest::newRow("document") << int(Container::Document);
        QTest::newRow("paste") << int(Container::Paste);
        QTest::newRow("library item") << int(Container::LibraryItem);
    }
    void onePhotoOnThreeSeals()
    {
        QFETCH(int, container);
        const auto c = Container(container);
        SealDocument source;
        addSeals(source, {false, false, false});
        qsizetype entries = 0;
        QByteArray bytes = written(c, source, &entries);
        for (int k = 0; k < 3; ++k)
            declare(bytes, entries, k, 6000, 4000);
        SealDocument doc;
        QVERIFY(read(c, bytes, doc).ok());
        QCOMPARE(doc.seals().size(), size_t(3));
        const QImage &first = doc.seals()[0]->Picture().image();
        QCOMPARE(first.size(), QSize(6000, 4000));
        for (const auto &seal : doc.seals())
            QCOMPARE(seal->Picture().image().cacheKey(), first.cacheKey());
        QCOMPARE(picturePixelsKept(sealsOf(doc)), 24000000);

        SealDocument again;
        NoProgress progress;
        QVERIFY(loadDocumentData(savedDocument(doc), again, progress).ok());
        QCOMPARE(again.seals().size(), size_t(3));
    }

    // Opening a file whose pictures are beyond the budget tells the user the format message.
    void refusedWithTheFormatMessage()
    {
        SealDocument source;
        addSeals(source, {false, false, true});
        qsizetype entries = 0;
        QByteArray bytes = written(Container::Document, source, &entries);
        declare(bytes, entries, 0, 4096);
        declare(bytes, entries, 1, 8192);
        declare(bytes, entries, 2, 8192);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"徽标.dyz"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        SealDocument doc;
        NoProgress progress;
        const DocumentResult result = openDocument(path, doc, progress);
        QCOMPARE(result.error, DocumentError::BadFormat);
        QCOMPARE(result.message(), u"<徽标.dyz>文件不是Quillmark\r格式文档，打开失败！"_s);
    }

    // Legacy documents name their picture files; many seals naming large ones share the budget
    // too: 4096² + 8192² = 80 Mi pixels read, a third (another picture) makes 144 Mi.
    void legacyPictureFiles()
    {
        QTemporaryDir dir;
        QImage other = dot();
        other.fill(Qt::red);
        for (const auto &[name, side, image] :
             {std::tuple{u"a.gif"_s, 4096, dot()}, std::tuple{u"b.gif"_s, 8192, dot()},
              std::tuple{u"c.gif"_s, 8192, other}}) {
            QByteArray gif = encodeGif(image);
            declare(gif, 0, 0, side);
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(gif);
        }
        QByteArray three = legacyDocument(7, 635, "a.gif");
        putInt32(three, 24, 3);
        three += legacyDocument(7, 635, "b.gif").mid(LegacyHeaderSize);
        three += legacyDocument(7, 635, "c.gif").mid(LegacyHeaderSize);
        NoProgress progress;
        SealDocument doc;
        QCOMPARE(loadDocumentData(three, doc, progress, dir.path()).error, DocumentError::BadFormat);
        QVERIFY(doc.seals().empty());
        // The first two alone read.
        QByteArray two = legacyDocument(7, 635, "a.gif");
        putInt32(two, 24, 2);
        two += legacyDocument(7, 635, "b.gif").mid(LegacyHeaderSize);
        QVERIFY(loadDocumentData(two, doc, progress, dir.path()).ok());
        QCOMPARE(doc.seals()[0]->Picture().width(), 4096);
        QCOMPARE(doc.seals()[1]->Picture().width(), 8192);
    }

    // The one table's numbers, worked out by hand: five 24-megapixel photos fit the picture
    // budget, and the largest document fully decoded stays under 10^9 bytes.
    void limitsTable()
    {
        QCOMPARE(MaxDocumentPicturePixels, 134217728);
        QVERIFY(5 * 24000000LL <= MaxDocumentPicturePixels);
        QVERIFY(2 * MaxPicturePixels <= MaxDocumentPicturePixels);
        QVERIFY(MaxDocumentSeals >= 20000);
        QVERIFY(sizeof(Seal) <= 2048);
        // 512 MiB of pictures, 4 x 64 MiB for the file and what it decodes to, 20 000 seals.
        const qint64 decoded = MaxDocumentPicturePixels * 4 + 4 * MaxDocumentBytes + MaxDocumentSeals * 2048;
        QCOMPARE(decoded, 846266368);
        QVERIFY(decoded < 1000000000);
    }

    // Pictures entering a document: what it keeps and what enters, each picture once.
    void refusalWhereTheyEnter()
    {
        SealDocument doc;
        QImage a(100, 100, QImage::Format_RGB32), b(200, 100, QImage::Format_RGB32);
        a.fill(Qt::black);
        b.fill(Qt::black);
        auto seal = [&](const QImage &image) {
            auto s = doc.createSeal();
            s->setHaveImage(true);
            s->loadPictureData(imageBytes(image, "BMP"));
            return s;
        };
        const auto kept = seal(a), sameAsKept = seal(a), other = seal(b);
        QCOMPARE(picturePixelsKept({kept.get(), sameAsKept.get(), other.get()}), 30000);
        // 10 000 + 20 000 = 30 000 pixels: within a budget of 30 000, beyond one of 29 999.
        QCOMPARE(pictureBudgetRefusal({kept.get()}, {other.get(), sameAsKept.get()}, 30000), QString());
        QCOMPARE(pictureBudgetRefusal({kept.get()}, {other.get(), sameAsKept.get()}, 29999),
                 u"图片太大，不能加入：加入200×100像素的图片后，文档的图片共需3万像素，超过每个文档2万像素的上限。"_s);
        // A picture the document holds already costs nothing more.
        QCOMPARE(pictureBudgetRefusal({kept.get()}, {sameAsKept.get()}, 10000), QString());

        // Seal counts: 1 held and 19 999 more make 20 000; one more is too many.
        doc.seals().push_back(doc.createSeal());
        QVERIFY(sealCountAddRefusal(doc, 19999).ok());
        const DocumentResult many = sealCountAddRefusal(doc, 20000);
        QCOMPARE(many.error, DocumentError::TooMuchToAdd);
        QCOMPARE(many.message(), u"印章太多，不能加入：文档将有20001个印章，超过20000个的上限。"_s);
    }

    // The writers refuse what the readers would refuse, and write nothing: pictures beyond the
    // budget, a value beyond its property's range, a negative margin, a file beyond 64 MiB.
    void writersRefuseWhatReadersRefuse()
    {
        SealDocument doc;
        addSeals(doc, {false, true});
        const std::vector<const Seal *> seals = sealsOf(doc);
        // Two different one-pixel pictures: 2 pixels.
        QVERIFY(sealsWriteRefusal(seals, 2).ok());
        const DocumentResult pictures = sealsWriteRefusal(seals, 1);
        QCOMPARE(pictures.error, DocumentError::NotWritable);
        QCOMPARE(pictures.detail, u"图片共需1万像素，超过每个文档0万像素的上限。"_s);

        QVERIFY(fileSizeWriteRefusal(64 << 20).ok());
        DocumentResult large = fileSizeWriteRefusal((64 << 20) + 1);
        large.fileName = u"/a/大.dyz"_s;
        QCOMPARE(large.message(), u"不能保存文件<大.dyz>：文件将超过67108864字节的上限。"_s);

        // A seal 200 m wide (its range is 100 m either way) would be refused on reading.
        doc.seals()[1]->setRealWidth(200000);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        NoProgress progress;
        DocumentResult r = writeDocument(out, doc, progress);
        QCOMPARE(r.error, DocumentError::NotWritable);
        QVERIFY2(r.detail.startsWith(u"第2个印章的值超出范围（RealWidth 200000 is outside"_s), qPrintable(r.detail));
        QVERIFY(out.data().isEmpty());
        ClipboardStream stream;
        stream.setData("old");
        QCOMPARE(copySealsToStream({doc.seals()[1].get()}, stream).error, DocumentError::NotWritable);
        QCOMPARE(stream.data(), QByteArray("old"));
        QCOMPARE(saveLibraryItem(out, {doc.seals()[1].get()}, progress).error, DocumentError::NotWritable);
        QVERIFY(out.data().isEmpty());

        doc.seals()[1]->setRealWidth(40);
        doc.page().setLeftMargin(-1);
        QCOMPARE(writeDocument(out, doc, progress).error, DocumentError::NotWritable);
        QVERIFY(out.data().isEmpty());
        doc.page().setLeftMargin(0);
        QVERIFY(writeDocument(out, doc, progress).ok());
        SealDocument again;
        QVERIFY(loadDocumentData(out.data(), again, progress).ok());
    }
};

QTEST_MAIN(TestPictureBudget)
#include "tst_picturebudget.moc"
