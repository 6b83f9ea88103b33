// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The sieve window as a user meets it: clicks, typed entries and answers, and what the
// window then shows on its drawing area, counter, captions and buttons, over a short run and a
// long one.
#include "tests/support/program.h"

#include <QtTest>

using namespace zr;

namespace {
const QString W = QStringLiteral("Sierpinski");

struct Sieve : TestProgram {
    PictureBox* pb;
    Sieve() { start(), click("intro", "cmd_sierp"), pb = area(W, "pb_screen"); }
    // The colour of the pixel that (x, y) lights, or of one `off` it.
    Colour at(double x, double y, QPoint off = {}) const {
        const QPoint p = pb->pixelOf(x, y) + off;
        return pb->pixel(p.x(), p.y());
    }
    // Pixels in colour `c` in the square `size` pixels wide about the one (x, y) lights.
    int count(double x, double y, Colour c, int size) const {
        int n = 0;
        for (int i = 0; i < size * size; ++i)
            n += at(x, y, {i % size - size / 2, i / size - size / 2}) == c;
        return n;
    }
    // Pixels of the whole area not in the back colour, which its corner keeps.
    int inked() const { return 449 * 449 - count(-0.5, 0.5, at(-225, 225), 449); }
};
} // namespace

class TestSieve : public WindowTest {
    Q_OBJECT
  private slots:
    // One session: Pause and Finish before any run; a run at a ratio of a quarter from
    // (-100, 100), x first, through vertices 0, 1, 2, 0, the speed bar moved at its first
    // three yields, then paused by a click that the run's yield handles, answered No at Finish
    // and EXIT, continued and finished; a second run begun in the first one's yield and left by
    // EXIT; About. Each look: the buttons a run disables, and Print, offered to no one, that are
    // enabled; the Pause caption, the counter, the drawing, and the windows shown. While a point
    // flashes, the counter shows the points plotted before it. (The flash's width: tst_desktop.)
    void session() {
        Sieve s;
        QStringList seen; // the looks; while the speed bar moves, the time held and its caption
        const auto look = [&] {
            QStringList on, shown;
            for (const char* name : {"cmd_cls", "cmd_vert", "cmd_ratio", "cmd_iter", "cmd_print"})
                if (s.control(W, name)->isEnabled()) on << QString(name).mid(4);
            for (const QString& name : {QStringLiteral("intro"), W, QStringLiteral("frmAbout")})
                if (s.window(name) && s.window(name)->isShown()) shown << name;
            seen << QStringList{on.join(' '), s.text(W, "cmd_pause"), s.text(W, "lbl_iters"),
                                s.inked() ? "drawn" : "empty", shown.join(' ')}
                        .join('|');
        };
        s.click(W, "cmd_pause");
        s.confirm(W, "cmd_finish");
        look();
        s.enter(W, "cmd_ratio", {"0.25"});
        s.scripted.random.queue = {0.25f, 0.75f, 0.0f, 0.4f, 0.9f, 0.0f};
        QStringList counters; // while each point flashes
        s.scripted.clock.whileAsleep = [&] { counters << s.text(W, "lbl_iters"); };
        s.run(W, "cmd_iter", [&](int n) {
            if (n < 5) seen << QString::number(s.scripted.clock.slept) << s.text(W, "lbl_pause");
            if (n < 4) s.control<HScrollBar>(W, "hsb_speed")->setValue(n * 250);
            if (n == 4)
                seen << QString::number(s.inked()) + " pixels"
                     << differs("Sierpinski-run", s.window(W)->grab().toImage());
            if (n == 4) QTimer::singleShot(0, s.control(W, "cmd_pause"), &QAbstractButton::click);
            if (n == 5) s.confirm(W, "cmd_finish", IDNO), s.confirm(W, "cmd_exit", IDNO);
            if (n == 8) s.confirm(W, "cmd_finish");
            if (n == 10) s.confirm(W, "cmd_exit");
            if (n == 5 || n == 8 || n == 10) look();
            if (n == 6) s.click(W, "cmd_pause");
            if (n == 8) s.click(W, "cmd_iter"); // the second run
        });
        s.click("intro", "cmd_sierp");
        s.trigger(W, "hlp_About");
        look();
        s.confirm(W, "cmd_finish");
        look();
        const QString idle = "cls vert ratio iter|Pause|0|empty|Sierpinski";
        QCOMPARE(seen, (QStringList{idle, "0", "Pause interval 0.00 sec", "0.25",
                                    "Pause interval 0.25 sec", "0.75", "Pause interval 0.50 sec",
                                    "1.5", "Pause interval 0.75 sec", "5 pixels",
                                    "|Continue| 4|drawn|Sierpinski", idle, "|Pause|0|empty|intro",
                                    "|Pause|0|empty|Sierpinski frmAbout", idle + " frmAbout"}));
        QCOMPARE(counters.mid(0, 3), (QStringList{"0", "1", " 1"}));
        QVERIFY(s.scripted.random.seeds.first() != s.scripted.random.seeds.last()); // afresh
    }

    // Vertex entries one after another, each clearing the polygon before, the window hidden
    // and shown again between; then ratio entries after a cancelled vertex entry; then Print.
    void entries() {
        Sieve s;
        QStringList seen, ratios; // ratios: offered, then taken
        const QList<std::pair<QString, int>> vertices{
            {"5", 5},        {"3.0", 3}, {"4.5;2;abc;6", 6}, {"cls", 0}, {"10001;10000", 10000},
            {"<cancel>", 0}, {"2;", 0}};
        for (const auto& [typed, sides] : vertices) {
            typed == "cls" ? s.click(W, "cmd_cls") : s.enter(W, "cmd_vert", typed.split(';'));
            s.trigger(W, "menu_log");
            s.trigger(W, "menu_sierp");
            int drawn = 0; // sides with a drawn middle, the last one too
            for (double a = M_PI / sides, r = 200 * cos(a); a < 2 * M_PI; a += 2 * M_PI / sides)
                drawn += s.count(r * sin(a), r * cos(a), Black, 3) > 0;
            // Lines one pixel wide, and nothing left of the polygon before.
            const bool thin = s.inked() <= 1.4 * sides * 400 * std::sin(M_PI / qMax(sides, 1));
            seen << s.window(W)->caption().remove("Sierpinski Sieve: ") + ": " +
                        QString::number(drawn) + (thin ? "" : " and more");
        }
        for (const char* typed :
             {"0.3", "0", "0.999", "1", "abc", "1e400", "0.999999999", "1e-50", ""}) {
            s.enter(W, "cmd_ratio", {typed});
            ratios << s.scripted.dialogs.shown.last().defaultText + " to " +
                          s.window(W)->caption().section(" = ", 1);
        }
        QCOMPARE(seen,
                 (QStringList{"5 vertices: 5", "3.0 vertices: 3", "6 vertices: 6", "6 vertices: 0",
                              "10000 vertices: 10000", "10000 vertices: 0", "10000 vertices: 0"}));
        QCOMPARE(s.window(W)->caption(), "Sierpinski Sieve: v vertices:  ratio = r");
        QCOMPARE(s.scripted.dialogs.shown[0].defaultText, "3");
        QCOMPARE(ratios, (QStringList{"0.5 to 0.3", "0.3 to r", "0.5 to 0.999", "0.999 to r",
                                      "0.5 to r", "0.5 to r", "0.5 to r", "0.5 to r", "0.5 to r"}));
        // Print, were it made available: the window on white without its buttons; then the
        // window as before, its colour too, but Print left hidden.
        s.control(W, "cmd_print")->setEnabled(true);
        s.click(W, "cmd_print");
        QCOMPARE(differs("Sierpinski-print", s.scripted.printer.printed.value(0)), QStringList());
        QCOMPARE(differs("Sierpinski-printed", s.window(W)), QStringList());
    }

    // A run far longer than a user watches, going on in the hidden window as it would after
    // a switch to the other program: the counter past the signed and the unsigned 16-bit
    // limit. (What long runs cost in time and memory: bench/.)
    void pastSixteenBits() {
        Sieve s;
        s.enter(W, "cmd_vert", {"5"});
        QStringList counters;
        const auto step = [&](int n) {
            if (n == 1) s.trigger(W, "menu_log");
            if (n == 32768 || n == 65536 || n == 70000) counters << s.text(W, "lbl_iters");
            if (n == 70000) s.confirm(W, "cmd_finish");
        };
        s.run(W, "cmd_iter", step, 70000);
        QCOMPARE(counters, QStringList({" 32768", " 65536", " 70000"}));
    }
};

QTEST_MAIN(TestSieve)
#include "tst_sieve.moc"
