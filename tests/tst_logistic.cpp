// The logistic window: start-up state, graphs, entries, the run and the ways out of it.
#include "shell/intro.h"
#include "tests/support/program.h"
#include "shell/zelta.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>
#include <optional>

using namespace zr;
using Rows = QList<QStringList>;
using Typed = std::optional<QString>;
Q_DECLARE_METATYPE(Typed)

// The program started and the logistic window chosen, with a run driven from its yields.
struct Session {
    TestProgram p;
    logistic* w = nullptr;
    std::function<void()> hook;
    Session() {
        p.start();
        p.window<intro>(intro::Name)->cmd_logistic->click();
        w = p.window<logistic>(logistic::Name);
        // A copy runs, so that a run started inside it may set a hook of its own.
        p.rt->setYieldHook([this] {
            if (auto h = hook) h();
        });
    }
    void enter(QPushButton* b, Typed text) { p.scripted.dialogs.type(std::move(text)), b->click(); }
    void answer(QPushButton* b, int reply) { p.scripted.dialogs.answer(reply), b->click(); }
    void finish() { answer(w->cmd_finish, IDYES); }
    // Starts a run and calls `at` with the count of every yield or idle it makes; a run
    // still going after `limit` of them is finished. Returns the count.
    int run(const std::function<void(int)>& at, int limit = 1000) {
        int count = 0;
        const std::function<void()> outer = hook;
        hook = [&] { at(++count), count == limit ? finish() : void(); };
        w->cmd_start->click();
        hook = outer;
        return count;
    }
    // The listing as shown: one row per line, the value and its step number.
    Rows listing() const {
        Rows rows;
        for (const ValuesScreen::Text& t : w->pb_values->shown())
            t.x == 0 ? rows.append({t.text}) : rows.last().append(t.text);
        return rows;
    }
    Colour at(double x, double y) const {
        const QPoint px = w->pb_graph->pixelOf(x, y);
        return w->pb_graph->pixel(std::min(px.x(), 395), std::min(px.y(), 395));
    }
    bool blank() const {
        QImage back = w->pb_graph->image().copy();
        back.fill(w->pb_graph->image().pixel(0, 0));
        return w->pb_graph->image() == back && w->pb_values->shown().isEmpty();
    }
    QList<bool> runControls() const {
        return {w->cmd_clear->isEnabled(), w->cmd_draw->isEnabled(), w->cmd_k->isEnabled(),
                w->cmd_x0->isEnabled(),    w->hsb_x0->isEnabled(),   w->cmd_start->isEnabled()};
    }
    // What the entries change: k and its kind, the typed k, x0, the bar and the caption.
    QStringList entryState() const {
        const QString kind = w->k.kind() == Value::Kind::Double ? " double" : " integer";
        return {w->k.toText() + kind, w->capt, generalForm(w->x0, Precision::Single),
                QString::number(w->hsb_x0->value()), w->caption()};
    }
};

// "Logistic Mapping: y = 3.0x(1 - x)", `blanks` blanks, "x0 = 0.5".
static QString caption(const QString& k, int blanks, const QString& x0) {
    return "Logistic Mapping: y = " + k + "x(1 - x)" + QString(blanks, u' ') + "x0 = " + x0;
}

class TestLogistic : public QObject {
    Q_OBJECT
  private slots:
    void startupStateAndMenus() {
        Session s;
        logistic* w = s.w;
        QCOMPARE(s.entryState(), QStringList({"3 integer", "3.0", "0.5", "5000",
                                              "Logistic Mapping: y = kx(1 - x)"}));
        QVERIFY(w->lbl_x0->text() == "x0 = 0.5000" &&
                w->lbl_pause->text() == "Pause interval 1.0 sec");
        QVERIFY(w->hsb_speed->value() == 1000 && w->wait == 1000 && w->init == "0.5");
        QVERIFY(w->cmd_pause->caption() == "Pause" && w->subWindow()->isMaximized() && s.blank());
        QCOMPARE(s.runControls(), QList<bool>(6, true));
        // The help items other than About do nothing.
        for (QAction* help : w->hlp_menu->findChildren<QAction*>())
            if (help->property("helpContextID").isValid()) help->trigger();
        QVERIFY(w->isShown() && s.blank() && !s.p.rt->loadedForm("Sierpinski")->isShown());
    }

    void graphsAndTheirCaptions() {
        Session s;
        s.w->cmd_draw->click();
        QCOMPARE(s.entryState(),
                 QStringList({"3 double", "3.0", "0.5", "5000", caption("3.0", 12, "0.5")}));
        const QPoint quarter = s.w->pb_graph->pixelOf(0.25, 0.25); // drawn one row lower
        QVERIFY(s.w->pb_graph->pixel(quarter.x(), quarter.y() + 1) == Red);
        QCOMPARE(s.at(0.5, 0.75), Black);
        // The curve's last point is x = 0.99: nothing of it right of there.
        const QPoint end = s.w->pb_graph->pixelOf(0.99, 0.0297);
        QCOMPARE(s.w->pb_graph->pixel(end.x(), end.y()), Black);
        for (int x = end.x() + 2; x < 396; ++x)
            QVERIFY(s.w->pb_graph->pixel(x, end.y() + 1) != Black);
        // Clear Screens resets the caption; the next Draw graphs shows the typed k again.
        s.enter(s.w->cmd_k, "4.0");
        s.w->cmd_clear->click();
        QVERIFY(s.blank() && s.w->caption() == "Logistic Mapping: y = kx(1 - x)");
        s.w->cmd_draw->click();
        QVERIFY(s.w->caption() == caption("4.0", 12, "0.5") && s.at(0.5, 1) == Black);
        // A refused k keeps k; Draw graphs shows the letter k and the next box offers 3.0.
        s.enter(s.w->cmd_k, std::nullopt);
        s.w->cmd_draw->click();
        QCOMPARE(s.entryState(),
                 QStringList({"4 double", "k", "0.5", "5000", caption("k", 12, "0.5")}));
        s.enter(s.w->cmd_k, "3.20");
        QCOMPARE(s.p.scripted.dialogs.shown.last().defaultText, QStringLiteral("3.0"));
        s.w->hsb_x0->setValue(2500);
        QCOMPARE(s.w->caption(), caption("3.2", 10, "0.25"));
        // A k far too large for the square: the parabola is clipped and the drawing ends.
        s.enter(s.w->cmd_k, "1e300");
        s.w->cmd_tidy->click();
        QCOMPARE(s.at(0.001, 0.999), Black);
    }

    void entries_data() {
        QTest::addColumn<bool>("k");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QStringList>("state");
        const auto row = [](const QString& name, bool k, Typed typed, const QStringList& state) {
            QTest::newRow(qPrintable(name)) << k << typed << state;
        };
        const auto kAs = [](const char* k, const char* capt) {
            return QStringList{k, capt, "0.5", "5000", caption(capt, 12, "0.5")};
        };
        const auto x0As = [](const char* x0, const char* bar, int blanks, const char* shown) {
            return QStringList{"3 integer", "3.0", x0, bar, caption("3.0", blanks, shown)};
        };
        const QStringList refused = kAs("3 integer", "k");
        for (const char* typed : {"0", " 3", "1e400"})
            row(QStringLiteral("k '%1'").arg(typed), true, typed, refused);
        row("k cancel", true, std::nullopt, refused);
        row("k 5000 nines", true, QString(5000, u'9'), refused);
        row("k 3.5", true, "3.5", kAs("3.5 double", "3.5"));
        row("k 5", true, "5", kAs("5 double", "5"));
        row("k 3,5", true, "3,5", kAs("3 double", "3,5"));
        row("k letters", true, "abc", kAs("0 double", "abc"));
        row("k 1e308", true, "1e308", kAs("1E+308 double", "1e308"));
        row("x0 0.25", false, "0.25", x0As("0.25", "2500", 10, "0.25"));
        for (const char* kept : {"2", "0.5", "x", "1e400"})
            row(QStringLiteral("x0 %1").arg(kept), false, kept, x0As("0.5", "5000", 14, kept));
        row("x0 cancel", false, std::nullopt, x0As("0.5", "5000", 14, ""));
        row("x0 0.99999", false, "0.99999", x0As("1", "10000", 10, "1.0"));
        row("x0 0.00001", false, "0.00001", x0As("0", "0", 10, "0.0"));
        row("x0 0.123449", false, "0.123449", x0As("0.1234", "1234", 10, "0.1234"));
        row("x0 0.12345", false, "0.12345", x0As("0.1235", "1235", 10, "0.1235"));
        row("x0 half step", false, "0.03125", x0As("0.0312", "312", 10, "0.0312"));
    }

    void entries() {
        QFETCH(bool, k);
        QFETCH(Typed, typed);
        QFETCH(QStringList, state);
        Session s;
        s.enter(k ? s.w->cmd_k : s.w->cmd_x0, typed);
        QCOMPARE(s.entryState(), state);
        QCOMPARE(s.w->lbl_x0->text(), "x0 = " + formatNumber(s.w->x0, "0.0000", Precision::Single));
        QCOMPARE(s.w->init, k ? QStringLiteral("0.5") : typed.value_or(QString()));
        QCOMPARE(s.p.scripted.dialogs.shown.last().title, QStringLiteral("y = kx(1 - x)"));
    }

    void firstStepsAndColours() {
        Session s;
        s.run([&](int n) {
            if (n == 1) {
                QCOMPARE(s.listing(), Rows({{"0.5", "0"}}));
                QVERIFY(s.at(0.5, 0.4) == Green && s.at(0.6, 0.75) == Green);
                QVERIFY(s.at(0.75, 0.3) == Green && !s.w->cmd_start->isEnabled());
            } else if (n == 2) {
                QVERIFY(s.at(0.75, 0.3) == Blue && s.at(0.65, 0.5625) == Blue);
                QVERIFY(s.at(0.5625, 0.3) == Blue && s.at(0.5, 0.4) == Green);
            } else if (n == 4) {
                QCOMPARE(s.listing().last(), QStringList({"0.73828125", "3"}));
            } else if (n == 5) {
                QCOMPARE(s.at(s.listing().last().first().toDouble(), 0.1), Green);
                s.finish();
            }
        });
        // Each step waited the pause interval without handling events.
        QCOMPARE(s.p.scripted.clock.slept, 5.0);
    }

    void precisionFollowsTheKindOfK() {
        float xs = 0.5f;
        double xd = 0.5;
        for (int i = 0; i < 11; ++i)
            xs = (3.0f * xs) * (1.0f - xs), xd = (3.0 * xd) * (1.0 - xd);
        // The start-up k, a k entered, and the k text taken in by Draw graphs.
        for (int how = 0; how < 3; ++how) {
            Session s;
            if (how == 1) s.enter(s.w->cmd_k, "3");
            if (how == 2) s.w->cmd_draw->click();
            s.run([&](int n) {
                if (n < 12) return;
                QCOMPARE(s.listing().last().first(), how == 0 ? generalForm(xs, Precision::Single)
                                                              : generalForm(xd, Precision::Double));
                s.finish();
            });
        }
    }

    void listingKeepsTheLastThirty() {
        Session s;
        s.run([&](int n) {
            const Rows rows = s.listing();
            const ValuesScreen::Text last = s.w->pb_values->shown().last();
            if (n == 30) {
                QVERIFY(rows.size() == 30 && rows.last().last() == "29" && last.x == 15);
                QVERIFY(last.y + s.w->pb_values->textHeight() <= s.w->pb_values->scaleHeight());
            } else if (n == 31) {
                QVERIFY(rows.size() == 30 && rows.last().last() == "30");
                QCOMPARE(rows[0], QStringList({"0.75", "1"})); // values move up with their steps
                QCOMPARE(s.w->pb_values->shown().first().y, 0.0);
                s.finish();
            }
        });
    }

    void pauseAndSpeed() {
        Session s;
        s.w->hsb_speed->setValue(1500);
        QVERIFY(s.w->wait == 1500 && s.w->lbl_pause->text() == "Pause interval 1.5 sec");
        // Paused before the start: one step, then the run waits, sleeping between events.
        s.w->cmd_pause->click();
        QCOMPARE(s.w->cmd_pause->caption(), QStringLiteral("Continue"));
        double pausedAt = 0;
        s.run([&](int n) {
            QCOMPARE(s.listing().size(), n < 10 ? 1 : 2);
            if (n == 2) pausedAt = s.p.scripted.clock.now;
            if (n == 9) {
                QCOMPARE(s.p.scripted.clock.now - pausedAt, 7 * 0.25);
                s.w->hsb_speed->setValue(100); // the next delay already takes it
                s.w->cmd_pause->click();
            }
            if (n == 10) s.finish();
        });
        QCOMPARE(s.p.scripted.clock.slept, 1.6); // 1.5 for the first step, then 0.1
    }

    void finishAndExit_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<int>("reply");
        for (const char* state : {"idle", "running", "paused"})
            for (bool exit : {false, true})
                for (int reply : {IDYES, IDNO})
                    QTest::addRow("%s %s %s", state, exit ? "EXIT" : "Finish",
                                  reply == IDYES ? "Yes" : "No")
                        << state << exit << reply;
    }

    void finishAndExit() {
        QFETCH(QString, state);
        QFETCH(bool, exit);
        QFETCH(int, reply);
        Session s;
        const bool yes = reply == IDYES, paused = state == "paused";
        int stepsAfter = 0;
        const auto act = [&] {
            s.w->cmd_draw->click();
            s.answer(exit ? s.w->cmd_exit : s.w->cmd_finish, reply);
            const auto& box = s.p.scripted.dialogs.shown.last();
            QCOMPARE(box.text + box.title, exit ? "Do you want to finish with Logistic Mapping?Exit"
                                                : "Do you want to finish this iteration?Finish");
            QCOMPARE(box.style, 36);
            QCOMPARE(s.blank(), yes);
            QCOMPARE(s.w->isShown(), !(exit && yes));
            QCOMPARE(s.p.window<intro>(intro::Name)->isShown(), exit && yes);
            QCOMPARE(s.w->cmd_pause->caption(), paused && (exit || !yes) ? "Continue" : "Pause");
            QCOMPARE(s.runControls(), QList<bool>(6, state == "idle" || (yes && !exit)));
        };
        if (state == "idle") return act();
        const int yields = s.run(
            [&](int n) {
                if (n == 2 && paused) s.w->cmd_pause->click();
                if (n == 4) act();
                if (n > 4 && !s.listing().isEmpty())
                    stepsAfter = s.listing().last().last().toInt() - 3;
                if (n == 8 && paused && exit && yes) // shown again, Continue ends the run
                    s.p.rt->show(logistic::Name), s.w->cmd_pause->click();
            },
            12);
        // Answered No, the run goes on until it is finished at the end.
        QCOMPARE(yields, !yes ? 12 : paused && exit ? 8 : 4);
        QCOMPARE(stepsAfter > 0, state == "running" && !yes);
        QCOMPARE(s.runControls(), QList<bool>(6, !(exit && yes)));
        QVERIFY(!yes || s.blank());
    }

    void tidyUpDuringARun() {
        Session s;
        s.w->cmd_draw->click();
        const Colour back = s.w->pb_graph->pixel(1, 1);
        s.run([&](int n) {
            if (n == 3) s.w->cmd_tidy->click();
            if (n == 3) QVERIFY(s.at(0.5, 0.4) == back && s.at(0.5, 0.75) == Black);
            if (n == 4) QVERIFY(s.at(0.73828125, 0.3) == Cyan && s.at(0.5, 0.4) == back);
            if (n == 4) s.finish();
        });
    }

    void runEndsWhenXLeavesTheSquare() {
        // Beyond the top edge, and far beyond what a single holds.
        for (const char* k : {"4.5", "1e300", "1e308"}) {
            Session s;
            s.enter(s.w->cmd_k, k);
            QCOMPARE(s.run([](int) {}), 1);
            QCOMPARE(s.listing(), Rows({{"0.5", "0"}}));
            QCOMPARE(s.at(0.5, 0.999), Green); // drawn up to the edge
            QCOMPARE(s.runControls(), QList<bool>(6, false));
        }
    }

    void orbitsMatchKnownValues() {
        // A fixed point at 1 - 1/k, and a cycle of period 2.
        for (const auto& [k, a, b] : QList<std::tuple<QString, double, double>>{
                 {"2.8", 1 - 1 / 2.8, 1 - 1 / 2.8}, {"3.2", 0.5130, 0.7995}}) {
            Session s;
            s.enter(s.w->cmd_k, k);
            double x1 = 0, x2 = 0;
            s.run([&](int n) {
                if (n != 400) return;
                x1 = s.listing()[28][0].toDouble(), x2 = s.listing()[29][0].toDouble();
                s.finish();
            });
            QVERIFY(std::abs(std::min(x1, x2) - a) < 1e-4 && std::abs(std::max(x1, x2) - b) < 1e-4);
        }
    }

    void hiddenRunKeepsSteppingPast32767() {
        Session s;
        s.w->hsb_speed->setValue(0);
        s.run(
            [&](int n) {
                if (n == 2) s.w->menu_sierp->trigger();
                if (n == 3) QVERIFY(!s.w->isShown() && s.listing().isEmpty());
                if (n == 32770) s.w->menu_log->trigger();
                if (n == 32771) QVERIFY(s.w->isShown() && s.listing().last().last() == "32770");
                if (n == 32771) s.finish();
            },
            40000);
    }

    void finishedRunStaysEndedWhenANewOneStarts() {
        Session s;
        int outer = 0, inner = 0;
        s.run([&](int) {
            if (++outer != 3) return;
            s.finish();
            s.enter(s.w->cmd_k, "4.5"); // the new run leaves the square at once, fin unset
            inner = s.run([](int) {});
        });
        QVERIFY(inner == 1 && outer == 3);
    }

    // Closing the frame during runs is in tst_together.
    void closeBoxDuringARunEndsItAndReloads() {
        Session s;
        QPointer<logistic> w = s.w;
        s.enter(s.w->cmd_k, "3.5");
        const int yields = s.run([&](int n) {
            if (n == 3) s.w->subWindow()->close();
        });
        QCOMPARE(yields, 3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w && s.p.rt->anyLoaded());
        s.p.rt->show(logistic::Name); // loaded afresh
        QCOMPARE(s.p.window<logistic>(logistic::Name)->k, Value::integer(3));
    }
};

QTEST_MAIN(TestLogistic)
#include "tst_logistic.moc"
