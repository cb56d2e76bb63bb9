#include "document/libraryfolder.h"
#include "picture/gifencoder.h"
#include "seal/sealpicture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/stat.h>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The start of a library item: version 8, the GIF's length as stored and the GIF.
QByteArray itemStart(const QByteArray &gif, qint64 storedLength)
{
    QByteArray bytes(12, '\0');
    qToLittleEndian<float>(8.0f, bytes.data());
    qToLittleEndian<qint64>(storedLength, bytes.data() + 4);
    return bytes + gif;
}

QByteArray gifOfSize(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return encodeGif(image);
}

} // namespace

class TestLibraryFolder : public QObject
{
    Q_OBJECT

private slots:
    void listsRegularFilesByExtension()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeFile(dir.filePath(u"x.yzl"_s), "x");
        writeFile(dir.filePath(u"a.YzL"_s), "a");
        writeFile(dir.filePath(u"YZL"_s), "no dot");
        QVERIFY(QDir(dir.path()).mkdir(u"y.YZL"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(u"pipe.yzl"_s)).constData(), 0600), 0);
        QStringList listed = listFolderFiles(dir.path(), libraryExtensions());
        listed.sort();
        QCOMPARE(listed, (QStringList{dir.filePath(u"a.YzL"_s), dir.filePath(u"x.yzl"_s)}));
        QCOMPARE(listFolderFiles(dir.filePath(u"missing"_s), libraryExtensions()), QStringList());
    }

    void nameRefusal_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << u"abc"_s << false;
        QTest::newRow("inner dot") << u"a.b"_s << false;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("slash") << u"a/b"_s << true;
        QTest::newRow("parent path") << u"../abc"_s << true;
        QTest::newRow("tab") << u"a\tb"_s << true;
        QTest::newRow("trailing dot") << u"abc."_s << true;
        QTest::newRow("too long") << QString(300, u'a') << true;
    }
    void nameRefusal()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!libraryNameRefusal(name).isEmpty(), refused);
    }

    void entryNamesAndLookup()
    {
        QCOMPARE(newLibraryEntryFileName(u"abc"_s), u"ABC.YZL"_s);
        QCOMPARE(newLibraryEntryFileName(u"Ab章é1"_s), u"AB章é1.YZL"_s);
        QCOMPARE(libraryEntryName(u"/some/folder/a.b.yzl"_s), u"a.b"_s);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString stored = dir.filePath(u"abc.yzl"_s);
        writeFile(stored, "x");
        QCOMPARE(findLibraryEntry(dir.path(), u"Abc"_s), stored);
        QCOMPARE(findLibraryEntry(dir.path(), u"ABC"_s), stored);
        QCOMPARE(findLibraryEntry(dir.path(), u"ab"_s), QString());
    }

    void thumbnailScale_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("scaled");
        // 107 x Round(150 * 107 / 300) = 107 x Round(53.5) = 107 x 54.
        QTest::newRow("wide") << QSize(300, 150) << 115 << QSize(107, 54);
        // Round(100 * 107 / 400) = Round(26.75) = 27.
        QTest::newRow("tall") << QSize(100, 400) << 115 << QSize(27, 107);
        // Round(10 * 107 / 428) = Round(2.5) = 2: halves go to the even neighbour.
        QTest::newRow("half to even") << QSize(428, 10) << 115 << QSize(107, 2);
        QTest::newRow("fits") << QSize(115, 40) << 115 << QSize(115, 40);
    }
    void thumbnailScale()
    {
        QFETCH(QSize, picture);
        QFETCH(int, size);
        QFETCH(QSize, scaled);
        QCOMPARE(libraryThumbnailScale(picture, size), scaled);
    }

    void entryThumbnail()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray gif = gifOfSize(300, 150);
        const QString good = dir.filePath(u"good.yzl"_s);
        writeFile(good, itemStart(gif, gif.size()) + QByteArray(40, '\0'));
        QCOMPARE(libraryEntryThumbnail(good, 115).size(), QSize(107, 54));
        QCOMPARE(libraryEntryThumbnail(good, 400).size(), QSize(300, 150));

        const QList<std::pair<const char *, QByteArray>> broken = {
            {"short", QByteArray("\0\0\0A", 4)},
            {"length past the end", itemStart(gif, gif.size() + 1)},
            {"huge length", itemStart(gif, Q_INT64_C(1) << 62)},
            {"bad gif", itemStart(QByteArray(200, 'G'), 200)},
        };
        for (const auto &[name, bytes] : broken) {
            const QString path = dir.filePath(QString::fromLatin1(name) + u".yzl"_s);
            writeFile(path, bytes);
            QVERIFY2(libraryEntryThumbnail(path, 115).isNull(), name);
        }
    }

    void emblemFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // Left half transparent, right half opaque blue.
        QImage image(200, 100, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(100, 0, 100, 100, Qt::blue);
        const QString png = dir.filePath(u"emblem.PNG"_s);
        QVERIFY(image.save(png, "PNG"));
        // 88 x Round(100 * 88 / 200) = 88 x 44.
        QCOMPARE(emblemFileThumbnail(png, 96).size(), QSize(88, 44));

        QString refusal;
        const QByteArray bmp = emblemFilePictureBytes(png, &refusal);
        QVERIFY(refusal.isEmpty() && bmp.startsWith("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
        const SealPicture picture = SealPicture::fromData(bmp);
        QCOMPARE(picture.kind(), SealPicture::Kind::Bitmap);
        QCOMPARE(picture.image().pixel(10, 50), qRgb(255, 255, 255));
        QCOMPARE(picture.image().pixel(150, 50), qRgb(0, 0, 255));

        const QString gifPath = dir.filePath(u"emblem.gif"_s);
        writeFile(gifPath, gifOfSize(40, 30));
        QCOMPARE(emblemFilePictureBytes(gifPath, &refusal), gifOfSize(40, 30));
        const QString junk = dir.filePath(u"junk.bmp"_s);
        writeFile(junk, "BMnot a bitmap at all");
        QVERIFY(emblemFileThumbnail(junk, 96).isNull());
        QVERIFY(emblemFilePictureBytes(junk, &refusal).isEmpty() && !refusal.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLibraryFolder)
#include "tst_libraryfolder.moc"
