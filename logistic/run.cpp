// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The iteration run: one long handler that steps the mapping, draws the cobweb and lists
// the values, yielding to the window's events after every step.
#include "logistic/logistic.h"
#include "logistic/logisticmap.h"

#include "runtime/numbers.h"

#include <array>

using namespace zr;

namespace {
constexpr double NumberColumn = 15;
constexpr Colour Palette[] = {Green, Blue, Magenta, Cyan};
} // namespace

void logistic::listLine(const Value& value, qint64 number) {
    // A value too wide for its column loses digits rather than run into its step number.
    pb_values->print(pb_values->fitting(value, NumberColumn), false);
    pb_values->setCurrentX(NumberColumn);
    pb_values->print(generalForm(static_cast<double>(number), Precision::Integer));
}

void logistic::cmd_start_Click() {
    Value x = Value::single(x0);
    fin = Value::boolean(false);
    // Step numbers keep counting past what a 16-bit integer holds.
    qint64 n = 0;
    logisticmap::Listing listing;
    colour = Value::integer(3);
    const quint64 thisRun = ++runsStarted_;

    // Start stays off from a run's start until Finish, which clears the values screen, so
    // every listing begins at the top by itself.
    setRunControlsEnabled(false);

    // NaN fails both comparisons, so a value that is no number ends the run too.
    while (x.toDouble() >= 0 && x.toDouble() <= 1 && !fin.toBool() && thisRun == runsStarted_) {
        if (!listing.add(x, n)) {
            listLine(x, n);
        } else {
            pb_values->beginRewrite();
            pb_values->cls();
            for (int i = 0; i < listing.count(); ++i)
                listLine(listing.line(i).x, listing.line(i).n);
            pb_values->endRewrite();
        }
        emit stepTaken(x.toDouble(), n);

        colour = Value::integer((static_cast<int>(colour.toDouble()) + 1) % 4);
        pb_graph->setForeColor(Palette[static_cast<std::size_t>(colour.toDouble())]);
        const Value y = logisticmap::step(k, x);
        const std::array<QLineF, 3> lines = logisticmap::cobweb(x.toDouble(), y.toDouble());
        for (const QLineF& line : lines)
            pb_graph->line(line.x1(), line.y1(), line.x2(), line.y2());
        x = y;
        ++n;

        interval_delay(wait);
        yieldStep();
    }
}

void logistic::interval_delay(int ms) {
    // No events are handled during the wait: clicks queue up until the run yields.
    holdStep(ms);
}
