// quillmark-cli render as a user runs it: every kind, the size rule, the name rule, refusals.

#include "testing/testhelpers.h"

#include "document/documentfile.h"
#include "document/progressdisplay.h"
#include "document/sealdocument.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &args)
{
    const auto r = qm::testing::runProcess(QString::fromUtf8(QM_CLI), QStringList{u"render"_s} + args);
    return {r.exitCode, QString::fromLocal8Bit(r.out), QString::fromLocal8Bit(r.err)};
}

// Two seals: a 40 mm round seal at (30, 30) and a 20 mm line beside it at (70, 20).
const char TwoSeals[] = R"({"seals": [
  {"SealType": 10, "RealWidth": 40, "RealHeight": 40, "RealCenterX": 30, "RealCenterY": 30,
   "Text": "示例应用软件公司", "ImageIsStar": true, "HaveImage": true},
  {"SealType": 14, "RealWidth": 20, "RealHeight": 2, "RealCenterX": 70, "RealCenterY": 20}
]})";

QString writeJson(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(u"seals.json"_s);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(TwoSeals);
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// On the command line's page (96 pixels per inch, zoom 100) a 40 mm seal is roundHalfEven(40 × 96 / 25.4)
// = roundHalfEven(151.18) = 151 pixels wide, so its box is 151 × 25.4 / 96 mm.
//   at 72 dpi:  151 × 72 / 96 = 113.25 → 113 + 16 = 129
//   at 300 dpi: 151 × 300 / 96 = 471.875 → 472 + 16 = 488
constexpr int At72 = 129;
constexpr int At300 = 488;

} // namespace

class TestRenderCommand : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void everyKind_data();
    void everyKind();
    void defaultResolution();
    void tooLargeIsRefused();
    void nameRule();
    void sealList();
    void mirror();
    void documentInput();
};

void TestRenderCommand::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("no output") << QStringList{u"a.json"_s};
    QTest::newRow("unknown kind") << QStringList{u"a.json"_s, u"-o"_s, u"a.abc"_s};
    QTest::newRow("no extension") << QStringList{u"a.json"_s, u"-o"_s, u"seal"_s};
    QTest::newRow("ppm and dpi") << QStringList{u"a.json"_s, u"-o"_s,    u"a.bmp"_s, u"--ppm"_s,
                                                u"5"_s,      u"--dpi"_s, u"72"_s};
    QTest::newRow("bad ppm") << QStringList{u"a.json"_s, u"-o"_s, u"a.bmp"_s, u"--ppm"_s, u"-1"_s};
    QTest::newRow("ppm without value") << QStringList{u"a.json"_s, u"-o"_s, u"a.bmp"_s, u"--ppm"_s};
    QTest::newRow("bad seal list") << QStringList{u"a.json"_s, u"-o"_s, u"a.bmp"_s, u"--seals"_s, u"1,x"_s};
    QTest::newRow("two inputs") << QStringList{u"a.json"_s, u"b.json"_s, u"-o"_s, u"a.bmp"_s};
}

void TestRenderCommand::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = cli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains(u"usage"_s));
}

void TestRenderCommand::everyKind_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QByteArray>("magic");
    QTest::addColumn<int>("magicAt");
    QTest::newRow("emf") << u"emf"_s << QByteArray(" EMF") << 40;
    QTest::newRow("jpg") << u"jpg"_s << QByteArray("\xFF\xD8\xFF") << 0;
    QTest::newRow("gif") << u"gif"_s << QByteArray("GIF89a") << 0;
    QTest::newRow("tiff") << u"tiff"_s << QByteArray("II*\0", 4) << 0;
    QTest::newRow("bmp") << u"bmp"_s << QByteArray("BM") << 0;
    QTest::newRow("png") << u"png"_s << QByteArray("\x89PNG") << 0;
    QTest::newRow("svg") << u"svg"_s << QByteArray("<svg") << -1;
    QTest::newRow("pdf") << u"pdf"_s << QByteArray("%PDF-") << 0;
}

void TestRenderCommand::everyKind()
{
    QFETCH(QString, extension);
    QFETCH(QByteArray, magic);
    QFETCH(int, magicAt);
    QTemporaryDir dir;
    const QString out = dir.filePath(u"seal."_s + extension);
    const Run r = cli({writeJson(dir), u"-o"_s, out, u"--dpi"_s, u"72"_s, u"--seals"_s, u"0"_s});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(r.out.trimmed(), u"%1 %2 %3"_s.arg(out).arg(At72).arg(At72));
    const QByteArray bytes = readAll(out);
    if (magicAt < 0)
        QVERIFY(bytes.contains(magic));
    else
        QCOMPARE(bytes.mid(magicAt, magic.size()), magic);
    if (extension == u"tiff"_s)
        QCOMPARE(bytes.size(), 40 + 3 * At72 * At72 + 186);
    if (extension == u"jpg"_s || extension == u"gif"_s || extension == u"bmp"_s || extension == u"png"_s)
        QCOMPARE(QImage::fromData(bytes).size(), QSize(At72, At72));
}

void TestRenderCommand::defaultResolution()
{
    QTemporaryDir dir;
    const Run r = cli({writeJson(dir), u"-o"_s, dir.filePath(u"seal.gif"_s), u"--seals"_s, u"0"_s});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.endsWith(u" %1 %2\n"_s.arg(At300).arg(At300)));
}

void TestRenderCommand::tooLargeIsRefused()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"seal.bmp"_s);
    // 151 × 25.4 / 96 × 100 = 3995.2 → 3995 + 16 = 4011; 4011 × 4011 > 12 960 000.
    const Run r = cli({writeJson(dir), u"-o"_s, out, u"--ppm"_s, u"100"_s, u"--seals"_s, u"0"_s});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains(u"导出图象太大，系统无法处理！"_s));
    QVERIFY(r.err.contains(u"  A、图象导出精度适当降低；"_s));
    QVERIFY(r.err.contains(u"  B、页面上选择面积适当减小；"_s));
    QVERIFY(!QFile::exists(out));
}

void TestRenderCommand::nameRule()
{
    QTemporaryDir dir;
    const Run r = cli({writeJson(dir), u"-o"_s, dir.filePath(u"a.tif"_s), u"--dpi"_s, u"72"_s});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QFile::exists(dir.filePath(u"a.tiff"_s)));
    QVERIFY(!QFile::exists(dir.filePath(u"a.tif"_s)));
    QVERIFY(r.out.startsWith(dir.filePath(u"a.tiff"_s)));
}

void TestRenderCommand::sealList()
{
    QTemporaryDir dir;
    const QString json = writeJson(dir);
    // The line alone: 20 mm is roundHalfEven(75.59) = 76 pixels, 76 × 72 / 96 = 57 → 57 + 16 = 73 wide.
    Run r = cli({json, u"-o"_s, dir.filePath(u"line.bmp"_s), u"--dpi"_s, u"72"_s, u"--seals"_s, u"1"_s});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains(u" 73 "_s));
    // Both, in either order, span 10 … 80 mm across: the same picture.
    r = cli({json, u"-o"_s, dir.filePath(u"both.bmp"_s), u"--dpi"_s, u"72"_s});
    QCOMPARE(r.exitCode, 0);
    r = cli({json, u"-o"_s, dir.filePath(u"both2.bmp"_s), u"--dpi"_s, u"72"_s, u"--seals"_s, u"1,0"_s});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QImage(dir.filePath(u"both2.bmp"_s)), QImage(dir.filePath(u"both.bmp"_s)));

    r = cli({json, u"-o"_s, dir.filePath(u"none.bmp"_s), u"--seals"_s, u"2"_s});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains(u"no seal 2"_s));
    r = cli({dir.filePath(u"missing.json"_s), u"-o"_s, dir.filePath(u"x.bmp"_s)});
    QCOMPARE(r.exitCode, 1);
}

void TestRenderCommand::mirror()
{
    QTemporaryDir dir;
    const QString json = writeJson(dir);
    QCOMPARE(cli({json, u"-o"_s, dir.filePath(u"plain.bmp"_s), u"--dpi"_s, u"72"_s}).exitCode, 0);
    QCOMPARE(cli({json, u"-o"_s, dir.filePath(u"mirror.bmp"_s), u"--dpi"_s, u"72"_s, u"--mirror"_s}).exitCode, 0);
    const QImage plain(dir.filePath(u"plain.bmp"_s));
    const QImage mirrored(dir.filePath(u"mirror.bmp"_s));
    QVERIFY(!plain.isNull());
    QVERIFY(plain != mirrored);
    QCOMPARE(mirrored, plain.mirrored(true, false));
}

void TestRenderCommand::documentInput()
{
    QTemporaryDir dir;
    // The same two seals saved as a document render to the same picture as the JSON.
    qm::SealDocument doc;
    auto round = doc.createSeal();
    round->setZoom(doc.page().zoom());
    round->setSealType(qm::SealType::stEllipse);
    round->setRealWidth(40);
    round->setRealHeight(40);
    round->setRealCenterX(30);
    round->setRealCenterY(30);
    round->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s));
    round->setImageIsStar(true);
    round->setHaveImage(true);
    auto line = doc.createSeal();
    line->setZoom(doc.page().zoom());
    line->setSealType(qm::SealType::stHorzLine);
    line->setRealWidth(20);
    line->setRealHeight(2);
    line->setRealCenterX(70);
    line->setRealCenterY(20);
    doc.seals().push_back(std::move(round));
    doc.seals().push_back(std::move(line));
    const QString dyz = dir.filePath(u"seals.dyz"_s);
    qm::NoProgress progress;
    QVERIFY(qm::writeDocument(dyz, doc, progress).ok());

    QCOMPARE(cli({dyz, u"-o"_s, dir.filePath(u"doc.bmp"_s), u"--dpi"_s, u"72"_s}).exitCode, 0);
    QCOMPARE(cli({writeJson(dir), u"-o"_s, dir.filePath(u"json.bmp"_s), u"--dpi"_s, u"72"_s}).exitCode, 0);
    const QImage fromDoc(dir.filePath(u"doc.bmp"_s));
    QVERIFY(!fromDoc.isNull());
    QCOMPARE(fromDoc, QImage(dir.filePath(u"json.bmp"_s)));
}

QTEST_GUILESS_MAIN(TestRenderCommand)
#include "tst_rendercommand.moc"
