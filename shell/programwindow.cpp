// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/programwindow.h"

#include "runtime/numbers.h"
#include "shell/frmabout.h"
#include "shell/intro.h"

#include <QMenu>

using namespace zr;

ProgramWindow::ProgramWindow(Runtime& rt, const QString& name, const QString& exitQuestion,
                             const QString& speedPattern)
    : Form(rt, name, Kind::Child), exitQuestion_(exitQuestion), speedPattern_(speedPattern) {
    setBorder(Border::FixedSingle);
}

void ProgramWindow::placeAtLoad() {
    setTopTw(0);
    setWidthTw(11000);
    setHeightTw(7600);
    setLeftTw(0);
    setState(Maximised); // shown so once its load is done, as every child window is
}

void ProgramWindow::buildWindowMenu() {
    menu_window = addMenu(QStringLiteral("menu_window"), QStringLiteral("&Window"));
    setWindowListMenu(menu_window);
    menu_log = addMenuItem(menu_window, QStringLiteral("menu_log"),
                           QStringLiteral("&Logistic Mapping: y = kx(1 - x)"));
    menu_sierp =
        addMenuItem(menu_window, QStringLiteral("menu_sierp"), QStringLiteral("&Sierpinski Sieve"));
}

QAction* ProgramWindow::addAboutItem(QMenu* help) {
    hlp_About = addMenuItem(help, QStringLiteral("hlp_About"), QStringLiteral("&About Zelta"));
    return hlp_About;
}

void ProgramWindow::yieldStep() {
    rt().yield();
    while (!carryon && !isUnloaded())
        rt().idle(0.25);
}

void ProgramWindow::holdStep(double ms) {
    // A blocking sleep rather than a spin on the timer: the processor stays free, no event
    // is handled meanwhile, and a wait across midnight still ends on time.
    rt().clock().sleep(ms / 1000.0);
}

void ProgramWindow::stopRuns() {
    // As Finish does: the loop leaves at its next look at the flags; a paused one leaves
    // its wait too, since the window is being unloaded.
    fin = Value::boolean(true);
}

void ProgramWindow::cmd_pause_Click() {
    const bool pausing = cmd_pause->caption() == QLatin1String("Pause");
    cmd_pause->setCaption(pausing ? QStringLiteral("Continue") : QStringLiteral("Pause"));
    carryon = !pausing;
}

bool ProgramWindow::confirmed(const QString& question, const QString& title) {
    return rt().msgBox(question, MB_YESNO | MB_QUESTION, title) == IDYES;
}

void ProgramWindow::cmd_finish_Click() {
    if (!confirmed(QStringLiteral("Do you want to finish this iteration?"),
                   QStringLiteral("Finish")))
        return;
    // Also releases a paused run: it leaves its wait and ends at its next look at `fin`.
    fin = Value::boolean(true);
    carryon = true;
    setRunControlsEnabled(true);
    cmd_pause->setCaption(QStringLiteral("Pause"));
    resetScreens();
}

void ProgramWindow::cmd_exit_Click() {
    if (!confirmed(exitQuestion_, QStringLiteral("Exit"))) return;
    // A running run ends after its yield; a paused one stays paused, and the controls stay
    // as they are, until Continue or Finish.
    fin = Value::boolean(true);
    resetScreens();
    Hide();
    rt().show(intro::Name);
}

void ProgramWindow::hsb_speed_Change() {
    wait = static_cast<std::int16_t>(hsb_speed->value());
    const float seconds = static_cast<float>(wait) / 1000.0f;
    lbl_pause->setCaption(QStringLiteral("Pause interval ") +
                          formatNumber(seconds, speedPattern_, Precision::Single) +
                          QStringLiteral(" sec"));
}

void ProgramWindow::menu_log_Click() {
    // A run of the window left behind goes on in it while it is hidden.
    rt().hide(Sieve);
    rt().show(Logistic);
}

void ProgramWindow::menu_sierp_Click() {
    rt().hide(Logistic);
    rt().show(Sieve);
}

void ProgramWindow::hlp_About_Click() {
    rt().show(frmAbout::Name);
}
