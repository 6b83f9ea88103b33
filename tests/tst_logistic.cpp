// The logistic window as a user meets it: clicks, typed entries and answers in; captions,
// labels, the listing and the screens' pixels out.
#include "logistic/valuesscreen.h"
#include "tests/support/program.h"

#include <QLabel>
#include <QMap>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace zr;
static const QString L = QStringLiteral("logistic");
static const Colour Back = fromQColor(toQColor(SysWindowBackground));

// "Logistic Mapping: y = <k>x(1 - x)", `blanks` blanks, "x0 = <x0>".
static QString caption(const QString& k, int blanks, const QString& x0) {
    return "Logistic Mapping: y = " + k + "x(1 - x)" + QString(blanks, u' ') + "x0 = " + x0;
}

// The program started and the logistic program chosen in the chooser.
struct Logistic : TestProgram {
    Logistic() { start(), click("intro", "cmd_logistic"); }
    PictureBox* graph() const { return area(L, "pb_graph"); }
    ValuesScreen* values() const { return control<ValuesScreen>(L, "pb_values"); }
    QScrollBar* bar(const char* name) const { return control<QScrollBar>(L, name); }
    QString caption() const { return window(L)->caption(); }
    int run(const std::function<void(int)>& step) { return TestProgram::run(L, "cmd_start", step); }
    void finish() { confirm(L, "cmd_finish"); }
    Colour at(double x, double y) const { return pixel(graph()->pixelOf(x, y)); }
    Colour pixel(QPoint p) const { return graph()->pixel(p.x(), p.y()); }
    // Bottom left, bottom right, top left, top right.
    QList<Colour> corners() const {
        const int r = graph()->innerSize().width() - 1, b = graph()->innerSize().height() - 1;
        return {pixel({0, b}), pixel({r, b}), pixel({0, 0}), pixel({r, 0})};
    }
    // One "value n" a line.
    QStringList listing() const {
        QMap<double, QStringList> lines; // by their place down the screen
        for (const ValuesScreen::Text& t : values()->shown())
            lines[t.y] << t.text;
        QStringList shown;
        for (const QStringList& line : lines)
            shown << line.join(' ');
        return shown;
    }
    bool blank() const {
        QImage empty = graph()->image().copy();
        empty.fill(toQColor(Back));
        return values()->shown().isEmpty() && graph()->image() == empty;
    }
    QList<bool> runControls() const {
        QList<bool> on;
        for (const char* name : {"cmd_clear", "cmd_draw", "cmd_k", "cmd_x0", "hsb_x0", "cmd_start"})
            on << control<QWidget>(L, name)->isEnabled();
        return on;
    }
};

class TestLogistic : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(' ')));
    }

    void startUpAndAbout() {
        Logistic p;
        QCOMPARE(QStringList({p.caption(), p.text(L, "lbl_x0"), p.text(L, "lbl_pause")}),
                 QStringList(
                     {"Logistic Mapping: y = kx(1 - x)", "x0 = 0.5000", "Pause interval 1.0 sec"}));
        QCOMPARE(QList<int>({p.bar("hsb_speed")->value(), p.bar("hsb_x0")->value()}),
                 QList<int>({1000, 5000}));
        QCOMPARE(p.runControls(), QList<bool>(6, true));
        for (const char* heading : {"Label24", "Label25"}) // over the values screen, in red
            QCOMPARE(p.control<QLabel>(L, heading)->palette().color(QPalette::WindowText), Qt::red);
        // The graph screen's sunken border: the dark shade along its top and left.
        QCOMPARE(p.graph()->grab().toImage().pixel(0, 0),
                 p.graph()->palette().dark().color().rgb());
        // The thirteen other Help items carry the help numbers 1 to 13 and do nothing.
        QList<int> helps;
        for (QAction* item : p.window(L)->findChildren<QAction*>())
            if (item->property("helpContextID").isValid())
                helps << item->property("helpContextID").toInt(), item->trigger();
        std::sort(helps.begin(), helps.end());
        QCOMPARE(helps, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
        QVERIFY(p.blank());
        QCOMPARE(p.caption(), "Logistic Mapping: y = kx(1 - x)");
        p.trigger(L, "hlp_About");
        QVERIFY(p.window("frmAbout")->isShown());
    }

    // Each tick reads its value and its text stands where the graph screen's scale puts it,
    // to the few pixels that the labels' design grid allows.
    void ticks() {
        Logistic p;
        const QPointF inner = p.graph()->geometry().topLeft() + p.graph()->contentsRect().topLeft();
        QStringList off;
        for (int i = 2; i <= 23; ++i) {
            auto* tick = p.control<QLabel>(L, QStringLiteral("Label%1").arg(i));
            const QImage shot = tick->grab().toImage();
            QRect ink;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    ink |= shot.pixel(x, y) == shot.pixel(0, 0) ? QRect() : QRect(x, y, 1, 1);
            const double v = tick->text().toDouble();
            const QPointF gap = tick->geometry().topLeft() +
                                QRectF(ink).center() / shot.devicePixelRatio() - inner -
                                p.graph()->toPixel(v, v);
            if (std::abs(i < 13 ? gap.x() : gap.y()) > 5) off << tick->objectName();
        }
        QCOMPARE(off, QStringList());
    }

    void graphs() {
        Logistic p;
        p.click(L, "cmd_draw");
        QCOMPARE(p.caption(), caption("3.0", 12, "0.5"));
        // The diagonal from corner to corner, the parabola from the origin to x = 0.99.
        QCOMPARE(p.corners(), QList<Colour>({Black, Back, Back, Red}));
        // A new k's graphs join what is there.
        p.enter(L, "cmd_k", {"4"});
        p.click(L, "cmd_draw");
        QCOMPARE(QList<Colour>({p.at(0.5, 0.75), p.at(0.5, 1)}), QList<Colour>({Black, Black}));
        // Clear Screens resets the caption; the next Draw graphs shows the typed k again.
        p.click(L, "cmd_clear");
        QCOMPARE(p.caption(), "Logistic Mapping: y = kx(1 - x)");
        QVERIFY(p.blank());
        p.click(L, "cmd_draw");
        QCOMPARE(p.caption(), caption("4", 12, "0.5"));
        // Refused, k shows as the letter k and stays 4: the same graphs over themselves.
        const QImage once = p.graph()->image().copy();
        p.enter(L, "cmd_k", {"-1"});
        p.click(L, "cmd_draw");
        QCOMPARE(p.caption(), caption("k", 12, "0.5"));
        QCOMPARE(p.graph()->image(), once);
    }

    void entries_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        // The caption, x0 label and bar; the caption once the bar is moved to 2600; the text
        // the next box offers.
        QTest::addColumn<QStringList>("seen");
        const auto row = [](const char* button, const QString& typed, const QString& shown, int bar,
                            const QString& k, const QString& offered) {
            QTest::addRow("%s %s", button, qPrintable(typed))
                << button << typed
                << QStringList{shown, QString::asprintf("x0 = %.4f", bar / 10000.0),
                               QString::number(bar), caption(k, 10, "0.26"), offered};
        };
        const auto k = [&](const QString& typed, const QString& shown, const QString& k) {
            row("cmd_k", typed, caption(shown, 12, "0.5"), 5000, k, shown == "k" ? "3.0" : typed);
        };
        k("3.5", "3.5", "3.5");
        k("3.20", "3.20", "3.2");
        k("5", "5", "5.0");
        k("3,5", "3,5", "3.0");
        k("abc", "abc", "0.0");
        for (const char* refused : {"<cancel>", "0", "-1", ".5", " 3"})
            k(refused, "k", "3.0");
        const auto x0 = [&](const QString& typed, int blanks, const QString& shown, int bar) {
            row("cmd_x0", typed, caption("3.0", blanks, shown), bar, "3.0",
                QString(typed).remove("<cancel>"));
        };
        x0("0.25", 10, "0.25", 2500);
        x0("2", 14, "2", 5000);
        x0("<cancel>", 14, "", 5000);
        x0("0.99999", 10, "1.0", 10000);
        x0("0.123449", 10, "0.1234", 1234);
        x0("0.12345", 10, "0.1235", 1235);
    }

    void entries() {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        Logistic p;
        p.enter(L, button, {typed});
        QCOMPARE(p.scripted.dialogs.shown.last().title, "y = kx(1 - x)");
        QStringList seen{p.caption(), p.text(L, "lbl_x0"),
                         QString::number(p.bar("hsb_x0")->value())};
        p.bar("hsb_x0")->setValue(2600);
        seen << p.caption();
        p.enter(L, button, {"<cancel>"});
        QTEST(seen << p.scripted.dialogs.shown.last().defaultText, "seen");
    }

    // Colours and values of the first steps in single precision, Tidy Up in between, the
    // last thirty lines, and a second run, from another x0 and with k taken in as a double.
    void runs() {
        Logistic p;
        QList<Colour> seen;
        QStringList before, tidied, lines;
        p.run([&](int n) {
            if (n == 1) seen << p.at(0.5, 0.4) << p.at(0.6, 0.75) << p.at(0.75, 0.3);
            if (n == 2) seen << p.at(0.75, 0.3) << p.at(0.65, 0.5625) << p.at(0.5625, 0.3);
            if (n == 4) before = p.listing() << p.caption(), p.click(L, "cmd_tidy");
            if (n == 4)
                tidied = p.listing() << p.caption(), seen << p.at(0.5, 0.4) << p.at(0.5, 0.75);
            if (n == 5) seen << p.at(p.listing().last().section(' ', 0, 0).toDouble(), 0.3);
            if (n == 30) lines << p.listing()[11];
            if (n == 30 || n == 31)
                lines << QString::number(p.listing().size()) << p.listing().first()
                      << p.listing().last().section(' ', 1);
            if (n == 31)
                lines << (p.values()->updatesEnabled() ? "shown" : "not shown"), p.finish();
        });
        QCOMPARE(seen, QList<Colour>({Green, Green, Green, Blue, Blue, Blue, Back, Black, Green}));
        QCOMPARE(before, QStringList({"0.5 0", "0.75 1", "0.5625 2", "0.73828125 3",
                                      "Logistic Mapping: y = kx(1 - x)"}));
        QCOMPARE(tidied, before); // Tidy Up leaves the listing and the caption alone
        QCOMPARE(lines,
                 QStringList({"0.7184363 11", "30", "0.5 0", "29", "30", "0.75 1", "30", "shown"}));
        QCOMPARE(p.scripted.clock.slept, 31.0); // a second after each step
        p.click(L, "cmd_draw");
        p.bar("hsb_x0")->setValue(2500);
        seen.clear(), lines.clear();
        p.run([&](int n) {
            if (n == 1) lines << p.listing(), seen << p.at(0.25, 0.1);
            if (n == 12) lines << p.listing().last(), p.finish();
        });
        QCOMPARE(lines, QStringList({"0.25 0", "0.6068566957218066 11"}));
        QCOMPARE(seen, QList<Colour>({Green}));
    }

    void pauseAndSpeed() {
        Logistic p;
        for (const auto& [ms, shown] : {std::pair{1500, "1.5"}, {0, "0.0"}, {5000, "5.0"}}) {
            p.bar("hsb_speed")->setValue(ms);
            QCOMPARE(p.text(L, "lbl_pause"), QStringLiteral("Pause interval %1 sec").arg(shown));
        }
        // Paused before the start: one step, then the run waits until Continue.
        p.click(L, "cmd_pause");
        QCOMPARE(p.text(L, "cmd_pause"), "Continue");
        QString steps;
        p.run([&](int n) {
            steps += QString::number(p.listing().size());
            if (n == 9) p.bar("hsb_speed")->setValue(100), p.click(L, "cmd_pause");
            if (n == 10) p.finish();
        });
        QCOMPARE(steps, "1111111112");
        QCOMPARE(p.scripted.clock.slept, 5.1); // the new interval from the next step on
    }

    void finishAndExit_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<bool>("yes");
        for (const char* state : {"idle", "idle, paused", "running", "paused"})
            for (bool exit : {false, true})
                for (bool yes : {true, false})
                    QTest::addRow("%s, %s %s", state, exit ? "EXIT" : "Finish", yes ? "Yes" : "No")
                        << state << exit << yes;
    }

    void finishAndExit() {
        QFETCH(QString, state);
        QFETCH(bool, exit);
        QFETCH(bool, yes);
        const bool idle = state.startsWith("idle"), paused = state.endsWith("paused");
        Logistic p;
        // At the answer: screens empty, this window shown, the chooser shown, Pause reading
        // Continue, the six run controls enabled.
        QList<bool> seen;
        const auto answer = [&] {
            p.click(L, "cmd_draw"); // something to wipe when idle
            p.confirm(L, exit ? "cmd_exit" : "cmd_finish", yes ? IDYES : IDNO);
            seen << p.blank() << p.window(L)->isShown() << p.window("intro")->isShown()
                 << (p.text(L, "cmd_pause") == "Continue") << p.runControls();
        };
        if (state == "idle, paused") p.click(L, "cmd_pause");
        int listed = -1;
        const int yields = idle ? (answer(), 0) : p.run([&](int n) {
            if (n == 2 && paused) p.click(L, "cmd_pause");
            if (n == 4) answer();
            if (n == 8 && exit && yes) p.click("intro", "cmd_logistic"), p.click(L, "cmd_pause");
            if (n == 12) listed = p.listing().size(), p.finish();
        });
        const auto& box = p.scripted.dialogs.shown.first();
        QCOMPARE(box.text, exit ? "Do you want to finish with Logistic Mapping?"
                                : "Do you want to finish this iteration?");
        QCOMPARE(box.title, exit ? "Exit" : "Finish");
        QCOMPARE(box.style, MB_YESNO | MB_QUESTION);
        QCOMPARE(seen, QList<bool>({yes, !(exit && yes), exit && yes, paused && (exit || !yes)}) +
                           QList<bool>(6, idle || (yes && !exit)));
        // Answered No, a run goes on or stays paused; Yes ends it without another step.
        QCOMPARE(yields, idle ? 0 : !yes ? 12 : paused && exit ? 8 : 4);
        QCOMPARE(listed, idle || yes ? -1 : paused ? 2 : 12);
        // Chosen again after EXIT, the window is as EXIT left it; only Finish enables the
        // controls again.
        if (!p.window(L)->isShown()) p.click("intro", "cmd_logistic");
        if (yes) QVERIFY(p.blank());
        QCOMPARE(p.runControls(), QList<bool>(6, idle || !(exit && yes)));
        p.finish();
        QCOMPARE(p.runControls(), QList<bool>(6, true));
    }

    void runLeavingTheSquareEnds() {
        for (const char* k : {"4.5", "1e308"}) {
            Logistic p;
            p.enter(L, "cmd_k", {k});
            QCOMPARE(p.run([](int) {}), 1);
            QCOMPARE(p.listing(), QStringList({"0.5 0"}));
            // Drawn up to the top edge; the rest of the step lies outside.
            QCOMPARE(QList<Colour>({p.at(0.5, 1), p.at(1, 0.5)}), QList<Colour>({Green, Back}));
            QCOMPARE(p.runControls(), QList<bool>(6, false));
        }
    }

    void finishedRunStaysEndedWhenANewOneStarts() {
        Logistic p;
        const int yields = p.run([&](int n) {
            if (n == 3) p.finish(), p.enter(L, "cmd_k", {"4.5"}), p.click(L, "cmd_start");
        });
        QCOMPARE(yields, 4); // and one of the new run, which leaves the square at once
    }

    // The unit square is closed: its far edges light the last pixels.
    void closedSquare_data() {
        QTest::addColumn<QString>("k");
        QTest::addColumn<int>("bar");
        QTest::addColumn<QList<Colour>>("seen"); // the corners, then the bottom edge at x = 0.5
        QTest::newRow("k = 0 parabola")
            << "k0" << 5000 << QList<Colour>{Black, Back, Back, Red, Black};
        QTest::newRow("run from x0 = 0") << "" << 0 << QList<Colour>{Green, Back, Back, Back, Back};
        QTest::newRow("run from x0 = 1")
            << "" << 10000 << QList<Colour>{Green, Green, Back, Back, Green};
        QTest::newRow("k = 4 run") << "4" << 5000 << QList<Colour>{Back, Green, Back, Green, Green};
    }

    void closedSquare() {
        QFETCH(QString, k);
        QFETCH(int, bar);
        Logistic p;
        if (!k.isEmpty()) p.enter(L, "cmd_k", {k});
        p.bar("hsb_x0")->setValue(bar);
        QList<Colour> seen;
        if (k == "k0") {
            p.click(L, "cmd_draw");
            seen = p.corners() << p.at(0.5, 0);
            QCOMPARE(QList<Colour>({p.at(0.98, 0), p.at(0.995, 0)}), QList<Colour>({Black, Back}));
        } else {
            p.run([&](int) { seen = p.corners() << p.at(0.5, 0), p.finish(); });
        }
        QTEST(seen, "seen");
    }

    // The listing stays readable: a blank's width free before the step numbers, and every
    // value with the digits that fit, never cut off.
    void listingStaysReadable_data() {
        QTest::addColumn<double>("k");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("font");
        QTest::newRow("k 0.5 to the smallest") << 0.5 << 5000 << 1110 << "";
        QTest::newRow("k 0.5, DejaVu Sans") << 0.5 << 5000 << 420 << "DejaVu Sans";
        QTest::newRow("k 0.5 from near 1") << 0.5 << 9999 << 120 << "";
        QTest::newRow("k 3.99") << 3.99 << 5000 << 300 << "";
        QTest::newRow("k 3.99, DejaVu Sans") << 3.99 << 5000 << 300 << "DejaVu Sans";
        QTest::newRow("k 4 from near 0") << 4.0 << 1 << 300 << "";
        QTest::newRow("k 4 from near 1") << 4.0 << 9999 << 300 << "";
    }

    void listingStaysReadable() {
        QFETCH(double, k);
        QFETCH(int, bar);
        QFETCH(int, steps);
        QFETCH(QString, font);
        Logistic p;
        QFont f = p.values()->font();
        f.setFamilies(font.isEmpty() ? f.families() : QStringList{font});
        p.values()->setFont(f);
        p.enter(L, "cmd_k", {QString::number(k)});
        p.bar("hsb_x0")->setValue(bar);
        p.bar("hsb_speed")->setValue(0);
        // The orbit exactly; the first step takes 1 - x in single precision, as x0 is.
        const float x0 = float(bar / 10000.0);
        QList<double> orbit{x0, (k * x0) * (1.0f - x0)};
        while (orbit.size() <= steps)
            orbit.append((k * orbit.last()) * (1 - orbit.last()));
        int looks = 0, overruns = 0;
        QStringList wrong;
        p.run([&](int n) {
            if (n % 30 == 0 && ++looks) {
                // No ink in the blank's width before column 15, on the screen as grabbed.
                const QImage shot = p.values()->grab().toImage();
                const qreal dpr = shot.devicePixelRatio();
                const QRect inner = p.values()->contentsRect();
                const double column = inner.left() + p.values()->toPixel(15, 0).x();
                const double blank = QFontMetricsF(f).horizontalAdvance(u' ');
                for (int y = inner.top() * dpr; y < (inner.bottom() + 1) * dpr; ++y)
                    for (int x = std::ceil((column - blank) * dpr); x < column * dpr; ++x)
                        overruns += shot.pixel(x, y) != qRgb(0, 255, 255);
                // Eleven significant digits or more, read back whole (x0 as it is).
                for (const QString& line : p.listing()) {
                    const double shown = line.section(' ', 0, 0).toDouble();
                    const int i = line.section(' ', 1).toInt();
                    if (i ? std::abs(shown - orbit[i]) > orbit[i] * 1e-10 : float(shown) != x0)
                        wrong << line;
                }
            }
            if (n == steps) p.finish();
        });
        QCOMPARE(looks, steps / 30);
        QCOMPARE(overruns, 0);
        QCOMPARE(wrong, QStringList());
    }
};

QTEST_MAIN(TestLogistic)
#include "tst_logistic.moc"
