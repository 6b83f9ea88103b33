// The random-vertex game without a window: where the corners lie, which vertex a random
// number picks, where the points fall and in which number kinds, and where they settle.
#include "sieve/vertexgame.h"

#include <QtTest>
#include <cmath>

using namespace vertexgame;
using zr::Value;

namespace {
const double Pi = std::atan(1.0) * 4;
} // namespace

class TestVertexGame : public QObject {
    Q_OBJECT
  private slots:
    // Vertices 0 to n: vertex n is vertex 0 again.
    void corners_data() {
        QTest::addColumn<QList<QPointF>>("corners");
        QTest::newRow("square") << QList<QPointF>{
            {0, 200}, {200, 0}, {0, -200}, {-200, 0}, {0, 200}};
        QTest::newRow("triangle") << QList<QPointF>{
            {0, 200}, {173.205078125, -100}, {-173.205078125, -100}, {0, 200}};
        QTest::newRow("pentagon") << QList<QPointF>{{0, 200},
                                                    {190.2113, 61.8034},
                                                    {117.5571, -161.8034},
                                                    {-117.5571, -161.8034},
                                                    {-190.2113, 61.8034},
                                                    {0, 200}};
    }
    void corners() {
        QFETCH(QList<QPointF>, corners);
        const int n = corners.size() - 1;
        for (int v = 0; v <= n; ++v) {
            const QPointF c = corner(angle(v, Pi, n));
            QVERIFY(QLineF(c, corners[v]).length() < 1e-4);
            // Single precision, as lines are drawn: a triangle's lower corners lie at -100
            // exactly, not at -99.99999999999996.
            QCOMPARE(QString::number(c.y(), 'g', 17), QString::number(float(c.y()), 'g', 17));
        }
        QCOMPARE(angle(n, Pi, n), 2 * Pi);
    }

    void vertexChoice_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("entered"); // a count typed in is a double, the first 3 an integer
        QTest::addColumn<float>("rnd");
        QTest::addColumn<int>("vertex");
        QTest::newRow("0") << 3 << false << 0.0f << 0;
        QTest::newRow("a third") << 3 << false << 1 / 3.0f << 1;
        QTest::newRow("just below 1") << 3 << false << 0.99999994f << 2;
        QTest::newRow("entered, just below 1") << 5 << true << 0.99999994f << 4;
        // In single precision the product would round up to 5.
        QTest::newRow("entered: product in double") << 6 << true << 0.833333313f << 4;
    }
    void vertexChoice() {
        QFETCH(int, n);
        QFETCH(bool, entered);
        QFETCH(float, rnd);
        QFETCH(int, vertex);
        QCOMPARE(chooseVertex(rnd, entered ? Value::real(n) : Value::integer(n)), vertex);
        for (int v = 0; v < n; ++v)
            QCOMPARE(chooseVertex((v + 0.5f) / n, Value::real(n)), v);
    }

    // Every walk starts from the random numbers 0.1 and 0.7, x first: (-160, 80) in single
    // precision, where a double would give (-159.9999994, 79.9999952).
    void walk_data() {
        QTest::addColumn<float>("ratio");
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("vertices");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("start") << 0.5f << 3 << QList<int>{} << QPointF(-160, 80);
        QTest::newRow("first step: single product")
            << 0.3f << 3 << QList<int>{0} << QPointF(-48, 164);
        QTest::newRow("then double")
            << 0.3f << 3 << QList<int>{0, 0} << QPointF(-14.40000057220459, 189.20000195503235);
        QTest::newRow("ratio kept on the point")
            << 0.25f << 3 << QList<int>{0} << QPointF(-40, 170);
        QTest::newRow("halfway to a side vertex") << 0.5f << 4 << QList<int>{1} << QPointF(20, 40);
    }
    void walk() {
        QFETCH(float, ratio);
        QFETCH(int, n);
        QFETCH(QList<int>, vertices);
        QFETCH(QPointF, at);
        Point p = start(0.1f, 0.7f);
        for (int v : vertices)
            p = next(p, ratio, angle(v, Pi, n));
        QCOMPARE(p.xd(), at.x());
        QCOMPARE(p.yd(), at.y());
        QCOMPARE(start(0, 0.99999994f).yd(), 199.99996948242188);
    }

    // After a few steps every point lies in one of the triangle's three copies shrunk by
    // the ratio towards a vertex: with halves the middle triangle stays empty, with
    // quarters the points gather in three small triangles at the corners.
    void attractor_data() {
        QTest::addColumn<float>("ratio");
        QTest::newRow("halves: the middle stays empty") << 0.5f;
        QTest::newRow("quarters: three small triangles") << 0.25f;
    }
    void attractor() {
        QFETCH(float, ratio);
        std::uint32_t state = 1;
        const auto rnd = [&] {
            return ((state = state * 1664525u + 1013904223u) >> 8) / 16777216.0f;
        };
        const auto vertex = [](int v) {
            return 200 * QPointF(std::sin(v * Pi * 2 / 3), std::cos(v * Pi * 2 / 3));
        };
        const auto inside = [&](QPointF q) { // at most 100 behind each corner
            for (int v = 0; v < 3; ++v)
                if (QPointF::dotProduct(q, vertex(v)) < -20000 - 1e-3) return false;
            return true;
        };
        QList<int> hits(4, 0); // per copy, and outside all of them
        Point p = start(rnd(), rnd());
        for (int step = 1; step <= 3000; ++step) {
            p = next(p, ratio, angle(chooseVertex(rnd(), Value::integer(3)), Pi, 3));
            int copy = 3;
            for (int v = 0; v < 3; ++v)
                if (inside((QPointF(p.xd(), p.yd()) - (1 - ratio) * vertex(v)) / ratio)) copy = v;
            hits[copy] += step > 30;
        }
        QCOMPARE(hits[3], 0);
        for (int v = 0; v < 3; ++v)
            QVERIFY2(hits[v] > 800, qPrintable(QString::number(hits[v])));
    }
};

QTEST_GUILESS_MAIN(TestVertexGame)
#include "tst_vertexgame.moc"
