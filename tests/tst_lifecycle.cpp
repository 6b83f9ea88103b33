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
#include <QScrollBar>
#include <QtTest>

using namespace zr;

namespace {

enum State { Idle, Running, Paused, StoppedByExit, PausedExitChosen };
enum Way { CloseBox, CloseFrame, EndProgram, WindowMenu, OtherRunInside, Finish, Exit };

// A program window as the user reaches it: its name, its Start button, the chooser's button
// that opens it and its Window menu item for the other program.
struct Program {
    QString name, start, opener, toOther;
};
const Program Sieve{Sierpinski::Name, "cmd_iter", "cmd_sierp", "menu_log"};
const Program Cobweb{logistic::Name, "cmd_start", "cmd_logistic", "menu_sierp"};

void fastest(TestProgram& p) {
    for (const QString& w : {Sieve.name, Cobweb.name})
        p.control<QScrollBar>(w, "hsb_speed")->setValue(0);
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }
    void wayOut_data();
    void wayOut();
    void runNestsInTheOtherWindowsYield();
    void closingFrameEndsBothRuns();
};

void TestLifecycle::wayOut_data() {
    QTest::addColumn<bool>("sieve");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("way");
    const char* states[] = {"idle", "running", "paused", "stopped by EXIT", "paused, EXIT chosen"};
    const char* ways[] = {"close box",        "frame closed", "FINISH", "Window menu",
                          "other run inside", "Finish",       "EXIT"};
    for (bool sieve : {true, false})
        for (int s = Idle; s <= PausedExitChosen; ++s)
            for (int w = CloseBox; w <= Exit; ++w)
                QTest::addRow("%s, %s, %s", sieve ? "sieve" : "logistic", states[s], ways[w])
                    << sieve << s << w;
}

void TestLifecycle::wayOut() {
    QFETCH(bool, sieve);
    QFETCH(int, state);
    QFETCH(int, way);
    TestProgram p;
    p.start();
    const Program self = sieve ? Sieve : Cobweb, other = sieve ? Cobweb : Sieve;
    fastest(p);
    p.click(intro::Name, self.opener);
    QPointer<Form> selfForm = p.window(self.name), otherForm = p.window(other.name);
    QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);

    int yields = 0, wayAt = -1, innerYields = 0;
    bool inner = false, innerReturned = false, harnessFinished = false;
    auto takeWay = [&] {
        wayAt = yields;
        switch (way) {
        case CloseBox:
            selfForm->subWindow()->close();
            break;
        case CloseFrame:
            p.window(Zelta::Name)->close();
            break;
        case EndProgram:
            p.confirm(intro::Name, "cmd_exit");
            break;
        case WindowMenu:
            p.trigger(self.name, self.toOther);
            break;
        case OtherRunInside:
            p.trigger(self.name, self.toOther);
            inner = true;
            p.click(other.name, other.start);
            inner = false;
            innerReturned = true;
            break;
        case Finish:
            p.confirm(self.name, "cmd_finish");
            break;
        case Exit:
            p.confirm(self.name, "cmd_exit");
            break;
        }
    };
    p.rt->setYieldHook([&] {
        ++yields;
        if (inner) {
            if (++innerYields == 5) p.confirm(other.name, "cmd_finish");
            return;
        }
        if (wayAt < 0) {
            if (state == Running && yields == 3) takeWay();
            if ((state == Paused || state == PausedExitChosen) && yields == 2)
                p.click(self.name, "cmd_pause");
            if (state == StoppedByExit && yields == 2) p.confirm(self.name, "cmd_exit");
            if (state == PausedExitChosen && yields == 3) p.confirm(self.name, "cmd_exit");
            if (state == PausedExitChosen && yields == 5) p.click(intro::Name, self.opener);
            if (state == Paused && yields == 4) takeWay();
            if (state == PausedExitChosen && yields == 6) takeWay();
        } else if (yields == wayAt + 30 && selfForm && !selfForm->isUnloaded()) {
            // A run the way out left going: end it as the user would.
            harnessFinished = true;
            p.confirm(self.name, "cmd_finish");
        } else if (yields == wayAt + 300) {
            p.window(Zelta::Name)->close(); // unloading ends every run
            harnessFinished = false;
        }
    });

    if (state != Idle) p.click(self.name, self.start);
    if (state == StoppedByExit) p.click(intro::Name, self.opener);
    if (state == Idle || state == StoppedByExit) takeWay();
    p.rt->setYieldHook({});
    QVERIFY(wayAt >= 0);
    QVERIFY2(yields < wayAt + 300, "a run would not end");
    const bool runWent = state == Running || state == Paused || state == PausedExitChosen;
    const int after = yields - wayAt;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(p.scripted.dialogs.unexpected, 0);
    const bool programGoesOn = way != CloseFrame && way != EndProgram;
    QCOMPARE(p.rt->isLoaded(Zelta::Name), programGoesOn);
    QCOMPARE(p.scripted.ender.ended, way == EndProgram ? 1 : 0);
    QCOMPARE(over.count(), programGoesOn ? 0 : 1);

    switch (way) {
    case CloseBox:
        QCOMPARE(after, 0); // stopped by the unload, not one more step
        QVERIFY(!selfForm);
        QVERIFY(otherForm);
        p.rt->show(self.name); // loaded afresh, idle
        QVERIFY(p.control(self.name, self.start)->isEnabled());
        QCOMPARE(p.text(self.name, "cmd_pause"), QStringLiteral("Pause"));
        break;
    case CloseFrame:
    case EndProgram:
        QCOMPARE(after, 0);
        QVERIFY(!selfForm);
        QVERIFY(!otherForm);
        QVERIFY(!p.rt->anyLoaded());
        break;
    case WindowMenu:
    case OtherRunInside:
        QVERIFY(!selfForm->isShown());
        QVERIFY(otherForm->isShown());
        QCOMPARE(harnessFinished, runWent); // the run went on in the hidden window
        QCOMPARE(innerYields, way == OtherRunInside ? 5 : 0);
        QCOMPARE(innerReturned, way == OtherRunInside);
        QVERIFY(p.control(other.name, other.start)->isEnabled());
        break;
    case Finish:
        QCOMPARE(after, 0);
        QVERIFY(selfForm->isShown());
        QVERIFY(p.control(self.name, self.start)->isEnabled());
        QCOMPARE(p.text(self.name, "cmd_pause"), QStringLiteral("Pause"));
        break;
    case Exit:
        QVERIFY(!selfForm->isShown());
        QVERIFY(p.window(intro::Name)->isShown());
        // A paused run stays paused, hidden, until Finish; a running one ends at once.
        QCOMPARE(harnessFinished, state == Paused || state == PausedExitChosen);
        if (state == Running) QCOMPARE(after, 0);
        QCOMPARE(p.control(self.name, self.start)->isEnabled(), state == Idle || harnessFinished);
        break;
    }
}

void TestLifecycle::runNestsInTheOtherWindowsYield() {
    TestProgram p;
    p.start();
    fastest(p);
    p.click(intro::Name, Sieve.opener);
    int yields = 0, sieveStepsWhileNested = 0, logisticYields = 0;
    bool nestedReturned = false;
    QString counterAtSwitch, counterBack;
    p.run(Sieve.name, Sieve.start, [&](int n) {
        yields = n;
        const QString counter = p.text(Sieve.name, "lbl_iters");
        if (n == 5) {
            counterAtSwitch = counter;
            p.trigger(Sieve.name, Sieve.toOther);
            p.click(Cobweb.name, Cobweb.start); // runs here, inside the sieve run's yield
            nestedReturned = true;
        } else if (!nestedReturned && n > 5) {
            ++logisticYields;
            sieveStepsWhileNested += counter != counterAtSwitch;
            if (n == 25) p.confirm(Cobweb.name, "cmd_finish");
        } else if (n == 40) {
            counterBack = counter; // the sieve run went on plotting in its hidden window
            p.confirm(Sieve.name, "cmd_finish");
        }
    });
    QCOMPARE(yields, 40);
    QCOMPARE(logisticYields, 20);
    QCOMPARE(sieveStepsWhileNested, 0);
    QVERIFY(counterBack.trimmed().toInt() > counterAtSwitch.trimmed().toInt());
    QCOMPARE(p.text(Sieve.name, "lbl_iters"), QStringLiteral("0"));
}

void TestLifecycle::closingFrameEndsBothRuns() {
    TestProgram p;
    p.start();
    fastest(p);
    p.click(intro::Name, Cobweb.opener);
    QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
    const int yields = p.run(
        Cobweb.name, Cobweb.start,
        [&](int n) {
            if (n == 3) {
                p.trigger(Cobweb.name, Cobweb.toOther);
                p.click(Sieve.name, Sieve.start); // nested sieve run
            } else if (n == 10) {
                p.window(Zelta::Name)->close();
            }
        },
        1000);
    QCOMPARE(yields, 10);
    QCOMPARE(over.count(), 1);
    QVERIFY(!p.rt->anyLoaded());
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
