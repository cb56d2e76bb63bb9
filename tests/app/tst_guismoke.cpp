// The desktop program starts with a document named on the command line, shows its seals, and
// refuses a file that is no seal document. Each run gets settings and data folders of its own,
// and speaks Chinese unless a test says otherwise.

#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int run(const QString &program, const QStringList &args, const QTemporaryDir &home,
        const QString &language = u"C.UTF-8"_s)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"LC_ALL"_s, u"LC_MESSAGES"_s, u"LANGUAGE"_s})
        env.remove(name);
    env.insert(u"LANG"_s, language);
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        return -1;
    }
    return p.exitCode();
}

int runGui(const QStringList &args, const QTemporaryDir &home, const QString &language = u"C.UTF-8"_s)
{
    return run(QString::fromUtf8(QM_GUI), args, home, language);
}

} // namespace

class TestGuiSmoke : public QObject
{
    Q_OBJECT

private slots:
    void documentShowsInk()
    {
        QTemporaryDir dir;
        const QString doc = dir.filePath(u"gallery.dyz"_s);
        QCOMPARE(run(QString::fromUtf8(QM_CLI),
                     {u"build"_s, QStringLiteral(QM_SOURCE_DIR "/examples/gallery.json"), u"-o"_s, doc}, dir),
                 0);
        const QString shot = dir.filePath(u"window.png"_s);
        QCOMPARE(runGui({doc, u"--screenshot"_s, shot}, dir), 0);
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
        // The first start made the working folders.
        QVERIFY(QFileInfo(dir.filePath(u"data/Lumenwerk/Quillmark/我的印章"_s)).isDir());
    }

    void startsWithoutDocument()
    {
        QTemporaryDir dir;
        const QString shot = dir.filePath(u"empty.png"_s);
        QCOMPARE(runGui({u"--screenshot"_s, shot}, dir), 0);
        QVERIFY(!QImage(shot).isNull());
    }

    // The palette's two sets of buttons, pictured by the smoke option: the same frame, other
    // pictures on the buttons.
    void paletteScreenshots()
    {
        QTemporaryDir dir;
        const QString drawing = dir.filePath(u"drawing.png"_s);
        const QString seals = dir.filePath(u"seals.png"_s);
        QCOMPARE(runGui({u"--palette-screenshots"_s, drawing, seals}, dir), 0);
        const QImage a(drawing);
        const QImage b(seals);
        QVERIFY(!a.isNull());
        QCOMPARE(b.size(), a.size());
        QVERIFY(a != b);
        QCOMPARE(runGui({u"--palette-screenshots"_s, drawing}, dir), 2);
    }

    // English where the system speaks it, unless the settings choose otherwise; the page of the
    // first start shows which language the program chose.
    void interfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("english");
        QTest::newRow("English system") << u"en_US.UTF-8"_s << QString() << true;
        QTest::newRow("English system, Chinese chosen") << u"en_US.UTF-8"_s << u"zh_CN"_s << false;
        QTest::newRow("C locale") << u"C"_s << QString() << false;
        QTest::newRow("C locale, English chosen") << u"C"_s << u"en"_s << true;
    }
    void interfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, setting);
        QFETCH(bool, english);
        QTemporaryDir dir;
        if (!setting.isEmpty()) {
            QSettings settings(dir.filePath(u"config/Lumenwerk/Quillmark.conf"_s), QSettings::IniFormat);
            settings.setValue(u"Desktop/Language"_s, setting);
        }
        QCOMPARE(runGui({u"--screenshot"_s, dir.filePath(u"x.png"_s)}, dir, language), 0);
        QFile page(dir.filePath(u"data/Lumenwerk/Quillmark/homepage.html"_s));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        QCOMPARE(html.contains(u"Welcome to Quillmark"_s), english);
        QCOMPARE(html.contains(u"欢迎使用"_s), !english);
    }

    void badFileIsRefused()
    {
        QTemporaryDir dir;
        QFile bad(dir.filePath(u"bad.dyz"_s));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a seal document at all");
        bad.close();
        QCOMPARE(runGui({bad.fileName(), u"--screenshot"_s, dir.filePath(u"x.png"_s)}, dir), 1);
        QVERIFY(!QFile::exists(dir.filePath(u"x.png"_s)));
    }
};

QTEST_GUILESS_MAIN(TestGuiSmoke)
#include "tst_guismoke.moc"
