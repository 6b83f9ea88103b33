// Windows by name: loading, showing, unloading, the frame's menus, and scroll bars.
#include "controls.h"
#include "form.h"
#include "mdiform.h"
#include "scripted.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QtTest>

using namespace zr;

namespace {
class Frame : public MdiForm {
public:
    explicit Frame(Runtime& rt) : MdiForm(rt, QStringLiteral("frame")) {}
};

// A child window that counts its loads and can run a loop the way a program run does.
class Child : public Form {
public:
    Child(Runtime& rt, const QString& name, int* loads) : Form(rt, name, Kind::Child), loads_(loads) {
        QMenu* window = addMenu(QStringLiteral("menu_window"), QStringLiteral("&Window"));
        addMenuItem(window, QStringLiteral("menu_item"), name);
        setWindowListMenu(window);
    }
    void runLoop() {
        run([this] {
            fin = false;
            while (!fin) rt().yield();
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

class Dialog : public Form {
public:
    explicit Dialog(Runtime& rt) : Form(rt, QStringLiteral("dialog"), Kind::TopLevel) {}
};
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadHandlerRunsOnceAndCloseBoxReloads();
    void unloadDuringRunWaitsForTheRunToReturn();
    void frameTakesChildrenAndProgramEndsWithLastWindow();
    void activeChildMenusShowInFrame();
    void scrollBarChangesOnlyOnNewValue();

private:
    std::unique_ptr<ScriptedServices> scripted;
    std::unique_ptr<Runtime> rt;
    int loadsA = 0, loadsB = 0;
};

void TestForms::init() {
    scripted = std::make_unique<ScriptedServices>();
    rt = std::make_unique<Runtime>(scripted->services());
    loadsA = loadsB = 0;
    rt->setFrameName(QStringLiteral("frame"));
    rt->registerForm(QStringLiteral("frame"), [](Runtime& r) { return new Frame(r); });
    rt->registerForm(QStringLiteral("a"), [this](Runtime& r) { return new Child(r, "a", &loadsA); });
    rt->registerForm(QStringLiteral("b"), [this](Runtime& r) { return new Child(r, "b", &loadsB); });
    rt->registerForm(QStringLiteral("dialog"), [](Runtime& r) { return new Dialog(r); });
}

void TestForms::cleanup() {
    rt.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestForms::loadHandlerRunsOnceAndCloseBoxReloads() {
    rt->show(QStringLiteral("a"));
    rt->hide(QStringLiteral("a"));
    rt->show(QStringLiteral("a"));
    QCOMPARE(loadsA, 1);
    QVERIFY(rt->isLoaded(QStringLiteral("frame")));
    Form* first = rt->loadedForm(QStringLiteral("a"));
    first->subWindow()->close();
    QVERIFY(!rt->isLoaded(QStringLiteral("a")));
    QVERIFY(!first->isShown());
    rt->show(QStringLiteral("a"));
    QCOMPARE(loadsA, 2);
    QVERIFY(rt->loadedForm(QStringLiteral("a"))->isShown());
    // Unloading what is not loaded does nothing.
    rt->unload(QStringLiteral("b"));
    QCOMPARE(loadsB, 0);
}

void TestForms::unloadDuringRunWaitsForTheRunToReturn() {
    auto* a = rt->form<Child>(QStringLiteral("a"));
    QPointer<QWidget> window = a->subWindow();
    int yields = 0;
    rt->setYieldHook([&] {
        if (++yields == 5) a->subWindow()->close();
    });
    a->runLoop();
    rt->setYieldHook({});
    // The loop ended as a finished run would, and the window lived until it returned.
    QCOMPARE(yields, 5);
    QVERIFY(a->ranAfterUnload);
    QVERIFY(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

void TestForms::frameTakesChildrenAndProgramEndsWithLastWindow() {
    QSignalSpy over(rt.get(), &Runtime::allUnloaded);
    auto* a = rt->form<Child>(QStringLiteral("a"));
    rt->show(QStringLiteral("b"));
    rt->show(QStringLiteral("dialog"));
    // The frame closes while a child's run is going, inside the run's yield.
    int yields = 0;
    rt->setYieldHook([&] {
        if (++yields == 2) rt->loadedForm(QStringLiteral("frame"))->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    });
    a->runLoop();
    rt->setYieldHook({});
    QVERIFY(a->ranAfterUnload);
    QVERIFY(!rt->isLoaded(QStringLiteral("frame")));
    QVERIFY(!rt->isLoaded(QStringLiteral("b")));
    // An open top-level window keeps the program alive until it is closed.
    QCOMPARE(over.count(), 0);
    rt->loadedForm(QStringLiteral("dialog"))->close();
    QCOMPARE(over.count(), 1);
}

void TestForms::activeChildMenusShowInFrame() {
    rt->show(QStringLiteral("a"));
    rt->show(QStringLiteral("b"));
    auto* frame = rt->form<MdiForm>(QStringLiteral("frame"));
    auto menuTitles = [&] {
        QStringList titles;
        for (QAction* action : frame->menuBar()->actions())
            if (action->menu()) titles << action->menu()->parent()->objectName();
        return titles;
    };
    QCOMPARE(menuTitles(), QStringList{QStringLiteral("b")});
    rt->hide(QStringLiteral("b"));
    QCOMPARE(menuTitles(), QStringList{QStringLiteral("a")});
    // The Window menu lists the shown child windows, the active one checked.
    rt->show(QStringLiteral("b"));
    auto* b = rt->loadedForm(QStringLiteral("b"));
    QMenu* window = b->menus().first();
    emit window->aboutToShow();
    emit window->aboutToShow();
    QStringList entries;
    for (QAction* action : window->actions())
        if (!action->isSeparator()) entries << action->text() + (action->isChecked() ? "*" : "");
    QCOMPARE(entries, (QStringList{"b", "&1 a", "&2 b*"}));
    window->actions().at(2)->trigger();
    QCOMPARE(frame->activeChild(), rt->loadedForm(QStringLiteral("a")));
}

void TestForms::scrollBarChangesOnlyOnNewValue() {
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
    QCOMPARE(bar.objectName(), QStringLiteral("hsb_x0"));
    QCOMPARE(bar.accessibleName(), QStringLiteral("Starting value x0"));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
