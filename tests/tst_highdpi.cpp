// The picture area on a screen that scales: the kept image has one device pixel per
// screen pixel, so drawings stay sharp, and a point in scale units still lands on the same
// logical pixel and is shown there. Run once at scale factor 1 and once at 2.
#include "runtime/picturebox.h"

#include <QApplication>
#include <QPixmap>
#include <QtTest>

using namespace zr;

namespace {
// The scale factor this run was started with.
qreal expectedRatio() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// The sieve's drawing area: one unit a logical pixel, origin in the middle, y up.
struct Area {
    QWidget top;
    PictureBox* pb;
    Area() {
        pb = new PictureBox(&top, "pb_screen", "Drawing area", 0, 0, 6800, 6800);
        pb->setScale(-225, 225, 6740 / 15.0, -6740 / 15.0);
        pb->setAutoRedraw(true);
        pb->setBackColor(White);
        top.resize(pb->size());
        top.show();
    }
    // What the window shows at a logical pixel of the inner area, read from a grab in
    // device pixels.
    QRgb shown(const QPixmap& grab, QPoint logical, QPoint deviceOffset = {}) const {
        const qreal dpr = grab.devicePixelRatio();
        const QPoint at = (logical + pb->contentsRect().topLeft()) * dpr + deviceOffset;
        return grab.toImage().pixel(at) & 0xffffff;
    }
};
} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
  private slots:
    void plottedPointKeepsItsPlace_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QPoint>("logical");
        QTest::newRow("centre") << 0.0 << 0.0 << QPoint(225, 225);
        QTest::newRow("off the half pixel") << -100.4 << 50.6 << QPoint(124, 174);
        QTest::newRow("bottom right corner") << 223.9 << -223.9 << QPoint(448, 448);
    }

    void plottedPointKeepsItsPlace() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPoint, logical);
        Area a;
        a.pb->pset(x, y, Red);
        a.pb->refresh();
        QCOMPARE(a.pb->pixelOf(x, y), logical);
        QCOMPARE(a.pb->pixel(logical.x(), logical.y()), Red);
        // Every device pixel of that logical pixel is lit, in the kept image and on the screen.
        const QPixmap grab = a.pb->grab();
        const int dpr = int(expectedRatio());
        for (int dy = 0; dy < dpr; ++dy)
            for (int dx = 0; dx < dpr; ++dx) {
                const QPoint device = logical * dpr + QPoint(dx, dy);
                QCOMPARE(a.pb->image().pixel(device) & 0xffffff, 0xff0000u);
                QCOMPARE(a.shown(grab, logical, {dx, dy}), 0xff0000u);
            }
        // Its neighbours are not.
        QCOMPARE(a.shown(grab, logical + QPoint(1, 0)), 0xffffffu);
        QCOMPARE(a.shown(grab, logical - QPoint(0, 1)), 0xffffffu);
    }

    // A one-pixel line covers exactly one logical row: dpr device rows, none blurred beside it.
    void oneUnitLineStaysSharp() {
        Area a;
        QCOMPARE(qApp->devicePixelRatio(), expectedRatio());
        QCOMPARE(a.pb->image().devicePixelRatio(), expectedRatio());
        QCOMPARE(a.pb->image().size(), a.pb->innerSize() * expectedRatio());
        a.pb->line(-100, 10, 100, 10, Black);
        a.pb->refresh();
        const int row = a.pb->pixelOf(0, 10).y();
        const int dpr = int(expectedRatio());
        const QImage& img = a.pb->image();
        const int column = a.pb->pixelOf(0, 10).x() * dpr;
        for (int d = -1; d <= dpr; ++d) {
            const bool inside = d >= 0 && d < dpr;
            QCOMPARE(img.pixel(column, row * dpr + d) & 0xffffff, inside ? 0u : 0xffffffu);
        }
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
