#include "document/extendedfloat.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace qm;

namespace {
QByteArray bytesOf(const ExtendedBytes &e)
{
    return QByteArray(reinterpret_cast<const char *>(e.data()), qsizetype(e.size()));
}
} // namespace

class TestExtendedFloat : public QObject
{
    Q_OBJECT

private slots:
    // Significand with its integer bit in bytes 0-7, sign and biased exponent in bytes 8-9.
    void encode_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("bytes");
        // 210 = 0.8203125 * 2^8: exponent 16383 + 7 = 0x4006, significand 0xD2 << 56
        QTest::newRow("210") << 210.0 << QByteArray::fromHex("00000000000000D20640");
        // 297 = 0x129 * 2^0: exponent 16383 + 8 = 0x4007, significand 0x129 << 55 = 0x9480...
        QTest::newRow("297") << 297.0 << QByteArray::fromHex("00000000000080940740");
        // 6 = 0.75 * 2^3: exponent 16383 + 2 = 0x4001, significand 0xC0 << 56
        QTest::newRow("6") << 6.0 << QByteArray::fromHex("00000000000000C00140");
        QTest::newRow("1") << 1.0 << QByteArray::fromHex("0000000000000080FF3F");
        QTest::newRow("-2") << -2.0 << QByteArray::fromHex("000000000000008000C0");
        QTest::newRow("zero") << 0.0 << QByteArray(10, '\0');
        // 0.5 = 2^-1: exponent 16383 - 1 = 0x3FFE
        QTest::newRow("0.5") << 0.5 << QByteArray::fromHex("0000000000000080FE3F");
    }
    void encode()
    {
        QFETCH(double, value);
        QFETCH(QByteArray, bytes);
        QCOMPARE(bytesOf(encodeExtended(value)), bytes);
        QCOMPARE(double(decodeExtended(reinterpret_cast<const std::uint8_t *>(bytes.constData()))), value);
    }

    void roundTrip_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("a tenth") << 0.1;
        QTest::newRow("page width in inches") << 209.97333333333333;
        QTest::newRow("negative margin") << -4.98666;
        QTest::newRow("large") << 1e300;
        QTest::newRow("tiny") << 1e-300;
        QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min();
    }
    void roundTrip()
    {
        QFETCH(double, value);
        const ExtendedBytes e = encodeExtended(value);
        QCOMPARE(double(decodeExtended(e.data())), value);
    }

    void extendedPrecisionIsKept()
    {
        // One third carries 64 significant bits, more than a double holds.
        const long double third = 1.0L / 3;
        const ExtendedBytes e = encodeExtended(third);
        QVERIFY(decodeExtended(e.data()) == third);
    }

    void specialValues()
    {
        const long double inf = std::numeric_limits<long double>::infinity();
        QCOMPARE(bytesOf(encodeExtended(inf)), QByteArray::fromHex("0000000000000080FF7F"));
        QVERIFY(std::isinf(decodeExtended(encodeExtended(-inf).data())));
        QVERIFY(std::isnan(decodeExtended(encodeExtended(std::nanl("")).data())));
        // A denormal extended value (exponent field 0) decodes without the integer bit.
        const QByteArray denormal = QByteArray::fromHex("01000000000000000000");
        QVERIFY(decodeExtended(reinterpret_cast<const std::uint8_t *>(denormal.constData())) > 0);
    }
};

QTEST_GUILESS_MAIN(TestExtendedFloat)
#include "tst_extendedfloat.moc"
