// The picture area: scales, the exclusive-or flash, clipping and the text cursor.
#include "runtime/picturebox.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace zr;

// The three scales the windows use: the sieve's drawing area (one unit a pixel, y up),
// the logistic graph screen (the unit square, y up) and the values screen (characters).
static PictureBox* makeArea(QWidget* parent, const QString& which) {
    if (which == QLatin1String("sieve")) {
        auto* pb = new PictureBox(parent, "pb", "Drawing area", 0, 0, 6800, 6800);
        pb->setScale(-225, 225, 6740 / 15.0, -6740 / 15.0);
        return pb;
    }
    if (which == QLatin1String("graph")) {
        auto* pb = new PictureBox(parent, "pb", "Graph screen", 0, 0, 6000, 6000);
        pb->setScale(0, 1, 1, -1);
        return pb;
    }
    auto* pb = new PictureBox(parent, "pb", "Values screen", 0, 0, 2415, 6015);
    pb->setScale(0, 0, 2355 / 120.0, 5955 / 240.0);
    pb->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    return pb;
}

class TestCanvas : public QObject {
    Q_OBJECT
  private slots:
    void scaleMapsCornersAndCentre_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QPointF>("pixel");
        // The sieve's scale is checked, at two scale factors, in tst_highdpi.
        QTest::newRow("sieve top left") << "sieve" << -225.0 << 225.0 << QPointF(0, 0);
        QTest::newRow("graph origin") << "graph" << 0.0 << 0.0 << QPointF(0, 396);
        QTest::newRow("graph top right") << "graph" << 1.0 << 1.0 << QPointF(396, 0);
        QTest::newRow("values column 15") << "values" << 15.0 << 0.0 << QPointF(120, 0);
        QTest::newRow("values line 2") << "values" << 0.0 << 2.0 << QPointF(0, 32);
    }

    void scaleMapsCornersAndCentre() {
        QFETCH(QString, area);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPointF, pixel);
        QWidget parent;
        PictureBox* pb = makeArea(&parent, area);
        const QPointF got = pb->toPixel(x, y);
        QVERIFY2(std::abs(got.x() - pixel.x()) < 1e-6 && std::abs(got.y() - pixel.y()) < 1e-6,
                 qPrintable(QStringLiteral("(%1, %2)").arg(got.x()).arg(got.y())));
    }

    void xorFlashTwiceRestoresEveryPixel() {
        QWidget parent;
        PictureBox* pb = makeArea(&parent, "sieve");
        pb->setAutoRedraw(true);
        pb->setBackColor(White);
        // Earlier points and polygon sides under the flash, and flashes cut by the edges.
        pb->line(0, 200, 173.2, -100, Black);
        for (int i = 0; i < 50; ++i)
            pb->pset(-3 + i % 7, -2 + i / 7, Green + 97 * i);
        const QImage before = pb->image().copy();
        const QList<QPointF> spots{{0, 0}, {1.5, -1.5}, {-225, 225}, {224, -224}, {86.6, 50}};
        pb->setDrawMode(PictureBox::XorPen);
        pb->setDrawWidth(4);
        for (const QPointF& spot : spots) {
            for (Colour colour : {Cyan, Green, Magenta, Blue}) {
                pb->pset(spot.x(), spot.y(), colour);
                QVERIFY(pb->image() != before);
                pb->pset(spot.x(), spot.y(), colour);
                QCOMPARE(pb->image(), before);
            }
        }
        // The flash shows the complement of the colour on white.
        pb->pset(-100, -100, Cyan);
        const QPoint at = pb->pixelOf(-100, -100);
        QCOMPARE(pb->pixel(at.x(), at.y()), Colour(0x0000FF));
        QCOMPARE(pb->pixel(at.x() + 2, at.y() + 2), Colour(0x0000FF));
        QCOMPARE(pb->pixel(at.x() + 3, at.y()), Colour(White));
    }

    void hugeAndNonFiniteLinesAreClippedOrSkipped() {
        QWidget parent;
        PictureBox* pb = makeArea(&parent, "graph");
        pb->setAutoRedraw(true);
        pb->setBackColor(White);
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const QImage blank = pb->image().copy();
        pb->line(0, 0, inf, 1, Black);
        pb->line(nan, 0, 1, 1, Black);
        pb->line(-1e308, -1e308, 1e308, 1e308, Black);
        pb->line(2, 2, 1e300, 5, Black); // wholly outside
        QCOMPARE(pb->image(), blank);
        // A line out to a huge point is drawn up to the edge.
        pb->line(0.5, 0.5, 1e30, 0.5, Black);
        QCOMPARE((QList<Colour>{pb->pixel(197, 198), pb->pixel(198, 198), pb->pixel(395, 198)}),
                 (QList<Colour>{White, Black, Black}));
        // The current position follows even an impossible end.
        QCOMPARE(pb->currentX(), 1e30);
    }

    void textCursorFollowsPrinting() {
        QWidget parent;
        PictureBox* pb = makeArea(&parent, "values");
        pb->setBackColor(Cyan);
        pb->setForeColor(Red);
        pb->print(QStringLiteral("0.5"), false);
        QVERIFY(pb->currentX() > 0);
        QCOMPARE(pb->currentY(), 0.0);
        pb->setCurrentX(15);
        pb->print(QStringLiteral("0"));
        QCOMPARE(pb->currentX(), 0.0);
        QCOMPARE(pb->currentY(), pb->textHeight());
        bool inked = false;
        for (int x = 0; x < 30 && !inked; ++x)
            for (int y = 0; y < 16 && !inked; ++y)
                inked = pb->pixel(x, y) != Colour(Cyan);
        QVERIFY(inked);
        pb->cls();
        QCOMPARE(pb->currentY(), 0.0);
        QCOMPARE(pb->pixel(5, 5), Colour(Cyan));
    }

    void areaWithoutKeptImageComesBackEmpty() {
        QWidget window;
        window.resize(500, 500);
        PictureBox* kept = makeArea(&window, "graph");
        kept->setAutoRedraw(true);
        PictureBox* lost = makeArea(&window, "values");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        kept->line(0, 0, 1, 1, Black);
        lost->print(QStringLiteral("0.75"));
        const QImage keptImage = kept->image().copy();
        const QImage written = lost->image().copy();
        window.hide();
        window.show();
        QCOMPARE(kept->image(), keptImage);
        QVERIFY(lost->image() != written);
        QCOMPARE(lost->pixel(2, 5), lost->pixel(100, 200));
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
