// The desktop program autosaves an edit, is killed, and brings the edit back at the next start;
// two instances running at once keep a folder each. The runs get settings and data folders of
// their own and wait as long as a slow machine needs; nothing here measures time.

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/seal.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int Deadline = 120000;

void start(QProcess &process, const QTemporaryDir &home, const QStringList &arguments, const QStringList &hooks)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"HOME"_s, home.path());
    env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
    env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
    env.insert(u"QM_AUTOSAVE_SECONDS"_s, u"1"_s);
    for (const QString &hook : hooks)
        env.insert(hook.section(u'=', 0, 0), hook.section(u'=', 1));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromUtf8(QM_GUI), arguments);
}

// The copies of every session, those moved aside not counted.
QStringList copies(const QTemporaryDir &home)
{
    QStringList found;
    QDirIterator it(home.filePath(u"data"_s), {u"*.dyz"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (const QString file = it.next(); file.contains(u"/recovery/"_s) && !file.contains(u"/damaged/"_s))
            found.append(file);
    return found;
}

void writeSeals(const QString &file, const std::vector<float> &centres)
{
    qm::SealDocument doc;
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    for (const float x : centres) {
        auto seal = doc.createSeal();
        seal->setSealType(qm::SealType::stEllipse);
        seal->setRealCenterX(x);
        doc.seals().push_back(std::move(seal));
    }
    qm::NoProgress progress;
    QVERIFY(doc.save(file, progress).ok());
}

std::vector<float> centresIn(const QString &file)
{
    qm::SealDocument doc;
    qm::NoProgress progress;
    std::vector<float> centres;
    if (qm::openDocument(file, doc, progress).ok())
        for (const auto &seal : doc.seals())
            centres.push_back(seal->RealCenterX());
    return centres;
}

} // namespace

class TestAutosaveRecovery : public QObject
{
    Q_OBJECT

private slots:
    void killedSessionsComeBack()
    {
        QTemporaryDir home;
        // Nothing may wait for a user: the printer notice was ticked away, the home page shown.
        QSettings settings(home.filePath(u"config/Lumenwerk/Quillmark.conf"_s), QSettings::IniFormat);
        settings.setValue(u"系统配置/HideNoPrinterNotice"_s, u"true"_s);
        settings.setValue(u"QuillmarkHomePage/HomePage"_s, u"true"_s);
        settings.sync();
        const QString a = home.filePath(u"a.dyz"_s);
        const QString b = home.filePath(u"b.dyz"_s);
        writeSeals(a, {30, 60});
        writeSeals(b, {90});

        // Each instance moves the seals of its document 1 mm to the right.
        QProcess first, second;
        start(first, home, {a}, {u"QM_TEST_EDIT=1"_s, u"QM_RECOVERY_ANSWER=keep"_s});
        QTRY_COMPARE_WITH_TIMEOUT(copies(home).size(), 1, Deadline);
        start(second, home, {b}, {u"QM_TEST_EDIT=1"_s, u"QM_RECOVERY_ANSWER=keep"_s});
        QTRY_COMPARE_WITH_TIMEOUT(copies(home).size(), 2, Deadline);
        // Neither took the other's copy.
        QVERIFY(QFileInfo(copies(home)[0]).path() != QFileInfo(copies(home)[1]).path());
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        second.kill();
        QVERIFY(first.waitForFinished(Deadline) && second.waitForFinished(Deadline));
        QCOMPARE(centresIn(a), (std::vector<float>{30, 60}));

        // The next start opens both copies and saves each to its own file.
        QProcess third;
        start(third, home, {}, {u"QM_RECOVERY_ANSWER=open"_s, u"QM_TEST_SAVE_AND_QUIT=1"_s});
        QVERIFY(third.waitForFinished(Deadline));
        QCOMPARE(third.exitStatus(), QProcess::NormalExit);
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(centresIn(a), (std::vector<float>{31, 61}));
        QCOMPARE(centresIn(b), (std::vector<float>{91}));
        QVERIFY(copies(home).isEmpty());
    }
};

QTEST_MAIN(TestAutosaveRecovery)
#include "tst_autosaverecovery.moc"
