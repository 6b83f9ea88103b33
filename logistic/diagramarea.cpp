// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logistic/diagramarea.h"

#include "logistic/logisticmap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <cmath>

using namespace zr;

namespace {
// A smaller rectangle is a click that slipped, not a choice.
constexpr int SmallestDrag = 4;

// Any visit shows; a column where the orbit rests in one pixel is black.
QRgb shade(quint32 count, int plotted, QRgb back) {
    if (count == 0) return back;
    // From 0.3 for one visit to 1 where every step lands: never outside the grey scale.
    const double darkness = 0.3 + 0.7 * std::log1p(count) / std::log1p(plotted);
    return QColor::fromRgbF(1 - darkness, 1 - darkness, 1 - darkness).rgb();
}
} // namespace

DiagramArea::DiagramArea(QWidget* parent, const QRectF& tw)
    : PictureBox(parent, QStringLiteral("pb_diagram"), QStringLiteral("Bifurcation diagram"), tw),
      band_(new QRubberBand(QRubberBand::Rectangle, this)) {
    setAutoRedraw(true);
    setBackColor(White);
    setFocusPolicy(Qt::StrongFocus);
}

void DiagramArea::setView(const bifurcation::View& view) {
    view_ = view;
    setScale(view.kMin, view.xMax, view.kMax - view.kMin, view.xMin - view.xMax);
    cls();
}

void DiagramArea::putColumns(int first, const QVector<bifurcation::Column>& columns, int plotted) {
    QImage& image = canvas();
    const QRgb back = toQColor(backColor()).rgb();
    // A column a device pixel wide, as many rows as the picture has: the picture checks that.
    int x = first;
    for (const bifurcation::Column& column : columns) {
        for (int row = 0; row < column.counts.size(); ++row)
            image.setPixel(x, row, shade(column.counts[row], plotted, back));
        ++x;
    }
    drawn(rect()); // all of it: a view's columns come in a few dozen batches
}

void DiagramArea::setMarker(double k) {
    if (k != markerK_) marks_.clear();
    markerK_ = k;
    update();
}

void DiagramArea::addMark(double x, bool restart) {
    if (restart) marks_.clear();
    marks_.append(x);
    if (marks_.size() > logisticmap::Listing::Lines) marks_.removeFirst(); // as listed
    update();
}

void DiagramArea::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    if (!(markerK_ >= view_.kMin && markerK_ <= view_.kMax)) return;
    QPainter p(this);
    p.translate(contentsRect().topLeft());
    p.setClipRect(QRect(QPoint(0, 0), innerSize()));
    // The view's far edges, kMax and xMin, lie in its last column and row.
    const int column = pixelOf(markerK_, view_.xMin).x();
    p.fillRect(QRect(column, 0, 1, innerSize().height()), toQColor(Red));
    // A value outside a zoomed view is cut off with the rest of what lies outside.
    for (double x : marks_)
        p.fillRect(QRect(column - 4, pixelOf(markerK_, x).y() - 1, 9, 3), toQColor(Blue));
}

void DiagramArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return PictureBox::mousePressEvent(event);
    dragStart_ = event->position().toPoint();
}

void DiagramArea::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    band_->setGeometry(QRect(dragStart_, event->position().toPoint()).normalized());
    band_->show();
}

void DiagramArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    band_->hide();
    const QRectF picked =
        QRectF(dragStart_, event->position()).normalized().translated(-contentsRect().topLeft()) &
        QRectF(QPointF(), QSizeF(innerSize()));
    if (picked.width() < SmallestDrag || picked.height() < SmallestDrag) return;
    const QPointF topLeft = toUnits().map(picked.topLeft());
    const QPointF bottomRight = toUnits().map(picked.bottomRight());
    emit zoomAsked({topLeft.x(), bottomRight.x(), bottomRight.y(), topLeft.y()});
}

void DiagramArea::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace)
        emit resetAsked();
    else
        PictureBox::keyPressEvent(event);
}
