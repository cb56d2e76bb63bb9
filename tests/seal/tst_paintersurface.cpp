// The QPainter backend keeps the platform meanings that seal painting relies on.

#include "testing/testhelpers.h"

#include "seal/glyph.h"
#include "seal/paintersurface.h"

#include <QPainter>
#include <QTest>

using namespace qm;
using qm::testing::inkBounds;
using namespace Qt::StringLiterals;

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// A white image with an aliased painter and a surface on it.
struct Canvas {
    explicit Canvas(int w = 64, int h = 64) : image(w, h, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        surface = std::make_unique<PainterSurface>(&painter);
        surface->setPenColor(clBlack);
        surface->setPenWidth(1);
        surface->setBrushStyle(SurfaceBrush::Clear);
    }
    QImage done()
    {
        painter.end();
        return image;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<PainterSurface> surface;
};

int inkCount(const QImage &img, QRect area = QRect())
{
    if (area.isNull())
        area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) != White)
                ++n;
    return n;
}

} // namespace

class TestPainterSurface : public QObject
{
    Q_OBJECT

private slots:
    void rectangleBoxExcludesRightAndBottom()
    {
        Canvas c;
        c.surface->rectangle(2, 3, 10, 9);
        const QImage img = c.done();
        QCOMPARE(inkBounds(img), QRect(QPoint(2, 3), QPoint(9, 8)));
        QCOMPARE(img.pixel(5, 5), White); // clear brush: not filled
    }

    void solidRectangleFillsItsBox()
    {
        Canvas c;
        c.surface->setBrushColor(0x0000FF); // red, and the brush turns solid
        QCOMPARE(c.surface->brushStyle(), SurfaceBrush::Solid);
        c.surface->rectangle(2, 2, 12, 12);
        const QImage img = c.done();
        QCOMPARE(img.pixel(6, 6), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(2, 6), Black);
        QCOMPARE(img.pixel(12, 6), White);
    }

    void ellipseInscribedInTheSameBox()
    {
        Canvas c;
        c.surface->ellipse(0, 0, 21, 11);
        const QImage img = c.done();
        QCOMPARE(inkBounds(img), QRect(QPoint(0, 0), QPoint(20, 10)));
    }

    void thinLineLeavesItsEndPoint()
    {
        Canvas c;
        c.surface->moveTo(5, 5);
        c.surface->lineTo(15, 5);
        const QImage img = c.done();
        QCOMPARE(img.pixel(5, 5), Black);
        QCOMPARE(img.pixel(14, 5), Black);
        QCOMPARE(img.pixel(15, 5), White);
    }

    void widePenIsCentredOnTheLine()
    {
        Canvas c;
        c.surface->setPenWidth(5);
        c.surface->moveTo(10, 20);
        c.surface->lineTo(40, 20);
        const QImage img = c.done();
        // Width 5 centred on y = 20 covers rows 18 ... 22 in the middle of the line.
        for (int y = 18; y <= 22; ++y)
            QCOMPARE(img.pixel(25, y), Black);
        QCOMPARE(img.pixel(25, 16), White);
        QCOMPARE(img.pixel(25, 24), White);
    }

    void arcRunsCounterClockwise()
    {
        Canvas c(101, 101);
        // From 3 o'clock to 9 o'clock counter-clockwise: the upper half.
        c.surface->arc(0, 0, 101, 101, 100, 50, 0, 50);
        const QImage img = c.done();
        QVERIFY(inkCount(img, QRect(0, 0, 101, 45)) > 0);
        QCOMPARE(inkCount(img, QRect(0, 56, 101, 45)), 0);
    }

    void arcRaysAreTrueDirections()
    {
        Canvas c(201, 101);
        // On a 2:1 ellipse the rays through the right-hand corners of the box cross it at the
        // parametric angles ±45°, not at the rays' own ±26.6°.
        c.surface->arc(0, 0, 201, 101, 200, 0, 200, 100);
        const QImage img = c.done();
        // The counter-clockwise arc from 45° up to −45° goes round the left side.
        QVERIFY(inkCount(img, QRect(0, 40, 10, 20)) > 0);
        QCOMPARE(inkCount(img, QRect(190, 45, 11, 10)), 0);
    }

    void pieIsFilledThroughTheCentre()
    {
        Canvas c(101, 101);
        c.surface->setBrushColor(0x000000);
        c.surface->pie(0, 0, 101, 101, 100, 50, 0, 50);
        const QImage img = c.done();
        QCOMPARE(img.pixel(50, 30), Black);
        QCOMPARE(img.pixel(50, 70), White);
    }

    void polygonUsesAlternateFill()
    {
        Canvas c(60, 60);
        c.surface->setBrushColor(0x000000);
        // A pentagram: its centre is enclosed twice and stays empty under even-odd filling.
        c.surface->polygon({QPoint(30, 2), QPoint(47, 55), QPoint(2, 22), QPoint(58, 22), QPoint(13, 55)});
        const QImage img = c.done();
        QCOMPARE(img.pixel(30, 32), White);
        QCOMPARE(img.pixel(30, 10), Black);
    }

    void bezierIsNeverFilled()
    {
        Canvas c;
        c.surface->setBrushColor(0x000000);
        c.surface->polyBezier({QPoint(5, 5), QPoint(60, 5), QPoint(60, 60), QPoint(5, 60)});
        const QImage img = c.done();
        QCOMPARE(img.pixel(30, 32), White);
        QVERIFY(inkCount(img) > 0);
    }

    void orCopyMode()
    {
        Canvas c(4, 4);
        c.image.fill(qRgb(0, 0, 255));
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(qRgb(255, 0, 0));
        c.surface->setCopyModeOr(true);
        c.surface->draw(0, 0, red);
        const QImage img = c.done();
        QCOMPARE(img.pixel(2, 2), qRgb(255, 0, 255));
    }

    void stretchDrawSkipsTheTransparentColour()
    {
        Canvas c(20, 20);
        c.image.fill(qRgb(0, 255, 0));
        QImage bmp(2, 2, QImage::Format_RGB32);
        bmp.fill(Qt::white);
        bmp.setPixel(1, 0, qRgb(255, 0, 0));
        c.surface->stretchDraw(0, 0, 20, 20, bmp, true);
        const QImage img = c.done();
        QCOMPARE(img.pixel(15, 5), qRgb(255, 0, 0)); // scaled picture pixel
        QCOMPARE(img.pixel(5, 15), qRgb(0, 255, 0)); // white ground left out

        Canvas d(20, 20);
        d.surface->stretchDraw(0, 0, 20, 20, bmp, false);
        QCOMPARE(d.done().pixel(5, 15), White);
    }

    // A picture taller than a band is inked and masked band by band. At its own size that is
    // exactly the whole inked and masked picture drawn at once; scaled, each band samples rows on
    // its own, so a row may come from a source row beside the one the whole picture gives, but
    // no row is left out: every row is one that the whole picture shows within two rows of it.
    void stretchDrawInBandsAsAWhole_data()
    {
        QTest::addColumn<QSize>("target");
        QTest::addColumn<bool>("transparent");
        // 1024 pixels a row: PictureBandPixels / 1024 = 1024 rows a band, so 2500 rows make 3 bands.
        QTest::newRow("same size") << QSize(1024, 2500) << true;
        QTest::newRow("same size, opaque") << QSize(1024, 2500) << false;
        QTest::newRow("smaller") << QSize(300, 733) << true;
        QTest::newRow("smaller, opaque") << QSize(301, 700) << false;
        QTest::newRow("larger") << QSize(1500, 3001) << true;
        QTest::newRow("larger, opaque") << QSize(1100, 2999) << false;
    }
    void stretchDrawInBandsAsAWhole()
    {
        QFETCH(QSize, target);
        QFETCH(bool, transparent);
        QCOMPARE(PictureBandPixels / 1024, 1024);
        // Stripes 50 rows high, white, black and blue, the right half one stripe on; band edges
        // (rows 1024 and 2048) fall inside stripes.
        QImage picture(1024, 2500, QImage::Format_RGB32);
        const QRgb stripes[3] = {White, Black, qRgb(0, 0, 255)};
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, stripes[(y / 50 + (x < 512 ? 0 : 1)) % 3]);
        const Colour ink = clRed;
        // The whole picture inked, masked and drawn at once. Bottom-left: stripe 2499 / 50 = 49,
        // 49 % 3 = 1, black, inked red: red is left out.
        QImage whole = preparedPicture(picture, ink).convertToFormat(QImage::Format_ARGB32);
        const QRgb key = whole.pixel(0, whole.height() - 1);
        QCOMPARE(key, qRgb(255, 0, 0));
        QCOMPARE(whole.pixel(0, 0), White);
        QCOMPARE(whole.pixel(0, 100), qRgb(255, 0, 255)); // blue or red
        for (int y = 0; y < whole.height() && transparent; ++y)
            for (int x = 0; x < whole.width(); ++x)
                if (whole.pixel(x, y) == key)
                    whole.setPixel(x, y, 0);
        auto paint = [&](bool bands) {
            QImage canvas(target + QSize(8, 8), QImage::Format_RGB32);
            canvas.fill(qRgb(0, 255, 0));
            QPainter painter(&canvas);
            if (bands) {
                PainterSurface surface(&painter);
                surface.stretchDraw(4, 4, 4 + target.width(), 4 + target.height(), picture, transparent, ink);
            } else {
                painter.drawImage(QRect(QPoint(4, 4), target), whole);
            }
            painter.end();
            return canvas;
        };
        const QImage expected = paint(false);
        const QImage banded = paint(true);
        if (target == picture.size()) {
            QCOMPARE(banded, expected);
            return;
        }
        auto row = [](const QImage &image, int y) {
            return QByteArray(reinterpret_cast<const char *>(image.constScanLine(y)), image.bytesPerLine());
        };
        for (int y = 0; y < banded.height(); ++y) {
            bool near = false;
            for (int other = std::max(0, y - 2); other <= std::min(banded.height() - 1, y + 2) && !near; ++other)
                near = row(banded, y) == row(expected, other);
            QVERIFY2(near, qPrintable(u"row %1"_s.arg(y)));
        }
    }

    void glyphCellFromTheReferencePoint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("advance");
        QTest::newRow("ideograph") << u"国"_s << 15 << 30;
        QTest::newRow("digit") << u"8"_s << 15 << 15;
    }
    void glyphCellFromTheReferencePoint()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, advance);
        Canvas c(200, 200);
        c.surface->setFont(createGlyphFont(40, width, false, 0, 400, false, "\xCB\xCE\xCC\xE5"));
        const QRectF box = c.surface->textPath(50, 60, text).boundingRect();
        QVERIFY(!box.isEmpty());
        // Ink stays inside the cell: height 40 below the reference point, the advance to the right.
        QVERIFY2(box.top() >= 60 && box.bottom() <= 100, qPrintable(QString::number(box.top())));
        QVERIFY(box.left() >= 49 && box.right() <= 50 + advance + 1);
        // And it fills most of it: a stretched glyph is wider than half its advance.
        QVERIFY(box.width() > advance / 2.0);
    }

    void doubleByteGlyphIsTwiceAsWide()
    {
        Canvas c(300, 100);
        c.surface->setFont(createGlyphFont(40, 20, false, 0, 400, false, "\xCB\xCE\xCC\xE5"));
        const qreal wide = c.surface->textPath(0, 0, u"国"_s).boundingRect().width();
        c.surface->setFont(createGlyphFont(40, 10, false, 0, 400, false, "\xCB\xCE\xCC\xE5"));
        const qreal narrow = c.surface->textPath(0, 0, u"国"_s).boundingRect().width();
        QVERIFY(std::abs(wide - 2 * narrow) < 1.0);
    }

    void escapementTurnsAboutTheReferencePoint()
    {
        Canvas c(200, 200);
        LogicalFont f = createGlyphFont(40, 20, true, 900, 400, false, "\xCB\xCE\xCC\xE5");
        c.surface->setFont(f);
        // Turned 90° counter-clockwise about (100, 100): the cell's top edge now runs up the
        // left side, so the glyph lies right of x = 100 and above y = 100.
        const QRectF box = c.surface->textPath(100, 100, u"国"_s).boundingRect();
        QVERIFY(box.left() >= 99 && box.right() <= 141);
        QVERIFY(box.bottom() <= 101 && box.top() >= 59);
    }

    void plainTextUsesTheFontColour()
    {
        Canvas c(100, 100);
        c.surface->setFont(createGlyphFont(60, 30, false, 0, 700, false, "\xBA\xDA\xCC\xE5"));
        c.surface->setFontColor(0x0000FF);
        c.surface->setPenColor(0xFF0000);
        c.surface->textOut(10, 10, u"国"_s);
        const QImage img = c.done();
        bool red = false;
        for (int y = 0; y < 100 && !red; ++y)
            for (int x = 0; x < 100 && !red; ++x)
                red = img.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red);
    }

    void boldIsHeavierThanRegular()
    {
        // Most installed CJK faces have one weight; bold must still show as bold.
        auto draw = [](int weight) {
            Canvas c(120, 120);
            c.surface->setFont(createGlyphFont(100, 50, false, 0, weight, false, "\xCB\xCE\xCC\xE5"));
            c.surface->setFontColor(clBlack);
            c.surface->textOut(10, 10, u"国"_s);
            return inkCount(c.done());
        };
        QVERIFY(draw(700) > draw(400) * 1.2);
    }

    // A glyph is left out where the clip lies wholly beside it; wherever the clip meets its ink,
    // it paints there what it paints unclipped, turned, emboldened and antialiased alike.
    void clippedGlyphPaintsWhatItCovers_data()
    {
        QTest::addColumn<int>("escapement");
        QTest::addColumn<bool>("antialiased");
        for (int escapement : {0, 450, 1350, 2700})
            for (bool antialiased : {false, true})
                QTest::addRow("%d tenths%s", escapement, antialiased ? ", antialiased" : "")
                    << escapement << antialiased;
    }
    void clippedGlyphPaintsWhatItCovers()
    {
        QFETCH(int, escapement);
        QFETCH(bool, antialiased);
        const auto draw = [&](const QRect &clip) {
            Canvas c(160, 160);
            c.painter.setRenderHint(QPainter::Antialiasing, antialiased);
            if (!clip.isNull())
                c.painter.setClipRect(clip);
            c.surface->setFont(createGlyphFont(60, 30, false, escapement, 700, false, "\xCB\xCE\xCC\xE5"));
            c.surface->setFontColor(clBlack);
            c.surface->textOut(80, 80, u"国"_s); // turned about the middle of the canvas
            return c.done();
        };
        const QImage whole = draw(QRect());
        QVERIFY(inkCount(whole) > 100);
        for (int at = 0; at < 160; at += 8) {
            for (const QRect &strip : {QRect(at, 0, 3, 160), QRect(0, at, 160, 3)}) {
                const QImage clipped = draw(strip);
                for (int y = 0; y < 160; ++y)
                    for (int x = 0; x < 160; ++x) {
                        const QRgb expected = strip.contains(x, y) ? whole.pixel(x, y) : White;
                        if (clipped.pixel(x, y) != expected)
                            QFAIL(
                                qPrintable(u"strip %1,%2: pixel %3,%4"_s.arg(strip.x()).arg(strip.y()).arg(x).arg(y)));
                    }
            }
        }
    }

    void thickeningWidensPlainGlyphs_data()
    {
        QTest::addColumn<int>("weight");
        QTest::newRow("regular") << 400;
        // Bold on a face with one weight is widened by the surface; its outline must be too.
        QTest::newRow("bold") << 700;
    }
    void thickeningWidensPlainGlyphs()
    {
        QFETCH(int, weight);
        auto draw = [weight](int stroke) {
            Canvas c(120, 120);
            c.surface->setFont(createGlyphFont(100, 50, false, 0, weight, false, "\xCB\xCE\xCC\xE5"));
            drawGlyph(*c.surface, 10, 10, u'国', false, BrushStyle::bsClear, clBlack, false, stroke);
            return inkCount(c.done());
        };
        const int plain = draw(0);
        QVERIFY2(draw(3) > plain, qPrintable(QString::number(plain)));
    }

    void hollowGlyphIsOnlyAnOutline()
    {
        auto draw = [](bool blank) {
            Canvas c(120, 120);
            c.surface->setFont(createGlyphFont(100, 50, false, 0, 700, false, "\xBA\xDA\xCC\xE5"));
            drawGlyph(*c.surface, 10, 10, u'口', false, BrushStyle::bsClear, clBlack, blank, 0);
            return inkCount(c.done());
        };
        const int filled = draw(false);
        const int hollow = draw(true);
        QVERIFY(hollow > 0);
        QVERIFY(hollow < filled);
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_paintersurface.moc"
