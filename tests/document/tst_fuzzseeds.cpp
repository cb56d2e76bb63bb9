// The seed corpus of the fuzz targets: with QM_FUZZ_SEEDS set to a folder the seeds are written
// there (fuzz/corpus is made this way); otherwise the committed seeds must still read cleanly,
// so that the fuzzers start from inputs that reach deep into the readers.

#include "documenttesting.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/documentjson.h"
#include "document/libraryitem.h"
#include "document/sealdocument.h"
#include "picture/gifencoder.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealjson.h"
#include "seal/sealpicture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray tinyPicture(const char *format)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    return QByteArray(format) == "GIF" ? encodeGif(image) : imageBytes(image, format);
}

Seal &add(SealDocument &doc, SealType type, float size)
{
    auto seal = doc.createSeal();
    seal->setZoom(100);
    seal->setSealType(type);
    seal->setRealWidth(size);
    seal->setRealHeight(size);
    seal->setRealCenterX(30);
    seal->setRealCenterY(30);
    doc.seals().push_back(std::move(seal));
    return *doc.seals().back();
}

struct Seed {
    QString path; // relative to the corpus folder
    QByteArray bytes;
};

QByteArray corpusFile(const QString &path)
{
    QFile f(QStringLiteral(QM_SOURCE_DIR "/fuzz/corpus/") + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One seal per picture of every kind the reader decodes, so that the document target reaches
// the decoders and the metafile player through seal entries.
QByteArray documentWithPictures()
{
    SealDocument doc;
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    const QList<QByteArray> pictures{tinyPicture("BMP"),
                                     tinyPicture("JPG"),
                                     tinyPicture("ICO"),
                                     tinyPicture("GIF"),
                                     corpusFile(u"metafile/emblem.emf"_s),
                                     corpusFile(u"metafile/emblem.wmf"_s),
                                     corpusFile(u"metafile/widened.emf"_s)};
    for (const QByteArray &picture : pictures) {
        Seal &seal = add(doc, SealType::stEllipse, 20);
        seal.setHaveImage(true);
        if (!seal.loadPictureData(picture))
            return {};
    }
    return savedDocument(doc);
}

QList<Seed> makeSeeds()
{
    QList<Seed> seeds;
    SealDocument doc;
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    Seal &round = add(doc, SealType::stEllipse, 40);
    round.setText(Gbk::fromUnicode(u"印章"_s));
    round.setCode("12345");
    round.setHaveImage(true);
    round.loadPictureData(tinyPicture("GIF"));
    add(doc, SealType::stHorzText, 20).setText("AB");
    seeds.append({u"document/v8.dyz"_s, savedDocument(doc)});
    seeds.append({u"document/v7.dyz"_s, legacyDocument(7, 635)});
    seeds.append({u"document/v5.dyz"_s, legacyDocument(5, 295)});
    ClipboardStream stream;
    copySealsToStream({doc.seals()[1].get()}, stream);
    seeds.append({u"document/clipboard.bin"_s, stream.data()});
    seeds.append({u"document/pictures.dyz"_s, documentWithPictures()});

    SealDocument small;
    small.setScreenPixelsPerMm(4);
    Seal &star = add(small, SealType::stFiveStar, 4);
    QBuffer item;
    item.open(QIODevice::WriteOnly);
    NoProgress progress;
    saveLibraryItem(item, {&star}, progress);
    seeds.append({u"libraryitem/star.yzl"_s, item.data()});
    SealDocument withEmblem;
    withEmblem.setScreenPixelsPerMm(4);
    Seal &emblem = add(withEmblem, SealType::stEllipse, 10);
    emblem.setHaveImage(true);
    emblem.loadPictureData(tinyPicture("GIF"));
    QBuffer emblemItem;
    emblemItem.open(QIODevice::WriteOnly);
    saveLibraryItem(emblemItem, {&emblem}, progress);
    seeds.append({u"libraryitem/emblem.yzl"_s, emblemItem.data()});

    // Several seals with pictures, one of them shared, in a library item and a paste too.
    SealDocument many;
    many.setScreenPixelsPerMm(4);
    SealSelection manySeals;
    for (const char *format : {"GIF", "JPG", "GIF", "BMP"}) {
        Seal &seal = add(many, SealType::stEllipse, 12);
        seal.setHaveImage(true);
        seal.loadPictureData(tinyPicture(format));
        manySeals.push_back(&seal);
    }
    manySeals.push_back(&add(many, SealType::stHorzText, 8));
    QBuffer manyItem;
    manyItem.open(QIODevice::WriteOnly);
    saveLibraryItem(manyItem, manySeals, progress);
    seeds.append({u"libraryitem/pictures.yzl"_s, manyItem.data()});
    ClipboardStream manyStream;
    copySealsToStream(manySeals, manyStream);
    seeds.append({u"document/pictures.bin"_s, manyStream.data()});

    // JSON, its pictures named relative to the picture seeds.
    seeds.append({u"sealjson/seals.json"_s,
                  R"({"seals":[{"SealType":10,"RealWidth":40,"RealHeight":40,"Text":"印章","HaveImage":true,)"
                  R"("Picture":{"file":"tiny.gif"}},{"SealType":23,"HaveImage":true,"Picture":{"file":"tiny.gif"}},)"
                  R"({"SealType":23,"HaveImage":true,"Picture":{"file":"tiny.jpg"}},{"SealType":18,"Text":"AB"}]})"});
    seeds.append({u"sealjson/document.json"_s,
                  R"({"page":{"PageWidth":210,"PageHeight":297,"LeftMargin":6,"TopMargin":6},)"
                  R"("seals":[{"SealType":10,"RealCenterX":30,"RealCenterY":30,"HaveImage":true,)"
                  R"("Picture":{"file":"tiny.bmp"}},{"SealType":9,"Code":"12345"}]})"});
    // The settings file as the program writes it.
    seeds.append(
        {u"settings/quillmark.ini"_s,
         "[%U7CFB%U7EDF%U914D%U7F6E]\nPageDoubleBuffered=true\n\n[UserInfo]\nBackGround=/nonexistent/wall.bmp\n\n"
         "[QuillmarkHomePage]\nHomePage=http://localhost/\n\n[RecentFiles]\n"
         "Files=/nonexistent/a.dyz, /nonexistent/b.dyz\n"});

    seeds.append({u"picture/tiny.bmp"_s, tinyPicture("BMP")});
    seeds.append({u"picture/tiny.gif"_s, tinyPicture("GIF")});
    seeds.append({u"picture/tiny.jpg"_s, tinyPicture("JPG")});
    seeds.append({u"picture/tiny.ico"_s, tinyPicture("ICO")});
    return seeds;
}

} // namespace

class TestFuzzSeeds : public QObject
{
    Q_OBJECT

private slots:
    void seeds()
    {
        const QList<Seed> seeds = makeSeeds();
        const QString out = qEnvironmentVariable("QM_FUZZ_SEEDS");
        if (!out.isEmpty()) {
            for (const Seed &s : seeds) {
                const QString path = QDir(out).filePath(s.path);
                QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(s.bytes);
            }
        }
        const QDir corpus(QStringLiteral(QM_SOURCE_DIR "/fuzz/corpus"));
        NoProgress progress;
        for (const Seed &s : seeds) {
            QVERIFY2(!s.bytes.isEmpty(), qPrintable(s.path));
            QFile f(corpus.filePath(s.path));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(s.path));
            const QByteArray bytes = f.readAll();
            SealDocument doc;
            if (s.path.startsWith(u"settings/"_s))
                continue;
            if (s.path.startsWith(u"sealjson/"_s)) {
                const QString pictures = corpus.filePath(u"picture"_s);
                const SealJsonResult json = readSealJson(bytes, pictures);
                QVERIFY2(json.error.isEmpty(), qPrintable(json.error));
                QString error;
                QVERIFY2(documentFromJson(bytes, pictures, doc, &error), qPrintable(error));
                QCOMPARE(doc.seals().size(), json.seals.size());
                QVERIFY(json.seals.front()->Picture().hasGraphic());
                continue;
            }
            if (s.path.startsWith(u"picture/"_s)) {
                QVERIFY2(SealPicture::fromData(bytes).hasGraphic(), qPrintable(s.path));
            } else if (s.path.startsWith(u"libraryitem/"_s)) {
                QVERIFY2(loadLibraryItemData(bytes, doc, progress).ok(), qPrintable(s.path));
            } else if (s.path.endsWith(u".bin"_s)) {
                ClipboardStream stream;
                stream.setData(bytes);
                QVERIFY2(pasteSealsFromStream(stream, doc).ok(), qPrintable(s.path));
            } else {
                QVERIFY2(loadDocumentData(bytes, doc, progress).ok(), qPrintable(s.path));
            }
            QVERIFY(!doc.seals().empty() || s.path.startsWith(u"picture/"_s));
            if (s.path == u"libraryitem/pictures.yzl"_s || s.path == u"document/pictures.bin"_s) {
                QCOMPARE(doc.seals().size(), size_t(5));
                // The seals sharing one GIF share its decoded pixels.
                QCOMPARE(doc.seals()[0]->Picture().image().cacheKey(), doc.seals()[2]->Picture().image().cacheKey());
            }
            if (s.path == u"document/pictures.dyz"_s) {
                QCOMPARE(doc.seals().size(), size_t(7));
                for (const auto &seal : doc.seals())
                    QVERIFY(seal->Picture().hasGraphic());
            }
        }
    }
};

QTEST_MAIN(TestFuzzSeeds)
#include "tst_fuzzseeds.moc"
