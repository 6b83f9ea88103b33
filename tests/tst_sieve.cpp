// The sieve window as a user meets it: clicks, typed entries and answers, and what the
// window then shows on its drawing area, counter, captions and buttons.
#include "tests/support/program.h"

#include <QAccessible>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QtTest>

using namespace zr;

namespace {
const QString W = QStringLiteral("Sierpinski");

struct Sieve : QObject, TestProgram {
    PictureBox* pb;
    QStringList counter; // as the screen showed it, with the drawing
    int flash = 0;       // the most pixels seen flashed around (-100, 100) at once
    Sieve() {
        start();
        click("intro", "cmd_sierp");
        (pb = area(W, "pb_screen"))->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        if (counter.value(counter.size() - 1) != text(W, "lbl_iters"))
            counter << text(W, "lbl_iters");
        int n = 0; // cyan by exclusive-or on the back colour
        for (int i = 0; i < 64; ++i)
            n += at(-100, 100, {i % 8 - 3, i / 8 - 3}) == (at(0, 0) ^ Cyan);
        flash = qMax(flash, n);
        return false;
    }
    // The colour amid the pixel that (x, y) lights, or one `off` it: at a scale of 1.5 a
    // one-pixel dot may leave the pixel's top-left device pixel untouched.
    Colour at(double x, double y, QPoint off = {}) const {
        const QPointF p =
            (pb->pixelOf(x, y) + off + QPointF(0.5, 0.5)) * pb->image().devicePixelRatio();
        return fromQColor(pb->image().pixelColor(qFloor(p.x()), qFloor(p.y())));
    }
    int inked() const { // pixels not in the back colour, which the corner keeps
        int n = 0;
        for (int i = 0; i < 449 * 449; ++i)
            n += at(-225, 225, {i % 449, i / 449}) != at(-225, 225);
        return n;
    }
};
} // namespace

class TestSieve : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // Placed and named for screen readers; each part in its colours (the commonest its
    // back, the text colour set among the others) and lettering; Print offered to no one.
    void window() {
        Sieve s;
        Form* w = s.window(W);
        QVERIFY(w->subWindow()->isMaximized());
        w->subWindow()->showNormal(); // from maximised to its own place and size
        QCOMPARE(w->subWindow()->geometry(), QRect(0, 0, 733, 507));
        QCOMPARE(s.control(W, "cmd_vert")->text(), "Enter\nnumber of\nvertices");
        const auto hex = [](Colour c) { return QString::number(fromQColor(toQColor(c)), 16); };
        QStringList seen, unnamed;
        for (const char* name :
             {"Shape2", "lbl_para1", "lbl_iters", "lbl_title", "cmd_exit", "lbl_pause"}) {
            QWidget* part = s.control<QWidget>(W, name);
            const QImage image = part->grab().toImage();
            QHash<Colour, int> count;
            for (int i = 0; i < image.width() * image.height(); ++i)
                ++count[fromQColor(image.pixelColor(i % image.width(), i / image.width()))];
            const Colour back = std::max_element(count.begin(), count.end()).key();
            QString look = QString("%1 %2 %3").arg(name, hex(back)).arg(part->font().pointSizeF());
            for (const auto& [ink, word] : {std::pair(Red, " red"), std::pair(Blue, " blue")})
                look += ink != back && count.contains(ink) ? word : "";
            seen << look + (part->font().bold() ? " bold " : " ") +
                        part->property("alignment").toString();
        }
        QCOMPARE(
            seen,
            (QStringList{
                "Shape2 ffffc0 8.25 ", "lbl_para1 ffffc0 8.25 red bold AlignLeading|AlignTop",
                "lbl_iters " + hex(SysHighlightText) + " 13.5 blue bold AlignTrailing|AlignTop",
                "lbl_title " + hex(SysActiveTitle) + " 12 blue AlignHCenter|AlignTop",
                "cmd_exit ff 8.25 ",
                "lbl_pause " + hex(SysTooltipBackground) + " 8.25 AlignHCenter|AlignTop"}));
        for (QObject* part : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (QAccessible::queryAccessibleInterface(part)->text(QAccessible::Name).isEmpty())
                unnamed << part->objectName();
        QCOMPARE(unnamed, QStringList());
        // Made available, Print prints the window on white without its controls, and shows
        // them again, all but itself.
        QAbstractButton* print = s.control(W, "cmd_print");
        QVERIFY(!print->isEnabled());
        const QColor face = w->grab().toImage().pixelColor(2, 2);
        print->setEnabled(true);
        print->click();
        const QImage page = s.scripted.printer.printed.value(0);
        const QPoint cls = s.control(W, "cmd_cls")->geometry().center() * page.devicePixelRatio();
        QCOMPARE((QList<QColor>{page.pixelColor(cls), w->grab().toImage().pixelColor(2, 2)}),
                 (QList<QColor>{Qt::white, face}));
        QCOMPARE((QList<bool>{print->isVisible(), s.control(W, "cmd_cls")->isVisible()}),
                 (QList<bool>{false, true}));
    }

    // Start (-100, 100), x first, then vertices 0, 1, 2, 0, each point keeping a quarter of
    // the way from its vertex; the speed bar moves at the first three yields.
    void run() {
        Sieve s;
        s.enter(W, "cmd_ratio", {"0.25"});
        s.scripted.random.queue = {0.25f, 0.75f, 0.0f, 0.4f, 0.9f, 0.0f};
        QStringList seen; // at each yield the time held so far and the speed caption
        QList<Colour> colours;
        s.run(W, "cmd_iter", [&](int n) {
            seen << QString::number(qRound(s.scripted.clock.slept * 1000));
            if (n < 4)
                s.control<QScrollBar>(W, "hsb_speed")->setValue(QList<int>{10, 250, 1000}[n - 1]);
            seen << (n < 4 ? s.text(W, "lbl_pause") : s.window(W)->caption());
            for (const QPointF p : QList<QPointF>{{-100, 100},
                                                  {-25, 175},
                                                  {123.654, -31.25},
                                                  {-98.990, -82.8125},
                                                  {-24.748, 129.297}})
                colours << s.at(p.x(), p.y());
            if (n == 4) seen << QString::number(s.inked()) + " pixels";
            if (n == 4) s.confirm(W, "cmd_finish");
        });
        QCOMPARE(seen, (QStringList{"0", "Pause interval 0.01 sec", "10", "Pause interval 0.25 sec",
                                    "260", "Pause interval 1.00 sec", "1260",
                                    "Sierpinski Sieve: v vertices:  ratio = 0.25", "5 pixels"}));
        QCOMPARE(colours.mid(15), (QList<Colour>{Cyan, Green, Blue, Magenta, Cyan}));
        QCOMPARE(s.counter, (QStringList{"0", "1", " 1", " 2", " 3", "0"}));
        QCOMPARE(s.flash, 4 * 4);
    }

    // One session through every state of a run and the ways between them; each look: the
    // buttons a run disables that are enabled, the Pause caption, the counter, the drawing,
    // and the windows shown.
    void states() {
        Sieve s;
        QStringList seen;
        const auto look = [&] {
            QStringList on, shown;
            for (const char* name : {"cmd_cls", "cmd_vert", "cmd_ratio", "cmd_iter"})
                if (s.control(W, name)->isEnabled()) on << QString(name).mid(4);
            for (const QString& name : {QStringLiteral("intro"), W, QStringLiteral("frmAbout")})
                if (s.window(name) && s.window(name)->isShown()) shown << name;
            seen << QStringList{on.join(' '), s.text(W, "cmd_pause"), s.text(W, "lbl_iters"),
                                s.inked() ? "drawn" : "empty", shown.join(' ')}
                        .join('|');
        };
        s.click(W, "cmd_pause"); // before any run
        look();
        s.confirm(W, "cmd_finish");
        look();
        s.click(W, "cmd_pause"); // a run started paused plots the start point and one more
        s.run(W, "cmd_iter", [&](int n) {
            if (n == 3) look();
            if (n == 3) s.click(W, "cmd_pause");
            if (n == 4) s.confirm(W, "cmd_finish", IDNO);
            if (n == 4) s.confirm(W, "cmd_exit", IDNO);
            if (n == 4 || n == 7) look();
            if (n == 5) s.click(W, "cmd_pause");
            if (n == 8) s.confirm(W, "cmd_exit");
            if (n == 10) s.click("intro", "cmd_sierp");
            if (n == 8 || n == 10) look();
            if (n == 10) s.click(W, "cmd_pause"); // the run ends without another point
        });
        look();
        s.confirm(W, "cmd_finish");
        s.run(W, "cmd_iter", [&](int n) {
            if (n == 2) s.click(W, "cmd_pause");
            if (n == 4) s.confirm(W, "cmd_finish");
            if (n == 4 || n == 7) look();
            if (n == 4) s.click(W, "cmd_iter"); // runs inside this one's yield
            if (n == 8) s.confirm(W, "cmd_exit");
            if (n == 8) look();
        });
        s.click("intro", "cmd_sierp");
        s.trigger(W, "hlp_About");
        look();
        s.confirm(W, "cmd_finish");
        look();
        const QString idle = "cls vert ratio iter|Pause|0|empty|Sierpinski";
        QCOMPARE(seen, (QStringList{"cls vert ratio iter|Continue|0|empty|Sierpinski", idle,
                                    "|Continue| 1|drawn|Sierpinski", "|Pause| 2|drawn|Sierpinski",
                                    "|Continue| 3|drawn|Sierpinski", "|Continue|0|empty|intro",
                                    "|Continue|0|empty|Sierpinski", "|Pause|0|empty|Sierpinski",
                                    idle, "|Pause| 3|drawn|Sierpinski", "|Pause|0|empty|intro",
                                    "|Pause|0|empty|Sierpinski frmAbout", idle + " frmAbout"}));
        const QList<float>& seeds = s.scripted.random.seeds; // each run seeded afresh
        QCOMPARE(QSet<float>(seeds.begin(), seeds.end()).size(), 3);
    }

    // Vertex entries one after another, each clearing the polygon before, the window hidden
    // and shown again between; then ratio entries after a cancelled vertex entry.
    void entries() {
        Sieve s;
        QStringList seen, offered;
        const QList<std::pair<QString, int>> vertices{{"5", 5},           {"3.0", 3},
                                                      {"4.5;2;abc;6", 6}, {"5abc", 5},
                                                      {"cls", 0},         {"10001;10000", 10000},
                                                      {"<cancel>", 0},    {"2;", 0}};
        for (const auto& [typed, sides] : vertices) {
            if (typed == "cls")
                s.click(W, "cmd_cls");
            else
                s.enter(W, "cmd_vert", typed.split(';'));
            s.trigger(W, "menu_log");
            s.trigger(W, "menu_sierp");
            QSet<int> drawn; // sides with a drawn middle, the last one too
            for (int i = 0; i < sides * 9; ++i) {
                const double a = (i / 9 + 0.5) * 2 * M_PI / sides, r = 200 * std::cos(M_PI / sides);
                if (s.at(r * std::sin(a), r * std::cos(a), {i % 3 - 1, i / 3 % 3 - 1}) == Black)
                    drawn << i / 9;
            }
            // Lines one pixel wide, and nothing left of the polygon before.
            const bool thin =
                sides > 6 || s.inked() <= 1.2 * sides * 400 * std::sin(M_PI / qMax(sides, 1));
            seen << QString("%1: %2 sides%3")
                        .arg(s.window(W)->caption().remove("Sierpinski Sieve: "))
                        .arg(drawn.size())
                        .arg(thin ? "" : " and more");
        }
        for (const char* typed :
             {"0.3", "0", "0.999", "1", "abc", "1e400", "0.999999999", "1e-50", ""}) {
            s.enter(W, "cmd_ratio", {typed});
            seen << s.window(W)->caption().remove("Sierpinski Sieve: ");
        }
        for (const auto& box : s.scripted.dialogs.shown)
            offered << box.defaultText;
        QCOMPARE(seen,
                 (QStringList{"5 vertices: 5 sides", "3.0 vertices: 3 sides", "6 vertices: 6 sides",
                              "5abc vertices: 5 sides", "5abc vertices: 0 sides",
                              "10000 vertices: 10000 sides", "10000 vertices: 0 sides",
                              "10000 vertices: 0 sides", "v vertices:  ratio = 0.3",
                              "v vertices:  ratio = r", "v vertices:  ratio = 0.999",
                              "v vertices:  ratio = r", "v vertices:  ratio = r",
                              "v vertices:  ratio = r", "v vertices:  ratio = r",
                              "v vertices:  ratio = r", "v vertices:  ratio = r"}));
        QCOMPARE(offered.join(' '),
                 "3 3 3 3 3 3 3 3 3 3 3 3 0.5 0.3 0.5 0.999 0.5 0.5 0.5 0.5 0.5");
    }
};

QTEST_MAIN(TestSieve)
#include "tst_sieve.moc"
