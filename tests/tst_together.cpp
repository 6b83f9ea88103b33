// Both programs at once: a run of one window started inside the other's yield nests in
// it, and closing everything while both run ends them both.
#include "shell/intro.h"
#include "tests/support/program.h"
#include "shell/zelta.h"

#include <QPointer>
#include <QtTest>

using namespace zr;

class TestTogether : public QObject {
    Q_OBJECT
  private slots:
    void logisticRunNestsInSieveRun() {
        TestProgram p;
        p.start();
        p.window<intro>(intro::Name)->cmd_sierp->click();
        auto* sieve = p.window<Sierpinski>(Sierpinski::Name);
        auto* cobweb = p.window<logistic>(logistic::Name);
        cobweb->hsb_speed->setValue(0);

        int yields = 0, sieveStepsWhileNested = 0, logisticYields = 0;
        bool nestedReturned = false;
        QString counterAtSwitch;
        p.rt->setYieldHook([&] {
            ++yields;
            if (yields == 5) {
                counterAtSwitch = sieve->lbl_iters->text();
                sieve->menu_log->trigger();
                QVERIFY(cobweb->isShown() && !sieve->isShown());
                cobweb->cmd_start->click(); // runs here, inside the sieve run's yield
                nestedReturned = true;
            } else if (!nestedReturned && yields > 5) {
                ++logisticYields;
                if (sieve->lbl_iters->text() != counterAtSwitch) ++sieveStepsWhileNested;
                if (yields == 25) {
                    p.scripted.dialogs.answer(IDYES);
                    cobweb->cmd_finish->click();
                }
            } else if (yields == 40) {
                // Back in the sieve run, which went on plotting in its hidden window.
                QVERIFY(sieve->lbl_iters->text().trimmed().toInt() >
                        counterAtSwitch.trimmed().toInt());
                p.scripted.dialogs.answer(IDYES);
                sieve->cmd_finish->click();
            }
            if (yields > 1000) sieve->fin = Value::boolean(true);
        });
        sieve->cmd_iter->click();
        p.rt->setYieldHook({});
        QVERIFY(nestedReturned && yields == 40);
        QCOMPARE(logisticYields, 20);
        QCOMPARE(sieveStepsWhileNested, 0);
        QCOMPARE(sieve->lbl_iters->text(), QStringLiteral("0"));
    }

    void closingFrameEndsBothRuns() {
        TestProgram p;
        p.start();
        p.window<intro>(intro::Name)->cmd_logistic->click();
        QPointer<logistic> cobweb = p.window<logistic>(logistic::Name);
        QPointer<Sierpinski> sieve = p.window<Sierpinski>(Sierpinski::Name);
        cobweb->hsb_speed->setValue(0);
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        int yields = 0;
        p.rt->setYieldHook([&] {
            ++yields;
            if (yields == 3) {
                cobweb->menu_sierp->trigger();
                sieve->cmd_iter->click(); // nested sieve run
            } else if (yields == 10) {
                p.window<Zelta>(Zelta::Name)->close();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (yields > 1000) QFAIL("a run went on after its window was unloaded");
        });
        cobweb->cmd_start->click();
        p.rt->setYieldHook({});
        QVERIFY(yields < 20);
        QCOMPARE(over.count(), 1);
        QVERIFY(!p.rt->anyLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!cobweb && !sieve);
    }
};

QTEST_MAIN(TestTogether)
#include "tst_together.moc"
