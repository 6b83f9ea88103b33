// The logistic window: start-up state, graphs, entries, the run and the ways out of it.
#include "intro.h"
#include "program.h"
#include "zelta.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>
#include <optional>

using namespace zr;
using Rows = QList<QStringList>;
using Typed = std::optional<QString>;
Q_DECLARE_METATYPE(zr::Value)
Q_DECLARE_METATYPE(Typed)

namespace zr {
char* toString(const Value& v) {
    return qstrdup(qPrintable(v.toText() + QStringLiteral(" (kind %1)").arg(int(v.kind()))));
}
} // namespace zr

// The program started and the logistic window shown, with a run driven from its yields.
struct Session {
    TestProgram p;
    logistic* w = nullptr;
    int yields = 0;
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
    void enterK(Typed text) {
        p.scripted.dialogs.type(std::move(text));
        w->cmd_k->click();
    }
    void enterX0(Typed text) {
        p.scripted.dialogs.type(std::move(text));
        w->cmd_x0->click();
    }
    void answer(QPushButton* button, int reply) {
        p.scripted.dialogs.answer(reply);
        button->click();
    }
    // Starts a run and calls `at` with the count of every yield or idle it makes; a run
    // still going after `limit` of them is finished.
    void run(const std::function<void(int)>& at, int limit = 1000) {
        int count = 0;
        const std::function<void()> outer = hook;
        hook = [&] {
            at(++count);
            if (count == limit) answer(w->cmd_finish, IDYES);
        };
        w->cmd_start->click();
        hook = outer;
        yields = count;
    }
    // The listing as shown: one row per line, the value and its step number.
    Rows listing() const {
        Rows rows;
        for (const ValuesScreen::Text& t : w->pb_values->shown()) {
            if (t.x == 0)
                rows.append({t.text});
            else if (t.x == 15 && !rows.isEmpty())
                rows.last().append(t.text);
        }
        return rows;
    }
    Colour at(double x, double y) const {
        const QPoint px = w->pb_graph->pixelOf(x, y);
        return w->pb_graph->pixel(std::min(px.x(), 395), std::min(px.y(), 395));
    }
    bool blank() const {
        const QImage& g = w->pb_graph->image();
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x)
                if (g.pixel(x, y) != g.pixel(0, 0)) return false;
        return w->pb_values->shown().isEmpty();
    }
    QList<bool> runControlsEnabled() const {
        QList<bool> on;
        for (QWidget* c : QList<QWidget*>{w->cmd_clear, w->cmd_draw, w->cmd_k, w->cmd_x0, w->hsb_x0,
                                          w->cmd_start})
            on.append(c->isEnabled());
        return on;
    }
};

static const QString Blanks12 = QString(12, u' '), Blanks14 = QString(14, u' '),
                     Blanks10 = QString(10, u' ');
static QString caption(const QString& k, const QString& blanks, const QString& x0) {
    return QStringLiteral("Logistic Mapping: y = %1x(1 - x)%2x0 = %3").arg(k, blanks, x0);
}

class TestLogistic : public QObject {
    Q_OBJECT
  private slots:
    void startupStateLayoutAndMenus();
    void graphsAndTheirCaptions();
    void kEntry_data();
    void kEntry();
    void x0Entry_data();
    void x0Entry();
    void firstStepsAndColours();
    void precisionFollowsTheKindOfK_data();
    void precisionFollowsTheKindOfK();
    void listingKeepsTheLastThirty();
    void pauseAndSpeed();
    void finishAndExit_data();
    void finishAndExit();
    void tidyUpDuringARun();
    void runEndsWhenXLeavesTheSquare_data();
    void runEndsWhenXLeavesTheSquare();
    void orbitsMatchKnownValues_data();
    void orbitsMatchKnownValues();
    void hiddenRunKeepsSteppingPast32767();
    void finishedRunStaysEndedWhenANewOneStarts();
    void closingDuringARunEndsIt_data();
    void closingDuringARunEndsIt();
};

void TestLogistic::startupStateLayoutAndMenus() {
    Session s;
    logistic* w = s.w;
    QCOMPARE(w->caption(), QStringLiteral("Logistic Mapping: y = kx(1 - x)"));
    QCOMPARE(w->lbl_x0->text(), QStringLiteral("x0 = 0.5000"));
    QCOMPARE(w->lbl_pause->text(), QStringLiteral("Pause interval 1.0 sec"));
    QCOMPARE(w->hsb_speed->value(), 1000);
    QCOMPARE(w->hsb_x0->value(), 5000);
    QCOMPARE(w->k, Value::integer(3));
    QCOMPARE(w->x0, 0.5f);
    QCOMPARE(int(w->wait), 1000);
    QCOMPARE(w->capt, QStringLiteral("3.0"));
    QCOMPARE(w->init, QStringLiteral("0.5"));
    QCOMPARE(w->cmd_pause->caption(), QStringLiteral("Pause"));
    QVERIFY(w->subWindow()->isMaximized());
    QCOMPARE(s.runControlsEnabled(), QList<bool>(6, true));
    QVERIFY(s.blank());
    QCOMPARE(w->pb_values->pixel(10, 10), Cyan);
    QCOMPARE(w->pb_graph->toPixel(0.5, 0.5), QPointF(198, 198));

    QCOMPARE(w->cmd_exit->geometry(), twRect(120, 5160, 1215, 255));
    QCOMPARE(w->hsb_x0->geometry(), twRect(1560, 6840, 6495, 255));
    QCOMPARE(w->pb_values->geometry(), twRect(8040, 360, 2415, 6015));
    QCOMPARE(w->findChild<Label*>("Label27")->text(), QStringLiteral("    0               5"));
    // Each tick is centred where its value falls on the graph screen; "0.6" alone is
    // left-aligned.
    for (int i = 0; i <= 10; ++i) {
        const QPointF spot = w->pb_graph->mapTo(w, w->pb_graph->contentsRect().topLeft()) +
                             w->pb_graph->toPixel(i / 10.0, i / 10.0);
        // Ticks step 600 twips, the scale 594: they drift apart by 2.5 pixels at most.
        QVERIFY(std::abs(w->xTicks[i]->geometry().center().x() + 0.5 - spot.x()) <= 2.5);
        QVERIFY(std::abs(w->yTicks[10 - i]->geometry().center().y() + 0.5 - spot.y()) <= 2.5);
        QCOMPARE(w->xTicks[i]->text(), w->yTicks[10 - i]->text());
        QCOMPARE(bool(w->xTicks[i]->alignment() & Qt::AlignLeft), i == 6);
    }
    QCOMPARE(w->xTicks[6]->objectName(), QStringLiteral("Label8"));

    QStringList order;
    QWidget* f = w->pb_graph;
    for (int i = 0; i < 1000 && (i == 0 || f != w->pb_graph); ++i, f = f->nextInFocusChain())
        if (f->parentWidget() == w && (f->focusPolicy() & Qt::TabFocus)) order << f->objectName();
    QCOMPARE(order.join(' '), QStringLiteral("pb_graph cmd_clear cmd_k cmd_draw cmd_x0 cmd_start "
                                             "cmd_pause cmd_tidy cmd_finish cmd_exit hsb_speed "
                                             "hsb_x0 pb_values"));

    // The menu tree, depth first: caption and help context of every item.
    QStringList tree;
    std::function<void(QMenu*)> walk = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            tree << a->text() + '/' + a->property("helpContextID").toString();
            if (a->menu()) walk(a->menu());
        }
    };
    for (QMenu* m : w->menus())
        tree << m->title(), walk(m);
    QCOMPARE(tree, QStringList({"&Window",
                                "&Logistic Mapping: y = kx(1 - x)/",
                                "&Sierpinski Sieve/",
                                "&Help",
                                "&Mathematical  Background/13",
                                "/",
                                "&Screens/",
                                "&Graph Screen (white) /11",
                                "&Iterations Screen (blue)/12",
                                "&Command Buttons/",
                                "&Clear Screens/1",
                                "Enter &k/2",
                                "&Draw Graphs/3",
                                "Enter &x0/4",
                                "&Start Iteration/5",
                                "&Pause/6",
                                "&Tidy Up/7",
                                "&Finish/8",
                                "Scroll &Bars/",
                                "&Pause Interval/9",
                                "&x0/10",
                                "/",
                                "&About Zelta/"}));
    for (QAction* help : w->hlp_menu->findChildren<QAction*>())
        if (help->property("helpContextID").isValid()) help->trigger();
    QCOMPARE(s.p.rt->loadedForm(QStringLiteral("Sierpinski"))->isShown(), false);
    QVERIFY(w->isShown() && s.blank());
}

void TestLogistic::graphsAndTheirCaptions() {
    Session s;
    s.w->cmd_draw->click();
    QCOMPARE(s.w->k, Value::real(3));
    QCOMPARE(s.w->caption(), caption("3.0", Blanks12, "0.5"));
    const QPoint quarter = s.w->pb_graph->pixelOf(0.25, 0.25);
    QVERIFY(s.w->pb_graph->pixel(quarter.x(), quarter.y() + 1) == Red ||
            s.w->pb_graph->pixel(quarter.x(), quarter.y()) == Red);
    QCOMPARE(s.at(0.5, 0.75), Black);
    // The curve's last point is x = 0.99: nothing of it right of there.
    const int end = s.w->pb_graph->pixelOf(0.99, 0).x();
    QCOMPARE(s.w->pb_graph->pixel(end, s.w->pb_graph->pixelOf(0.99, 0.0297).y()), Black);
    for (int x = end + 2; x < 396; ++x)
        for (int y = 380; y < 396; ++y)
            QVERIFY(s.w->pb_graph->pixel(x, y) != Black);

    // Clear Screens resets the caption; the next Draw graphs shows the typed k again.
    s.enterK("3.20");
    s.w->cmd_clear->click();
    QCOMPARE(s.w->caption(), QStringLiteral("Logistic Mapping: y = kx(1 - x)"));
    QVERIFY(s.blank());
    s.enterK("4");
    s.w->cmd_draw->click();
    QCOMPARE(s.at(0.5, 1), Black);
    // A refused k text keeps k, and the caption shows the letter k.
    s.enterK(std::nullopt);
    s.w->cmd_draw->click();
    QCOMPARE(s.w->k, Value::real(4));
    QCOMPARE(s.w->caption(), caption("k", Blanks12, "0.5"));
    // A k far too large for the square: the parabola is clipped, the drawing ends.
    s.enterK("1e300");
    s.w->cmd_tidy->click();
    QCOMPARE(s.at(0.001, 0.999), Black);
}

void TestLogistic::kEntry_data() {
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<Value>("k");
    QTest::addColumn<QString>("shownK");
    const Value kept = Value::integer(3);
    QTest::newRow("3.5") << Typed("3.5") << Value::real(3.5) << "3.5";
    QTest::newRow("cancel") << Typed() << kept << "k";
    for (const char* refused : {"0", "-1", ".5", " 3", "", "1e400"})
        QTest::addRow("refused '%s'", refused) << Typed(refused) << kept << "k";
    QTest::newRow("5") << Typed("5") << Value::real(5) << "5";
    QTest::newRow("0.5") << Typed("0.5") << Value::real(0.5) << "0.5";
    QTest::newRow("3,5") << Typed("3,5") << Value::real(3) << "3,5";
    QTest::newRow("letters") << Typed("abc") << Value::real(0) << "abc";
    QTest::newRow("1e308") << Typed("1e308") << Value::real(1e308) << "1e308";
    const QString nines(5000, u'9');
    QTest::newRow("5000 nines") << Typed(nines) << kept << "k";
}

void TestLogistic::kEntry() {
    QFETCH(Typed, typed);
    QFETCH(Value, k);
    QFETCH(QString, shownK);
    Session s;
    s.enterK(typed);
    QCOMPARE(s.w->k, k);
    QCOMPARE(s.w->capt, shownK);
    QCOMPARE(s.w->caption(), caption(shownK, Blanks12, "0.5"));
    s.enterK("2");
    QCOMPARE(s.p.scripted.dialogs.shown.last().defaultText, shownK == "k" ? "3.0" : shownK);
    QCOMPARE(s.p.scripted.dialogs.shown.last().title, QStringLiteral("y = kx(1 - x)"));
}

void TestLogistic::x0Entry_data() {
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<float>("x0");
    QTest::addColumn<int>("bar");
    QTest::addColumn<QString>("caption");
    const auto typedForm = [](const QString& t) { return caption("3.0", Blanks14, t); };
    const auto barForm = [](const QString& t) { return caption("3.0", Blanks10, t); };
    QTest::newRow("0.25") << Typed("0.25") << 0.25f << 2500 << barForm("0.25");
    QTest::newRow("2") << Typed("2") << 0.5f << 5000 << typedForm("2");
    QTest::newRow("cancel") << Typed() << 0.5f << 5000 << typedForm("");
    QTest::newRow("0.5 again") << Typed("0.5") << 0.5f << 5000 << typedForm("0.5");
    QTest::newRow("0.99999") << Typed("0.99999") << 1.0f << 10000 << barForm("1.0");
    QTest::newRow("0.00001") << Typed("0.00001") << 0.0f << 0 << barForm("0.0");
    QTest::newRow("0.123449") << Typed("0.123449") << 0.1234f << 1234 << barForm("0.1234");
    QTest::newRow("0.12345") << Typed("0.12345") << 0.1235f << 1235 << barForm("0.1235");
    QTest::newRow("half step") << Typed("0.03125") << 0.0312f << 312 << barForm("0.0312");
    QTest::newRow("letters") << Typed("x") << 0.5f << 5000 << typedForm("x");
    QTest::newRow("1e400") << Typed("1e400") << 0.5f << 5000 << typedForm("1e400");
}

void TestLogistic::x0Entry() {
    QFETCH(Typed, typed);
    QFETCH(float, x0);
    QFETCH(int, bar);
    QFETCH(QString, caption);
    Session s;
    s.enterX0(typed);
    QCOMPARE(s.w->x0, x0);
    QCOMPARE(s.w->hsb_x0->value(), bar);
    QCOMPARE(s.w->lbl_x0->text(), "x0 = " + formatNumber(x0, "0.0000", Precision::Single));
    QCOMPARE(s.w->caption(), caption);
    QCOMPARE(s.w->init, typed.value_or(QString()));
    // An entered k shows in its short form once x0 or the bar rewrites the caption.
    s.enterK("3.20");
    s.w->hsb_x0->setValue(bar == 2500 ? 7500 : 2500);
    QVERIFY(s.w->caption().startsWith("Logistic Mapping: y = 3.2x(1 - x)" + Blanks10));
    QCOMPARE(s.w->init, typed.value_or(QString()));
}

void TestLogistic::firstStepsAndColours() {
    Session s;
    s.run([&](int n) {
        if (n == 1) {
            QCOMPARE(s.listing(), Rows({{"0.5", "0"}}));
            QCOMPARE(s.at(0.5, 0.4), Green);
            QCOMPARE(s.at(0.6, 0.75), Green);
            QCOMPARE(s.at(0.75, 0.3), Green);
            QVERIFY(!s.w->cmd_start->isEnabled() && s.w->cmd_tidy->isEnabled());
        } else if (n == 2) {
            QCOMPARE(s.at(0.75, 0.3), Blue);
            QCOMPARE(s.at(0.65, 0.5625), Blue);
            QCOMPARE(s.at(0.5625, 0.3), Blue);
            QCOMPARE(s.at(0.5, 0.4), Green);
        } else if (n == 4) {
            QCOMPARE(s.listing().last(), QStringList({"0.73828125", "3"}));
        } else if (n == 5) {
            const double x4 = s.listing().last().first().toDouble();
            QCOMPARE(s.at(x4, 0.1), Green);
            s.answer(s.w->cmd_finish, IDYES);
        }
    });
    QCOMPARE(s.yields, 5);
    // Each step waited the pause interval without handling events.
    QCOMPARE(s.p.scripted.clock.slept, 5.0);
}

void TestLogistic::precisionFollowsTheKindOfK_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("single");
    QTest::newRow("start-up k") << "" << true;
    QTest::newRow("k entered") << "enter" << false;
    QTest::newRow("Draw graphs") << "draw" << false;
}

void TestLogistic::precisionFollowsTheKindOfK() {
    QFETCH(QString, how);
    QFETCH(bool, single);
    Session s;
    if (how == "enter") s.enterK("3");
    if (how == "draw") s.w->cmd_draw->click();
    float xs = 0.5f;
    double xd = 0.5;
    for (int i = 0; i < 11; ++i) {
        xs = (3.0f * xs) * (1.0f - xs);
        xd = (3.0 * xd) * (1.0 - xd);
    }
    s.run([&](int n) {
        if (n == 12) {
            QCOMPARE(s.listing().last().first(), single ? generalForm(xs, Precision::Single)
                                                        : generalForm(xd, Precision::Double));
            s.answer(s.w->cmd_finish, IDYES);
        }
    });
    QVERIFY(generalForm(xs, Precision::Single) != generalForm(xd, Precision::Double));
}

void TestLogistic::listingKeepsTheLastThirty() {
    Session s;
    s.w->hsb_speed->setValue(0);
    s.run([&](int n) {
        const Rows rows = s.listing();
        if (n == 30) {
            QCOMPARE(rows.size(), 30);
            QCOMPARE(rows.last().last(), QString("29"));
            const ValuesScreen::Text last = s.w->pb_values->shown().last();
            QCOMPARE(last.x, 15.0);
            QVERIFY(last.y + s.w->pb_values->textHeight() <= s.w->pb_values->scaleHeight());
        } else if (n == 31) {
            QCOMPARE(rows.size(), 30);
            QCOMPARE(rows.first().last(), QString("1"));
            QCOMPARE(rows.last().last(), QString("30"));
            QCOMPARE(s.w->pb_values->shown().first().y, 0.0);
            s.answer(s.w->cmd_finish, IDYES);
        }
    });
}

void TestLogistic::pauseAndSpeed() {
    Session s;
    const QList<std::pair<int, QString>> speeds{{1500, "1.5"}, {0, "0.0"}, {5000, "5.0"}};
    for (const auto& [value, shown] : speeds) {
        s.w->hsb_speed->setValue(value);
        QCOMPARE(s.w->lbl_pause->text(), "Pause interval " + shown + " sec");
        QCOMPARE(int(s.w->wait), value);
    }
    // Paused before the start: one step, then the run waits, sleeping between events.
    s.w->cmd_pause->click();
    QCOMPARE(s.w->cmd_pause->caption(), QStringLiteral("Continue"));
    double pausedAt = 0;
    s.run([&](int n) {
        QCOMPARE(s.listing().size(), n < 10 ? 1 : 2);
        if (n == 2) pausedAt = s.p.scripted.clock.now;
        if (n == 9) {
            QVERIFY(s.p.scripted.clock.now - pausedAt >= 7 * 0.25);
            s.w->hsb_speed->setValue(100);
            s.w->cmd_pause->click();
        }
        if (n == 10) s.answer(s.w->cmd_finish, IDYES);
    });
    QCOMPARE(s.p.scripted.clock.slept, 5.1);
}

void TestLogistic::finishAndExit_data() {
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

void TestLogistic::finishAndExit() {
    QFETCH(QString, state);
    QFETCH(bool, exit);
    QFETCH(int, reply);
    Session s;
    const bool yes = reply == IDYES, running = state == "running", paused = state == "paused";
    QPushButton* button = exit ? s.w->cmd_exit : s.w->cmd_finish;
    int actedAt = 0, stepsAfter = 0;
    const auto act = [&] {
        s.w->cmd_draw->click();
        s.answer(button, reply);
        const auto& box = s.p.scripted.dialogs.shown.last();
        QCOMPARE(box.text, exit ? QStringLiteral("Do you want to finish with Logistic Mapping?")
                                : QStringLiteral("Do you want to finish this iteration?"));
        QCOMPARE(box.style, 36);
        QCOMPARE(s.blank(), yes);
        QCOMPARE(s.w->isShown(), !(exit && yes));
        QCOMPARE(s.p.window<intro>(intro::Name)->isShown(), exit && yes);
        QCOMPARE(s.w->cmd_pause->caption(),
                 QString(paused && !(yes && !exit) ? "Continue" : "Pause"));
        QCOMPARE(s.runControlsEnabled(), QList<bool>(6, state == "idle" || (yes && !exit)));
    };
    if (state == "idle") {
        act();
        return;
    }
    s.run(
        [&](int n) {
            if (n == 2 && paused) s.w->cmd_pause->click();
            if (n == 4) act(), actedAt = s.listing().size();
            if (n > 4 && !s.listing().isEmpty())
                stepsAfter = s.listing().last().last().toInt() + 1 - actedAt;
            // A paused run left by EXIT waits hidden until Continue is pressed.
            if (n == 8 && paused && exit && yes) {
                s.p.rt->show(logistic::Name);
                QCOMPARE(s.w->cmd_pause->caption(), QStringLiteral("Continue"));
                s.w->cmd_pause->click();
            }
        },
        12);
    // Answered Yes, the run ends at its next test; a paused one left by EXIT only after
    // Continue. Answered No, it goes on until finished at the end.
    QCOMPARE(s.yields, !yes ? 12 : paused && exit ? 8 : 4);
    QCOMPARE(stepsAfter > 0, running && !yes);
    // Unanswered runs were finished at the end; only EXIT leaves the controls disabled.
    QCOMPARE(s.runControlsEnabled(), QList<bool>(6, !(exit && yes)));
    if (yes) QVERIFY(s.blank());
}

void TestLogistic::tidyUpDuringARun() {
    Session s;
    s.w->cmd_draw->click();
    s.run([&](int n) {
        if (n == 3) {
            s.w->cmd_tidy->click();
            QCOMPARE(s.at(0.5, 0.4), s.w->pb_graph->pixel(1, 1));
            QCOMPARE(s.at(0.5, 0.75), Black);
            QCOMPARE(s.listing().size(), 3);
        } else if (n == 4) {
            QCOMPARE(s.at(0.73828125, 0.3), Cyan);
            QCOMPARE(s.at(0.5, 0.4), s.w->pb_graph->pixel(1, 1));
            s.answer(s.w->cmd_finish, IDYES);
        }
    });
}

void TestLogistic::runEndsWhenXLeavesTheSquare_data() {
    QTest::addColumn<QString>("k");
    QTest::newRow("4.5") << "4.5";
    QTest::newRow("1e300") << "1e300";
    QTest::newRow("1e308") << "1e308";
}

void TestLogistic::runEndsWhenXLeavesTheSquare() {
    QFETCH(QString, k);
    Session s;
    s.enterK(k);
    s.run([](int) {});
    QCOMPARE(s.yields, 1);
    QCOMPARE(s.listing(), Rows({{"0.5", "0"}}));
    // The step that left is drawn up to the edge; the run controls stay disabled.
    QCOMPARE(s.at(0.5, 0.999), Green);
    QCOMPARE(s.runControlsEnabled(), QList<bool>(6, false));
    QCOMPARE(s.p.scripted.dialogs.unexpected, 0);
}

void TestLogistic::orbitsMatchKnownValues_data() {
    QTest::addColumn<QString>("k");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("fixed point") << "2.8" << 1 - 1 / 2.8 << 1 - 1 / 2.8;
    QTest::newRow("period 2") << "3.2" << 0.5130 << 0.7995;
}

void TestLogistic::orbitsMatchKnownValues() {
    QFETCH(QString, k);
    QFETCH(double, a);
    QFETCH(double, b);
    Session s;
    s.enterK(k);
    s.run([&](int n) {
        if (n != 400) return;
        const Rows rows = s.listing();
        s.answer(s.w->cmd_finish, IDYES);
        double last[2] = {rows[28][0].toDouble(), rows[29][0].toDouble()};
        std::sort(last, last + 2);
        QVERIFY(std::abs(last[0] - a) < 1e-4 && std::abs(last[1] - b) < 1e-4);
    });
}

void TestLogistic::hiddenRunKeepsSteppingPast32767() {
    Session s;
    s.w->hsb_speed->setValue(0);
    s.run(
        [&](int n) {
            if (n == 2) s.w->menu_sierp->trigger();
            if (n == 3) QVERIFY(!s.w->isShown() && s.listing().isEmpty());
            if (n == 32770) s.w->menu_log->trigger();
            if (n == 32771) {
                QVERIFY(s.w->isShown());
                QCOMPARE(s.listing().size(), 30);
                QCOMPARE(s.listing().last().last(), QString("32770"));
                s.answer(s.w->cmd_finish, IDYES);
            }
        },
        40000);
}

void TestLogistic::finishedRunStaysEndedWhenANewOneStarts() {
    Session s;
    int outer = 0, inner = 0;
    s.run([&](int) {
        if (++outer != 3) return;
        s.answer(s.w->cmd_finish, IDYES);
        s.enterK("4.5"); // the new run leaves the square at once, leaving fin unset
        s.run([&](int) { ++inner; });
    });
    QCOMPARE(inner, 1);
    QCOMPARE(outer, 3);
}

void TestLogistic::closingDuringARunEndsIt_data() {
    QTest::addColumn<bool>("frame");
    QTest::newRow("close box") << false;
    QTest::newRow("frame") << true;
}

void TestLogistic::closingDuringARunEndsIt() {
    QFETCH(bool, frame);
    Session s;
    QPointer<logistic> w = s.w;
    s.enterK("3.5");
    s.run([&](int n) {
        if (n == 3 && frame) s.p.window<Zelta>(Zelta::Name)->close();
        if (n == 3 && !frame) s.w->subWindow()->close();
    });
    QCOMPARE(s.yields, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QCOMPARE(s.p.rt->anyLoaded(), !frame);
    if (frame) return;
    // Loaded afresh with the start-up state.
    s.p.rt->show(logistic::Name);
    QCOMPARE(s.p.window<logistic>(logistic::Name)->k, Value::integer(3));
}

QTEST_MAIN(TestLogistic)
#include "tst_logistic.moc"
