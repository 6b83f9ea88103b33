// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bifurcation diagram of the logistic mapping x -> kx(1 - x) and its Lyapunov exponent,
// computed one pixel column at a time: for the column's k, where the orbit of 0.5 settles
// and how fast nearby orbits part. No GUI: tests and the diagram's worker thread use it.
#pragma once

#include <QVector>
#include <QtGlobal>

namespace bifurcation {

// The part of the (k, x) plane a diagram shows; the default is the whole interesting range.
struct View {
    double kMin = 2.5;
    double kMax = 4.0;
    double xMin = 0.0;
    double xMax = 1.0;
};

// How long each column's orbit runs: steps skipped while it settles on its attractor, then
// steps counted into the column and into the Lyapunov exponent.
struct Sampling {
    int transient = 2000;
    int plotted = 20000;
};

// One pixel column of the diagram.
struct Column {
    double k = 0; // the k at the column's centre
    // Mean of ln|k(1 - 2x)| along the counted orbit: negative where the orbit settles on a
    // cycle, positive where it is chaotic. Minus infinity where the orbit passes exactly
    // through 0.5 (a superstable cycle).
    double lyapunov = 0;
    // How many counted steps fell into each row; row 0 is the top row (x = xMax). Steps
    // outside the view's x range are not counted.
    QVector<quint32> counts;
};

// The k at the centre of `column` (0 at the left) when the view is `columns` pixels wide.
double columnK(const View& view, int column, int columns);

// Column `column` of a view `columns` pixels wide and `rows` pixels high: the orbit of
// x0 = 0.5 at the column's k, past its transient. Views lie within k from 0 to 4, where the
// orbit stays in [0, 1].
Column computeColumn(const View& view, int column, int columns, int rows,
                     const Sampling& sampling = Sampling());

} // namespace bifurcation
