// The commands around a run: entering the polygon and the ratio, clearing, printing,
// finishing and leaving the window.
#include "sieve/sierpinski.h"

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
        if (m.ok && m.value >= 3 && m.value == integerPart(m.value) && m.value <= MaxVertices)
            vert = Value::real(m.value);
        else
            capt = Value::text(QStringLiteral("v"));
    }
    if (capt.toText().isEmpty()) {
        capt = Value::text(QStringLiteral("v"));
        return;
    }
    setCaption(QStringLiteral("Sierpinski Sieve: ") + capt.toText() + QStringLiteral(" vertices"));
    pb_screen->setDrawWidth(1);
    pb_screen->line(0, 200, 0, 200);
    const double n = vert.toDouble();
    for (double i = 1; i <= n; ++i) {
        const float x1 = static_cast<float>(200 * std::sin(angle(i - 1)));
        const float y1 = static_cast<float>(200 * std::cos(angle(i - 1)));
        const float x2 = static_cast<float>(200 * std::sin(angle(i)));
        const float y2 = static_cast<float>(200 * std::cos(angle(i)));
        pb_screen->line(x1, y1, x2, y2, Black);
    }
}

void Sierpinski::cmd_ratio_Click() {
    if (holds(capt1, "r")) capt1 = Value::real(0.5);
    capt1 = Value::text(rt().inputBox(QStringLiteral("Enter the fraction of") + NL +
                                          QStringLiteral("the way from current point") + NL +
                                          QStringLiteral("to next vertex"),
                                      QStringLiteral("Ratio"), capt1.toText()));
    const NumberRead q = readNumber(capt1.toText());
    // The ratio is kept in single precision: a fraction that rounds to 0 or 1 there would
    // freeze every point on a vertex or on the start point, so it is refused as 0 and 1 are.
    const float r = static_cast<float>(q.value);
    if (q.ok && q.value > 0 && q.value < 1 && r > 0.0f && r < 1.0f)
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

void Sierpinski::cmd_finish_Click() {
    if (rt().msgBox(QStringLiteral("Do you want to finish this iteration?"), MB_YESNO | MB_QUESTION,
                    QStringLiteral("Finish")) != IDYES)
        return;
    fin = Value::boolean(true);
    carryon = true;
    cmd_cls->setEnabled(true);
    cmd_ratio->setEnabled(true);
    cmd_iter->setEnabled(true);
    cmd_vert->setEnabled(true);
    cmd_pause->setCaption(QStringLiteral("Pause"));
    pb_screen->cls();
    lbl_iters->setCaption(QStringLiteral("0"));
}

void Sierpinski::cmd_exit_Click() {
    if (rt().msgBox(QStringLiteral("Do you want to finish with Sierpinski's Sieve?"),
                    MB_YESNO | MB_QUESTION, QStringLiteral("Exit")) != IDYES)
        return;
    // The run ends after its yield, but a paused one stays paused, and the buttons stay
    // as they are until Finish.
    fin = Value::boolean(true);
    pb_screen->cls();
    lbl_iters->setCaption(QStringLiteral("0"));
    Hide();
    rt().show(QStringLiteral("intro"));
}

void Sierpinski::menu_log_Click() {
    Hide();
    rt().show(QStringLiteral("logistic"));
}

void Sierpinski::menu_sierp_Click() {
    rt().hide(QStringLiteral("logistic"));
    rt().show(Name);
}

void Sierpinski::hlp_About_Click() {
    rt().show(QStringLiteral("frmAbout"));
}

void Sierpinski::hlp_bck_Click(int Index) {
    Q_UNUSED(Index);
}
