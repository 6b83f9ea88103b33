// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The random-vertex game in the window: the flashing point and the run itself.
#include "sieve/sierpinski.h"
#include "sieve/vertexgame.h"

#include "runtime/numbers.h"

#include <array>

using namespace zr;

double Sierpinski::angle(double vertex) const {
    return vertexgame::angle(vertex, pi, vert.toDouble());
}

void Sierpinski::plot_new_point(double x, double y, Colour col) {
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    // A wide exclusive-or flash, on the screen at once, so the eye finds the new point.
    pb_screen->setDrawMode(PictureBox::XorPen);
    pb_screen->setDrawWidth(4);
    pb_screen->pset(px, py, col);
    pb_screen->refresh();
    pause(wait);
    // The same flash again, still in exclusive-or and four wide, gives back exactly what
    // lay under it, earlier points included.
    pb_screen->pset(px, py, col);
    // The point itself stays as one pixel; it reaches the screen at the run's next yield.
    pb_screen->setDrawMode(PictureBox::CopyPen);
    pb_screen->setDrawWidth(1);
    pb_screen->pset(px, py, col);
}

void Sierpinski::pause(double n) {
    holdStep(n);
}

void Sierpinski::cmd_iter_Click() {
    // Green, blue, magenta, cyan: the colour follows the number of points plotted.
    const std::array palette{Green, Blue, Magenta, Cyan};
    const auto paletteColour = [&] { return palette[static_cast<int>(colour.toDouble())]; };
    colour = Value::integer(3);
    iters = Value::integer(0);
    setCaption(runCaption());
    setRunControlsEnabled(false);
    Random& rnd = rt().random();
    rnd.randomize(rt().clock().timer());
    fin = Value::boolean(false);

    const float startX = rnd.next();
    vertexgame::Point point = vertexgame::start(startX, rnd.next());
    plot_new_point(point.xd(), point.yd(), paletteColour());
    lbl_iters->setCaption(QStringLiteral("1"));

    while (!fin.toBool()) {
        colour = Value::integer((static_cast<int>(colour.toDouble()) + 1) % int(palette.size()));
        iters = iters + Value::integer(1);
        const int v = vertexgame::chooseVertex(rnd.next(), vert);
        point = vertexgame::next(point, ratio, angle(v));
        plot_new_point(point.xd(), point.yd(), paletteColour());
        lbl_iters->setCaption(signedForm(iters.toDouble(), iters.precision()));
        yieldStep();
    }
}
