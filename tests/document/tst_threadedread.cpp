// A large document that nobody listens to yet is read on several threads, a run of seals each.
// The seals, and the first refusal, must be those of reading them one after the other, as a
// document with a listener is read.

#include "documenttesting.h"

#include "document/sealentry.h"
#include "seal/gbk.h"
#include "seal/seal.h"

#include <QTest>
#include <QThread>

using namespace qm;
using namespace qm::testing;
using namespace Qt::StringLiterals;

namespace {

constexpr int Seals = 2600;
constexpr int HeaderSize = 4 + 4 * 10 + 4; // version, four extended page values, count
constexpr int RealWidthOffset = 21;

// Seal i rings "示例" i % 7 + 1 times (4 bytes of GBK each) and has the code "12345".
int textBytes(int i)
{
    return 4 * (i % 7 + 1);
}

int entryStart(int index)
{
    qint64 at = HeaderSize;
    for (int i = 0; i < index; ++i)
        at += SealRecordSize + 6 * 4 + textBytes(i) + 5 + 1;
    return int(at);
}

QByteArray manySeals()
{
    SealDocument doc;
    doc.page().setPageWidth(210);
    doc.page().setPageHeight(297);
    SealList seals;
    for (int i = 0; i < Seals; ++i) {
        auto seal = doc.createSeal();
        seal->setSealType(SealType(i % SealTypeCount));
        seal->setText(Gbk::fromUnicode(u"示例"_s.repeated(i % 7 + 1)));
        seal->setCode("12345");
        seal->setRealWidth(float(10 + i % 30));
        seal->setRealHeight(float(8 + i % 20));
        seal->setRealCenterX(float(5 + i % 200));
        seal->setRealCenterY(float(5 + i / 200 * 20));
        seals.push_back(std::move(seal));
    }
    doc.appendSeals(std::move(seals), false);
    return savedDocument(doc);
}

class Listening final : public SealListener
{
public:
    void sealRepaint(Seal &) override {}
    void sealGeometryChanged(Seal &) override {}
};

// A document with a listener is read one seal after the other.
DocumentResult readOneByOne(const QByteArray &bytes, SealDocument &doc)
{
    static Listening listening;
    doc.setSealListener(&listening);
    NoProgress progress;
    return loadDocument(bytes, doc, progress);
}

DocumentResult readAtOnce(const QByteArray &bytes, SealDocument &doc)
{
    NoProgress progress;
    return loadDocument(bytes, doc, progress);
}

QByteArray entryOf(const Seal &seal)
{
    QByteArray entry;
    writeSeal(entry, seal, SealFlavour::File);
    return entry;
}

} // namespace

class TestThreadedRead : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QThread::idealThreadCount() < 2)
            QSKIP("one processor: a document is read by one thread");
    }

    void sameSealsAsOneByOne()
    {
        const QByteArray bytes = manySeals();
        QCOMPARE(bytes.size(), entryStart(Seals));
        SealDocument serial;
        SealDocument threaded;
        QVERIFY(readOneByOne(bytes, serial).ok());
        QVERIFY(readAtOnce(bytes, threaded).ok());
        QCOMPARE(threaded.sealCount(), Seals);
        QCOMPARE(serial.sealCount(), Seals);
        for (int i = 0; i < Seals; ++i) {
            const Seal &a = *serial.seals()[size_t(i)];
            const Seal &b = *threaded.seals()[size_t(i)];
            QVERIFY2(entryOf(a) == entryOf(b), qPrintable(QString::number(i)));
            QCOMPARE(QRect(b.left(), b.top(), b.width(), b.height()), QRect(a.left(), a.top(), a.width(), a.height()));
        }
        // What was read is written back byte for byte.
        QCOMPARE(savedDocument(threaded), bytes);
    }

    void firstRefusalAsOneByOne_data()
    {
        QTest::addColumn<QList<int>>("damaged");
        QTest::addColumn<int>("refused");
        // Two threads read 0 ... 1299 and 1300 ... 2599.
        QTest::newRow("first run") << QList<int>{5} << 5;
        QTest::newRow("last run") << QList<int>{2599} << 2599;
        QTest::newRow("both runs") << QList<int>{2400, 1100} << 1100;
        QTest::newRow("one run, twice") << QList<int>{2000, 1500} << 1500;
    }

    void firstRefusalAsOneByOne()
    {
        QFETCH(QList<int>, damaged);
        QFETCH(int, refused);
        QByteArray bytes = manySeals();
        for (int i : damaged)
            putSingle(bytes, entryStart(i) + RealWidthOffset, std::numeric_limits<float>::quiet_NaN());
        SealDocument serial;
        SealDocument threaded;
        const DocumentResult one = readOneByOne(bytes, serial);
        const DocumentResult all = readAtOnce(bytes, threaded);
        QCOMPARE(all.error, DocumentError::BadFormat);
        QCOMPARE(all.detail, u"seal %1: RealWidth nan is not a finite number"_s.arg(refused));
        QCOMPARE(all.detail, one.detail);
        QCOMPARE(threaded.sealCount(), 0);
    }

    // A file whose last entry is cut short is read one by one, and refused for that entry.
    void cutShortAsOneByOne()
    {
        const QByteArray bytes = manySeals().chopped(3);
        SealDocument threaded;
        const DocumentResult all = readAtOnce(bytes, threaded);
        QCOMPARE(all.error, DocumentError::BadFormat);
        QVERIFY2(all.detail.startsWith(u"seal 2599: "_s), qPrintable(all.detail));
        QCOMPARE(threaded.sealCount(), 0);
    }
};

QTEST_MAIN(TestThreadedRead)
#include "tst_threadedread.moc"
