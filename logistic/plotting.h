// How the logistic window's numbers reach the graph screen.
#pragma once

#include <algorithm>
#include <cmath>

namespace plotting {

// A coordinate as the drawing takes it: in single precision. Numbers beyond what a single
// holds (a huge k) are brought within a range far outside the screen instead, so that
// their lines are drawn clipped at the edge rather than lost or failing.
inline float coordinate(double v) {
    if (std::isnan(v)) return static_cast<float>(v);
    constexpr double Far = 1e15;
    return static_cast<float>(std::clamp(v, -Far, Far));
}

} // namespace plotting
