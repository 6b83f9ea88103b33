// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every way out of a program window, idle, running and paused, for both program windows:
// what the user sees right afterwards, whether a run goes on, and the program ending when
// its last window goes.
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

QString look(const TestProgram& p, const QString& w) {
    return !p.window(w) ? "gone" : p.window(w)->isShown() ? "shown" : "hidden";
}

// Afterwards: this window, with its Start button available or not and its Pause button's
// caption | the other program window, with the steps its run took inside this window's |
// the chooser; "goes on": this window's run goes on, paused or not, until the user finishes
// it. "Other run inside": the Window menu to the other program, whose run starts at once.
// The program ended: the question it ended after.
const char* const WaysOut[][3] = {
    {"close box", "idle running paused", "gone | hidden | hidden"},
    {"FINISH", "idle running paused", "Finish: Do you really want to finish with Zelta?"},
    {"other run inside", "idle", "hidden, Start, Pause | shown, 5 steps | hidden"},
    {"other run inside", "running", "hidden, no Start, Pause | shown, 5 steps | hidden; goes on"},
    {"other run inside", "paused", "hidden, no Start, Continue | shown, 5 steps | hidden; goes on"},
    {"frame closed in both runs", "idle running paused", "program over"},
    {"Finish", "idle running paused", "shown, Start, Pause | hidden | hidden"},
    {"EXIT", "idle", "hidden, Start, Pause | hidden | shown"},
    {"EXIT", "running", "hidden, no Start, Pause | hidden | shown"},
    {"EXIT", "paused", "hidden, no Start, Continue | hidden | shown; goes on"},
};
} // namespace

class TestLifecycle : public WindowTest {
    Q_OBJECT
  private slots:
    void wayOut_data() {
        QTest::addColumn<bool>("sieve");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("after");
        for (const bool sieve : {true, false})
            for (const auto& [way, states, after] : WaysOut)
                for (const QByteArray& state : QByteArray(states).split(' '))
                    QTest::addRow("%s, %s, %s", sieve ? "sieve" : "logistic", state.data(), way)
                        << sieve << QString(way) << QString(state) << QString(after);
    }
    void wayOut() {
        QFETCH(bool, sieve);
        QFETCH(QString, way);
        QFETCH(QString, state);
        TestProgram p;
        p.start();
        const Program self = sieve ? Sieve : Cobweb, other = sieve ? Cobweb : Sieve;
        p.click(intro::Name, self.opener);
        QString seen;
        // Every step from the way out on, the other window's run started inside this one's
        // step included.
        int step = state == "idle" ? 0 : state == "running" ? -3 : -4;
        const auto takeWay = [&] {
            const bool inside = way == "other run inside" || way == "frame closed in both runs";
            if (way == "close box") p.window(self.name)->subWindow()->close();
            if (way == "FINISH") p.confirm(intro::Name, "cmd_exit");
            if (way == "Finish") p.confirm(self.name, "cmd_finish");
            if (way == "EXIT") p.confirm(self.name, "cmd_exit");
            if (inside) p.trigger(self.name, self.toOther), p.click(other.name, other.start);
            seen = look(p, self.name);
            if (p.window(self.name))
                seen +=
                    (p.control(self.name, self.start)->isEnabled() ? ", Start, " : ", no Start, ") +
                    p.text(self.name, "cmd_pause");
            seen += " | " + look(p, other.name) + (inside ? QString(", %1 steps").arg(step) : "");
            seen += " | " + look(p, intro::Name);
        };
        p.rt->setYieldHook([&] {
            if (++step == -2 && state == "paused") p.click(self.name, "cmd_pause");
            // The user finishes the other window's run, or closes the frame.
            if (step == 5 && way == "other run inside") p.confirm(other.name, "cmd_finish");
            if (step == 5 && way == "frame closed in both runs") p.window(Zelta::Name)->close();
            // A run the way out left going: the user finishes it, or at last closes the frame.
            if (step == 30 && p.window(self.name)) p.confirm(self.name, "cmd_finish");
            if (step == 300) p.window(Zelta::Name)->close();
            if (step == 0) takeWay(); // last: the steps taken inside it count on from 0
        });
        if (state != "idle") p.click(self.name, self.start);
        if (state == "idle") takeWay();
        p.rt->setYieldHook({});
        const auto& boxes = p.scripted.dialogs.shown; // FINISH's question last, if it ended
        if (!p.rt->anyLoaded()) seen = "program over";
        if (p.scripted.ender.ended) seen = boxes.last().title + ": " + boxes.last().text;
        QTEST(seen + (step < 30 ? "" : "; goes on"), "after");
        QCOMPARE(p.scripted.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
