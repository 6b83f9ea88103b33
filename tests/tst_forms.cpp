// Windows by name: loaded once, unloaded only once no handler of theirs is running, the frame
// that holds them and shows the active one's menus.
#include "runtime/mdiform.h"
#include "tests/support/program.h"

#include <QMenuBar>

class TestForms : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // The frame's menu bar shows the active child window's menus. A window hidden and shown
    // again keeps what it showed. Closed inside its run's yield, a window is unloaded at once,
    // the run ends as Finish would end it, and the window is deleted once the run has
    // returned; shown again, it is loaded afresh. (The frame closed: tst_startup.)
    void childWindowsInTheFrame() {
        TestProgram p;
        p.start();
        const QMenuBar* bar = static_cast<zr::MdiForm*>(p.window("Zelta"))->menuBar();
        QStringList seen;
        const auto menus = [&] {
            QStringList names;
            for (QAction* a : bar->actions())
                names << a->menu()->objectName();
            seen << (bar->isHidden() ? "no menus" : names.join(' '));
        };
        menus();
        p.click("intro", "cmd_sierp");
        p.enter("Sierpinski", "cmd_vert", {"4"});
        menus();
        p.trigger("Sierpinski", "menu_log");
        menus();
        p.rt->show("Sierpinski");
        menus();
        p.rt->hide("Sierpinski");
        menus();
        p.trigger("logistic", "menu_sierp");
        seen << p.window("Sierpinski")->caption();
        QPointer<zr::Form> sieve = p.window("Sierpinski");
        seen << QString::number(p.run("Sierpinski", "cmd_iter", [&](int n) {
            if (n == 2) sieve->outer()->close();
        })) << (sieve ? "kept while the run returned" : "gone");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        seen << (sieve ? "kept" : "deleted");
        menus();
        p.rt->show("Sierpinski");
        seen << p.window("Sierpinski")->caption();
        QCOMPARE(seen,
                 (QStringList{"no menus", "menu_window help_help", "menu_window hlp_menu",
                              "menu_window help_help", "menu_window hlp_menu",
                              "Sierpinski Sieve: 4 vertices", "2", "kept while the run returned",
                              "deleted", "no menus", "Sierpinski's Sieve"}));
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
