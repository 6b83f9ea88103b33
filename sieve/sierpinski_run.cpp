// The random-vertex game: polygon geometry, the flashing point and the run itself.
#include "sieve/sierpinski.h"

#include <array>
#include <cmath>

using namespace zr;

double Sierpinski::angle(double vertex) const {
    return vertex * pi * 2 / vert.toDouble();
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
    // The same flash again gives back exactly what lay under it, earlier points included.
    pb_screen->setDrawMode(PictureBox::XorPen);
    pb_screen->setDrawWidth(4);
    pb_screen->pset(px, py, col);
    // The point itself stays as one pixel; it reaches the screen at the run's next yield.
    pb_screen->setDrawMode(PictureBox::CopyPen);
    pb_screen->setDrawWidth(1);
    pb_screen->pset(px, py, col);
}

void Sierpinski::pause(double n) {
    // Holds the flash without handling events, as a blocking sleep rather than a spin on
    // the timer: the processor stays free, and a wait across midnight still ends.
    if (n > 0) rt().clock().sleep(n / 1000.0);
}

void Sierpinski::hsb_speed_Change() {
    wait = static_cast<std::int16_t>(hsb_speed->value());
    lbl_pause->setCaption(QStringLiteral("Pause interval ") +
                          formatNumber(wait / 1000.0f, QStringLiteral("0.00"), Precision::Single) +
                          QStringLiteral(" sec"));
}

void Sierpinski::cmd_iter_Click() {
    // Green, blue, magenta, cyan: the colour follows the number of points plotted.
    const std::array<Colour, 4> palette{Green, Blue, Magenta, Cyan};
    colour = Value::integer(3);
    iters = Value::integer(0);
    setCaption(runCaption());
    cmd_cls->setEnabled(false);
    cmd_ratio->setEnabled(false);
    cmd_iter->setEnabled(false);
    cmd_vert->setEnabled(false);
    Random& rnd = rt().random();
    rnd.randomize(rt().clock().timer());
    fin = Value::boolean(false);

    const float startX = rnd.next() * 400.0f - 200.0f;
    const float startY = rnd.next() * 400.0f - 200.0f;
    double x = startX;
    double y = startY;
    plot_new_point(x, y, palette[static_cast<int>(colour.toDouble())]);
    lbl_iters->setCaption(QStringLiteral("1"));

    while (!fin.toBool()) {
        colour = Value::integer((static_cast<int>(colour.toDouble()) + 1) % 4);
        iters = iters + Value::integer(1);
        const double v = integerPart((Value::single(rnd.next()) * vert).toDouble());
        const double a = angle(v);
        // The current point keeps weight `ratio`, the chosen vertex gets the rest.
        const float toVertex = 1.0f - ratio;
        const double nextX = ratio * x + toVertex * 200.0f * std::sin(a);
        const double nextY = ratio * y + toVertex * 200.0f * std::cos(a);
        plot_new_point(nextX, nextY, palette[static_cast<int>(colour.toDouble())]);
        lbl_iters->setCaption(signedForm(iters.toDouble(), iters.precision()));
        x = nextX;
        y = nextY;
        yieldRun(carryon);
    }
}

void Sierpinski::cmd_pause_Click() {
    carryon = togglePause(cmd_pause);
}
