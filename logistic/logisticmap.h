// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logistic mapping x -> k·x·(1 - x) without a window: one step with its number kinds,
// what the graph screen draws for a step and for the parabola, and which values the values
// screen lists.
#pragma once

#include "runtime/value.h"

#include <QLineF>
#include <QPointF>
#include <QVector>
#include <array>

namespace logisticmap {

// y = (k·x)·(1 - x), the 1 an integer: with the integer k = 3 and a single x the step is
// single precision; once k is a double, double precision.
zr::Value step(const zr::Value& k, const zr::Value& x);

// A coordinate as the drawing takes it: in single precision. Numbers beyond what a single
// holds (a huge k) are brought within a range far outside the screen instead, so that
// their lines are drawn clipped at the edge rather than lost.
float coordinate(double v);

// The three lines of the step from x to y = f(x): up from the x-axis to the parabola,
// across to the diagonal, down to the x-axis.
std::array<QLineF, 3> cobweb(double x, double y);

// The parabola's polyline for k: x = 0, 0.01, ... summed in double while x <= 1, so it has
// 100 points and stops at 0.99 (the sum after 0.99 is just above 1).
QVector<QPointF> parabola(double k);

// The values screen's listing: the last thirty values with their step numbers, oldest first.
class Listing {
  public:
    static constexpr int Lines = 30;
    struct Line {
        zr::Value x;
        qint64 n = 0;
    };
    // Takes step n's value. Steps 0 to 29 fill the lines one by one (false: only the new
    // line needs writing); from step 30 on every line moves up one place and the screen is
    // written afresh (true).
    bool add(const zr::Value& x, qint64 n);
    int count() const { return count_; }
    const Line& line(int i) const { return lines_[static_cast<std::size_t>(i)]; }

  private:
    std::array<Line, Lines> lines_;
    int count_ = 0;
};

} // namespace logisticmap
