// The desktop program starts, shows its page with seals on it, and refuses bad input.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int runGui(const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    p.setProcessEnvironment(env);
    p.start(QString::fromUtf8(QM_GUI), args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        return -1;
    }
    return p.exitCode();
}

} // namespace

class TestGuiSmoke : public QObject
{
    Q_OBJECT

private slots:
    void galleryShowsInk()
    {
        QTemporaryDir dir;
        const QString shot = dir.filePath(u"window.png"_s);
        QCOMPARE(runGui({u"--screenshot"_s, shot}), 0);
        const QImage img(shot);
        QVERIFY(!img.isNull());
        int red = 0;
        for (int y = 0; y < img.height(); y += 2)
            for (int x = 0; x < img.width(); x += 2) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    ++red;
            }
        QVERIFY2(red > 500, qPrintable(QString::number(red))); // the seals' red ink is on screen
    }

    void badFileIsRefused()
    {
        QTemporaryDir dir;
        QFile bad(dir.filePath(u"bad.json"_s));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("{\"seals\": 3}");
        bad.close();
        QCOMPARE(runGui({bad.fileName(), u"--screenshot"_s, dir.filePath(u"x.png"_s)}), 1);
        QVERIFY(!QFile::exists(dir.filePath(u"x.png"_s)));
    }
};

QTEST_GUILESS_MAIN(TestGuiSmoke)
#include "tst_guismoke.moc"
