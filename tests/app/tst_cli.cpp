// quillmark-cli as a user runs it: exit codes, messages and the trace lines.

#include "testing/testhelpers.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using qm::testing::ProcessRun;

namespace {

ProcessRun cli(const QStringList &args)
{
    return qm::testing::runProcess(QString::fromUtf8(QM_CLI), args, 60000);
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

QList<QJsonObject> lines(const QByteArray &out)
{
    QList<QJsonObject> l;
    for (const QByteArray &line : out.split('\n'))
        if (!line.isEmpty())
            l.append(QJsonDocument::fromJson(line).object());
    return l;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors()
    {
        QCOMPARE(cli({}).exitCode, 2);
        QCOMPARE(cli({u"paint"_s}).exitCode, 2);
        QCOMPARE(cli({u"trace"_s}).exitCode, 2);
        QCOMPARE(cli({u"trace"_s, u"a.json"_s, u"--ppm"_s, u"x"_s}).exitCode, 2);
        QCOMPARE(cli({u"trace"_s, u"a.json"_s, u"--zoom"_s}).exitCode, 2);
    }

    void refusedInput()
    {
        QTemporaryDir dir;
        const ProcessRun missing = cli({u"trace"_s, dir.filePath(u"none.json"_s)});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(!missing.err.isEmpty());
        const ProcessRun bad = cli({u"trace"_s, writeFile(dir, u"bad.json"_s, R"({"seals":[{"Nope":1}]})")});
        QCOMPARE(bad.exitCode, 1);
        QVERIFY(bad.err.contains("Nope"));
        QVERIFY(bad.out.isEmpty());
    }

    void beginLineGivesThePixelBox()
    {
        QTemporaryDir dir;
        const QString file = writeFile(dir, u"s.json"_s,
                                       R"({"seals":[{"RealCenterX":30,"RealCenterY":25},
                                                    {"SealType":21,"RealWidth":10,"RealHeight":8}]})");
        const ProcessRun r = cli({u"trace"_s, file});
        QCOMPARE(r.exitCode, 0);
        const QList<QJsonObject> l = lines(r.out);
        QVERIFY(!l.isEmpty());
        const QJsonObject first = l.first();
        QCOMPARE(first.value(u"seal"_s).toInt(), 0);
        QCOMPARE(first.value(u"op"_s).toString(), u"Begin"_s);
        QCOMPARE(first.value(u"left"_s).toInt(), 90);   // (30 - 21) * 10
        QCOMPARE(first.value(u"top"_s).toInt(), 40);    // (25 - 21) * 10
        QCOMPARE(first.value(u"width"_s).toInt(), 420); // 42 * 10
        // The keys come in the trace format's order.
        QVERIFY(r.out.startsWith(R"({"seal":0,"op":"Begin","left":90,"top":40,"width":420,"height":420})"));

        const ProcessRun one = cli({u"trace"_s, file, u"--seal"_s, u"1"_s, u"--ppm"_s, u"5"_s, u"--zoom"_s, u"200"_s});
        QCOMPARE(one.exitCode, 0);
        const QList<QJsonObject> l1 = lines(one.out);
        QCOMPARE(l1.first().value(u"seal"_s).toInt(), 1);
        QCOMPARE(l1.first().value(u"width"_s).toInt(), 100); // 10 mm at 5 px/mm and 200 %
        QCOMPARE(l1.first().value(u"height"_s).toInt(), 80);
        for (const QJsonObject &o : l1)
            QCOMPARE(o.value(u"seal"_s).toInt(), 1);

        QCOMPARE(cli({u"trace"_s, file, u"--seal"_s, u"2"_s}).exitCode, 1);
    }

    void blackUnlessColoursKept()
    {
        QTemporaryDir dir;
        const QString file =
            writeFile(dir, u"line.json"_s, R"({"seals":[{"SealType":14,"RealWidth":20,"PenColor":16711680}]})");
        auto penColours = [](const QByteArray &out) {
            QSet<qint64> c;
            for (const QJsonObject &o : lines(out))
                if (o.value(u"op"_s).toString() == u"LineTo"_s)
                    c.insert(o.value(u"pen"_s).toObject().value(u"color"_s).toInteger());
            return c;
        };
        const ProcessRun kept = cli({u"trace"_s, file});
        QCOMPARE(kept.exitCode, 0);
        QCOMPARE(penColours(kept.out), QSet<qint64>{16711680});
        const ProcessRun black = cli({u"trace"_s, file, u"--black"_s});
        QCOMPARE(penColours(black.out), QSet<qint64>{0});
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
