// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/logistic.h"

#include "logistic/diagram.h"
#include "runtime/picturemenu.h"
#include "shell/artwork.h"

#include <QMenu>

using namespace zr;

namespace {
constexpr Colour PaleGreen = 0xC0FFC0;

// The text of a tick: "0", "0.1", ..., "0.9", "1.0".
QString tickText(int tenths) {
    if (tenths == 0) return QStringLiteral("0");
    if (tenths == 10) return QStringLiteral("1.0");
    return QStringLiteral("0.%1").arg(tenths);
}
} // namespace

void logistic::registerWindow(Runtime& rt) {
    rt.registerForm(Name, [](Runtime& r) { return new logistic(r); });
    Diagram::registerWindow(rt);
}

logistic::logistic(Runtime& rt)
    : ProgramWindow(rt, Name, QStringLiteral("Do you want to finish with Logistic Mapping?"),
                    QStringLiteral("0.0")) {
    setWindowIcon(artwork::cobwebIcon());
    buildControls();
    buildScrollBars();
    buildLabels();
    buildMenus();
    // The graph and values screens' own menus: copy, save and the bifurcation diagram.
    new PictureMenu(this, pb_values);
    (new PictureMenu(this, pb_graph))
        ->addAction(QStringLiteral("&Bifurcation Diagram"), this,
                    [this] { Diagram::showFor(this, k.toDouble()); });
}

void logistic::buildControls() {
    const auto button = [this](const char* name, const char* caption, const QRectF& tw) {
        return new CommandButton(this, QString::fromLatin1(name), QString::fromLatin1(caption), tw);
    };

    // The graph screen: the unit square with y upwards, kept between repaints, in the
    // window background colour every picture area starts with.
    pb_graph = new PictureBox(this, QStringLiteral("pb_graph"), QStringLiteral("Graph screen"),
                              {1800, 360, 6000, 6000});
    pb_graph->setAutoRedraw(true);
    pb_graph->setScale(0, 1, 1, -1);
    pb_graph->setForeColor(Red);
    pb_graph->setFocusPolicy(Qt::StrongFocus);

    cmd_clear = button("cmd_clear", "Clear Screens", {120, 360, 1215, 375});
    cmd_k = button("cmd_k", "Enter k", {120, 960, 1215, 375});
    cmd_draw = button("cmd_draw", "Draw graphs", {120, 1560, 1215, 375});
    cmd_x0 = button("cmd_x0", "Enter x0", {120, 2160, 1215, 375});
    cmd_start = button("cmd_start", "Start Iteration", {120, 2760, 1215, 375});
    cmd_pause = button("cmd_pause", "Pause", {120, 3360, 1215, 375});
    cmd_tidy = button("cmd_tidy", "Tidy Up", {120, 3960, 1215, 375});
    cmd_finish = button("cmd_finish", "Finish", {120, 4560, 1215, 375});
    cmd_exit = new CommandButton(this, QStringLiteral("cmd_exit"), QStringLiteral("EXIT"),
                                 {120, 5160, 1215, 255});
    cmd_exit->setGraphical(Red);
    cmd_exit->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, true));

    // The values screen: characters 120 twips across and 240 down, nothing kept.
    pb_values = new ValuesScreen(this, QStringLiteral("pb_values"), QStringLiteral("Values screen"),
                                 {8040, 360, 2415, 6015});
    pb_values->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    pb_values->setScale(0, 0, (2415 - 60) / 120.0, (6015 - 60) / 240.0);
    pb_values->setBackColor(Cyan);
    pb_values->setForeColor(Red);
    pb_values->setFocusPolicy(Qt::StrongFocus);
}

void logistic::buildScrollBars() {
    lbl_pause = new Label(this, QStringLiteral("lbl_pause"), QStringLiteral("Pause Interval (sec)"),
                          {120, 5520, 1215, 495});
    lbl_pause->setBackColor(SysTooltipBackground);
    lbl_pause->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    hsb_speed = new HScrollBar(this, QStringLiteral("hsb_speed"), QStringLiteral("Pause interval"),
                               {120, 6120, 1215, 255});
    hsb_speed->setRange(0, 5000, 100, 1000);
    hsb_speed->setFocusPolicy(Qt::StrongFocus);

    Label27 = new Label(this, QStringLiteral("Label27"), QStringLiteral("    0               5"),
                        {120, 6480, 1215, 255});
    Label27->setBackColor(SysTooltipBackground);

    lbl_x0 = new Label(this, QStringLiteral("lbl_x0"), QStringLiteral("x0 = 0.0000"),
                       {240, 6840, 1095, 255});
    lbl_x0->setBackColor(PaleGreen);
    lbl_x0->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    hsb_x0 = new HScrollBar(this, QStringLiteral("hsb_x0"), QStringLiteral("Starting value x0"),
                            {1560, 6840, 6495, 255});
    hsb_x0->setRange(0, 10000, 1, 1000);
    hsb_x0->setFocusPolicy(Qt::StrongFocus);

    // The controls take the focus in the order they are made, but the values screen comes last.
    setTabOrder(hsb_x0, pb_values);
}

void logistic::buildLabels() {
    Label24 = new Label(this, QStringLiteral("Label24"), QStringLiteral("Value of x(n)"),
                        {8040, 0, 1695, 255});
    Label25 = new Label(this, QStringLiteral("Label25"), QStringLiteral("n"), {9600, 0, 615, 255});
    for (Label* heading : {Label24, Label25}) {
        heading->setForeColor(Red);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    // The tick labels, 600 twips apart, each centred on its place on the graph screen's scale:
    // Label2 to Label12 below it (x = 0 to 1), Label13 to Label23 beside it (y = 1 down to 0).
    // Nothing changes them once they are placed.
    for (int i = 0; i <= 10; ++i) {
        auto* y = new Label(this, QStringLiteral("Label%1").arg(13 + i), tickText(10 - i),
                            {1440, 240 + 600.0 * i, 255, 255});
        y->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        auto* x = new Label(this, QStringLiteral("Label%1").arg(2 + i), tickText(i),
                            {1680 + 600.0 * i, 6480, 255, 255});
        x->setAlignment((i == 6 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop);
    }

    Label1 = new Label(this, QStringLiteral("Label1"), QString(), {7680, 360, 1215, 195});
    Label1->setAccessibleName(QStringLiteral("Empty label"));
}

void logistic::buildMenus() {
    buildWindowMenu();
    const auto help = [this](QMenu* menu, const char* name, const char* caption) {
        addMenuItem(menu, QString::fromLatin1(name), QString::fromLatin1(caption));
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    hlp_menu = addMenu(QStringLiteral("hlp_menu"), QStringLiteral("&Help"));
    help(hlp_menu, "hlp_bck", "&Mathematical  Background");
    separator(hlp_menu, "separator");
    QMenu* screens = addSubMenu(hlp_menu, QStringLiteral("hlp_scr"), QStringLiteral("&Screens"));
    help(screens, "hlp_graph", "&Graph Screen (white) ");
    help(screens, "hlp_iters", "&Iterations Screen (blue)");
    QMenu* buttons =
        addSubMenu(hlp_menu, QStringLiteral("hlp_cmd"), QStringLiteral("&Command Buttons"));
    help(buttons, "hlp_cls", "&Clear Screens");
    help(buttons, "hlp_k", "Enter &k");
    help(buttons, "hlp_draw", "&Draw Graphs");
    help(buttons, "hlp_x0", "Enter &x0");
    help(buttons, "hlp_start", "&Start Iteration");
    help(buttons, "hlp_pause", "&Pause");
    help(buttons, "hlp_tidy", "&Tidy Up");
    help(buttons, "hlp_finish", "&Finish");
    QMenu* bars =
        addSubMenu(hlp_menu, QStringLiteral("hlp_scroll"), QStringLiteral("Scroll &Bars"));
    help(bars, "hlp_interval", "&Pause Interval");
    help(bars, "hlp_hsb_x0", "&x0");
    separator(hlp_menu, "seperator");
    addAboutItem(hlp_menu);
}

void logistic::Form_Load() {
    cmd_pause->setCaption(QStringLiteral("Pause"));
    placeAtLoad();

    k = Value::integer(3);
    capt = QStringLiteral("3.0");
    init = QStringLiteral("0.5");
    carryon = true;

    hsb_speed->setValue(1000);
    lbl_pause->setCaption(QStringLiteral("Pause interval 1.0 sec"));
    wait = 1000;

    // The change handler sets x0, its label and a caption that the next line replaces.
    hsb_x0->setValue(5000);
    setCaption(QStringLiteral("Logistic Mapping: y = kx(1 - x)"));
}

void logistic::setRunControlsEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(cmd_clear), static_cast<QWidget*>(cmd_draw),
                             static_cast<QWidget*>(cmd_k), static_cast<QWidget*>(cmd_x0),
                             static_cast<QWidget*>(hsb_x0), static_cast<QWidget*>(cmd_start)})
        control->setEnabled(enabled);
}

void logistic::resetScreens() {
    pb_graph->cls();
    pb_values->cls();
}
