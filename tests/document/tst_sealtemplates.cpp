// New elements from the creation tools: the values that make each kind look finished, their
// place under the press point, and the face and colour chosen in the main window.

#include "document/sealtemplates.h"
#include "seal/gbk.h"
#include "seal/seal.h"
#include "seal/sealpropertytable.h"

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
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](Tool tool, const QString &property, const QVariant &expected) {
            QTest::addRow("%d %s", tagOf(tool), qPrintable(property)) << tool << property << expected;
        };
        // Lines: the thickness sets the box's thin side; a vertical line first takes the default width.
        row(Tool::HorizontalLine, u"RealHeight"_s, 1.0f);
        row(Tool::VerticalLine, u"RealWidth"_s, 1.0f);
        row(Tool::VerticalLine, u"RealHeight"_s, 40.0f);
        // Any-angle line: a 40 × 40 box is a 45° diagonal of 40√2.
        row(Tool::AnyAngleLine, u"TextAngle"_s, 450);
        row(Tool::AnyAngleLine, u"RealTextLength"_s, float(40 * std::sqrt(2.0L)));
        // Flat text: its one row takes the character height.
        row(Tool::HorizontalText, u"RealHeight"_s, 6.5f);
        // Company seal: star emblem.
        row(Tool::RoundOfficialSeal, u"Text"_s, gbk(u"示例应用软件公司"_s));
        row(Tool::RoundOfficialSeal, u"ImageIsStar"_s, true);
        // Rotating-date seals and their second forms.
        row(Tool::RoundDateSealA, u"TextAngle"_s, 1750);
        row(Tool::RoundDateSealA, u"IsZhuanLunA"_s, true);
        row(Tool::RoundDateSealB, u"TextAngle"_s, 1500);
        row(Tool::RoundDateSealB, u"IsZhuanLunA"_s, false);
        row(Tool::RoundDateSealB, u"TextCenterY2"_s, 9.0f);
        row(Tool::RoundDateSealB, u"TextCenterY3"_s, 16.0f);
        row(Tool::OvalDateSealA, u"TextWidth"_s, 3.5f);
        row(Tool::OvalDateSealB, u"TextWidth"_s, 3.2f);
        row(Tool::OvalDateSealB, u"TextAngle"_s, 1400);
        row(Tool::OvalDateSealB, u"IsZhuanLunA"_s, false);
        row(Tool::SquareDateSealB, u"IsZhuanLunA"_s, false);
        // Invoice seal: an oval with its code line flat in the middle.
        row(Tool::InvoiceSeal, u"Text2"_s, gbk(u"883312345678988"_s));
        row(Tool::InvoiceSeal, u"TextCenterY2"_s, 2.5f);
        row(Tool::InvoiceSeal, u"IsEllipse3"_s, true);
        // Triangle seal against the bare triangle frame.
        row(Tool::TriangleSeal, u"SealType"_s, int(SealType::stTriangle));
        row(Tool::TriangleSeal, u"RealHeight"_s, 38.971f); // 45 × √3 / 2, equilateral
        row(Tool::TriangleSeal, u"PenWidth4"_s, 0.5f);
        row(Tool::TriangleFrame, u"PenWidth4"_s, 0.0f);
        // Name seals.
        row(Tool::SquareNameSealFour, u"PenWidth"_s, 2.0f);
        row(Tool::SquareNameSealTwoLeftOneRight, u"SealType"_s, int(SealType::stName21));
        row(Tool::SquareNameSealTwoAcross, u"TextHeight"_s, 15.0f);
        row(Tool::SquareNameSealTwoAcross, u"TextsHeight"_s, 39.0f);
        row(Tool::SquareNameSealTwoAboveOneBelow, u"Text"_s, gbk(u"壬癸子"_s));
        row(Tool::SquareNameSealTwoAboveOneBelow, u"SealType"_s, int(SealType::stName21A));
    }
    void values()
    {
        QFETCH(Tool, tool);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tool, QPoint(200, 200), screen());
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
        QTest::addColumn<Tool>("tool");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<double>("centreX");
        QTest::addColumn<double>("centreY");
        QTest::addColumn<QRect>("box");
        // f = 100 / (zoom × ppi / 25.4) mm per pixel; k = zoom × ppi / 2540 pixels per mm;
        // left = roundHalfEven(x − k × width / 2).
        // 96 / 3.7795 = 25.4; k × 21 = 79.37: roundHalfEven(16.63), roundHalfEven(112.63), roundHalfEven(158.74).
        QTest::newRow("company seal, 96 ppi, 100 %")
            << 96 << 100 << Tool::RoundOfficialSeal << QPoint(96, 192) << 25.4 << 50.8 << QRect(17, 113, 159, 159);
        // f = 2540 / 18000; k = 7.0866, k × 10 = 70.87: roundHalfEven(229.13), roundHalfEven(379.13),
        // roundHalfEven(141.73).
        QTest::newRow("name seal, 120 ppi, 150 %") << 120 << 150 << Tool::SquareNameSealFour << QPoint(300, 450)
                                                   << 42.3333 << 63.5 << QRect(229, 379, 142, 142);
        // f = 0.529167; k = 1.88976: roundHalfEven(100 − 37.80), roundHalfEven(60 − 25.51), roundHalfEven(75.59),
        // roundHalfEven(51.02).
        QTest::newRow("invoice seal, 96 ppi, 50 %")
            << 96 << 50 << Tool::InvoiceSeal << QPoint(100, 60) << 52.9167 << 31.75 << QRect(62, 34, 76, 51);
        // A zoom of 1 is the new element's own placeholder, yet the box still takes the new
        // resolution: k = 0.0378, roundHalfEven(42 × 0.0378) = roundHalfEven(1.59), roundHalfEven(2 − 0.79).
        QTest::newRow("zoom 1") << 96 << 1 << Tool::RoundOfficialSeal << QPoint(2, 2) << 52.9167 << 52.9167
                                << QRect(1, 1, 2, 2);
    }
    void centredOnPress()
    {
        QFETCH(int, ppi);
        QFETCH(int, zoom);
        QFETCH(Tool, tool);
        QFETCH(QPoint, press);
        QFETCH(double, centreX);
        QFETCH(double, centreY);
        QFETCH(QRect, box);
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tool, press, screen(ppi, zoom));
        QVERIFY(seal);
        QCOMPARE(seal->Zoom(), zoom);
        QVERIFY(std::abs(seal->RealCenterX() - centreX) < 1e-4);
        QVERIFY(std::abs(seal->RealCenterY() - centreY) < 1e-4);
        QCOMPARE(QRect(seal->left(), seal->top(), seal->width(), seal->height()), box);
        QVERIFY(seal->isVisible());
    }

    void faceAndColourOfTheWindow()
    {
        const std::unique_ptr<Seal> seal = newSealFromTemplate(Tool::RoundOfficialSeal, QPoint(200, 200), screen());
        QVERIFY(seal);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(fontSlotName(seal->fontSlot(i)), Gbk::fromUnicode(u"楷体"_s));
        QCOMPARE(seal->PenColor(), Blue);
        QCOMPARE(seal->BrushColor(), Blue);
    }

    void pictureTools_data()
    {
        QTest::addColumn<Tool>("tool");
        QTest::newRow("picture file") << Tool::PictureFromFile;
        QTest::newRow("emblem") << Tool::EmblemPicture;
    }
    void pictureTools()
    {
        QFETCH(Tool, tool);
        TemplateContext context = screen();
        QVERIFY(!newSealFromTemplate(tool, QPoint(200, 200), context)); // dialog cancelled

        context.picture = "not a picture";
        QString error;
        QVERIFY(!newSealFromTemplate(tool, QPoint(200, 200), context, &error));
        QVERIFY(!error.isEmpty());

        context.picture = blackOnWhiteBmp();
        const std::unique_ptr<Seal> seal = newSealFromTemplate(tool, QPoint(200, 200), context);
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
        QVERIFY(!newSealFromTemplate(Tool(0), QPoint(10, 10), screen())); // no tool
        QVERIFY(!newSealFromTemplate(Tool::Hand, QPoint(10, 10), screen()));
        QVERIFY(!newSealFromTemplate(Tool::RoundOfficialSeal, QPoint(10, 10), screen(0)));
        QVERIFY(!newSealFromTemplate(Tool::RoundOfficialSeal, QPoint(10, 10), screen(96, 0)));
    }
};

QTEST_GUILESS_MAIN(TestSealTemplates)
#include "tst_sealtemplates.moc"
