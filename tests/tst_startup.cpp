// The start-up sequence, the splash and the chooser on a scripted clock, and the end of the
// program: FINISH, and the frame closed while handlers are still going.
#include "logistic/logistic.h"
#include "runtime/mdiform.h"
#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/zelta.h"
#include "sieve/sierpinski.h"
#include "tests/support/program.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>

using namespace zr;

namespace {
const QString Splash = frmSplash::Name;
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    // However the splash goes, the chooser comes only when the four seconds are up.
    void splashThenChooserAfterTheWait_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("the wait ends") << "wait";
        QTest::newRow("a key") << "key";
        QTest::newRow("a click on the panel's free area") << "click";
    }
    void splashThenChooserAfterTheWait() {
        QFETCH(QString, how);
        TestProgram p;
        QString version;
        QPoint offCentre;
        bool splashAfterClick = false, splashAt39 = false, chooserAt39 = true;
        p.scripted.clock.at(1.0, [&] {
            Form* splash = p.window(Splash);
            version = p.text(Splash, "lblVersion");
            offCentre = splash->window()->frameGeometry().center() -
                        QGuiApplication::primaryScreen()->geometry().center();
            // Clicks on what the panel holds do not close it.
            for (const char* inside : {"lblProductName", "lblVersion", "imgLogo"})
                QTest::mouseClick(p.control<QWidget>(Splash, inside), Qt::LeftButton, {},
                                  QPoint(3, 3));
            if (how == "key") QTest::keyClick(splash, Qt::Key_A);
            if (how == "click")
                QTest::mouseClick(p.control<QWidget>(Splash, "Frame1"), Qt::LeftButton, {},
                                  {20, 20});
            splashAfterClick = p.rt->isLoaded(Splash);
        });
        p.scripted.clock.at(3.9, [&] {
            splashAt39 = p.rt->isLoaded(Splash);
            chooserAt39 = p.rt->isLoaded(intro::Name);
        });
        p.start();
        QCOMPARE(version, QStringLiteral("Version 1.1.0"));
        QVERIFY(offCentre.manhattanLength() <= 2);
        QCOMPARE(splashAfterClick, how == "wait");
        QCOMPARE(splashAt39, how == "wait");
        QVERIFY(!chooserAt39);
        QVERIFY(p.scripted.clock.now > 4.0);
        QVERIFY(!p.rt->isLoaded(Splash));
        // Both programs were loaded and wait hidden; the chooser is the one window shown.
        auto* frame = static_cast<MdiForm*>(p.window(Zelta::Name));
        QCOMPARE(frame->shownChildren(), QList<Form*>{p.window(intro::Name)});
        QCOMPARE(frame->activeChild(), p.window(intro::Name));
        QVERIFY(p.window(logistic::Name));
        QVERIFY(p.window(Sierpinski::Name));
        QCOMPARE(frame->frameGeometry(), QRect(px(400), 0, px(11180), px(8800)));
        // The wait handled events as they came instead of spinning through the four seconds.
        QVERIFY(p.scripted.clock.eventWaits < 10);
    }

    void chooserOpensProgramsWithoutReloading() {
        TestProgram p;
        p.start();
        Form* chooser = p.window(intro::Name);
        QPointer<Form> sieve = p.window(Sierpinski::Name), cobweb = p.window(logistic::Name);
        p.click(intro::Name, "cmd_sierp");
        QVERIFY(!chooser->isShown());
        QVERIFY(sieve->isShown());
        sieve->Hide();
        chooser->Show();
        chooser->subWindow()->move(50, 60);
        p.click(intro::Name, "cmd_logistic");
        QVERIFY(cobweb->isShown());
        QCOMPARE(p.window(logistic::Name), cobweb.data());
        QCOMPARE(p.window(Sierpinski::Name), sieve.data());
        // A chooser closed with its close box comes back loaded afresh, in its place.
        chooser->Show();
        chooser->subWindow()->close();
        QVERIFY(!p.rt->isLoaded(intro::Name));
        p.rt->show(intro::Name);
        QVERIFY(p.window(intro::Name)->isShown());
        QCOMPARE(p.window(intro::Name)->subWindow()->pos(), QPoint(0, 0));
    }

    // FINISH answered No changes nothing; answered Yes it ends the program, even in a run.
    void finishAskedThenEndsEvenInsideARun() {
        TestProgram p;
        p.start();
        p.confirm(intro::Name, "cmd_exit", IDNO);
        const auto box = p.scripted.dialogs.shown.last();
        QCOMPARE(box.text, QStringLiteral("Do you really want to finish with Zelta?"));
        QCOMPARE(box.title, QStringLiteral("Finish"));
        QCOMPARE(box.style, MB_YESNO | MB_QUESTION);
        QCOMPARE(p.scripted.ender.ended, 0);
        QVERIFY(p.window(intro::Name)->isShown());
        p.click(intro::Name, "cmd_sierp");
        const int yields = p.run(Sierpinski::Name, "cmd_iter", [&](int n) {
            if (n == 3) p.confirm(intro::Name, "cmd_exit");
        });
        QCOMPARE(yields, 3);
        QCOMPARE(p.scripted.ender.ended, 1);
        QVERIFY(!p.rt->anyLoaded());
    }

    // Also a key on the splash then, which would bring the frame forward, brings nothing back.
    void closingFrameDuringWaitEndsProgram() {
        TestProgram p;
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        p.scripted.clock.at(1.0, [&] {
            p.window(Zelta::Name)->close();
            QTest::keyClick(p.window(Splash), Qt::Key_A);
        });
        p.start();
        QVERIFY(!p.rt->anyLoaded());
        QCOMPARE(over.count(), 1);
    }

    // Once the frame is closed nothing loads it again: not a handler whose message box is
    // answered afterwards, nor a Window menu chosen in a window still finishing a handler.
    void nothingComesBackAfterTheFrame_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        for (const char* w : {"Sierpinski", "logistic"}) {
            QTest::addRow("%s EXIT", w) << w << "cmd_exit"
                                        << "";
            for (const char* menu : {"menu_log", "menu_sierp"})
                QTest::addRow("%s %s", w, menu) << w << "cmd_finish" << menu;
        }
    }
    void nothingComesBackAfterTheFrame() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, menu);
        TestProgram p;
        p.start();
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        p.click(intro::Name, window == "logistic" ? "cmd_logistic" : "cmd_sierp");
        QPointer<Form> w = p.window(window);
        p.scripted.dialogs.whileOpen = [&] {
            p.window(Zelta::Name)->close();
            if (!menu.isEmpty()) w->findChild<QAction*>(menu)->trigger();
        };
        p.confirm(window, button);
        QVERIFY(!p.rt->anyLoaded());
        QCOMPARE(over.count(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
