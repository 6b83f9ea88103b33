// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sieve/vertexgame.h"

#include <cmath>

using zr::Value;

namespace vertexgame {

double angle(double vertex, double pi, double vertices) {
    return vertex * pi * 2 / vertices;
}

QPointF corner(double a) {
    return QPointF(static_cast<float>(Radius * std::sin(a)),
                   static_cast<float>(Radius * std::cos(a)));
}

int chooseVertex(float rnd, const Value& vertices) {
    // Never negative: the whole part is what the conversion keeps.
    return static_cast<int>((Value::single(rnd) * vertices).toDouble());
}

Point start(float rndX, float rndY) {
    const Value size = Value::integer(400), half = Value::integer(200);
    return {Value::single(rndX) * size - half, Value::single(rndY) * size - half};
}

Point next(const Point& p, float ratio, double a) {
    const Value r = Value::single(ratio);
    const Value toVertex = (Value::integer(1) - r) * Value::integer(static_cast<int>(Radius));
    return {r * p.x + toVertex * Value::real(std::sin(a)),
            r * p.y + toVertex * Value::real(std::cos(a))};
}

} // namespace vertexgame
