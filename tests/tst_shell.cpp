// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The shell: the start-up sequence, the splash and the chooser on a scripted clock; the frame
// and the child windows it holds, loaded once and unloaded only once no handler of theirs is
// running; the end of the program; every window as last reviewed: its description (each
// control found by assistive technology through its accessible name, by code and tests through
// its objectName) and its picture, where every label shows all of its text.
#include "runtime/mdiform.h"
#include "tests/support/program.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QScrollBar>

using namespace zr;

namespace {
// The child windows loaded, each marked when it is hidden, and whether the splash is.
QString loaded(const TestProgram& p) {
    QStringList names;
    for (const char* name : {"frmSplash", "intro", "logistic", "Sierpinski"})
        if (const Form* f = p.window(name)) names << name + QString(f->isShown() ? "" : " hidden");
    return names.join(", ");
}
} // namespace

class TestShell : public WindowTest {
    Q_OBJECT
  private slots:
    // However the splash goes, the chooser comes only when the four seconds are up.
    void splashThenChooser_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"wait", "key", "click"}) // the last on the panel's free area
            QTest::newRow(how) << QString(how);
    }
    void splashThenChooser() {
        QFETCH(QString, how);
        TestProgram p;
        QStringList seen;
        p.scripted.clock.at(1.0, [&] {
            QWidget* splash = p.window("frmSplash");
            // What the panel holds does not close it; only the left button on the panel does.
            const Qt::MouseButton panel = how == "click" ? Qt::LeftButton : Qt::RightButton;
            for (const char* inside : {"lblProductName", "lblVersion", "imgLogo", "Frame1"})
                QTest::mouseClick(p.control<QWidget>("frmSplash", inside),
                                  inside[0] == 'F' ? panel : Qt::LeftButton, {}, {3, 3});
            if (how == "key") QTest::keyClick(splash, Qt::Key_A);
            QCoreApplication::processEvents();
            const bool front = QGuiApplication::focusWindow() == p.window("Zelta")->windowHandle();
            seen << loaded(p) + (front ? "in front: the frame" : "");
        });
        p.scripted.clock.at(3.9, [&] { seen << loaded(p); });
        int waits = 0;
        p.rt->setYieldHook([&] { ++waits; });
        p.start();
        seen << loaded(p) << QString::number(qFloor(p.scripted.clock.now));
        const QString splash = how == "wait" ? "frmSplash" : "";
        // A key brings the frame to the front; a click only takes the splash away.
        QCOMPARE(seen, (QStringList{how == "key" ? "in front: the frame" : splash, splash,
                                    "intro, logistic hidden, Sierpinski hidden", "4"}));
        // The wait handled events as they came instead of spinning through the four seconds.
        QVERIFY(waits < 10);
    }

    // Once the frame is closed nothing loads it again: not a key on the splash during the
    // wait, nor a handler whose message box is answered afterwards, nor a Window menu chosen
    // in a window still finishing a handler.
    void nothingComesBackAfterTheFrame_data() {
        QTest::addColumn<QStringList>("path"); // the window, and EXIT or the menu chosen
        QTest::newRow("a key on the splash during the wait") << QStringList{};
        for (const char* w : {"Sierpinski", "logistic"})
            for (const char* how : {"cmd_exit", "menu_log", "menu_sierp"})
                QTest::addRow("%s %s", w, how) << QStringList{w, how};
    }
    void nothingComesBackAfterTheFrame() {
        QFETCH(QStringList, path);
        TestProgram p;
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        if (path.isEmpty())
            p.scripted.clock.at(1.0, [&] {
                p.window("Zelta")->close();
                QTest::keyClick(p.window("frmSplash"), Qt::Key_A);
            });
        p.start();
        if (!path.isEmpty()) {
            p.click("intro", path[0] == "logistic" ? "cmd_logistic" : "cmd_sierp");
            QPointer<Form> w = p.window(path[0]);
            p.scripted.dialogs.whileOpen = [&] {
                p.window("Zelta")->close();
                if (path[1] != "cmd_exit") w->findChild<QAction*>(path[1])->trigger();
            };
            p.confirm(path[0], path[1] == "cmd_exit" ? "cmd_exit" : "cmd_finish");
        }
        QCOMPARE(p.rt->anyLoaded(), false);
        QCOMPARE(over.count(), 1);
    }

    // The frame's menu bar shows the active child window's menus. A window hidden and shown
    // again keeps what it showed. Closed inside its run's yield, a window is unloaded at once,
    // the run ends as Finish would end it, and the window is deleted once the run has
    // returned; shown again, it is loaded afresh. (The frame closed: below.)
    void childWindowsInTheFrame() {
        TestProgram p;
        p.start();
        const QMenuBar* bar = static_cast<MdiForm*>(p.window("Zelta"))->menuBar();
        QStringList seen;
        const auto menus = [&] {
            QStringList names;
            for (QAction* a : bar->actions())
                names << a->menu()->objectName();
            seen << (bar->isHidden() ? "no menus" : names.join(' '));
        };
        menus();
        p.click("intro", "cmd_sierp");
        p.enter("Sierpinski", "cmd_vert", {"4&"}); // read as 4; the & shows as itself
        menus();
        p.trigger("Sierpinski", "menu_log");
        menus();
        p.rt->show("Sierpinski");
        menus();
        // The Window menu lists the windows shown, the active one checked, afresh each time;
        // an entry brings its window to the front.
        QMenu* list = p.window("Sierpinski")->findChild<QMenu*>("menu_window");
        for (int i = 0; i < 2; ++i)
            emit list->aboutToShow();
        for (const QAction* a : list->actions())
            seen << (a->isSeparator() ? "-" : a->text() + (a->isChecked() ? " checked" : ""));
        list->actions().at(list->actions().size() - 2)->trigger(), menus(); // the first listed
        p.rt->hide("Sierpinski");
        menus();
        p.trigger("logistic", "menu_sierp");
        seen << p.window("Sierpinski")->caption();
        QPointer<Form> sieve = p.window("Sierpinski");
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
                              "menu_window help_help", "&Logistic Mapping: y = kx(1 - x)",
                              "&Sierpinski Sieve", "-", "&1 Logistic Mapping: y = kx(1 - x)",
                              "&2 Sierpinski Sieve: 4&& vertices checked", "menu_window hlp_menu",
                              "menu_window hlp_menu", "Sierpinski Sieve: 4& vertices", "2",
                              "kept while the run returned", "deleted", "no menus",
                              "Sierpinski's Sieve"}));
    }

    // Each window on its own: the frame holds only its client area, where the others are. At one
    // device pixel per logical pixel, each is described and looks as it did when last reviewed,
    // the pictures drawn for its buttons and icons included.
    void everyWindowAsReviewed() {
        TestProgram p;
        QStringList found;
        const auto check = [&](Form* form) { // the diagram's columns come later
            found << differs(form->objectName(), form);
            // With its edge, and a child window with its title bar, where its caption and icon
            // show.
            if (form->objectName() != "Diagram")
                found << differs(form->objectName(), form->outer()->grab().toImage());
        };
        // The splash lives only during the start-up wait.
        p.scripted.clock.at(1.0, [&] { found << "splash", check(p.window("frmSplash")); });
        p.start();
        for (const char* name : {"intro", "logistic", "Sierpinski", "frmAbout", "Diagram"})
            check(p.rt->form(name));
        // The frame's client area: named, and made too small for the chooser, still the whole
        // frame (no menus show) and scrolling to it.
        const auto* area = p.window("Zelta")->findChild<QMdiArea*>("clientArea");
        p.window("Zelta")->outer()->resize(300, 200);
        QCoreApplication::processEvents();
        QDebug(&found.emplace_back())
            << area->accessibleName() << (area->geometry() == area->parentWidget()->rect())
            << area->horizontalScrollBar()->isVisible() << area->verticalScrollBar()->isVisible();
        QVERIFY2(found == (QStringList{"splash", "\"Client area\" true true true "}),
                 qPrintable(found.join('\n')));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
