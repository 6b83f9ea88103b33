// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture areas' context menus, copying and saving what they show, and the bifurcation
// diagram beside the logistic window: its marker and the run's marks, zoom and reset, and
// the ways it closes while it is still computing.
#include "logistic/diagram.h"
#include "tests/support/program.h"

#include <QClipboard>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace zr;
using Ks = QList<double>;

namespace {
const QString Log = QStringLiteral("logistic"), Dia = Diagram::Name;

// The program started and the logistic window chosen.
struct Cobweb : TestProgram {
    Cobweb() { start(), click("intro", "cmd_logistic"); }
    void choose(const QString& window, const QString& name, const char* item) {
        area(window, name)->findChild<QAction*>(item)->trigger();
    }
    PictureBox* openDiagram() {
        return choose(Log, "pb_graph", "pic_diagram"), area(Dia, "pb_diagram");
    }
    // The axes' ends as they read, to two decimals: k left and right, x bottom and top.
    Ks range() const {
        Ks ends;
        for (const char* tick : {"lbl_ktick0", "lbl_ktick4", "lbl_xtick4", "lbl_xtick0"})
            ends << std::round(text(Dia, tick).toDouble() * 100) / 100;
        return ends;
    }
};

// Pixels only, as a picture leaves the program: a file keeps no pixel ratio.
QImage plain(QImage image) {
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}
QImage shown(QWidget* area) {
    return plain(area->grab(area->contentsRect()).toImage());
}
// What the diagram shows at (k, x), `dx` logical pixels right and `dy` device pixels down.
QColor seen(PictureBox* d, double k, double x, int dx = 0, int dy = 0) {
    const QPointF at = (d->toPixel(k, x) + QPointF(dx, 0)) * d->devicePixelRatio();
    return shown(d).pixelColor(int(at.x()), int(at.y()) + dy);
}
// Dark at (k, x), give or take two device pixels.
bool dark(PictureBox* d, double k, double x) {
    for (int dy = -2; dy <= 2; ++dy)
        if (seen(d, k, x, 0, dy).lightness() < 128) return true;
    return false;
}
} // namespace

class TestDiagram : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    void menuOpens_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("keys"); // none: a right click
        QTest::addColumn<QStringList>("items");
        const auto row = [](const char* tag, const QString& window, const char* area,
                            const char* keys, const QStringList& more) {
            QTest::newRow(tag) << window << QString(area) << QString(keys)
                               << QStringList{"&Copy Picture", "&Save Picture As…"} + more;
        };
        row("sieve, right click", "Sierpinski", "pb_screen", "", {});
        row("graph, Shift+F10", Log, "pb_graph", "Shift+F10", {"&Bifurcation Diagram"});
        row("values, Menu key", Log, "pb_values", "Menu", {});
        row("diagram", Dia, "pb_diagram", "", {"&Reset View"});
        QTest::newRow("F10 alone") << Log << QString("pb_graph") << "F10" << QStringList();
    }
    void menuOpens() {
        QFETCH(QString, window);
        QFETCH(QString, area);
        QFETCH(QString, keys);
        Cobweb p;
        if (window == Dia) p.openDiagram();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5));
        keys.isEmpty() ? void(QApplication::sendEvent(p.area(window, area), &rightClick))
                       : QTest::keySequence(p.area(window, area), QKeySequence(keys));
        QStringList items;
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            for (QAction* item : menu->actions())
                items << item->text();
        QTEST(items, "items");
    }

    void copyAndSaveDuringARun_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("name"); // in a fresh folder that holds a folder "sub"
        QTest::addColumn<QString>("reason");
        const QString graph = "pb_graph", none;
        QTest::newRow("graph") << graph << QString("k.png") << none;
        QTest::newRow("values, which keep no image") << QString("pb_values") << "k.png" << none;
        QTest::newRow("cancelled") << graph << none << none;
        QTest::newRow("no folder") << graph << "no/k.png" << QString("No such file or directory");
        QTest::newRow("a folder's name")
            << graph << "sub" << QString("that name belongs to a folder");
    }
    void copyAndSaveDuringARun() {
        QFETCH(QString, area);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sub");
        const QString path = name.isEmpty() ? QString() : dir.filePath(name);
        Cobweb p;
        p.scripted.dialogs.type(path);
        QImage then;
        const int yields = p.run(Log, "cmd_start", [&](int n) {
            if (n == 3) p.choose(Log, area, "pic_copy"), p.choose(Log, area, "pic_save");
            if (n == 3) then = shown(p.area(Log, area));
            if (n == 5) p.confirm(Log, "cmd_finish");
        });
        QCOMPARE(yields, 5);
        const QImage copied = QGuiApplication::clipboard()->image();
        const QWidget* picture = p.area(Log, area);
        QCOMPARE(copied.size(), picture->contentsRect().size() * picture->devicePixelRatio());
        QCOMPARE(plain(copied), then);
        const auto& boxes = p.scripted.dialogs.shown;
        QCOMPARE(boxes.first().defaultText, "Logistic Mapping y = kx(1 - x).png");
        // The save dialog, a failure if any, Finish's question.
        QCOMPARE(boxes.size(), reason.isEmpty() ? 2 : 3);
        QCOMPARE(boxes[1].text.contains(path + ": " + reason), !reason.isEmpty());
        // Nothing half-written, under the name or a temporary one.
        const bool saved = reason.isEmpty() && !name.isEmpty();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 saved ? QStringList{name} : QStringList());
        if (saved) QCOMPARE(plain(QImage(path, "png")), then);
    }

    void markerFollowsKAndRun() {
        Cobweb p;
        PictureBox* d = p.openDiagram();
        const auto marked = [&] {
            Ks ks;
            for (double k : {2.6, 3.0, 3.5, 3.9})
                if (seen(d, k, 0.05) == Qt::red) ks << k;
            return ks;
        };
        QList<QColor> marks;
        p.run(Log, "cmd_start", [&](int n) {
            // Steps 0 to 2 so far: 0.5, 0.75, 0.5625; nothing near 0.2.
            for (double x : {0.5, 0.75, 0.5625, 0.2})
                if (n == 3) marks << seen(d, 3.0, x, 3);
            if (n == 3) p.confirm(Log, "cmd_finish");
        });
        QCOMPARE(marks, (QList<QColor>{Qt::blue, Qt::blue, Qt::blue, Qt::white}));
        QCOMPARE(marked(), Ks{3.0});
        p.enter(Log, "cmd_k", {"3.5"});
        QCOMPARE(marked(), Ks{3.5});
        QCOMPARE(seen(d, 3.5, 0.75, 3), Qt::white); // the marks of k = 3 are gone
        p.enter(Log, "cmd_k", {"5"});
        QCOMPARE(marked(), Ks{});
    }

    void zoomAndReset_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Backspace") << false;
        QTest::newRow("Reset View") << true;
    }
    void zoomAndReset() {
        QFETCH(bool, byMenu);
        Cobweb p;
        PictureBox* d = p.openDiagram();
        const QPoint inside = d->contentsRect().topLeft(), from = inside + d->pixelOf(3.0, 0.9);
        QTest::mouseClick(d, Qt::LeftButton, {}, from);
        QCOMPARE(p.range(), (Ks{2.5, 4, 0, 1}));
        QTest::mousePress(d, Qt::LeftButton, {}, from);
        QTest::mouseRelease(d, Qt::LeftButton, {}, inside + d->pixelOf(3.5, 0.3));
        QCOMPARE(p.range(), (Ks{3, 3.5, 0.3, 0.9}));
        // The upper branch of the 2-cycle at k = 3.2, where the old view shows nothing.
        QTRY_VERIFY(dark(d, 3.2, 0.7995));
        byMenu ? p.choose(Dia, "pb_diagram", "pic_reset") : QTest::keyClick(d, Qt::Key_Backspace);
        QCOMPARE(p.range(), (Ks{2.5, 4, 0, 1}));
        QTRY_VERIFY(dark(d, 3.2, 0.7995));
    }

    void closedWhileComputing_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("its close box") << 0;
        QTest::newRow("the frame's close box") << 1;
        QTest::newRow("FINISH") << 2;
    }
    void closedWhileComputing() {
        QFETCH(int, way);
        Cobweb p;
        p.openDiagram();
        way < 2 ? void(p.window(way ? "Zelta" : Dia)->close()) : p.confirm("intro", "cmd_exit");
        QVERIFY(!p.window(Dia));
        // Columns already on their way are dropped with the window.
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
