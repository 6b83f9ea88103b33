// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The program on a real X server, with or without a window manager (run.sh brings both):
// where the windows land as the server sees them, borders, states, and the flash on the
// screen itself.
#include "tests/support/program.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

using namespace zr;

namespace {
QString ask(const QString& tool, const QWidget* w, const QString& what) {
    QProcess p;
    p.start(tool, QStringList{"-id", QString::number(w->window()->winId()), what});
    p.waitForFinished();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// A window's outer edge as the X server has it, apart from Qt: its client area on the
// screen, and around it the extents the window manager framed it with (none without one).
QRect outer(const QWidget* w) {
    const QString info = ask("xwininfo", w, "-stats");
    const auto field = [&](const char* name) {
        return QRegularExpression(name + QString(":\\s+(-?\\d+)")).match(info).captured(1).toInt();
    };
    const auto e = QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)")
                       .match(ask("xprop", w, "_NET_FRAME_EXTENTS"));
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                 field("Height"))
        .marginsAdded({e.captured(1).toInt(), e.captured(3).toInt(), e.captured(2).toInt(),
                       e.captured(4).toInt()});
}

QImage grab(const QWidget* w) {
    const QPoint at = w->mapToGlobal(QPoint(0, 0));
    return w->screen()->grabWindow(0, at.x(), at.y(), w->width(), w->height()).toImage();
}
} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> p;
    // A child window's sub-window: maximised or not, as the user sees it.
    QMdiSubWindow* sub(const char* window) { return p->window(window)->subWindow(); }
    // Chooses an entry of a child window's title bar menu, as a user does.
    void systemMenu(const char* window, const char* entry) {
        for (QAction* a : sub(window)->systemMenu()->actions())
            if (a->text() == QLatin1String(entry)) a->trigger();
    }
    // Drags a child window's right edge to the left with the mouse; whether it got smaller.
    bool dragEdge(const char* window) {
        QWidget* w = sub(window);
        const QSize before = w->size();
        const QPoint edge(w->width() - 2, w->height() / 2), dragged = edge - QPoint(60, 0);
        for (const auto& [action, at] : {std::pair{QTest::MouseMove, edge},
                                         {QTest::MousePress, edge},
                                         {QTest::MouseMove, dragged},
                                         {QTest::MouseRelease, dragged}})
            QTest::mouseEvent(action, w->window()->windowHandle(), Qt::LeftButton, {},
                              w->mapTo(w->window(), at));
        return w->size() != before;
    }

  private slots:
    void init() { p = std::make_unique<TestProgram>(); }
    void cleanup() {
        p.reset();
        QCOMPARE(leftoverWindows(), QStringList());
    }

    // The splash in an edge of its own that stands out from its panel; the frame's outer
    // edge, title bar included, at left 400, top 0, 11180 by 8800 twips, on the screen.
    void windowsLandWhereTheyBelong() {
        bool edge = false;
        p->scripted.clock.at(1.0, [&] {
            const QWidget* splash = p->window("frmSplash")->window();
            edge = QTest::qWaitFor(
                [&] { return grab(splash).pixel(0, 100) != grab(splash).pixel(4, 100); });
        });
        p->start();
        QVERIFY(edge);
        QTRY_COMPARE(outer(p->window("Zelta")), QRect(px(400), 0, px(11180), px(8800)));
    }

    // Only load handlers set a window's state: shown again, a window keeps the one the user
    // gave it, and restored, the size its load handler gave it. Only the chooser can be resized
    // by dragging its edge.
    void statesKeptAndFixedBorders() {
        p->start();
        QVERIFY(QTest::qWaitForWindowExposed(p->window("Zelta")));
        QList<bool> seen{dragEdge("intro")};
        systemMenu("intro", "Ma&ximize");
        p->click("intro", "cmd_logistic");
        p->confirm("logistic", "cmd_exit");
        seen << sub("intro")->isMaximized();
        p->click("intro", "cmd_logistic");
        seen << sub("logistic")->isMaximized();
        systemMenu("logistic", "&Restore");
        seen << (sub("logistic")->geometry() == QRect(0, 0, px(11000), px(7600)))
             << dragEdge("logistic");
        p->trigger("logistic", "menu_sierp");
        systemMenu("Sierpinski", "&Restore");
        seen << dragEdge("Sierpinski");
        p->trigger("Sierpinski", "menu_log");
        seen << sub("logistic")->isMaximized();
        QCOMPARE(seen, (QList<bool>{true, true, true, true, false, false, false}));
    }

    // The flash reaches the screen itself, four pixels wide in the exclusive-or colour: held
    // for the pause, or at no pause until the run's next yield puts the dot in its place.
    void flashOnTheScreen_data() {
        QTest::addColumn<int>("pause");
        QTest::addColumn<QRgb>("colour");
        // Seen at the first step's yield, or while the start point's flash is held.
        QTest::newRow("no pause, first step in green") << 0 << 0x00FF00u;
        QTest::newRow("a second, start point in cyan") << 1000 << 0x00FFFFu;
    }
    void flashOnTheScreen() {
        QFETCH(int, pause);
        QFETCH(QRgb, colour);
        p->start();
        p->click("intro", "cmd_sierp");
        p->control<QScrollBar>("Sierpinski", "hsb_speed")->setValue(pause);
        QWidget* area = p->area("Sierpinski", "pb_screen");
        // Framed, placed and painted: the empty area is on the screen.
        const QColor paper = toQColor(SysWindowBackground);
        QTRY_COMPARE(grab(area).pixelColor(area->width() / 2, area->height() / 2), paper);
        QImage shot;
        const auto look = [&] { shot = shot.isNull() ? grab(area) : shot; };
        if (pause > 0) p->scripted.clock.whileAsleep = look;
        p->run("Sierpinski", "cmd_iter", [&](int) {
            look();
            p->confirm("Sierpinski", "cmd_finish");
        });
        int flashed = 0;
        for (int i = 0; i < shot.width() * shot.height(); ++i)
            flashed += shot.pixel(i % shot.width(), i / shot.width()) == (paper.rgb() ^ colour);
        QCOMPARE(flashed, 16);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
