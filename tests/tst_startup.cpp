// The start-up sequence, the splash and the chooser, on a scripted clock.
#include "frmsplash.h"
#include "intro.h"
#include "program.h"
#include "zelta.h"

#include <QMdiSubWindow>
#include <QtTest>

using namespace zr;

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void sequenceShowsChooserWhenWaitEnds();
    void keyClosesSplashEarlyButChooserWaits();
    void onlyThePanelsFreeAreaClosesSplash();
    void splashAndFrameLayout();
    void chooserOpensProgramsWithoutReloading();
    void finishAnsweredNoChangesNothing();
    void finishAnsweredYesEndsEvenInsideARun();
    void closingFrameDuringWaitEndsProgram();
};

void TestStartup::sequenceShowsChooserWhenWaitEnds() {
    TestProgram p;
    bool checkedEarly = false;
    p.scripted.clock.at(3.9, [&] {
        auto* splash = p.window<frmSplash>(frmSplash::Name);
        QVERIFY(splash && splash->isVisible());
        QVERIFY(!p.rt->isLoaded(intro::Name));
        checkedEarly = true;
    });
    p.start();
    QVERIFY(checkedEarly);
    QVERIFY(p.scripted.clock.now > 4.0);
    QVERIFY(!p.rt->isLoaded(frmSplash::Name));
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
    // The wait handled events as they came instead of spinning through the four seconds.
    QVERIFY(p.scripted.clock.eventWaits < 10);
}

void TestStartup::keyClosesSplashEarlyButChooserWaits() {
    TestProgram p;
    bool checked = false;
    p.scripted.clock.at(2.0, [&] {
        QTest::keyClick(p.window<frmSplash>(frmSplash::Name), Qt::Key_A);
        QVERIFY(!p.rt->isLoaded(frmSplash::Name));
    });
    p.scripted.clock.at(3.0, [&] {
        QVERIFY(!p.rt->isLoaded(intro::Name));
        checked = true;
    });
    p.start();
    QVERIFY(checked);
    QVERIFY(p.scripted.clock.now > 4.0);
    QVERIFY(p.window<intro>(intro::Name)->isShown());
}

void TestStartup::onlyThePanelsFreeAreaClosesSplash() {
    TestProgram p;
    bool checked = false;
    p.scripted.clock.at(1.0, [&] {
        auto* splash = p.window<frmSplash>(frmSplash::Name);
        for (QWidget* inside :
             {static_cast<QWidget*>(splash->lblProductName),
              static_cast<QWidget*>(splash->lblVersion), static_cast<QWidget*>(splash->imgLogo)})
            QTest::mouseClick(inside, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(p.rt->isLoaded(frmSplash::Name));
        QTest::mouseClick(splash->Frame1, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!p.rt->isLoaded(frmSplash::Name));
        checked = true;
    });
    p.start();
    QVERIFY(checked);
    QVERIFY(p.window<intro>(intro::Name)->isShown());
}

void TestStartup::splashAndFrameLayout() {
    TestProgram p;
    p.scripted.clock.at(1.0, [&] {
        auto* splash = p.window<frmSplash>(frmSplash::Name);
        QCOMPARE(splash->lblVersion->text(), QStringLiteral("Version 1.1.0"));
        QCOMPARE(splash->lblProductName->text(), QStringLiteral("ZELTA"));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY((splash->geometry().center() - screen.center()).manhattanLength() <= 2);
    });
    p.start();
    auto* frame = p.window<Zelta>(Zelta::Name);
    QCOMPARE(frame->caption(), QStringLiteral("Zelta"));
    QCOMPARE(frame->frameGeometry(), QRect(px(400), 0, px(11180), px(8800)));
    auto* chooser = p.window<intro>(intro::Name);
    QCOMPARE(chooser->subWindow()->geometry(), QRect(0, 0, px(11000), px(7600)));
    QCOMPARE(chooser->lbl_welcome->text().size(), 35);
    QVERIFY(chooser->lbl_welcome->text().endsWith(QLatin1String("suite ")));
}

void TestStartup::chooserOpensProgramsWithoutReloading() {
    TestProgram p;
    p.start();
    auto* chooser = p.window<intro>(intro::Name);
    Form* sieve = p.rt->loadedForm(QStringLiteral("Sierpinski"));
    Form* logisticWindow = p.rt->loadedForm(QStringLiteral("logistic"));
    QTest::mouseClick(chooser->cmd_sierp, Qt::LeftButton);
    QVERIFY(!chooser->isShown());
    QVERIFY(sieve->isShown());
    QCOMPARE(p.rt->loadedForm(QStringLiteral("Sierpinski")), sieve);
    sieve->Hide();
    chooser->Show();
    chooser->subWindow()->move(50, 60);
    QTest::mouseClick(chooser->cmd_logistic, Qt::LeftButton);
    QVERIFY(logisticWindow->isShown());
    QCOMPARE(p.rt->loadedForm(QStringLiteral("logistic")), logisticWindow);
    // A chooser closed with its close box comes back loaded afresh, in its place.
    chooser->Show();
    chooser->subWindow()->close();
    QVERIFY(!p.rt->isLoaded(intro::Name));
    p.rt->show(intro::Name);
    auto* again = p.window<intro>(intro::Name);
    QVERIFY(again && again->isShown());
    QCOMPARE(again->subWindow()->pos(), QPoint(0, 0));
}

void TestStartup::finishAnsweredNoChangesNothing() {
    TestProgram p;
    p.start();
    auto* chooser = p.window<intro>(intro::Name);
    p.scripted.dialogs.answer(IDNO);
    QTest::mouseClick(chooser->cmd_exit, Qt::LeftButton);
    const auto& box = p.scripted.dialogs.shown.last();
    QCOMPARE(box.text, QStringLiteral("Do you really want to finish with Zelta?"));
    QCOMPARE(box.title, QStringLiteral("Finish"));
    QCOMPARE(box.style, 36);
    QCOMPARE(p.scripted.ender.ended, 0);
    QVERIFY(chooser->isShown());
}

void TestStartup::finishAnsweredYesEndsEvenInsideARun() {
    TestProgram p;
    p.start();
    auto* chooser = p.window<intro>(intro::Name);
    // A loop that yields like a run, with FINISH clicked inside one of its yields.
    int yields = 0;
    p.rt->setYieldHook([&] {
        if (++yields == 3) {
            p.scripted.dialogs.answer(IDYES);
            QTest::mouseClick(chooser->cmd_exit, Qt::LeftButton);
        }
    });
    Form* sieve = p.rt->loadedForm(QStringLiteral("Sierpinski"));
    while (!sieve->isUnloaded() && yields < 1000)
        p.rt->yield();
    QCOMPARE(p.scripted.ender.ended, 1);
    QCOMPARE(yields, 3);
    QVERIFY(!p.rt->anyLoaded());
}

void TestStartup::closingFrameDuringWaitEndsProgram() {
    TestProgram p;
    QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
    p.scripted.clock.at(1.0, [&] { p.window<Zelta>(Zelta::Name)->close(); });
    p.start();
    QVERIFY(!p.rt->anyLoaded());
    QCOMPARE(over.count(), 1);
    QVERIFY(!p.rt->isLoaded(intro::Name));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
