// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bifurcation diagram window: for every k across its width, where the orbit of 0.5
// settles, and under it the Lyapunov exponent over the same k. Both are computed off the
// GUI thread and fill in as their columns come. A marker stands at the logistic window's k,
// with the newest values of its run on it, so that the cobweb and the diagram's column can
// be compared as the run unfolds.
#pragma once

#include "logistic/diagramcomputer.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/picturebox.h"

#include <QList>

class DiagramArea;
class logistic;

class Diagram : public zr::Form {
    Q_OBJECT
  public:
    static inline const QString Name = QStringLiteral("Diagram");
    static void registerWindow(zr::Runtime& rt);
    // Shows the diagram with its marker at `k`, following `source`'s k and run from now on.
    static void showFor(logistic* source, double k);
    explicit Diagram(zr::Runtime& rt);
    // The client area the layout is made for; the window is sized to it.
    QSize sizeHint() const override { return QSize(zr::px(9360), zr::px(7620)); }

  protected:
    void Form_Load() override;
    void stopRuns() override { computer_.cancel(); }
    // The ticks on the axes.
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildAxes();
    void setView(const bifurcation::View& view);
    void showColumns(int first, const QVector<bifurcation::Column>& columns);
    void setK(double k);
    void addMark(double x, qint64 n);

    DiagramArea* pb_diagram;
    zr::PictureBox* pb_lyapunov;
    // Tick labels, left to right and top to bottom.
    QList<zr::Label*> kTicks;
    QList<zr::Label*> xTicks;
    QList<zr::Label*> lambdaTicks;
    QList<zr::Label*> titles;

    DiagramComputer computer_;
};
