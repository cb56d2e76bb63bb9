#include "printing/sealprinter.h"

#include "printing/printtesting.h"
#include "printwindow/printcalibration.h"
#include "seal/seal.h"

#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

// An A4 page with 5 mm margins at 600 pixels per inch, the printable area at the paper's corner.
PrintPlacement a4Placement()
{
    PrintPlacement p;
    p.pixelsPerMm = PrinterDpi / 25.4L;
    p.leftMarginMm = 5;
    p.topMarginMm = 5;
    p.pageWidthMm = 210;
    return p;
}

QList<const Seal *> listOf(const std::vector<std::unique_ptr<Seal>> &seals)
{
    QList<const Seal *> list;
    for (const auto &s : seals)
        list.append(s.get());
    return list;
}

bool isRed(QRgb c)
{
    // A picture in a PDF may be stored with lossy compression: red, not exactly 255, 0, 0.
    return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
}

bool isBlack(QRgb c)
{
    return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}

} // namespace

class TestSealPrinter : public QObject
{
    Q_OBJECT

private slots:
    void placementArithmetic_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<QPoint>("corner");
        // A 40 mm seal whose left edge is 30 mm and top edge 40 mm into an A4 page with 5 mm
        // margins; p = 600 / 25.4 = 23.622 px/mm. Box: left roundHalfEven(30 p) = roundHalfEven(708.66) = 709,
        // top roundHalfEven(40 p) = roundHalfEven(944.88) = 945, width roundHalfEven(40 p) = 945. offX = offY =
        // roundHalfEven(5 p) = roundHalfEven(118.11) = 118; w = roundHalfEven(200 p) = roundHalfEven(4724.41) = 4724.
        QTest::newRow("normal") << false << QPoint(709 - 118, 945 - 118);
        QTest::newRow("mirrored") << true << QPoint(4724 + 118 - 709 - 945, 945 - 118);
    }
    void placementArithmetic()
    {
        QFETCH(bool, mirrored);
        QFETCH(QPoint, corner);
        PrintPlacement p = a4Placement();
        p.mirrored = mirrored;
        QCOMPARE(p.offsetX(), 118);
        QCOMPARE(p.printableWidth(), 4724);
        const QRect box(709, 945, 945, 945);
        QCOMPARE(printedCorner(box, p), corner);
    }

    void printerBoxOfRoundSeal()
    {
        auto seal = newSealAt(SealType::stEllipse, 50, 60, 40, 40);
        const QRect box = printerBox(*seal, PrinterDpi / 25.4L);
        // 40 / 25.4 * 600 = 944.88 → 945
        QCOMPARE(box.width(), 945);
        QCOMPARE(box.height(), 945);
        // The seal's own box at its own scale is untouched: 40 mm at 10 px/mm.
        QCOMPARE(seal->width(), 400);
        QCOMPARE(seal->PixelsPerMm(), 10.0f);
    }

    // The sheet read back: a 40 mm round seal 945 printer pixels wide, 25 mm from the printable
    // edge, or mirrored 135 mm from it; red in colour, black otherwise. A printer whose printable
    // area lies inside the paper (here 4 mm from the left, 3 mm from the top) draws from the
    // paper's corner, so the seal moves by that much on the paper.
    void printedSheet_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QPointF>("printableMm");
        QTest::addColumn<double>("leftMm");
        QTest::addColumn<double>("topMm");
        const QPointF paper(0, 0);
        const QPointF inside(4, 3);
        QTest::newRow("normal, colour") << false << true << paper << 30.0 - 5 << 40.0 - 5;
        QTest::newRow("normal, black") << false << false << paper << 30.0 - 5 << 40.0 - 5;
        QTest::newRow("mirrored, colour") << true << true << paper << 200.0 - (30 - 5) - 40 << 40.0 - 5;
        QTest::newRow("mirrored, black") << true << false << paper << 200.0 - (30 - 5) - 40 << 40.0 - 5;
        QTest::newRow("normal, printable area inside") << false << true << inside << 4 + 30.0 - 5 << 3 + 40.0 - 5;
        QTest::newRow("mirrored, printable area inside")
            << true << true << inside << 4 + 200.0 - (30 - 5) - 40 << 3 + 40.0 - 5;
    }
    void printedSheet()
    {
        QFETCH(bool, mirrored);
        QFETCH(bool, colour);
        QFETCH(QPointF, printableMm);
        QFETCH(double, leftMm);
        QFETCH(double, topMm);
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        std::vector<std::unique_ptr<Seal>> seals;
        seals.push_back(newSealAt(SealType::stEllipse, 50, 60, 40, 40));
        seals.back()->setPenColor(clRed);
        const QString pdf = dir.filePath(u"sheet.pdf"_s);
        auto printer = pdfPrinter(pdf);
        PrintPlacement p = a4Placement();
        p.mirrored = mirrored;
        p.colours = colour ? SealColours::Own : SealColours::Black;
        p.printableOrigin = QPointF(sheetPixels(printableMm.x()), sheetPixels(printableMm.y()));
        int lastDone = 0;
        QCOMPARE(printSeals(*printer, listOf(seals), p, 1, [&](int done, int) { lastDone = done; }), std::nullopt);
        QCOMPARE(lastDone, 1);
        QCOMPARE(seals.back()->PenColor(), clRed);

        const QList<QImage> sheets = sheetsOf(pdf, dir.path());
        QCOMPARE(sheets.size(), 1);
        const QRect ink = inkBounds(sheets.front());
        QVERIFY2(std::abs(ink.width() - 945) <= 2, qPrintable(QString::number(ink.width())));
        QVERIFY2(std::abs(ink.height() - 945) <= 2, qPrintable(QString::number(ink.height())));
        QVERIFY2(std::abs(ink.left() - sheetPixels(leftMm)) <= 2, qPrintable(QString::number(ink.left())));
        QVERIFY2(std::abs(ink.top() - sheetPixels(topMm)) <= 2, qPrintable(QString::number(ink.top())));
        // The frame's ink at the middle of the seal's left edge.
        const QImage &sheet = sheets.front();
        const int y = ink.center().y();
        QRgb edge = 0xFFFFFFFF;
        for (int x = ink.left(); x < ink.left() + 20 && (edge & 0xFFFFFF) == 0xFFFFFF; ++x)
            edge = sheet.pixel(x, y);
        QVERIFY2(colour ? isRed(edge) : isBlack(edge), qPrintable(QString::number(edge, 16)));
    }

    void copiesMakeSheets()
    {
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        std::vector<std::unique_ptr<Seal>> seals;
        seals.push_back(newSealAt(SealType::stEllipse, 50, 60, 40, 40));
        const QString pdf = dir.filePath(u"copies.pdf"_s);
        auto printer = pdfPrinter(pdf);
        int total = 0;
        QCOMPARE(printSeals(*printer, listOf(seals), a4Placement(), 3, [&](int, int t) { total = t; }), std::nullopt);
        const QList<QImage> sheets = sheetsOf(pdf, dir.path());
        // A printer that makes copies itself gets one sheet and the count.
        const int expected = printer->supportsMultipleCopies() ? 1 : 3;
        QCOMPARE(sheets.size(), expected);
        QCOMPARE(total, expected);
        for (const QImage &sheet : sheets)
            QVERIFY(!inkBounds(sheet).isEmpty());
    }

    void calibrationScalesAboutPrintableCorner()
    {
        if (pdftoppm().isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        std::vector<std::unique_ptr<Seal>> seals;
        seals.push_back(newSealAt(SealType::stEllipse, 50, 60, 40, 40));
        const QString pdf = dir.filePath(u"calibrated.pdf"_s);
        auto printer = pdfPrinter(pdf);
        PrintCalibration c;
        c.xPerMille = 20;
        c.yPerMille = -10;
        PrintPlacement p = a4Placement();
        p.scaleX = c.scaleX();
        p.scaleY = c.scaleY();
        QCOMPARE(printSeals(*printer, listOf(seals), p, 1), std::nullopt);
        const QList<QImage> sheets = sheetsOf(pdf, dir.path());
        QCOMPARE(sheets.size(), 1);
        const QRect ink = inkBounds(sheets.front());
        // 945 × 1.02 = 963.9 wide, 945 × 0.99 = 935.55 high; the corner at 25 mm × 1.02 and
        // 35 mm × 0.99.
        QVERIFY2(std::abs(ink.width() - 963.9) <= 2.5, qPrintable(QString::number(ink.width())));
        QVERIFY2(std::abs(ink.height() - 935.55) <= 2.5, qPrintable(QString::number(ink.height())));
        QVERIFY2(std::abs(ink.left() - sheetPixels(25 * 1.02)) <= 2.5, qPrintable(QString::number(ink.left())));
        QVERIFY2(std::abs(ink.top() - sheetPixels(35 * 0.99)) <= 2.5, qPrintable(QString::number(ink.top())));
    }

    // 999 mm at 600 px/in: 23598 × 23598 pixels of 4 bytes, 2.2 GB. Refused by name before the
    // job begins, so no file is written at all.
    void tooLargeMirrorPictureRefusedBeforeThePrint()
    {
        QTemporaryDir dir;
        std::vector<std::unique_ptr<Seal>> seals;
        seals.push_back(newSealAt(SealType::stEllipse, 50, 60, 40, 40));
        seals.push_back(newSealAt(SealType::stEllipse, 500, 500, 999, 999));
        seals.back()->setText(QByteArray("\xB4\xF3\xD3\xA1")); // 大印
        const QString pdf = dir.filePath(u"large.pdf"_s);
        auto printer = pdfPrinter(pdf, QSizeF(1000, 1000));
        PrintPlacement p = a4Placement();
        p.mirrored = true;
        int progressCalls = 0;
        const std::optional<QString> message =
            printSeals(*printer, listOf(seals), p, 1, [&](int, int) { ++progressCalls; });
        QVERIFY(message);
        QVERIFY2(message->contains(u"第2个印章“大印”"_s), qPrintable(*message));
        QCOMPARE(progressCalls, 0);
        QVERIFY(!QFileInfo::exists(pdf));
        // Not mirrored, the same seal needs no picture and prints.
        p.mirrored = false;
        QCOMPARE(mirrorPictureRefusal(listOf(seals), 300 / 25.4L), std::nullopt);
    }

    // A job that cannot begin is reported, not taken for printed.
    void printerThatCannotBeginIsReported()
    {
        QTemporaryDir dir;
        std::vector<std::unique_ptr<Seal>> seals;
        seals.push_back(newSealAt(SealType::stEllipse, 50, 60, 40, 40));
        auto printer = pdfPrinter(dir.filePath(u"no such folder/sheet.pdf"_s));
        const std::optional<QString> message = printSeals(*printer, listOf(seals), a4Placement(), 1);
        QCOMPARE(message, std::optional<QString>(u"打印机无法开始打印，什么也没有打印。"_s));
    }

    void calibrationStore()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(u"settings.ini"_s);
        {
            PrintCalibrationStore store(file);
            QCOMPARE(store.read(u"Office/Laser"_s), PrintCalibration{});
            store.write(u"Office/Laser"_s, PrintCalibration{7, -3});
            store.write(u"Other"_s, PrintCalibration{500, -500});
        }
        PrintCalibrationStore again(file);
        QCOMPARE(again.read(u"Office/Laser"_s), (PrintCalibration{7, -3}));
        // Beyond ±100 ‰ is a typing slip, kept at the limit.
        QCOMPARE(again.read(u"Other"_s), (PrintCalibration{100, -100}));
        QCOMPARE(again.read(u"Unknown"_s), PrintCalibration{});
    }

    void testRulerIsHundredMillimetres()
    {
        // At 10 px/mm the horizontal scale runs from 10 mm to 110 mm: 1000 pixels from pixel 100.
        QImage image(1300, 1300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paintTestRuler(painter, 10);
        }
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(image.pixel(x, 100)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        QVERIFY2(std::abs(first - 100) <= 1, qPrintable(QString::number(first)));
        QVERIFY2(std::abs(last + 1 - first - 1000) <= 2, qPrintable(QString::number(last)));
    }
};

QTEST_MAIN(TestSealPrinter)
#include "tst_sealprinter.moc"
