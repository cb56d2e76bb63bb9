// The desktop program autosaves an edit, is killed, and brings the edit back at the next start.
// Two instances run at once, each with a folder of its own. Every run gets settings and data
// folders of its own and waits as long as a slow machine needs; nothing here measures time.

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

class Session
{
public:
    Session()
    {
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        m_env.insert(u"HOME"_s, m_dir.path());
        m_env.insert(u"XDG_CONFIG_HOME"_s, path(u"config"_s));
        m_env.insert(u"XDG_DATA_HOME"_s, path(u"data"_s));
        m_env.insert(u"QM_AUTOSAVE_SECONDS"_s, u"1"_s);
        // Nothing may wait for a user: the printer notice is ticked away, the home page was shown.
        QSettings settings(path(u"config/Lumenwerk/Quillmark.conf"_s), QSettings::IniFormat);
        settings.setValue(u"系统配置/HideNoPrinterNotice"_s, u"true"_s);
        settings.setValue(u"QuillmarkHomePage/HomePage"_s, u"true"_s);
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void start(QProcess &process, const QStringList &arguments, const QStringList &hooks) const
    {
        QProcessEnvironment env = m_env;
        for (const QString &hook : hooks)
            env.insert(hook.section(u'=', 0, 0), hook.section(u'=', 1));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QString::fromUtf8(QM_GUI), arguments);
    }

    // The copies every session keeps, those moved aside not counted.
    QStringList copies() const
    {
        QStringList found;
        QDirIterator it(path(u"data"_s), {u"*.dyz"_s}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (file.contains(u"/recovery/"_s) && !file.contains(u"/damaged/"_s))
                found.append(file);
        }
        return found;
    }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

void writeSeals(const QString &file, const std::vector<float> &centres)
{
    qm::SealDocument doc;
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    for (const float x : centres) {
        auto seal = doc.createSeal();
        seal->setSealType(qm::SealType::stEllipse);
        seal->setRealCenterX(x);
        seal->setRealCenterY(40);
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
        Session session;
        const QString a = session.path(u"a.dyz"_s);
        const QString b = session.path(u"b.dyz"_s);
        writeSeals(a, {30, 60});
        writeSeals(b, {90});

        // Each instance opens its document and moves its seals 1 mm to the right.
        QProcess first, second;
        session.start(first, {a}, {u"QM_TEST_EDIT=1"_s, u"QM_RECOVERY_ANSWER=keep"_s});
        QTRY_COMPARE_WITH_TIMEOUT(session.copies().size(), 1, Deadline);
        session.start(second, {b}, {u"QM_TEST_EDIT=1"_s, u"QM_RECOVERY_ANSWER=keep"_s});
        QTRY_COMPARE_WITH_TIMEOUT(session.copies().size(), 2, Deadline);
        // Neither took the other's copy: one folder each, the first one's untouched.
        const QStringList copies = session.copies();
        QVERIFY(QFileInfo(copies[0]).path() != QFileInfo(copies[1]).path());
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(second.state(), QProcess::Running);
        first.kill();
        second.kill();
        QVERIFY(first.waitForFinished(Deadline));
        QVERIFY(second.waitForFinished(Deadline));
        // The originals never saw the edits.
        QCOMPARE(centresIn(a), (std::vector<float>{30, 60}));

        // The next start opens both copies and saves them where they came from.
        QProcess third;
        session.start(third, {}, {u"QM_RECOVERY_ANSWER=open"_s, u"QM_TEST_SAVE_AND_QUIT=1"_s});
        QVERIFY(third.waitForFinished(Deadline));
        QCOMPARE(third.exitStatus(), QProcess::NormalExit);
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(centresIn(a), (std::vector<float>{31, 61}));
        QCOMPARE(centresIn(b), (std::vector<float>{91}));
        QVERIFY(session.copies().isEmpty());
    }
};

QTEST_MAIN(TestAutosaveRecovery)
#include "tst_autosaverecovery.moc"
