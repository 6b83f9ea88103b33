// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Takes the README's pictures of the real windows: the program runs on scripted dialogs,
// time and chance, so every picture comes out the same each time it is taken.
//   readme_shots OUTDIR
// Run it on a real display (tools/screenshots.sh starts a virtual one).
#include "logistic/diagram.h"
#include "logistic/logistic.h"
#include "runtime/runtime.h"
#include "shell/frmabout.h"
#include "shell/frmsplash.h"
#include "shell/intro.h"
#include "shell/module1.h"
#include "shell/zelta.h"
#include "sieve/sierpinski.h"
#include "tests/support/program.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QTest>
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

// Starts a run with `start` and saves the frame at its `steps`-th yield; the run is
// finished, confirmed, at the next one.
void runAndSave(TestProgram& p, const QString& window, const char* start, int steps,
                const char* name) {
    p.run(
        window, QString::fromLatin1(start),
        [&](int n) {
            if (n == steps) save(p.window(Zelta::Name), name);
            if (n == steps + 1) p.confirm(window, QStringLiteral("cmd_finish"));
        },
        steps + 1);
}

void sieveRun(TestProgram& p, const char* vertices, const char* ratio, int points,
              const char* name) {
    const QString w = Sierpinski::Name;
    p.enter(w, QStringLiteral("cmd_vert"), {QString::fromLatin1(vertices)});
    p.enter(w, QStringLiteral("cmd_ratio"), {QString::fromLatin1(ratio)});
    runAndSave(p, w, "cmd_iter", points, name);
}

void logisticRun(TestProgram& p, const char* k, int steps, const char* name) {
    const QString w = logistic::Name;
    p.enter(w, QStringLiteral("cmd_k"), {QString::fromLatin1(k)});
    p.click(w, QStringLiteral("cmd_draw"));
    runAndSave(p, w, "cmd_start", steps, name);
}

// The diagram beside a run at k = 3.5: the frame widened as a user would widen it, the
// logistic window restored to its size and the diagram at its right, complete.
void diagramBesideRun(TestProgram& p) {
    const QString w = logistic::Name;
    p.enter(w, QStringLiteral("cmd_k"), {QStringLiteral("3.5")});
    p.click(w, QStringLiteral("cmd_tidy"));
    p.area(w, QStringLiteral("pb_graph"))
        ->findChild<QAction*>(QStringLiteral("pic_diagram"))
        ->trigger();
    Form* cobweb = p.window(w);
    Form* diagram = p.window(Diagram::Name);
    p.window(Zelta::Name)->setWidthTw(cobweb->widthTw() + diagram->widthTw() + 300);
    cobweb->setState(Form::Normal);
    diagram->setLeftTw(cobweb->widthTw());
    // The right edge is k = 4, where the orbit fills the whole column.
    PictureBox* area = p.area(Diagram::Name, QStringLiteral("pb_diagram"));
    // Taken as it stands if the columns are late: the picture shows how far they came.
    (void)QTest::qWaitFor([&] {
        const QImage& image = area->image();
        return image.pixel(image.width() - 1, image.height() / 2) != qRgb(255, 255, 255);
    });
    runAndSave(p, w, "cmd_start", 40, "diagram");
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

    TestProgram p;
    // The splash lives only during the start-up wait.
    p.scripted.clock.at(1.0, [&] { save(p.window(frmSplash::Name), "splash"); });
    p.start();
    save(p.window(Zelta::Name), "chooser");

    p.click(intro::Name, QStringLiteral("cmd_sierp"));
    sieveRun(p, "3", "0.5", 12000, "sieve-3");
    sieveRun(p, "5", "0.382", 20000, "sieve-5");

    p.trigger(Sierpinski::Name, QStringLiteral("menu_log"));
    logisticRun(p, "3.2", 30, "logistic-k3.2");
    logisticRun(p, "3.9", 60, "logistic-k3.9");
    diagramBesideRun(p);

    p.trigger(logistic::Name, QStringLiteral("hlp_About"));
    save(p.window(frmAbout::Name), "about");
    return allWritten ? 0 : 1;
}
