// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The logistic window: the graph screen, the cobweb run and the values listing.
#pragma once

#include "logistic/valuesscreen.h"
#include "runtime/picturebox.h"
#include "shell/programwindow.h"


class logistic : public ProgramWindow {
    Q_OBJECT
  public:
    static inline const QString Name = ProgramWindow::Logistic;
    static void registerWindow(zr::Runtime& rt);
    explicit logistic(zr::Runtime& rt);

  signals:
    // k as Enter k and Draw graphs take it in; each value a run lists, with its step number.
    void kChanged(double k);
    void stepTaken(double x, qint64 n);

  protected:
    void Form_Load() override;
    void setRunControlsEnabled(bool enabled) override;
    void resetScreens() override;

  private slots:
    // Event handlers, connected by their names when the window is loaded.
    void cmd_draw_Click();
    void cmd_tidy_Click();
    void cmd_clear_Click();
    void cmd_start_Click();
    void cmd_k_Click();
    void cmd_x0_Click();
    void hsb_x0_Change();
    // The help items do nothing.
    void hlp_bck_Click() {}
    void hlp_graph_Click() {}
    void hlp_iters_Click() {}
    void hlp_cls_Click() {}
    void hlp_k_Click() {}
    void hlp_draw_Click() {}
    void hlp_x0_Click() {}
    void hlp_start_Click() {}
    void hlp_pause_Click() {}
    void hlp_tidy_Click() {}
    void hlp_finish_Click() {}
    void hlp_interval_Click() {}
    void hlp_hsb_x0_Click() {}

  private:
    void buildControls();
    void buildScrollBars();
    void buildLabels();
    void buildMenus();

    // Graphs and the run.
    void draw_graphs(const zr::Value& kValue);
    void interval_delay(int ms);
    // The caption as the k entry and Draw graphs write it: k as typed.
    void setTypedKCaption();
    // Takes the k text into k when it passes the comparison with "0"; otherwise the text
    // becomes the placeholder "k" and k keeps its value.
    void takeKText();
    // A listing line: the value at column 0, its step number at column 15.
    void listLine(const zr::Value& value, qint64 number);

    // Controls, in tab order (Pause, Finish, EXIT and the speed bar are the base's).
    zr::PictureBox* pb_graph;
    zr::CommandButton* cmd_clear;
    zr::CommandButton* cmd_k;
    zr::CommandButton* cmd_draw;
    zr::CommandButton* cmd_x0;
    zr::CommandButton* cmd_start;
    zr::CommandButton* cmd_tidy;
    zr::HScrollBar* hsb_x0;
    ValuesScreen* pb_values;
    zr::Label* Label27;
    zr::Label* lbl_x0;
    zr::Label* Label24;
    zr::Label* Label25;
    zr::Label* Label1;
    QMenu* hlp_menu;

    // Window-level state (the run flags are the base's).
    zr::Value k;     // the integer 3 until a k text is taken in, then a double
    float x0 = 0.0f; // starting value of the run
    QString capt;    // k as typed, or "k" when no value was taken
    QString init;    // x0 as typed

    // Counts the runs started, so that a run which finds a newer one started inside its
    // yield (after Finish re-enabled Start) ends instead of coming back to life.
    quint64 runsStarted_ = 0;
};
