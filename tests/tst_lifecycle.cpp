// Every way out of every run state, for both program windows: afterwards the window is in
// the state that way leads to, no run goes on in a window that is gone, and the program
// ends exactly when its last window goes. And both programs at once: a run started inside
// the other window's yield nests in it.
#include "logistic/logistic.h"
#include "shell/intro.h"
#include "shell/zelta.h"
#include "sieve/sierpinski.h"
#include "tests/support/program.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace zr;

namespace {
enum State { Idle, Running, Paused, StoppedByExit, PausedExitChosen };
enum Way {
    CloseBox,
    CloseFrame,
    EndProgram,
    WindowMenu,
    OtherRunInside,
    FrameInBothRuns,
    Finish,
    Exit
};

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

    void wayOut_data() {
        QTest::addColumn<bool>("sieve");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("way");
        const char* states[] = {"idle", "running", "paused", "stopped by EXIT",
                                "paused, EXIT chosen"};
        const char* ways[] = {"close box",        "frame closed",
                              "FINISH",           "Window menu",
                              "other run inside", "frame closed in both runs",
                              "Finish",           "EXIT"};
        for (bool sieve : {true, false})
            for (int s = Idle; s <= PausedExitChosen; ++s)
                for (int w = CloseBox; w <= Exit; ++w)
                    QTest::addRow("%s, %s, %s", sieve ? "sieve" : "logistic", states[s], ways[w])
                        << sieve << s << w;
    }
    void wayOut() {
        QFETCH(bool, sieve);
        QFETCH(int, state);
        QFETCH(int, way);
        TestProgram p;
        p.start();
        const Program self = sieve ? Sieve : Cobweb, other = sieve ? Cobweb : Sieve;
        p.click(intro::Name, self.opener);
        QPointer<Form> selfForm = p.window(self.name);
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        int yields = 0, wayAt = -1, inner = 0; // inner: yields of the other window's run
        bool nested = false, wentOn = false;
        const auto takeWay = [&] {
            wayAt = yields;
            if (way == CloseBox) selfForm->subWindow()->close();
            if (way == CloseFrame) p.window(Zelta::Name)->close();
            if (way == EndProgram) p.confirm(intro::Name, "cmd_exit");
            if (way == WindowMenu || way >= OtherRunInside) p.trigger(self.name, self.toOther);
            nested = way == OtherRunInside || way == FrameInBothRuns;
            if (nested) p.click(other.name, other.start);
            nested = false;
            if (way == Finish || way == Exit)
                p.confirm(self.name, way == Finish ? "cmd_finish" : "cmd_exit");
        };
        // The yields of the run at which the state is reached and the way taken: Pause,
        // EXIT, back through the chooser, the way out.
        const QList<int> at =
            QList<QList<int>>{{}, {0, 0, 0, 3}, {2, 0, 0, 4}, {0, 2}, {2, 3, 5, 6}}[state];
        p.rt->setYieldHook([&] {
            ++yields;
            if (nested && ++inner == 5 && way == OtherRunInside)
                p.confirm(other.name, "cmd_finish");
            if (nested && inner == 5 && way == FrameInBothRuns) p.window(Zelta::Name)->close();
            if (nested) return;
            if (wayAt < 0 && yields == at.value(0)) p.click(self.name, "cmd_pause");
            if (wayAt < 0 && yields == at.value(1)) p.confirm(self.name, "cmd_exit");
            if (wayAt < 0 && yields == at.value(2)) p.click(intro::Name, self.opener);
            if (wayAt < 0 && yields == at.value(3)) takeWay();
            // A run the way out left going: the user ends it later, or at last the frame.
            if (wayAt >= 0 && yields == wayAt + 30 && selfForm && !selfForm->isUnloaded()) {
                wentOn = true;
                p.confirm(self.name, "cmd_finish");
            }
            if (wayAt >= 0 && yields == wayAt + 300) p.window(Zelta::Name)->close();
        });
        if (state != Idle) p.click(self.name, self.start);
        if (state == StoppedByExit) p.click(intro::Name, self.opener);
        if (state == Idle || state == StoppedByExit) takeWay();
        p.rt->setYieldHook({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(wayAt >= 0 && yields < wayAt + 300, "a run would not end");
        QCOMPARE(p.scripted.dialogs.unexpected, 0);
        for (const auto& box : p.scripted.dialogs.shown)
            QCOMPARE(box.style, MB_YESNO | MB_QUESTION);
        // The program ends with the frame, or with FINISH, and then no window is left.
        const bool goesOn = way != CloseFrame && way != EndProgram && way != FrameInBothRuns;
        QCOMPARE((QList<int>{p.rt->anyLoaded(), p.scripted.ender.ended, int(over.count())}),
                 (QList<int>{goesOn, way == EndProgram, !goesOn}));
        // Steps after the way out, in a hidden window or paused; a run going on until the
        // user finished it; the other window's run; then both windows and the chooser.
        const bool runs = state == Running || state == Paused || state == PausedExitChosen;
        const bool hides = way == WindowMenu || way == OtherRunInside,
                   exitPaused = way == Exit && runs && state != Running;
        if (way == CloseBox) p.rt->show(self.name); // loaded afresh
        QStringList seen{QString::number(yields > wayAt), QString::number(wentOn),
                         QString::number(inner)};
        for (const Program& w : {self, other, Program{intro::Name}}) {
            const Form* f = p.window(w.name);
            seen << (!f ? "gone" : f->isShown() ? "shown" : "hidden");
            if (f && !w.start.isEmpty())
                seen.last() += (p.control(w.name, w.start)->isEnabled() ? " start " : " - ") +
                               p.text(w.name, "cmd_pause");
        }
        const QString selfAfter = state == Idle || way == CloseBox || way == Finish || wentOn
                                      ? " start Pause"
                                      : " - Pause";
        qDebug() << seen;
        QCOMPARE(
            seen,
            (QStringList{QString::number((hides && runs) || exitPaused || way == OtherRunInside ||
                                         way == FrameInBothRuns),
                         QString::number(runs && (hides || exitPaused)),
                         QString::number(way == OtherRunInside || way == FrameInBothRuns ? 5 : 0),
                         !goesOn ? "gone" : (hides || way == Exit ? "hidden" : "shown") + selfAfter,
                         !goesOn ? "gone"
                         : hides ? "shown start Pause"
                                 : "hidden start Pause",
                         !goesOn       ? "gone"
                         : way == Exit ? "shown"
                                       : "hidden"}));
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
