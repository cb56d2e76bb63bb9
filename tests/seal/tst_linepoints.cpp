// Pattern-line geometry of the four frame families: the walks, the carried leftovers, the
// insets and the order of the lines. Expected points are worked out from the frame rules.

#include "seal/ellipsewalk.h"
#include "seal/linepoints.h"

#include <QTest>

#include <cmath>
#include <future>

using namespace qm;

namespace {

// The 2n points as "outer>inner" per line, easy to read in a failure message.
QStringList lines(const PointArray &pts)
{
    QStringList out;
    const qsizetype n = pts.size() / 2;
    for (qsizetype i = 0; i < n; ++i)
        out << QStringLiteral("(%1,%2)>(%3,%4)")
                   .arg(pts[i].x())
                   .arg(pts[i].y())
                   .arg(pts[n + i].x())
                   .arg(pts[n + i].y());
    return out;
}

QString line(int ox, int oy, int ix, int iy)
{
    return QStringLiteral("(%1,%2)>(%3,%4)").arg(ox).arg(oy).arg(ix).arg(iy);
}

} // namespace

class TestLinePoints : public QObject
{
    Q_OBJECT

private slots:
    void rectangle_data()
    {
        QTest::addColumn<bool>("outSide");
        QTest::addColumn<bool>("inSide");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("expected");

        // W 100, H 64, p 8, so = si = -1: f = (200 + 128 + 8) / 8 = 42, g = truncToInt(102 / 42) + 1 = 3,
        // rT = 102 - 2·42 = 18, t = truncToInt((66 + 18) / 42) = 2, rR = 0, u = truncToInt(102 / 42) = 2, rB = 18,
        // left 8 - 3 - 2 - 2 = 1. Inner fi = (328 - 64 - 8) / 8 = 32, rTi = 82 - 64 = 18, rRi = 46 + 18 - 64
        // = 0, rBi = 82 - 64 = 18.
        QTest::newRow("breaking both edges")
            << true << true << 8
            << QStringList{line(-1, -1, 9, 9),                           // top: (k·42 - 1, -1)
                           line(41, -1, 41, 9),                          //      (32k + 9, 9)
                           line(83, -1, 73, 9),   line(101, 23, 91, 21), // right: -1 + 42 - 18; 7 + 32 - 18
                           line(101, 65, 91, 53), line(59, 65, 59, 55),  // bottom: 101 - 42; 91 - 32
                           line(17, 65, 27, 55),  line(-1, 41, 9, 43)};  // left: 65 - 42 + 18; 57 - 32 + 18
        // so = si = 8 / 4 = 2: f = (328 - 16) / 8 = 39, g = truncToInt(96 / 39) + 1 = 3, rT = 96 - 78 = 18,
        // t = truncToInt(78 / 39) = 2, rR = 0, u = 2, rB = 18. fi = (328 - 64 + 16) / 8 = 35, rTi = 88 - 70 = 18,
        // rRi = 52 + 18 - 70 = 0, rBi = 88 - 70 = 18.
        QTest::newRow("inside the band") << false << false << 8
                                         << QStringList{line(2, 2, 6, 6), // top: (39k + 2, 2), (35k + 6, 6)
                                                        line(41, 2, 41, 6),
                                                        line(80, 2, 76, 6),
                                                        line(98, 23, 94, 27), // right: 2 + 39 - 18; 10 + 35 - 18
                                                        line(98, 62, 94, 62),
                                                        line(59, 62, 59, 58), // bottom: 98 - 39; 94 - 35
                                                        line(20, 62, 24, 58),
                                                        line(2, 41, 6, 37)}; // left: 62 - 39 + 18; 54 - 35 + 18
        // n 5: f = 336 / 5 = 67.2, g = truncToInt(102 / 67.2) + 1 = 2, rT = 34.8, t = truncToInt(100.8 / 67.2) = 1,
        // rR = 33.6, u = truncToInt(135.6 / 67.2) = 2, left 0. fi = 256 / 5 = 51.2, rTi = 82 - 51.2 = 30.8,
        // rRi = 46 + 30.8 - 51.2 = 25.6.
        QTest::newRow("leftovers carried")
            << true << true << 5
            << QStringList{line(-1, -1, 9, 9), line(66, -1, 60, 9), // roundHalfEven(66.2), roundHalfEven(60.2)
                           line(101, 31, 91, 27),                   // roundHalfEven(31.4), roundHalfEven(27.4)
                           line(67, 65, 65, 55),                    // roundHalfEven(67.4), roundHalfEven(65.4)
                           line(0, 65, 14, 55)};                    // roundHalfEven(0.2), roundHalfEven(14.2)
    }
    void rectangle()
    {
        QFETCH(bool, outSide);
        QFETCH(bool, inSide);
        QFETCH(int, n);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(LinePoints::rectangle(100, 64, outSide, inSide, n, 8)), expected);
    }

    void oval_data()
    {
        QTest::addColumn<bool>("atTop");
        QTest::addColumn<int>("sweep");
        QTest::addColumn<QStringList>("expected");

        // A circle W = H = 100, p 10, 4 lines over 300.0°: f is the radius r everywhere, so the half
        // arc from -600 to 900 is 1501 r, the step 2 · 1501 r / 4 = 750.5 r. Line 0 needs
        // ceil(0.5 · 750.5) = 376 steps down from 2400, then one more: 2023; line 2 needs
        // ceil(2.5 · 750.5) = 1877: 522; line 1 is the mirror of line 2.
        // Outer semi-axis (100 + 1) / 2 = 50.5, inner (100 - 20 - 1) / 2 = 39.5;
        // cos 202.3° = -0.92521, sin 202.3° = -0.37946; cos 52.2° = 0.61287, sin 52.2° = 0.79018.
        const QStringList overTheTop{line(3, 69, 13, 65),   // 50 - 46.72, 50 + 19.16; 50 - 36.55, 50 + 14.99
                                     line(19, 10, 26, 19),  // mirror of line 2
                                     line(81, 10, 74, 19),  // 50 + 30.95, 50 - 39.90; 50 + 24.21, 50 - 31.21
                                     line(97, 69, 87, 65)}; // mirror of line 0
        QTest::newRow("over the top") << true << 3000 << overTheTop;
        QTest::newRow("one turn more") << true << 3600 + 3000 << overTheTop;
        // Two full turns are one full turn, not none: from -900 to 900 the half arc is 1801 r, the
        // step 900.5 r. Line 0 needs ceil(450.25) = 451 steps down from 2700 and one more: 2248;
        // line 2 ceil(2251.25) = 2252 and one more: 447. cos 224.8° = -0.70957, sin 224.8° =
        // -0.70463; cos 44.7° = 0.71080, sin 44.7° = 0.70340.
        QTest::newRow("two full turns") << true << 7200
                                        << QStringList{
                                               line(14, 86, 22, 78),  // 50 - 35.83, 50 + 35.58; 50 - 28.03, 50 + 27.83
                                               line(14, 14, 22, 22),  // mirror of line 2
                                               line(86, 14, 78, 22),  // 50 + 35.90, 50 - 35.52; 50 + 28.08, 50 - 27.78
                                               line(86, 86, 78, 78)}; // mirror of line 0
        // Centred at the bottom: start 1200, end 4200, line 0 at 4200 - 377 = 3823 (22.3°), line 2 at
        // 4200 - 1878 = 2322 (232.2°).
        QTest::newRow("under the bottom")
            << false << 3000
            << QStringList{line(97, 31, 87, 35), // 50 + 46.72, 50 - 19.16; 50 + 36.55, 50 - 14.99
                           line(81, 90, 74, 81), // mirror of line 2
                           line(19, 90, 26, 81), // 50 - 30.95, 50 + 39.90; 50 - 24.21, 50 + 31.21
                           line(3, 31, 13, 35)};
    }
    void oval()
    {
        QFETCH(bool, atTop);
        QFETCH(int, sweep);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(LinePoints::oval(100, 100, true, true, atTop, sweep, 4, 10)), expected);
    }

    // The one-pass walk the oval lines and the code use must stop where separate walks stop.
    void walkStopsMatchSeparateWalks()
    {
        const EllipseWalk walk(180.5L, 95.25L, -600, 900, 37);
        const QList<int> stops = walk.walkStops(2400, 37);
        QCOMPARE(stops.size(), 37);
        for (int i = 0; i < 37; ++i)
            QCOMPARE(stops[i], walk.walkFrom(2400, i));
    }

    void sineTableMatchesDirectComputation()
    {
        // Over the whole table, past both of its ends, and from two threads at once.
        const auto check = [](int from, int to) {
            int wrong = 0;
            for (int tenths = from; tenths <= to; ++tenths) {
                const long double t = tenths * TenthToRad;
                const SinCos table = sinCosOfTenths(tenths);
                if (table.sin != std::sin(t) || table.cos != std::cos(t))
                    ++wrong;
            }
            return wrong;
        };
        std::future<int> other = std::async(std::launch::async, check, -36010, 0);
        QCOMPARE(check(0, 36010), 0);
        QCOMPARE(other.get(), 0);
    }

    void triangle_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("expected");

        // W 120, H 90, p 10, so = si = -1. n 7: m = truncToInt(120 / (300 / 7)) = truncToInt(2.8) = 2, t = 3
        // (7 - 3 = 4 is even), k = 2. Top x = roundHalfEven(-1 + 40 (i + ½)), inner y = 10 + 1.
        // Slanted: u = 120 / 6 (j + 1), y = roundHalfEven(90 / 3 (j + 1)); β = atan(180 / 120),
        // p / sin β = 10 / 0.83205 = 12.0185.
        QTest::newRow("seven") << 7
                               << QStringList{
                                      line(19, -1, 19, 11), line(59, -1, 59, 11),
                                      line(99, -1, 99, 11), line(19, 30, 33, 30),  // -1 + 20; 12.02 + 1 + 20
                                      line(39, 60, 53, 60), line(101, 30, 87, 30), // 121 - 20; 120 - 12.02 - 1 - 20
                                      line(81, 60, 67, 60)};
        // n 6: m = truncToInt(2.4) = 2, 6 - 2 - 1 = 3 is odd, so t = 4 and k = 1: x = roundHalfEven(-1 + 30 (i + ½)),
        // u = 120 / 4 = 30, y = 90 / 2 = 45.
        QTest::newRow("six: the top takes the odd line")
            << 6 << QStringList{line(14, -1, 14, 11),   line(44, -1, 44, 11), line(74, -1, 74, 11),
                                line(104, -1, 104, 11), line(29, 45, 43, 45), // 12.02 + 1 + 30
                                line(91, 45, 77, 45)};
    }
    void triangle()
    {
        QFETCH(int, n);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(LinePoints::triangle(120, 90, true, true, n, 10)), expected);
    }

    void rhomb()
    {
        // W 100, H 60, p 6, n 6: dy = 120 / 8 = 15, dx = 200 / 8 = 25; β = atan(0.6),
        // p / sin β = 6 / 0.514496 = 11.6619. Rows r = 1, 2 in the order upper left, upper right,
        // lower left, lower right, stopping after six lines.
        const QStringList expected{line(23, 15, 39, 15),                       // 50 - 2 - 25; 50 + 11.66 + 2 - 25
                                   line(77, 15, 61, 15),                       // 50 + 2 + 25; 50 - 11.66 - 2 + 25
                                   line(23, 45, 39, 45),                       // y = 60 - 15
                                   line(77, 45, 61, 45), line(-2, 30, 14, 30), // 50 - 2 - 50; 50 + 11.66 + 2 - 50
                                   line(102, 30, 86, 30)};
        QCOMPARE(lines(LinePoints::rhomb(100, 60, true, true, 6, 6)), expected);
    }

    // A damaged document can carry any size, frame width and count: the walks must stay inside
    // their 2n points, never divide by zero and give no lines for no or absurd counts.
    void degenerateBoxes_data()
    {
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("p");
        QTest::newRow("empty box") << 0 << 0 << 8;
        QTest::newRow("negative box") << -50 << -20 << 8;
        QTest::newRow("frame wider than the seal") << 20 << 20 << 400;
        QTest::newRow("huge box") << std::numeric_limits<int>::max() << std::numeric_limits<int>::max() << 12;
    }
    void degenerateBoxes()
    {
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, p);
        for (int n : {1, 7, 40}) {
            for (const PointArray &pts :
                 {LinePoints::rectangle(W, H, false, false, n, p),
                  LinePoints::oval(W, H, false, false, false, 3000, n, p),
                  LinePoints::triangle(W, H, false, false, n, p), LinePoints::rhomb(W, H, false, false, n, p)})
                QVERIFY(pts.isEmpty() || pts.size() == 2 * n);
        }
        for (int n : {0, -3, LinePoints::MaxLines + 1})
            QVERIFY(LinePoints::rectangle(100, 100, true, true, n, p).isEmpty());
        QVERIFY(LinePoints::triangle(W > 0 ? W : 0, 0, true, true, 5, p).isEmpty());
        QVERIFY(LinePoints::rhomb(0, H > 0 ? H : 0, true, true, 5, p).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLinePoints)
#include "tst_linepoints.moc"
