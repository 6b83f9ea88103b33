// Every way out of a program window, idle, running and paused, for both program windows:
// what the user sees right afterwards, whether the run stopped or went on, and the program
// ending exactly when its last window goes. And both programs at once: a run started inside
// the other window's yield nests in it.
#include "shell/intro.h"
#include "shell/zelta.h"
#include "tests/support/program.h"

#include <QMdiSubWindow>

using namespace zr;

namespace {
// A program window as the user reaches it: its name, its Start button, the chooser's button
// that opens it and its Window menu item for the other program.
struct Program {
    QString name, start, opener, toOther;
};
const Program Sieve{Sierpinski::Name, "cmd_iter", "cmd_sierp", "menu_log"};
const Program Cobweb{logistic::Name, "cmd_start", "cmd_logistic", "menu_sierp"};
} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // Afterwards: this window | the other program window | the chooser. A program window is
    // shown or hidden, its Start button available or not ("-"), then its Pause button's
    // caption. Then the run: stopped at once, or still going until the user finished it.
    void wayOut_data() {
        QTest::addColumn<bool>("sieve");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("after");
        const char* rows[][3] = {
            {"close box", "idle", "gone | hidden start Pause | hidden"},
            {"close box", "running", "gone | hidden start Pause | hidden; the run stops"},
            {"close box", "paused", "gone | hidden start Pause | hidden; the run stops"},
            {"frame closed", "idle", "program over"},
            {"frame closed", "running", "program over; the run stops"},
            {"frame closed", "paused", "program over; the run stops"},
            {"FINISH", "idle", "program ended"},
            {"FINISH", "running", "program ended; the run stops"},
            {"FINISH", "paused", "program ended; the run stops"},
            {"Window menu", "idle", "hidden start Pause | shown start Pause | hidden"},
            {"Window menu", "running",
             "hidden - Pause | shown start Pause | hidden; the run goes on"},
            {"Window menu", "paused",
             "hidden - Continue | shown start Pause | hidden; the run goes on"},
            {"other run inside", "idle", "hidden start Pause | shown start Pause | hidden"},
            {"other run inside", "running",
             "hidden - Pause | shown start Pause | hidden; the run goes on"},
            {"other run inside", "paused",
             "hidden - Continue | shown start Pause | hidden; the run goes on"},
            {"frame closed in both runs", "idle", "program over"},
            {"frame closed in both runs", "running", "program over; the run stops"},
            {"frame closed in both runs", "paused", "program over; the run stops"},
            {"Finish", "idle", "shown start Pause | hidden start Pause | hidden"},
            {"Finish", "running", "shown start Pause | hidden start Pause | hidden; the run stops"},
            {"Finish", "paused", "shown start Pause | hidden start Pause | hidden; the run stops"},
            {"EXIT", "idle", "hidden start Pause | hidden start Pause | shown"},
            {"EXIT", "running", "hidden - Pause | hidden start Pause | shown; the run stops"},
            {"EXIT", "paused", "hidden - Continue | hidden start Pause | shown; the run goes on"},
        };
        for (const bool sieve : {true, false})
            for (const auto& [way, state, after] : rows)
                QTest::addRow("%s, %s, %s", sieve ? "sieve" : "logistic", state, way)
                    << sieve << QString(state) << QString(way) << QString(after);
    }
    void wayOut() {
        QFETCH(bool, sieve);
        QFETCH(QString, state);
        QFETCH(QString, way);
        TestProgram p;
        p.start();
        const Program self = sieve ? Sieve : Cobweb, other = sieve ? Cobweb : Sieve;
        p.click(intro::Name, self.opener);
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        const bool inside = way == "other run inside" || way == "frame closed in both runs";
        QString seen;
        int before = 0, steps = -1, inner = 0; // steps: this run's, once the way is taken
        bool nested = false;
        const auto takeWay = [&] {
            if (way == "close box") p.window(self.name)->subWindow()->close();
            if (way == "frame closed") p.window(Zelta::Name)->close();
            if (way == "FINISH") p.confirm(intro::Name, "cmd_exit");
            if (way == "Finish") p.confirm(self.name, "cmd_finish");
            if (way == "EXIT") p.confirm(self.name, "cmd_exit");
            if (way == "Window menu" || inside) p.trigger(self.name, self.toOther);
            nested = inside;
            if (inside) p.click(other.name, other.start);
            nested = false;
            QStringList windows;
            for (const Program& w : {self, other, Program{intro::Name, {}, {}, {}}}) {
                const Form* f = p.window(w.name);
                windows << (!f ? "gone" : f->isShown() ? "shown" : "hidden");
                if (f && !w.start.isEmpty())
                    windows.last() +=
                        (p.control(w.name, w.start)->isEnabled() ? " start " : " - ") +
                        p.text(w.name, "cmd_pause");
            }
            seen = windows.join(" | ");
            steps = 0;
        };
        p.rt->setYieldHook([&] {
            // The other window's run, started inside: the user finishes it, or closes the frame.
            if (nested && ++inner == 5 && way == "other run inside")
                p.confirm(other.name, "cmd_finish");
            if (nested && inner == 5 && way != "other run inside") p.window(Zelta::Name)->close();
            if (nested) return;
            // A run the way out left going: the user finishes it, or at last closes the frame.
            if (steps >= 0 && ++steps == 30) p.confirm(self.name, "cmd_finish");
            if (steps == 300) p.window(Zelta::Name)->close();
            if (steps < 0 && ++before == 2 && state == "paused") p.click(self.name, "cmd_pause");
            if (steps < 0 && before == (state == "paused" ? 4 : 3)) takeWay();
        });
        if (state == "idle")
            takeWay();
        else
            p.click(self.name, self.start);
        p.rt->setYieldHook({});
        if (!p.rt->anyLoaded()) seen = p.scripted.ender.ended ? "program ended" : "program over";
        if (state != "idle")
            seen += steps == 0    ? "; the run stops"
                    : steps == 30 ? "; the run goes on"
                                  : QString("; the run stops after %1 steps").arg(steps);
        QTEST(seen, "after");
        QCOMPARE(over.count(), int(!p.rt->anyLoaded()));
        QCOMPARE(p.scripted.dialogs.unexpected, 0);
    }

    // A logistic run started inside a sieve run's yield: the sieve run takes no step until
    // it has returned.
    void runNestsInTheOtherWindowsYield() {
        TestProgram p;
        p.start();
        p.click(intro::Name, Sieve.opener);
        QStringList counter; // the sieve's, at every yield
        p.run(Sieve.name, Sieve.start, [&](int n) {
            counter << p.text(Sieve.name, "lbl_iters");
            if (n == 5) p.trigger(Sieve.name, Sieve.toOther);
            if (n == 5) p.click(Cobweb.name, Cobweb.start); // runs here, inside this yield
            if (n == 25) p.confirm(Cobweb.name, "cmd_finish");
            if (n == 27) p.confirm(Sieve.name, "cmd_finish");
        });
        QCOMPARE(counter.mid(4), QStringList(21, " 5") << " 6"
                                                       << " 7");
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
