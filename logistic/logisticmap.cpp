// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/logisticmap.h"

#include <algorithm>
#include <cmath>

using zr::Value;

namespace logisticmap {

Value step(const Value& k, const Value& x) {
    return (k * x) * (Value::integer(1) - x);
}

float coordinate(double v) {
    constexpr double Far = 1e15; // NaN stays NaN: it compares with neither bound
    return static_cast<float>(std::clamp(v, -Far, Far));
}

std::array<QLineF, 3> cobweb(double x, double y) {
    const qreal xs = coordinate(x), ys = coordinate(y);
    return {QLineF(xs, 0, xs, ys), QLineF(xs, ys, ys, ys), QLineF(ys, ys, ys, 0)};
}

QVector<QPointF> parabola(double k) {
    QVector<QPointF> points;
    for (double x = 0; x <= 1; x += 0.01)
        points.append(QPointF(coordinate(x), coordinate((k * x) * (1 - x))));
    return points;
}

bool Listing::add(const Value& x, qint64 n) {
    if (n < Lines) {
        lines_[static_cast<std::size_t>(n)] = {x, n};
        count_ = static_cast<int>(n) + 1;
        return false;
    }
    std::move(lines_.begin() + 1, lines_.end(), lines_.begin());
    lines_.back() = {x, n};
    count_ = Lines;
    return true;
}

} // namespace logisticmap
