// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the bifurcation diagram's full default view takes through its worker, as a window
// receives it: wall time from start to the first chunk and to the last column, at the
// window's width on a normal screen and on a screen of twice the pixel density.
#include "logistic/diagramcomputer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Timing {
    double firstChunk = 0; // milliseconds
    double lastColumn = 0;
};

Timing timeView(int columns, int rows) {
    DiagramComputer computer;
    QEventLoop loop;
    QElapsedTimer clock;
    Timing timing;
    int received = 0;
    QObject::connect(&computer, &DiagramComputer::columnsReady,
                     [&](int, int, const QVector<bifurcation::Column>& chunk) {
                         if (received == 0) timing.firstChunk = clock.nsecsElapsed() / 1e6;
                         received += chunk.size();
                     });
    QObject::connect(&computer, &DiagramComputer::finished, [&](int) {
        timing.lastColumn = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    clock.start();
    computer.start(bifurcation::View(), columns, rows);
    loop.exec();
    if (received != columns) std::printf("only %d of %d columns arrived\n", received, columns);
    return timing;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    constexpr int Runs = 7;
    const bifurcation::Sampling sampling;
    std::printf("default view: k %.1f..%.1f, x %.0f..%.0f; orbit from 0.5, %d steps skipped, "
                "%d counted\n",
                bifurcation::View().kMin, bifurcation::View().kMax, bifurcation::View().xMin,
                bifurcation::View().xMax, sampling.transient, sampling.plotted);
    for (const auto& [columns, rows] : {std::pair{600, 400}, std::pair{1200, 800}}) {
        std::vector<Timing> runs;
        for (int i = 0; i < Runs; ++i)
            runs.push_back(timeView(columns, rows));
        std::sort(runs.begin(), runs.end(),
                  [](const Timing& a, const Timing& b) { return a.lastColumn < b.lastColumn; });
        const Timing& median = runs[Runs / 2];
        // On a machine shared with other work the spread is wide: the median is the figure,
        // the slowest run what a busy moment costs.
        std::printf("%4d x %3d px: last column after %6.1f ms (median of %d; fastest %.1f, "
                    "slowest %.1f), first chunk after %.1f ms\n",
                    columns, rows, median.lastColumn, Runs, runs.front().lastColumn,
                    runs.back().lastColumn, median.firstChunk);
    }
    return 0;
}
