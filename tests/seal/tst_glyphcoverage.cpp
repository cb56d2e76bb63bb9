#include "seal/gbk.h"
#include "seal/glyphcoverage.h"
#include "seal/paintersurface.h"
#include "seal/recordingsurface.h"
#include "seal/textlayouts.h"

#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace qm;

namespace {

// A mask of the pixels of `rect` (relative to the glyph's origin), made from a picture.
GlyphMask rectMask(const QRect &rect, QPoint topLeft)
{
    QImage picture(rect.right() + 1 - topLeft.x(), rect.bottom() + 1 - topLeft.y(),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(rect.translated(-topLeft), Qt::black);
    return GlyphMask::fromImage(picture, topLeft.x(), topLeft.y());
}

int inkedPixels(const GlyphMask &m)
{
    int n = 0;
    for (int y = m.top; y < m.top + m.height; ++y)
        for (int x = m.left; x < m.left + m.width; ++x)
            n += m.covers(x, y) ? 1 : 0;
    return n;
}

QPolygonF square(qreal left, qreal top, qreal side, bool clockwise)
{
    QPolygonF p{{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
    if (!clockwise)
        std::reverse(p.begin(), p.end());
    return p;
}

// A ring as the seal draws it: 60 mm across at 300 pixels per inch, characters 5 mm high.
EllipseText ring(const QString &text)
{
    EllipseText e;
    e.text = Gbk::fromUnicode(text);
    e.span = 2400;
    e.topOrDown = true;
    e.ellipseW = e.ellipseH = 560;
    e.boxW = e.boxH = 700;
    e.tw = e.th = 59;
    e.style.face = Gbk::fromUnicode(u"宋体"_s);
    e.style.weight = 700;
    e.style.penColor = clRed;
    return e;
}

// Glyph runs record how closely their characters are placed.
class SpacingSurface : public RecordingSurface
{
public:
    void beginGlyphRun(qreal spacing) override { spacings.append(spacing); }
    QList<qreal> spacings;
};

// Paints the recorded characters, in a glyph run of the given spacing or (spacing < 0) one by
// one outside any run, the way plain painting does.
QImage replay(const QList<TraceOp> &ops, qreal spacing, bool antialiased, qreal scale = 1)
{
    QImage image(int(700 * scale), int(700 * scale), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    painter.scale(scale, scale);
    {
        PainterSurface surface(&painter);
        if (spacing >= 0)
            surface.beginGlyphRun(spacing);
        for (const TraceOp &op : ops) {
            surface.setFont(op.font);
            surface.setFontColor(op.fontColor);
            surface.setBrushStyle(op.brushStyle);
            surface.textOut(op.args[0], op.args[1], op.text);
        }
        if (spacing >= 0)
            surface.endGlyphRun();
    }
    return image;
}

// How far the farthest pixel that differs lies from a pixel of its own colour in the other
// picture; 0 when the pictures are the same.
qreal displacement(const QImage &a, const QImage &b, int reach)
{
    auto nearest = [&](const QImage &in, int x, int y, QRgb colour) {
        qreal best = reach + 1;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int xx = x + dx, yy = y + dy;
                if (xx >= 0 && yy >= 0 && xx < in.width() && yy < in.height() && in.pixel(xx, yy) == colour)
                    best = std::min(best, std::hypot(qreal(dx), qreal(dy)));
            }
        return best;
    };
    qreal worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                worst = std::max({worst, nearest(b, x, y, a.pixel(x, y)), nearest(a, x, y, b.pixel(x, y))});
    return worst;
}

QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestGlyphCoverage : public QObject
{
    Q_OBJECT

private slots:
    // Masks land at whole pixels however their columns fall on the words of the window, and
    // overlapping masks ink their union once, in the ink of the coverage.
    void paintsTheUnionOfMasks_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::newRow("word aligned") << QPoint(64, 40);
        QTest::newRow("straddling a word") << QPoint(100, 41);
        QTest::newRow("left of the surface") << QPoint(-30, 5);
    }
    void paintsTheUnionOfMasks()
    {
        QFETCH(QPoint, at);
        // 70 pixels wide, so that its rows take two words; the second is narrower and lower.
        const GlyphMask wide = rectMask(QRect(-5, 2, 70, 3), QPoint(-8, 0));
        const GlyphMask narrow = rectMask(QRect(10, 3, 5, 6), QPoint(0, 0));
        QCOMPARE(inkedPixels(wide), 210);
        QCOMPARE(inkedPixels(narrow), 30);
        QImage image(300, 80, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(3, 4); // the coverage paints at device pixels whatever the painter's origin
        GlyphCoverage coverage;
        coverage.setColour(Qt::red);
        QVERIFY(coverage.add(wide, at));
        QVERIFY(coverage.add(narrow, at));
        QVERIFY(!coverage.isEmpty());
        coverage.paint(painter);
        QVERIFY(coverage.isEmpty());
        painter.end();
        // Device pixels: x in [at.x - 5, at.x + 65) for rows at.y + 2 ... 4, and the narrow
        // block x in [at.x + 10, at.x + 15), rows at.y + 3 ... 8.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int rx = x - at.x(), ry = y - at.y();
                const bool inWide = rx >= -5 && rx < 65 && ry >= 2 && ry <= 4;
                const bool inNarrow = rx >= 10 && rx < 15 && ry >= 3 && ry <= 8;
                QCOMPARE(image.pixel(x, y), inWide || inNarrow ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
            }
    }

    // A mask beyond the window is refused until what was gathered is painted; then the window
    // moves to it.
    void windowMovesAfterPainting()
    {
        const GlyphMask dot = rectMask(QRect(0, 0, 2, 2), QPoint(0, 0));
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        GlyphCoverage coverage;
        coverage.setColour(Qt::black);
        QVERIFY(coverage.add(dot, QPoint(1, 1)));
        const QPoint far(1 + GlyphCoverage::Side, 1);
        QVERIFY(!coverage.add(dot, far));
        coverage.paint(painter);
        QVERIFY(coverage.add(dot, far));
        coverage.paint(painter);
        painter.end();
        QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(2, 2), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(3, 3), qRgb(255, 255, 255));
    }

    // A pixel is inked when its centre is inside: winding within a shape (a hole turns the other
    // way), either shape where there are two (they never cancel each other).
    void rasterizesByPixelCentres_data()
    {
        QTest::addColumn<QList<QList<QPolygonF>>>("shapes");
        QTest::addColumn<qreal>("degrees");
        QTest::addColumn<int>("inked");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        const QList<QPolygonF> square10{square(0, 0, 10, true)};
        // Centres 0.5 ... 9.5 lie in [0, 10): 10 x 10 pixels.
        QTest::newRow("square") << QList<QList<QPolygonF>>{square10} << 0.0 << 100 << QPoint(9, 9) << QPoint(10, 0);
        // Turned a quarter clockwise on the screen: (x, y) -> (-y, x), columns -10 ... -1.
        QTest::newRow("square turned") << QList<QList<QPolygonF>>{square10} << 90.0 << 100 << QPoint(-10, 9)
                                       << QPoint(0, 0);
        // Half-pixel edges: centres 0.5 ... 3.5 lie in [0.2, 3.7) only up to 3.5: 4 x 4.
        QTest::newRow("fractional edges")
            << QList<QList<QPolygonF>>{{square(0.2, 0.2, 3.5, true)}} << 0.0 << 16 << QPoint(3, 3) << QPoint(4, 0);
        // 10 x 10 less a hole of 4 x 4 at (3, 3).
        QTest::newRow("hole") << QList<QList<QPolygonF>>{{square(0, 0, 10, true), square(3, 3, 4, false)}} << 0.0 << 84
                              << QPoint(2, 2) << QPoint(4, 4);
        // Two shapes of opposite turning overlapping in 5 x 5: 100 + 100 - 25.
        QTest::newRow("two shapes") << QList<QList<QPolygonF>>{square10, {square(5, 5, 10, false)}} << 0.0 << 175
                                    << QPoint(7, 7) << QPoint(12, 2);
    }
    void rasterizesByPixelCentres()
    {
        QFETCH(QList<QList<QPolygonF>>, shapes);
        QFETCH(qreal, degrees);
        QFETCH(int, inked);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        FlatGlyph glyph;
        glyph.shapes = shapes;
        for (const QList<QPolygonF> &shape : shapes)
            for (const QPolygonF &p : shape)
                glyph.bounds |= p.boundingRect();
        const GlyphMask m = glyph.rasterize(QTransform().rotate(degrees), 1024);
        QCOMPARE(inkedPixels(m), inked);
        QVERIFY(m.covers(inside.x(), inside.y()));
        QVERIFY(!m.covers(outside.x(), outside.y()));
        // Too large a mask is not made.
        QCOMPARE(glyph.rasterize(QTransform().rotate(degrees), 3).width, 0);
    }

    // Curves are flattened to within the tolerance: a circle of radius 20 keeps its area.
    void flattensCurvesClosely()
    {
        QPainterPath circle;
        circle.addEllipse(QPointF(0, 0), 20, 20);
        const FlatGlyph glyph = FlatGlyph::fromPaths({circle}, QTransform(), 0.1);
        QCOMPARE(glyph.shapes.size(), 1);
        const GlyphMask m = glyph.rasterize(QTransform(), 1024);
        // pi r^2 = 1256.6 pixels, give or take a quarter pixel along the rim's 2 pi r = 125.7.
        QVERIFY2(std::abs(inkedPixels(m) - 1256.6) < 31.4, qPrintable(QString::number(inkedPixels(m))));
    }

    // The ring tells its surface the arc between successive characters: on a circle of radius
    // 100 over 180 degrees the walk sums f = 100 over the 901 tenths from 0 to 90 degrees, doubles
    // it and shares it among the characters.
    void ringPassesItsSpacing_data()
    {
        QTest::addColumn<int>("characters");
        QTest::newRow("8") << 8;
        QTest::newRow("4000") << 4000;
    }
    void ringPassesItsSpacing()
    {
        QFETCH(int, characters);
        EllipseText e = ring(u"国"_s.repeated(characters));
        e.span = 1800;
        e.ellipseW = e.ellipseH = 200;
        SpacingSurface surface;
        drawEllipseText(surface, 0, 0, e);
        QCOMPARE(surface.spacings.size(), 1);
        const qreal expected = 2 * 100 * 901 / qreal(characters) * 0.0017453293;
        QVERIFY2(std::abs(surface.spacings.first() - expected) < 1e-9 * expected,
                 qPrintable(QString::number(surface.spacings.first())));
    }

    // A dense ring drawn from masks against the same characters filled one by one: the ink is
    // the same but for the rounded angles. A point r pixels from a glyph's origin moves by at
    // most 2 r sin(0.25 degrees) when its angle is rounded to whole degrees; the farthest ink is
    // the cell's far corner, hypot(60, 59) = 84.1 pixels (a double-byte cell is twice the font
    // width of roundHalfEven(59 / 2) = 30), plus the bold stroke's half width, 256 / 24 / 2
    // reference units at about 0.23 pixels each: 1.2 pixels. So 85.3 * 0.008727 = 0.75 pixels,
    // plus 0.15 for the flattening, and a pixel centre that changes side lies at most sqrt(2)
    // from one that did not: 2.32 pixels. The ink's extent moves by at most a pixel.
    void denseRingStaysWithinTheRoundedAngles_data()
    {
        QTest::addColumn<int>("repeats");
        QTest::addColumn<qreal>("spacing");
        QTest::addColumn<bool>("antialiased");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<qreal>("bound");
        QTest::newRow("dense, aliased") << 100 << 0.3 << false << 1.0 << 2.32;
        // Not dense enough: every glyph is filled, exactly.
        QTest::newRow("sparse") << 100 << 1.0 << false << 1.0 << 0.0;
        QTest::newRow("dense, antialiased") << 100 << 0.3 << true << 1.0 << 0.0;
        // Surface units are not device pixels.
        QTest::newRow("dense, scaled") << 20 << 0.3 << false << 1.5 << 0.0;
    }
    void denseRingStaysWithinTheRoundedAngles()
    {
        QFETCH(int, repeats);
        QFETCH(qreal, spacing);
        QFETCH(bool, antialiased);
        QFETCH(qreal, scale);
        QFETCH(qreal, bound);
        RecordingSurface recording;
        drawEllipseText(recording, 0, 0, ring(u"示例应用软件公司"_s.repeated(repeats)));
        const QList<TraceOp> glyphs = recording.ops(u"TextOut"_s);
        QCOMPARE(glyphs.size(), 8 * repeats);
        const QImage exact = replay(glyphs, -1, antialiased, scale);
        const QImage run = replay(glyphs, spacing, antialiased, scale);
        if (bound == 0) {
            QCOMPARE(run, exact);
            return;
        }
        const qreal moved = displacement(run, exact, 4);
        QVERIFY2(moved <= bound, qPrintable(QString::number(moved)));
        const QRect a = inkBounds(run), b = inkBounds(exact);
        QVERIFY(!b.isEmpty());
        for (int d : {a.left() - b.left(), a.top() - b.top(), a.right() - b.right(), a.bottom() - b.bottom()})
            QVERIFY2(std::abs(d) <= 1, qPrintable(QString::number(d)));
    }

    // A short ring, every seal's, is painted as before: the run leaves it to the fills.
    void shortRingIsExact()
    {
        auto paint = [](bool inRun) {
            RecordingSurface recording;
            drawEllipseText(recording, 0, 0, ring(u"示例应用软件公司"_s));
            return replay(recording.ops(u"TextOut"_s), inRun ? 0 : -1, false);
        };
        QImage direct(700, 700, QImage::Format_RGB32);
        direct.fill(Qt::white);
        {
            QPainter painter(&direct);
            painter.setRenderHint(QPainter::Antialiasing, false);
            PainterSurface surface(&painter);
            drawEllipseText(surface, 0, 0, ring(u"示例应用软件公司"_s));
        }
        QCOMPARE(direct, paint(false));
        QCOMPARE(paint(true), paint(false));
    }
};

QTEST_MAIN(TestGlyphCoverage)
#include "tst_glyphcoverage.moc"
