// The export and print options dialogs of the dialog component, called through the library's
// own entries with the dialog driven as a user would: the records they fill, byte for byte,
// for confirmed and cancelled dialogs.

#include "companions/dialogpack/dialogpackentries.h"
#include "companions/dialogpackloader.h"
#include "testing/modaldialogdriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <cstring>
#include <functional>

using namespace Qt::StringLiterals;
using namespace qm::dialogpack;
using qm::testing::DialogDriver;

namespace {

template <typename T> T *control(QDialog &dialog, const char16_t *name)
{
    T *w = dialog.findChild<T *>(QString::fromUtf16(name));
    if (!w)
        qFatal("no control %s", qPrintable(QString::fromUtf16(name)));
    return w;
}

void choose(QDialog &dialog, const char16_t *name, int data)
{
    QComboBox *box = control<QComboBox>(dialog, name);
    const int index = box->findData(data);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
}

// What the user does, as a checkbox click: nothing when it is disabled.
void click(QDialog &dialog, const char16_t *name)
{
    control<QAbstractButton>(dialog, name)->click();
}

QByteArray bytesOf(const void *record, size_t size)
{
    return QByteArray(static_cast<const char *>(record), qsizetype(size));
}

// The dialog came up over its owner with every control named and every label with a
// mnemonic the buddy of its control.
void checkShown(const DialogDriver &driver, const QString &objectName, QWidget *owner)
{
    QCOMPARE(driver.objectName, objectName);
    QCOMPARE(driver.parent, owner);
    QVERIFY2(driver.unnamed.isEmpty(), qPrintable(driver.unnamed.join(u", "_s)));
    QVERIFY2(driver.buddyless.isEmpty(), qPrintable(driver.buddyless.join(u", "_s)));
}

const qm::DialogPackLoader &realLibrary()
{
    static const qm::DialogPackLoader loader(QStringLiteral(QM_DIALOGPACK_DIR));
    return loader;
}

} // namespace

using Drive = std::function<void(QDialog &)>;
Q_DECLARE_METATYPE(Drive)

class TestDialogPackOptions : public QObject
{
    Q_OBJECT

private slots:
    void exportRecord_data()
    {
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QByteArray>("expected");
        // Extended floats, little-endian: 64-bit significand with its integer bit, then the
        // exponent biased by 16383. 300 dpi = 1500/127 px/mm = 1.4763… × 2^3: exponent 0x4002,
        // significand 1500/127 × 2^60 = 0xBCF9F3E7CF9F3E7C + 124/127, rounded up to …7D.
        // 2400 dpi is 8 × that: the same significand, exponent 0x4005. 72 dpi = 360/127 =
        // 1.417… × 2^1: exponent 0x4000, significand 360/127 × 2^62 = 0xB56AD5AB56AD5AB5 + 53/127.
        const QByteArray dpi300 = QByteArray::fromHex("7d3e9fcfe7f3f9bc0240");
        const QByteArray dpi2400 = QByteArray::fromHex("7d3e9fcfe7f3f9bc0540");
        const QByteArray dpi72 = QByteArray::fromHex("b55aad56abd56ab50040");

        QTest::newRow("defaults: 300 dpi JPEG to a file")
            << Drive() << true << QByteArray("\x01") + dpi300 + QByteArray::fromHex("020000");
        QTest::newRow("72 dpi EMF mirrored to the clipboard") << Drive([](QDialog &d) {
            choose(d, u"resolution", 72);
            choose(d, u"kind", 1);
            click(d, u"mirror");
            click(d, u"toClipboard");
        }) << true << QByteArray("\x01") + dpi72 + QByteArray::fromHex("010101");
        QTest::newRow("2400 dpi bitmap") << Drive([](QDialog &d) {
            choose(d, u"resolution", 2400);
            choose(d, u"kind", 5);
        }) << true << QByteArray("\x01") + dpi2400 + QByteArray::fromHex("050000");
        QTest::newRow("TIFF takes no clipboard") << Drive([](QDialog &d) {
            click(d, u"toClipboard");
            choose(d, u"kind", 4);    // unchecks the box
            click(d, u"toClipboard"); // and it stays off
        }) << true << QByteArray("\x01") + dpi300 + QByteArray::fromHex("040000");
        QTest::newRow("GIF, clipboard checked again after TIFF") << Drive([](QDialog &d) {
            choose(d, u"kind", 4);
            choose(d, u"kind", 3);
            click(d, u"toClipboard");
        }) << true << QByteArray("\x01") + dpi300 + QByteArray::fromHex("030001");
        QTest::newRow("cancelled after choosing: the cleared record stays cleared") << Drive([](QDialog &d) {
            choose(d, u"kind", 1);
            click(d, u"mirror");
        }) << false << QByteArray(14, '\0');
    }
    void exportRecord()
    {
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QByteArray, expected);
        QWidget owner;
        owner.show();
        ExportOptions options{};
        DialogDriver driver(drive, confirm);
        const bool found = realLibrary().callEntry<ShowExportToImageEntry>(
            ShowExportToImageName, u"文件缺失！"_s, [&](auto entry) { entry(&options, &owner); });
        QVERIFY(found);
        checkShown(driver, u"ExportOptions"_s, &owner);
        QCOMPARE(bytesOf(&options, sizeof options).toHex(' '), expected.toHex(' '));
    }

    // Asked for version 2 in the same loading, the dialog offers the later kinds and fills the
    // 15th byte; the option byte then says bitmap, what a reader of the 14 bytes makes of it.
    void laterKindsRecord_data()
    {
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray dpi300 = QByteArray::fromHex("7d3e9fcfe7f3f9bc0240");
        QTest::newRow("PDF") << Drive([](QDialog &d) { choose(d, u"kind", 8); }) << true
                             << QByteArray("\x01") + dpi300 + QByteArray::fromHex("05000008");
        QTest::newRow("PNG mirrored to the clipboard") << Drive([](QDialog &d) {
            choose(d, u"kind", 6);
            click(d, u"mirror");
            click(d, u"toClipboard");
        }) << true << QByteArray("\x01") + dpi300 + QByteArray::fromHex("05010106");
        QTest::newRow("GIF: no later kind") << Drive([](QDialog &d) { choose(d, u"kind", 3); }) << true
                                            << QByteArray("\x01") + dpi300 + QByteArray::fromHex("03000000");
        QTest::newRow("cancelled") << Drive([](QDialog &d) { choose(d, u"kind", 7); }) << false << QByteArray(15, '\0');
    }
    void laterKindsRecord()
    {
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QByteArray, expected);
        QWidget owner;
        owner.show();
        ExportOptionsRecord record{};
        int kinds = 0;
        DialogDriver driver(
            [&](QDialog &d) {
                kinds = control<QComboBox>(d, u"kind")->count();
                drive(d);
            },
            confirm);
        QCOMPARE(realLibrary().showExportOptions(record, &owner), 2);
        QCOMPARE(kinds, 8);
        QCOMPARE(bytesOf(&record, sizeof record).toHex(' '), expected.toHex(' '));
    }

    // The dialog of a caller that never asked offers the five kinds of the 14-byte record.
    void unaskedOffersTheFirstFive()
    {
        QWidget owner;
        owner.show();
        ExportOptions options{};
        int kinds = 0;
        DialogDriver driver([&](QDialog &d) { kinds = control<QComboBox>(d, u"kind")->count(); }, false);
        realLibrary().callEntry<ShowExportToImageEntry>(ShowExportToImageName, u"-"_s,
                                                        [&](auto entry) { entry(&options, &owner); });
        QCOMPARE(kinds, 5);
    }

    void versionAgreed_data()
    {
        QTest::addColumn<int>("caller");
        QTest::addColumn<int>("agreed");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("newer caller") << 9 << 2;
    }
    void versionAgreed()
    {
        QFETCH(int, caller);
        QFETCH(int, agreed);
        int answer = -1;
        realLibrary().callEntry<ExportOptionsVersionEntry>(ExportOptionsVersionName, u"-"_s, [&](auto entry) {
            answer = entry(std::uint8_t(caller));
            entry(1); // no dialog follows: back to the 14 bytes
        });
        QCOMPARE(answer, agreed);
    }

    void cancelledExportWritesOnlyTheConfirmedByte()
    {
        QWidget owner;
        ExportOptions options;
        std::memset(&options, 0xAA, sizeof options);
        DialogDriver driver(Drive(), false);
        realLibrary().callEntry<ShowExportToImageEntry>(ShowExportToImageName, u"-"_s,
                                                        [&](auto entry) { entry(&options, &owner); });
        QCOMPARE(bytesOf(&options, sizeof options), QByteArray(1, '\0') + QByteArray(13, '\xAA'));
    }

    void printRecord_data()
    {
        QTest::addColumn<bool>("colour");
        QTest::addColumn<bool>("mirrored");
        QTest::addColumn<int>("copies");
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QByteArray>("expected"); // colour, mirrored, confirmed, copies LE

        QTest::newRow("confirmed as opened")
            << true << false << 1 << Drive() << true << QByteArray::fromHex("01000101000000");
        QTest::newRow("black, mirrored, 300 copies") << true << false << 1 << Drive([](QDialog &d) {
            click(d, u"black");
            click(d, u"mirror");
            control<QSpinBox>(d, u"copies")->setValue(300); // 0x012C
        }) << true << QByteArray::fromHex("0001012c010000");
        QTest::newRow("opened black and mirrored, back to colour")
            << false << true << 2 << Drive([](QDialog &d) { click(d, u"colour"); }) << true
            << QByteArray::fromHex("01010102000000");
        QTest::newRow("no copies is shown as one")
            << true << false << 0 << Drive() << true << QByteArray::fromHex("01000101000000");
        // A cancelled dialog hands back the options it was opened with, unconfirmed.
        QTest::newRow("cancelled after changes") << true << true << 7 << Drive([](QDialog &d) {
            click(d, u"black");
            control<QSpinBox>(d, u"copies")->setValue(3);
        }) << false << QByteArray::fromHex("01010007000000");
        QTest::newRow("cancelled, many copies")
            << false << false << 70000 << Drive() << false << QByteArray::fromHex("00000070110100");
    }
    void printRecord()
    {
        QFETCH(bool, colour);
        QFETCH(bool, mirrored);
        QFETCH(int, copies);
        QFETCH(Drive, drive);
        QFETCH(bool, confirm);
        QFETCH(QByteArray, expected);
        QWidget owner;
        owner.show();
        PrintOptions result{};
        DialogDriver driver(drive, confirm);
        const bool found =
            realLibrary().callEntry<ShowPrintSetupBoxEntry>(ShowPrintSetupBoxName, u"DLL文件错误！"_s, [&](auto entry) {
                entry(&result, &owner, colour, mirrored, std::int32_t(copies));
            });
        QVERIFY(found);
        checkShown(driver, u"PrintOptions"_s, &owner);
        QCOMPARE(bytesOf(&result, sizeof result).toHex(' '), expected.toHex(' '));
    }

    void aNullRecordIsIgnored()
    {
        // No dialog is shown: the driver finds nothing to press.
        realLibrary().callEntry<ShowExportToImageEntry>(ShowExportToImageName, u"-"_s,
                                                        [](auto entry) { entry(nullptr, nullptr); });
        realLibrary().callEntry<ShowPrintSetupBoxEntry>(ShowPrintSetupBoxName, u"-"_s,
                                                        [](auto entry) { entry(nullptr, nullptr, true, false, 1); });
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestDialogPackOptions)
#include "tst_dialogpackoptions.moc"
