// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// What the two program windows share: the run flags, the step's wait and yield, Pause and
// Continue, the speed bar's caption, Finish and EXIT with their confirmations, the Window
// menu that switches between the two programs, and the place a program window takes when
// it is loaded. A run is one long click handler of the window: after every step it yields
// to the event queue, and keeps yielding while the run is paused; every other handler
// steers it through `fin` and `carryon`.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/value.h"

#include <cstdint>

class QAction;
class QMenu;

class ProgramWindow : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Logistic = QStringLiteral("logistic");
    static inline const QString Sieve = QStringLiteral("Sierpinski");

  protected:
    // `exitQuestion` is what EXIT asks; `speedPattern` writes the pause interval in
    // seconds on `lbl_pause` ("0.00", "0.0").
    ProgramWindow(zr::Runtime& rt, const QString& name, const QString& exitQuestion,
                  const QString& speedPattern);

    // Top 0, width 11000, height 7600, left 0 (twips, outer size), maximised.
    void placeAtLoad();
    // The "&Window" menu with the two programs; the frame lists its open windows below.
    void buildWindowMenu();
    QAction* addAboutItem(QMenu* help);

    // The end of a step: handle the events that came meanwhile, then, while the run is
    // paused, go on handling them as they come, sleeping in between.
    void yieldStep();
    // Holds the step for `ms` milliseconds without handling any event.
    void holdStep(double ms);

    // The controls a run disables and only Finish enables again.
    virtual void setRunControlsEnabled(bool enabled) = 0;
    // What Finish and EXIT wipe.
    virtual void resetScreens() = 0;
    void stopRuns() override;

  protected slots:
    void cmd_pause_Click();
    void cmd_finish_Click();
    void cmd_exit_Click();
    void hsb_speed_Change();
    void menu_log_Click();
    void menu_sierp_Click();
    void hlp_About_Click();

  protected:
    // Run flags: `fin` True ends the run (unset until the first run, Finish or EXIT),
    // `carryon` False while it is paused (each load sets it), `wait` the pause after a step in
    // milliseconds, `colour` the index into the run's palette (unset until the first run).
    zr::Value fin;
    bool carryon{};
    std::int16_t wait = 0;
    zr::Value colour;

    zr::CommandButton* cmd_pause = nullptr;
    zr::CommandButton* cmd_finish = nullptr;
    zr::CommandButton* cmd_exit = nullptr;
    zr::HScrollBar* hsb_speed = nullptr;
    zr::Label* lbl_pause = nullptr;
    QMenu* menu_window = nullptr;
    QAction* menu_log = nullptr;
    QAction* menu_sierp = nullptr;
    QAction* hlp_About = nullptr;

  private:
    bool confirmed(const QString& question, const QString& title);

    QString exitQuestion_;
    QString speedPattern_;
};
