// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the sieve plots and what it costs: the real window on the real clock, with
// dialogs and chance scripted. Plots 100,000 points at pause interval 0, then pauses the
// run for three seconds and measures the processor time used meanwhile.
#include "shell/intro.h"
#include "logistic/logistic.h"
#include "shell/module1.h"
#include "runtime/qtservices.h"
#include "tests/support/scripted.h"
#include "sieve/sierpinski.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The real clock, except that the start-up's splash wait is skipped instead of sat out.
class BenchClock : public zr::QtClock {
  public:
    bool startingUp = true;
    double monotonic() override { return QtClock::monotonic() + skipped_; }
    void waitForEvents(double seconds) override {
        if (startingUp) {
            skipped_ += seconds;
            seconds = 0;
        }
        QtClock::waitForEvents(seconds);
    }

  private:
    double skipped_ = 0;
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double peakRssMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0; // kilobytes on Linux
}

double currentRssMiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0) : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    zr::ScriptedServices scripted; // dialogs, a fixed random sequence, the printer
    BenchClock clock;
    zr::Services services = scripted.services();
    services.clock = &clock;
    zr::Runtime rt(services);
    Module1::registerShellWindows(rt);
    logistic::registerWindow(rt);
    Sierpinski::registerWindow(rt);
    Module1::Main(rt);
    clock.startingUp = false;

    const auto control = [&rt](const QString& window, const char* name) {
        return rt.loadedForm(window)->findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    control(intro::Name, "cmd_sierp")->click();
    zr::Form* sieve = rt.loadedForm(Sierpinski::Name);
    if (!sieve || !sieve->isShown()) {
        std::fprintf(stderr, "the sieve window did not open\n");
        return 2;
    }

    constexpr double Points = 100000;
    double runStart = 0, runSeconds = 0, rssAt10k = 0, rssAt100k = 0;
    double pauseStart = -1, pauseCpuStart = 0, pauseCpu = 0, pauseSeconds = 0;
    int points = 0; // one point a step, one yield a step
    rt.setYieldHook([&] {
        ++points;
        if (pauseStart < 0) {
            if (points == 10000) rssAt10k = currentRssMiB();
            if (points < Points) return;
            runSeconds = clock.monotonic() - runStart;
            rssAt100k = currentRssMiB();
            control(Sierpinski::Name, "cmd_pause")->click();
            pauseStart = clock.monotonic();
            pauseCpuStart = cpuSeconds();
            return;
        }
        const double paused = clock.monotonic() - pauseStart;
        if (paused < 3.0 || pauseSeconds > 0) return;
        pauseSeconds = paused;
        pauseCpu = cpuSeconds() - pauseCpuStart;
        scripted.dialogs.answer(zr::IDYES);
        control(Sierpinski::Name, "cmd_finish")->click();
    });
    runStart = clock.monotonic();
    control(Sierpinski::Name, "cmd_iter")->click();
    rt.setYieldHook({});

    const double rate = Points / runSeconds;
    const double pausedPercent = 100.0 * pauseCpu / pauseSeconds;
    const bool fast = rate >= 10000;
    const bool flat = rssAt100k - rssAt10k < 2.0;
    const bool idle = pausedPercent < 2.0;
    std::printf("platform:              %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("points plotted:        %.0f in %.2f s\n", Points, runSeconds);
    std::printf("points per second:     %.0f  (target >= 10000: %s)\n", rate,
                fast ? "met" : "MISSED");
    std::printf("resident memory:       %.1f MiB at 10,000 points, %.1f MiB at 100,000"
                "  (flat: %s)\n",
                rssAt10k, rssAt100k, flat ? "yes" : "NO");
    std::printf("peak resident memory:  %.1f MiB\n", peakRssMiB());
    std::printf("processor while paused: %.3f s over %.2f s = %.2f %% of one core"
                "  (target < 2 %%: %s)\n",
                pauseCpu, pauseSeconds, pausedPercent, idle ? "met" : "MISSED");
    return fast && flat && idle ? 0 : 1;
}
