// Every way out of every run state, for both program windows: afterwards the window is in
// the state that way leads to, no run loop goes on for a window that is gone, and the
// program ends exactly when its last window goes.
#include "shell/intro.h"
#include "tests/support/program.h"
#include "shell/zelta.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace zr;

namespace {

enum State { Idle, Running, Paused, StoppedByExit, PausedExitChosen };
enum Way { CloseBox, CloseFrame, EndProgram, WindowMenu, OtherRunInside, Finish, Exit };

// One program window as the user reaches it: its buttons, its flags and how to open it.
struct Win {
    QPointer<Form> form;
    QPushButton *start, *pause, *finish, *exit, *opener;
    QAction* toOther;
    std::function<bool()> fin, carryon;
    std::function<void()> toFastest;
};

Win sieveOf(TestProgram& p) {
    auto* w = p.window<Sierpinski>(Sierpinski::Name);
    return {w,
            w->cmd_iter,
            w->cmd_pause,
            w->cmd_finish,
            w->cmd_exit,
            p.window<intro>(intro::Name)->cmd_sierp,
            w->menu_log,
            [w] { return w->fin.toBool(); },
            [w] { return w->carryon; },
            [w] { w->hsb_speed->setValue(0); }};
}

Win logisticOf(TestProgram& p) {
    auto* w = p.window<logistic>(logistic::Name);
    return {w,
            w->cmd_start,
            w->cmd_pause,
            w->cmd_finish,
            w->cmd_exit,
            p.window<intro>(intro::Name)->cmd_logistic,
            w->menu_sierp,
            [w] { return w->fin; },
            [w] { return w->carryon; },
            [w] { w->hsb_speed->setValue(0); }};
}

bool alive(const QPointer<Form>& f) {
    return f && !f->isUnloaded();
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT
  private slots:
    void wayOut_data();
    void wayOut();
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
    Win self = sieve ? sieveOf(p) : logisticOf(p);
    Win other = sieve ? logisticOf(p) : sieveOf(p);
    self.toFastest();
    other.toFastest();
    self.opener->click();
    QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
    auto confirm = [&](QPushButton* b) {
        p.scripted.dialogs.answer(IDYES);
        b->click();
    };

    int yields = 0, wayAt = -1, innerYields = 0;
    bool inner = false, harnessFinished = false;
    auto takeWay = [&] {
        wayAt = yields;
        switch (way) {
        case CloseBox:
            self.form->subWindow()->close();
            break;
        case CloseFrame:
            p.window<Zelta>(Zelta::Name)->close();
            break;
        case EndProgram:
            confirm(p.window<intro>(intro::Name)->cmd_exit);
            break;
        case WindowMenu:
            self.toOther->trigger();
            break;
        case OtherRunInside:
            self.toOther->trigger();
            inner = true;
            other.start->click();
            inner = false;
            break;
        case Finish:
            confirm(self.finish);
            break;
        case Exit:
            confirm(self.exit);
            break;
        }
    };
    p.rt->setYieldHook([&] {
        ++yields;
        if (inner) {
            if (++innerYields == 5) confirm(other.finish);
            return;
        }
        if (wayAt < 0) {
            if (state == Running && yields == 3) takeWay();
            if ((state == Paused || state == PausedExitChosen) && yields == 2) self.pause->click();
            if (state == StoppedByExit && yields == 2) confirm(self.exit);
            if (state == PausedExitChosen && yields == 3) confirm(self.exit);
            if (state == PausedExitChosen && yields == 5) self.opener->click();
            if (state == Paused && yields == 4) takeWay();
            if (state == PausedExitChosen && yields == 6) takeWay();
        } else if (yields == wayAt + 30 && alive(self.form)) {
            // A run the way out left going: end it as the user would.
            harnessFinished = true;
            confirm(self.finish);
        } else if (yields == wayAt + 300) {
            p.window<Zelta>(Zelta::Name)->close(); // unloading ends every run
            QFAIL("a run would not end");
        }
    });

    if (state != Idle) self.start->click();
    if (state == StoppedByExit) self.opener->click();
    if (state == Idle || state == StoppedByExit) takeWay();
    p.rt->setYieldHook({});
    QVERIFY(wayAt >= 0);
    const bool runWent = state == Running || state == Paused || state == PausedExitChosen;
    const int after = yields - wayAt;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(p.scripted.dialogs.unexpected, 0);

    switch (way) {
    case CloseBox:
        QCOMPARE(after, 0); // stopped by the unload, not one more step
        QVERIFY(!self.form && other.form);
        QVERIFY(p.rt->isLoaded(Zelta::Name));
        QCOMPARE(over.count(), 0);
        p.rt->show(sieve ? Sierpinski::Name : logistic::Name); // loaded afresh, idle
        self = sieve ? sieveOf(p) : logisticOf(p);
        QVERIFY(self.start->isEnabled() && self.pause->text() == "Pause");
        break;
    case CloseFrame:
    case EndProgram:
        QCOMPARE(after, 0);
        QVERIFY(!self.form && !other.form && !p.rt->anyLoaded());
        QCOMPARE(p.scripted.ender.ended, way == EndProgram ? 1 : 0);
        QCOMPARE(over.count(), 1);
        break;
    case WindowMenu:
    case OtherRunInside:
        QVERIFY(!self.form->isShown() && other.form->isShown());
        QCOMPARE(harnessFinished, runWent); // the run went on in the hidden window
        QCOMPARE(innerYields, way == OtherRunInside ? 5 : 0);
        QVERIFY(other.start->isEnabled());
        if (way == OtherRunInside) QVERIFY(other.fin());
        break;
    case Finish:
        QCOMPARE(after, 0);
        QVERIFY(self.form->isShown() && self.start->isEnabled());
        QVERIFY(self.fin() && self.carryon() && self.pause->text() == "Pause");
        break;
    case Exit:
        QVERIFY(!self.form->isShown() && p.window<intro>(intro::Name)->isShown());
        QVERIFY(self.fin());
        // A paused run stays paused, hidden, until Finish; a running one ends at once.
        QCOMPARE(harnessFinished, state == Paused || state == PausedExitChosen);
        if (state == Running) QCOMPARE(after, 0);
        QCOMPARE(self.start->isEnabled(), state == Idle || harnessFinished);
        break;
    }
    if (way != CloseFrame && way != EndProgram) {
        QVERIFY(p.rt->isLoaded(Zelta::Name));
        QCOMPARE(p.scripted.ender.ended, 0);
        QCOMPARE(over.count(), 0);
    }
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
