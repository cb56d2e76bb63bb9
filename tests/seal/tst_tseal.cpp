// The element model: the side effects of its setters.

#include "testing/testhelpers.h"

#include "seal/sealpropertytable.h"
#include "seal/tseal.h"

#include <QTest>

#include <cmath>

using namespace qm;
using namespace qm::testing;

namespace {

// Counts what the element tells its page.
struct Spy : SealListener {
    int repaints = 0;
    int geometry = 0;
    void sealRepaint(TSeal &) override { ++repaints; }
    void sealGeometryChanged(TSeal &) override { ++geometry; }
    int total() const { return repaints + geometry; }
};

QImage blackOnWhite()
{
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(1, 1, qRgb(0, 0, 0));
    return img;
}

} // namespace

class TestTSeal : public QObject
{
    Q_OBJECT

private slots:
    void equalValueDoesNothing()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        Spy spy;
        s.setListener(&spy);
        s.SetText(QByteArray());
        s.SetRealWidth(42);
        s.SetPenWidth(1.2f);
        s.SetZoom(100);
        s.SetPixelsPerMm(10);
        s.SetTextAngle(2600);
        s.SetFontName(s.FontName());
        QCOMPARE(spy.total(), 0);
        s.SetText("A");
        QCOMPARE(spy.repaints, 1);
        QCOMPARE(spy.geometry, 0);
    }

    void penColorDragsBrushColor()
    {
        TSeal s;
        s.SetBrushColor(0x00FF00);
        s.SetPenColor(0xFF0000);
        QCOMPARE(s.BrushColor(), TColor(0xFF0000));
    }

    void pictureFollowsPenColor()
    {
        TSeal s;
        QVERIFY(s.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        // Black becomes the ink, white stays white: OR of the picture into an ink-filled bitmap.
        QCOMPARE(s.PicBitmap().pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(s.PicBitmap().pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(s.PicBitmapTransparent());
        s.SetPenColor(0xFF0000); // blue as 0x00BBGGRR
        QCOMPARE(s.PicBitmap().pixel(1, 1), qRgb(0, 0, 255));
        s.SetPicClrChange(false);
        QCOMPARE(s.PicBitmap().pixel(1, 1), qRgb(0, 0, 0));
        s.SetPicTransParnt(false);
        QVERIFY(!s.PicBitmapTransparent());
    }

    void undecodablePictureIsRefused()
    {
        TSeal s;
        QString error;
        QVERIFY(!s.LoadPictureData(QByteArray("BM\x01\x02garbage"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(!s.LoadPictureData(QByteArray("GIF89a\xFF"), &error));
        QVERIFY(!s.LoadPictureData(QByteArray("\xFF\xD8\xFF\xE0"), &error));
        QVERIFY(!s.LoadPictureData(QByteArray(), &error));
    }

    void emblemCoupling()
    {
        TSeal s;
        QVERIFY(s.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        s.SetHaveImage(true);
        QVERIFY(s.Picture().hasGraphic());
        s.SetImageIsStar(true);
        QVERIFY(s.HaveImage());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(s.PicBitmap().isNull());

        TSeal t;
        t.SetImageIsStar(true);
        QVERIFY(t.HaveImage());
        t.SetHaveImage(false);
        QVERIFY(!t.ImageIsStar());

        TSeal u;
        u.SetHaveImage(true);
        QVERIFY(u.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        u.SetHaveImage(false);
        QVERIFY(!u.Picture().hasGraphic());
        QVERIFY(u.PicBitmap().isNull());
    }

    // "No picture" is a picture too: setting it or copying it leaves no prepared bitmap behind,
    // which painting would otherwise still show.
    void emptyPictureFreesPreparedBitmap()
    {
        TSeal s;
        s.SetHaveImage(true);
        QVERIFY(s.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        Spy spy;
        s.setListener(&spy);
        s.SetPicture(SealPicture());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(s.PicBitmap().isNull());
        QVERIFY(!s.PicBitmapTransparent());
        QCOMPARE(spy.repaints, 1);
        // A picture set afterwards is prepared again.
        QVERIFY(s.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        QCOMPARE(s.PicBitmap().pixel(1, 1), qRgb(255, 0, 0));
    }

    void copyCarriesAbsentPicture()
    {
        TSeal with, without, target;
        for (TSeal *s : {&with, &without, &target}) {
            s->SetSealType(TSealType::stAnyImage);
            s->SetHaveImage(true);
        }
        QVERIFY(with.LoadPictureData(imageBytes(blackOnWhite(), "BMP")));
        CopySealProperties(with, target);
        QCOMPARE(target.Picture(), with.Picture());
        QVERIFY(!target.PicBitmap().isNull());
        CopySealProperties(without, target);
        QVERIFY(!target.Picture().hasGraphic());
        QVERIFY(target.PicBitmap().isNull());
        QVERIFY(target.HaveImage());
    }

    void rowColCountClampsToOne()
    {
        TSeal s;
        s.SetRowColCount(3);
        s.SetRowColCount(0);
        QCOMPARE(s.RowColCount(), 1);
        s.SetRowColCount(-5);
        QCOMPARE(s.RowColCount(), 1);
    }

    void centreAndScale()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        QCOMPARE(s.Width(), 420);
        s.SetRealCenterX(50);
        s.SetRealCenterY(40);
        QCOMPARE(s.Left(), 290); // (50 - 21) * 10
        QCOMPARE(s.Top(), 190);  // (40 - 21) * 10

        // A new resolution moves the box but does not resize it.
        Spy spy;
        s.setListener(&spy);
        s.SetPixelsPerMm(20);
        QCOMPARE(s.Left(), 580);
        QCOMPARE(s.Width(), 420);
        // An unchanged zoom does nothing at all, so the stale size stays.
        s.SetZoom(100);
        QCOMPARE(s.Width(), 420);
        s.SetZoom(50);
        QCOMPARE(s.Left(), 290); // 10 px/mm at 50 %
        QCOMPARE(s.Width(), 420);
        s.SetZoom(150);
        QCOMPARE(s.Width(), 1260); // 30 px/mm
        QCOMPARE(s.Top(), 570);
    }

    void placeAtScale_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("centreX");
        QTest::addColumn<float>("pixelsPerMm");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QRect>("box");
        // Placed first at 10 px/mm and 100 %, centre (centreX, 40), width × width mm.
        // New resolution, same zoom: k = 20; left 20 × (50 − 21) = 580, top 20 × (40 − 21) = 380.
        QTest::newRow("new resolution, same zoom") << 42.0f << 50.0f << 20.0f << 100 << QRect(580, 380, 840, 840);
        // Same resolution, new zoom: k = 10 × 50 / 100 = 5.
        QTest::newRow("same resolution, new zoom") << 42.0f << 50.0f << 10.0f << 50 << QRect(145, 95, 210, 210);
        // Both new, k = 12.5 × 80 / 100 = 10 as before: nothing moves.
        QTest::newRow("both new, same scale") << 42.0f << 50.0f << 12.5f << 80 << QRect(290, 190, 420, 420);
        // k = 5: left Round(5 × 30.5) = Round(152.5) = 152, top Round(5 × 19.5) = Round(97.5) = 98,
        // width Round(5 × 41) = 205.
        QTest::newRow("halves to even") << 41.0f << 51.0f << 5.0f << 100 << QRect(152, 98, 205, 205);
    }
    void placeAtScale()
    {
        QFETCH(float, width);
        QFETCH(float, centreX);
        QFETCH(float, pixelsPerMm);
        QFETCH(int, zoom);
        QFETCH(QRect, box);
        auto build = [&](TSeal &s) {
            s.SetSealType(TSealType::stRect);
            s.SetLineCount(2);
            s.SetRealWidth(width);
            s.SetRealHeight(width);
            s.SetRealCenterX(centreX);
            s.SetRealCenterY(40);
        };
        TSeal s;
        atTenPixelsPerMm(s);
        build(s);
        s.placeAtScale(pixelsPerMm, zoom);
        QCOMPARE(s.PixelsPerMm(), pixelsPerMm);
        QCOMPARE(s.Zoom(), zoom);
        QCOMPARE(QRect(s.Left(), s.Top(), s.Width(), s.Height()), box);
        // The same as an element created at that scale, pattern lines included.
        TSeal fresh;
        fresh.SetPixelsPerMm(pixelsPerMm);
        fresh.SetZoom(zoom);
        build(fresh);
        QCOMPARE(QRect(fresh.Left(), fresh.Top(), fresh.Width(), fresh.Height()), box);
        QVERIFY(!fresh.LinePoints().isEmpty());
        QCOMPARE(s.LinePoints(), fresh.LinePoints());
    }

    void roundingIsHalfToEven()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetRealWidth(4.25f);  // 42.5 px
        QCOMPARE(s.Width(), 42);
        s.SetRealWidth(4.75f);  // 47.5 px
        QCOMPARE(s.Width(), 48);
    }

    void widthKeepsLeftEdge()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetRealCenterX(50); // Left 290
        s.SetRealWidth(30);
        QCOMPARE(s.Left(), 290);
        QCOMPARE(s.Width(), 300);
        QCOMPARE(s.RealCenterX(), 44.0f); // 290 / 10 + 30 / 2
        s.SetRealCenterY(50); // Top 290
        s.SetRealHeight(20);
        QCOMPARE(s.Top(), 290);
        QCOMPARE(s.RealCenterY(), 39.0f); // 290 / 10 + 20 / 2
    }

    void lineThicknessFollowsBox()
    {
        TSeal h;
        atTenPixelsPerMm(h);
        h.SetSealType(TSealType::stHorzLine);
        h.SetRealCenterY(50);
        const int top = h.Top();
        h.SetPenWidth(2);
        QCOMPARE(h.RealHeight(), 2.0f);
        QCOMPARE(h.Height(), 20);
        QCOMPARE(h.Top(), top);
        h.SetRealHeight(3);
        QCOMPARE(h.PenWidth(), 3.0f);

        TSeal v;
        atTenPixelsPerMm(v);
        v.SetSealType(TSealType::stVertLine);
        v.SetPenWidth(1.5f);
        QCOMPARE(v.RealWidth(), 1.5f);
        QCOMPARE(v.Width(), 15);
        v.SetRealWidth(2.5f);
        QCOMPARE(v.PenWidth(), 2.5f);
        v.SetRealHeight(30); // a vertical line's thickness is its width
        QCOMPARE(v.PenWidth(), 2.5f);
    }

    void textBlockFollowsCharacterSize()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stHorzText);
        // A single row: character height and box height follow each other.
        s.SetTextHeight(9);
        QCOMPARE(s.RealHeight(), 9.0f);
        s.SetRealHeight(8);
        QCOMPARE(s.TextHeight(), 8.0f);
        // Turning rows into columns swaps the box.
        s.SetRealWidth(30);
        s.SetRowCol(false);
        QCOMPARE(s.RealWidth(), 8.0f);
        QCOMPARE(s.RealHeight(), 30.0f);
        QCOMPARE(s.Width(), 80);
        QCOMPARE(s.Height(), 300);
        // A single column: character width and box width follow each other.
        s.SetTextWidth(6);
        QCOMPARE(s.RealWidth(), 6.0f);
        s.SetRealWidth(7);
        QCOMPARE(s.TextWidth(), 7.0f);
    }

    void rowColCountGrowsTextBlock()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stHorzText);
        s.SetRealWidth(10);
        // Three lines of 4.5 mm characters do not fit 10 mm: 3 * 4.5 + 3 * 0.2.
        s.SetRowColCount(3);
        QCOMPARE(s.RealWidth(), float(3 * 4.5L + 3 * 0.2L));
        QCOMPARE(s.Width(), 141);
        // Back to one row: the box is one character high.
        s.SetRowColCount(1);
        QCOMPARE(s.RealHeight(), s.TextHeight());
        // Other kinds only repaint.
        TSeal t;
        t.SetRowColCount(5);
        QCOMPARE(t.RealWidth(), 42.0f);
    }

    void rowColCountComparesInExtendedPrecision()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stHorzText);
        s.SetTextWidth(0.1f); // rows: the box does not follow the character width
        s.SetRealWidth(0.5f);
        // 5 x 0.1f = 5 x 0.100000001490116 = 0.50000000745 > 0.5, so the block grows to
        // 5 x 0.1f + 5 x 0.2 = 1.50000000745, stored as 1.5.
        s.SetRowColCount(5);
        QCOMPARE(s.RealWidth(), 1.5f);
        QCOMPARE(s.Width(), 15); // Round(10 x 1.5)
    }

    void rowColCountBelowOneRefitsASingleRow()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stHorzText);
        s.SetRowCol(false);  // one column: 42 x 42 swapped
        s.SetTextWidth(6);   // the column is 6 mm wide
        s.SetRowCol(true);   // one row of 42 x 6 mm; the characters stay 7.5 mm high
        QCOMPARE(s.RealHeight(), 6.0f);
        // 0 differs from the stored 1, so the count is set again as 1: 1 x 6 is not above 42,
        // 1 x 7.5 is above 6, so the height becomes 1 x 7.5 + 1 x 0.2 = 7.7.
        s.SetRowColCount(0);
        QCOMPARE(s.RowColCount(), 1);
        QCOMPARE(s.RealHeight(), 7.7f);
        QCOMPARE(s.Height(), 77); // Round(10 x 7.7f) = Round(76.9999981)
    }

    void anyAngleTurnOverRepaints()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stAnyAngleLine);
        s.SetRealTextLength(50);
        s.SetTextAngle(450);
        Spy spy;
        s.setListener(&spy);
        // 135 degrees gives the same 35.36 x 35.36 mm box, but the line now falls.
        s.SetTextAngle(1350);
        QCOMPARE(s.Width(), 354); // Round(500 x 0.70711) = Round(353.55)
        QCOMPARE(spy.geometry, 0);
        QVERIFY(spy.repaints > 0);
    }

    void anyAngleFromTheStoredLength()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stAnyAngleLine);
        s.SetTextAngle(450);
        s.SetRealWidth(0.1f); // length 0.1, angle acos(1) = 0: first quadrant
        QCOMPARE(s.TextAngle(), 0);
        // Length sqrt(0.1f^2 + 38^2) = 38 + 0.0100000003 / 76 = 38.0001315787, stored as the
        // float 38 + 34 x 2^-18 = 38.0001296997. asin(38 / 38.0001296997): delta = 3.4131385e-6,
        // 90 degrees - sqrt(2 delta) rad = 90 - 0.1496976 = 89.8503024 degrees -> Round(898.503)
        // = 899. With the unstored diagonal it would be 898.492 -> 898.
        s.SetRealHeight(38);
        QCOMPARE(s.RealTextLength(), 38.00012969970703125f);
        QCOMPARE(s.TextAngle(), 899);
    }

    void anyAngleBox()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stAnyAngleLine);
        s.SetRealTextLength(50);
        s.SetTextAngle(300);
        QVERIFY(std::abs(s.RealWidth() - 43.30127f) < 1e-4); // 50 cos 30°
        QVERIFY(std::abs(s.RealHeight() - 25.0f) < 1e-4);    // 50 sin 30°
        QCOMPARE(s.Width(), 433);
        QCOMPARE(s.Height(), 250);

        // A new width recomputes the length and keeps the angle in its quadrant:
        // length sqrt(30² + 25²) = 39.0512, angle acos(30 / 39.0512) = 39.8056° → 398.
        s.SetRealWidth(30);
        QVERIFY(std::abs(s.RealTextLength() - 39.05125f) < 1e-4);
        QCOMPARE(s.TextAngle(), 398);

        s.SetTextAngle(1500); // second quadrant: 180° − b
        s.SetRealWidth(20);   // height is 39.0512 sin 150° = 19.5256
        const double len = std::sqrt(20.0 * 20.0 + double(s.RealHeight()) * s.RealHeight());
        const int b = int(std::nearbyint(std::acos(20.0 / len) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), 1800 - b);

        s.SetTextAngle(2400); // third quadrant: b + 180°, from the height setter's arcsin
        s.SetRealHeight(10);
        const double len3 = std::sqrt(double(s.RealWidth()) * s.RealWidth() + 100.0);
        const int b3 = int(std::nearbyint(std::asin(10.0 / len3) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), b3 + 1800);

        s.SetTextAngle(3300); // fourth quadrant
        s.SetRealHeight(5);
        const double len4 = std::sqrt(double(s.RealWidth()) * s.RealWidth() + 25.0);
        const int b4 = int(std::nearbyint(std::asin(5.0 / len4) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), 3600 - b4);
    }

    void anyAngleZeroLengthKeepsAngle()
    {
        TSeal s;
        atTenPixelsPerMm(s);
        s.SetSealType(TSealType::stAnyAngleText);
        s.SetTextAngle(1200);
        s.SetRealWidth(0);
        s.SetRealHeight(0);
        QCOMPARE(s.RealTextLength(), 0.0f);
        QCOMPARE(s.TextAngle(), 1200);
    }

    void textLengthOnlyForAnyAngleKinds()
    {
        TSeal s;
        s.SetRealTextLength(12);
        QCOMPARE(s.RealTextLength(), 0.0f);
    }

    void lineCountSizesLinePoints()
    {
        TSeal s;
        s.SetSealType(TSealType::stHorzLine); // a kind without pattern lines keeps the resized array
        s.SetLineCount(8);
        QCOMPARE(s.LinePoints().size(), 8);
        // A count from a damaged file must not allocate gigabytes.
        s.SetLineCount(2000000000);
        QVERIFY(s.LinePoints().size() <= 10000);
        s.SetLineCount(-3);
        QCOMPARE(s.LinePoints().size(), 0);
    }

    void fontSlots()
    {
        TSeal s;
        Spy spy;
        s.setListener(&spy);
        s.SetCodeFontName(makeFontSlot("\xBF\xAC\xCC\xE5")); // 楷体
        QCOMPARE(spy.repaints, 1);
        QCOMPARE(fontSlotName(s.CodeFontName()), QByteArray("\xBF\xAC\xCC\xE5"));
        // Bytes after the NUL count when slots are compared.
        FontSlot slot = s.CodeFontName();
        slot[40] = 'x';
        s.SetCodeFontName(slot);
        QCOMPARE(spy.repaints, 2);
        QCOMPARE(makeFontSlot(QByteArray(100, 'a'))[63], '\0');
    }
};

QTEST_MAIN(TestTSeal)
#include "tst_tseal.moc"
