// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The sieve window: Sierpinski's random-vertex game on a regular polygon. A run is one long
// click handler that plots a point, yields to the event queue and repeats until `fin` is
// set; every other handler steers it through the window-level flags.
#pragma once

#include "runtime/picturebox.h"
#include "shell/programwindow.h"

class Sierpinski : public ProgramWindow {
    Q_OBJECT
  public:
    static inline const QString Name = ProgramWindow::Sieve;
    // The largest polygon the vertex entry takes. Drawing it stays well under a second,
    // and long before this many vertices the polygon looks like its circle on the screen.
    static constexpr int MaxVertices = 10000;

    static void registerWindow(zr::Runtime& rt);
    explicit Sierpinski(zr::Runtime& rt);

  protected:
    void Form_Load() override;
    void setRunControlsEnabled(bool enabled) override;
    void resetScreens() override;

  private:
    void buildControls();
    void buildExplanation();
    void buildMenus();
    // "Sierpinski Sieve: <vertices> vertices:  ratio = <ratio>"
    QString runCaption() const;

    // Geometry and plotting.
    double angle(double vertex) const;
    void plot_new_point(double x, double y, zr::Colour col);
    void pause(double n);

    void drawPolygon();
    // `hlp_bck` is the only member, index 9, of a menu array; it does nothing.
    void hlp_bck_Click(int Index) { Q_UNUSED(Index); }

  private slots:
    // Event handlers, connected by their names when the window is loaded: the run, its
    // parameters, and the help items, which do nothing.
    void cmd_iter_Click();
    void cmd_vert_Click();
    void cmd_ratio_Click();
    void cmd_cls_Click();
    void cmd_print_Click();
    void hlp_cls_Click() {}
    void hlp_vert_Click() {}
    void hlp_ratio_Click() {}
    void hlp_iter_Click() {}
    void hlp_pause_Click() {}
    void hlp_print_Click() {}
    void hlp_finish_Click() {}
    void hlp_speed_Click() {}

  private:
    // Controls, in design order (the speed bar, Pause, Finish and EXIT are the base's).
    zr::CommandButton* cmd_ratio;
    zr::CommandButton* cmd_print;
    zr::CommandButton* cmd_iter;
    zr::CommandButton* cmd_vert;
    zr::CommandButton* cmd_cls;
    zr::PictureBox* pb_screen;
    zr::PictureBox* CommonDialog1;
    zr::Label* lbl_para4;
    zr::Label* Label1;
    zr::Label* lbl_para3;
    zr::Label* lbl_para2;
    zr::Label* lbl_para1;
    zr::Shape* Shape2;
    zr::Label* lbl_iters;
    zr::Label* lbl_title;
    zr::Shape* Shape1;
    zr::Label* lbl_int;

    QMenu* help_help;
    QAction* hlp_bck; // the only member, index 9, of a menu array
    QAction* seaparator;
    QAction* hlp_cls;
    QAction* hlp_vert;
    QAction* hlp_ratio;
    QAction* hlp_iter;
    QAction* hlp_pause;
    QAction* hlp_print;
    QAction* hlp_finish;
    QAction* hlp_speed;
    QAction* seperator;

    // Window-level state (the run flags are the base's).
    zr::Value capt;  // vertices as typed, or "v"
    zr::Value capt1; // ratio as typed, or "r"
    QString NL;
    double pi = 0.0;
    zr::Value vert; // number of vertices
    zr::Value iters;
    float ratio = 0.0f;
};
