// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Computes a bifurcation diagram off the GUI thread and hands it over in chunks of columns,
// left to right, as queued events: they arrive whenever the GUI thread handles events, also
// inside a run's yield. No GUI.
#pragma once

#include "logistic/bifurcation.h"

#include <QObject>
#include <QVector>
#include <atomic>

class QThread;

class DiagramComputer : public QObject {
    Q_OBJECT
  public:
    // Columns per delivered chunk: a few milliseconds of work, so the diagram fills in
    // smoothly without flooding the event queue.
    static constexpr int ChunkColumns = 16;

    explicit DiagramComputer(QObject* parent = nullptr);
    // Stops the worker and waits for it (at most one column's work) before going.
    ~DiagramComputer() override;

    // Drops any computation under way and starts computing `view` on a raster of `columns`
    // by `rows` pixels. Returns the new generation, which tags every signal of this view.
    // A raster without columns has only finished().
    int start(const bifurcation::View& view, int columns, int rows,
              const bifurcation::Sampling& sampling = bifurcation::Sampling());
    // Stops the computation under way at once: when this returns, no worker runs and no
    // signal of it comes any more, not even one already queued.
    void cancel();

  signals:
    // Columns firstColumn, firstColumn + 1, ... of the view of `generation`, in order.
    void columnsReady(int generation, int firstColumn, const QVector<bifurcation::Column>& columns);
    // Every column of the view of `generation` has been delivered.
    void finished(int generation);

  private:
    void deliver(int generation, int firstColumn, const QVector<bifurcation::Column>& columns);
    void finish(int generation);

    QThread* worker_ = nullptr; // the thread of the latest view; a child of this object
    std::atomic<bool> stop_{};
    int generation_ = 0;
};
