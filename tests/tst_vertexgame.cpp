// The random-vertex game without a window: where the corners lie, which vertex a random
// number picks, and where the points fall, in which number kinds.
#include "sieve/vertexgame.h"

#include <QtTest>

using namespace vertexgame;

class TestVertexGame : public QObject {
    Q_OBJECT
  private slots:
    // Vertices 0 to n of a square and a triangle, in single precision as lines are drawn:
    // vertex n is vertex 0 again.
    void corners() {
        QList<QPointF> seen;
        for (int n : {4, 3})
            for (int v = 0; v <= n; ++v)
                seen << corner(angle(v, M_PI, n));
        const QList<QPointF> square{{0, 200}, {200, 0}, {0, -200}, {-200, 0}, {0, 200}};
        QCOMPARE(seen,
                 (square + QList<QPointF>{
                               {0, 200}, {173.205078125, -100}, {-173.205078125, -100}, {0, 200}}));
    }

    // The integer part of the random number times the count. A count typed in is a double,
    // and so is the product: in single precision 6 x 0.833333313 would round up to 5.
    void vertexChoice() { QCOMPARE(chooseVertex(0.833333313f, zr::Value::real(6)), 4); }

    // From the random numbers 0.1 and 0.7, x first: (-160, 80) in single precision, where
    // a double would give (-159.9999994, 79.9999952). Each step keeps `ratio` on the point:
    // the single ratio times the single start point gives a single product, later ones a
    // double. Then, at random vertices, no point falls in the middle triangle between the
    // midpoints of the sides, which the game leaves empty.
    void walk() {
        QRandomGenerator random(7);
        Point p = start(0.1f, 0.7f);
        QList<QPointF> seen, inMiddle;
        for (int i = 0; i < 1000; ++i) {
            if (i < 3) seen << QPointF(p.xd(), p.yd());
            if (p.yd() < 50 && std::abs(p.xd()) < (p.yd() + 100) / std::sqrt(3.0))
                inMiddle << QPointF(p.xd(), p.yd());
            const int v = i < 2 ? i : chooseVertex(random.bounded(1.0), zr::Value::integer(3));
            p = next(p, 0.3f, angle(v, M_PI, 3));
        }
        QCOMPARE(seen, (QList<QPointF>{
                           {-160, 80}, {-48, 164}, {106.84355595761683, -20.799998044967623}}));
        QCOMPARE(inMiddle, QList<QPointF>());
    }
};

QTEST_GUILESS_MAIN(TestVertexGame)
#include "tst_vertexgame.moc"
