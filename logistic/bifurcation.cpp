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
// holds nothing.
class Cells {
  public:
    Cells(double lo, double hi, int cells) : lo_(lo), hi_(hi), cells_(cells) {
        const double span = hi - lo;
        if (!(span > 0 && span < std::numeric_limits<double>::infinity())) hi_ = lo_ - 1;
        perUnit_ = cells / span;
    }
    // The cell v falls in, or -1 outside (and for NaN).
    int of(double v) const {
        if (!(v >= lo_ && v <= hi_)) return -1;
        return std::min(cells_ - 1, static_cast<int>((v - lo_) * perUnit_));
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
    // One step. False once the orbit has left [0, 1]: from there it runs off to infinity.
    bool step() {
        x_ = k_ * x_ * (1 - x_);
        // 0 is a fixed point that repels for every k > 1, so an orbit that lands on it got
        // there by an exact hit (k = 4 takes 0.5 to 1 and 1 to 0), not by settling, and
        // would stay, showing a chaotic column as one dot at 0. It starts again beside 0.5
        // and wanders as the orbits of the columns around it do.
        if (x_ == 0 && k_ > 1) x_ = Restart;
        return x_ >= 0 && x_ <= 1;
    }

  private:
    double k_;
    double x_ = Start;
};

// For k in [0, 4] the orbit never leaves [0, 1]; for any other k its first step does, before
// anything is counted.
Column runOff(Column column) {
    column.lyapunov = std::numeric_limits<double>::quiet_NaN();
    return column;
}

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
    // product is kept as a mantissa and a power of two, moved between them before either
    // overflows or underflows (each factor is at most k <= 4).
    double product = 1;
    double powerOfTwo = 0;
    for (int i = 0; i < sampling.transient + sampling.plotted; ++i) {
        if (!orbit.step()) return runOff(out);
        if (i < sampling.transient) continue;
        const int row = cells.of(-orbit.x());
        if (row >= 0) ++counts[row];
        product *= std::abs(out.k * (1 - 2 * orbit.x()));
        if (product < 0x1p-500 || product > 0x1p500) {
            int exponent = 0;
            product = std::frexp(product, &exponent);
            powerOfTwo += exponent;
        }
    }
    out.lyapunov = (std::log(product) + powerOfTwo * std::log(2.0)) / sampling.plotted;
    return out;
}

} // namespace bifurcation
