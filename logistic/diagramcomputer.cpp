// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/diagramcomputer.h"

#include <QThread>
#include <algorithm>

using bifurcation::Column;

DiagramComputer::DiagramComputer(QObject* parent) : QObject(parent) {}

DiagramComputer::~DiagramComputer() {
    // The worker posts to this object: it must be gone first. What it already posted is
    // dropped with the object.
    cancel();
}

int DiagramComputer::start(const bifurcation::View& view, int columns, int rows,
                           const bifurcation::Sampling& sampling) {
    cancel();
    const int generation = generation_;
    stop_ = false;
    worker_ = QThread::create([this, view, columns, rows, sampling, generation] {
        for (int first = 0; first < columns; first += ChunkColumns) {
            const int end = std::min(columns, first + ChunkColumns);
            QVector<Column> chunk;
            for (int column = first; column < end; ++column) {
                if (stop_) return;
                chunk.append(bifurcation::computeColumn(view, column, columns, rows, sampling));
            }
            QMetaObject::invokeMethod(
                this, [this, generation, first, chunk] { deliver(generation, first, chunk); },
                Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this, [this, generation] { finish(generation); }, Qt::QueuedConnection);
    });
    worker_->setParent(this);
    worker_->start();
    return generation;
}

void DiagramComputer::cancel() {
    stop_ = true;
    if (worker_) {
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    // Chunks of the old view still queued carry the old generation and are dropped.
    ++generation_;
}

void DiagramComputer::deliver(int generation, int firstColumn, const QVector<Column>& columns) {
    if (generation == generation_) emit columnsReady(generation, firstColumn, columns);
}

void DiagramComputer::finish(int generation) {
    if (generation == generation_) emit finished(generation);
}
