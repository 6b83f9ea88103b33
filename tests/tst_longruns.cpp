// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs far longer than a user watches: the sieve's counter and the logistic listing stay
// right past the 16-bit limits, and a long sieve run holds no more memory than a short one.
// Both runs go on in a hidden window, as a user's would after switching to the other
// program, which makes them fast enough to run on every build.
#include "tests/support/program.h"

using namespace zr;

// The resident memory of this process now, in kB.
static long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QByteArray text = status.readAll();
    return text.mid(text.indexOf("VmRSS:") + 6).trimmed().split(' ').first().toLong();
}

class TestLongRuns : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // The sieve's counter past both limits, its memory at a third and at the end of the run;
    // then the logistic listing after step 65,600: the last thirty values read back whole,
    // with their step numbers.
    void pastSixteenBits() {
        TestProgram p;
        p.start();
        p.click("intro", "cmd_sierp");
        p.enter(Sierpinski::Name, "cmd_vert", {"5"});
        constexpr int Points = 300000, Last = 65600;
        QStringList counters;
        long early = 0;
        const auto point = [&](int n) {
            if (n == 1) p.trigger(Sierpinski::Name, "menu_log");
            if (n == 32768 || n == 65536 || n == Points)
                counters << p.text(Sierpinski::Name, "lbl_iters");
            if (n == Points / 3) early = residentKb();
            if (n == Points) p.confirm(Sierpinski::Name, "cmd_finish");
        };
        p.run(Sierpinski::Name, "cmd_iter", point, Points);
        QCOMPARE(counters, QStringList({" 32768", " 65536", " 300000"}));
        QCOMPARE_LE(residentKb(), early + 2048);

        p.enter(logistic::Name, "cmd_k", {"3.7"}); // k a double: the orbit wanders
        QList<ValuesScreen::Text> shown;
        // Before the n-th yield the listing ends with step n - 1; the window is shown again
        // in time for the last thirty steps to be written on it.
        const auto step = [&](int n) {
            if (n == 1) p.trigger(logistic::Name, "menu_sierp");
            if (n == Last - 40) p.trigger(Sierpinski::Name, "menu_log");
            if (n == Last + 1)
                shown = p.control<ValuesScreen>(logistic::Name, "pb_values")->shown();
            if (n == Last + 1) p.confirm(logistic::Name, "cmd_finish");
        };
        p.run(logistic::Name, "cmd_start", step, Last + 1);
        QStringList seen, orbit;
        for (int i = 0; i + 1 < shown.size(); i += 2)
            seen << QString::number(shown[i].text.toDouble(), 'g', 17) + ' ' + shown[i + 1].text;
        double x = 0.5; // then (k x)(1 - x) in double precision
        for (int n = 0; n <= Last; ++n, x = (3.7 * x) * (1 - x))
            if (n > Last - 30) orbit << QString::number(x, 'g', 17) + ' ' + QString::number(n);
        QCOMPARE(seen, orbit);
    }
};

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
