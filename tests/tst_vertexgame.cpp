// The random-vertex game without a window: where the corners lie, which vertex a random
// number picks, and where the points fall, in which number kinds.
#include "sieve/vertexgame.h"

#include <QtTest>
#include <cmath>

using namespace vertexgame;
using zr::Value;

class TestVertexGame : public QObject {
    Q_OBJECT
  private slots:
    // Vertices 0 to n in single precision, as lines are drawn: vertex n is vertex 0 again.
    void corners_data() {
        QTest::addColumn<QList<QPointF>>("corners");
        QTest::newRow("square") << QList<QPointF>{
            {0, 200}, {200, 0}, {0, -200}, {-200, 0}, {0, 200}};
        QTest::newRow("triangle") << QList<QPointF>{
            {0, 200}, {173.205078125, -100}, {-173.205078125, -100}, {0, 200}};
    }
    void corners() {
        QFETCH(QList<QPointF>, corners);
        QList<QPointF> seen;
        for (int v = 0; v < corners.size(); ++v)
            seen << corner(angle(v, M_PI, corners.size() - 1));
        QCOMPARE(seen, corners);
    }

    // Just below 1 picks the last vertex. A count typed in is a double, and so is the
    // product: in single precision 6 x 0.833333313 would round up to 5.
    void vertexChoice() {
        QCOMPARE(chooseVertex(0.99999994f, Value::integer(3)), 2);
        QCOMPARE(chooseVertex(0.833333313f, Value::real(6)), 4);
    }

    // From the random numbers 0.1 and 0.7, x first: (-160, 80) in single precision, where
    // a double would give (-159.9999994, 79.9999952); each step keeps `ratio` on the point.
    void walk_data() {
        QTest::addColumn<QList<int>>("vertices");
        QTest::addColumn<QPointF>("at");
        QTest::newRow("start") << QList<int>{} << QPointF(-160, 80);
        QTest::newRow("vertex 0: single product") << QList<int>{0} << QPointF(-48, 164);
        QTest::newRow("vertex 1: then double")
            << QList<int>{0, 1} << QPointF(106.84355595761683, -20.799998044967623);
    }
    void walk() {
        QFETCH(QList<int>, vertices);
        QFETCH(QPointF, at);
        Point p = start(0.1f, 0.7f);
        for (int v : vertices)
            p = next(p, 0.3f, angle(v, M_PI, 3));
        QCOMPARE(QPointF(p.xd(), p.yd()), at);
    }
};

QTEST_GUILESS_MAIN(TestVertexGame)
#include "tst_vertexgame.moc"
