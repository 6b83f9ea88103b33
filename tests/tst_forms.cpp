// Windows by name: loading, showing, unloading, the frame's menus, and scroll bars.
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/mdiform.h"
#include "tests/support/scripted.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QtTest>

using namespace zr;

namespace {
class Frame : public MdiForm {
  public:
    explicit Frame(Runtime& rt) : MdiForm(rt, "frame") {}
};

// A child window that counts its loads and can run a loop the way a program run does.
class Child : public Form {
  public:
    Child(Runtime& rt, const QString& name, int* loads)
        : Form(rt, name, Kind::Child), loads_(loads) {
        QMenu* window = addMenu(QStringLiteral("menu_window"), QStringLiteral("&Window"));
        addMenuItem(window, QStringLiteral("menu_item"), name);
        setWindowListMenu(window);
    }
    void runLoop() {
        run([this] {
            fin = false;
            while (!fin)
                rt().yield();
            ranAfterUnload = isUnloaded();
        });
    }
    bool fin = true;
    bool ranAfterUnload = false;

  protected:
    void Form_Load() override {
        ++*loads_;
        setCaption(objectName());
    }
    void stopRuns() override { fin = true; }

  private:
    int* loads_;
};

} // namespace

class TestForms : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedServices> scripted;
    std::unique_ptr<Runtime> rt;
    int loadsA = 0, loadsB = 0;

  private slots:
    void init() {
        scripted = std::make_unique<ScriptedServices>();
        rt = std::make_unique<Runtime>(scripted->services());
        loadsA = loadsB = 0;
        rt->setFrameName("frame");
        rt->registerForm("frame", [](Runtime& r) { return new Frame(r); });
        rt->registerForm("a", [this](Runtime& r) { return new Child(r, "a", &loadsA); });
        rt->registerForm("b", [this](Runtime& r) { return new Child(r, "b", &loadsB); });
    }

    void cleanup() {
        rt.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void loadHandlerRunsOnceAndCloseBoxReloads() {
        rt->show("a");
        rt->hide("a");
        rt->show("a");
        QVERIFY(loadsA == 1 && rt->isLoaded("frame"));
        Form* first = rt->loadedForm("a");
        first->subWindow()->close();
        QVERIFY(!rt->isLoaded("a") && !first->isShown());
        rt->show("a");
        QCOMPARE(loadsA, 2);
        QVERIFY(rt->loadedForm("a")->isShown());
        // Unloading what is not loaded does nothing.
        rt->unload("b");
        QCOMPARE(loadsB, 0);
    }

    void unloadDuringRunWaitsForTheRunToReturn() {
        auto* a = rt->form<Child>("a");
        QPointer<QWidget> window = a->subWindow();
        int yields = 0;
        rt->setYieldHook([&] {
            if (++yields == 5) a->subWindow()->close();
        });
        a->runLoop();
        rt->setYieldHook({});
        // The loop ended as a finished run would, and the window lived until it returned.
        QVERIFY(yields == 5 && a->ranAfterUnload && window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
    }

    void frameTakesChildrenAndProgramEndsWithLastWindow() {
        QSignalSpy over(rt.get(), &Runtime::allUnloaded);
        auto* a = rt->form<Child>("a");
        rt->show("b");
        // The frame closes while a child's run is going, inside the run's yield.
        int yields = 0;
        rt->setYieldHook([&] {
            if (++yields == 2) rt->loadedForm("frame")->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        a->runLoop();
        rt->setYieldHook({});
        QVERIFY(a->ranAfterUnload && !rt->isLoaded("frame") && !rt->isLoaded("b"));
        // That was the last window (an open About box keeping it alive is in tst_about).
        QCOMPARE(over.count(), 1);
    }

    void activeChildMenusShowInFrame() {
        rt->show("a");
        rt->show("b");
        auto* frame = rt->form<MdiForm>("frame");
        auto menuTitles = [&] {
            QStringList titles;
            for (QAction* action : frame->menuBar()->actions())
                if (action->menu()) titles << action->menu()->parent()->objectName();
            return titles;
        };
        QCOMPARE(menuTitles(), QStringList{"b"});
        rt->hide("b");
        QCOMPARE(menuTitles(), QStringList{"a"});
        // The Window menu lists the shown child windows, the active one checked.
        rt->show("b");
        auto* b = rt->loadedForm("b");
        QMenu* window = b->menus().first();
        emit window->aboutToShow();
        emit window->aboutToShow();
        QStringList entries;
        for (QAction* action : window->actions())
            if (!action->isSeparator())
                entries << action->text() + (action->isChecked() ? "*" : "");
        QCOMPARE(entries, (QStringList{"b", "&1 a", "&2 b*"}));
        window->actions().at(2)->trigger();
        QCOMPARE(frame->activeChild(), rt->loadedForm("a"));
    }

    void scrollBarChangesOnlyOnNewValue() {
        QWidget parent;
        HScrollBar bar(&parent, QStringLiteral("hsb_x0"), QStringLiteral("Starting value x0"), 0, 0,
                       6495, 255);
        bar.setRange(0, 10000, 1, 1000);
        QSignalSpy changes(&bar, &QScrollBar::valueChanged);
        bar.setValue(5000);
        bar.setValue(5000);
        QCOMPARE(changes.count(), 1);
        bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(changes.count(), 3);
        QCOMPARE(bar.value(), 5999);
        bar.setValue(20000);
        QCOMPARE(bar.value(), 10000);
    }
};

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
