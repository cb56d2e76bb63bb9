// New elements from the creation tools: the values that make each kind look finished, their
// place under the press point, and the face and colour chosen in the main window.

#include "document/sealtemplates.h"
#include "seal/gbk.h"
#include "seal/sealpropertytable.h"
#include "seal/seal.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

using namespace qm;
using namespace Qt::StringLiterals;

namespace {

constexpr Colour Blue = 0xFF0000;

TemplateContext screen(int ppi = 96, int zoom = 100)
{
    TemplateContext c;
    c.faceGbk = Gbk::fromUnicode(u"楷体"_s);
    c.penColor = Blue;
    c.pixelsPerMm = float(ppi / 25.4L);
    c.zoom = zoom;
    return c;
}

// A 2 × 1 bitmap: a black emblem pixel on a white ground.
QByteArray blackOnWhiteBmp()
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, 0xFF000000);
    image.setPixel(1, 0, 0xFFFFFFFF);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

QVariant gbk(const QString &s)
{
    return Gbk::fromUnicode(s);
}

} // namespace

class TestSealTemplates : public QObject
{
    Q_OBJECT

private slots:
    void values_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](int tag, const QString &property, const QVariant &expected) {
            QTest::addRow("%d %s", tag, qPrintable(property)) << tag << property << expected;
        };
        // Lines: the thickness sets the box's thin side; a vertical line first takes the default width.
        row(1, u"RealHeight"_s, 1.0f);
        row(2, u"RealWidth"_s, 1.0f);
        row(2, u"RealHeight"_s, 40.0f);
        // Any-angle line: a 40 × 40 box is a 45° diagonal of 40√2.
        row(3, u"TextAngle"_s, 450);
        row(3, u"RealTextLength"_s, float(40 * std::sqrt(2.0L)));
        // Flat text: its one row takes the character height.
        row(11, u"RealHeight"_s, 6.5f);
        // Company seal: star emblem.
        row(17, u"Text"_s, gbk(u"示例应用软件公司"_s));
        row(17, u"ImageIsStar"_s, true);
        // Rotating-date seals and their second forms.
        row(19, u"TextAngle"_s, 1750);
        row(19, u"IsZhuanLunA"_s, true);
        row(20, u"TextAngle"_s, 1500);
        row(20, u"IsZhuanLunA"_s, false);
        row(20, u"TextCenterY2"_s, 9.0f);
        row(20, u"TextCenterY3"_s, 16.0f);
        row(23, u"TextWidth"_s, 3.5f);
        row(24, u"TextWidth"_s, 3.2f);
        row(24, u"TextAngle"_s, 1400);
        row(24, u"IsZhuanLunA"_s, false);
        row(28, u"IsZhuanLunA"_s, false);
        // Invoice seal: an oval with its code line flat in the middle.
        row(22, u"Text2"_s, gbk(u"883312345678988"_s));
        row(22, u"TextCenterY2"_s, 2.5f);
        row(22, u"IsEllipse3"_s, true);
        // Triangle seal against the bare triangle frame.
        row(30, u"SealType"_s, int(SealType::stTriangle));
        row(30, u"RealHeight"_s, 38.971f); // 45 × √3 / 2, equilateral
        row(30, u"PenWidth4"_s, 0.5f);
        row(9, u"PenWidth4"_s, 0.0f);
        // Name seals.
        row(31, u"PenWidth"_s, 2.0f);
        row(33, u"SealType"_s, int(SealType::stName21));
        row(34, u"TextHeight"_s, 15.0f);
        row(34, u"TextsHeight"_s, 39.0f);
        row(36, u"Text"_s, gbk(u"壬癸子"_s));
        row(36, u"SealType"_s, int(SealType::stName21A));
    }
    void values()
    {
        QFETCH(int, tag);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tag, QPoint(200, 200), screen());
        QVERIFY(seal);
        const SealProperty *p = findSealProperty(property);
        QVERIFY(p);
        const QVariant actual = p->get(*seal);
        if (expected.typeId() == QMetaType::Float)
            QCOMPARE(actual.toFloat(), expected.toFloat());
        else
            QCOMPARE(actual, expected);
    }

    void centredOnPress_data()
    {
        QTest::addColumn<int>("ppi");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<double>("centreX");
        QTest::addColumn<double>("centreY");
        QTest::addColumn<QRect>("box");
        // f = 100 / (zoom × ppi / 25.4) mm per pixel; k = zoom × ppi / 2540 pixels per mm;
        // left = roundHalfEven(x − k × width / 2).
        // 96 / 3.7795 = 25.4; k × 21 = 79.37: roundHalfEven(16.63), roundHalfEven(112.63), roundHalfEven(158.74).
        QTest::newRow("company seal, 96 ppi, 100 %")
            << 96 << 100 << 17 << QPoint(96, 192) << 25.4 << 50.8 << QRect(17, 113, 159, 159);
        // f = 2540 / 18000; k = 7.0866, k × 10 = 70.87: roundHalfEven(229.13), roundHalfEven(379.13), roundHalfEven(141.73).
        QTest::newRow("name seal, 120 ppi, 150 %")
            << 120 << 150 << 31 << QPoint(300, 450) << 42.3333 << 63.5 << QRect(229, 379, 142, 142);
        // f = 0.529167; k = 1.88976: roundHalfEven(100 − 37.80), roundHalfEven(60 − 25.51), roundHalfEven(75.59), roundHalfEven(51.02).
        QTest::newRow("invoice seal, 96 ppi, 50 %")
            << 96 << 50 << 22 << QPoint(100, 60) << 52.9167 << 31.75 << QRect(62, 34, 76, 51);
        // A zoom of 1 is the new element's own placeholder, yet the box still takes the new
        // resolution: k = 0.0378, roundHalfEven(42 × 0.0378) = roundHalfEven(1.59), roundHalfEven(2 − 0.79).
        QTest::newRow("zoom 1") << 96 << 1 << 17 << QPoint(2, 2) << 52.9167 << 52.9167 << QRect(1, 1, 2, 2);
    }
    void centredOnPress()
    {
        QFETCH(int, ppi);
        QFETCH(int, zoom);
        QFETCH(int, tag);
        QFETCH(QPoint, press);
        QFETCH(double, centreX);
        QFETCH(double, centreY);
        QFETCH(QRect, box);
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tag, press, screen(ppi, zoom));
        QVERIFY(seal);
        QCOMPARE(seal->Zoom(), zoom);
        QVERIFY(std::abs(seal->RealCenterX() - centreX) < 1e-4);
        QVERIFY(std::abs(seal->RealCenterY() - centreY) < 1e-4);
        QCOMPARE(QRect(seal->left(), seal->top(), seal->width(), seal->height()), box);
        QVERIFY(seal->isVisible());
    }

    void faceAndColourOfTheWindow()
    {
        const std::unique_ptr<Seal> seal = newSealFromTemplate(17, QPoint(200, 200), screen());
        QVERIFY(seal);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(fontSlotName(seal->fontSlot(i)), Gbk::fromUnicode(u"楷体"_s));
        QCOMPARE(seal->PenColor(), Blue);
        QCOMPARE(seal->BrushColor(), Blue);
    }

    void pictureTools_data()
    {
        QTest::addColumn<int>("tag");
        QTest::newRow("picture file") << 16;
        QTest::newRow("emblem") << 41;
    }
    void pictureTools()
    {
        QFETCH(int, tag);
        TemplateContext context = screen();
        QVERIFY(!newSealFromTemplate(tag, QPoint(200, 200), context)); // dialog cancelled

        context.picture = "not a picture";
        QString error;
        QVERIFY(!newSealFromTemplate(tag, QPoint(200, 200), context, &error));
        QVERIFY(!error.isEmpty());

        context.picture = blackOnWhiteBmp();
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tag, QPoint(200, 200), context);
        QVERIFY(seal);
        QVERIFY(seal->HaveImage());
        QVERIFY(!seal->ImageIsStar());
        // The colour comes after the picture, so the emblem is recoloured: black takes the
        // pen colour 0x00BBGGRR = blue, white stays.
        QCOMPARE(seal->pictureBitmap().pixel(0, 0), 0xFF0000FFu);
        QCOMPARE(seal->pictureBitmap().pixel(1, 0), 0xFFFFFFFFu);
    }

    void noElement()
    {
        QVERIFY(!newSealFromTemplate(0, QPoint(10, 10), screen()));
        QVERIFY(!newSealFromTemplate(42, QPoint(10, 10), screen())); // the hand tool
        QVERIFY(!newSealFromTemplate(17, QPoint(10, 10), screen(0)));
        QVERIFY(!newSealFromTemplate(17, QPoint(10, 10), screen(96, 0)));
    }
};

QTEST_GUILESS_MAIN(TestSealTemplates)
#include "tst_sealtemplates.moc"
