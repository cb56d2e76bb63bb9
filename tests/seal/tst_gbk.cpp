#include "seal/gbk.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestGbk : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("gbk");
        QTest::newRow("song face") << u"宋体"_s << QByteArray("\xCB\xCE\xCC\xE5");
        QTest::newRow("latin") << u"AB12"_s << QByteArray("AB12");
        QTest::newRow("mixed") << u"A印"_s << QByteArray("A\xD3\xA1");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, gbk);
        QCOMPARE(qm::Gbk::fromUnicode(text), gbk);
        QCOMPARE(qm::Gbk::toUnicode(gbk), text);
    }

    void invalidBytesKeepTheRest()
    {
        // A lone lead byte in the middle and a truncated pair at the end.
        const QString s = qm::Gbk::toUnicode(QByteArray("A\x81"
                                                        "B\xCB\xCE\xCC"));
        QVERIFY(s.startsWith(u'A'));
        QVERIFY(s.contains(u"宋"_s));
        QVERIFY(s.contains(QChar(0xFFFD)));
    }

    void unmappableBecomesQuestionMark()
    {
        const QByteArray out = qm::Gbk::fromUnicode(u"a\U0001F600b"_s);
        QVERIFY(out.startsWith('a'));
        QVERIFY(out.endsWith('b'));
        const QByteArray middle = out.mid(1, out.size() - 2);
        QVERIFY(!middle.isEmpty());
        QCOMPARE(middle.count('?'), middle.size());
    }

    void doubleByte()
    {
        QVERIFY(qm::Gbk::isDoubleByte(u'印'));
        QVERIFY(!qm::Gbk::isDoubleByte(u'A'));
        QVERIFY(!qm::Gbk::isDoubleByte(u'7'));
    }
};

QTEST_GUILESS_MAIN(TestGbk)
#include "tst_gbk.moc"
