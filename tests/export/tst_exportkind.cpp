#include "export/exporterror.h"
#include "export/exportkind.h"

#include <QTest>

using namespace Qt::StringLiterals;

using qm::ExportKind;

Q_DECLARE_METATYPE(qm::ExportKind)

class TestExportKind : public QObject
{
    Q_OBJECT

private slots:
    void optionByte_data();
    void optionByte();
    void laterKindByte_data();
    void laterKindByte();
    void fileNameRule_data();
    void fileNameRule();
    void typedExtensionChoosesKind_data();
    void typedExtensionChoosesKind();
    void kindFromExtension_data();
    void kindFromExtension();
    void messages();
    void oneRowPerKind();
};

void TestExportKind::optionByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<ExportKind>("kind");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("filter");
    QTest::newRow("1") << 1 << ExportKind::Emf << u".emf"_s << u"Windows矢量图(*.emf)|*.emf"_s;
    QTest::newRow("2") << 2 << ExportKind::Jpeg << u".jpg"_s << u"JPEG压缩影像(*.jpg)|*.jpg"_s;
    QTest::newRow("3") << 3 << ExportKind::Gif << u".gif"_s << u"CompuServe GIF(*.gif)|*.gif"_s;
    QTest::newRow("4") << 4 << ExportKind::Tiff << u".tiff"_s << u"Tag影像(*.tiff)|*.tiff"_s;
    QTest::newRow("5") << 5 << ExportKind::Bmp << u".bmp"_s << u"Windows位图(*.bmp)|*.bmp"_s;
    QTest::newRow("0") << 0 << ExportKind::Bmp << u".bmp"_s << u"Windows位图(*.bmp)|*.bmp"_s;
    // The option byte names only the first five: the later enumerators are bitmaps there too.
    QTest::newRow("6 is no PNG") << 6 << ExportKind::Bmp << u".bmp"_s << u"Windows位图(*.bmp)|*.bmp"_s;
    QTest::newRow("8 is no PDF") << 8 << ExportKind::Bmp << u".bmp"_s << u"Windows位图(*.bmp)|*.bmp"_s;
    QTest::newRow("255") << 255 << ExportKind::Bmp << u".bmp"_s << u"Windows位图(*.bmp)|*.bmp"_s;
}

void TestExportKind::optionByte()
{
    QFETCH(int, value);
    QFETCH(ExportKind, kind);
    QFETCH(QString, extension);
    QFETCH(QString, filter);
    QCOMPARE(qm::exportKindFromOption(std::uint8_t(value)), kind);
    QCOMPARE(qm::exportKindExtension(kind), extension);
    QCOMPARE(qm::exportKindFilter(kind), filter);
}

void TestExportKind::laterKindByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("laterKind");
    QTest::addColumn<ExportKind>("kind");
    QTest::newRow("none: JPEG") << 2 << 0 << ExportKind::Jpeg;
    QTest::newRow("PNG beside a bitmap") << 5 << 6 << ExportKind::Png;
    QTest::newRow("SVG beside an EMF") << 1 << 7 << ExportKind::Svg;
    QTest::newRow("PDF beside 0") << 0 << 8 << ExportKind::Pdf;
    // The first five are the option byte's alone; beyond 8 nothing is named.
    QTest::newRow("1 there is no EMF") << 3 << 1 << ExportKind::Gif;
    QTest::newRow("5 there is no bitmap") << 4 << 5 << ExportKind::Tiff;
    QTest::newRow("9") << 200 << 9 << ExportKind::Bmp;
}

void TestExportKind::laterKindByte()
{
    QFETCH(int, value);
    QFETCH(int, laterKind);
    QFETCH(ExportKind, kind);
    QCOMPARE(qm::exportKindFromOptions(std::uint8_t(value), std::uint8_t(laterKind)), kind);
}

void TestExportKind::fileNameRule_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<ExportKind>("kind");
    QTest::addColumn<QString>("written");
    QTest::newRow("a.tif as TIFF") << u"a.tif"_s << ExportKind::Tiff << u"a.tiff"_s;
    QTest::newRow("no extension") << u"seal"_s << ExportKind::Emf << u"seal.emf"_s;
    QTest::newRow("other kind's extension") << u"seal.png"_s << ExportKind::Emf << u"seal.emf"_s;
    QTest::newRow("right extension kept") << u"seal.jpg"_s << ExportKind::Jpeg << u"seal.jpg"_s;
    QTest::newRow("compared lower-cased") << u"SEAL.TIFF"_s << ExportKind::Tiff << u"SEAL.TIFF"_s;
    QTest::newRow("jpeg is not .jpg") << u"a.jpeg"_s << ExportKind::Jpeg << u"a.jpg"_s;
    QTest::newRow("only the last extension") << u"a.b.gif"_s << ExportKind::Bmp << u"a.b.bmp"_s;
    QTest::newRow("dot in a folder name") << u"out.d/seal"_s << ExportKind::Bmp << u"out.d/seal.bmp"_s;
    QTest::newRow("vector kind") << u"x/seal.emf"_s << ExportKind::Svg << u"x/seal.svg"_s;
    QTest::newRow("chinese name") << u"我的导出图象/公章"_s << ExportKind::Png << u"我的导出图象/公章.png"_s;
}

void TestExportKind::fileNameRule()
{
    QFETCH(QString, chosen);
    QFETCH(ExportKind, kind);
    QFETCH(QString, written);
    QCOMPARE(qm::exportFileName(chosen, kind), written);
}

void TestExportKind::typedExtensionChoosesKind_data()
{
    using enum ExportKind;
    QTest::addColumn<QString>("typed");
    QTest::addColumn<ExportKind>("kind");
    QTest::addColumn<bool>("everyKind"); // offered: all eight, or the first five
    QTest::addColumn<QString>("written");
    QTest::addColumn<ExportKind>("writtenKind");
    QTest::newRow("seal.png for EMF") << u"seal.png"_s << Emf << true << u"seal.png"_s << Png;
    QTest::newRow("seal.png, no PNG offered") << u"seal.png"_s << Emf << false << u"seal.emf"_s << Emf;
    QTest::newRow("no extension") << u"seal"_s << Emf << true << u"seal.emf"_s << Emf;
    QTest::newRow("a.tif for TIFF") << u"a.tif"_s << Tiff << true << u"a.tiff"_s << Tiff;
    QTest::newRow("a.jpeg for JPEG") << u"a.jpeg"_s << Jpeg << true << u"a.jpg"_s << Jpeg;
    QTest::newRow("a.TIF for JPEG: TIFF's name") << u"a.TIF"_s << Jpeg << false << u"a.tiff"_s << Tiff;
    QTest::newRow("capitals kept") << u"Seal.JPG"_s << Bmp << false << u"Seal.JPG"_s << Jpeg;
    QTest::newRow("vector for vector") << u"seal.pdf"_s << Svg << true << u"seal.pdf"_s << Pdf;
    QTest::newRow("unknown extension") << u"my.seal"_s << Gif << true << u"my.gif"_s << Gif;
    QTest::newRow("a document is no picture") << u"seal.dyz"_s << Png << true << u"seal.png"_s << Png;
    QTest::newRow("dot in a folder name") << u"out.png/seal"_s << Bmp << true << u"out.png/seal.bmp"_s << Bmp;
    QTest::newRow("only the last extension") << u"a.gif.bmp"_s << Gif << true << u"a.gif.bmp"_s << Bmp;
}

void TestExportKind::typedExtensionChoosesKind()
{
    QFETCH(QString, typed);
    QFETCH(ExportKind, kind);
    QFETCH(bool, everyKind);
    QFETCH(QString, written);
    QFETCH(ExportKind, writtenKind);
    const QList<ExportKind> offered = qm::offeredExportKinds(everyKind ? 2 : 1);
    QCOMPARE(offered.size(), everyKind ? 8 : 5);
    const qm::ExportFileChoice choice = qm::exportFileChoice(typed, kind, offered);
    QCOMPARE(choice.fileName, written);
    QCOMPARE(choice.kind, writtenKind);
}

void TestExportKind::kindFromExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("kind"); // 0: none
    QTest::newRow("emf") << u"emf"_s << int(ExportKind::Emf);
    QTest::newRow("JPG") << u"JPG"_s << int(ExportKind::Jpeg);
    QTest::newRow("jpeg") << u"jpeg"_s << int(ExportKind::Jpeg);
    QTest::newRow("gif") << u"gif"_s << int(ExportKind::Gif);
    QTest::newRow("tif") << u"tif"_s << int(ExportKind::Tiff);
    QTest::newRow("tiff") << u"tiff"_s << int(ExportKind::Tiff);
    QTest::newRow("bmp") << u"bmp"_s << int(ExportKind::Bmp);
    QTest::newRow("png") << u"png"_s << int(ExportKind::Png);
    QTest::newRow("svg") << u"svg"_s << int(ExportKind::Svg);
    QTest::newRow("pdf") << u"pdf"_s << int(ExportKind::Pdf);
    QTest::newRow("none") << QString() << 0;
    QTest::newRow("unknown") << u"dyz"_s << 0;
}

void TestExportKind::kindFromExtension()
{
    QFETCH(QString, extension);
    QFETCH(int, kind);
    const auto k = qm::exportKindFromExtension(extension);
    QCOMPARE(k.has_value(), kind != 0);
    if (k)
        QCOMPARE(int(*k), kind);
}

void TestExportKind::messages()
{
    QCOMPARE(
        qm::exportErrorMessage(qm::ExportError::PictureTooLarge),
        u"导出图象太大，系统无法处理！\r\r您可以这样来解决：\r\r  A、图象导出精度适当降低；\r\r  B、页面上选择面积适当减小；"_s);
    // Nothing to export is silent.
    QVERIFY(qm::exportErrorMessage(qm::ExportError::EmptySelection).isEmpty());
    QVERIFY(qm::exportErrorMessage(qm::ExportError::WriteFailed, u"a.bmp"_s).contains(u"a.bmp"_s));
    QCOMPARE(qm::exportErrorExitCode(qm::ExportError::None), 0);
    QCOMPARE(qm::exportErrorExitCode(qm::ExportError::PictureTooLarge), 1);
}

void TestExportKind::oneRowPerKind()
{
    QList<ExportKind> seen;
    for (const qm::ExportKindInfo &k : qm::exportKinds()) {
        QVERIFY(!seen.contains(k.kind));
        seen.append(k.kind);
        // Exactly one way of writing: from the rendered picture, or as vectors.
        QVERIFY((k.writeRaster == nullptr) != (k.writeVector == nullptr));
        QCOMPARE(qm::isVectorKind(k.kind), k.kind == ExportKind::Svg || k.kind == ExportKind::Pdf);
        QCOMPARE(qm::exportKindFromExtension(k.extension.mid(1).toString()), std::optional(k.kind));
        QCOMPARE(&qm::exportKindInfo(k.kind), &k);
    }
    QCOMPARE(seen.size(), 8);
}

QTEST_GUILESS_MAIN(TestExportKind)
#include "tst_exportkind.moc"
