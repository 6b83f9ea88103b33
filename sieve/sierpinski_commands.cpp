// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands that prepare a run: entering the polygon and the ratio, clearing, printing.
#include "sieve/sierpinski.h"
#include "sieve/vertexgame.h"

#include "runtime/numbers.h"

#include <QLatin1String>

#include <cmath>

using namespace zr;

namespace {
bool holds(const Value& v, const char* placeholder) {
    return v.isText() && v.toText() == QLatin1String(placeholder);
}
} // namespace

void Sierpinski::cmd_vert_Click() {
    pb_screen->cls();
    capt = Value::text(QStringLiteral("v"));
    while (holds(capt, "v")) {
        capt = Value::integer(3);
        capt = Value::text(rt().inputBox(QStringLiteral("How many vertices (>=3)?"),
                                         QStringLiteral("Vertices"), capt.toText()));
        if (capt.toText().isEmpty()) break;
        const NumberRead m = readNumber(capt.toText());
        // Too many vertices would hold the window while the polygon is drawn: such an
        // entry comes back like any other the game cannot use.
        if (m.ok && m.value >= 3 && m.value == std::floor(m.value) && m.value <= MaxVertices)
            vert = Value::real(m.value);
        else
            capt = Value::text(QStringLiteral("v"));
    }
    if (capt.toText().isEmpty()) {
        capt = Value::text(QStringLiteral("v"));
        return;
    }
    setCaption(QStringLiteral("Sierpinski Sieve: ") + capt.toText() + QStringLiteral(" vertices"));
    drawPolygon();
}

void Sierpinski::drawPolygon() {
    const double n = vert.toDouble();
    for (double i = 1; i <= n; ++i) {
        const QPointF from = vertexgame::corner(angle(i - 1));
        const QPointF to = vertexgame::corner(angle(i));
        pb_screen->line(from.x(), from.y(), to.x(), to.y(), Black);
    }
}

void Sierpinski::cmd_ratio_Click() {
    if (holds(capt1, "r")) capt1 = Value::real(0.5);
    capt1 = Value::text(rt().inputBox(QStringLiteral("Enter the fraction of") + NL +
                                          QStringLiteral("the way from current point") + NL +
                                          QStringLiteral("to next vertex"),
                                      QStringLiteral("Ratio"), capt1.toText()));
    const NumberRead q = readNumber(capt1.toText());
    // The ratio is kept in single precision, and judged there: a fraction that rounds to 0
    // or 1 would freeze every point on a vertex or on the start point, so it is refused as
    // 0 and 1 are.
    const float r = static_cast<float>(q.value);
    if (q.ok && r > 0.0f && r < 1.0f)
        ratio = r;
    else
        capt1 = Value::text(QStringLiteral("r"));
    setCaption(runCaption());
}

void Sierpinski::cmd_cls_Click() {
    pb_screen->cls();
}

void Sierpinski::cmd_print_Click() {
    const QList<QWidget*> hidden{cmd_cls,    cmd_vert, cmd_ratio, cmd_iter,  cmd_pause, cmd_print,
                                 cmd_finish, cmd_exit, hsb_speed, lbl_pause, lbl_int};
    for (QWidget* w : hidden)
        w->hide();
    setBackColor(White);
    printForm();
    for (QWidget* w : hidden)
        if (w != cmd_print) w->show();
    setBackColor(SysButtonFace);
}
