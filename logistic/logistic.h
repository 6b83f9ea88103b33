// The logistic window: the graph screen, the cobweb run and the values listing.
#pragma once

#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/picturebox.h"
#include "runtime/value.h"
#include "logistic/valuesscreen.h"

#include <QList>

class QAction;
class QMenu;

class logistic : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("logistic");
    static void registerWindow(zr::Runtime& rt);
    explicit logistic(zr::Runtime& rt);

    // Controls, in tab order.
    zr::PictureBox* pb_graph;
    zr::CommandButton* cmd_clear;
    zr::CommandButton* cmd_k;
    zr::CommandButton* cmd_draw;
    zr::CommandButton* cmd_x0;
    zr::CommandButton* cmd_start;
    zr::CommandButton* cmd_pause;
    zr::CommandButton* cmd_tidy;
    zr::CommandButton* cmd_finish;
    zr::CommandButton* cmd_exit;
    zr::HScrollBar* hsb_speed;
    zr::HScrollBar* hsb_x0;
    ValuesScreen* pb_values;
    zr::Label* lbl_pause;
    zr::Label* Label27;
    zr::Label* lbl_x0;
    zr::Label* Label24;
    zr::Label* Label25;
    zr::Label* Label1;
    // The tick labels: Label2 to Label12 below the graph screen (x = 0 to 1), Label13 to
    // Label23 beside it (y = 1 down to 0).
    QList<zr::Label*> xTicks;
    QList<zr::Label*> yTicks;

    // Menus.
    QMenu* menu_window;
    QAction* menu_log;
    QAction* menu_sierp;
    QMenu* hlp_menu;
    QAction* hlp_About;

    // Window-level state.
    zr::Value k;         // the integer 3 until a k text is taken in, then a double
    float x0 = 0.0f;     // starting value of the run
    bool fin = false;    // True asks a run to end
    bool carryon = true; // False while a run is paused
    int colour = 0;      // index into the run's palette
    qint16 wait = 0;     // pause after each step, milliseconds
    QString capt;        // k as typed, or "k" when no value was taken
    QString init;        // x0 as typed

    // Graphs.
    void draw_graphs(const zr::Value& kValue);
    void cmd_draw_Click();
    void cmd_tidy_Click();
    void cmd_clear_Click();
    // The run.
    void cmd_start_Click();
    void cmd_pause_Click();
    void hsb_speed_Change();
    void interval_delay(int ms);
    // Parameters.
    void cmd_k_Click();
    void cmd_x0_Click();
    void hsb_x0_Change();
    // Leaving.
    void cmd_finish_Click();
    void cmd_exit_Click();
    void menu_log_Click();
    void menu_sierp_Click();
    void hlp_About_Click();
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

  protected:
    void Form_Load() override;
    void stopRuns() override;

  private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    // The caption as the k entry and Draw graphs write it: k as typed.
    void setTypedKCaption();
    // Takes the k text into k when it passes the comparison with "0"; otherwise the text
    // becomes the placeholder "k" and k keeps its value.
    void takeKText();
    // A listing line: the value at column 0, its step number at column 15.
    void listLine(const zr::Value& value, qint64 number);
    // The six controls a run disables and only Finish enables again.
    void setRunControlsEnabled(bool enabled);

    // Counts the runs started, so that a run which finds a newer one started inside its
    // yield (after Finish re-enabled Start) ends instead of coming back to life.
    quint64 runsStarted_ = 0;
};
