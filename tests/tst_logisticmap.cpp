// The logistic mapping without a window: a step and its number kinds, what the graph screen
// draws, the listing's last thirty lines, how a value is shortened to fit its column, and
// where orbits settle.
#include "logistic/logisticmap.h"

#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace zr;
using namespace logisticmap;

class TestLogisticMap : public QObject {
    Q_OBJECT
  private slots:
    void stepKeepsTheKinds_data() {
        QTest::addColumn<bool>("doubleK");
        QTest::addColumn<float>("x0");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("x");
        const int single = int(Value::Kind::Single), dbl = int(Value::Kind::Double);
        QTest::newRow("integer k, single x") << false << 0.5f << 1 << single << 0.75;
        QTest::newRow("x(3)") << false << 0.5f << 3 << single << 0.73828125;
        QTest::newRow("single rounding") << false << 0.1f << 1 << single << 0.27000001072883606;
        QTest::newRow("double k") << true << 0.1f << 1 << dbl << 0.26999999687075604;
    }

    void stepKeepsTheKinds() {
        QFETCH(bool, doubleK);
        QFETCH(float, x0);
        QFETCH(int, steps);
        Value x = Value::single(x0);
        for (int i = 0; i < steps; ++i)
            x = step(doubleK ? Value::real(3) : Value::integer(3), x);
        QTEST(int(x.kind()), "kind");
        QTEST(x.toDouble(), "x");
    }

    void drawing() {
        // Up to the parabola, across to the diagonal, down to the x-axis.
        const auto lines = cobweb(0.5, 0.75);
        QCOMPARE(
            QList<QLineF>(lines.begin(), lines.end()),
            QList<QLineF>({{0.5, 0, 0.5, 0.75}, {0.5, 0.75, 0.75, 0.75}, {0.75, 0.75, 0.75, 0}}));
        // 100 points from the origin to x = 0.99, the top at (0.5, 0.75) for k = 3.
        const QVector<QPointF> curve = parabola(3);
        const auto byY = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
        QCOMPARE(QList<QPointF>({curve.first(), curve.last(),
                                 *std::max_element(curve.begin(), curve.end(), byY)}),
                 QList<QPointF>({{0, 0}, {0.99f, float(3 * 0.99 * 0.01)}, {0.5, 0.75}}));
        QCOMPARE(curve.size(), 100);
        // Coordinates in single precision; huge ones far outside the screen, not lost.
        QCOMPARE(QList<float>({coordinate(0.1), coordinate(1e300), coordinate(-1e300)}),
                 QList<float>({0.1f, 1e15f, -1e15f}));
        QVERIFY(std::isnan(coordinate(std::nan(""))));
    }

    void listingKeepsTheLastThirty() {
        Listing listing;
        for (int n = 0; n < 30; ++n)
            QVERIFY2(!listing.add(Value::real(n), n), "only the new line is written");
        QVERIFY2(listing.add(Value::real(30), 30), "the screen is written afresh");
        QCOMPARE(listing.count(), 30);
        QCOMPARE(QList<qint64>({listing.line(0).n, listing.line(29).n}), QList<qint64>({1, 30}));
        QCOMPARE(listing.line(0).x, Value::real(1));
    }

    void valueShortenedToFit_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("room");
        QTest::addColumn<QString>("shown");
        // Room counted with digits twice as wide as the other characters, as in most fonts.
        QTest::newRow("fits whole") << 0.73828125 << 99 << "0.73828125";
        QTest::newRow("plain, rounded") << 0.10303441867486574 << 23 << "0.1030344187";
        QTest::newRow("negative") << -0.10303441867486574 << 24 << "-0.1030344187";
        QTest::newRow("carried to fewer digits") << 0.19999999999999998 << 10 << "0.2";
        QTest::newRow("exponent form") << 1.2345678901234568e-300 << 21 << "1.23457E-300";
        QTest::newRow("smallest normal") << 2.2250738585072014e-308 << 23 << "2.225074E-308";
        QTest::newRow("exponent keeps more") << 1.2345678912345678e-4 << 27 << "1.234567891E-04";
        QTest::newRow("no room: one digit") << 0.10303441867486574 << 0 << "0.1";
        QTest::newRow("no room: zero") << 0.0 << 0 << "0";
    }

    void valueShortenedToFit() {
        QFETCH(double, value);
        QFETCH(int, room);
        const auto fits = [room](const QString& text) {
            return text.size() + text.count(QRegularExpression("[0-9]")) <= room;
        };
        QTEST(generalForm(value, Precision::Double, fits), "shown");
    }

    void orbitsSettle_data() {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("fixed point 1 - 1/k") << 2.8 << 1 << 0.6429 << 0.6429;
        QTest::newRow("period 2") << 3.2 << 2 << 0.5130 << 0.7995;
        QTest::newRow("period 4") << 3.5 << 4 << 0.3828 << 0.8750;
    }

    void orbitsSettle() {
        QFETCH(double, k);
        QFETCH(int, period);
        Value x = Value::single(0.5f);
        QList<double> orbit;
        for (int n = 0; n < 2000; ++n, x = step(Value::real(k), x))
            if (n >= 2000 - 2 * period) orbit << x.toDouble();
        for (int i = 0; i < period; ++i)
            QVERIFY(std::abs(orbit[i + period] - orbit[i]) < 1e-9);
        if (period > 1) QVERIFY(std::abs(orbit[period / 2] - orbit[0]) > 0.01); // not shorter
        std::sort(orbit.begin(), orbit.end());
        QTEST(std::round(orbit.first() * 1e4) / 1e4, "low");
        QTEST(std::round(orbit.last() * 1e4) / 1e4, "high");
    }
};

QTEST_GUILESS_MAIN(TestLogisticMap)
#include "tst_logisticmap.moc"
