// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A run far longer than a user watches: the sieve's counter stays right past the 16-bit
// limits. The run goes on in a hidden window, as a user's would after switching to the other
// program, which makes it fast enough to run on every build. (What long runs cost in time and
// memory: bench/.)
#include "tests/support/program.h"

using namespace zr;

class TestLongRuns : public WindowTest {
    Q_OBJECT
  private slots:
    // The counter past the signed and the unsigned limit.
    void pastSixteenBits() {
        TestProgram p;
        p.start();
        p.click("intro", "cmd_sierp");
        p.enter(Sierpinski::Name, "cmd_vert", {"5"});
        QStringList counters;
        const auto point = [&](int n) {
            if (n == 1) p.trigger(Sierpinski::Name, "menu_log");
            if (n == 32768 || n == 65536 || n == 70000)
                counters << p.text(Sierpinski::Name, "lbl_iters");
            if (n == 70000) p.confirm(Sierpinski::Name, "cmd_finish");
        };
        p.run(Sierpinski::Name, "cmd_iter", point, 70000);
        QCOMPARE(counters, QStringList({" 32768", " 65536", " 70000"}));
    }
};

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
