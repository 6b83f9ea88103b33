// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How the logistic run performs on the real window: steps a second at no pause with the
// whole listing rewritten every step, peak memory after few and after many steps, and the
// processor time a paused run takes. Runs headless; the dialogs are scripted.
#include "shell/intro.h"
#include "logistic/logistic.h"
#include "shell/module1.h"
#include "runtime/qtservices.h"
#include "tests/support/scripted.h"
#include "sieve/sierpinski.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScrollBar>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Start-up runs on scripted time, so that its four-second wait costs nothing; the run
// itself and the pause are measured on the real clock.
class SwitchingClock : public zr::Clock {
  public:
    explicit SwitchingClock(zr::Clock* first) : use(first) {}
    zr::Clock* use;
    double monotonic() override { return use->monotonic(); }
    float timer() override { return use->timer(); }
    void sleep(double seconds) override { use->sleep(seconds); }
    void waitForEvents(double seconds) override { use->waitForEvents(seconds); }
};

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Steps = 20000;
    constexpr double PausedFor = 3.0;

    zr::ScriptedServices scripted;
    zr::QtClock real;
    SwitchingClock clock(&scripted.clock);
    zr::Services services = scripted.services();
    services.clock = &clock;
    zr::Runtime rt(services);
    Module1::registerShellWindows(rt);
    logistic::registerWindow(rt);
    Sierpinski::registerWindow(rt);
    Module1::Main(rt);
    clock.use = &real;

    const auto control = [&rt](const QString& window, const char* name) {
        return rt.loadedForm(window)->findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    control(intro::Name, "cmd_logistic")->click();
    zr::Form* w = rt.loadedForm(logistic::Name);
    scripted.dialogs.type(QStringLiteral("3.9"));
    control(logistic::Name, "cmd_k")->click();
    control(logistic::Name, "cmd_draw")->click();
    w->findChild<QScrollBar*>(QStringLiteral("hsb_speed"))->setValue(0);

    int yields = 0;
    long earlyKiB = 0;
    double started = 0, startedCpu = 0, stepsTime = 0, stepsCpu = 0, pausedAt = -1, pausedCpu = 0,
           pausedCpuUsed = 0;
    rt.setYieldHook([&] {
        ++yields;
        if (yields == 1000) earlyKiB = peakResidentKiB();
        if (yields == Steps) {
            stepsTime = real.monotonic() - started;
            stepsCpu = processorSeconds() - startedCpu;
            control(logistic::Name, "cmd_pause")->click();
        } else if (yields > Steps) {
            if (pausedAt < 0) {
                pausedAt = real.monotonic();
                pausedCpu = processorSeconds();
            } else if (real.monotonic() - pausedAt >= PausedFor) {
                pausedCpuUsed = processorSeconds() - pausedCpu;
                scripted.dialogs.answer(zr::IDYES);
                control(logistic::Name, "cmd_finish")->click();
            }
        }
    });
    started = real.monotonic();
    startedCpu = processorSeconds();
    control(logistic::Name, "cmd_start")->click();
    const double pausedTime = real.monotonic() - pausedAt;

    std::printf("steps:                   %d with k = 3.9, pause interval 0\n", Steps);
    // On a busy machine the run gets only part of a core: the processor time tells what it
    // would reach on a core of its own.
    std::printf("steps a second:          %.0f (%.0f per second of processor time)\n",
                Steps / stepsTime, Steps / stepsCpu);
    std::printf("peak resident memory:    %ld KiB after 1000 steps, %ld KiB after %d\n", earlyKiB,
                peakResidentKiB(), Steps);
    std::printf("processor while paused:  %.3f s over %.1f s (%.2f %% of one core)\n",
                pausedCpuUsed, pausedTime, 100.0 * pausedCpuUsed / pausedTime);
    return 0;
}
