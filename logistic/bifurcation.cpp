// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/bifurcation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bifurcation {

namespace {

constexpr double Start = 0.5;
// Near enough to 0.5 to stand for it, far enough that its image stays below 1 in double
// precision even at k = 4.
constexpr double Restart = Start + 1e-6;

// [lo, hi] split into equal cells, hi belonging to the last one. An empty or endless range
// holds nothing: no value lies below a bound that is not a number.
class Cells {
  public:
    Cells(double lo, double hi, int cells) : lo_(lo), hi_(hi), cells_(cells) {
        const double span = hi - lo;
        if (!(span > 0 && span < std::numeric_limits<double>::infinity()))
            hi_ = std::numeric_limits<double>::quiet_NaN();
        perUnit_ = cells / span;
    }
    // Counts v in the cell it falls in; nothing outside (nor NaN).
    void count(double v, quint32* counts) const {
        if (v >= lo_ && v <= hi_)
            ++counts[std::min(cells_ - 1, static_cast<int>((v - lo_) * perUnit_))];
    }

  private:
    double lo_;
    double hi_;
    int cells_;
    double perUnit_;
};

// Rows count downwards from xMax: mirrored, the range runs from -xMax to -xMin.
Cells rowCells(const View& view, int rows) {
    return Cells(-view.xMax, -view.xMin, rows);
}

// The orbit of 0.5 under x -> kx(1 - x).
class Orbit {
  public:
    explicit Orbit(double k) : k_(k) {}
    double x() const { return x_; }
    void step() {
        x_ = k_ * x_ * (1 - x_);
        // Only k = 4 reaches 1, and only by an exact hit (0.5 goes to 1, 1 to 0), not by
        // settling: the orbit would then stay at 0, a fixed point that repels, showing a
        // chaotic column as one dot. It starts again beside 0.5 and wanders as the orbits of
        // the columns around it do. An orbit that dies out (k < 1) reaches 0 and stays.
        if (x_ == 1) x_ = Restart;
    }

  private:
    double k_;
    double x_ = Start;
};

} // namespace

double columnK(const View& view, int column, int columns) {
    return view.kMin + (column + 0.5) * (view.kMax - view.kMin) / columns;
}

Column computeColumn(const View& view, int column, int columns, int rows,
                     const Sampling& sampling) {
    Column out;
    out.k = columnK(view, column, columns);
    out.counts.fill(0, rows);
    // Raw access: the vector's own operator[] checks for sharing at every count.
    quint32* const counts = out.counts.data();
    const Cells cells = rowCells(view, rows);
    Orbit orbit(out.k);
    // The mean of the logarithms is the logarithm of the product, taken once at the end: the
    // product is kept as a mantissa and a power of two, so it neither overflows nor underflows.
    double mantissa = 1;
    double powerOfTwo = 0;
    for (int i = 0; i < sampling.transient + sampling.plotted; ++i) {
        orbit.step();
        if (i < sampling.transient) continue;
        cells.count(-orbit.x(), counts);
        int exponent = 0;
        mantissa = std::frexp(mantissa * std::abs(out.k * (1 - 2 * orbit.x())), &exponent);
        powerOfTwo += exponent;
    }
    out.lyapunov = (std::log(mantissa) + powerOfTwo * std::log(2.0)) / sampling.plotted;
    return out;
}

} // namespace bifurcation
