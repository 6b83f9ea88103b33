// The logistic window as a user meets it: clicks, typed entries and answers in; captions,
// labels, the listing and the screens' pixels out.
#include "logistic/valuesscreen.h"
#include "tests/support/program.h"

#include <QMap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace zr;
static const QString L = QStringLiteral("logistic");
static const QString Plain = QStringLiteral("Logistic Mapping: y = kx(1 - x)");
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
    // One "value n" a line, read by the lines' places down the screen.
    QStringList listing() const {
        QMap<double, QStringList> lines;
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
    // Of Clear Screens, Draw graphs, Enter k, Enter x0, the x0 bar and Start Iteration.
    int runControlsOn() const {
        int on = 0;
        for (const char* name : {"cmd_clear", "cmd_draw", "cmd_k", "cmd_x0", "hsb_x0", "cmd_start"})
            on += control<QWidget>(L, name)->isEnabled();
        return on;
    }
};

class TestLogistic : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(' ')));
    }

    // Start-up and the help items; then the graphs drawn, joined by another k's, cleared,
    // and drawn again over themselves when k is refused.
    void startUpAndGraphs() {
        Logistic p;
        const QString pause = p.text(L, "lbl_pause");
        p.bar("hsb_speed")->setValue(1500);
        QCOMPARE(QStringList({p.caption(), p.text(L, "lbl_x0"), pause, p.text(L, "lbl_pause")}),
                 QStringList(
                     {Plain, "x0 = 0.5000", "Pause interval 1.0 sec", "Pause interval 1.5 sec"}));
        // The thirteen Help items besides About carry the help numbers 1 to 13 and do nothing.
        QList<int> helps;
        for (QAction* item : p.window(L)->findChildren<QAction*>())
            if (item->property("helpContextID").isValid())
                helps << item->property("helpContextID").toInt(), item->trigger();
        std::sort(helps.begin(), helps.end());
        QCOMPARE(helps, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
        QVERIFY(p.blank());
        p.click(L, "cmd_draw");
        QCOMPARE(p.caption(), caption("3.0", 12, "0.5"));
        p.enter(L, "cmd_k", {"4"});
        p.click(L, "cmd_draw");
        QCOMPARE(QList<Colour>({p.at(0.5, 0.75), p.at(0.5, 1)}), QList<Colour>({Black, Black}));
        p.click(L, "cmd_clear");
        QCOMPARE(p.caption(), Plain);
        QVERIFY(p.blank());
        p.click(L, "cmd_draw");
        const QImage once = p.graph()->image().copy();
        p.enter(L, "cmd_k", {"-1"});
        p.click(L, "cmd_draw");
        QCOMPARE(p.caption(), caption("k", 12, "0.5"));
        QCOMPARE(p.graph()->image(), once);
        p.trigger(L, "hlp_About");
        QVERIFY(p.window("frmAbout")->isShown());
    }

    // k and x0 entered in turn: the text each box offers, then the caption, the x0 label and
    // the x0 bar. An x0 entry's caption shows k as taken in; a moved bar writes its own.
    void entries() {
        Logistic p;
        QStringList seen;
        for (const char* typed : {"k 3.20", "x0 0.25", "k abc", "x0 2", "k .5", "x0 <cancel>",
                                  "k 3,5", "x0 0.99999", "k 0", "x0 0.12345"}) {
            const QString button = "cmd_" + QString(typed).section(' ', 0, 0);
            p.enter(L, button, {QString(typed).section(' ', 1)});
            seen << p.scripted.dialogs.shown.last().defaultText + " | " + p.caption() + " | " +
                        p.text(L, "lbl_x0") + " " + QString::number(p.bar("hsb_x0")->value());
        }
        const auto row = [](const char* offered, const QString& caption, const char* x0) {
            return offered + (" | " + caption) + " | x0 = " + x0;
        };
        QCOMPARE(seen, QStringList({row("3.0", caption("3.20", 12, "0.5"), "0.5000 5000"),
                                    row("0.5", caption("3.2", 10, "0.25"), "0.2500 2500"),
                                    row("3.20", caption("abc", 12, "0.25"), "0.2500 2500"),
                                    row("0.25", caption("0.0", 14, "2"), "0.2500 2500"),
                                    row("abc", caption("k", 12, "0.25"), "0.2500 2500"),
                                    row("2", caption("0.0", 14, ""), "0.2500 2500"),
                                    row("3.0", caption("3,5", 12, "0.25"), "0.2500 2500"),
                                    row("", caption("3.0", 10, "1.0"), "1.0000 10000"),
                                    row("3,5", caption("k", 12, "1.0"), "1.0000 10000"),
                                    row("0.99999", caption("3.0", 10, "0.1235"), "0.1235 1235")}));
        QCOMPARE(p.scripted.dialogs.shown.last().title, "y = kx(1 - x)");
    }

    // Pause before any run, then Finish: Pause again. The first steps' lines in their colours
    // and their values in single precision, Tidy Up in between, the last thirty lines. A
    // second run from another x0, with k taken in as a double by Draw graphs, paused before
    // it starts: one step, then it waits for Continue; the speed bar moved then sets the
    // next steps' wait. Finished, and a new run started at once inside its last yield: the
    // finished run stays ended.
    void runs() {
        Logistic p;
        p.click(L, "cmd_pause");
        p.finish();
        QCOMPARE(p.text(L, "cmd_pause"), "Pause");
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
        QCOMPARE(before, QStringList({"0.5 0", "0.75 1", "0.5625 2", "0.73828125 3", Plain}));
        QCOMPARE(tidied, before);
        QCOMPARE(lines,
                 QStringList({"0.7184363 11", "30", "0.5 0", "29", "30", "0.75 1", "30", "shown"}));
        QCOMPARE(p.scripted.clock.slept, 31.0); // a second after each step
        p.click(L, "cmd_draw");
        p.bar("hsb_x0")->setValue(2500);
        p.click(L, "cmd_pause");
        lines.clear();
        QCOMPARE(p.run([&](int n) {
            if (n == 1) seen = {p.at(0.25, 0.1)};
            if (n <= 3) lines << p.listing();
            if (n == 3) p.bar("hsb_speed")->setValue(100), p.click(L, "cmd_pause");
            if (n == 14) lines << p.listing().last(), p.finish();
            if (n == 14) p.enter(L, "cmd_k", {"1e308"}), p.click(L, "cmd_start");
        }),
                 15); // and one of the new run, which leaves the square at once
        QCOMPARE(lines, QStringList({"0.25 0", "0.25 0", "0.25 0", "0.6068566957218066 11"}));
        QCOMPARE(seen, QList<Colour>({Green}));
        QCOMPARE(p.scripted.clock.slept, 31 + 1 + 12 * 0.1); // eleven steps and the new run's
    }

    // Finish or EXIT answered at the fourth step of a run.
    void finishAndExit_data() {
        QTest::addColumn<bool>("exit");
        QTest::addColumn<int>("answer");
        // The box, the screens, the window, the run controls on, the steps taken.
        QTest::addColumn<QString>("seen");
        const QString finish = "Finish: Do you want to finish this iteration?",
                      exit = "Exit: Do you want to finish with Logistic Mapping?";
        QTest::newRow("Finish, Yes") << false << int(IDYES) << finish + ", wiped, shown, 6, 4";
        QTest::newRow("Finish, No") << false << int(IDNO) << finish + ", kept, shown, 0, 8";
        QTest::newRow("EXIT, Yes") << true << int(IDYES) << exit + ", wiped, hidden, 0, 4";
        QTest::newRow("EXIT, No") << true << int(IDNO) << exit + ", kept, shown, 0, 8";
    }

    void finishAndExit() {
        QFETCH(bool, exit);
        QFETCH(int, answer);
        Logistic p;
        QStringList seen;
        const int steps = p.run([&](int n) {
            if (n == 4) p.confirm(L, exit ? "cmd_exit" : "cmd_finish", answer);
            if (n == 4)
                seen << p.scripted.dialogs.shown.last().title + ": " +
                            p.scripted.dialogs.shown.last().text
                     << (p.blank() ? "wiped" : "kept")
                     << (p.window(L)->isShown() ? "shown" : "hidden")
                     << QString::number(p.runControlsOn());
            if (n == 8) p.finish();
        });
        QTEST((seen << QString::number(steps)).join(", "), "seen");
    }

    // The unit square is closed: its far edges light the last pixels. A run that leaves the
    // square ends by itself, drawn up to the edge, and leaves the controls off until Finish.
    void closedSquare_data() {
        QTest::addColumn<QString>("k");
        QTest::addColumn<int>("bar");
        // The corners from the bottom left, then (0.5, 0), (0.98, 0) and (0.5, 1); the steps.
        QTest::addColumn<QList<Colour>>("seen");
        QTest::addColumn<int>("steps");
        QTest::newRow("k = 0 parabola, drawn")
            << "k0" << 5000 << QList<Colour>{Black, Back, Back, Red, Black, Black, Back} << 0;
        QTest::newRow("from x0 = 0")
            << "3" << 0 << QList<Colour>{Blue, Back, Back, Back, Back, Back, Back} << 2;
        QTest::newRow("from x0 = 1")
            << "3" << 10000 << QList<Colour>{Blue, Green, Back, Back, Green, Green, Back} << 2;
        QTest::newRow("k = 4") << "4" << 5000
                               << QList<Colour>{Blue, Blue, Back, Green, Blue, Blue, Green} << 2;
        for (const char* k : {"4.5", "1e308"})
            QTest::addRow("k = %s leaves", k)
                << k << 5000 << QList<Colour>{Back, Back, Back, Back, Green, Back, Green} << 1;
    }

    void closedSquare() {
        QFETCH(QString, k);
        QFETCH(int, bar);
        QFETCH(int, steps);
        Logistic p;
        p.enter(L, "cmd_k", {k});
        p.bar("hsb_x0")->setValue(bar);
        QList<Colour> seen;
        const auto look = [&] {
            const int r = p.graph()->innerSize().width() - 1,
                      b = p.graph()->innerSize().height() - 1;
            seen = {p.pixel({0, b}), p.pixel({r, b}), p.pixel({0, 0}), p.pixel({r, 0}),
                    p.at(0.5, 0),    p.at(0.98, 0),   p.at(0.5, 1)};
        };
        QCOMPARE(k == "k0" ? (p.click(L, "cmd_draw"), look(), 0) : p.run([&](int n) {
            look();
            if (n == 2) p.finish();
        }),
                 steps);
        QTEST(seen, "seen");
        QCOMPARE(p.runControlsOn(), steps == 1 ? 0 : 6);
    }

    // The listing stays readable: a blank's width free before the step numbers, and every
    // value in full where it fits, else with as many digits as fit, never cut off.
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
        const QFontMetricsF metrics(f);
        const QRect inner = p.values()->contentsRect();
        const double room = p.values()->toPixel(15, 0).x() - metrics.horizontalAdvance(u' ');
        // A line's value: right, and with fewer digits than in full only when the fewest more
        // digits that would show another value do not fit.
        const auto readable = [&](const QString& line) {
            const QString text = line.section(' ', 0, 0);
            const int i = line.section(' ', 1).toInt(),
                      digits = QString(text).remove(QRegularExpression("^[-0.]*|E.*|\\D")).size();
            const double shown = text.toDouble(), v = orbit[i];
            const double unit = std::pow(10.0, std::floor(std::log10(std::abs(v))) + 1 - digits);
            int more = 1;
            while (more < 9 &&
                   std::abs(shown - v) <= unit * std::pow(10.0, -more) / 2 + std::abs(v) * 1e-15)
                ++more;
            const QString longer = QString(text).insert(
                text.contains('E') ? text.indexOf('E') : text.size(), QString(more, '0'));
            if (i == 0) return float(shown) == x0;
            return std::abs(shown - v) <= std::abs(v) * std::pow(10.0, 1 - digits) &&
                   (shown == v || metrics.horizontalAdvance(longer) > room);
        };
        int looks = 0, overruns = 0;
        QStringList wrong;
        p.run([&](int n) {
            if (n % 30 == 0 && ++looks) {
                // No ink in the blank's width before column 15, on the screen as grabbed.
                const QImage shot = p.values()->grab().toImage();
                const qreal dpr = shot.devicePixelRatio();
                for (int y = inner.top() * dpr; y < (inner.bottom() + 1) * dpr; ++y)
                    for (int x = std::ceil((inner.left() + room) * dpr);
                         x < (inner.left() + p.values()->toPixel(15, 0).x()) * dpr; ++x)
                        overruns += shot.pixel(x, y) != qRgb(0, 255, 255);
                for (const QString& line : p.listing())
                    if (!readable(line)) wrong << line;
            }
            if (n == steps) p.finish();
        });
        QCOMPARE(looks, steps / 30);
        QCOMPARE(overruns, 0);
        QCOMPARE(wrong.join(", "), QString());
    }
};

QTEST_MAIN(TestLogistic)
#include "tst_logistic.moc"
