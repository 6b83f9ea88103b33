// The graph screen: the diagonal and the parabola, and the three commands that draw or
// wipe the screens.
#include "logistic/logistic.h"
#include "logistic/plotting.h"

using namespace zr;

void logistic::draw_graphs(const Value& kValue) {
    pb_graph->line(0, 0, 1, 1, Red);
    // No length and no colour of its own: only the drawing position moves to the origin.
    pb_graph->line(0, 0, 0, 0);
    // x summed in double: after the pass for 0.99 it is just above 1, so the curve has
    // 100 points and stops short of (1, 0).
    const double kd = kValue.toDouble();
    for (double x = 0; x <= 1; x += 0.01) {
        const double y = (kd * x) * (1 - x);
        pb_graph->lineTo(plotting::coordinate(x), plotting::coordinate(y), Black);
    }
}

void logistic::cmd_draw_Click() {
    if (capt != QLatin1String("k")) takeKText();
    setTypedKCaption();
    draw_graphs(k);
}

void logistic::cmd_tidy_Click() {
    pb_graph->cls();
    draw_graphs(k);
}

void logistic::cmd_clear_Click() {
    setCaption(QStringLiteral("Logistic Mapping: y = kx(1 - x)"));
    pb_graph->cls();
    pb_values->cls();
}
