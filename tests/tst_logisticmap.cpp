// The logistic mapping without a window: a step and its number kinds, where orbits settle,
// the lines the graph screen draws for a step, and the listing's last thirty lines.
#include "logistic/logisticmap.h"

#include <QtTest>

using namespace zr;
using namespace logisticmap;

class TestLogisticMap : public QObject {
    Q_OBJECT
  private slots:
    // From x0 = 0.5 as a single: with the integer k = 3 in single precision, with a double k
    // in double; far on, the orbit repeats with its period (to four digits).
    void steps_data() {
        QTest::addColumn<QString>("k"); // "3" the integer, otherwise a double
        QTest::addColumn<int>("from");
        QTest::addColumn<QStringList>("orbit"); // x(from) and on
        using Orbit = QStringList;
        // clang-format off
        QTest::newRow("k 3") << "3" << 4 << Orbit{"0.5796661376953125", "0.7309598922729492"};
        QTest::newRow("k 3.0") << "3.0" << 4 << Orbit{"0.5796661376953125", "0.7309599195141345"};
        QTest::newRow("period 2") << "3.2" << 2000 << Orbit{"0.513", "0.7995", "0.513"};
        QTest::newRow("period 4") << "3.5" << 2000
                                  << Orbit{"0.5009", "0.875", "0.3828", "0.8269", "0.5009"};
        // clang-format on
    }

    void steps() {
        QFETCH(QString, k);
        QFETCH(int, from);
        QFETCH(QStringList, orbit);
        const Value kv = k == "3" ? Value::integer(3) : Value::real(k.toDouble());
        Value x = Value::single(0.5f);
        QStringList seen;
        const int digits = from > 4 ? 4 : QLocale::FloatingPointShortest;
        for (int n = 0; n < from + orbit.size(); ++n, x = step(kv, x))
            seen << QString::number(x.toDouble(), 'g', digits);
        QCOMPARE(seen.mid(from), orbit);
    }

    // Up to the parabola, across to the diagonal, down to the x-axis.
    void cobwebOfAStep() {
        QCOMPARE(cobweb(0.5, 0.75),
                 (std::array<QLineF, 3>{QLineF(0.5, 0, 0.5, 0.75), QLineF(0.5, 0.75, 0.75, 0.75),
                                        QLineF(0.75, 0.75, 0.75, 0)}));
    }

    // After 1, 30, 31 and 70,000 steps: the lines, the first's and the last's step number,
    // whether the screen is written afresh.
    void listingKeepsTheLastThirty() {
        Listing listing;
        QList<qint64> seen;
        for (int n = 0; n < 70000; ++n) {
            const bool afresh = listing.add(Value::real(n), n);
            if (n == 0 || n == 29 || n == 30 || n == 69999)
                seen << listing.count() << listing.line(0).n << listing.line(listing.count() - 1).n
                     << afresh;
        }
        QCOMPARE(seen,
                 QList<qint64>({1, 0, 0, 0, 30, 0, 29, 0, 30, 1, 30, 1, 30, 69970, 69999, 1}));
        QCOMPARE(listing.line(0).x, Value::real(69970));
    }
};

QTEST_GUILESS_MAIN(TestLogisticMap)
#include "tst_logisticmap.moc"
