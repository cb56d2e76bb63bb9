#include "testing/testhelpers.h"

#include "document/selectionbounds.h"
#include "export/exportrender.h"
#include "export/sealexporter.h"
#include "seal/gbk.h"
#include "seal/recordingsurface.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

using qm::ExportError;
using qm::ExportKind;
using qm::ExportLayout;
using qm::Seal;
using qm::SealType;
using qm::SelectionBox;
using qm::testing::inkBounds;
using qm::testing::newSealAt;

Q_DECLARE_METATYPE(qm::ExportError)
Q_DECLARE_METATYPE(qm::ExportKind)

namespace {

std::unique_ptr<Seal> roundSeal(float cx, float cy)
{
    auto s = newSealAt(SealType::stEllipse, cx, cy, 40, 40);
    s->setText(qm::Gbk::fromUnicode(u"示例应用软件公司"_s));
    s->setImageIsStar(true);
    s->setHaveImage(true);
    return s;
}

QByteArray bmpBytes(QColor colour)
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(colour);
    return qm::testing::imageBytes(img, "BMP");
}

SelectionBox box(long double w, long double h)
{
    SelectionBox b;
    b.left = 10;
    b.top = 20;
    b.right = 10 + w;
    b.bottom = 20 + h;
    b.notEmpty = true;
    return b;
}

ExportLayout layoutOf(const QList<const Seal *> &seals, long double ppm)
{
    ExportLayout layout;
    const ExportError e = qm::planExport(qm::selectionBounds(seals), ppm, &layout);
    if (e != ExportError::None)
        qWarning("layout refused");
    return layout;
}

} // namespace

class TestExportRender : public QObject
{
    Q_OBJECT

private slots:
    void sizeRule_data();
    void sizeRule();
    void sizeFromSeals();
    void paintOffsets_data();
    void paintOffsets();
    void whiteMarginAndTransparentColour();
    void coloursKeptSealsUnchanged();
    void mirror();
    void svgAtTrueSize();
    void pdfAtTrueSize();
    void refusedExportLeavesFilesAlone();
};

void TestExportRender::sizeRule_data()
{
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("heightMm");
    QTest::addColumn<double>("ppm");
    QTest::addColumn<ExportError>("error");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    const auto ok = ExportError::None;
    const auto tooLarge = ExportError::PictureTooLarge;
    // roundHalfEven(40 × 11.811 = 472.44) + 16 = 488.
    QTest::newRow("40 mm at 300 dpi") << 40.0 << 40.0 << 11.811 << ok << 472 + 16 << 472 + 16;
    // 4016 × 4016 = 16 128 256 > 12 960 000.
    QTest::newRow("40 mm at 100 refused") << 40.0 << 40.0 << 100.0 << tooLarge << 0 << 0;
    // 3516 × 3516 = 12 362 256.
    QTest::newRow("35 mm at 100 accepted") << 35.0 << 35.0 << 100.0 << ok << 3516 << 3516;
    // roundHalfEven(358.4 × 10) + 16 = 3600: 3600 × 3600 is the limit itself.
    QTest::newRow("exactly at the limit") << 358.4 << 358.4 << 10.0 << ok << 3600 << 3600;
    // roundHalfEven(358.5 × 10) + 16 = 3601: 3601 × 3600 = 12 963 600.
    QTest::newRow("one column over") << 358.5 << 358.4 << 10.0 << tooLarge << 0 << 0;
    // Halves to even: roundHalfEven(0.25 × 10 = 2.5) = 2, roundHalfEven(0.75 × 10 = 7.5) = 8.
    QTest::newRow("half to even") << 0.25 << 0.75 << 10.0 << ok << 2 + 16 << 8 + 16;
    // Long and thin stays within the area: 10016 × 26.
    QTest::newRow("long and thin") << 1000.0 << 1.0 << 10.0 << ok << 10000 + 16 << 10 + 16;
    QTest::newRow("absurd box") << 1e30 << 1e30 << 10.0 << tooLarge << 0 << 0;
    QTest::newRow("zero resolution") << 40.0 << 40.0 << 0.0 << ExportError::BadResolution << 0 << 0;
    QTest::newRow("negative resolution") << 40.0 << 40.0 << -3.0 << ExportError::BadResolution << 0 << 0;
    QTest::newRow("beyond a float") << 0.0 << 0.0 << 1e300 << ExportError::BadResolution << 0 << 0;
    QTest::newRow("no resolution") << 40.0 << 40.0 << std::numeric_limits<double>::quiet_NaN()
                                   << ExportError::BadResolution << 0 << 0;
}

void TestExportRender::sizeRule()
{
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);
    QFETCH(double, ppm);
    QFETCH(ExportError, error);
    QFETCH(int, w);
    QFETCH(int, h);
    ExportLayout layout;
    QCOMPARE(qm::planExport(box(widthMm, heightMm), ppm, &layout), error);
    if (error == ExportError::None) {
        QCOMPARE(layout.width, w);
        QCOMPARE(layout.height, h);
        QCOMPARE(double(layout.left), 10.0);
        QCOMPARE(double(layout.top), 20.0);
    }
}

void TestExportRender::sizeFromSeals()
{
    ExportLayout layout;
    QCOMPARE(qm::planExport(SelectionBox{}, 10, &layout), ExportError::EmptySelection);

    // Two seals spanning 10 … 50 mm across and 10 … 50 mm down.
    auto a = newSealAt(SealType::stHorzLine, 20, 30, 20, 40);
    auto b = newSealAt(SealType::stHorzLine, 40, 30, 20, 40);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    qm::ExportRequest request;
    request.kind = ExportKind::Bmp;
    request.pixelsPerMm = 11.811L;
    QCOMPARE(qm::SealExporter::write({a.get(), b.get()}, request, &buffer, &layout), ExportError::None);
    QCOMPARE(layout.width, 488); // roundHalfEven(40 × 11.811) + 16
    QCOMPARE(layout.height, 488);
    const QImage back = QImage::fromData(bytes, "BMP");
    QCOMPARE(back.size(), QSize(488, 488));
}

void TestExportRender::paintOffsets_data()
{
    QTest::addColumn<double>("centreX");
    QTest::addColumn<double>("ppm");
    QTest::addColumn<bool>("secondWithoutPicture");
    QTest::addColumn<QRect>("drawn"); // the picture's StretchDraw box, x1 y1 x2 y2 as a QRect's corners

    // A 20 × 10 mm picture element at (30, 25) on the 10 px/mm page: box 200 … 400, 200 … 300,
    // so L = 20 mm and T = 20 mm. At p = 4 the scratch seal's left is roundHalfEven(4 × (30 − 10)) = 80:
    // x = roundHalfEven(80 − 20 × 4 + 8) = 8, y likewise 8; its size is roundHalfEven(4 × 20) × roundHalfEven(4 × 10).
    QTest::newRow("p 4") << 30.0 << 4.0 << false << QRect(QPoint(8, 8), QPoint(8 + 80, 8 + 40));
    // Centre 30.3 (as a float 30.29999924): page left roundHalfEven(202.9999924) = 203, L = 20.3 mm.
    // At p = 2.5: scratch left roundHalfEven(2.5 × 20.29999924) = roundHalfEven(50.7499981) = 51, so
    // x = roundHalfEven(51 − 20.3 × 2.5 + 8) = roundHalfEven(8.25) = 8; size roundHalfEven(2.5 × 20) ×
    // roundHalfEven(2.5 × 10).
    QTest::newRow("p 2.5, fractional") << 30.3 << 2.5 << false << QRect(QPoint(8, 8), QPoint(8 + 50, 8 + 25));
    // A second picture element without a picture draws nothing: the scratch seal must not keep
    // the first one's picture.
    QTest::newRow("second without picture") << 30.0 << 4.0 << true << QRect(QPoint(8, 8), QPoint(8 + 80, 8 + 40));
}

void TestExportRender::paintOffsets()
{
    QFETCH(double, centreX);
    QFETCH(double, ppm);
    QFETCH(bool, secondWithoutPicture);
    QFETCH(QRect, drawn);

    auto a = newSealAt(SealType::stAnyImage, float(centreX), 25, 20, 10);
    a->setHaveImage(true);
    a->setImageIsStar(false);
    QVERIFY(a->loadPictureData(bmpBytes(Qt::red)));
    QList<const Seal *> seals{a.get()};
    auto b = newSealAt(SealType::stAnyImage, 60, 40, 10, 10);
    b->setHaveImage(true);
    b->setImageIsStar(false);
    if (secondWithoutPicture)
        seals.append(b.get());

    ExportLayout layout;
    QCOMPARE(qm::planExport(qm::selectionBounds(seals), ppm, &layout), ExportError::None);
    qm::RecordingSurface rec;
    qm::paintSeals(seals, layout, rec);
    const QList<qm::TraceOp> draws = rec.ops(u"StretchDraw"_s);
    QCOMPARE(draws.size(), 1);
    QCOMPARE(draws[0].args.mid(0, 4), (QList<int>{drawn.left(), drawn.top(), drawn.right(), drawn.bottom()}));
}

void TestExportRender::whiteMarginAndTransparentColour()
{
    auto s = roundSeal(30, 30);
    const ExportLayout layout = layoutOf({s.get()}, 11.811L);
    const QImage img = qm::renderExportPicture({s.get()}, layout, false);
    QCOMPARE(img.size(), QSize(layout.width, layout.height));
    const QRect ink = inkBounds(img);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.left() >= ExportLayout::Margin);
    QVERIFY(ink.top() >= ExportLayout::Margin);
    QVERIFY(ink.right() < layout.width - ExportLayout::Margin);
    QVERIFY(ink.bottom() < layout.height - ExportLayout::Margin);
    QCOMPARE(qm::transparentColour(img), qRgb(255, 255, 255));
}

void TestExportRender::coloursKeptSealsUnchanged()
{
    auto s = roundSeal(30, 30);
    s->setPenColor(0xFF0000); // blue: 0x00BBGGRR
    s->setBrushColor(0xFF0000);
    const int left = s->left(), width = s->width();
    const QImage img = qm::renderExportPicture({s.get()}, layoutOf({s.get()}, 8), false);
    bool blue = false, black = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            blue = blue || img.pixel(x, y) == qRgb(0, 0, 255);
            black = black || img.pixel(x, y) == qRgb(0, 0, 0);
        }
    QVERIFY(blue);
    QVERIFY(!black);
    QCOMPARE(s->PenColor(), qm::Colour(0xFF0000));
    QCOMPARE(s->PixelsPerMm(), 10.0f);
    QCOMPARE(s->Zoom(), 100);
    QCOMPARE(s->left(), left);
    QCOMPARE(s->width(), width);
}

void TestExportRender::mirror()
{
    auto s = roundSeal(30, 30);
    auto line = newSealAt(SealType::stHorzLine, 60, 15, 20, 2); // off to one side: not symmetric
    const QList<const Seal *> seals{s.get(), line.get()};
    const ExportLayout layout = layoutOf(seals, 6);
    const QImage plain = qm::renderExportPicture(seals, layout, false);
    const QImage mirrored = qm::renderExportPicture(seals, layout, true);
    QCOMPARE(mirrored.size(), plain.size());
    QVERIFY(mirrored != plain);
    const int w = plain.width();
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < w; ++x)
            if (mirrored.pixel(x, y) != plain.pixel(w - 1 - x, y))
                QFAIL(qPrintable(u"pixel %1, %2"_s.arg(x).arg(y)));
}

void TestExportRender::svgAtTrueSize()
{
    auto s = roundSeal(30, 30);
    qm::ExportRequest request;
    request.kind = ExportKind::Svg;
    request.pixelsPerMm = 8;
    for (bool mirrored : {false, true}) {
        request.mirror = mirrored;
        QByteArray svg;
        QBuffer buffer(&svg);
        buffer.open(QIODevice::WriteOnly);
        ExportLayout layout;
        QCOMPARE(qm::SealExporter::write({s.get()}, request, &buffer, &layout), ExportError::None);
        // 40 mm at 10 px/mm is 400 page pixels: roundHalfEven(40 × 8) + 16 = 336 picture pixels,
        // 336 / 8 = 42 mm.
        QCOMPARE(layout.width, 336);
        QVERIFY2(svg.contains("width=\"42mm\"") || svg.contains("width=\"42.00mm\""), svg.left(400).constData());
        QVERIFY(svg.contains("viewBox=\"0 0 336 336\""));
        QVERIFY(!svg.contains("<text")); // glyphs as outlines
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QImage img(336, 336, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        renderer.render(&p);
        p.end();
        QCOMPARE(qAlpha(img.pixel(0, 335)), 0); // no background
        // The ring touches its box on both sides, so its ink spans the same columns either way.
        const QRect ink = inkBounds(img);
        QVERIFY(std::abs(ink.left() - ExportLayout::Margin) <= 1);
        QVERIFY(std::abs(ink.right() - (335 - ExportLayout::Margin)) <= 1);
    }
}

void TestExportRender::pdfAtTrueSize()
{
    auto s = roundSeal(30, 30);
    qm::ExportRequest request;
    request.kind = ExportKind::Pdf;
    request.pixelsPerMm = 8;
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(qm::SealExporter::write({s.get()}, request, &buffer), ExportError::None);
    QVERIFY(pdf.startsWith("%PDF-"));
    // 336 pixels at 8 per mm are 42 mm: 42 / 25.4 × 72 = 119.06 points, rounded up to 120.
    const QRegularExpression box(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s);
    const auto m = box.match(QString::fromLatin1(pdf));
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured(1).toDouble(), 120.0);
    QCOMPARE(m.captured(2).toDouble(), 120.0);
}

void TestExportRender::refusedExportLeavesFilesAlone()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto s = roundSeal(30, 30);
    const QString name = dir.filePath(u"seal.bmp"_s);
    {
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    qm::ExportRequest request;
    request.kind = ExportKind::Bmp;
    request.pixelsPerMm = 100; // 40 mm: 4016 × 4016, over the limit
    QCOMPARE(qm::SealExporter::writeFile({s.get()}, request, name).error, ExportError::PictureTooLarge);
    QFile old(name);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));

    request.pixelsPerMm = 5;
    QCOMPARE(qm::SealExporter::writeFile({s.get()}, request, dir.filePath(u"missing/seal.bmp"_s)).error,
             ExportError::CannotCreateFile);
    QCOMPARE(qm::SealExporter::writeFile({}, request, name).error, ExportError::EmptySelection);
}

QTEST_MAIN(TestExportRender)
#include "tst_exportrender.moc"
