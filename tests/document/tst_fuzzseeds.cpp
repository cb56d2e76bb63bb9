// The seed corpus of the fuzz targets: with QM_FUZZ_SEEDS set to a folder the seeds are written
// there (fuzz/corpus is made this way); otherwise the committed seeds must still read cleanly,
// so that the fuzzers start from inputs that reach deep into the readers.

#include "documenttesting.h"

#include "document/clipboardstream.h"
#include "document/documentfile.h"
#include "document/libraryitem.h"
#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/sealpicture.h"
#include "seal/tseal.h"
#include "picture/gifencoder.h"

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

TSeal &add(SealDocument &doc, TSealType type, float size)
{
    auto seal = doc.createSeal();
    seal->SetZoom(100);
    seal->SetSealType(type);
    seal->SetRealWidth(size);
    seal->SetRealHeight(size);
    seal->SetRealCenterX(30);
    seal->SetRealCenterY(30);
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
    doc.page().SetPageWidth(210);
    doc.page().SetPageHeight(297);
    const QList<QByteArray> pictures{tinyPicture("BMP"), tinyPicture("JPG"), tinyPicture("ICO"), tinyPicture("GIF"),
                                     corpusFile(u"metafile/emblem.emf"_s), corpusFile(u"metafile/emblem.wmf"_s),
                                     corpusFile(u"metafile/widened.emf"_s)};
    for (const QByteArray &picture : pictures) {
        TSeal &seal = add(doc, TSealType::stEllipse, 20);
        seal.SetHaveImage(true);
        if (!seal.LoadPictureData(picture))
            return {};
    }
    return savedDocument(doc);
}

QList<Seed> makeSeeds()
{
    QList<Seed> seeds;
    SealDocument doc;
    doc.page().SetPageWidth(210);
    doc.page().SetPageHeight(297);
    TSeal &round = add(doc, TSealType::stEllipse, 40);
    round.SetText(Gbk::fromUnicode(u"印章"_s));
    round.SetCode("12345");
    round.SetHaveImage(true);
    round.LoadPictureData(tinyPicture("GIF"));
    add(doc, TSealType::stHorzText, 20).SetText("AB");
    seeds.append({u"document/v8.dyz"_s, savedDocument(doc)});
    seeds.append({u"document/v7.dyz"_s, legacyDocument(7, 635)});
    seeds.append({u"document/v5.dyz"_s, legacyDocument(5, 295)});
    ClipboardStream stream;
    CopySealsToStream({doc.seals()[1].get()}, stream);
    seeds.append({u"document/clipboard.bin"_s, stream.data()});
    seeds.append({u"document/pictures.dyz"_s, documentWithPictures()});

    SealDocument small;
    small.setScreenPixelsPerMm(4);
    TSeal &star = add(small, TSealType::stFiveStar, 4);
    QBuffer item;
    item.open(QIODevice::WriteOnly);
    NoProgress progress;
    SaveLibraryItem(item, {&star}, progress);
    seeds.append({u"libraryitem/star.yzl"_s, item.data()});
    SealDocument withEmblem;
    withEmblem.setScreenPixelsPerMm(4);
    TSeal &emblem = add(withEmblem, TSealType::stEllipse, 10);
    emblem.SetHaveImage(true);
    emblem.LoadPictureData(tinyPicture("GIF"));
    QBuffer emblemItem;
    emblemItem.open(QIODevice::WriteOnly);
    SaveLibraryItem(emblemItem, {&emblem}, progress);
    seeds.append({u"libraryitem/emblem.yzl"_s, emblemItem.data()});

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
            if (s.path.startsWith(u"picture/"_s)) {
                QVERIFY2(SealPicture::fromData(bytes).hasGraphic(), qPrintable(s.path));
            } else if (s.path.startsWith(u"libraryitem/"_s)) {
                QVERIFY2(LoadLibraryItemData(bytes, doc, progress).ok(), qPrintable(s.path));
            } else if (s.path.endsWith(u".bin"_s)) {
                ClipboardStream stream;
                stream.setData(bytes);
                QVERIFY2(PasteSealsFromStream(stream, doc).ok(), qPrintable(s.path));
            } else {
                QVERIFY2(loadDocumentData(bytes, doc, progress).ok(), qPrintable(s.path));
            }
            QVERIFY(!doc.seals().empty() || s.path.startsWith(u"picture/"_s));
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
