// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The graph screen: the diagonal and the parabola, and the three commands that draw or
// wipe the screens.
#include "logistic/logistic.h"
#include "logistic/logisticmap.h"

using namespace zr;

void logistic::draw_graphs(const Value& kValue) {
    pb_graph->line(0, 0, 1, 1, Red);
    // No length and no colour of its own: only the drawing position moves to the origin.
    pb_graph->line(0, 0, 0, 0);
    for (const QPointF& p : logisticmap::parabola(kValue.toDouble()))
        pb_graph->lineTo(p.x(), p.y(), Black);
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
