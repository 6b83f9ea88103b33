// The sieve window on scripted dialogs, clock and chance: geometry, the flash, the run and
// its states, nesting, entries, printing and the shape the points settle on.
#include "shell/intro.h"
#include "tests/support/program.h"
#include "shell/zelta.h"

#include <QMdiSubWindow>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace zr;

namespace {

struct Sieve {
    TestProgram p;
    Sierpinski* w = nullptr;
    int steps = 0;
    Sieve() {
        p.start();
        chooser()->cmd_sierp->click();
        w = p.window<Sierpinski>(Sierpinski::Name);
    }
    intro* chooser() { return p.window<intro>(intro::Name); }
    // Starts a run and calls `step(n)` at its n-th yield, as a user acting then would.
    void run(const std::function<void(int)>& step) {
        steps = 0;
        p.rt->setYieldHook([this, step] {
            step(++steps);
            if (steps > 20000) { // a run that would not end: stop it and fail
                w->fin = Value::boolean(true);
                w->carryon = true;
            }
        });
        w->cmd_iter->click();
        p.rt->setYieldHook({});
        if (steps > 20000) QTest::qFail("the run did not end", __FILE__, __LINE__);
    }
    void confirm(QPushButton* button, int answer = IDYES) {
        p.scripted.dialogs.answer(answer);
        button->click();
    }
    void enter(QPushButton* button, const QStringList& typed) {
        for (const QString& t : typed)
            p.scripted.dialogs.type(t == "<cancel>" ? std::nullopt : std::optional<QString>(t));
        button->click();
    }
    Colour at(double x, double y) const {
        const QPoint px = w->pb_screen->pixelOf(x, y);
        return w->pb_screen->pixel(px.x(), px.y());
    }
    // The pixels of the drawing area that are not its back colour.
    QList<QPoint> inked() const {
        QList<QPoint> found;
        for (int y = 0; y < w->pb_screen->innerSize().height(); ++y)
            for (int x = 0; x < w->pb_screen->innerSize().width(); ++x)
                if (w->pb_screen->pixel(x, y) != w->pb_screen->pixel(0, 0)) found.append({x, y});
        return found;
    }
};

// Calls `seen` whenever the watched widget is painted.
struct PaintSpy : QObject {
    std::function<void()> seen;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) seen();
        return false;
    }
};

} // namespace

class TestSieve : public QObject {
    Q_OBJECT
  private slots:
    // Names and tab order are checked with the other windows' in tst_accessibility.
    void startUpSquareAndPrint() {
        Sieve s;
        Sierpinski* w = s.w;
        QVERIFY(w->caption() == "Sierpinski's Sieve" && w->lbl_iters->text() == "0");
        QCOMPARE(w->lbl_pause->text(), QStringLiteral("Pause interval 0.00 sec"));
        QVERIFY(w->hsb_speed->value() == 0 && w->wait == 0 && !w->cmd_print->isEnabled());
        QVERIFY(w->carryon && w->fin.isEmpty() && w->iters.isEmpty());
        // Four vertices: a square standing on a corner, drawn through them.
        s.enter(w->cmd_vert, {"4"});
        for (const QPointF& p :
             {QPointF(0, 200), QPointF(200, 0), QPointF(0, -200), QPointF(-200, 0)})
            QCOMPARE(s.at(p.x(), p.y()), Colour(Black));
        // Printing hides the controls and prints the window on white.
        s.w->cmd_print_Click();
        QCOMPARE(s.p.scripted.printer.printed.size(), 1);
        const QImage page = s.p.scripted.printer.printed.first();
        const qreal dpr = page.devicePixelRatio();
        QCOMPARE(page.size(), s.w->size() * dpr);
        QCOMPARE(page.pixelColor(s.w->cmd_cls->geometry().center() * dpr), QColor(Qt::white));
        QVERIFY(s.w->cmd_cls->isVisible() && s.w->lbl_int->isVisible() &&
                !s.w->cmd_print->isVisible());
        QCOMPARE(s.w->backColor(), Colour(SysButtonFace));
    }

    void flashIsShownForItsTimeAndLeavesOnlyThePoint() {
        Sieve s;
        PictureBox* pb = s.w->pb_screen;
        s.enter(s.w->cmd_vert, {"5"});
        for (int i = 0; i < 30; ++i)
            s.w->plot_new_point(-3 + i % 6, 198 + i / 6, Blue + 0x10203 * i);
        QList<Colour> painted; // the spot as the screen showed it
        QPoint spot;
        PaintSpy spy;
        spy.seen = [&] { painted.append(pb->pixel(spot.x(), spot.y())); };
        pb->installEventFilter(&spy);
        for (const QPointF& at : {QPointF(0, 200), QPointF(0, 199), QPointF(117.6, 161.8)}) {
            for (Colour col : {Cyan, Magenta}) {
                QImage expected = pb->image().copy();
                spot = pb->pixelOf(at.x(), at.y());
                const Colour under = pb->pixel(spot.x(), spot.y());
                painted.clear();
                s.w->plot_new_point(at.x(), at.y(), col);
                QVERIFY(!painted.isEmpty());
                QCOMPARE(painted.first(), under ^ col); // the flash reached the screen at once
                expected.setPixelColor(spot, toQColor(col));
                QCOMPARE(pb->image(), expected);
                QVERIFY(pb->drawMode() == PictureBox::CopyPen && pb->drawWidth() == 1);
            }
        }
        // The speed bar sets how long the flash stays.
        QStringList seconds{"0.00", "0.01", "0.25", "1.00"};
        for (int value : {0, 10, 250, 1000}) { // ends, one small step, a quarter
            s.w->hsb_speed->setValue(value);
            QCOMPARE(s.w->lbl_pause->text(), "Pause interval " + seconds.takeFirst() + " sec");
            const double before = s.p.scripted.clock.slept;
            s.w->plot_new_point(10, 10, Green);
            QCOMPARE(s.p.scripted.clock.slept - before, value / 1000.0);
        }
    }

    void runColoursCounterAndCaption() {
        Sieve s;
        s.enter(s.w->cmd_ratio, {"0.25"});
        // Start (0, 0); then vertices 0, 1, 2, 0: the current point keeps a quarter.
        s.p.scripted.random.queue = {0.5f, 0.5f, 0.0f, 0.4f, 0.9f, 0.0f};
        const double v = 100 * std::sqrt(3.0);
        const QList<QPointF> points{{0, 0},
                                    {0, 150},
                                    {0.75 * v, -37.5},
                                    {-0.5625 * v, -84.375},
                                    {-0.140625 * v, 128.90625}};
        QStringList counter; // what the counter read each time the drawing reached the screen
        PaintSpy spy;
        spy.seen = [&] {
            if (counter.isEmpty() || counter.last() != s.w->lbl_iters->text())
                counter.append(s.w->lbl_iters->text());
        };
        s.w->pb_screen->installEventFilter(&spy);
        QList<Colour> seen;
        int inked = 0;
        QString caption;
        s.run([&](int n) {
            if (n < 4) return;
            for (const QPointF& p : points)
                seen.append(s.at(p.x(), p.y()));
            inked = s.inked().size();
            caption = s.w->caption();
            QVERIFY(!s.w->cmd_cls->isEnabled() && !s.w->cmd_ratio->isEnabled() &&
                    !s.w->cmd_iter->isEnabled() && !s.w->cmd_vert->isEnabled());
            s.confirm(s.w->cmd_finish);
        });
        QCOMPARE(seen, (QList<Colour>{Cyan, Green, Blue, Magenta, Cyan}));
        QCOMPARE(inked, points.size());
        QCOMPARE(caption, QStringLiteral("Sierpinski Sieve: v vertices:  ratio = 0.25"));
        QCOMPARE(counter.mid(0, 5), (QStringList{"0", "1", " 1", " 2", " 3"}));
        QCOMPARE(s.p.scripted.random.seeds.size(), 1);
    }

    void counterKeepsCountingPastIntegerLimits() {
        for (int from : {32766, 65534}) {
            Sieve s;
            QStringList seen;
            s.run([&](int n) {
                if (n == 1) s.w->iters = Value::integer(from);
                if (n >= 2) seen.append(s.w->lbl_iters->text());
                if (n == 3) s.confirm(s.w->cmd_finish);
            });
            QCOMPARE(seen,
                     (QStringList{QString(" %1").arg(from + 1), QString(" %1").arg(from + 2)}));
        }
    }

    // The run's states: each script clicks at the given yields of the run ("0" before it).
    void stateTable_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("exited");
        QTest::newRow("Finish No, later Yes") << "3:no 4:drawn 6:yes" << 6.0 << false;
        QTest::newRow("Finish Yes while paused") << "2:pause 6:yes" << 2.0 << false;
        QTest::newRow("EXIT during a run") << "3:exit" << 3.0 << true;
        QTest::newRow("EXIT while paused, Continue") << "2:pause 5:exit 8:pause" << 2.0 << true;
        QTest::newRow("Pause while idle") << "0:pause 5:pause 6:yes" << 2.0 << false;
        QTest::newRow("Window menu away and back") << "2:log 5:sierp 6:yes" << 6.0 << false;
        // Start again inside the old run's yield: the new run nests, and the old one
        // returns after it without plotting again.
        QTest::newRow("Start again after Finish") << "3:restart 8:yes" << 5.0 << false;
    }
    void stateTable() {
        QFETCH(QString, script);
        QFETCH(double, points);
        QFETCH(bool, exited);
        Sieve s;
        Sierpinski* w = s.w;
        QMap<int, QString> acts;
        for (const QString& act : script.split(' '))
            acts.insert(act.section(':', 0, 0).toInt(), act.section(':', 1));
        auto act = [&](const QString& what) {
            if (what == "pause") w->cmd_pause->click();
            if (what == "no" || what == "yes")
                s.confirm(w->cmd_finish, what == "no" ? IDNO : IDYES);
            if (what == "exit") s.confirm(w->cmd_exit);
            if (what == "drawn") QVERIFY(!s.inked().isEmpty() && w->lbl_iters->text() != "0");
            if (what == "log") w->menu_log->trigger();
            if (what == "log") QVERIFY(!w->isShown() && s.p.rt->loadedForm("logistic")->isShown());
            if (what == "sierp") w->menu_sierp->trigger();
            if (what == "restart") s.confirm(w->cmd_finish);
            if (what == "restart") w->cmd_iter->click();
        };
        act(acts.value(0));
        const double start = s.p.scripted.clock.now;
        s.run([&](int n) { act(acts.value(n)); });
        QCOMPARE(w->iters.toDouble(), points);
        QCOMPARE(s.p.scripted.random.seeds.size(), script.contains("restart") ? 2 : 1);
        // A paused run waits up to a quarter second a pass instead of spinning.
        if (script.contains("pause")) QVERIFY(s.p.scripted.clock.now - start >= 0.75);
        QVERIFY(w->fin.toBool() && w->carryon && w->cmd_pause->caption() == "Pause");
        QCOMPARE(w->cmd_iter->isEnabled(), !exited);
        QVERIFY(s.inked().isEmpty() && w->lbl_iters->text() == "0");
        for (const auto& box : s.p.scripted.dialogs.shown)
            QVERIFY(box.style == 36 &&
                    box.text == (box.title == "Finish"
                                     ? "Do you want to finish this iteration?"
                                     : "Do you want to finish with Sierpinski's Sieve?"));
        QVERIFY(w->isShown() != exited && !s.p.rt->loadedForm("logistic")->isShown());
        if (!exited) return;
        // EXIT hid the window; coming back finds Start disabled until Finish.
        QVERIFY(!w->isShown() && s.chooser()->isShown());
        s.chooser()->cmd_sierp->click();
        QVERIFY(w->isShown() && !w->cmd_iter->isEnabled());
        s.confirm(w->cmd_finish);
        QVERIFY(w->cmd_iter->isEnabled() && w->cmd_vert->isEnabled());
    }

    // Closing the frame during runs is in tst_together.
    void closeBoxDuringRunEndsItAndReloads() {
        Sieve s;
        QPointer<Sierpinski> w = s.w;
        s.run([&](int n) {
            if (n == 2) w->subWindow()->close();
            QVERIFY(n <= 2);
        });
        QVERIFY(!s.p.rt->isLoaded(Sierpinski::Name) && s.p.rt->anyLoaded());
        s.p.rt->show(Sierpinski::Name); // loaded afresh
        auto* again = s.p.window<Sierpinski>(Sierpinski::Name);
        QVERIFY(again && again != w && again->isShown() && again->lbl_iters->text() == "0");
    }

    void vertexEntries_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<double>("vertices");
        QTest::newRow("kept as typed") << QStringList{"3.0"} << 3.0;
        QTest::newRow("text after") << QStringList{"5abc"} << 5.0;
        QTest::newRow("largest") << QStringList{"10000"} << 10000.0;
        const QStringList refused{"4.5", "2", "abc", "1e400", "10001", QString(5000, '9')};
        QTest::newRow("refused until valid") << refused + QStringList{"6"} << 6.0;
        QTest::newRow("cancel") << QStringList{"<cancel>"} << 3.0;
        QTest::newRow("refused, then empty") << QStringList{"2", ""} << 3.0;
    }
    void vertexEntries() {
        QFETCH(QStringList, typed);
        QFETCH(double, vertices);
        Sieve s;
        s.w->plot_new_point(50, 50, Green);
        const Colour back = s.at(-220, 220);
        QElapsedTimer clock;
        clock.start();
        s.enter(s.w->cmd_vert, typed);
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(s.w->vert.toDouble(), vertices);
        QCOMPARE(s.p.scripted.dialogs.shown.size(), typed.size());
        for (const auto& box : s.p.scripted.dialogs.shown)
            QVERIFY(box.text == "How many vertices (>=3)?" && box.title == "Vertices" &&
                    box.defaultText == "3");
        const bool accepted = vertices != 3.0 || typed.last() == "3.0";
        QCOMPARE(s.w->capt.toText(), accepted ? typed.last() : "v");
        QCOMPARE(s.w->caption(), accepted ? "Sierpinski Sieve: " + typed.last() + " vertices"
                                          : QStringLiteral("Sierpinski's Sieve"));
        QCOMPARE(s.at(50, 50), back); // cleared first
        QCOMPARE(s.at(0, 200), accepted ? Colour(Black) : back);
    }

    void ratioEntries_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("ratio");
        QTest::newRow("accepted") << "0.3" << 0.3f;
        QTest::newRow("near one") << "0.999" << 0.999f;
        for (const char* refused : {"0", "1", "abc", "1e400", "0.999999999", "1e-50", ""})
            QTest::newRow(refused) << QString(refused) << 0.5f;
    }
    void ratioEntries() {
        QFETCH(QString, typed);
        QFETCH(float, ratio);
        Sieve s;
        s.enter(s.w->cmd_ratio, {typed});
        const QString text = ratio == 0.5f ? QStringLiteral("r") : typed;
        QCOMPARE(s.w->ratio, ratio);
        QCOMPARE(s.w->caption(), "Sierpinski Sieve: v vertices:  ratio = " + text);
        // The next dialog offers the last accepted text, or 0.5 after a refusal.
        s.enter(s.w->cmd_ratio, {typed});
        const auto& boxes = s.p.scripted.dialogs.shown;
        QCOMPARE(boxes[1].defaultText, text == "r" ? QStringLiteral("0.5") : typed);
        QVERIFY(boxes[0].defaultText == "0.5" && boxes[0].title == "Ratio");
        QCOMPARE(boxes[0].text,
                 "Enter the fraction of\r\nthe way from current point\r\nto next vertex");
    }

    void pointsSettleOnTheAttractor_data() {
        QTest::addColumn<QString>("vertices");
        QTest::addColumn<QString>("ratio");
        const auto row = [](const char* name, QString v, QString r) {
            QTest::newRow(name) << v << r;
        };
        row("triangle, halves: the middle stays empty", "3", "0.5");
        row("triangle, quarters: three corners", "3", "0.25");
        row("pentagon", "5", "0.382");
    }
    // After the first few points every point lies in one of the polygon's copies shrunk by
    // the ratio towards a vertex: with 3 vertices and 0.5 that leaves the middle triangle
    // empty, with 0.25 only three small corner triangles.
    void pointsSettleOnTheAttractor() {
        QFETCH(QString, vertices);
        QFETCH(QString, ratio);
        Sieve s;
        s.enter(s.w->cmd_vert, {vertices});
        s.enter(s.w->cmd_ratio, {ratio});
        const int n = vertices.toInt();
        const double r = ratio.toDouble();
        QList<QPointF> corner;
        for (int v = 0; v < n; ++v)
            corner.append(QPointF(200 * std::sin(s.w->angle(v)), 200 * std::cos(s.w->angle(v))));
        auto inCopy = [&](const QPointF& p, const QPointF& towards) {
            for (int i = 0; i < n; ++i) { // clockwise sides: inside is to their right
                const QPointF a = r * corner[i] + (1 - r) * towards;
                const QPointF d = r * corner[(i + 1) % n] + (1 - r) * towards - a, q = p - a;
                if (d.x() * q.y() - d.y() * q.x() > 1.5 * std::hypot(d.x(), d.y())) return false;
            }
            return true;
        };
        QList<QPoint> ink;
        s.run([&](int step) {
            if (step == 12) s.w->cmd_cls_Click();
            if (step < 3000) return;
            ink = s.inked();
            s.confirm(s.w->cmd_finish);
        });
        QVERIFY(ink.size() > 100);
        for (const QPoint& px : ink) {
            const QPointF p(-225 + px.x() + 0.5, 225 - px.y() - 0.5);
            QVERIFY2(
                std::any_of(corner.begin(), corner.end(), [&](auto v) { return inCopy(p, v); }),
                qPrintable(QString("(%1, %2)").arg(p.x()).arg(p.y())));
        }
    }
};

QTEST_MAIN(TestSieve)
#include "tst_sieve.moc"
