// The glyph outline cache: what it hands out is what the font gives, its key tells every face,
// size, weight and slant apart, it stays bounded, and a glyph run leaves out only repeats that
// change no pixel.

#include "seal/gbk.h"
#include "seal/glyph.h"
#include "seal/glyphmetrics.h"
#include "seal/glyphoutlines.h"
#include "seal/paintersurface.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

GlyphMetrics metrics(const QString &face, int weight, bool italic, int pixelSize = GlyphMetrics::ReferencePixelSize)
{
    LogicalFont f;
    f.height = 40;
    f.width = 20;
    f.weight = weight;
    f.italic = italic;
    f.face = Gbk::fromUnicode(face);
    GlyphMetrics g = GlyphMetrics::forFont(f);
    g.font.setPixelSize(pixelSize);
    return g;
}

// The outlines as they are made without any cache.
GlyphOutlines directOutlines(const GlyphMetrics &g, const QString &text)
{
    GlyphOutlines o;
    o.outline.addText(QPointF(0, 0), g.font, text);
    o.outline.setFillRule(Qt::WindingFill);
    if (g.emboldenWidth > 0) {
        QPainterPathStroker stroker;
        stroker.setWidth(g.emboldenWidth);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        o.boldStroke = stroker.createStroke(o.outline);
    }
    return o;
}

} // namespace

class TestGlyphOutlines : public QObject
{
    Q_OBJECT

private slots:
    void init() { GlyphOutlineCache::clear(); }

    // Every variant is asked for after all the others are cached: a key that missed what sets
    // them apart would hand out another variant's outline.
    void everyVariantGetsItsOwnOutlines()
    {
        const QList<GlyphMetrics> variants{
            metrics(u"宋体"_s, 400, false),      metrics(u"宋体"_s, 700, false), metrics(u"宋体"_s, 400, true),
            metrics(u"宋体"_s, 400, false, 128), metrics(u"黑体"_s, 400, false), metrics(u"楷体"_s, 700, true),
        };
        const QStringList texts{u"国"_s, u"A"_s, u"章"_s};
        for (int round = 0; round < 2; ++round) {
            for (int v = 0; v < variants.size(); ++v) {
                for (const QString &text : texts) {
                    const GlyphOutlines cached = glyphOutlines(variants[v], text);
                    const GlyphOutlines direct = directOutlines(variants[v], text);
                    QVERIFY2(cached.outline == direct.outline, qPrintable(u"variant %1, %2"_s.arg(v).arg(text)));
                    QVERIFY(cached.boldStroke == direct.boldStroke);
                    QCOMPARE(cached.boldStroke.isEmpty(), variants[v].emboldenWidth == 0);
                }
            }
        }
        QCOMPARE(GlyphOutlineCache::size(), int(variants.size() * texts.size()));
        // A smaller reference size gives a proportionally smaller outline, not the cached one.
        const qreal full = glyphOutlines(variants[0], u"国"_s).outline.boundingRect().height();
        const qreal half = glyphOutlines(variants[3], u"国"_s).outline.boundingRect().height();
        QVERIFY(std::abs(full - 2 * half) < 2);
    }

    // A path glyph is the outline itself, or for an emboldened face the union of the outline
    // and its widening stroke; the union covers the outline and reaches half the width beyond it.
    void shapeIsTheEmboldenedOutline()
    {
        const GlyphMetrics light = metrics(u"宋体"_s, 400, false);
        QVERIFY(glyphShape(light, u"国"_s) == directOutlines(light, u"国"_s).outline);
        const GlyphMetrics bold = metrics(u"宋体"_s, 700, false);
        if (bold.emboldenWidth == 0)
            QSKIP("the face has a bold of its own");
        const QRectF plain = directOutlines(bold, u"国"_s).outline.boundingRect();
        const QRectF shape = glyphShape(bold, u"国"_s).boundingRect();
        const qreal half = bold.emboldenWidth / 2;
        QVERIFY(std::abs(shape.left() - (plain.left() - half)) < 0.5);
        QVERIFY(std::abs(shape.right() - (plain.right() + half)) < 0.5);
        QVERIFY(std::abs(shape.top() - (plain.top() - half)) < 0.5);
        // Asked again, the kept shape is the same.
        QVERIFY(glyphShape(bold, u"国"_s) == glyphShape(bold, u"国"_s));
    }

    // Where the raster engine outlines the emboldening pen itself (a wide pen, or any pen on a
    // stretched and turned ring glyph, antialiased), filling the kept stroke paints the same
    // pixels, so the painter may skip outlining it again.
    void keptStrokeFillsWhatThePenStrokes_data()
    {
        QTest::addColumn<QTransform>("placement");
        QTest::addColumn<qreal>("penScale"); // device pixels per unit of pen width
        // The pen is 10.67 units wide at the reference size: at 0.2 it covers 2.1 pixels, at
        // 0.09 0.96 of one.
        QTest::newRow("wide, upright") << QTransform(0.2, 0, 0, 0.2, 15, 70) << 0.2;
        QTest::newRow("thin, stretched and turned")
            << QTransform::fromTranslate(30, 50).rotate(-35).scale(0.06, 0.09) << 0.09;
        QTest::newRow("thin, stretched and turned back")
            << QTransform::fromTranslate(50, 30).rotate(140).scale(0.09, 0.05) << 0.09;
    }
    void keptStrokeFillsWhatThePenStrokes()
    {
        QFETCH(QTransform, placement);
        QFETCH(qreal, penScale);
        const GlyphMetrics bold = metrics(u"宋体"_s, 700, false);
        if (bold.emboldenWidth == 0)
            QSKIP("the face has a bold of its own");
        const GlyphOutlines o = directOutlines(bold, u"国"_s);
        QVERIFY(bold.emboldenWidth * penScale > 1.02 || placement.type() > QTransform::TxScale);
        auto paint = [&](bool kept) {
            QImage image(80, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setTransform(placement);
            painter.fillPath(o.outline, Qt::red);
            if (kept)
                painter.fillPath(o.boldStroke, Qt::red);
            else
                painter.strokePath(o.outline,
                                   QPen(Qt::red, bold.emboldenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            return image;
        };
        const QImage stroked = paint(false);
        int inked = 0;
        for (int y = 0; y < stroked.height(); ++y)
            for (int x = 0; x < stroked.width(); ++x)
                inked += stroked.pixel(x, y) != qRgb(255, 255, 255);
        QVERIFY(inked > 50); // the glyph lies on the image
        QCOMPARE(paint(true), stroked);
    }

    void staysBounded()
    {
        const GlyphMetrics light = metrics(u"宋体"_s, 400, false);
        for (int i = 0; i < GlyphOutlineCache::MaxGlyphs + 10; ++i) {
            glyphOutlines(light, QString(QChar(0x4E00 + i)));
            QVERIFY(GlyphOutlineCache::size() <= GlyphOutlineCache::MaxGlyphs);
        }
        QVERIFY(GlyphOutlineCache::size() > 0);
        // What was made last is kept.
        QCOMPARE(glyphOutlines(light, QString(QChar(0x4E00 + GlyphOutlineCache::MaxGlyphs + 9))).outline,
                 directOutlines(light, QString(QChar(0x4E00 + GlyphOutlineCache::MaxGlyphs + 9))).outline);
    }

    // The same characters drawn inside a glyph run and outside one give the same picture: repeats
    // are left out only where they change nothing, and never once something else was drawn.
    void glyphRunDrawsWhatPlainDrawingDoes_data()
    {
        QTest::addColumn<bool>("antialiased");
        QTest::addColumn<int>("weight");
        QTest::addColumn<bool>("fillBetween"); // else another colour between the repeats
        QTest::newRow("aliased bold, colour") << false << 700 << false;
        QTest::newRow("aliased light, colour") << false << 400 << false;
        QTest::newRow("aliased bold, fill") << false << 700 << true;
        QTest::newRow("antialiased bold, colour") << true << 700 << false;
    }
    void glyphRunDrawsWhatPlainDrawingDoes()
    {
        QFETCH(bool, antialiased);
        QFETCH(int, weight);
        QFETCH(bool, fillBetween);
        auto draw = [&](bool run) {
            QImage image(120, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing, antialiased);
            painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
            PainterSurface surface(&painter);
            if (run)
                surface.beginGlyphRun(0);
            surface.setFont(createGlyphFont(40, 20, true, 150, weight, false, Gbk::fromUnicode(u"宋体"_s)));
            surface.setBrushStyle(SurfaceBrush::Clear);
            surface.setFontColor(clBlack);
            surface.textOut(20, 20, u"国"_s);
            surface.textOut(20, 20, u"国"_s); // a repeat
            if (fillBetween) {
                surface.setBrushColor(clWhite);
                surface.fillRect(0, 0, 120, 35);
                surface.setBrushStyle(SurfaceBrush::Clear);
            } else {
                surface.setFontColor(clWhite);
                surface.textOut(22, 20, u"国"_s);
                surface.setFontColor(clBlack);
            }
            surface.textOut(20, 20, u"国"_s); // shows again over what was drawn since
            if (run)
                surface.endGlyphRun();
            painter.end();
            return image;
        };
        const QImage plain = draw(false);
        QCOMPARE(draw(true), plain);
    }
};

QTEST_MAIN(TestGlyphOutlines)
#include "tst_glyphoutlines.moc"
