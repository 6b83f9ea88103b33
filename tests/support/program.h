// The whole program on scripted services: dialogs answered, time and chance chosen by
// the test. Start-up runs in no real time, since the scripted clock moves only when the
// program waits. Windows are reached as a user reaches them: controls by name, clicked.
#pragma once

#include "runtime/form.h"
#include "runtime/picturebox.h"
#include "runtime/runtime.h"
#include "tests/support/scripted.h"

#include <QAbstractButton>
#include <QAction>
#include <functional>
#include <memory>

// Names of the top-level windows still in existence; every window test's cleanup() checks
// that none is left once its program is gone.
QStringList leftoverWindows();

struct TestProgram {
    zr::ScriptedServices scripted;
    std::unique_ptr<zr::Runtime> rt;

    TestProgram();
    ~TestProgram();
    // Runs the start-up sequence to its end: splash, wait, chooser, hidden programs.
    void start();

    zr::Form* window(const QString& name) const { return rt->loadedForm(name); }
    template <class T = QAbstractButton> T* control(const QString& window, const QString& name) const {
        zr::Form* w = rt->loadedForm(window);
        return w ? w->findChild<T*>(name) : nullptr;
    }
    zr::PictureBox* area(const QString& window, const QString& name) const {
        return control<zr::PictureBox>(window, name);
    }
    QString text(const QString& window, const QString& name) const;
    void click(const QString& window, const QString& button) { control(window, button)->click(); }
    void trigger(const QString& window, const QString& item) {
        control<QAction>(window, item)->trigger();
    }
    // Answers the next message box with `answer`, then clicks.
    void confirm(const QString& window, const QString& button, int answer = zr::IDYES);
    // Types the texts into the input boxes that come, in order, then clicks; "<cancel>"
    // cancels a box.
    void enter(const QString& window, const QString& button, const QStringList& typed);
    // Clicks `button` to start a run and calls `step(n)` at the run's n-th yield, as a user
    // acting then would. A run still going after `limit` yields is ended by unloading its
    // window and fails the test. Returns the number of yields.
    int run(const QString& window, const QString& button, const std::function<void(int)>& step,
            int limit = 20000);
};
