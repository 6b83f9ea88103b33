// The start-up sequence, the splash and the chooser, on a scripted clock.
#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/zelta.h"
#include "tests/support/program.h"

#include <QMdiSubWindow>
#include <QtTest>

using namespace zr;

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
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
        bool checked = false;
        p.scripted.clock.at(1.0, [&] {
            auto* splash = p.window<frmSplash>(frmSplash::Name);
            QVERIFY(splash && splash->isVisible());
            QCOMPARE(splash->lblVersion->text(), QStringLiteral("Version 1.1.0"));
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            QVERIFY((splash->window()->geometry().center() - screen.center()).manhattanLength() <=
                    2);
            // Clicks on what the panel holds do not close it.
            for (QWidget* inside :
                 QList<QWidget*>{splash->lblProductName, splash->lblVersion, splash->imgLogo})
                QTest::mouseClick(inside, Qt::LeftButton, {}, QPoint(3, 3));
            if (how == "key") QTest::keyClick(splash, Qt::Key_A);
            if (how == "click") QTest::mouseClick(splash->Frame1, Qt::LeftButton, {}, {20, 20});
            QCOMPARE(p.rt->isLoaded(frmSplash::Name), how == "wait");
        });
        p.scripted.clock.at(3.9, [&] {
            QCOMPARE(p.rt->isLoaded(frmSplash::Name), how == "wait");
            QVERIFY(!p.rt->isLoaded(intro::Name));
            checked = true;
        });
        p.start();
        QVERIFY(checked && p.scripted.clock.now > 4.0 && !p.rt->isLoaded(frmSplash::Name));
        auto* chooser = p.window<intro>(intro::Name);
        QVERIFY(chooser && chooser->isShown());
        // Both programs were loaded and wait hidden.
        for (const char* name : {"logistic", "Sierpinski"}) {
            Form* f = p.rt->loadedForm(QString::fromLatin1(name));
            QVERIFY2(f && !f->isShown(), name);
        }
        auto* frame = p.window<Zelta>(Zelta::Name);
        QCOMPARE(frame->shownChildren(), QList<Form*>{chooser});
        QCOMPARE(frame->activeChild(), chooser);
        QCOMPARE(frame->frameGeometry(), QRect(px(400), 0, px(11180), px(8800)));
        // The wait handled events as they came instead of spinning through the four seconds.
        QVERIFY(p.scripted.clock.eventWaits < 10);
    }

    void chooserOpensProgramsWithoutReloading() {
        TestProgram p;
        p.start();
        auto* chooser = p.window<intro>(intro::Name);
        Form* sieve = p.rt->loadedForm("Sierpinski");
        Form* logisticWindow = p.rt->loadedForm("logistic");
        QTest::mouseClick(chooser->cmd_sierp, Qt::LeftButton);
        QVERIFY(!chooser->isShown() && sieve->isShown());
        QCOMPARE(p.rt->loadedForm("Sierpinski"), sieve);
        sieve->Hide();
        chooser->Show();
        chooser->subWindow()->move(50, 60);
        QTest::mouseClick(chooser->cmd_logistic, Qt::LeftButton);
        QVERIFY(logisticWindow->isShown());
        QCOMPARE(p.rt->loadedForm("logistic"), logisticWindow);
        // A chooser closed with its close box comes back loaded afresh, in its place.
        chooser->Show();
        chooser->subWindow()->close();
        QVERIFY(!p.rt->isLoaded(intro::Name));
        p.rt->show(intro::Name);
        auto* again = p.window<intro>(intro::Name);
        QVERIFY(again && again->isShown());
        QCOMPARE(again->subWindow()->pos(), QPoint(0, 0));
    }

    // FINISH answered No changes nothing; answered Yes it ends the program, even in a run.
    void finishAskedThenEndsEvenInsideARun() {
        TestProgram p;
        p.start();
        auto* chooser = p.window<intro>(intro::Name);
        p.scripted.dialogs.answer(IDNO);
        QTest::mouseClick(chooser->cmd_exit, Qt::LeftButton);
        const auto box = p.scripted.dialogs.shown.last();
        QVERIFY(box.text == "Do you really want to finish with Zelta?" && box.title == "Finish");
        QVERIFY(box.style == 36 && p.scripted.ender.ended == 0 && chooser->isShown());
        // A loop that yields like a run, with FINISH clicked inside one of its yields.
        int yields = 0;
        p.rt->setYieldHook([&] {
            if (++yields != 3) return;
            p.scripted.dialogs.answer(IDYES);
            QTest::mouseClick(chooser->cmd_exit, Qt::LeftButton);
        });
        Form* sieve = p.rt->loadedForm("Sierpinski");
        while (!sieve->isUnloaded() && yields < 1000)
            p.rt->yield();
        QVERIFY(p.scripted.ender.ended == 1 && yields == 3 && !p.rt->anyLoaded());
    }

    // Also a key on the splash then, which would bring the frame forward, brings nothing back.
    void closingFrameDuringWaitEndsProgram() {
        TestProgram p;
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        p.scripted.clock.at(1.0, [&] {
            p.window<Zelta>(Zelta::Name)->close();
            QTest::keyClick(p.window<frmSplash>(frmSplash::Name), Qt::Key_A);
        });
        p.start();
        QVERIFY(!p.rt->anyLoaded() && !p.rt->isLoaded(intro::Name));
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
        p.window<intro>(intro::Name)
            ->findChild<QPushButton*>(window == "logistic" ? "cmd_logistic" : "cmd_sierp")
            ->click();
        QPointer<Form> w = p.rt->loadedForm(window);
        p.scripted.dialogs.whileOpen = [&] {
            p.window<Zelta>(Zelta::Name)->close();
            if (!menu.isEmpty()) w->findChild<QAction*>(menu)->trigger();
        };
        p.scripted.dialogs.answer(IDYES);
        w->findChild<QPushButton*>(button)->click();
        QVERIFY(!p.rt->anyLoaded());
        QCOMPARE(over.count(), 1);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
