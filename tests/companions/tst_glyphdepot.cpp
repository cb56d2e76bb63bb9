// The picture component: its built-in pictures by name, their count, and the wallpaper.

#include "companions/glyphdepot/glyphdepot.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;

class TestGlyphDepot : public QObject
{
    Q_OBJECT

private slots:
    void emblemCount()
    {
        // Fifteen emblems are drawn; the emblem panel needs at least a dozen.
        QCOMPARE(qm::GetPictureCount(), 15);
    }

    void builtInPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Splash") << u"Splash"_s << QSize(400, 250);
        QTest::newRow("Wallpaper") << u"Wallpaper"_s << QSize(640, 480);
        for (int i = 0; i < 15; ++i) {
            const QString n = QString::number(i);
            QTest::newRow(qPrintable(u"A"_s + n)) << u"A"_s + n << QSize(80, 80);
            QTest::newRow(qPrintable(u"B"_s + n)) << u"B"_s + n << QSize(300, 300);
        }
    }
    void builtInPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        qm::GifPicture picture;
        QVERIFY(qm::LoadAPicture(picture, name));
        QCOMPARE(picture.size(), size);
        QVERIFY(picture.bytes().startsWith("GIF89a")); // handed on as a GIF
    }

    void fullEmblemsAreBlackOnWhite()
    {
        // A seal recolours the dark strokes of its emblem into its own ink over white ground.
        for (int i = 0; i < qm::GetPictureCount(); ++i) {
            qm::GifPicture picture;
            QVERIFY(qm::LoadAPicture(picture, u"B"_s + QString::number(i)));
            const QImage &image = picture.image();
            QCOMPARE(image.pixel(0, image.height() - 1), qRgb(255, 255, 255));
            int black = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    black += image.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(black > image.width() * image.height() / 20, qPrintable(QString::number(i)));
        }
    }

    void splashLeavesRoomForTheStageLabel()
    {
        // The splash window writes "Quillmark 正在…" in a 13-pixel font at (65, 180): its band
        // must be plain white so the label reads.
        qm::GifPicture splash;
        QVERIFY(qm::LoadAPicture(splash, u"Splash"_s));
        const QImage &image = splash.image();
        for (int y = 172; y < 202; ++y)
            for (int x = 60; x < 340; ++x)
                QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255), qPrintable(u"%1,%2"_s.arg(x).arg(y)));
    }

    void unknownNamesEmptyThePicture_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : {u""_s, u"A15"_s, u"B-1"_s, u"A01"_s, u"a0"_s, u"splash"_s, u"Splash.gif"_s,
                                    u"../Splash"_s, u"A"_s, u"B99999999999"_s, u"Ａ1"_s})
            QTest::newRow(qPrintable(name.isEmpty() ? u"(empty)"_s : name)) << name;
    }
    void unknownNamesEmptyThePicture()
    {
        QFETCH(QString, name);
        qm::GifPicture picture;
        QVERIFY(qm::LoadAPicture(picture, u"B0"_s));
        QVERIFY(!qm::LoadAPicture(picture, name));
        QVERIFY(picture.isEmpty());
        QVERIFY(picture.bytes().isEmpty());
    }

    void wallpaper_data()
    {
        QTest::addColumn<QString>("file"); // written into a temporary folder; "" for none
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("size"); // invalid: no picture
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QImage image(30, 20, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            image.save(&buffer, "PNG");
        }
        qm::GifPicture splash;
        QVERIFY(qm::LoadAPicture(splash, u"Splash"_s));

        // A bitmap header promising 40000 × 40000 pixels, more than a picture may have.
        QByteArray huge("BM");
        auto le32 = [&](quint32 v) {
            char bytes[4];
            qToLittleEndian(v, bytes);
            huge.append(bytes, 4);
        };
        le32(54 + 3);
        le32(0);
        le32(54);
        le32(40);
        le32(40000);
        le32(40000);
        huge.append("\x01\x00\x18\x00", 4);
        for (int i = 0; i < 6; ++i)
            le32(0);
        huge.append("\0\0\0", 3);

        QTest::newRow("empty path: built-in") << u""_s << QByteArray() << QSize(640, 480);
        QTest::newRow("PNG file") << u"wall.png"_s << png << QSize(30, 20);
        QTest::newRow("GIF file") << u"wall.gif"_s << splash.bytes() << QSize(400, 250);
        QTest::newRow("missing file") << u"-"_s << QByteArray() << QSize();
        QTest::newRow("not a picture") << u"notes.jpg"_s << QByteArray("just some text") << QSize();
        QTest::newRow("truncated GIF") << u"cut.gif"_s << splash.bytes().left(40) << QSize();
        QTest::newRow("too large") << u"huge.bmp"_s << huge << QSize();
    }
    void wallpaper()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QSize, size);
        QTemporaryDir dir;
        QString path;
        if (!file.isEmpty()) {
            path = dir.filePath(file);
            if (!content.isEmpty()) {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
        }
        QImage client(10, 10, QImage::Format_RGB32);
        client.setDevicePixelRatio(2);
        const QImage wallpaper = qm::SetBkGnd(&client, path);
        if (!size.isValid()) {
            QVERIFY(wallpaper.isNull());
            return;
        }
        QCOMPARE(wallpaper.size(), size);
        QCOMPARE(wallpaper.devicePixelRatio(), 2.0); // painted pixel for pixel
    }
};

QTEST_GUILESS_MAIN(TestGlyphDepot)
#include "tst_glyphdepot.moc"
