// Takes the README's pictures of the real windows: the program runs on scripted dialogs,
// time and chance, so every picture comes out the same each time it is taken.
//   readme_shots OUTDIR
// Run it on a real display (tools/screenshots.sh starts a virtual one).
#include "logistic/logistic.h"
#include "runtime/runtime.h"
#include "shell/frmabout.h"
#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/module1.h"
#include "shell/zelta.h"
#include "sieve/sierpinski.h"
#include "tests/support/scripted.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace zr;

namespace {

QString outDir;
bool allWritten = true;

// The 256 colours the picture uses most, the flat faces of the windows among them.
QVector<QRgb> commonColours(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QVector<QPair<int, QRgb>> ranked;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        ranked.append({-it.value(), it.key()});
    std::sort(ranked.begin(), ranked.end());
    QVector<QRgb> table;
    for (int i = 0; i < ranked.size() && i < 256; ++i)
        table.append(ranked[i].second);
    return table;
}

// Keeps the pictures small: a palette of the 256 commonest colours, no dithering (the
// windows use few colours, and dithering would speckle the flat areas), strongest
// compression.
void save(QWidget* window, const char* name) {
    QApplication::processEvents();
    const QImage full = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shot = full.convertToFormat(QImage::Format_Indexed8, commonColours(full),
                                             Qt::ThresholdDither | Qt::AvoidDither);
    const QString path = outDir + QLatin1Char('/') + QLatin1String(name) + ".png";
    if (!shot.save(path, "PNG", 0)) {
        std::fprintf(stderr, "readme_shots: could not write %s\n", qPrintable(path));
        allWritten = false;
    }
}

struct Program {
    ScriptedServices scripted;
    Runtime rt{scripted.services()};
    Program() {
        Module1::registerShellWindows(rt);
        logistic::registerWindow(rt);
        Sierpinski::registerWindow(rt);
    }
    QWidget* frame() { return rt.loadedForm(Zelta::Name)->window(); }
    // Clicks `button` to start a run and calls `at(n)` at the run's n-th yield; the run is
    // finished, confirmed, at the yield after `steps`.
    void run(QAbstractButton* start, QAbstractButton* finish, int steps,
             const std::function<void(int)>& at) {
        int count = 0;
        rt.setYieldHook([&] {
            if (++count == steps + 1) {
                scripted.dialogs.answer(IDYES);
                finish->click();
            } else if (count <= steps) {
                at(count);
            }
        });
        start->click();
        rt.setYieldHook({});
    }
};

void sieveRun(Program& p, Sierpinski* w, const char* vertices, const char* ratio, int points,
              const char* name) {
    p.scripted.dialogs.type(QString::fromLatin1(vertices));
    w->cmd_vert->click();
    p.scripted.dialogs.type(QString::fromLatin1(ratio));
    w->cmd_ratio->click();
    p.run(w->cmd_iter, w->cmd_finish, points, [&](int n) {
        if (n == points) save(p.frame(), name);
    });
}

void logisticRun(Program& p, logistic* w, const char* k, int steps, const char* name) {
    p.scripted.dialogs.type(QString::fromLatin1(k));
    w->cmd_k->click();
    w->cmd_draw->click();
    p.run(w->cmd_start, w->cmd_finish, steps, [&](int n) {
        if (n == steps) save(p.frame(), name);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_shots OUTDIR\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);

    Program p;
    // The splash lives only during the start-up wait.
    p.scripted.clock.at(1.0, [&] { save(p.rt.loadedForm(frmSplash::Name)->window(), "splash"); });
    Module1::Main(p.rt);
    auto* chooser = p.rt.loadedForm<intro>(intro::Name);
    save(p.frame(), "chooser");

    chooser->cmd_sierp->click();
    auto* sieve = p.rt.loadedForm<Sierpinski>(Sierpinski::Name);
    sieveRun(p, sieve, "3", "0.5", 12000, "sieve-3");
    sieveRun(p, sieve, "5", "0.382", 20000, "sieve-5");

    sieve->menu_log->trigger();
    auto* logi = p.rt.loadedForm<logistic>(logistic::Name);
    logisticRun(p, logi, "3.2", 30, "logistic-k3.2");
    logisticRun(p, logi, "3.9", 60, "logistic-k3.9");

    logi->hlp_About->trigger();
    save(p.rt.loadedForm(frmAbout::Name), "about");
    return allWritten ? 0 : 1;
}
