// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture areas' context menus, copying and saving what they show, and the bifurcation
// diagram beside the logistic window: its marker and the run's marks, zoom and reset, and
// closing it while it is still computing. One session walks through them all.
#include "logistic/diagram.h"
#include "tests/support/program.h"

#include <QClipboard>
#include <QMdiSubWindow>
#include <QRubberBand>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr;
using Ks = QList<double>;

namespace {
const QString Log = QStringLiteral("logistic"), Dia = Diagram::Name;

// The program started and the logistic window chosen.
struct Cobweb : TestProgram {
    Cobweb() { start(), click("intro", "cmd_logistic"); }
    // Opens an area's menu by a right click, or by `keys`, and picks the item underlined
    // `pick`. Counts menus not at the height of the click, or asked by keys, of the area's
    // middle (a menu may move sideways to fit the screen).
    void choose(const QString& window, const QString& name, const char* keys, Qt::Key pick) {
        QWidget* a = area(window, name);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {5, 5}, {5, 5});
        *keys ? QTest::keySequence(a, QKeySequence(keys))
              : void(QApplication::sendEvent(a, &rightClick));
        misplaced += QApplication::activePopupWidget()->y() !=
                     (*keys ? a->mapToGlobal(a->rect().center()).y() : 5);
        QTest::keyClick(QApplication::activePopupWidget(), pick);
    }
    int misplaced = 0;
    // The diagram's axes' ends as they read, to two decimals: k left and right, x bottom and
    // top.
    Ks range() const {
        Ks ends;
        for (const char* tick : {"lbl_ktick0", "lbl_ktick4", "lbl_xtick4", "lbl_xtick0"})
            ends << std::round(text(Dia, tick).toDouble() * 100) / 100;
        return ends;
    }
};

// The inside of an area as the screen shows it, at its pixel density.
QImage shown(QWidget* area) {
    return area->grab(area->contentsRect()).toImage();
}
// What the screen shows at (k, x) of a diagram area, once the repaints asked for are done.
// The offscreen screen's own pixels are right only at one pixel per logical pixel; elsewhere
// the area's rendering stands in.
QColor seen(PictureBox* d, double k, double x) {
    QCoreApplication::processEvents();
    const QPointF at = d->toPixel(k, x) * d->devicePixelRatio();
    const QPoint in = d->mapTo(d->window(), d->contentsRect().topLeft());
    QImage screen = shown(d);
    if (d->devicePixelRatio() == 1)
        screen = d->screen()->grabWindow(d->window()->winId(), in.x(), in.y()).toImage();
    return screen.pixelColor(int(at.x()), int(at.y()));
}
} // namespace

class TestDiagram : public WindowTest {
    Q_OBJECT
  private slots:
    // On a desktop whose windows are not white, the diagram's areas still are.
    void initTestCase() {
        QPalette yellowish;
        yellowish.setColor(QPalette::Base, QColor(255, 255, 224));
        qApp->setPalette(yellowish);
    }
    // The sieve's drawing copied. In the middle of a run, which goes on undisturbed, the
    // values copied as the screen shows them, at its pixel density, and saved as a PNG
    // file written whole, or a refusal named. The diagram, opened from the graph's menu,
    // with its marker at k and the run's values on it; zoomed by a drag, back to the whole
    // range by Backspace or Reset View; closed while it computes.
    void session() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sub");
        Cobweb p;
        p.choose("Sierpinski", "pb_screen", "", Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->image(), shown(p.area("Sierpinski", "pb_screen")));
        p.enter(Log, "cmd_x0", {"0.5."}); // read as 0.5, the caption ends in a full stop
        for (const char* name : {"k.png", "", "no/k.png", "sub"})
            p.scripted.dialogs.type(*name ? dir.filePath(name) : QString());
        p.choose(Log, "pb_graph", "Shift+F10", Qt::Key_B);
        PictureBox* d = p.area(Dia, "pb_diagram");
        QTRY_COMPARE_NE(seen(d, 3.999, 0.5), Qt::white); // drawn to its right edge
        QImage values;
        const int yields = p.run(Log, "cmd_start", [&](int n) {
            if (n == 5) p.confirm(Log, "cmd_finish");
            if (n != 3) return;
            values = shown(p.area(Log, "pb_values"));
            p.choose(Log, "pb_values", "Menu", Qt::Key_C);
            for (const char* keys : {"Menu", "", "", ""})
                p.choose(Log, "pb_values", keys, Qt::Key_S);
        });
        QCOMPARE(yields, 5);
        QCOMPARE(p.misplaced, 0);
        QCOMPARE(QGuiApplication::clipboard()->image(), values);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"k.png"});
        QImage saved(dir.filePath("k.png")); // a file keeps no pixel ratio
        saved.setDevicePixelRatio(values.devicePixelRatio());
        QCOMPARE(saved.convertToFormat(values.format()), values);
        const auto& boxes = p.scripted.dialogs.shown;
        QCOMPARE(boxes[1].defaultText, "Logistic Mapping y = 3.0x(1 - x) x0 = 0.5.png");
        QVERIFY(boxes[4].text.contains(dir.filePath("no/k.png") + ": No such file or directory"));
        QVERIFY(boxes[6].text.contains(dir.filePath("sub") + ": that name belongs to a folder"));
        // The marker at k = 3 is blue where the run's values lie (0.5, 0.75, 0.5625, ... as
        // the window's picture shows).
        QCOMPARE(seen(d, 3.0, 0.5625), Qt::blue);
        QCOMPARE(differs("Diagram-marks", p.window(Dia)->outer()->grab().toImage()), QStringList());
        // It moves to another k without those values, to the top left corner at the view's least k
        // and to the last column at its greatest; then k leaves the view.
        p.enter(Log, "cmd_k", {"2.5"});
        QCOMPARE((QList<QColor>{seen(d, 3.0, 0.2), seen(d, 2.5, 1), seen(d, 2.5, 0.5)}),
                 (QList<QColor>{Qt::white, Qt::red, Qt::red}));
        p.enter(Log, "cmd_k", {"4"});
        QCOMPARE(seen(d, 3.999, 0.2), Qt::red); // in the last column
        p.enter(Log, "cmd_k", {"5"});
        // A drag over k from 3 to 3.5 and x from 0.3 to 0.9, in the area's own pixels.
        const QPoint from = d->contentsRect().topLeft() + d->pixelOf(3.0, 0.9),
                     to = d->contentsRect().topLeft() + d->pixelOf(3.5, 0.3);
        const QRubberBand* band = d->findChild<QRubberBand*>(); // it shows the drag
        for (bool byMenu : {false, true}) {
            QTest::mousePress(d, Qt::LeftButton, {}, from);
            QTest::mouseMove(d, to);
            QCOMPARE(band->visibleRegion().boundingRect().translated(band->pos()), QRect(from, to));
            QTest::mouseRelease(d, Qt::LeftButton, {}, to);
            QTest::keyClick(d, Qt::Key_Up); // only Backspace resets it
            QCOMPARE(p.range(), (Ks{3, 3.5, 0.3, 0.9}));
            // The upper value of the 2-cycle at k = 3.2, where the whole range shows nothing.
            QTRY_COMPARE_NE(seen(d, 3.2, 0.7995), Qt::white);
            // Backspace, where the drag left the keyboard focus, resets the view with Shift held
            // too: of the shifted keys only F10 opens the menu.
            byMenu ? p.choose(Dia, "pb_diagram", "", Qt::Key_R)
                   : QTest::keyClick(d->focusWidget(), Qt::Key_Backspace, Qt::ShiftModifier);
            // A drag three pixels high is a click that slipped, not a choice.
            QTest::mousePress(d, Qt::LeftButton, {}, from);
            QTest::mouseRelease(d, Qt::LeftButton, {}, QPoint(to.x(), from.y() + 3));
            QCOMPARE(p.range(), (Ks{2.5, 4, 0, 1}));
        }
        // The exponent's curve crosses k = 3.2 at the 2-cycle's ln(0.16) / 2.
        PictureBox* l = p.area(Dia, "pb_lyapunov");
        const auto curveAt = [&](double k) {
            for (double v = -1.495; v < 1; v += 0.005)
                if (seen(l, k, v) == Qt::blue) return v;
            return 9.0;
        };
        QTRY_VERIFY(qAbs(curveAt(3.2) + 0.916) < 0.06); // within two pixels
        // Drawn to its right edge again, and minimised and restored, the window, its title bar
        // and edge included, looks as last reviewed.
        QTRY_COMPARE_NE(seen(d, 3.999, 0.5), Qt::white);
        p.window(Dia)->subWindow()->showMinimized();
        p.window(Dia)->subWindow()->showNormal();
        QCOMPARE(differs(Dia, p.window(Dia)->outer()->grab().toImage()), QStringList());
        // Four pixels each way are a choice.
        QTest::mousePress(d, Qt::LeftButton, {}, from);
        QTest::mouseRelease(d, Qt::LeftButton, {}, from + QPoint(4, 4));
        QCOMPARE(p.range()[0], 3.0);
        p.window(Dia)->close();
        QVERIFY(!p.window(Dia));
        // Columns already on their way are dropped with the window.
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
