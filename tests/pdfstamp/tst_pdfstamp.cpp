// Seals stamped onto PDF pages, read back as a reader sees them: rendered by pdftoppm at 600 dots
// per inch, where a millimetre is 600 / 25.4 = 23.62 pixels, and searched by pdftotext.

#include "pdfstamp/pdfstamp.h"

#include "export/exportrender.h"
#include "export/pdfwriter.h"
#include "testing/testhelpers.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

using namespace Qt::StringLiterals;
using namespace qm;
using qm::testing::newSealAt;

namespace {

constexpr double Dpi = 600;
constexpr double PixelsPerMm = Dpi / 25.4;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Pages of the given sizes in millimetres, each with a line of text at the top and a black bar
// 20 × 4 mm whose top-left corner is at (90, 148) mm.
void writeTextPdf(const QString &path, const QList<QSizeF> &sizes)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(sizes.first(), QPageSize::Millimeter));
    QPainter painter(&writer);
    const double pt = 72 / 25.4;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        if (i > 0) {
            writer.setPageSize(QPageSize(sizes.at(i), QPageSize::Millimeter));
            writer.newPage();
        }
        painter.setFont(QFont(u"DejaVu Sans"_s, 14));
        painter.drawText(QPointF(20 * pt, 20 * pt), u"Contract page %1"_s.arg(i + 1));
        painter.fillRect(QRectF(90 * pt, 148 * pt, 20 * pt, 4 * pt), Qt::black);
    }
}

// The page as shown, or the part of it in `crop` (pixels at that resolution).
QImage renderPage(const QString &pdf, int page, double dpi = Dpi, const QRect &crop = {})
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"page"_s);
    QStringList args{u"-r"_s, QString::number(dpi), u"-f"_s, QString::number(page), u"-l"_s, QString::number(page)};
    if (!crop.isNull())
        args << u"-x"_s << QString::number(crop.x()) << u"-y"_s << QString::number(crop.y()) << u"-W"_s
             << QString::number(crop.width()) << u"-H"_s << QString::number(crop.height());
    const auto run =
        qm::testing::runProcess(u"pdftoppm"_s, args + QStringList{u"-png"_s, u"-singlefile"_s, pdf, prefix});
    if (run.exitCode != 0)
        return {};
    return QImage(prefix + u".png"_s).convertToFormat(QImage::Format_RGB32);
}

bool isRed(QRgb c)
{
    return qRed(c) > 128 && qGreen(c) < 128 && qBlue(c) < 128;
}

QRect redBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (isRed(line[x]))
                r |= QRect(x, y, 1, 1);
    }
    return r;
}

double mm(int pixels)
{
    return pixels / PixelsPerMm;
}

// A round seal 42 mm across with a star at its centre, red as every new seal.
std::unique_ptr<Seal> roundSeal(float centreX = 60, float centreY = 60)
{
    auto seal = newSealAt(SealType::stEllipse, centreX, centreY, 42, 42);
    seal->setHaveImage(true);
    seal->setImageIsStar(true);
    return seal;
}

qint64 sealPdfSize(const Seal &seal)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ExportLayout layout;
    if (planExport(selectionBounds(QList<const Seal *>{&seal}), 40, &layout) != ExportError::None ||
        PdfWriter::write({&seal}, layout, false, &buffer) != ExportError::None)
        return -1;
    return buffer.size();
}

} // namespace

class TestPdfStamp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty() ||
            QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    void sealAtTrueSizeOverText_data()
    {
        QTest::addColumn<bool>("multiply");
        QTest::newRow("multiplied") << true;
        QTest::newRow("painted over") << false;
    }
    void sealAtTrueSizeOverText()
    {
        QFETCH(bool, multiply);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"in.pdf"_s);
        const QString out = dir.filePath(u"out.pdf"_s);
        writeTextPdf(in, {QSizeF(210, 297), QSizeF(210, 297), QSizeF(210, 297)});
        const QByteArray before = readAll(in);
        auto seal = roundSeal();
        StampPlacement placement;
        placement.page = 2;
        placement.centreMm = {100, 150};
        StampOptions options;
        options.multiply = multiply;
        const StampResult result = stampPdf(in, out, {seal.get()}, {placement}, {}, options);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(readAll(in), before);

        // 42 mm across at (100, 150) mm, whatever the resolution it is read at. Read from the
        // square of 80 mm around it, which starts at (60, 110) mm.
        const QPoint origin(qRound(60 * PixelsPerMm), qRound(110 * PixelsPerMm));
        const QImage part = renderPage(out, 2, Dpi, QRect(origin, QSize(1, 1) * qRound(80 * PixelsPerMm)));
        const QRect ink = redBounds(part).translated(origin);
        QVERIFY2(qAbs(mm(ink.width()) - 42) <= 0.1, qPrintable(QString::number(mm(ink.width()))));
        QVERIFY2(qAbs(mm(ink.height()) - 42) <= 0.1, qPrintable(QString::number(mm(ink.height()))));
        QVERIFY(qAbs(mm(ink.left()) + mm(ink.width()) / 2 - 100) <= 0.1);
        QVERIFY(qAbs(mm(ink.top()) + mm(ink.height()) / 2 - 150) <= 0.1);

        // The star at the centre lies on the bar: black under multiplied ink stays black, as on
        // paper; painted over, the ink hides it.
        int red = 0;
        for (int y = qRound(149 * PixelsPerMm); y < qRound(151 * PixelsPerMm); ++y)
            for (int x = qRound(99 * PixelsPerMm); x < qRound(101 * PixelsPerMm); ++x)
                red += isRed(part.pixel(QPoint(x, y) - origin));
        QCOMPARE(red > 0, !multiply);

        const auto text = qm::testing::runProcess(u"pdftotext"_s, {u"-f"_s, u"2"_s, u"-l"_s, u"2"_s, out, u"-"_s});
        QVERIFY2(text.out.contains("Contract page 2"), text.out.constData());
        for (int other : {1, 3})
            QCOMPARE(renderPage(out, other, 50), renderPage(in, other, 50));
    }

    void crossPageSealOnPagesOfEverySize()
    {
        QTemporaryDir dir;
        const QString drawn = dir.filePath(u"drawn.pdf"_s);
        const QString in = dir.filePath(u"in.pdf"_s);
        const QString out = dir.filePath(u"out.pdf"_s);
        // A5, A6, B6 turned a quarter clockwise for display, A5 again.
        writeTextPdf(drawn, {QSizeF(148, 210), QSizeF(105, 148), QSizeF(125, 176), QSizeF(148, 210)});
        {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(drawn).constData());
            auto pages = QPDFPageDocumentHelper(pdf).getAllPages();
            pages.at(2).getObjectHandle().replaceKey("/Rotate", QPDFObjectHandle::newInteger(90));
            QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Title (Terms) >>"));
            QPDFObjectHandle outlines =
                pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines /Count 1 >>"));
            outlines.replaceKey("/First", item);
            outlines.replaceKey("/Last", item);
            item.replaceKey("/Parent", outlines);
            item.replaceKey("/Dest", QPDFObjectHandle::parse("[ null /Fit ]"));
            item.getKey("/Dest").setArrayItem(0, pages.at(1).getObjectHandle());
            pdf.getRoot().replaceKey("/Outlines", outlines);
            const QByteArray inName = QFile::encodeName(in); // the writer keeps the pointer
            QPDFWriter writer(pdf, inName.constData());
            writer.write();
        }
        auto seal = roundSeal();
        StraddlePlacement straddle;
        straddle.pages = {1, 2, 3, 4};
        straddle.centreYMm = 60;
        const StampResult result = stampPdf(in, out, {seal.get()}, {}, {straddle}, {});
        QVERIFY2(result.ok, qPrintable(result.message));

        // Each page shows a quarter of the seal, 42 / 4 = 10.5 mm, ending at its right edge; the
        // middle ones from 60 − 21 = 39 to 81 mm down, the outer ones the chord 10.5 mm inside
        // the circle, 60 ± √(21² − 10.5²) = 60 ± 18.187 mm. The turned B6 page is shown wider
        // than high.
        double total = 0;
        for (int k = 0; k < 4; ++k) {
            const QImage page = renderPage(out, k + 1);
            QCOMPARE(page.width() > page.height(), k == 2);
            const QRect ink = redBounds(page);
            const QString where = u"page %1: %2 .. %3 mm wide %4 mm"_s.arg(k + 1)
                                      .arg(mm(ink.top()))
                                      .arg(mm(ink.bottom() + 1))
                                      .arg(mm(ink.width()));
            QVERIFY2(page.width() - 1 - ink.right() <= 2, qPrintable(where));
            const double half = k == 0 || k == 3 ? 18.187 : 21;
            QVERIFY2(qAbs(mm(ink.top()) - (60 - half)) <= 0.1 && qAbs(mm(ink.bottom() + 1) - (60 + half)) <= 0.1,
                     qPrintable(where));
            QVERIFY2(qAbs(mm(ink.width()) - 10.5) <= 0.15, qPrintable(where));
            total += mm(ink.width());
        }
        QVERIFY2(qAbs(total - 42) <= 0.2, qPrintable(QString::number(total)));

        // The bookmarks are still there, and the seal's drawing was added once.
        QPDF stamped;
        stamped.processFile(QFile::encodeName(out).constData());
        QCOMPARE(stamped.getRoot().getKey("/Outlines").getKey("/First").getKey("/Title").getUTF8Value(),
                 std::string("Terms"));
        const qint64 growth = QFileInfo(out).size() - QFileInfo(in).size();
        QVERIFY2(growth < 2 * sealPdfSize(*seal), qPrintable(QString::number(growth)));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("input"); // how in.pdf is made
        QTest::addColumn<int>("page");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QList<int>>("straddlePages");
        QTest::addColumn<double>("opacity");
        QTest::addColumn<QString>("message");
        const QList<int> none;
        QTest::newRow("damaged") << u"truncated"_s << 1 << QPointF(100, 150) << none << 1.0 << u"已损坏"_s;
        QTest::newRow("dangling link") << u"dangling"_s << 1 << QPointF(100, 150) << none << 1.0 << u"不存在"_s;
        QTest::newRow("no PDF") << u"text"_s << 1 << QPointF(100, 150) << none << 1.0 << u"不是PDF文件"_s;
        QTest::newRow("password") << u"password"_s << 1 << QPointF(100, 150) << none << 1.0 << u"有密码保护"_s;
        QTest::newRow("encrypted, open to all")
            << u"permissions"_s << 1 << QPointF(100, 150) << none << 1.0 << u"权限"_s;
        QTest::newRow("no such page") << u"good"_s << 4 << QPointF(100, 150) << none << 1.0 << u"第4页不存在"_s;
        QTest::newRow("off the page") << u"good"_s << 2 << QPointF(10, 150) << none << 1.0 << u"第2页"_s;
        QTest::newRow("below the page") << u"good"_s << 1 << QPointF(100, 290) << none << 1.0 << u"超出了页面"_s;
        QTest::newRow("cross-page seal on one page")
            << u"good"_s << 0 << QPointF() << QList<int>{2} << 1.0 << u"骑缝章"_s;
        QTest::newRow("cross-page seal on a page twice")
            << u"good"_s << 0 << QPointF() << QList<int>{1, 2, 1} << 1.0 << u"第1页选了两次"_s;
        QTest::newRow("output is the input") << u"same"_s << 1 << QPointF(100, 150) << none << 1.0 << u"输入文件"_s;
        QTest::newRow("opacity beyond 1") << u"good"_s << 1 << QPointF(100, 150) << none << 1.5 << u"不透明度"_s;
    }
    void refusalsWriteNothing()
    {
        QFETCH(QString, input);
        QFETCH(int, page);
        QFETCH(QPointF, at);
        QFETCH(QList<int>, straddlePages);
        QFETCH(double, opacity);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"in.pdf"_s);
        QString out = dir.filePath(u"out.pdf"_s);
        writeTextPdf(in, {QSizeF(210, 297), QSizeF(210, 297), QSizeF(210, 297)});
        if (input == u"truncated"_s) {
            QFile f(in);
            QVERIFY(f.resize(f.size() / 2));
        } else if (input == u"text"_s) {
            QFile f(in);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Contract page 1\n");
        } else if (input == u"password"_s || input == u"permissions"_s) {
            QPDF pdf;
            pdf.processFile(QFile::encodeName(in).constData());
            const QByteArray lockedName = QFile::encodeName(dir.filePath(u"locked.pdf"_s));
            QPDFWriter writer(pdf, lockedName.constData());
            writer.setR6EncryptionParameters(input == u"password"_s ? "secret" : "", "owner", true, false, false, false,
                                             false, false, qpdf_r3p_none, true);
            writer.write();
            QFile::remove(in);
            QVERIFY(QFile::rename(dir.filePath(u"locked.pdf"_s), in));
        } else if (input == u"dangling"_s) {
            QFile::remove(in);
            QVERIFY(QFile::link(dir.filePath(u"gone.pdf"_s), in));
        } else if (input == u"same"_s) {
            out = in;
        }
        const QByteArray before = readAll(in);
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::System);
        auto seal = roundSeal();
        QList<StampPlacement> placements;
        if (page > 0)
            placements.append({page, at, 0, {}});
        QList<StraddlePlacement> straddles;
        if (!straddlePages.isEmpty())
            straddles.append({straddlePages, 60, 1});
        const StampResult result = stampPdf(in, out, {seal.get()}, placements, straddles, {opacity, true});
        QVERIFY(!result.ok);
        QVERIFY2(result.message.contains(message), qPrintable(result.message));
        QCOMPARE(readAll(in), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), files);
    }

    void pageSelections_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<QList<int>>("pages"); // empty: refused
        QTest::newRow("all") << u"all"_s << 4 << QList<int>{1, 2, 3, 4};
        QTest::newRow("odd pages for duplex") << u" Odd "_s << 5 << QList<int>{1, 3, 5};
        QTest::newRow("ranges and a page") << u"2-7,9"_s << 9 << QList<int>{2, 3, 4, 5, 6, 7, 9};
        QTest::newRow("in the order given") << u"5, 1-2"_s << 5 << QList<int>{5, 1, 2};
        QTest::newRow("beyond the document") << u"2-7,9"_s << 8 << QList<int>{};
        QTest::newRow("page 0") << u"0-2"_s << 8 << QList<int>{};
        QTest::newRow("backwards") << u"7-2"_s << 8 << QList<int>{};
        QTest::newRow("twice") << u"1-3,2"_s << 8 << QList<int>{};
        QTest::newRow("words") << u"first"_s << 8 << QList<int>{};
        QTest::newRow("empty part") << u"1,,2"_s << 8 << QList<int>{};
        QTest::newRow("huge range") << u"1-2000000000"_s << 8 << QList<int>{};
    }
    void pageSelections()
    {
        QFETCH(QString, text);
        QFETCH(int, pageCount);
        QFETCH(QList<int>, pages);
        QString error;
        QCOMPARE(parsePageSelection(text, pageCount, &error), pages);
        QCOMPARE(error.isEmpty(), !pages.isEmpty());
    }

    void inspection()
    {
        QTemporaryDir dir;
        const QString in = dir.filePath(u"in.pdf"_s);
        writeTextPdf(in, {QSizeF(210, 297), QSizeF(105, 148)});
        const PdfInspection inspection = inspectPdf(in);
        QVERIFY(inspection.ok);
        QCOMPARE(inspection.pages.size(), 2);
        QVERIFY(qAbs(inspection.pages.at(1).sizeMm.width() - 105) < 0.5);
        QVERIFY(qAbs(inspection.pages.at(1).sizeMm.height() - 148) < 0.5);
        QVERIFY(!inspectPdf(dir.filePath(u"none.pdf"_s)).ok);
    }
};

QTEST_MAIN(TestPdfStamp)
#include "tst_pdfstamp.moc"
