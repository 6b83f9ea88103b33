// Runs far longer than a user watches: the counters and the listing stay right past the
// 16-bit limits, and a long sieve run holds no more memory than a short one. Both runs go
// on in a hidden window, as a user's would after switching to the other program, which
// makes them fast enough to run on every build.
#include "logistic/logistic.h"
#include "shell/intro.h"
#include "sieve/sierpinski.h"
#include "tests/support/program.h"

#include <QFile>
#include <QtTest>

using namespace zr;

namespace {
// The resident memory of this process now, in kB.
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
} // namespace

class TestLongRuns : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    void sieveCountsPastSixteenBitsInFlatMemory() {
        TestProgram p;
        p.start();
        p.click(intro::Name, "cmd_sierp");
        p.enter(Sierpinski::Name, "cmd_vert", {"5"});
        constexpr int Points = 300000;
        QStringList wrong;
        long early = 0, late = 0;
        p.run(
            Sierpinski::Name, "cmd_iter",
            [&](int n) {
                if (n == 1) p.trigger(Sierpinski::Name, "menu_log");
                const QString counter = p.text(Sierpinski::Name, "lbl_iters");
                if (counter != QLatin1Char(' ') + QString::number(n) && wrong.size() < 3)
                    wrong << counter + QStringLiteral(" at ") + QString::number(n);
                if (n == Points / 3) early = residentKb();
                if (n == Points) {
                    late = residentKb();
                    p.trigger(logistic::Name, "menu_sierp");
                    p.confirm(Sierpinski::Name, "cmd_finish");
                }
            },
            Points);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
        QVERIFY(early > 0);
        QVERIFY2(late <= early + 2048, qPrintable(QStringLiteral("%1 kB at %2 points, %3 kB at %4")
                                                      .arg(early)
                                                      .arg(Points / 3)
                                                      .arg(late)
                                                      .arg(Points)));
    }

    void logisticListsPastSixteenBits() {
        TestProgram p;
        p.start();
        p.click(intro::Name, "cmd_logistic");
        p.enter(logistic::Name, "cmd_k", {"3.7"}); // k a double: the orbit wanders
        p.control<QScrollBar>(logistic::Name, "hsb_speed")->setValue(0);
        constexpr int LastStep = 65600;
        QList<ValuesScreen::Text> listing;
        // Before the n-th yield the listing ends with step n - 1; the window is shown again
        // in time for the last thirty steps to be written on it.
        p.run(
            logistic::Name, "cmd_start",
            [&](int n) {
                if (n == 1) p.trigger(logistic::Name, "menu_sierp");
                if (n == LastStep - 40) p.trigger(Sierpinski::Name, "menu_log");
                if (n == LastStep + 1) {
                    listing = p.control<ValuesScreen>(logistic::Name, "pb_values")->shown();
                    p.confirm(logistic::Name, "cmd_finish");
                }
            },
            LastStep + 1);

        // The same orbit, worked out here: x(0) = 0.5, then (k x)(1 - x) in double precision.
        std::vector<double> x{0.5};
        while (static_cast<int>(x.size()) <= LastStep)
            x.push_back((3.7 * x.back()) * (1 - x.back()));
        QCOMPARE(listing.size(), 60); // thirty lines of a value and its step number
        for (int line = 0; line < 30; ++line) {
            const int step = LastStep - 29 + line;
            QCOMPARE(readNumber(listing[2 * line].text).value, x[step]);
            QCOMPARE(listing[2 * line + 1].text, QString::number(step));
            QCOMPARE(listing[2 * line + 1].y, listing[2 * line].y);
        }
    }
};

QTEST_MAIN(TestLongRuns)
#include "tst_longruns.moc"
