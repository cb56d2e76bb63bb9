// A document of a few hundred bytes whose one emblem is an 8192 x 8192 GIF: rendering it keeps
// one decoded copy of the frame (256 MiB), not one for the picture, one inked, one masked and
// one premultiplied. The tool runs alone in this test, so the largest child is the one measured.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// A GIF whose logical screen is side x side with a one-pixel frame of a transparent colour.
QByteArray largeGif(int side)
{
    QByteArray gif("GIF89a");
    const auto put16 = [&gif](int v) { gif.append(char(v & 0xFF)).append(char(v >> 8)); };
    put16(side);
    put16(side);
    gif.append("\x80\x00\x00", 3);                              // a global table of two colours
    gif.append("\x00\x00\x00\xFF\xFF\xFF", 6);                  // black, white
    gif.append("\x21\xF9\x04\x01\x00\x00\x01\x00", 8);          // white is transparent
    gif.append("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10); // a 1 x 1 frame at (0, 0)
    gif.append("\x02\x02\x44\x01\x00", 5);                      // its one pixel, LZW coded
    gif.append(';');
    return gif;
}

int run(const QStringList &args)
{
    QProcess p;
    p.start(QString::fromUtf8(QM_CLI), args);
    if (!p.waitForFinished(-1))
        return -1;
    return p.exitCode();
}

} // namespace

class TestCliRenderMemory : public QObject
{
    Q_OBJECT

private slots:
    void oneCopyOfALargeFrame()
    {
        QTemporaryDir dir;
        QFile gif(dir.filePath(u"large.gif"_s));
        QVERIFY(gif.open(QIODevice::WriteOnly));
        gif.write(largeGif(8192));
        gif.close();
        QFile json(dir.filePath(u"large.json"_s));
        QVERIFY(json.open(QIODevice::WriteOnly));
        json.write(R"({"seals":[{"SealType":23,"RealWidth":40,"RealHeight":40,"RealCenterX":30,"RealCenterY":30,)"
                   R"("HaveImage":true,"Picture":{"file":"large.gif"}}]})");
        json.close();
        const QString document = dir.filePath(u"large.dyz"_s);
        QCOMPARE(run({u"build"_s, json.fileName(), u"-o"_s, document}), 0);
        QVERIFY(QFile(document).size() < 1000);
        QCOMPARE(run({u"render"_s, document, u"-o"_s, dir.filePath(u"large.bmp"_s)}), 0);

        // 8192 x 8192 x 4 bytes = 256 MiB a copy; the four copies it once took exceed three.
        rusage usage{};
        QCOMPARE(getrusage(RUSAGE_CHILDREN, &usage), 0);
        const qint64 peakBytes = qint64(usage.ru_maxrss) * 1024;
        QVERIFY2(peakBytes < 3 * (qint64(256) << 20), qPrintable(QString::number(peakBytes)));
    }
};

QTEST_GUILESS_MAIN(TestCliRenderMemory)
#include "tst_clirendermemory.moc"
