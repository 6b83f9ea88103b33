// The sieve window as a user meets it: clicks, typed entries and answers, and what the
// window then shows on its drawing area, counter, captions and buttons.
#include "tests/support/program.h"

#include <QAccessible>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>
#include <cmath>

using namespace zr;

namespace {
const QString W = QStringLiteral("Sierpinski");
const QString Idle = QStringLiteral("cls vert ratio iter|Pause|0|empty|Sierpinski");

// Calls `seen` whenever the watched widget is painted, that is with what the screen shows.
struct PaintSpy : QObject {
    std::function<void()> seen;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) seen();
        return false;
    }
};

struct Sieve : TestProgram {
    Sieve() {
        start();
        click("intro", "cmd_sierp");
    }
    PictureBox* pb() const { return area(W, "pb_screen"); }
    // The centre of a logical pixel: at a scale of 1.5 a one-pixel dot may leave the
    // pixel's top-left device pixel untouched.
    static Colour pixel(const PictureBox* pb, int x, int y) {
        const qreal dpr = pb->image().devicePixelRatio();
        return fromQColor(pb->image().pixelColor(qFloor((x + 0.5) * dpr), qFloor((y + 0.5) * dpr)));
    }
    Colour at(double x, double y, int dx = 0, int dy = 0) const {
        const QPoint px = pb()->pixelOf(x, y);
        return pixel(pb(), px.x() + dx, px.y() + dy);
    }
    int inked() const { // pixels not of the back colour, which the corner keeps
        const PictureBox* area = pb();
        const int width = area->innerSize().width();
        int n = 0;
        for (int i = 0; i < width * area->innerSize().height(); ++i)
            n += pixel(area, i % width, i / width) != pixel(area, 0, 0);
        return n;
    }
    bool blackNear(QPointF p) const {
        for (int i = 0; i < 9; ++i)
            if (at(p.x(), p.y(), i % 3 - 1, i / 3 - 1) == Black) return true;
        return false;
    }
    // The colours a control shows, the commonest first.
    QList<Colour> colours(const char* name) const {
        const QImage image = control<QWidget>(W, name)->grab().toImage();
        QHash<Colour, int> count;
        for (int i = 0; i < image.width() * image.height(); ++i)
            ++count[fromQColor(image.pixelColor(i % image.width(), i / image.width()))];
        QList<Colour> ranked = count.keys();
        std::sort(ranked.begin(), ranked.end(),
                  [&](Colour a, Colour b) { return count[a] > count[b]; });
        return ranked;
    }
    // How a control sets its text: point size, " bold", and where a label puts it.
    QString lettering(const char* name) const {
        const QWidget* w = control<QWidget>(W, name);
        QString how = QString::number(w->font().pointSizeF()) + (w->font().bold() ? " bold" : "");
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const Qt::Alignment a = label->alignment();
            how += a & Qt::AlignRight ? " right" : a & Qt::AlignHCenter ? " centred" : " left";
        }
        return how;
    }
    // The buttons a run disables that are enabled, the Pause caption, the counter, the
    // drawing area, and the program windows shown.
    QString look() const {
        QStringList on, shown;
        for (const char* name : {"cmd_cls", "cmd_vert", "cmd_ratio", "cmd_iter"})
            if (control(W, name)->isEnabled()) on << QString(name).mid(4);
        for (const QString& name :
             {QStringLiteral("intro"), QStringLiteral("logistic"), W, QStringLiteral("frmAbout")})
            if (window(name) && window(name)->isShown()) shown << name;
        return QStringList{on.join(' '), text(W, "cmd_pause"), text(W, "lbl_iters"),
                           inked() ? "drawn" : "empty", shown.join(' ')}
            .join('|');
    }
};
} // namespace

class TestSieve : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    void startUpAboutAndPrint() {
        Sieve s;
        QMenu* windows = s.control<QMenu>(W, "menu_window");
        emit windows->aboutToShow(); // as opening it does: it lists the open windows
        QCOMPARE(windows->actions().last()->text(), QStringLiteral("&1 Sierpinski's Sieve"));
        QCOMPARE(s.look(), Idle);
        QCOMPARE(s.text(W, "lbl_pause"), QStringLiteral("Pause interval 0.00 sec"));
        QCOMPARE(s.control<QScrollBar>(W, "hsb_speed")->value(), 0);
        // Restored from its maximised state, the window takes its own place and size.
        QVERIFY(s.window(W)->subWindow()->isMaximized());
        QVERIFY(!s.window(W)->windowIcon().isNull());
        s.window(W)->subWindow()->showNormal();
        QCOMPARE(s.window(W)->subWindow()->geometry(), QRect(0, 0, 733, 507));
        s.trigger(W, "hlp_About");
        QCOMPARE(s.look(), Idle + " frmAbout");
        // Nothing offers Print; made available, it prints the window on white without
        // its controls, and shows them again all but itself.
        QAbstractButton* print = s.control(W, "cmd_print");
        QVERIFY(!print->isEnabled());
        const QColor face = s.window(W)->grab().toImage().pixelColor(2, 2);
        print->setEnabled(true);
        print->click();
        QCOMPARE(s.scripted.printer.printed.size(), 1);
        const QImage page = s.scripted.printer.printed.first();
        QCOMPARE(page.pixelColor(2, 2), QColor(Qt::white));
        const QPoint button = s.control(W, "cmd_cls")->geometry().center();
        QCOMPARE(page.pixelColor(button * page.devicePixelRatio()), QColor(Qt::white));
        QCOMPARE(s.window(W)->grab().toImage().pixelColor(2, 2), face);
        QVERIFY(s.control(W, "cmd_cls")->isVisible());
        QVERIFY(s.control<QWidget>(W, "lbl_int")->isVisible());
        QVERIFY(!print->isVisible());
    }

    // The window's parts in their colours: the back colour the commonest, the text in its own.
    void appearance() {
        Sieve s;
        const auto system = [](Colour c) { return fromQColor(toQColor(c)); };
        const Colour paleCyan = 0xFFFFC0, tooltip = system(SysTooltipBackground);
        // Back colour, text colour, and the text's font and place.
        const QList<std::tuple<const char*, Colour, Colour, const char*>> parts{
            {"Shape2", paleCyan, paleCyan, ""},
            {"Label1", paleCyan, paleCyan, "8.25 left"},
            {"lbl_para1", paleCyan, Red, "8.25 bold left"},
            {"lbl_iters", system(SysHighlightText), Blue, "13.5 bold right"},
            {"lbl_title", system(SysActiveTitle), Blue, "12 centred"},
            {"cmd_exit", Red, Red, "8.25"},
            {"lbl_pause", tooltip, tooltip, "8.25 centred"},
            {"lbl_int", tooltip, tooltip, "8.25 left"}};
        for (const auto& [name, back, text, font] : parts) {
            const QList<Colour> seen = s.colours(name);
            QCOMPARE(seen.first(), back);
            QVERIFY2(seen.contains(text), name);
            if (*font) QCOMPARE(s.lettering(name), QString(font));
        }
        QCOMPARE(s.control(W, "cmd_vert")->text(), QStringLiteral("Enter\nnumber of\nvertices"));
        // Everything in the window, menus too, tells a screen reader what it is.
        for (QWidget* part : s.window(W)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name).isEmpty(),
                qPrintable(part->objectName()));
    }

    void runPointsFlashCounterSpeed() {
        Sieve s;
        s.enter(W, "cmd_ratio", {"0.25"});
        // Start (-100, 100), x first; then vertices 0, 1, 2, 0: each point keeps a quarter
        // of the way from its vertex to the point before.
        s.scripted.random.queue = {0.25f, 0.75f, 0.0f, 0.4f, 0.9f, 0.0f};
        const QList<QPointF> points{
            {-100, 100}, {-25, 175}, {123.654, -31.25}, {-98.990, -82.8125}, {-24.748, 129.297}};
        QStringList counter, speed; // the counter as the screen showed it with the drawing
        QList<Colour> flash, seen;  // flash: around the first point while it flashed
        PaintSpy spy;
        spy.seen = [&] {
            if (counter.isEmpty() || counter.last() != s.text(W, "lbl_iters"))
                counter << s.text(W, "lbl_iters");
            for (int i = 0; flash.size() < 36 && s.at(-100, 100) != s.at(0, 0); ++i)
                flash << s.at(-100, 100, i % 6 - 2, i / 6 - 2);
        };
        s.pb()->installEventFilter(&spy);
        QList<int> flashMs; // what each step waited, while the speed bar moves
        double slept = 0;
        int inked = 0;
        QString caption;
        const auto step = [&](int n) {
            flashMs << qRound((s.scripted.clock.slept - slept) * 1000);
            slept = s.scripted.clock.slept;
            if (n < 4) {
                s.control<QScrollBar>(W, "hsb_speed")->setValue(QList<int>{10, 250, 1000}[n - 1]);
                speed << s.text(W, "lbl_pause");
                return;
            }
            for (const QPointF& p : points)
                seen << s.at(p.x(), p.y());
            inked = s.inked();
            caption = s.window(W)->caption();
            s.confirm(W, "cmd_finish");
        };
        s.run(W, "cmd_iter", step, 10);
        QCOMPARE(seen, (QList<Colour>{Cyan, Green, Blue, Magenta, Cyan}));
        QCOMPARE(inked, points.size());
        QCOMPARE(caption, QStringLiteral("Sierpinski Sieve: v vertices:  ratio = 0.25"));
        QCOMPARE(counter.mid(0, 5), (QStringList{"0", "1", " 1", " 2", " 3"}));
        QCOMPARE(flashMs, (QList<int>{0, 10, 250, 1000}));
        QCOMPARE(speed, (QStringList{"Pause interval 0.01 sec", "Pause interval 0.25 sec",
                                     "Pause interval 1.00 sec"}));
        // The first point's flash: four pixels wide, cyan combined by exclusive-or.
        QCOMPARE(flash.mid(7, 4), QList<Colour>(4, s.at(0, 0) ^ Cyan));
        QCOMPARE(flash.count(s.at(0, 0) ^ Cyan), 16);
        QCOMPARE(flash.count(s.at(0, 0)), 20);
        // Each run is seeded afresh, from the time it starts.
        s.run(
            W, "cmd_iter", [&](int) { s.confirm(W, "cmd_finish"); }, 10);
        QCOMPARE(s.scripted.random.seeds.size(), 2);
        QVERIFY(s.scripted.random.seeds[0] != s.scripted.random.seeds[1]);
    }

    // Scripts act at the run's yields: "n:act,act", with 0 before the run and -1 after it.
    void runStates_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("looks");
        const QString paused = "|Continue| 2|drawn|Sierpinski", running = "|Pause| %1|drawn|";
        QTest::newRow("Finish, EXIT answered No")
            << "2:no,look 3:exitno,look 4:yes,look"
            << QStringList{running.arg(2) + W, running.arg(3) + W, Idle};
        QTest::newRow("paused, Finish")
            << "2:pause 5:look 6:yes -1:look" << QStringList{paused, Idle};
        QTest::newRow("EXIT, back, Finish")
            << "3:exit,look -1:chooser,look,yes,look"
            << QStringList{"|Pause|0|empty|intro", "|Pause|0|empty|Sierpinski", Idle};
        QTest::newRow("paused, EXIT, back, Continue")
            << "2:pause 3:exit 5:chooser,look 6:pause -1:look,yes,look"
            << QStringList{"|Continue|0|empty|Sierpinski", "|Pause|0|empty|Sierpinski", Idle};
        QTest::newRow("Pause before a run")
            << "0:pause 4:look,pause 5:yes" << QStringList{"|Continue| 1|drawn|Sierpinski"};
        QTest::newRow("Pause before any run, Finish")
            << "0:pause,look,yes 3:look 4:yes"
            << QStringList{"cls vert ratio iter|Continue|0|empty|Sierpinski", running.arg(3) + W};
        QTest::newRow("Window menu: the run goes on")
            << "2:log 4:look 5:sierp,look 6:yes"
            << QStringList{running.arg(4) + "logistic", running.arg(5) + W};
        QTest::newRow("Start again after Finish: nested")
            << "3:yes,iter 6:look 8:yes -1:look" << QStringList{running.arg(3) + W, Idle};
        QTest::newRow("closed during a run") << "2:close -1:chooser,look" << QStringList{Idle};
    }
    void runStates() {
        QFETCH(QString, script);
        QFETCH(QStringList, looks);
        Sieve s;
        QMap<int, QStringList> acts;
        for (const QString& a : script.split(' '))
            acts[a.section(':', 0, 0).toInt()] = a.section(':', 1).split(',');
        QStringList seen;
        const auto act = [&](int n) {
            for (const QString& a : acts.value(n)) {
                if (a == "look") seen << s.look();
                if (a == "pause" || a == "iter") s.click(W, "cmd_" + a);
                if (a == "yes" || a == "no") s.confirm(W, "cmd_finish", a == "yes" ? IDYES : IDNO);
                if (a.startsWith("exit")) s.confirm(W, "cmd_exit", a == "exit" ? IDYES : IDNO);
                if (a == "log" || a == "sierp") s.trigger(W, "menu_" + a);
                if (a == "chooser") s.click("intro", "cmd_sierp");
                if (a == "close") s.window(W)->subWindow()->close();
            }
        };
        act(0);
        s.run(W, "cmd_iter", act, 20);
        act(-1);
        QCOMPARE(seen, looks);
        for (const auto& box : s.scripted.dialogs.shown)
            QCOMPARE(box.style, MB_YESNO | MB_QUESTION);
    }

    // Each entry follows a square: it asks again, and clears the square first.
    void vertexEntries_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("kept"); // shown in captions, "v" for none
        QTest::addColumn<int>("sides");
        QTest::newRow("5: a pentagon") << QStringList{"5"} << "5" << 5;
        QTest::newRow("3.0, as typed") << QStringList{"3.0"} << "3.0" << 3;
        QTest::newRow("4.5, 2, abc ask again") << QStringList{"4.5", "2", "abc", "6"} << "6" << 6;
        QTest::newRow("5abc read as 5") << QStringList{"5abc"} << "5abc" << 5;
        QTest::newRow("10000 at most") << QStringList{"10001", "10000"} << "10000" << 10000;
        QTest::newRow("cancel") << QStringList{"<cancel>"} << "v" << 0;
        QTest::newRow("refused, then empty") << QStringList{"2", ""} << "v" << 0;
    }
    void vertexEntries() {
        QFETCH(QStringList, typed);
        QFETCH(QString, kept);
        QFETCH(int, sides);
        Sieve s;
        s.enter(W, "cmd_vert", {"4"});
        s.enter(W, "cmd_vert", typed);
        // A cancelled entry leaves the caption as the square's entry left it.
        QCOMPARE(s.window(W)->caption(), "Sierpinski Sieve: " + (sides ? kept : "4") + " vertices");
        QCOMPARE(s.scripted.dialogs.shown.size(), 1 + typed.size());
        for (const auto& box : s.scripted.dialogs.shown)
            QCOMPARE(box.defaultText, QStringLiteral("3"));
        QVERIFY(!s.blackNear({100, 100}));
        // Lines one pixel wide: about as many pixels as the perimeter is long, or none.
        const double perimeter = sides ? sides * 400 * std::sin(M_PI / sides) : 0;
        if (sides <= 6) QVERIFY(s.inked() <= 1.2 * perimeter);
        for (int i = 0; i < sides; ++i) { // the middle of each side, the last one too
            const double a = (i + 0.5) * 2 * M_PI / sides, r = 200 * std::cos(M_PI / sides);
            QVERIFY2(s.blackNear({r * std::sin(a), r * std::cos(a)}),
                     qPrintable(QString::number(i)));
        }
        // Hidden and shown again, the window keeps its drawing.
        s.trigger(W, "menu_log");
        s.trigger(W, "menu_sierp");
        QCOMPARE(s.blackNear({0, 200}), sides > 0);
        s.click(W, "cmd_cls");
        QCOMPARE(s.inked(), 0);
        s.enter(W, "cmd_ratio", {"0.5"});
        QCOMPARE(s.window(W)->caption(), "Sierpinski Sieve: " + kept + " vertices:  ratio = 0.5");
    }

    void ratioEntries_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // in the caption and offered next
        QTest::newRow("0.3") << "0.3"
                             << "0.3";
        QTest::newRow("0.999") << "0.999"
                               << "0.999";
        for (const char* refused : {"0", "1", "abc", "1e400", "0.999999999", "1e-50", ""})
            QTest::newRow(*refused ? refused : "empty") << QString(refused) << "r";
    }
    void ratioEntries() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Sieve s;
        s.enter(W, "cmd_ratio", {typed, typed});
        QCOMPARE(s.window(W)->caption(), "Sierpinski Sieve: v vertices:  ratio = " + kept);
        s.click(W, "cmd_ratio");
        const auto& boxes = s.scripted.dialogs.shown;
        QCOMPARE(boxes[0].defaultText, QStringLiteral("0.5"));
        QCOMPARE(boxes[1].defaultText, kept == "r" ? QStringLiteral("0.5") : kept);
    }
};

QTEST_MAIN(TestSieve)
#include "tst_sieve.moc"
