// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The random-vertex game without a window: where the polygon's vertices lie, which vertex a
// random number picks, and where the next point falls. Coordinates are those of the
// drawing area: the polygon's centre at the origin, radius 200, y upwards.
#pragma once

#include "runtime/value.h"

#include <QPointF>

namespace vertexgame {

constexpr double Radius = 200;

// The angle of vertex number `vertex` of an n-gon, from the positive y axis and clockwise
// with y upwards: vertex × pi × 2 / n, in that order. Vertex n is vertex 0 again.
double angle(double vertex, double pi, double vertices);

// A corner of the drawn polygon at angle `a`, in single precision as lines are drawn.
QPointF corner(double a);

// The vertex a random number in [0, 1) picks: the integer part of rnd × n, in the kind of
// the vertex count (single for the integer 3, double once a count has been entered).
int chooseVertex(float rnd, const zr::Value& vertices);

// A point of the game. Each coordinate keeps the kind it was computed in: the start point
// is single precision, every later point double.
struct Point {
    zr::Value x;
    zr::Value y;
    double xd() const { return x.toDouble(); }
    double yd() const { return y.toDouble(); }
};

// The start point from two random numbers: rnd × 400 - 200 each, x first, so it lies in
// the square -200 <= x, y < 200 that bounds the polygon's circle.
Point start(float rndX, float rndY);

// The next point on the way from `p` to the vertex at angle `a`: the current point keeps
// weight `ratio`, the vertex gets 1 - `ratio`.
Point next(const Point& p, float ratio, double a);

} // namespace vertexgame
