// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The bifurcation diagram's picture area: where the orbits settle, darker where they pass
// more often, column by column as the columns come; over it a marker at the logistic
// window's k with the newest values of its run. Dragging a rectangle asks to zoom to it,
// Backspace asks for the whole view again.
#pragma once

#include "logistic/bifurcation.h"
#include "runtime/picturebox.h"

#include <QList>
#include <QtNumeric>

class QRubberBand;

class DiagramArea : public zr::PictureBox {
    Q_OBJECT
  public:
    DiagramArea(QWidget* parent, const QRectF& tw);

    // Shows `view`, empty until its columns come: k across, x upwards.
    void setView(const bifurcation::View& view);
    // Columns `first`, `first` + 1, ... of the view, one a device pixel, each out of
    // `plotted` counted steps.
    void putColumns(int first, const QVector<bifurcation::Column>& columns, int plotted);
    // The marker stands at k while that lies in the view.
    void setMarker(double k);
    // A value of the run at the marker's k; `restart` drops those of an earlier run.
    void addMark(double x, bool restart);

  signals:
    void zoomAsked(const bifurcation::View& view);
    void resetAsked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bifurcation::View view_;
    double markerK_ = qQNaN(); // none yet
    QList<double> marks_;      // the newest last
    QRubberBand* band_;
    QPoint dragStart_;
};
