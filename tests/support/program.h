// The whole program on scripted services: dialogs answered, time and chance chosen by
// the test. Start-up runs in no real time, since the scripted clock moves only when the
// program waits.
#pragma once

#include "logistic/logistic.h"
#include "shell/module1.h"
#include "runtime/runtime.h"
#include "tests/support/scripted.h"
#include "sieve/sierpinski.h"

#include <QCoreApplication>
#include <QEvent>
#include <memory>

struct TestProgram {
    zr::ScriptedServices scripted;
    std::unique_ptr<zr::Runtime> rt;

    TestProgram() {
        rt = std::make_unique<zr::Runtime>(scripted.services());
        Module1::registerShellWindows(*rt);
        logistic::registerWindow(*rt);
        Sierpinski::registerWindow(*rt);
    }
    ~TestProgram() {
        rt.reset();
        // Windows unloaded during the test are deleted once their handlers are done.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Runs the start-up sequence to its end: splash, wait, chooser, hidden programs.
    void start() { Module1::Main(*rt); }
    template <class T> T* window(const QString& name) { return rt->loadedForm<T>(name); }
};
