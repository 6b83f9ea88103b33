// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/picturebox.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <iterator>

namespace zr {

namespace {
constexpr double BorderTw = 30.0;

// Liang-Barsky: cuts the segment a-b to `box`. Of a segment wholly outside the box, what
// is left lies outside it still, so it draws nothing inside.
void clipSegment(QPointF& a, QPointF& b, const QRectF& box) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(),
                        box.bottom() - a.y()};
    for (std::size_t i = 0; i < std::size(p); ++i) {
        if (p[i] < 0.0)
            t0 = std::max(t0, q[i] / p[i]);
        else if (p[i] > 0.0)
            t1 = std::min(t1, q[i] / p[i]);
        // else along that edge: nothing to cut
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
}

bool finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// How far past the far edge of an area rounding may carry a point that lies on it, in pixels.
constexpr double Hair = 1e-6;
} // namespace

PictureBox::PictureBox(QWidget* parent, const QString& name, const QString& accessibleName,
                       const QRectF& tw, bool border3d)
    : QFrame(parent) {
    setObjectName(name);
    setAccessibleName(accessibleName);
    setGeometry(twRect(tw));
    if (border3d) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(px(BorderTw));
    }
    const double borderTw = border3d ? BorderTw : 0.0;
    innerTw_ = QSizeF(tw.width() - 2 * borderTw, tw.height() - 2 * borderTw);
    innerPx_ = contentsRect().size();
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    image_ = QImage(innerPx_ * dpr, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    image_.fill(toQColor(back_));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setScale(double left, double top, double width, double height) {
    scaleLeft_ = left;
    scaleTop_ = top;
    // Scale units map to twips of the inner area, and 15 twips make a pixel, so the
    // mapping does not depend on how the border rounds to whole pixels.
    const double pxPerUnitX = innerTw_.width() / (width != 0.0 ? width : 1.0) / TwipsPerPixel;
    const double pxPerUnitY = innerTw_.height() / (height != 0.0 ? height : 1.0) / TwipsPerPixel;
    toPixels_ = QTransform(pxPerUnitX, 0, 0, pxPerUnitY, -left * pxPerUnitX, -top * pxPerUnitY);
    toUnits_ = toPixels_.inverted();
    curX_ = left;
    curY_ = top;
}

QPointF PictureBox::pixelAt(const QPointF& p) const {
    // A pixel covers its left and top edges; the area's right and bottom edges belong to
    // the last pixels, so that the whole scale, far edges included, shows.
    const auto index = [](double at, int pixels, double extentTw) {
        const double i = std::floor(at);
        return i >= pixels && at <= extentTw / TwipsPerPixel + Hair ? pixels - 1.0 : i;
    };
    return QPointF(index(p.x(), innerPx_.width(), innerTw_.width()),
                   index(p.y(), innerPx_.height(), innerTw_.height()));
}

QPoint PictureBox::pixelOf(double x, double y) const {
    const QPointF p = toPixel(x, y);
    if (!drawable(p)) return QPoint(-1, -1);
    return pixelAt(p).toPoint();
}

void PictureBox::setBackColor(Colour colour) {
    back_ = colour;
    cls();
}

void PictureBox::setupPainter(QPainter& p) const {
    // A painter starts without antialiasing, which keeps lines and points on whole pixels.
    if (drawMode_ == XorPen) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}

void PictureBox::pset(double x, double y, Colour colour) {
    curX_ = x;
    curY_ = y;
    // An even width reaches one pixel further right and down than left and up.
    QRect dot(0, 0, drawWidth_, drawWidth_);
    dot.moveCenter(pixelOf(x, y));
    QPainter p(&image_);
    setupPainter(p);
    // A quarter pixel up and left, as lines are drawn, so that at any scale factor the dot
    // covers the screen pixels its logical pixel starts in.
    p.fillRect(QRectF(dot).translated(-0.25, -0.25), toQColor(colour));
    p.end();
    drawn(dot);
}

void PictureBox::line(double x1, double y1, double x2, double y2, Colour colour) {
    curX_ = x2;
    curY_ = y2;
    QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (!finite(a) || !finite(b)) return;
    const double margin = drawWidth_ + 2.0;
    clipSegment(a, b, QRectF(QPointF(), innerPx_).adjusted(-margin, -margin, margin, margin));
    // A quarter pixel in from the corner of the end pixels, not their centres: the painter
    // rounds a one-pixel pen's half-way points up, which would light the next pixel, and at
    // a scale factor of 1.5 a centred pen leaves the screen pixel the logical one starts in.
    a = pixelAt(a) + QPointF(0.25, 0.25);
    b = pixelAt(b) + QPointF(0.25, 0.25);
    QPainter p(&image_);
    setupPainter(p);
    QPen pen(toQColor(colour), drawWidth_, Qt::SolidLine,
             drawWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setPen(pen);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
    p.end();
    // Everything the pen reached: as far as its width past either end.
    const double reach = drawWidth_;
    drawn(QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach));
}

void PictureBox::cls() {
    image_.fill(toQColor(back_));
    curX_ = scaleLeft_;
    curY_ = scaleTop_;
    drawn(rect()); // all of it
}

double PictureBox::textHeight() const {
    return QFontMetrics(font()).height() * toUnits_.m22();
}

void PictureBox::newLine() {
    curX_ = scaleLeft_;
    curY_ += textHeight();
}

bool PictureBox::drawable(const QPointF& at) {
    return finite(at) && QRectF(-1e6, -1e6, 2e6, 2e6).contains(at);
}

void PictureBox::refresh() {
    if (dirty_.isEmpty()) return;
    repaint(dirty_.translated(contentsRect().topLeft()));
    dirty_ = QRect();
}

Colour PictureBox::pixel(int x, int y) const {
    const qreal dpr = image_.devicePixelRatio();
    const QPoint device(qFloor(x * dpr), qFloor(y * dpr));
    if (!image_.rect().contains(device)) return 0;
    return fromQColor(image_.pixelColor(device));
}

void PictureBox::drawn(const QRectF& pixelRect) {
    const QRect r = pixelRect.toAlignedRect() & QRect(QPoint(0, 0), innerPx_);
    if (r.isEmpty()) return;
    if (autoRedraw_) {
        // Kept drawing reaches the screen at the next refresh or yield, as the one rectangle
        // that all drawing since the last repaint spans: a step's several lines repainted as
        // a ragged region of thin strips would cost several times as much.
        dirty_ |= r;
        update(dirty_.translated(contentsRect().topLeft()));
    } else {
        // Without a kept copy the drawing goes straight to the screen.
        repaint(r.translated(contentsRect().topLeft()));
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    const QRect inner = contentsRect();
    QPainter(this).drawImage(inner.topLeft(), image_);
    QFrame::paintEvent(event); // the border
    if (event->rect().contains(dirty_.translated(inner.topLeft()))) dirty_ = QRect();
}

void PictureBox::hideEvent(QHideEvent* event) {
    // Without a kept copy nothing survives being hidden: the area comes back empty.
    if (!autoRedraw_) image_.fill(toQColor(back_));
    QFrame::hideEvent(event);
}

} // namespace zr
