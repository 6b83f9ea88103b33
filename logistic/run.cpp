// The iteration run: one long handler that steps the mapping, draws the cobweb and lists
// the values, yielding to the window's events after every step.
#include "logistic/logistic.h"
#include "logistic/plotting.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace zr;

namespace {
constexpr int ListedLines = 30;
constexpr double NumberColumn = 15;
constexpr std::array<Colour, 4> Palette{Green, Blue, Magenta, Cyan};

// A step's three lines reach the screen at the next yield. Asked for as the one rectangle
// they span, they are repainted in one piece; left as three thin strips they make a ragged
// region whose repaint costs several times as much.
void repaintStepAsOne(PictureBox* screen, float x, float y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    const QRectF spanned = QRectF(screen->toPixel(x, 0), screen->toPixel(y, y)).normalized();
    const QRectF visible =
        spanned.adjusted(-2, -2, 2, 2) & QRectF(QPointF(0, 0), QSizeF(screen->innerSize()));
    if (visible.isEmpty()) return;
    screen->update(visible.toAlignedRect().translated(screen->contentsRect().topLeft()));
}
} // namespace

void logistic::listLine(const Value& value, qint64 number) {
    pb_values->print(value.toText(), false);
    pb_values->setCurrentX(NumberColumn);
    pb_values->print(generalForm(static_cast<double>(number), Precision::Integer));
}

void logistic::cmd_start_Click() {
    Value x = Value::single(x0);
    Value y = Value::integer(0);
    fin = false;
    // Step numbers keep counting past what a 16-bit integer holds.
    qint64 n = 0;
    std::array<Value, ListedLines> xlist;
    std::array<qint64, ListedLines> nlist{};
    colour = 3;
    const quint64 thisRun = ++runsStarted_;

    pb_values->setCurrentX(0);
    pb_values->setCurrentY(0);
    setRunControlsEnabled(false);

    const Value one = Value::integer(1);
    // NaN fails both comparisons, so a value that is no number ends the run too.
    while (x.toDouble() >= 0 && x.toDouble() <= 1 && !fin && thisRun == runsStarted_) {
        if (n < ListedLines) {
            xlist[n] = x;
            nlist[n] = n;
            listLine(x, n);
        } else {
            pb_values->beginRewrite();
            pb_values->cls();
            pb_values->setCurrentY(0);
            std::move(xlist.begin() + 1, xlist.end(), xlist.begin());
            std::move(nlist.begin() + 1, nlist.end(), nlist.begin());
            xlist[ListedLines - 1] = x;
            nlist[ListedLines - 1] = n;
            for (int i = 0; i < ListedLines; ++i)
                listLine(xlist[i], nlist[i]);
            pb_values->endRewrite();
        }

        colour = (colour + 1) % 4;
        pb_graph->setForeColor(Palette[colour]);
        y = (k * x) * (one - x);
        const float xs = plotting::coordinate(x.toDouble());
        const float ys = plotting::coordinate(y.toDouble());
        pb_graph->line(xs, 0, xs, ys);
        pb_graph->lineTo(ys, ys);
        pb_graph->lineTo(ys, 0);
        repaintStepAsOne(pb_graph, xs, ys);
        x = y;
        ++n;

        interval_delay(wait);
        yieldRun(carryon);
    }
}

void logistic::cmd_pause_Click() {
    carryon = togglePause(cmd_pause);
}

void logistic::hsb_speed_Change() {
    wait = static_cast<qint16>(hsb_speed->value());
    const float seconds = static_cast<float>(wait) / 1000.0f;
    lbl_pause->setCaption(QStringLiteral("Pause interval ") +
                          formatNumber(seconds, QStringLiteral("0.0"), Precision::Single) +
                          QStringLiteral(" sec"));
}

void logistic::interval_delay(int ms) {
    // No events are handled during the wait: clicks queue up until the run yields.
    rt().clock().sleep(ms / 1000.0);
}
