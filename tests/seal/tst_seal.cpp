// The element model: the side effects of its setters.

#include "testing/testhelpers.h"

#include "seal/seal.h"
#include "seal/sealpropertytable.h"

#include <QTest>

#include <cmath>

using namespace qm;
using namespace qm::testing;

namespace {

// Counts what the element tells its page.
struct Spy : SealListener {
    int repaints = 0;
    int geometry = 0;
    void sealRepaint(Seal &) override { ++repaints; }
    void sealGeometryChanged(Seal &) override { ++geometry; }
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

class TestSeal : public QObject
{
    Q_OBJECT

private slots:
    void equalValueDoesNothing()
    {
        Seal s;
        atTenPixelsPerMm(s);
        Spy spy;
        s.setListener(&spy);
        s.setText(QByteArray());
        s.setRealWidth(42);
        s.setPenWidth(1.2f);
        s.setZoom(100);
        s.setPixelsPerMm(10);
        s.setTextAngle(2600);
        s.setFontName(s.FontName());
        QCOMPARE(spy.total(), 0);
        s.setText("A");
        QCOMPARE(spy.repaints, 1);
        QCOMPARE(spy.geometry, 0);
    }

    void penColorDragsBrushColor()
    {
        Seal s;
        s.setBrushColor(0x00FF00);
        s.setPenColor(0xFF0000);
        QCOMPARE(s.BrushColor(), Colour(0xFF0000));
    }

    void pictureFollowsPenColor()
    {
        Seal s;
        QVERIFY(s.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        // Black becomes the ink, white stays white: OR of the picture into an ink-filled bitmap.
        QCOMPARE(s.pictureBitmap().pixel(1, 1), qRgb(255, 0, 0));
        QCOMPARE(s.pictureBitmap().pixel(0, 0), qRgb(255, 255, 255));
        QVERIFY(s.pictureTransparent());
        s.setPenColor(0xFF0000); // blue as 0x00BBGGRR
        QCOMPARE(s.pictureBitmap().pixel(1, 1), qRgb(0, 0, 255));
        s.setPicClrChange(false);
        QCOMPARE(s.pictureBitmap().pixel(1, 1), qRgb(0, 0, 0));
        s.setPicTransParnt(false);
        QVERIFY(!s.pictureTransparent());
    }

    void undecodablePictureIsRefused()
    {
        Seal s;
        QString error;
        QVERIFY(!s.loadPictureData(QByteArray("BM\x01\x02garbage"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(!s.loadPictureData(QByteArray("GIF89a\xFF"), &error));
        QVERIFY(!s.loadPictureData(QByteArray("\xFF\xD8\xFF\xE0"), &error));
        QVERIFY(!s.loadPictureData(QByteArray(), &error));
    }

    void emblemCoupling()
    {
        Seal s;
        QVERIFY(s.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        s.setHaveImage(true);
        QVERIFY(s.Picture().hasGraphic());
        s.setImageIsStar(true);
        QVERIFY(s.HaveImage());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(s.pictureBitmap().isNull());

        Seal t;
        t.setImageIsStar(true);
        QVERIFY(t.HaveImage());
        t.setHaveImage(false);
        QVERIFY(!t.ImageIsStar());

        Seal u;
        u.setHaveImage(true);
        QVERIFY(u.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        u.setHaveImage(false);
        QVERIFY(!u.Picture().hasGraphic());
        QVERIFY(u.pictureBitmap().isNull());
    }

    // "No picture" is a picture too: setting it or copying it leaves no prepared bitmap behind,
    // which painting would otherwise still show.
    void emptyPictureFreesPreparedBitmap()
    {
        Seal s;
        s.setHaveImage(true);
        QVERIFY(s.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        Spy spy;
        s.setListener(&spy);
        s.setPicture(SealPicture());
        QVERIFY(!s.Picture().hasGraphic());
        QVERIFY(s.pictureBitmap().isNull());
        QVERIFY(!s.pictureTransparent());
        QCOMPARE(spy.repaints, 1);
        // A picture set afterwards is prepared again.
        QVERIFY(s.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        QCOMPARE(s.pictureBitmap().pixel(1, 1), qRgb(255, 0, 0));
    }

    void copyCarriesAbsentPicture()
    {
        Seal with, without, target;
        for (Seal *s : {&with, &without, &target}) {
            s->setSealType(SealType::stAnyImage);
            s->setHaveImage(true);
        }
        QVERIFY(with.loadPictureData(imageBytes(blackOnWhite(), "BMP")));
        copySealProperties(with, target);
        QCOMPARE(target.Picture(), with.Picture());
        QVERIFY(!target.pictureBitmap().isNull());
        copySealProperties(without, target);
        QVERIFY(!target.Picture().hasGraphic());
        QVERIFY(target.pictureBitmap().isNull());
        QVERIFY(target.HaveImage());
    }

    void rowColCountClampsToOne()
    {
        Seal s;
        s.setRowColCount(3);
        s.setRowColCount(0);
        QCOMPARE(s.RowColCount(), 1);
        s.setRowColCount(-5);
        QCOMPARE(s.RowColCount(), 1);
    }

    void centreAndScale()
    {
        Seal s;
        atTenPixelsPerMm(s);
        QCOMPARE(s.width(), 420);
        s.setRealCenterX(50);
        s.setRealCenterY(40);
        QCOMPARE(s.left(), 290); // (50 - 21) * 10
        QCOMPARE(s.top(), 190);  // (40 - 21) * 10

        // A new resolution moves the box but does not resize it.
        Spy spy;
        s.setListener(&spy);
        s.setPixelsPerMm(20);
        QCOMPARE(s.left(), 580);
        QCOMPARE(s.width(), 420);
        // An unchanged zoom does nothing at all, so the stale size stays.
        s.setZoom(100);
        QCOMPARE(s.width(), 420);
        s.setZoom(50);
        QCOMPARE(s.left(), 290); // 10 px/mm at 50 %
        QCOMPARE(s.width(), 420);
        s.setZoom(150);
        QCOMPARE(s.width(), 1260); // 30 px/mm
        QCOMPARE(s.top(), 570);
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
        // k = 5: left roundHalfEven(5 × 30.5) = roundHalfEven(152.5) = 152, top roundHalfEven(5 × 19.5) =
        // roundHalfEven(97.5) = 98, width roundHalfEven(5 × 41) = 205.
        QTest::newRow("halves to even") << 41.0f << 51.0f << 5.0f << 100 << QRect(152, 98, 205, 205);
    }
    void placeAtScale()
    {
        QFETCH(float, width);
        QFETCH(float, centreX);
        QFETCH(float, pixelsPerMm);
        QFETCH(int, zoom);
        QFETCH(QRect, box);
        auto build = [&](Seal &s) {
            s.setSealType(SealType::stRect);
            s.setLineCount(2);
            s.setRealWidth(width);
            s.setRealHeight(width);
            s.setRealCenterX(centreX);
            s.setRealCenterY(40);
        };
        Seal s;
        atTenPixelsPerMm(s);
        build(s);
        s.placeAtScale(pixelsPerMm, zoom);
        QCOMPARE(s.PixelsPerMm(), pixelsPerMm);
        QCOMPARE(s.Zoom(), zoom);
        QCOMPARE(QRect(s.left(), s.top(), s.width(), s.height()), box);
        // The same as an element created at that scale, pattern lines included.
        Seal fresh;
        fresh.setPixelsPerMm(pixelsPerMm);
        fresh.setZoom(zoom);
        build(fresh);
        QCOMPARE(QRect(fresh.left(), fresh.top(), fresh.width(), fresh.height()), box);
        QVERIFY(!fresh.linePoints().isEmpty());
        QCOMPARE(s.linePoints(), fresh.linePoints());
    }

    void roundingIsHalfToEven()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setRealWidth(4.25f); // 42.5 px
        QCOMPARE(s.width(), 42);
        s.setRealWidth(4.75f); // 47.5 px
        QCOMPARE(s.width(), 48);
    }

    void widthKeepsLeftEdge()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setRealCenterX(50); // Left 290
        s.setRealWidth(30);
        QCOMPARE(s.left(), 290);
        QCOMPARE(s.width(), 300);
        QCOMPARE(s.RealCenterX(), 44.0f); // 290 / 10 + 30 / 2
        s.setRealCenterY(50);             // Top 290
        s.setRealHeight(20);
        QCOMPARE(s.top(), 290);
        QCOMPARE(s.RealCenterY(), 39.0f); // 290 / 10 + 20 / 2
    }

    void lineThicknessFollowsBox()
    {
        Seal h;
        atTenPixelsPerMm(h);
        h.setSealType(SealType::stHorzLine);
        h.setRealCenterY(50);
        const int top = h.top();
        h.setPenWidth(2);
        QCOMPARE(h.RealHeight(), 2.0f);
        QCOMPARE(h.height(), 20);
        QCOMPARE(h.top(), top);
        h.setRealHeight(3);
        QCOMPARE(h.PenWidth(), 3.0f);

        Seal v;
        atTenPixelsPerMm(v);
        v.setSealType(SealType::stVertLine);
        v.setPenWidth(1.5f);
        QCOMPARE(v.RealWidth(), 1.5f);
        QCOMPARE(v.width(), 15);
        v.setRealWidth(2.5f);
        QCOMPARE(v.PenWidth(), 2.5f);
        v.setRealHeight(30); // a vertical line's thickness is its width
        QCOMPARE(v.PenWidth(), 2.5f);
    }

    void textBlockFollowsCharacterSize()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stHorzText);
        // A single row: character height and box height follow each other.
        s.setTextHeight(9);
        QCOMPARE(s.RealHeight(), 9.0f);
        s.setRealHeight(8);
        QCOMPARE(s.TextHeight(), 8.0f);
        // Turning rows into columns swaps the box.
        s.setRealWidth(30);
        s.setRowCol(false);
        QCOMPARE(s.RealWidth(), 8.0f);
        QCOMPARE(s.RealHeight(), 30.0f);
        QCOMPARE(s.width(), 80);
        QCOMPARE(s.height(), 300);
        // A single column: character width and box width follow each other.
        s.setTextWidth(6);
        QCOMPARE(s.RealWidth(), 6.0f);
        s.setRealWidth(7);
        QCOMPARE(s.TextWidth(), 7.0f);
    }

    void rowColCountGrowsTextBlock()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stHorzText);
        s.setRealWidth(10);
        // Three lines of 4.5 mm characters do not fit 10 mm: 3 * 4.5 + 3 * 0.2.
        s.setRowColCount(3);
        QCOMPARE(s.RealWidth(), float(3 * 4.5L + 3 * 0.2L));
        QCOMPARE(s.width(), 141);
        // Back to one row: the box is one character high.
        s.setRowColCount(1);
        QCOMPARE(s.RealHeight(), s.TextHeight());
        // Other kinds only repaint.
        Seal t;
        t.setRowColCount(5);
        QCOMPARE(t.RealWidth(), 42.0f);
    }

    void rowColCountComparesInExtendedPrecision()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stHorzText);
        s.setTextWidth(0.1f); // rows: the box does not follow the character width
        s.setRealWidth(0.5f);
        // 5 x 0.1f = 5 x 0.100000001490116 = 0.50000000745 > 0.5, so the block grows to
        // 5 x 0.1f + 5 x 0.2 = 1.50000000745, stored as 1.5.
        s.setRowColCount(5);
        QCOMPARE(s.RealWidth(), 1.5f);
        QCOMPARE(s.width(), 15); // roundHalfEven(10 x 1.5)
    }

    void rowColCountBelowOneRefitsASingleRow()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stHorzText);
        s.setRowCol(false); // one column: 42 x 42 swapped
        s.setTextWidth(6);  // the column is 6 mm wide
        s.setRowCol(true);  // one row of 42 x 6 mm; the characters stay 7.5 mm high
        QCOMPARE(s.RealHeight(), 6.0f);
        // 0 differs from the stored 1, so the count is set again as 1: 1 x 6 is not above 42,
        // 1 x 7.5 is above 6, so the height becomes 1 x 7.5 + 1 x 0.2 = 7.7.
        s.setRowColCount(0);
        QCOMPARE(s.RowColCount(), 1);
        QCOMPARE(s.RealHeight(), 7.7f);
        QCOMPARE(s.height(), 77); // roundHalfEven(10 x 7.7f) = roundHalfEven(76.9999981)
    }

    void anyAngleTurnOverRepaints()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stAnyAngleLine);
        s.setRealTextLength(50);
        s.setTextAngle(450);
        Spy spy;
        s.setListener(&spy);
        // 135 degrees gives the same 35.36 x 35.36 mm box, but the line now falls.
        s.setTextAngle(1350);
        QCOMPARE(s.width(), 354); // roundHalfEven(500 x 0.70711) = roundHalfEven(353.55)
        QCOMPARE(spy.geometry, 0);
        QVERIFY(spy.repaints > 0);
    }

    void anyAngleFromTheStoredLength()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stAnyAngleLine);
        s.setTextAngle(450);
        s.setRealWidth(0.1f); // length 0.1, angle acos(1) = 0: first quadrant
        QCOMPARE(s.TextAngle(), 0);
        // Length sqrt(0.1f^2 + 38^2) = 38 + 0.0100000003 / 76 = 38.0001315787, stored as the
        // float 38 + 34 x 2^-18 = 38.0001296997. asin(38 / 38.0001296997): delta = 3.4131385e-6,
        // 90 degrees - sqrt(2 delta) rad = 90 - 0.1496976 = 89.8503024 degrees -> roundHalfEven(898.503)
        // = 899. With the unstored diagonal it would be 898.492 -> 898.
        s.setRealHeight(38);
        QCOMPARE(s.RealTextLength(), 38.00012969970703125f);
        QCOMPARE(s.TextAngle(), 899);
    }

    void anyAngleBox()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stAnyAngleLine);
        s.setRealTextLength(50);
        s.setTextAngle(300);
        QVERIFY(std::abs(s.RealWidth() - 43.30127f) < 1e-4); // 50 cos 30°
        QVERIFY(std::abs(s.RealHeight() - 25.0f) < 1e-4);    // 50 sin 30°
        QCOMPARE(s.width(), 433);
        QCOMPARE(s.height(), 250);

        // A new width recomputes the length and keeps the angle in its quadrant:
        // length sqrt(30² + 25²) = 39.0512, angle acos(30 / 39.0512) = 39.8056° → 398.
        s.setRealWidth(30);
        QVERIFY(std::abs(s.RealTextLength() - 39.05125f) < 1e-4);
        QCOMPARE(s.TextAngle(), 398);

        s.setTextAngle(1500); // second quadrant: 180° − b
        s.setRealWidth(20);   // height is 39.0512 sin 150° = 19.5256
        const double len = std::sqrt(20.0 * 20.0 + double(s.RealHeight()) * s.RealHeight());
        const int b = int(std::nearbyint(std::acos(20.0 / len) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), 1800 - b);

        s.setTextAngle(2400); // third quadrant: b + 180°, from the height setter's arcsin
        s.setRealHeight(10);
        const double len3 = std::sqrt(double(s.RealWidth()) * s.RealWidth() + 100.0);
        const int b3 = int(std::nearbyint(std::asin(10.0 / len3) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), b3 + 1800);

        s.setTextAngle(3300); // fourth quadrant
        s.setRealHeight(5);
        const double len4 = std::sqrt(double(s.RealWidth()) * s.RealWidth() + 25.0);
        const int b4 = int(std::nearbyint(std::asin(5.0 / len4) / (M_PI / 1800)));
        QCOMPARE(s.TextAngle(), 3600 - b4);
    }

    void anyAngleZeroLengthKeepsAngle()
    {
        Seal s;
        atTenPixelsPerMm(s);
        s.setSealType(SealType::stAnyAngleText);
        s.setTextAngle(1200);
        s.setRealWidth(0);
        s.setRealHeight(0);
        QCOMPARE(s.RealTextLength(), 0.0f);
        QCOMPARE(s.TextAngle(), 1200);
    }

    void textLengthOnlyForAnyAngleKinds()
    {
        Seal s;
        s.setRealTextLength(12);
        QCOMPARE(s.RealTextLength(), 0.0f);
    }

    void lineCountSizesLinePoints()
    {
        Seal s;
        s.setSealType(SealType::stHorzLine); // a kind without pattern lines keeps the resized array
        s.setLineCount(8);
        QCOMPARE(s.linePoints().size(), 8);
        // A count from a damaged file must not allocate gigabytes.
        s.setLineCount(2000000000);
        QVERIFY(s.linePoints().size() <= 10000);
        s.setLineCount(-3);
        QCOMPARE(s.linePoints().size(), 0);
    }

    void fontSlots()
    {
        Seal s;
        Spy spy;
        s.setListener(&spy);
        s.setCodeFontName(makeFontSlot("\xBF\xAC\xCC\xE5")); // 楷体
        QCOMPARE(spy.repaints, 1);
        QCOMPARE(fontSlotName(s.CodeFontName()), QByteArray("\xBF\xAC\xCC\xE5"));
        // Bytes after the NUL count when slots are compared.
        FontSlot slot = s.CodeFontName();
        slot[40] = 'x';
        s.setCodeFontName(slot);
        QCOMPARE(spy.repaints, 2);
        QCOMPARE(makeFontSlot(QByteArray(100, 'a'))[63], '\0');
    }
};

QTEST_MAIN(TestSeal)
#include "tst_seal.moc"
