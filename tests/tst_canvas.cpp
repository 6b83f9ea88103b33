// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture area: its scale and closed far edges, drawing and clearing on the screen's
// device pixels. Also run at two device pixels a logical pixel. (The exclusive-or flash: the
// sieve's pictures and tst_desktop. Text on an area: the values screen's listing, in
// tst_logistic.)
#include "runtime/picturebox.h"

#include <QApplication>
#include <QtTest>
#include <memory>

using namespace zr;
using Points = QList<QPointF>;

namespace {
// The logistic graph screen: the unit square, y up, 396 logical pixels a side, white.
std::unique_ptr<PictureBox> graph() {
    auto pb = std::make_unique<PictureBox>(nullptr, "pb_graph", "Graph", QRectF(0, 0, 6000, 6000));
    pb->setScale(0, 1, 1, -1);
    pb->setBackColor(White);
    return pb;
}

// Where an image (device pixels) is not white: the rectangle around it.
QRect inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}
// The device pixels that the logical pixels `r` start in.
QRect device(const QRect& r) {
    const auto at = [](int logical) { return qFloor(logical * qApp->devicePixelRatio()); };
    return QRect(at(r.left()), at(r.top()), at(r.right() + 1) - at(r.left()),
                 at(r.bottom() + 1) - at(r.top()));
}
} // namespace

class TestCanvas : public QObject {
    Q_OBJECT
  private slots:
    // A dot four pixels wide, from the pixel up and left of its own, cut by the area's edge,
    // or lines joining points, light the logical pixels they land on, all the device
    // pixels each starts in and no others, in the kept picture and on the screen: sharp and
    // in place. The unit square's far edges light the last pixels.
    void drawnOnDevicePixels_data() {
        QTest::addColumn<Points>("points");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("wide dot at the edge") << Points{{0, 0.6}} << QRect(0, 157, 3, 4);
        QTest::newRow("from outside") << Points{{-1, -0.5}, {0.5, 1}} << QRect(0, 0, 199, 199);
        QTest::newRow("edges") << Points{{0, 0}, {0, 1}, {1, 1}, {1, 0}} << QRect(0, 0, 396, 396);
    }
    void drawnOnDevicePixels() {
        QFETCH(Points, points);
        QFETCH(QRect, pixels);
        const auto pb = graph();
        pb->show();
        QVERIFY(QTest::qWaitForWindowExposed(pb.get()));
        if (points.size() == 1) pb->setDrawWidth(4), pb->pset(points[0].x(), points[0].y(), Red);
        for (int i = 1; i < points.size(); ++i)
            pb->line(points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), Black);
        QCOMPARE(inked(pb->image()), device(pixels));
        // Each drawing reaches the screen as it is drawn, without a repaint of the whole area,
        // and so does a clear (read from the screen itself at one device pixel a logical pixel).
        for (const QRect& shown : {device(pixels), QRect()}) {
            QPixmap screen = pb->grab();
            if (qApp->devicePixelRatio() == 1) screen = pb->screen()->grabWindow(pb->winId());
            QCOMPARE(inked(screen.toImage().copy(device(pb->contentsRect()))), shown);
            pb->cls();
        }
    }
};

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
